// A font description as controls and canvases carry it: name, size in
// points or height in pixels, colour, style and character set, with a change
// notice. The Windows families that the forms name are not on Linux; they
// all map to one bundled family so that text measures the same everywhere.
#pragma once

#include <QFont>
#include <functional>
#include <string>

#include "windowing/Colors.h"
#include "windowing/Persistent.h"

enum TFontStyle : unsigned { fsBold = 1u << 0, fsItalic = 1u << 1, fsUnderline = 1u << 2, fsStrikeOut = 1u << 3 };
using TFontStyles = unsigned;

constexpr int DEFAULT_CHARSET = 1;
// Screen resolution used to turn points into pixels.
constexpr int PixelsPerInch = 96;

class TFont : public TPersistent {
 public:
  TFont() = default;
  TFont(const TFont& other) : TPersistent() { Assign(other); }
  TFont& operator=(const TFont& other) {
    Assign(other);
    return *this;
  }

  // Copies every setting; OnChange stays and fires once when anything changed.
  void Assign(const TFont& source);

  const std::string& Name() const { return FName; }
  void SetName(const std::string& name);
  // Points; setting it sets Height to -(points * 96 / 72), rounded.
  int Size() const;
  void SetSize(int points);
  // Pixels: negative = character height (em), positive = cell height.
  int Height() const { return FHeight; }
  void SetHeight(int height);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles style);
  int Charset() const { return FCharset; }
  void SetCharset(int charset);

  std::function<void()> OnChange;

  QFont ToQFont() const;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  // The names of the style bits, for descriptions: fsBold, fsItalic, ...
  static const TEnumInfo& StyleNames();
  friend bool operator==(const TFont& a, const TFont& b) {
    return a.FName == b.FName && a.FHeight == b.FHeight && a.FColor == b.FColor && a.FStyle == b.FStyle &&
           a.FCharset == b.FCharset;
  }

 private:
  void Changed();

  std::string FName = "MS Sans Serif";
  int FHeight = -11;
  TColor FColor = clWindowText;
  TFontStyles FStyle = 0;
  int FCharset = DEFAULT_CHARSET;
};

// The font the system draws menus in (its menu font record): Tahoma, 8
// points, in the menu text colour.
const TFont& SystemMenuFont();

// The family Qt is asked for: the Windows user-interface families become
// the bundled "DejaVu Sans"; other names pass unchanged.
std::string MappedFontFamily(const std::string& name);
