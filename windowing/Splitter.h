// A splitter: a thin bar aligned to a side of its parent, just after the
// control it sizes (the sibling aligned to the same side whose edge it
// touches). Dragging the bar moves that edge, keeping at least MinSize
// pixels for the control and for the room beyond the bar.
#pragma once

#include "ComponentRef.h"
#include "GraphicControl.h"

class TSplitter : public TGraphicControl {
 public:
  explicit TSplitter(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int MinSize() const { return FMinSize; }
  void SetMinSize(int size);

  // The control the bar sizes; null when no sibling touches it.
  TControl* ResizedControl() const;

  // After a drag has moved the bar.
  TNotifyEvent OnMoved;

 protected:
  void Paint(TCanvas& canvas) override;
  void MouseEnter() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool Vertical() const { return Align() == TAlign::alTop || Align() == TAlign::alBottom; }
  // The pointer's place along the direction the bar moves, on the screen.
  int ScreenPosition(int x, int y) const;
  int NewSize(int screenPosition) const;

  int FMinSize = 30;
  TComponentRef<TControl> FControl;  // while dragging
  int FStartPosition = 0;
  int FStartSize = 0;
};
