#include "skin/SkinPublic.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "skin/SkinMgr.h"
#include "windowing/Application.h"
#include "windowing/Bitmap.h"
#include "windowing/Canvas.h"
#include "windowing/Control.h"
#include "windowing/Form.h"
#include "windowing/Picture.h"

namespace {

TWorkAreaProvider& WorkAreaProvider() {
  static TWorkAreaProvider provider;
  return provider;
}

// Draws the source part src of image stretched over dest; nothing when
// either is empty.
void Piece(TCanvas& canvas, const QImage& image, const TRect& src, const TRect& dest) {
  if (src.IsEmpty() || dest.IsEmpty()) return;
  canvas.DrawImage(dest, image, ToQRect(src));
}

// Narrows [low, high) to at most size, kept on the outer side: the high one
// with atHigh.
void KeepOuter(int& low, int& high, int size, bool atHigh) {
  if (size >= high - low) return;
  if (atHigh)
    low = high - size;
  else
    high = low + size;
}
// The part of src at most width wide (height high), kept on the outer side:
// the right (bottom) one with atRight (atBottom).
TRect KeepColumns(TRect src, int width, bool atRight) {
  KeepOuter(src.Left, src.Right, width, atRight);
  return src;
}
TRect KeepRows(TRect src, int height, bool atBottom) {
  KeepOuter(src.Top, src.Bottom, height, atBottom);
  return src;
}

}  // namespace

void PaintParentBackground(TCanvas& canvas, const TControl& control) {
  TControl* parent = control.Parent();
  if (!parent) return;
  const TCanvasState saved = canvas.SaveState();
  canvas.MoveOrigin(-control.Left(), -control.Top());
  canvas.IntersectClipRect(Rect(0, 0, parent->ClientWidth(), parent->ClientHeight()));
  parent->PaintTo(canvas);
  canvas.RestoreState(saved);
}

void TilePicture(TCanvas& canvas, const TPicture& picture, const TRect& r) {
  const TBitmap* graphic = picture.Graphic();
  if (!graphic || graphic->Empty()) return;
  const int w = graphic->Width(), h = graphic->Height();
  for (int x = 0; x < r.Width() + w; x += w)
    for (int y = 0; y < r.Height() + h; y += h) canvas.Draw(x, y, *graphic);
}

bool PointInRectXY(int x, int y, const TRect& r) {
  return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom;
}

bool GetWorkArea(TRect& area) {
  if (WorkAreaProvider()) return WorkAreaProvider()(area);
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return false;
  area = FromQRect(screen->availableGeometry());
  return true;
}

TWorkAreaProvider SetWorkAreaProvider(TWorkAreaProvider provider) {
  TWorkAreaProvider previous = std::move(WorkAreaProvider());
  WorkAreaProvider() = std::move(provider);
  return previous;
}

void MoveControlTo(TControl& control, const TPoint& p) {
  control.SetLeft(p.X);
  control.SetTop(p.Y);
}

void SetControlRect(TControl& control, const TRect& r) {
  control.SetLeft(r.Left);
  control.SetTop(r.Top);
  control.SetWidth(r.Width());
  control.SetHeight(r.Height());
}

void DrawNinePartBitmap(const TBitmap& bitmap, TCanvas& canvas, const TRect& r, bool transparentCorners) {
  if (bitmap.Empty()) return;
  const QImage& plain = bitmap.Image();
  const QImage keyed = KeyedImage(plain, clSkinKey);
  const QImage& cornerImage = transparentCorners ? keyed : plain;
  const int w = bitmap.Width(), h = bitmap.Height();
  const int hw = w / 2, hh = h / 2;
  const int W = r.Width(), H = r.Height();
  const int HW = W / 2, HH = H / 2;

  // A corner is drawn at the smaller of its source and destination extent,
  // cropped on the bitmap's outer side. One that is not drawn leaves an
  // empty placed rectangle at its corner, so the pieces after it stay sound.
  auto corner = [&](TRect src, int destWidth, int destHeight, bool atRight, bool atBottom) {
    int tw = std::max(0, std::min(src.Width(), destWidth));
    int th = std::max(0, std::min(src.Height(), destHeight));
    if (tw == 0 || th == 0) tw = th = 0;
    const int left = atRight ? r.Right - tw : 0;
    const int top = atBottom ? r.Bottom - th : 0;
    const TRect placed = Bounds(left, top, tw, th);
    if (tw > 0) {
      src = KeepColumns(src, tw, atRight);
      src = KeepRows(src, th, atBottom);
      Piece(canvas, cornerImage, src, placed);
    }
    return placed;
  };

  const TRect p1 = corner(Rect(0, 0, hw, hh), HW, HH, false, false);
  const TRect p2 = corner(Rect(0, h - hh + 1, hw, h), HW, HH - 1, false, true);
  const TRect left = Rect(0, p1.Bottom, p1.Right, p2.Top);
  Piece(canvas, keyed, KeepColumns(Rect(0, hh, hw, h - hh), left.Width(), false), left);
  const TRect p3 = corner(Rect(w - hw + 1, 0, w, hh), HW - 1, HH, true, false);
  const TRect p4 = corner(Rect(w - hw + 1, h - hh + 1, w, h), HW - 1, HH - 1, true, true);
  const TRect right = Rect(p3.Left, p3.Bottom, p3.Right, p4.Top);
  Piece(canvas, keyed, KeepColumns(Rect(w - hw + 1, h - hh, w, hh + 2), right.Width(), true), right);
  const TRect top = Rect(p1.Right, 0, p3.Left, p1.Bottom);
  Piece(canvas, keyed, KeepRows(Rect(hw, 0, w - hw + 1, hh), top.Height(), false), top);
  Piece(canvas, keyed, Rect(hw, hh, w - hw + 1, h - hh), Rect(p1.Right, p1.Bottom, p3.Left, p4.Top - 1));
  const TRect bottom = Rect(p1.Right - 1, p2.Top - 1, p4.Left, p4.Bottom);
  Piece(canvas, keyed, KeepRows(Rect(hw, h - hh, w - hw + 1, h), bottom.Height(), true), bottom);
}

