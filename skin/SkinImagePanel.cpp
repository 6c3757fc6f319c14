#include "skin/SkinImagePanel.h"

#include "runtime/SysUtils.h"
#include "skin/SkinPublic.h"
#include "windowing/PopupMenu.h"

TSkinCustomPanel::TSkinCustomPanel(TComponent* owner) : TCustomPanel(owner) {
  SetBevelInner(TBevelCut::bvNone);
  SetBevelOuter(TBevelCut::bvNone);
  FPicture.OnChange = [this] { PictureChanged(); };
}

const TEnumInfo& TSkinCustomPanel::DrawStyleNames() {
  static const TEnumInfo names{{"skinNormal", "skinStretch", "skinTile"}};
  return names;
}

const TClassInfo& TSkinCustomPanel::StaticClassInfo() {
  static const auto info =
      DefineClass<TSkinCustomPanel>("TSkinCustomPanel", TCustomPanel::StaticClassInfo(), nullptr);
  return *info;
}

const TClassInfo& TSkinImagePanel::StaticClassInfo() {
  using P = TSkinImagePanel;
  static const auto info = DefineClass<P>("TSkinImagePanel", TSkinCustomPanel::StaticClassInfo(), [](TPublisher<P>& p) {
    p.Integer("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth)
        .Binary(
            "Picture", [](const P& panel) { return SavePictureData(panel.Picture()); },
            [](P& panel, const std::string& data) { LoadPictureData(panel.Picture(), data); })
        .Bool("Transparent", &TSkinCustomPanel::Transparent, &TSkinCustomPanel::SetTransparent)
        .Bool("AutoSize", &TSkinCustomPanel::AutoSize, &TSkinCustomPanel::SetAutoSize)
        .Enum("Alignment", TCustomPanel::AlignmentNames(), &TCustomPanel::Alignment, &TCustomPanel::SetAlignment)
        .Enum("Align", TControl::AlignNames(), &TControl::Align, &TControl::SetAlign)
        .Object("Font", static_cast<TFont& (TControl::*)()>(&TControl::Font))
        .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
        .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
        .String("Caption", &TControl::Caption, &TControl::SetCaption)
        .Color("Color", &TControl::Color, &TControl::SetColor)
        .Enum("DrawStyle", DrawStyleNames(), &TSkinCustomPanel::DrawStyle, &TSkinCustomPanel::SetDrawStyle)
        .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
        .Component<TPopupMenu>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    PublishPanelEvents(p);
  });
  return *info;
}

void TSkinCustomPanel::SetTransparent(bool transparent) {
  if (FTransparent == transparent) return;
  FTransparent = transparent;
  // Its see-through parts show the parent as it is now.
  SetSeeThrough(transparent);
  SyncPictureTransparent();
  Invalidate();
}

void TSkinCustomPanel::SetAutoSize(bool autoSize) {
  if (FAutoSize == autoSize) return;
  FAutoSize = autoSize;
  AutoSizeToPicture();
}

void TSkinCustomPanel::SetDrawStyle(TSkinDrawStyle style) {
  if (FDrawStyle == style) return;
  FDrawStyle = style;
  Invalidate();
}

void TSkinCustomPanel::PictureChanged() {
  AutoSizeToPicture();
  SyncPictureTransparent();
  Invalidate();
}

void TSkinCustomPanel::AutoSizeToPicture() {
  if (!FAutoSize || FPicture.Empty()) return;
  const TAlign align = Align();
  const bool fixedWidth = align == TAlign::alTop || align == TAlign::alBottom || align == TAlign::alClient;
  const bool fixedHeight = align == TAlign::alLeft || align == TAlign::alRight || align == TAlign::alClient;
  SetBounds(Left(), Top(), fixedWidth ? Width() : FPicture.Width(), fixedHeight ? Height() : FPicture.Height());
}

void TSkinCustomPanel::SyncPictureTransparent() {
  if (TBitmap* graphic = FPicture.Graphic(); graphic && !graphic->Empty()) graphic->SetTransparent(FTransparent);
}

void TSkinCustomPanel::Paint(TCanvas& canvas) {
  const TRect client = ClientRect();
  if (FTransparent) PaintParentBackground(canvas, *this);
  if (const TBitmap* graphic = FPicture.Graphic(); graphic && !graphic->Empty()) {
    switch (FDrawStyle) {
      case TSkinDrawStyle::skinStretch:
        canvas.StretchDraw(client, *graphic);
        break;
      case TSkinDrawStyle::skinTile:
        TilePicture(canvas, FPicture, client);
        break;
      case TSkinDrawStyle::skinNormal:
        canvas.Draw(0, 0, *graphic);
        break;
    }
  } else if (!FTransparent) {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(client);
  }
  canvas.Brush.Style = TBrushStyle::bsClear;
  if (Trim(Caption()).empty()) return;
  canvas.Font.Assign(Font());
  static constexpr unsigned kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  TRect r = client;
  canvas.DrawText(Caption(), r, DT_SINGLELINE | DT_VCENTER | kAlign[static_cast<int>(Alignment())]);
}
