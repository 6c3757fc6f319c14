#include "windowing/Font.h"

#include <QFontMetricsF>
#include <cmath>

#include "runtime/SysUtils.h"

namespace {

constexpr const char* kBundledFamily = "DejaVu Sans";

int MulDivRound(int value, int numerator, int denominator) {
  const double exact = static_cast<double>(value) * numerator / denominator;
  return static_cast<int>(std::lround(exact));
}

}  // namespace

std::string MappedFontFamily(const std::string& name) {
  static const char* const kWindowsFamilies[] = {"", "MS Sans Serif", "Microsoft Sans Serif", "MS Shell Dlg",
                                                 "MS Shell Dlg 2", "Tahoma", "Verdana", "Arial", "System"};
  for (const char* family : kWindowsFamilies)
    if (SameText(name, family)) return kBundledFamily;
  return name;
}

void TFont::Assign(const TFont& source) {
  if (*this == source) return;
  FName = source.FName;
  FHeight = source.FHeight;
  FColor = source.FColor;
  FStyle = source.FStyle;
  FCharset = source.FCharset;
  Changed();
}

void TFont::SetName(const std::string& name) {
  if (FName == name) return;
  FName = name;
  Changed();
}

int TFont::Size() const { return -MulDivRound(FHeight, 72, PixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDivRound(points, PixelsPerInch, 72)); }

void TFont::SetHeight(int height) {
  if (FHeight == height) return;
  FHeight = height;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (FColor == color) return;
  FColor = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (FStyle == style) return;
  FStyle = style;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (FCharset == charset) return;
  FCharset = charset;
  Changed();
}

void TFont::Changed() {
  if (OnChange) OnChange();
}

QFont TFont::ToQFont() const {
  QFont font(QString::fromStdString(MappedFontFamily(FName)));
  int pixels = std::abs(FHeight);
  if (FHeight > 0) {
    // A positive height is the whole cell; find the em size that fills it.
    QFont probe = font;
    probe.setPixelSize(100);
    const double cell = QFontMetricsF(probe).height();
    if (cell > 0) pixels = static_cast<int>(std::lround(FHeight * 100.0 / cell));
  }
  font.setPixelSize(std::max(1, pixels));
  font.setBold((FStyle & fsBold) != 0);
  font.setItalic((FStyle & fsItalic) != 0);
  font.setUnderline((FStyle & fsUnderline) != 0);
  font.setStrikeOut((FStyle & fsStrikeOut) != 0);
  return font;
}

const TEnumInfo& TFont::StyleNames() {
  static const TEnumInfo names{{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
  return names;
}

const TClassInfo& TFont::StaticClassInfo() {
  static const auto info = DefineClass<TFont>("TFont", PersistentClassInfo(), [](TPublisher<TFont>& p) {
    p.Integer("Charset", &TFont::Charset, &TFont::SetCharset)
        .Color("Color", &TFont::Color, &TFont::SetColor)
        .Integer("Height", &TFont::Height, &TFont::SetHeight)
        .String("Name", &TFont::Name, &TFont::SetName)
        .Integer("Size", &TFont::Size, &TFont::SetSize)
        .Set("Style", StyleNames(), &TFont::Style, &TFont::SetStyle);
  });
  return *info;
}

const TFont& SystemMenuFont() {
  static const TFont font = [] {
    TFont f;
    f.SetName("Tahoma");
    f.SetHeight(-11);
    f.SetColor(clMenuText);
    return f;
  }();
  return font;
}
