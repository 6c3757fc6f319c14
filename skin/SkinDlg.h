// Dialog components of the skinned library. TSkinDialog holds what every
// skinned dialog shows: where it appears, its caption, its style and the
// fonts of its text and of its title; TSkinMessageDialog is the skinned
// message box, with a text, an icon and one to three buttons, each with its
// caption and the modal result it gives. Executing it builds the box's form
// anew, shows it modally and returns the result of the button pressed (the
// cancel result when the box is closed from its title bar or by Escape).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "runtime/Component.h"
#include "skin/SkinMgr.h"
#include "skin/SkinThemes.h"
#include "windowing/Control.h"
#include "windowing/Font.h"
#include "windowing/Form.h"
#include "windowing/Persistent.h"

class TfrmMsg;

enum class TSkinIconType : uint8_t { skinNone, skinWarning, skinStop, skinInformation, skinHelp };
// The number of buttons of a message box: 1 to 3.
using TSkinDialogButtonsCount = int;

class TSkinDialog : public TSkinThemed<TComponent>, public TPersistent {
 public:
  explicit TSkinDialog(TComponent* owner);
  ~TSkinDialog() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Shows the dialog modally and returns its modal result.
  virtual TModalResult Execute() = 0;

  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition position) { FPosition = position; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption) { FCaption = caption; }
  // UIStyle and FileTheme are only stored: the dialog's form takes them
  // when it is built.
  // The font of the dialog's text and buttons.
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& font) { FFont.Assign(font); }
  // The font of the dialog's title.
  TFont& CaptionFont() { return FCaptionFont; }
  const TFont& CaptionFont() const { return FCaptionFont; }
  void SetCaptionFont(const TFont& font) { FCaptionFont.Assign(font); }

 protected:
  TCursor FButtonCursor = crHandPoint;

 private:
  TPosition FPosition = TPosition::poScreenCenter;
  std::string FCaption = "skinDialog";
  TFont FFont;
  TFont FCaptionFont;
};

class TSkinMessageDialog : public TSkinDialog {
 public:
  explicit TSkinMessageDialog(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TEnumInfo& IconTypeNames();

  // Builds the box's form, shows it modally and frees it again; returns
  // the result of the button pressed. While the application's message box
  // provider stands in for the boxes, the provider answers instead.
  TModalResult Execute() override;

  TCursor ButtonCursor() const { return FButtonCursor; }
  void SetButtonCursor(TCursor cursor) { FButtonCursor = cursor; }
  TSkinDialogButtonsCount ButtonCount() const { return FButtonCount; }
  // Kept within 1 to 3.
  void SetButtonCount(TSkinDialogButtonsCount count);
  // Buttons 1 to 3, numbered from the left.
  const std::string& ButtonCaption(int button) const { return FButtons.at(Slot(button)).Caption; }
  void SetButtonCaption(int button, const std::string& caption) { FButtons.at(Slot(button)).Caption = caption; }
  TModalResult ButtonModalResult(int button) const { return FButtons.at(Slot(button)).Result; }
  void SetButtonModalResult(int button, TModalResult result) { FButtons.at(Slot(button)).Result = result; }
  TSkinIconType IconType() const { return FIconType; }
  void SetIconType(TSkinIconType icon) { FIconType = icon; }
  // Shown as it is: an "&" in it is an ampersand, not an access key.
  const std::string& Text() const { return FText; }
  void SetText(const std::string& text) { FText = text; }

 private:
  struct TButtonSetting {
    std::string Caption;
    TModalResult Result;
  };
  static size_t Slot(int button) { return static_cast<size_t>(button - 1); }
  // The published Button1Caption ... Button3ModalResult.
  template <int N>
  const std::string& CaptionOf() const { return ButtonCaption(N); }
  template <int N>
  void SetCaptionOf(const std::string& caption) { SetButtonCaption(N, caption); }
  template <int N>
  TModalResult ResultOf() const { return ButtonModalResult(N); }
  template <int N>
  void SetResultOf(TModalResult result) { SetButtonModalResult(N, result); }
  // The box's form with its text, icon and buttons laid out, not yet shown.
  void Layout(TfrmMsg& form) const;

  TSkinDialogButtonsCount FButtonCount = 1;
  std::array<TButtonSetting, 3> FButtons{{{"OK", mrOk}, {"Cancel", mrCancel}, {"Cancel", mrCancel}}};
  TSkinIconType FIconType = TSkinIconType::skinNone;
  std::string FText = "Hello world!";
};

// For tests: runs with each message box's form once the box is shown and
// waiting, so that a test can press one of its buttons or close it. Null:
// no hook. Returns the hook set before.
using TSkinMessageFormHook = std::function<void(TfrmMsg& form)>;
TSkinMessageFormHook SetSkinMessageFormHook(TSkinMessageFormHook hook);
