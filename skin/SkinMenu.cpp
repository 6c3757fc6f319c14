#include "skin/SkinMenu.h"

#include "skin/SkinMgr.h"
#include "windowing/Bitmap.h"
#include "windowing/Font.h"
#include "windowing/ImageList.h"
#include "windowing/Keys.h"

void SetMenuItemDrawEvents(TMenuItem& item, const TMenuMeasureItemEvent& measure,
                           const TAdvancedMenuDrawItemEvent& draw) {
  item.OnMeasureItem = measure;
  item.OnAdvancedDrawItem = draw;
  for (int i = 0; i < item.Count(); ++i) SetMenuItemDrawEvents(*item.Items(i), measure, draw);
}

void FillRectWithColor(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush.Color = color;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.FillRect(r);
}

void OutlineRectWithColor(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush.Color = color;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.FrameRect(r);
}

void DrawMenuSeparatorLine(TCanvas& canvas, const TRect& r, TColor color, int barWidth) {
  canvas.Pen.Color = color;
  canvas.MoveTo(r.Left + barWidth + 4, r.Top + 2);
  canvas.LineTo(r.Right - 2, r.Top + 2);
}

namespace {

// The top rows of a Silver menu bitmap stretched over r.
void DrawSilverRows(TCanvas& canvas, const TRect& r, const char* name, int rows) {
  TBitmap bitmap;
  bitmap.LoadFromResourceName(name);
  bitmap.SetHeight(std::min(rows, bitmap.Height()));
  canvas.StretchDraw(r, bitmap);
}

}  // namespace

void DrawSilverMenuSeparator(TCanvas& canvas, const TRect& r) { DrawSilverRows(canvas, r, "SILVER_MENU_BAR", 12); }

void DrawSilverMenuSelection(TCanvas& canvas, const TRect& r) { DrawSilverRows(canvas, r, "SILVER_MENU_SELECT", 20); }

void DrawSilverMenuBar(TCanvas& canvas, const TRect& r) { DrawSilverRows(canvas, r, "SILVER_MENU_BAR", 20); }

void DrawFlatMenuBorder(TCanvas& canvas, const TRect& r, TColor outerColor, TColor lineColor) {
  OutlineRectWithColor(canvas, Rect(r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1), outerColor);
  OutlineRectWithColor(canvas, Rect(r.Left + 1, r.Top + 2, r.Right - 2, r.Bottom - 2), clWhite);
  canvas.Pen.Color = lineColor;
  canvas.MoveTo(r.Left, r.Bottom - 1);
  canvas.LineTo(r.Right - 1, r.Bottom - 1);
  canvas.LineTo(r.Right - 1, r.Top);
  canvas.LineTo(r.Right, r.Top);
  canvas.LineTo(r.Left, r.Top);
}

void GetSystemMenuFont(TFont& font) {
  font.Assign(SystemMenuFont());
  font.SetColor(clMenuText);
}

void FillMenuCheckImages(TCustomImageList& list) {
  TBitmap mark;
  mark.LoadFromResourceName("MENU_CHECKED");
  mark.SetTransparent(true);
  list.AddMasked(mark, clWhite);
}

const TCustomImageList& MenuCheckImages() {
  static const TCustomImageList& list = []() -> const TCustomImageList& {
    static TCustomImageList images(nullptr);
    FillMenuCheckImages(images);
    return images;
  }();
  return list;
}

void TSkinMenuLook::ApplyStyle(TSkinUIStyle style) {
  UIStyle = style;
  BarWidth = 26;
  const bool silver = style == TSkinUIStyle::Silver;
  MenuItemHeight = silver ? 20 : 21;
  SeparatorHeight = silver ? 12 : 5;
  SeparatorColor = silver ? 0 : 0x848284;
  const TSkinItemSource items(FileTheme, style);
  BarColor = items.Color(SkinItem::MenuBarColor);
  Color = items.Color(SkinItem::MenuBackgroundColor);
  FontColor = items.Color(SkinItem::MenuFontColor);
  SelectedBorderColor = items.Color(SkinItem::MenuSelectedBorderColor);
  SelectedColor = items.Color(SkinItem::MenuSelectedBackgroundColor);
  SelectedFontColor = items.Color(SkinItem::MenuSelectedFontColor);
}

