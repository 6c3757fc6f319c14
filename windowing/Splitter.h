// A splitter: a bar aligned beside another aligned control that the user
// drags to give that control more or less room. The control it sizes is the
// sibling with the same alignment that touches it on the side it is aligned
// to; the control never gets less than MinSize pixels, nor takes the last
// MinSize pixels from a client-aligned sibling.
#pragma once

#include "windowing/ComponentRef.h"
#include "windowing/GraphicControl.h"

class TSplitter : public TGraphicControl {
 public:
  explicit TSplitter(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int MinSize() const { return FMinSize; }
  void SetMinSize(int size) { FMinSize = size < 1 ? 1 : size; }

  // Runs when a drag has sized the control.
  TNotifyEvent OnMoved;

 protected:
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool Horizontal() const { return Align() == TAlign::alLeft || Align() == TAlign::alRight; }
  // The pointer along the splitter's axis, in the parent's coordinates.
  int ParentPos(int x, int y) const { return Horizontal() ? Left() + x : Top() + y; }
  TControl* SizedControl() const;
  int Extent(const TControl& control) const { return Horizontal() ? control.Width() : control.Height(); }
  // The most the sized control may take: what it has and all the client
  // sibling can give.
  int MaxSize(const TControl& control) const;

  int FMinSize = 30;
  TComponentRef<TControl> FSized;  // while dragging
  int FDownPos = 0;
  int FStartSize = 0;
};