void DrawThreePartBitmap(const TBitmap& graphic, TCanvas& canvas, const TRect& r, bool cornerPixelKey) {
  if (graphic.Empty()) return;
  const QImage& image = graphic.Image();
  const TColor key = cornerPixelKey ? QRgbToColor(image.pixel(0, 0)) : clSkinKey;
  const QImage keyed = KeyedImage(image, key);
  const int w3 = graphic.Width() / 3, h = graphic.Height();
  Piece(canvas, keyed, Rect(0, 0, w3, h), Bounds(r.Left, r.Top, w3, h));
  Piece(canvas, keyed, Rect(2 * w3, 0, 3 * w3, h), Bounds(r.Right - w3, r.Top, w3, h));
  Piece(canvas, image, Rect(w3, 0, 2 * w3, h), Rect(r.Left + w3, r.Top, r.Right - w3, r.Bottom));
}

namespace {

void Rotate(TBitmap& bitmap, bool clockwise) {
  const QImage& source = bitmap.Image();
  if (source.isNull()) return;
  const int w = source.width(), h = source.height();
  QImage turned(h, w, source.format());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (clockwise)
        turned.setPixel(h - 1 - y, x, source.pixel(x, y));
      else
        turned.setPixel(y, w - 1 - x, source.pixel(x, y));
    }
  bitmap.SetImage(turned);
}

}  // namespace

void RotateBitmapAnticlockwise(TBitmap& bitmap) { Rotate(bitmap, false); }

void RotateBitmapClockwise(TBitmap& bitmap) { Rotate(bitmap, true); }

void FrameControlBorder(QWidget& window, TColor color, TColor innerColor, bool drawInner) {
  const QRect all = window.rect();
  if (all.isEmpty()) return;
  QPainter painter(&window);
  painter.setPen(Qt::NoPen);
  auto ring = [&](const QRect& r, TColor c) {
    if (r.width() <= 0 || r.height() <= 0) return;
    const QColor q = ColorToQColor(c);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), q);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), q);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), q);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), q);
  };
  ring(all, color);
  if (drawInner) ring(all.adjusted(1, 1, -1, -1), innerColor);
}

std::string PCharToString(const char* text) { return text ? std::string(text) : std::string(); }

bool IsFormActive(const TForm* form) {
  const TForm* main = Application().MainForm();
  if (!main) return form && form->Active();
  const bool mdiFrame = main->FormStyle() == TFormStyle::fsMDIForm;
  if (mdiFrame && form == main) return true;
  if (!Application().Active()) return false;
  if (!form || form == main) return true;
  // Without MDI children the frame reports none active, so the form's own
  // flag decides, as it does for every other form.
  return form->Active();
}

bool CheckOldWindows() { return false; }

bool IsOldWindows() {
  static const bool old = CheckOldWindows();
  return old;
}

void ApplyThemeToChildren(TControl& control, TSkinUIStyle style, TSkinFileTheme* theme) {
  for (int i = 0; i < control.ControlCount(); ++i) {
    auto* user = dynamic_cast<TSkinThemeUser*>(control.Controls(i));
    if (!user) continue;
    user->SetFileTheme(theme);
    user->SetUIStyle(style);
  }
}