void TSkinMenuLook::Measure(const TMenuItem& item, TCanvas& canvas, int& width, int& height) const {
  height = item.IsLine() ? SeparatorHeight : MenuItemHeight;
  width = canvas.TextWidth(item.Caption()) + canvas.TextWidth(ShortCutToText(item.ShortCut())) + BarWidth + 40;
}

namespace {

bool HasImage(const TMenuItem& item, const TCustomImageList* images) {
  return item.ImageIndex() != -1 && images && item.ImageIndex() < images->Count();
}

}  // namespace

void TSkinMenuLook::Draw(const TMenuItem& item, TCanvas& canvas, const TRect& r, TOwnerDrawState state,
                         const TCustomImageList* userImages, const TCustomImageList& checkImages) const {
  const bool silver = UIStyle == TSkinUIStyle::Silver;
  auto barAndBackground = [&] {
    if (BarWidth > 0) FillRectWithColor(canvas, Rect(r.Left, r.Top, r.Left + BarWidth, r.Bottom), BarColor);
    FillRectWithColor(canvas, Rect(r.Left + BarWidth, r.Top, r.Right, r.Bottom), Color);
  };
  if (item.IsLine()) {
    if (silver) {
      DrawSilverMenuSeparator(canvas, r);
    } else {
      barAndBackground();
      DrawMenuSeparatorLine(canvas, r, SeparatorColor, BarWidth);
    }
    return;
  }
  const bool enabled = item.Enabled();
  if ((state & odSelected) && enabled) {
    if (silver) {
      DrawSilverMenuSelection(canvas, r);
    } else {
      FillRectWithColor(canvas, r, SelectedColor);
      OutlineRectWithColor(canvas, r, SelectedBorderColor);
    }
  } else if (silver) {
    DrawSilverMenuBar(canvas, r);
  } else {
    barAndBackground();
  }

  if (UseSystemFont) {
    GetSystemMenuFont(canvas.Font);
  } else {
    canvas.Font.SetName(FontName);
    canvas.Font.SetSize(FontSize);
    canvas.Font.SetCharset(FontCharset);
  }
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Font.SetColor(!enabled ? 0x808080 : (state & odSelected) ? SelectedFontColor : FontColor);
  if (item.Default()) canvas.Font.SetStyle(canvas.Font.Style() | fsBold);
  TRect text = Rect(r.Left + BarWidth + 4, r.Top + 4, r.Right, r.Bottom);
  canvas.DrawText(item.Caption(), text, DT_SINGLELINE | DT_LEFT);
  const std::string shortCut = ShortCutToText(item.ShortCut());
  if (!shortCut.empty()) canvas.TextOut(r.Right - canvas.TextWidth(shortCut) - 16, r.Top + 4, shortCut);

  const bool hasImage = HasImage(item, userImages);
  if (item.Checked()) {
    if (hasImage) {
      canvas.Brush.Style = TBrushStyle::bsSolid;
      OutlineRectWithColor(canvas, Rect(r.Left + 2, r.Top + 1, r.Left + 21, r.Top + 20), clBlack);
      FillRectWithColor(canvas, Rect(r.Left + 3, r.Top + 2, r.Left + 20, r.Top + 19), SelectedColor);
    } else {
      checkImages.Draw(canvas, r.Left + 4, r.Top + 3, 0, enabled);
    }
  }
  if (hasImage) userImages->Draw(canvas, r.Left + 4, r.Top + 3, item.ImageIndex(), enabled);
}

bool TSkinMenuLook::DrawFrame(TCanvas& canvas, const TRect& r) const {
  if (!FlatMenu) return false;
  // The space between the border and the items shows the item background.
  FillRectWithColor(canvas, r, Color);
  DrawFlatMenuBorder(canvas, r, clBlack, TSkinItemSource(FileTheme, UIStyle).Color(SkinItem::FormBackgroundColor));
  return true;
}
