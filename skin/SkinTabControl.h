// The skinned tab strip and the tab control built on it. The strip draws a
// row of tabs from the style's tab picture (the selected tab a pixel lower)
// over the style's bar picture, scrolls the row with two arrows while it
// is too long for the strip, and selects a tab on a click after asking the
// tab control's OnChanging. The tab control paints its body and border
// below the strip, lays its children out inside the border and passes its
// style on to them; a descendant makes the strip and hands it over.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/StringList.h"
#include "skin/SkinMgr.h"
#include "skin/SkinThemes.h"
#include "windowing/Bitmap.h"
#include "windowing/CustomPanel.h"

class TSkinTab;

using TTabActiveNotify = std::function<void(TComponent* Sender, int TabIndex)>;
using TTabChangingEvent = std::function<void(TComponent* Sender, bool& AllowChange)>;

class TSkinTabControlTopPanel : public TSkinThemed<TCustomPanel> {
 public:
  TSkinTabControlTopPanel(TComponent* owner, TSkinTab* tabControl);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The tab captions in tab order; every change repaints the strip. A new
  // strip holds "Tab1".
  const TStringList& Tabs() const { return FTabs; }
  void SetTabs(const TStringList& tabs);
  int TabCount() const { return FTabs.Count(); }
  void AddTab(const std::string& caption);
  void DeleteTab(int index);
  // The selected tab; -1 for none. A change by code is not offered to
  // OnChanging; an index outside the tabs only repaints.
  int TabIndex() const { return FTabIndex; }
  void SetTabIndex(int index);
  // The x of the first tab shown.
  int LeftMargin() const { return FLeftMargin; }
  void SetLeftMargin(int margin);
  bool TabVisible(int index) const;
  void SetTabVisible(int index, bool visible);

  // Visible tabs skipped at the left (the row's scroll offset).
  int FirstShown() const { return FFirstShown; }
  // Where each tab is drawn (empty for one not drawn), the arrows (empty
  // while the row fits), and whether a tab had to be cut at the right.
  struct TLayout {
    std::vector<TRect> TabRects;
    std::vector<int> Widths;
    int LastWhole = -1;
    int CutTab = -1;  // the tab cut at the right, if any
    bool Overflow = false;
    TRect Back, Forward;
  };
  TLayout Layout() const;

 protected:
  // Loads the tab, bar and arrow pictures; the strip is as high as the tab
  // picture and the bar together.
  void ApplyUIStyle() override;
  void Paint(TCanvas& canvas) override;
  void Resize() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseLeave() override;

 private:
  void TabsChanged();
  void ScrollToActive();
  int VisibleBefore(int index) const;
  void PlaceInTabControl();

  TStringList FTabs;
  std::vector<bool> FVisible;
  int FTabIndex = 0;
  int FLeftMargin = 10;
  bool FClicking = false;
  int FFirstShown = 0;
  TSkinTab* FTabControl;
  TBitmap FSelectedTab, FOtherTab, FBar;
  TBitmap FArrows[4];
  // The pointer as the strip last saw it (outside while it is not over it).
  TPoint FPointer{-1, -1};
};

class TSkinTab : public TSkinThemed<TCustomPanel> {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor color);
  int LeftMargin() const { return FStrip->LeftMargin(); }
  void SetLeftMargin(int margin) { FStrip->SetLeftMargin(margin); }
  TSkinTabControlTopPanel& Strip() const { return *FStrip; }

  // The area the children share: inside the border, below the strip.
  void AdjustClientRect(TRect& rect) const override;

  TTabActiveNotify OnTabActive;
  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

  // The strip's selection changed (click or code): OnTabActive, then
  // OnChange, neither while the control is being loaded.
  virtual void DoTabActive(int index);

 protected:
  explicit TSkinTab(TComponent* owner);
  // Takes the strip the descendant made for it (owned by this control as a
  // component) and the owner's style; the derived constructor calls it
  // first, once its own fields are there for the style to reach.
  void TakeStrip(TSkinTabControlTopPanel& strip);
  virtual void SetTabIndex(int index) { FStrip->SetTabIndex(index); }
  virtual void BorderColorChanged() {}
  virtual void UpdateChildrenUIStyle(TSkinUIStyle style, TSkinFileTheme* theme);

  // Gives the strip and the children the style, then takes its colours.
  void ApplyUIStyle() override;
  void Paint(TCanvas& canvas) override;
  void Resize() override;
  void FontChanged() override;

 private:
  TColor FBorderColor = clBlack;
  TSkinTabControlTopPanel* FStrip = nullptr;
};
