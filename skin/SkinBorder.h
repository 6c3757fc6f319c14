// What the skinned native controls (edit, memo, list box, tree view, string
// grid, combo box) share: a style and a theme file (TSkinThemed), and a
// BorderColor ring drawn round the native widget after each paint, with a
// ring in the control's own Color just inside it (or what the control draws
// instead). Setting UIStyle re-reads the control's items, so colours stored
// after it in a form win. Each control's constructor ends by taking its
// owner's style.
#pragma once

#include <QPaintEvent>

#include "skin/SkinMgr.h"
#include "skin/SkinPublic.h"
#include "skin/SkinThemes.h"
#include "windowing/Persistent.h"

template <class Base>
class TSkinBordered : public TSkinThemed<Base> {
 public:
  explicit TSkinBordered(TComponent* owner) : TSkinThemed<Base>(owner) {}

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor color) {
    if (FBorderColor == color) return;
    FBorderColor = color;
    this->Invalidate();
  }

  // FileTheme, UIStyle and BorderColor, in this order.
  template <class C>
  static void PublishStyle(TPublisher<C>& p) {
    p.template Component<TSkinFileTheme>("FileTheme", &C::FileTheme, &C::SetFileTheme)
        .Enum("UIStyle", SkinUIStyleNames(), &C::UIStyle, &C::SetUIStyle)
        .Color("BorderColor", &C::BorderColor, &C::SetBorderColor);
  }

 protected:
  // Reads the control's items of the style; the border takes item 25.
  virtual void ApplyStyle(const TSkinItemSource& items) { SetBorderColor(items.Color(SkinItem::ControlBorderColor)); }
  void ApplyUIStyle() override {
    ApplyStyle(this->StyleItems());
    this->Invalidate();
  }
  // After each paint: the BorderColor ring and the Color ring inside it.
  virtual void PaintBorder() { FrameControlBorder(*this, FBorderColor, this->Color(), true); }

  void paintEvent(QPaintEvent* event) override {
    Base::paintEvent(event);
    PaintBorder();
  }

 private:
  TColor FBorderColor = clBlack;
};
