#include "windowing/Label.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetParentColor(true);
  SetBounds(0, 0, 65, 17);
  AdjustBounds();
}

const TClassInfo& TLabel::StaticClassInfo() {
  static const auto info = DefineClass<TLabel>("TLabel", TGraphicControl::StaticClassInfo(), [](TPublisher<TLabel>& p) {
    p.Enum("Alignment", TCustomPanel::AlignmentNames(), &TLabel::Alignment, &TLabel::SetAlignment)
        .Bool("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
        .Bool("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar)
        .Bool("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
        .Bool("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap);
  });
  return *info;
}

void TLabel::SetAlignment(TAlignment alignment) {
  if (FAlignment == alignment) return;
  FAlignment = alignment;
  Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
  if (FAutoSize == autoSize) return;
  FAutoSize = autoSize;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool wordWrap) {
  if (FWordWrap == wordWrap) return;
  FWordWrap = wordWrap;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool transparent) {
  if (FTransparent == transparent) return;
  FTransparent = transparent;
  Invalidate();
}

void TLabel::SetShowAccelChar(bool show) {
  if (FShowAccelChar == show) return;
  FShowAccelChar = show;
  AdjustBounds();
  Invalidate();
}

unsigned TLabel::TextFlags() const {
  static constexpr unsigned kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  unsigned flags = kAlign[static_cast<int>(FAlignment)];
  flags |= FWordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  return flags;
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || IsLoading()) return;
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas canvas(scratch);
  canvas.Font.Assign(Font());
  // An empty text still takes one line.
  const std::string text = Caption().empty() ? " " : Caption();
  TRect r = Rect(0, 0, FWordWrap ? Width() : 0, 0);
  canvas.DrawText(text, r, TextFlags() | DT_CALCRECT);
  SetBounds(Left(), Top(), FWordWrap ? Width() : r.Width(), r.Height());
}

void TLabel::Paint(TCanvas& canvas) {
  if (!FTransparent) {
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
  }
  canvas.Brush.Style = TBrushStyle::bsClear;
  TRect r = ClientRect();
  if (!Enabled()) {
    // Greyed as the platform draws disabled text: a light copy below right.
    TRect shadow = r.Offset(1, 1);
    canvas.Font.SetColor(clBtnHighlight);
    canvas.DrawText(Caption(), shadow, TextFlags());
    canvas.Font.SetColor(clBtnShadow);
  }
  canvas.DrawText(Caption(), r, TextFlags());
}

void TLabel::TextChanged() {
  AdjustBounds();
  TGraphicControl::TextChanged();
}

void TLabel::FontChanged() {
  AdjustBounds();
  TGraphicControl::FontChanged();
}

void TLabel::Resize() {
  // A wrapped label wraps again at a new width and takes the new height;
  // that change tells of itself, so it is told once.
  const int height = Height();
  if (FWordWrap) AdjustBounds();
  if (Height() == height) TGraphicControl::Resize();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}
