// Controls: components that are widgets. A control belongs to its owner
// (which frees it) and sits in its parent (which shows it and, as the class
// library does, frees the children still in it). Child order is stacking
// order, windowless controls always below windowed ones. Children with an
// Align are placed by the class library's alignment rules, not by Qt
// layouts. Every setting is a property whose setter returns early when
// nothing changes.
#pragma once

#include <QWidget>
#include <string>

#include "runtime/Component.h"
#include "windowing/Canvas.h"
#include "windowing/ComponentRef.h"
#include "windowing/Events.h"
#include "windowing/Font.h"
#include "windowing/Geometry.h"
#include "windowing/Persistent.h"
#include "windowing/SizeConstraints.h"

class TPopupMenu;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Mouse pointer shapes, with the class library's numbers.
using TCursor = int;
constexpr TCursor crDefault = 0, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6, crSizeNS = -7,
                  crSizeNWSE = -8, crSizeWE = -9, crHourGlass = -11, crHandPoint = -21;
// A cursor by its name ("crHandPoint"), without regard to case.
bool IdentToCursor(const std::string& ident, TCursor& cursor);
// The shape Qt shows for a cursor.
Qt::CursorShape QtCursorShape(TCursor cursor);

enum TControlStyleFlag : unsigned {
  csAcceptsControls = 1u << 0,
  csCaptureMouse = 1u << 1,
  csClickEvents = 1u << 2,
  csDoubleClicks = 1u << 3,
  csOpaque = 1u << 4,
};
using TControlStyle = unsigned;

class TControl : public QWidget, public TComponent, public TPersistent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TEnumInfo& AlignNames();

  void SetName(const std::string& name) override;

  // The tree of controls.
  TControl* Parent() const { return FParent; }
  void SetParent(TControl* parent);
  int ControlCount() const;
  // In child order: windowless controls first, then windowed ones, each
  // from the bottom of the stack to the top.
  TControl* Controls(int index) const;
  void BringToFront();
  void SendToBack();
  bool IsWindowless() const { return FWindowless; }

  // Bounds in the parent's client coordinates.
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  int ClientWidth() const { return FWidth; }
  int ClientHeight() const { return FHeight; }
  void SetClientWidth(int v) { SetWidth(v); }
  void SetClientHeight(int v) { SetHeight(v); }
  TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
  TSizeConstraints& Constraints() { return FConstraints; }

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign align);
  // The area the aligned children share (the client rectangle less borders).
  virtual void AdjustClientRect(TRect& rect) const { (void)rect; }
  // Places the aligned children again; nothing while loading or disabled.
  void Realign();
  void DisableAlign() { ++FAlignDisabled; }
  void EnableAlign();

  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent.
  bool Showing() const;
  // The control's own setting; a disabled parent disables without changing it.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool parentColor);
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& font) { FFont.Assign(font); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool parentFont);

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  const std::string& Text() const { return FCaption; }
  void SetText(const std::string& text) { SetCaption(text); }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& hint);
  // Setting ShowHint turns ParentShowHint off; while ParentShowHint is on
  // (the default) ShowHint follows the parent's.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool showHint);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool parentShowHint);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor cursor);
  int Tag() const { return FTag; }
  void SetTag(int tag) { FTag = tag; }
  TPopupMenu* PopupMenu() const { return FPopupMenu.Get(); }
  void SetPopupMenu(TPopupMenu* menu);
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle style) { FControlStyle = style; }

  // Painting. Owner-painted controls draw everything in Paint, into one
  // off-screen image per paint; others leave it to Qt.
  void Invalidate() { update(); }
  void Repaint() { repaint(); }
  virtual bool IsOwnerPainted() const { return false; }
  // A top-level window of its own (a form), shown without a parent.
  virtual bool IsFormWindow() const { return false; }
  // Draws the control (without its children) on the canvas at the canvas's
  // origin, as a background under a transparent child.
  void PaintTo(TCanvas& canvas);
  // The point in this control's client coordinates of a screen point.
  TPoint ScreenToClient(const TPoint& screen) const { return FromQPoint(mapFromGlobal(ToQPoint(screen))); }
  TPoint ClientToScreen(const TPoint& client) const { return FromQPoint(mapToGlobal(ToQPoint(client))); }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  // Runs the click, as a release inside a pressed control does.
  virtual void Click();

 protected:
  // A control drawn by its parent in the class library: always stacked
  // below the windowed siblings.
  void SetWindowless(bool windowless) { FWindowless = windowless; }
  // Forms start hidden; controls start visible.
  void SetInitiallyHidden() { FVisible = false; }
  // A see-through control shows what lies under it: Qt paints the parent
  // there first and paints the control again whenever the parent repaints
  // under it (an opaque one keeps what it drew).
  void SetSeeThrough(bool seeThrough);

  virtual void Paint(TCanvas& canvas) { (void)canvas; }
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // The pointer entered or left, also while a mouse button is held.
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void Resize();
  virtual void ColorChanged() { Invalidate(); }
  virtual void FontChanged() { Invalidate(); }
  virtual void TextChanged() { Invalidate(); }
  virtual void EnabledChanged() { Invalidate(); }
  virtual void VisibleChanged() {}
  // A child joined (after it is in the list) or is leaving (still in it).
  virtual void ControlChange(TControl* child, bool inserting) { (void)child, (void)inserting; }
  bool MouseInControl() const { return FMouseInside; }

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void ApplyParentColor();
  void ApplyParentFont();
  void FontWasChanged();
  void ApplyParentShowHint();
  void ApplyShowHint(bool showHint);
  void UpdateToolTip();
  void RestackWindowless();
  void RequestParentAlign();
  void SetPointerInside(bool inside);
  void ApplyBounds();

  TControl* FParent = nullptr;
  bool FWindowless = false;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TSizeConstraints FConstraints;
  TAlign FAlign = TAlign::alNone;
  int FAlignDisabled = 0;
  bool FAligning = false;
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clBtnFace;
  bool FParentColor = false;
  TFont FFont;
  bool FParentFont = true;
  bool FTakingParentFont = false;
  std::string FCaption;
  std::string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TCursor FCursor = crDefault;
  int FTag = 0;
  TComponentRef<TPopupMenu> FPopupMenu;
  TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks;
  bool FClicked = false;
  bool FMouseInside = false;
};

// Places the aligned children of parent: top, bottom, left, right, then
// client, each group in the order of its controls' positions.
void AlignControls(TControl& parent);

// The form window a control sits on: the control itself or its nearest
// parent that is a top-level window of its own; null when there is none.
TControl* GetParentFormWindow(const TControl* control);
