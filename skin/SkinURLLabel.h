// A label that behaves as a link: underlined text in FontLinkColor that
// turns FontHoverColor while the pointer is over it, with the hand
// pointer. A click hands URL to the desktop's shell, which opens it with
// the program it uses for such addresses (only web and mail addresses are
// handed on), and then runs OnClick. It takes no part in the skin styles.
#pragma once

#include <string>

#include "windowing/Label.h"

class TSkinURLLabel : public TLabel {
 public:
  explicit TSkinURLLabel(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& URL() const { return FURL; }
  void SetURL(const std::string& url);
  TColor FontHoverColor() const { return FFontHoverColor; }
  // Shows at the next time the pointer enters.
  void SetFontHoverColor(TColor color) { FFontHoverColor = color; }
  TColor FontLinkColor() const { return FFontLinkColor; }
  void SetFontLinkColor(TColor color);

  // Opens URL (unless it is blank or no web or mail address), then OnClick.
  void Click() override;
  // Whether an address is one the label hands to the shell: http, https or
  // mailto, in any case, after leading blanks.
  static bool IsOpenableAddress(const std::string& url);

 protected:
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  std::string FURL;
  TColor FFontHoverColor = clRed;
  TColor FFontLinkColor = clBlue;
};
