#include "Splitter.h"

#include <algorithm>

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetAlign(TAlign::alLeft);
  SetBounds(0, 0, 3, 100);
}

const TClassInfo& TSplitter::StaticClassInfo() {
  static const auto info =
      DefineClass<TSplitter>("TSplitter", TGraphicControl::StaticClassInfo(), [](TPublisher<TSplitter>& p) {
        p.Integer("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Event("OnMoved", &TSplitter::OnMoved);
      });
  return *info;
}

void TSplitter::SetMinSize(int size) { FMinSize = std::max(size, 1); }

TControl* TSplitter::ResizedControl() const {
  TControl* parent = Parent();
  if (!parent || Align() == TAlign::alNone || Align() == TAlign::alClient) return nullptr;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    const bool touches = (Align() == TAlign::alTop && c->Top() + c->Height() == Top()) ||
                         (Align() == TAlign::alBottom && c->Top() == Top() + Height()) ||
                         (Align() == TAlign::alLeft && c->Left() + c->Width() == Left()) ||
                         (Align() == TAlign::alRight && c->Left() == Left() + Width());
    if (touches) return c;
  }
  return nullptr;
}

void TSplitter::Paint(TCanvas& canvas) {
  canvas.Brush.Color = Color();
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.FillRect(ClientRect());
}

void TSplitter::MouseEnter() { SetCursor(Vertical() ? crSizeNS : crSizeWE); }

int TSplitter::ScreenPosition(int x, int y) const {
  const TPoint p = ClientToScreen(Point(x, y));
  return Vertical() ? p.Y : p.X;
}

int TSplitter::NewSize(int screenPosition) const {
  const int moved = screenPosition - FStartPosition;
  const bool grows = Align() == TAlign::alTop || Align() == TAlign::alLeft;
  // What lies beyond the bar in the parent's client area, less MinSize, may go to the control.
  TRect client = Parent()->ClientRect();
  Parent()->AdjustClientRect(client);
  int beyond = 0;
  switch (Align()) {
    case TAlign::alTop:
      beyond = client.Bottom - (Top() + Height());
      break;
    case TAlign::alBottom:
      beyond = Top() - client.Top;
      break;
    case TAlign::alLeft:
      beyond = client.Right - (Left() + Width());
      break;
    default:
      beyond = Left() - client.Left;
      break;
  }
  const int largest = std::max(FMinSize, FControl ? (Vertical() ? FControl->Height() : FControl->Width()) + beyond - FMinSize : 0);
  return std::clamp(FStartSize + (grows ? moved : -moved), FMinSize, largest);
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  FControl.Set(this, ResizedControl());
  if (!FControl) return;
  FStartPosition = ScreenPosition(x, y);
  FStartSize = Vertical() ? FControl->Height() : FControl->Width();
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!FControl) return;
  const int size = NewSize(ScreenPosition(x, y));
  if (Vertical())
    FControl->SetHeight(size);
  else
    FControl->SetWidth(size);
}

void TSplitter::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove) FControl.Release(component);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !FControl) return;
  FControl.Set(this, nullptr);
  if (OnMoved) OnMoved(this);
}
