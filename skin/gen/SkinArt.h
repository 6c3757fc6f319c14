// The drawing of the built-in skin bitmaps: one palette per style and one
// painter per part. Every image is opaque RGB; where a component draws a
// bitmap keyed, the pixels outside the shape are the literal key colour
// magenta, and the shape's edge pixels are blended with the colour the
// bitmap will lie on, so that keyed drawing leaves no pink fringe.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

struct TSkinPalette {
  QString Prefix;  // "SILVER_", ...
  // Colours the components paint around the bitmaps (the style's colour
  // items): the bitmaps' opaque surroundings use them.
  QColor FormBackground;
  QColor ScrollBarBackground;
  QColor ControlBorder;
  QColor TabBody;
  // The style's own look.
  QColor Accent;
  QColor FaceTop, FaceBottom, FaceBorder;
  QColor HoverTop, HoverBottom, HoverBorder;
  QColor DownTop, DownBottom, DownBorder;
  QColor Glyph;
  QColor TitleTop, TitleMiddle, TitleBottom;  // the title strip, top to bottom
  QColor TitleGlyph;
  QColor TitleFace[3][3];  // title buttons: top, bottom, border for normal, hover, pressed
  bool FlatTitleButtons = false;  // a normal title button shows no face, only its glyph
  bool RedCloseButton = false;    // the close button is red also when not hot
  enum TTitleDecoration { Plain, Shine } TitleDecoration = Plain;
  int TitleBandRow = 0;  // when set, a lower band of the strip starts at this row
  int TitleHeight = 0;
  int TitleButtonTop = 0;
  int ButtonRadius = 3;
  bool KeyedButtonCorners = false;  // ButtonTransparentBool
  bool KeyedTitleButtons = false;   // TitleBarButtonTransparentBool
};

const QColor& SkinKeyColor();

// Strips of equal frames (the frame index runs from 0 here).
QImage PaintButtonStrip(const TSkinPalette& p, int width, int height);
QImage PaintCheckBoxStrip(const TSkinPalette& p, int width, int height, bool radio);
QImage PaintCheckListStrip(const TSkinPalette& p, int width, int height);
QImage PaintTitleButtonStrip(const TSkinPalette& p, int width, int height);
QImage PaintScrollBarButtonStrip(const TSkinPalette& p, int width, int height);
QImage PaintScrollBarDisabledButtonStrip(const TSkinPalette& p, int width, int height);
QImage PaintScrollBarThumbStrip(const TSkinPalette& p, int width, int height);
QImage PaintTabScrollButtonStrip(const TSkinPalette& p, int width, int height);
QImage PaintTabStrip(const TSkinPalette& p, int width, int height);

// Whole pictures.
enum class TTitlePart { Left, Client, Right };
QImage PaintTitle(const TSkinPalette& p, TTitlePart part, int width, int height);
QImage PaintProgressBar(const TSkinPalette& p, int width, int height);
QImage PaintTrackBarBar(const TSkinPalette& p, int width, int height);
QImage PaintTrackBarSlider(const TSkinPalette& p, int width, int height);
QImage PaintTrackBarSliderVertical(const TSkinPalette& p, int width, int height);
QImage PaintTabLine(const TSkinPalette& p, int width, int height);
QImage PaintSideChannelHandle(const TSkinPalette& p, int width, int height);
QImage PaintSideChannelBar(const TSkinPalette& p, int width, int height);
QImage PaintFormBackground(const TSkinPalette& p, int width, int height);
QImage PaintMenuBar(const TSkinPalette& p, int width, int height);
QImage PaintMenuSelect(const TSkinPalette& p, int width, int height);
QImage PaintComboBoxButton(const TSkinPalette& p, int width, int height, bool withArrow);

// Pictures shared by every style.
QImage PaintMessageIcons(int width, int height);
QImage PaintMenuCheckMark(int width, int height);
QImage PaintStatusBarGrip(int width, int height);
