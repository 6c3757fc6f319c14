// Drawing helpers shared by the skinned controls: the parent's background
// under a transparent control, skin bitmaps stretched in three or nine
// parts with the magenta key, frames cut from strips, tiling, rotation,
// framing a control, small geometry helpers, the active-form test for menu
// short cuts and passing a style on to children.
#pragma once

#include <functional>
#include <string>

#include "skin/SkinThemes.h"
#include "windowing/Colors.h"
#include "windowing/Geometry.h"

class TBitmap;
class TCanvas;
class TComponent;
class TControl;
class TForm;
class TPicture;
class TSkinFileTheme;
class QWidget;

// Paints the part of the control's parent under the control onto canvas
// (whose origin is the control's top-left corner); nothing without a parent.
void PaintParentBackground(TCanvas& canvas, const TControl& control);

// Tiles the picture from the canvas origin (not the rectangle's corner)
// over the rectangle's extent, each tile with the picture's transparency.
void TilePicture(TCanvas& canvas, const TPicture& picture, const TRect& r);

// All four edges count as inside.
bool PointInRectXY(int x, int y, const TRect& r);
inline bool PointInRect(const TPoint& p, const TRect& r) { return PointInRectXY(p.X, p.Y, r); }

// The work area of the primary screen (the screen less panels); false when
// there is no screen. Tests install their own with SetWorkAreaProvider.
bool GetWorkArea(TRect& area);
using TWorkAreaProvider = std::function<bool(TRect& area)>;
// Installs a provider (empty: the screen's); returns the previous one.
TWorkAreaProvider SetWorkAreaProvider(TWorkAreaProvider provider);

// Left then Top; Left, Top, Width, Height in this order, one at a time.
void MoveControlTo(TControl& control, const TPoint& p);
void SetControlRect(TControl& control, const TRect& r);

// One skin frame stretched over r in nine pieces: the corners keep their
// size (the bottom and right ones one pixel smaller), edges and centre
// stretch and are always drawn with the magenta key, the corners only when
// transparentCorners is set. Only r's width, height, Right and Bottom enter.
void DrawNinePartBitmap(const TBitmap& bitmap, TCanvas& canvas, const TRect& r, bool transparentCorners);

// Three parts of a third of the width each: the ends unscaled at r's left
// and right, keyed by magenta (or by the top-left pixel when cornerPixelKey
// is set), the middle stretched between them without a key.
void DrawThreePartBitmap(const TBitmap& graphic, TCanvas& canvas, const TRect& r, bool cornerPixelKey);

// A quarter turn: the pixel at (x, y) goes to (y, width - 1 - x)
// anticlockwise, to (height - 1 - y, x) clockwise.
void RotateBitmapAnticlockwise(TBitmap& bitmap);
void RotateBitmapClockwise(TBitmap& bitmap);

// One-pixel ring in color along the edge of the whole widget and, when
// drawInner is set, a second in innerColor just inside it. Call it from the
// widget's paint event, after its own painting.
void FrameControlBorder(QWidget& window, TColor color, TColor innerColor, bool drawInner);

std::string PCharToString(const char* text);

// Whether the form counts as the active form for keyboard short cuts.
bool IsFormActive(const TForm* form);
// There is no old system here: always false.
bool CheckOldWindows();
bool IsOldWindows();

// For each direct child of control, in child order: when it is a theme
// user (it publishes both FileTheme and UIStyle), sets its FileTheme to
// theme and then its UIStyle to style, through its own setters.
void ApplyThemeToChildren(TControl& control, TSkinUIStyle style, TSkinFileTheme* theme);
