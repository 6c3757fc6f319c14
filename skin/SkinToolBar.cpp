#include "skin/SkinToolBar.h"

#include "skin/SkinPublic.h"
#include "windowing/ToolButton.h"

TSkinToolBar::TSkinToolBar(TComponent* owner) : TSkinThemed(owner) {
  OnCustomDrawButton = [this](TToolBar* sender, TCanvas& canvas, TToolButton* button, TCustomDrawState state,
                              bool& defaultDraw) { ToolBarCustomDrawButton(sender, canvas, button, state, defaultDraw); };
  OnCustomDraw = [this](TToolBar* sender, TCanvas& canvas, const TRect& r, bool& defaultDraw) {
    ToolBarCustomDraw(sender, canvas, r, defaultDraw);
  };
  SetFlat(true);
  SetTransparent(false);
  SetUIStyle(GetOwnerUIStyle(owner));
}

const TClassInfo& TSkinToolBar::StaticClassInfo() {
  static const auto info =
      DefineClass<TSkinToolBar>("TSkinToolBar", TToolBar::StaticClassInfo(), [](TPublisher<TSkinToolBar>& p) {
        p.Component<TSkinFileTheme>("FileTheme", &TSkinToolBar::FileTheme, &TSkinToolBar::SetFileTheme)
            .Enum("UIStyle", SkinUIStyleNames(), &TSkinToolBar::UIStyle, &TSkinToolBar::SetUIStyle)
            .Color("ButtonColor", &TSkinToolBar::ButtonColor, &TSkinToolBar::SetButtonColor)
            .Color("ButtonBorderColor", &TSkinToolBar::ButtonBorderColor, &TSkinToolBar::SetButtonBorderColor)
            .Color("ButtonDownColor", &TSkinToolBar::ButtonDownColor, &TSkinToolBar::SetButtonDownColor)
            .Color("Color", &TSkinToolBar::Color, &TSkinToolBar::SetColor)
            .Bool("Transparent", &TSkinToolBar::Transparent, &TSkinToolBar::SetTransparent);
      });
  return *info;
}

void TSkinToolBar::ApplyUIStyle() {
  const TSkinItemSource items = StyleItems();
  const TSkinUIStyle style = UIStyle();
  FButtonBorderColor = items.Color(SkinItem::ToolBarButtonBorderColor);
  FButtonColor = items.Color(SkinItem::ToolBarButtonBackgroundColor);
  FButtonDownColor = items.Color(SkinItem::ToolBarButtonDownBackgroundColor);
  SetTransparent(style == TSkinUIStyle::Silver || style == TSkinUIStyle::Crystal);
  SetEdgeInner(TEdgeStyle::esNone);
  SetEdgeOuter(TEdgeStyle::esNone);
  Changed();
}

void TSkinToolBar::SetButtonColor(TColor color) {
  FButtonColor = color;
  Changed();
}

void TSkinToolBar::SetButtonBorderColor(TColor color) {
  FButtonBorderColor = color;
  Changed();
}

void TSkinToolBar::SetButtonDownColor(TColor color) {
  FButtonDownColor = color;
  Changed();
}

void TSkinToolBar::ToolBarCustomDraw(TToolBar*, TCanvas& canvas, const TRect&, bool&) {
  if (Transparent()) PaintParentBackground(canvas, *this);
}

void TSkinToolBar::ToolBarCustomDrawButton(TToolBar*, TCanvas& canvas, TToolButton* button, TCustomDrawState state,
                                           bool& defaultDraw) {
  const TRect r = button->BoundsRect();
  const bool dropDown = button->Style() == TToolButtonStyle::tbsDropDown;
  const TCustomImageList* images = HotImages() ? HotImages() : Images();
  if (state & cdsHot) {
    if (state & cdsSelected)
      DrawPressedButton(canvas, r, dropDown, button->Caption(), button->ImageIndex(), images);
    else
      DrawHighlightButton(canvas, r, dropDown, button->Caption(), button->ImageIndex(), images);
    if (dropDown) {
      canvas.Brush.Style = TBrushStyle::bsSolid;
      canvas.Brush.Color = clBlack;
      canvas.Pen.Color = clBlack;
      const int m = r.Top + (r.Bottom - r.Top) / 2;
      canvas.Polygon({Point(r.Right - 9, m), Point(r.Right - 5, m), Point(r.Right - 7, m + 2)});
      canvas.Polygon({Point(r.Right - 8, m), Point(r.Right - 6, m), Point(r.Right - 7, m + 1)});
      canvas.MoveTo(r.Right - 14, r.Top);
      canvas.LineTo(r.Right - 14, r.Bottom);
    }
    defaultDraw = false;
  } else if (state & (cdsSelected | cdsChecked)) {
    DrawHighlightButton(canvas, r, dropDown, button->Caption(), button->ImageIndex(), images);
    defaultDraw = false;
  }
}

void TSkinToolBar::DrawHighlightButton(TCanvas& canvas, const TRect& r, bool dropDown, const std::string& caption,
                                       int imageIndex, const TCustomImageList* images) {
  DrawButton(canvas, r, dropDown, caption, imageIndex, images, false);
}

void TSkinToolBar::DrawPressedButton(TCanvas& canvas, const TRect& r, bool dropDown, const std::string& caption,
                                     int imageIndex, const TCustomImageList* images) {
  DrawButton(canvas, r, dropDown, caption, imageIndex, images, true);
}

// Highlight and pressed differ in the fill and in a one-pixel shift of the
// image and the caption.
void TSkinToolBar::DrawButton(TCanvas& canvas, const TRect& r, bool dropDown, const std::string& caption,
                              int imageIndex, const TCustomImageList* images, bool pressed) {
  const int shift = pressed ? 1 : 0;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = pressed ? FButtonDownColor : FButtonColor;
  canvas.Pen.Color = FButtonBorderColor;
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Rectangle(r);
  int captionTop = r.Top + 4 + shift;
  if (images) {
    const int h = (r.Width() - images->Width()) / 2;
    images->Draw(canvas, r.Left + h - 1 + shift, r.Top + 2 + shift, imageIndex, true);
    captionTop = r.Top + images->Height() + 4;
  }
  if (!ShowCaptions()) return;
  const int w = r.Width() - (dropDown ? 14 : 0);
  canvas.TextOut(r.Left + (w - canvas.TextWidth(caption)) / 2, captionTop, caption);
}
