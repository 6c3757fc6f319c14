// What the skinned popup and main menus share: the drawing routines, the
// look (metrics, colours, font) set by a style, and the per-item measure
// and draw callbacks that paint every item in that look.
#pragma once

#include <string>

#include "skin/SkinMgr.h"
#include "skin/SkinThemes.h"
#include "windowing/Canvas.h"
#include "windowing/Colors.h"
#include "windowing/Menu.h"
#include "windowing/MenuItem.h"
#include "windowing/Persistent.h"

class TCustomImageList;
class TFont;
class TSkinFileTheme;

// Sets the item's measure and draw callbacks, then its sub-items', depth first.
void SetMenuItemDrawEvents(TMenuItem& item, const TMenuMeasureItemEvent& measure,
                           const TAdvancedMenuDrawItemEvent& draw);
void FillRectWithColor(TCanvas& canvas, const TRect& r, TColor color);
// A one-pixel frame along the inside of r.
void OutlineRectWithColor(TCanvas& canvas, const TRect& r, TColor color);
// The line at y = top + 2 from left + bar width + 4 up to right - 2.
void DrawMenuSeparatorLine(TCanvas& canvas, const TRect& r, TColor color, int barWidth);
// The Silver bitmaps: SILVER_MENU_BAR cut to 12 or 20 rows, SILVER_MENU_SELECT to 20, stretched over r.
void DrawSilverMenuSeparator(TCanvas& canvas, const TRect& r);
void DrawSilverMenuSelection(TCanvas& canvas, const TRect& r);
void DrawSilverMenuBar(TCanvas& canvas, const TRect& r);
// The flat border of a menu window whose whole area is r: an outer frame,
// a white one inside it and the lines over the top and right.
void DrawFlatMenuBorder(TCanvas& canvas, const TRect& r, TColor outerColor, TColor lineColor);
// The system's menu font in the menu text colour.
void GetSystemMenuFont(TFont& font);

// The image list of the MENU_CHECKED mark, white pixels left out.
void FillMenuCheckImages(TCustomImageList& list);
// The list the popup menus share.
const TCustomImageList& MenuCheckImages();

// The look of a skinned menu, in the order the menus declare their fields.
struct TSkinMenuLook {
  TSkinUIStyle UIStyle = TSkinUIStyle::Midnight;
  int MenuItemHeight = 21;
  int SeparatorHeight = 5;
  TColor BarColor = 0;
  int BarWidth = 26;
  TColor Color = 0;
  TColor SeparatorColor = 0x848284;
  TColor SelectedBorderColor = 0;
  TColor SelectedColor = 0;
  TColor SelectedFontColor = 0;
  TColor FontColor = 0;
  TColor BorderColor = 0;
  bool FlatMenu = false;
  std::string FontName = "MS Sans Serif";
  int FontSize = 8;
  int FontCharset = 1;
  bool UseSystemFont = true;
  TSkinFileTheme* FileTheme = nullptr;

  // Sets the style with its metrics and reads the six colours.
  void ApplyStyle(TSkinUIStyle style);
  void Measure(const TMenuItem& item, TCanvas& canvas, int& width, int& height) const;
  // userImages may be null; checkImages holds the check mark as image 0.
  void Draw(const TMenuItem& item, TCanvas& canvas, const TRect& r, TOwnerDrawState state,
            const TCustomImageList* userImages, const TCustomImageList& checkImages) const;
  // The flat border when FlatMenu is set; false leaves the frame to the platform.
  bool DrawFrame(TCanvas& canvas, const TRect& r) const;
};

// The skinned menu on top of a menu class of the layer: the look's fields
// as properties, owner drawing always on, the callbacks hooked into every
// item when loaded (items added later keep the default drawing until
// AttachItemDrawEvents runs again), and Midnight when the theme goes.
template <class Base>
class TSkinMenu : public Base, public TSkinThemeUser {
 public:
  explicit TSkinMenu(TComponent* owner) : Base(owner) { FLook.ApplyStyle(GetOwnerUIStyle(owner)); }

  bool OwnerDraw() const override { return true; }
  void SetOwnerDraw(bool) override {}

