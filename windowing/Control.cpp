#include "windowing/Control.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "windowing/Guarded.h"
#include "windowing/PopupMenu.h"

namespace {

TShiftState ShiftOf(const QMouseEvent* event) {
  TShiftState shift = 0;
  if (event->modifiers() & Qt::ShiftModifier) shift |= ssShift;
  if (event->modifiers() & Qt::ControlModifier) shift |= ssCtrl;
  if (event->modifiers() & Qt::AltModifier) shift |= ssAlt;
  if (event->buttons() & Qt::LeftButton) shift |= ssLeft;
  if (event->buttons() & Qt::RightButton) shift |= ssRight;
  if (event->buttons() & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

bool ButtonOf(const QMouseEvent* event, TMouseButton& button) {
  switch (event->button()) {
    case Qt::LeftButton:
      button = TMouseButton::mbLeft;
      return true;
    case Qt::RightButton:
      button = TMouseButton::mbRight;
      return true;
    case Qt::MiddleButton:
      button = TMouseButton::mbMiddle;
      return true;
    default:
      return false;
  }
}

struct CursorName {
  const char* name;
  TCursor cursor;
};
constexpr CursorName kCursorNames[] = {{"crDefault", crDefault},   {"crArrow", crArrow},       {"crCross", crCross},
                                       {"crIBeam", crIBeam},       {"crSizeNESW", crSizeNESW}, {"crSizeNS", crSizeNS},
                                       {"crSizeNWSE", crSizeNWSE}, {"crSizeWE", crSizeWE},     {"crHourGlass", crHourGlass},
                                       {"crHandPoint", crHandPoint}};


std::vector<TControl*> Children(const QWidget& widget) {
  std::vector<TControl*> windowless, windowed;
  for (QObject* child : widget.children())
    if (auto* control = dynamic_cast<TControl*>(child)) (control->IsWindowless() ? windowless : windowed).push_back(control);
  windowless.insert(windowless.end(), windowed.begin(), windowed.end());
  return windowless;
}

}  // namespace

TControl::TControl(TComponent* owner) : QWidget(nullptr), TComponent(owner) {
  FConstraints.OnChange = [this] { SetBounds(FLeft, FTop, FWidth, FHeight); };
  FFont.OnChange = [this] { FontWasChanged(); };
  setAttribute(Qt::WA_NoMousePropagation);
  setMouseTracking(true);
}

TControl::~TControl() {
  Destroying();
  // What this control owns goes first, then the children still in it, as
  // the class library frees them; then it leaves its own parent.
  DestroyComponents();
  for (std::vector<TControl*> children = Children(*this); !children.empty(); children = Children(*this))
    delete children.back();
  SetParent(nullptr);
}

const TEnumInfo& TControl::AlignNames() {
  static const TEnumInfo names{{"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
  return names;
}

const TClassInfo& TControl::StaticClassInfo() {
  static const auto info = DefineClass<TControl>("TControl", ComponentClassInfo(), [](TPublisher<TControl>& p) {
    p.Integer("Left", &TControl::Left, &TControl::SetLeft)
        .Integer("Top", &TControl::Top, &TControl::SetTop)
        .Integer("Width", &TControl::Width, &TControl::SetWidth)
        .Integer("Height", &TControl::Height, &TControl::SetHeight)
        .Integer("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth)
        .Integer("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight)
        .Enum("Align", AlignNames(), &TControl::Align, &TControl::SetAlign)
        .Object("Constraints", static_cast<TSizeConstraints& (TControl::*)()>(&TControl::Constraints))
        .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
        .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
        .Color("Color", &TControl::Color, &TControl::SetColor)
        .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
        .Object("Font", static_cast<TFont& (TControl::*)()>(&TControl::Font))
        .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
        .String("Caption", &TControl::Caption, &TControl::SetCaption)
        .String("Hint", &TControl::Hint, &TControl::SetHint)
        .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
        .Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
        .Cursor("Cursor", &TControl::Cursor, &TControl::SetCursor)
        .Integer("Tag", &TControl::Tag, &TControl::SetTag)
        .Component<TPopupMenu>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
        .Event("OnClick", &TControl::OnClick)
        .Event("OnDblClick", &TControl::OnDblClick)
        .Event("OnResize", &TControl::OnResize)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseUp", &TControl::OnMouseUp)
        .Event("OnMouseMove", &TControl::OnMouseMove);
  });
  return *info;
}

void TControl::SetName(const std::string& name) {
  TComponent::SetName(name);
  setObjectName(QString::fromStdString(name));
}

void TControl::SetParent(TControl* parent) {
  if (parent == FParent) return;
  if (parent == this) throw EPropertyError("A control cannot be its own parent");
  for (TControl* p = parent; p; p = p->FParent)
    if (p == this) throw EPropertyError("A control cannot be a child of its own child");
  if (FParent) {
    TControl* old = FParent;
    old->ControlChange(this, false);
    FParent = nullptr;
    QWidget::setParent(nullptr);
    if (FAlign != TAlign::alNone && !old->IsDestroying()) old->Realign();
  }
  if (!parent) return;
  FParent = parent;
  QWidget::setParent(parent);
  ApplyBounds();
  RestackWindowless();
  ApplyParentColor();
  ApplyParentFont();
  ApplyParentShowHint();
  QWidget::setVisible(FVisible);
  parent->ControlChange(this, true);
  RequestParentAlign();
}

int TControl::ControlCount() const { return static_cast<int>(Children(*this).size()); }

TControl* TControl::Controls(int index) const {
  const std::vector<TControl*> children = Children(*this);
  if (index < 0 || index >= static_cast<int>(children.size()))
    throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return children[static_cast<size_t>(index)];
}

void TControl::RestackWindowless() {
  if (!FWindowless || !FParent) return;
  for (TControl* sibling : Children(*FParent))
    if (!sibling->FWindowless) {
      stackUnder(sibling);
      return;
    }
}

void TControl::BringToFront() {
  raise();
  RestackWindowless();
  RequestParentAlign();
}

void TControl::SendToBack() {
  lower();
  if (!FWindowless && FParent) {
    // Windowless siblings stay below every windowed control.
    std::vector<TControl*> windowless;
    for (TControl* sibling : Children(*FParent))
      if (sibling->FWindowless) windowless.push_back(sibling);
    for (auto it = windowless.rbegin(); it != windowless.rend(); ++it) (*it)->lower();
  }
  RequestParentAlign();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  // Held to what a Qt widget can take, so that no edge lies beyond int
  // (sizes come from descriptions and theme files).
  left = std::clamp(left, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  top = std::clamp(top, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  width = std::min(FConstraints.ConstrainWidth(std::max(0, width)), QWIDGETSIZE_MAX);
  height = std::min(FConstraints.ConstrainHeight(std::max(0, height)), QWIDGETSIZE_MAX);
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  const bool resized = width != FWidth || height != FHeight;
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  ApplyBounds();
  if (resized) {
    Realign();
    Resize();
  }
  RequestParentAlign();
}

void TControl::ApplyBounds() {
  // Qt keeps top-level windows at least one pixel wide.
  if (geometry() != QRect(FLeft, FTop, FWidth, FHeight)) setGeometry(FLeft, FTop, FWidth, FHeight);
}

void TControl::RequestParentAlign() {
  if (FAlign != TAlign::alNone && FParent && !FParent->FAligning) FParent->Realign();
}

void TControl::SetAlign(TAlign align) {
  if (FAlign == align) return;
  const bool wasAligned = FAlign != TAlign::alNone;
  FAlign = align;
  if (FAlign != TAlign::alNone)
    RequestParentAlign();
  else if (wasAligned && FParent && !FParent->FAligning)
    FParent->Realign();
}

void TControl::Realign() {
  if (FAligning || FAlignDisabled > 0 || IsLoading() || IsDestroying()) return;
  FAligning = true;
  try {
    AlignControls(*this);
  } catch (...) {
    FAligning = false;
    throw;
  }
  FAligning = false;
}

void TControl::EnableAlign() {
  if (FAlignDisabled > 0 && --FAlignDisabled == 0) Realign();
}

void TControl::SetVisible(bool visible) {
  if (FVisible == visible) return;
  FVisible = visible;
  if (FParent || IsFormWindow()) setVisible(visible);
  VisibleChanged();
  if (FParent && FAlign != TAlign::alNone && !FParent->FAligning) FParent->Realign();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->FParent)
    if (!c->FVisible) return false;
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (FEnabled == enabled) return;
  FEnabled = enabled;
  QWidget::setEnabled(enabled);
  EnabledChanged();
}

void TControl::SetColor(TColor color) {
  FParentColor = false;
  if (FColor == color) return;
  FColor = color;
  ColorChanged();
  for (TControl* child : Children(*this)) child->ApplyParentColor();
}

void TControl::SetParentColor(bool parentColor) {
  if (FParentColor == parentColor) return;
  FParentColor = parentColor;
  ApplyParentColor();
}

void TControl::ApplyParentColor() {
  if (!FParentColor || !FParent || FParent->FColor == FColor) return;
  FColor = FParent->FColor;
  ColorChanged();
  for (TControl* child : Children(*this)) child->ApplyParentColor();
}

void TControl::SetParentFont(bool parentFont) {
  if (FParentFont == parentFont) return;
  FParentFont = parentFont;
  ApplyParentFont();
}

void TControl::ApplyParentFont() {
  if (!FParentFont || !FParent) return;
  FTakingParentFont = true;
  FFont.Assign(FParent->FFont);
  FTakingParentFont = false;
}

void TControl::FontWasChanged() {
  if (!FTakingParentFont) FParentFont = false;
  FontChanged();
  for (TControl* child : Children(*this)) child->ApplyParentFont();
}

void TControl::SetCaption(const std::string& caption) {
  if (FCaption == caption) return;
  FCaption = caption;
  TextChanged();
}

void TControl::SetHint(const std::string& hint) {
  if (FHint == hint) return;
  FHint = hint;
  UpdateToolTip();
}

// The hint shows as the control's tooltip while ShowHint is on.
void TControl::UpdateToolTip() { setToolTip(FShowHint ? QString::fromStdString(FHint) : QString()); }

void TControl::SetShowHint(bool showHint) {
  FParentShowHint = false;
  ApplyShowHint(showHint);
}

void TControl::SetParentShowHint(bool parentShowHint) {
  if (FParentShowHint == parentShowHint) return;
  FParentShowHint = parentShowHint;
  ApplyParentShowHint();
}

void TControl::ApplyParentShowHint() {
  if (FParentShowHint && FParent) ApplyShowHint(FParent->FShowHint);
}

void TControl::ApplyShowHint(bool showHint) {
  if (FShowHint == showHint) return;
  FShowHint = showHint;
  UpdateToolTip();
  for (TControl* child : Children(*this)) child->ApplyParentShowHint();
}

void TControl::SetSeeThrough(bool seeThrough) {
  SetControlStyle(seeThrough ? FControlStyle & ~csOpaque : FControlStyle | csOpaque);
  setAttribute(Qt::WA_OpaquePaintEvent, !seeThrough);
}

void TControl::SetCursor(TCursor cursor) {
  if (FCursor == cursor) return;
  FCursor = cursor;
  if (cursor == crDefault)
    unsetCursor();
  else
    setCursor(QtCursorShape(cursor));
}

void TControl::SetPopupMenu(TPopupMenu* menu) { FPopupMenu.Set(this, menu); }

void TControl::PaintTo(TCanvas& canvas) {
  const TCanvasState saved = canvas.SaveState();
  canvas.IntersectClipRect(ClientRect());
  if (IsOwnerPainted()) {
    canvas.Font.Assign(FFont);
    canvas.Brush = TBrush();
    canvas.Brush.Color = FColor;
    canvas.Pen = TPen();
    Paint(canvas);
  } else if (FWidth > 0 && FHeight > 0) {
    QImage image(FWidth, FHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    canvas.DrawImage(ClientRect(), image, image.rect());
  }
  canvas.RestoreState(saved);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::Loaded() {
  TComponent::Loaded();
  Realign();
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove) FPopupMenu.Release(component);
}

void TControl::paintEvent(QPaintEvent*) {
  if (!IsOwnerPainted() || FWidth <= 0 || FHeight <= 0) return;
  const bool opaque = (FControlStyle & csOpaque) != 0;
  QImage image(FWidth, FHeight, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  image.fill(opaque ? ColorToQColor(FColor) : QColor(Qt::transparent));
  TCanvas canvas(image);
  canvas.Font.Assign(FFont);
  canvas.Brush.Color = FColor;
  Guarded([&] { Paint(canvas); });
  QPainter(this).drawImage(0, 0, image);
}

void TControl::resizeEvent(QResizeEvent*) {
  // Sizes set from outside (a window manager, a layout) count like SetBounds.
  const QRect g = geometry();
  if (g.width() != FWidth || g.height() != FHeight) {
    FWidth = g.width();
    FHeight = g.height();
    Guarded([this] {
      Realign();
      Resize();
      RequestParentAlign();
    });
  }
}

void TControl::moveEvent(QMoveEvent*) {
  const QRect g = geometry();
  FLeft = g.x();
  FTop = g.y();
}

void TControl::mousePressEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ButtonOf(event, button)) return;
  if (button == TMouseButton::mbLeft && (FControlStyle & csClickEvents)) FClicked = true;
  const QPoint p = event->position().toPoint();
  Guarded([&] { MouseDown(button, ShiftOf(event), p.x(), p.y()); });
}

void TControl::mouseReleaseEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ButtonOf(event, button)) return;
  const QPoint p = event->position().toPoint();
  Guarded([&] {
    // Where the button was released, before the click: a click that runs a
    // modal window takes the pointer away, and Qt reports where it is then.
    SetPointerInside(rect().contains(p));
    if (button == TMouseButton::mbLeft && FClicked) {
      FClicked = false;
      if (p.x() >= 0 && p.y() >= 0 && p.x() < FWidth && p.y() < FHeight) Click();
    }
    MouseUp(button, ShiftOf(event), p.x(), p.y());
  });
}

void TControl::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!(FControlStyle & csDoubleClicks)) {
    mousePressEvent(event);
    return;
  }
  TMouseButton button;
  if (!ButtonOf(event, button)) return;
  const QPoint p = event->position().toPoint();
  Guarded([&] {
    if (button == TMouseButton::mbLeft && (FControlStyle & csClickEvents)) DblClick();
    MouseDown(button, ShiftOf(event) | ssDouble, p.x(), p.y());
  });
}

void TControl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  // Qt reports no enter or leave while a button is held; the class library does.
  Guarded([&] {
    if (event->buttons() != Qt::NoButton) SetPointerInside(rect().contains(p));
    MouseMove(ShiftOf(event), p.x(), p.y());
  });
}

void TControl::enterEvent(QEnterEvent*) {
  Guarded([this] { SetPointerInside(true); });
}

void TControl::leaveEvent(QEvent*) {
  Guarded([this] { SetPointerInside(false); });
}

void TControl::SetPointerInside(bool inside) {
  if (FMouseInside == inside) return;
  FMouseInside = inside;
  if (inside)
    MouseEnter();
  else
    MouseLeave();
}

void TControl::contextMenuEvent(QContextMenuEvent* event) {
  TPopupMenu* menu = FPopupMenu.Get();
  if (!menu || !menu->AutoPopup()) {
    QWidget::contextMenuEvent(event);
    return;
  }
  Guarded([&] {
    menu->SetPopupComponent(this);
    menu->Popup(event->globalPos().x(), event->globalPos().y());
  });
}

Qt::CursorShape QtCursorShape(TCursor cursor) {
  switch (cursor) {
    case crCross:
      return Qt::CrossCursor;
    case crIBeam:
      return Qt::IBeamCursor;
    case crSizeNESW:
      return Qt::SizeBDiagCursor;
    case crSizeNS:
      return Qt::SizeVerCursor;
    case crSizeNWSE:
      return Qt::SizeFDiagCursor;
    case crSizeWE:
      return Qt::SizeHorCursor;
    case crHourGlass:
      return Qt::WaitCursor;
    case crHandPoint:
      return Qt::PointingHandCursor;
    default:
      return Qt::ArrowCursor;
  }
}

bool IdentToCursor(const std::string& ident, TCursor& cursor) {
  for (const CursorName& c : kCursorNames)
    if (SameText(ident, c.name)) {
      cursor = c.cursor;
      return true;
    }
  return false;
}

void AlignControls(TControl& parent) {
  TRect r = parent.ClientRect();
  parent.AdjustClientRect(r);
  std::vector<TControl*> children;
  for (int i = 0; i < parent.ControlCount(); ++i) children.push_back(parent.Controls(i));
  auto placed = [&](TAlign align) {
    std::vector<TControl*> group;
    for (TControl* c : children)
      if (c->Align() == align && c->Visible()) group.push_back(c);
    std::stable_sort(group.begin(), group.end(), [align](const TControl* a, const TControl* b) {
      switch (align) {
        case TAlign::alTop:
          return a->Top() < b->Top();
        case TAlign::alBottom:
          return a->Top() + a->Height() > b->Top() + b->Height();
        case TAlign::alLeft:
          return a->Left() < b->Left();
        case TAlign::alRight:
          return a->Left() + a->Width() > b->Left() + b->Width();
        default:
          return false;
      }
    });
    return group;
  };
  for (TControl* c : placed(TAlign::alTop)) {
    c->SetBounds(r.Left, r.Top, std::max(0, r.Width()), c->Height());
    r.Top += c->Height();
  }
  for (TControl* c : placed(TAlign::alBottom)) {
    c->SetBounds(r.Left, r.Bottom - c->Height(), std::max(0, r.Width()), c->Height());
    r.Bottom -= c->Height();
  }
  for (TControl* c : placed(TAlign::alLeft)) {
    c->SetBounds(r.Left, r.Top, c->Width(), std::max(0, r.Height()));
    r.Left += c->Width();
  }
  for (TControl* c : placed(TAlign::alRight)) {
    c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), std::max(0, r.Height()));
    r.Right -= c->Width();
  }
  for (TControl* c : placed(TAlign::alClient)) c->SetBounds(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
}

TControl* GetParentFormWindow(const TControl* control) {
  for (const TControl* c = control; c; c = c->Parent())
    if (c->IsFormWindow()) return const_cast<TControl*>(c);
  return nullptr;
}
