// Colours as the platform stores them: 0x00BBGGRR, or a system colour with
// the high byte 0xFF and the system colour's index in the low byte. System
// colours resolve through a fixed table of ours, not the desktop's palette,
// so that drawings are the same on every machine.
#pragma once

#include <QColor>
#include <QRgb>
#include <cstdint>
#include <string>

using TColor = int32_t;

constexpr TColor RGB(int r, int g, int b) {
  return static_cast<TColor>((static_cast<uint32_t>(b & 0xFF) << 16) | (static_cast<uint32_t>(g & 0xFF) << 8) |
                             static_cast<uint32_t>(r & 0xFF));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<uint32_t>(index)); }
constexpr bool IsSystemColor(TColor c) { return (static_cast<uint32_t>(c) & 0xFF000000u) == 0xFF000000u; }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

// The magenta that marks transparent pixels in the skin bitmaps.
constexpr TColor clSkinKey = clFuchsia;

// A plain 0x00BBGGRR value: system colours through the fixed table (an
// unknown index gives black), clNone and clDefault as black and white.
TColor ColorToRGB(TColor color);
QRgb ColorToQRgb(TColor color);  // opaque
inline QColor ColorToQColor(TColor color) { return QColor(ColorToQRgb(color)); }
TColor QRgbToColor(QRgb rgb);  // alpha dropped

// How far apart two colours read as text on a ground: the ratio of their
// relative luminances (each plus 0.05), from 1 (the same) to 21 (black and
// white). Text reads from about 3 for bold captions, 4.5 for small text.
double ContrastRatio(TColor a, TColor b);
// The colour the part t (0..1) of the way from a to b.
TColor MixColors(TColor a, TColor b, double t);

// Colour names as form descriptions write them ("clBtnFace"), without regard
// to case. IdentToColor returns false for an unknown name.
bool IdentToColor(const std::string& ident, TColor& color);
// The name of a named colour, else empty.
std::string ColorToIdent(TColor color);