  TSkinFileTheme* FileTheme() const override { return FLook.FileTheme; }
  void SetFileTheme(TSkinFileTheme* theme) override {
    LinkFileTheme(*this, FLook.FileTheme, theme);
    SetUIStyle(FLook.UIStyle);
  }
  TSkinUIStyle UIStyle() const { return FLook.UIStyle; }
  void SetUIStyle(TSkinUIStyle style) override { FLook.ApplyStyle(style); }
  // Silver keeps its own metrics.
  int MenuItemHeight() const { return FLook.MenuItemHeight; }
  void SetMenuItemHeight(int v) {
    if (FLook.UIStyle != TSkinUIStyle::Silver) FLook.MenuItemHeight = v;
  }
  int SeparatorHeight() const { return FLook.SeparatorHeight; }
  void SetSeparatorHeight(int v) {
    if (FLook.UIStyle != TSkinUIStyle::Silver) FLook.SeparatorHeight = v;
  }
  int BarWidth() const { return FLook.BarWidth; }
  void SetBarWidth(int v) { FLook.BarWidth = v; }
  TColor BarColor() const { return FLook.BarColor; }
  void SetBarColor(TColor v) { FLook.BarColor = v; }
  TColor Color() const { return FLook.Color; }
  void SetColor(TColor v) { FLook.Color = v; }
  TColor SeparatorColor() const { return FLook.SeparatorColor; }
  void SetSeparatorColor(TColor v) { FLook.SeparatorColor = v; }
  TColor SelectedBorderColor() const { return FLook.SelectedBorderColor; }
  void SetSelectedBorderColor(TColor v) { FLook.SelectedBorderColor = v; }
  TColor SelectedColor() const { return FLook.SelectedColor; }
  void SetSelectedColor(TColor v) { FLook.SelectedColor = v; }
  TColor SelectedFontColor() const { return FLook.SelectedFontColor; }
  void SetSelectedFontColor(TColor v) { FLook.SelectedFontColor = v; }
  TColor FontColor() const { return FLook.FontColor; }
  void SetFontColor(TColor v) { FLook.FontColor = v; }
  TColor BorderColor() const { return FLook.BorderColor; }
  void SetBorderColor(TColor v) { FLook.BorderColor = v; }
  bool FlatMenu() const { return FLook.FlatMenu; }
  void SetFlatMenu(bool v) { FLook.FlatMenu = v; }
  const std::string& FontName() const { return FLook.FontName; }
  void SetFontName(const std::string& v) { FLook.FontName = v; }
  int FontSize() const { return FLook.FontSize; }
  void SetFontSize(int v) { FLook.FontSize = v; }
  int FontCharset() const { return FLook.FontCharset; }
  void SetFontCharset(int v) { FLook.FontCharset = v; }
  bool UseSystemFont() const { return FLook.UseSystemFont; }
  virtual void SetUseSystemFont(bool v) { FLook.UseSystemFont = v; }
  const TSkinMenuLook& Look() const { return FLook; }

  virtual void AttachItemDrawEvents() {
    const TMenuMeasureItemEvent measure = [this](TComponent* sender, TCanvas& canvas, int& w, int& h) {
      FLook.Measure(*static_cast<TMenuItem*>(sender), canvas, w, h);
    };
    const TAdvancedMenuDrawItemEvent draw = [this](TComponent* sender, TCanvas& canvas, TRect r, TOwnerDrawState state) {
      FLook.Draw(*static_cast<TMenuItem*>(sender), canvas, r, state, UserImages(), CheckImages());
    };
    for (int i = 0; i < this->Items().Count(); ++i) SetMenuItemDrawEvents(*this->Items().Items(i), measure, draw);
  }

  bool DrawFrame(TCanvas& canvas, const TRect& r) override { return FLook.DrawFrame(canvas, r); }

 protected:
  // The image list the items' images come from (null: none) and the check marks.
  virtual const TCustomImageList* UserImages() const = 0;
  virtual const TCustomImageList& CheckImages() const = 0;

  void Loaded() override {
    Base::Loaded();
    AttachItemDrawEvents();
  }
  void Notification(TComponent* component, TOperation operation) override {
    Base::Notification(component, operation);
    if (UnlinkRemovedFileTheme(FLook.FileTheme, component, operation)) SetUIStyle(TSkinUIStyle::Midnight);
  }

  TSkinMenuLook FLook;
};

// Publishes the skinned menu's properties in their order.
template <class C>
void PublishSkinMenu(TPublisher<C>& p) {
  p.Bool("OwnerDraw", &C::OwnerDraw, &C::SetOwnerDraw)
      .template Component<TSkinFileTheme>("FileTheme", &C::FileTheme, &C::SetFileTheme)
      .Enum("UIStyle", SkinUIStyleNames(), &C::UIStyle, &C::SetUIStyle)
      .Integer("MenuItemHeight", &C::MenuItemHeight, &C::SetMenuItemHeight)
      .Integer("SeparatorHeight", &C::SeparatorHeight, &C::SetSeparatorHeight)
      .Integer("BarWidth", &C::BarWidth, &C::SetBarWidth)
      .Color("BarColor", &C::BarColor, &C::SetBarColor)
      .Color("Color", &C::Color, &C::SetColor)
      .Color("SeparatorColor", &C::SeparatorColor, &C::SetSeparatorColor)
      .Color("SelectedBorderColor", &C::SelectedBorderColor, &C::SetSelectedBorderColor)
      .Color("SelectedColor", &C::SelectedColor, &C::SetSelectedColor)
      .Color("SelectedFontColor", &C::SelectedFontColor, &C::SetSelectedFontColor)
      .Color("FontColor", &C::FontColor, &C::SetFontColor)
      .Color("BorderColor", &C::BorderColor, &C::SetBorderColor)
      .Bool("FlatMenu", &C::FlatMenu, &C::SetFlatMenu)
      .String("FontName", &C::FontName, &C::SetFontName)
      .Integer("FontSize", &C::FontSize, &C::SetFontSize)
      .Integer("FontCharset", &C::FontCharset, &C::SetFontCharset)
      .Bool("UseSystemFont", &C::UseSystemFont, &C::SetUseSystemFont);
}
