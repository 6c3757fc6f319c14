#include "windowing/Splitter.h"

#include <algorithm>

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetAlign(TAlign::alLeft);
  SetBounds(0, 0, 3, 100);
  SetCursor(crSizeWE);
}

const TClassInfo& TSplitter::StaticClassInfo() {
  static const auto info =
      DefineClass<TSplitter>("TSplitter", TGraphicControl::StaticClassInfo(), [](TPublisher<TSplitter>& p) {
        p.Integer("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Event("OnMoved", &TSplitter::OnMoved);
      });
  return *info;
}

void TSplitter::Paint(TCanvas& canvas) {
  canvas.Brush.Color = Color();
  canvas.FillRect(ClientRect());
}

TControl* TSplitter::SizedControl() const {
  if (!Parent()) return nullptr;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* c = Parent()->Controls(i);
    if (c == this || c->Align() != Align() || !c->Visible()) continue;
    const bool touches = (Align() == TAlign::alLeft && c->Left() + c->Width() == Left()) ||
                         (Align() == TAlign::alRight && c->Left() == Left() + Width()) ||
                         (Align() == TAlign::alTop && c->Top() + c->Height() == Top()) ||
                         (Align() == TAlign::alBottom && c->Top() == Top() + Height());
    if (touches) return c;
  }
  return nullptr;
}

int TSplitter::MaxSize(const TControl& control) const {
  int room = (Horizontal() ? Parent()->ClientWidth() : Parent()->ClientHeight()) - FMinSize;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    if (const TControl* c = Parent()->Controls(i); c->Align() == TAlign::alClient && c->Visible())
      room = Extent(control) + Extent(*c) - FMinSize;
  return std::max(FMinSize, room);
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  FSized.Set(this, SizedControl());
  if (!FSized) return;
  FDownPos = ParentPos(x, y);
  FStartSize = Extent(*FSized.Get());
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!FSized) return;
  const int delta = ParentPos(x, y) - FDownPos;
  const bool grows = Align() == TAlign::alLeft || Align() == TAlign::alTop;
  TControl& sized = *FSized.Get();
  const int size = std::clamp(FStartSize + (grows ? delta : -delta), FMinSize, MaxSize(sized));
  if (size == Extent(sized)) return;
  // Sizing from the far side keeps the control's outer edge where it is.
  if (Horizontal())
    sized.SetBounds(grows ? sized.Left() : sized.Left() + sized.Width() - size, sized.Top(), size, sized.Height());
  else
    sized.SetBounds(sized.Left(), grows ? sized.Top() : sized.Top() + sized.Height() - size, sized.Width(), size);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!FSized) return;
  FSized.Set(this, nullptr);
  if (OnMoved) OnMoved(this);
}

void TSplitter::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove) FSized.Release(component);
}
