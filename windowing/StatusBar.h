// Status bars: a strip at the foot of a window showing panels of text side
// by side, or one simple text across its whole width, drawn as the
// platform's status control draws them (sunken panels on the bar colour).
#pragma once

#include <algorithm>
#include <string>

#include "windowing/Collection.h"
#include "windowing/CustomControl.h"
#include "windowing/CustomPanel.h"

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TStatusPanel : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  TStatusPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel bevel);
  const std::string& Text() const { return FText; }
  void SetText(const std::string& text);
  int Width() const { return FWidth; }
  void SetWidth(int width);

  void Assign(const TCollectionItem& source) override;

 private:
  TAlignment FAlignment = TAlignment::taLeftJustify;
  TStatusPanelBevel FBevel = TStatusPanelBevel::pbLowered;
  std::string FText;
  int FWidth = 50;
};

using TStatusPanels = TCollectionOf<TStatusPanel>;

class TCustomStatusBar : public TCustomControl {
 public:
  explicit TCustomStatusBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TStatusPanels& Panels() { return FPanels; }
  const TStatusPanels& Panels() const { return FPanels; }
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool simplePanel);
  const std::string& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& text);
  // Kept for descriptions: windows here are sized by the window system's
  // frame, or by a skinned status bar's own grip.
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool sizeGrip) { FSizeGrip = sizeGrip; }
  // The bar shows the system's status font; choosing a font turns it off.
  bool UseSystemFont() const { return FUseSystemFont; }
  void SetUseSystemFont(bool useSystemFont);

  // Where panel index lies: side by side from the left, each as wide as
  // its Width, the last one up to the bar's right edge or its size grip.
  TRect PanelRect(int index) const;

 protected:
  // The width kept free for a size grip at the bar's right end: the panels
  // (or the simple text) end before it. None here.
  virtual int SizeGripWidth() const { return 0; }
  void Paint(TCanvas& canvas) override;
  void FontChanged() override;

 private:
  int PanelsRight() const { return std::max(0, Width() - SizeGripWidth()); }
  void DrawPanel(TCanvas& canvas, TRect r, TStatusPanelBevel bevel, TAlignment alignment, const std::string& text);

  TStatusPanels FPanels{this};
  bool FSimplePanel = false;
  std::string FSimpleText;
  bool FSizeGrip = true;
  bool FUseSystemFont = true;
  bool FTakingSystemFont = false;
};

class TStatusBar : public TCustomStatusBar {
 public:
  using TCustomStatusBar::TCustomStatusBar;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
