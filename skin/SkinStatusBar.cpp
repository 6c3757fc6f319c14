#include "skin/SkinStatusBar.h"

#include "skin/SkinForm.h"
#include "skin/SkinPublic.h"
#include "windowing/Bitmap.h"
#include "windowing/BitmapResources.h"
#include "windowing/Form.h"

namespace {

// The window's corner stays this far beyond the pointer while sizing.
constexpr int kGripOvershoot = 5;

}  // namespace

TSkinStatusBar::TSkinStatusBar(TComponent* owner) : TSkinThemed(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  try {
    FGrip.LoadFromResourceName("STATUSBAR_HANDLE");
    FGrip.SetTransparent(true);
  } catch (const EResNotFound&) {
    // No bitmap, no grip.
  }
  SetUIStyle(GetOwnerUIStyle(owner));
}

const TClassInfo& TSkinStatusBar::StaticClassInfo() {
  static const auto info =
      DefineClass<TSkinStatusBar>("TSkinStatusBar", TCustomStatusBar::StaticClassInfo(), [](TPublisher<TSkinStatusBar>& p) {
        p.Component<TSkinFileTheme>("FileTheme", &TSkinStatusBar::FileTheme, &TSkinStatusBar::SetFileTheme)
            .Enum("UIStyle", SkinUIStyleNames(), &TSkinStatusBar::UIStyle, &TSkinStatusBar::SetUIStyle)
            .Color("PanelColor", &TSkinStatusBar::PanelColor, &TSkinStatusBar::SetPanelColor);
      });
  return *info;
}

void TSkinStatusBar::ApplyUIStyle() {
  SetPanelColor(StyleItems().Color(SkinItem::FormBackgroundColor));
  Invalidate();
}

bool TSkinStatusBar::ShowsGrip() const {
  const auto* skinForm = dynamic_cast<const TSkinForm*>(Parent());
  if (!skinForm) return false;
  const TFormBorderStyle saved = skinForm->GetSavedBorderStyle();
  if (saved != TFormBorderStyle::bsSizeable && saved != TFormBorderStyle::bsSizeToolWin) return false;
  const TForm* form = GetParentForm(this);
  return form && form->WindowState() != TWindowState::wsMaximized;
}

int TSkinStatusBar::SizeGripWidth() const { return !FGrip.Empty() && ShowsGrip() ? FGrip.Width() + 2 : 0; }

bool TSkinStatusBar::OverGrip(int x, int y) const { return !FGripRect.IsEmpty() && PointInRectXY(x, y, FGripRect); }

void TSkinStatusBar::Paint(TCanvas& canvas) {
  TCustomStatusBar::Paint(canvas);
  // No grip, no place to grab it by.
  FGripRect = TRect{};
  if (FGrip.Empty() || !ShowsGrip()) return;
  const int w = FGrip.Width(), h = FGrip.Height();
  FGripRect = Rect(Width() - w / 2 - 2, Height() - h / 2 - 2, Width(), Height());
  canvas.Draw(Width() - w - 1, Height() - h - 1, FGrip);
}

void TSkinStatusBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomStatusBar::MouseDown(button, shift, x, y);
  FButtonDown = true;
  // Only a press on the grip itself sizes the window.
  FSizing = OverGrip(x, y) && ShowsGrip();
}

void TSkinStatusBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomStatusBar::MouseMove(shift, x, y);
  if (FButtonDown && FSizing) {
    TForm* form = GetParentForm(this);
    if (!form) return;
    const TPoint p = ClientToScreen(Point(x, y));
    form->SetBounds(form->Left(), form->Top(), p.X - form->Left() + kGripOvershoot, p.Y - form->Top() + kGripOvershoot);
    return;
  }
  SetCursor(OverGrip(x, y) ? crSizeNWSE : crDefault);
}

void TSkinStatusBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomStatusBar::MouseUp(button, shift, x, y);
  FButtonDown = false;
  FSizing = false;
}
