#include <gtest/gtest.h>

#include <QFontInfo>

#include "windowing/Colors.h"
#include "windowing/Font.h"

TEST(Colors, SystemColoursResolveThroughAFixedTable) {
  EXPECT_EQ(ColorToRGB(0x123456), 0x123456);
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
  EXPECT_EQ(ColorToRGB(clMenuText), clBlack);
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);
  EXPECT_EQ(ColorToQRgb(0x00CED3D6), qRgb(0xD6, 0xD3, 0xCE));
  EXPECT_EQ(QRgbToColor(qRgba(0x2D, 0x30, 0xC4, 7)), 0xC4302D);
  EXPECT_EQ(GetRValue(0xC4302D), 0x2D);
  EXPECT_EQ(GetBValue(0xC4302D), 0xC4);
}

TEST(Colors, NamesReadWithoutRegardToCase) {
  TColor c = 0;
  EXPECT_TRUE(IdentToColor("CLBTNFACE", c));
  EXPECT_EQ(c, clBtnFace);
  EXPECT_TRUE(IdentToColor("clWhite", c));
  EXPECT_EQ(c, clWhite);
  EXPECT_FALSE(IdentToColor("clNoSuch", c));
  EXPECT_EQ(ColorToIdent(clHighlight), "clHighlight");
  EXPECT_EQ(ColorToIdent(0x123456), "");
}

TEST(Colors, ContrastIsTheRatioOfLuminancesAndMixesGoPartOfTheWay) {
  EXPECT_NEAR(ContrastRatio(clBlack, clWhite), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(clWhite, clBlack), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(clRed, clRed), 1.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(clWhite, RGB(0x76, 0x76, 0x76)), 4.54, 0.01);  // the grey that just reads
  EXPECT_NEAR(ContrastRatio(clWindow, clBlack), 21.0, 1e-9);             // system colours resolve first
  EXPECT_EQ(MixColors(clBlack, clWhite, 0.5), RGB(128, 128, 128));
  EXPECT_EQ(MixColors(RGB(10, 20, 30), RGB(110, 20, 0), 0.25), RGB(35, 20, 23));
  EXPECT_EQ(MixColors(clRed, clBlue, 0), clRed);
  EXPECT_EQ(MixColors(clRed, clBlue, 1), clBlue);
}

TEST(Font, PointsAndPixelsConvertAtNinetySixDots) {
  TFont f;
  EXPECT_EQ(f.Name(), "MS Sans Serif");
  EXPECT_EQ(f.Size(), 8);
  EXPECT_EQ(f.Height(), -11);
  f.SetSize(9);
  EXPECT_EQ(f.Height(), -12);
  f.SetHeight(-16);
  EXPECT_EQ(f.Size(), 12);
  EXPECT_EQ(f.ToQFont().pixelSize(), 16);
}

TEST(Font, WindowsFamiliesMapToTheBundledOne) {
  for (const char* name : {"Tahoma", "verdana", "MS Sans Serif"}) {
    EXPECT_EQ(MappedFontFamily(name), "DejaVu Sans");
    TFont f;
    f.SetName(name);
    EXPECT_EQ(QFontInfo(f.ToQFont()).family(), QStringLiteral("DejaVu Sans")) << name;
  }
  EXPECT_EQ(MappedFontFamily("DejaVu Serif"), "DejaVu Serif");
}

TEST(Font, ChangesAreReportedOnceAndOnlyWhenSomethingChanged) {
  TFont f;
  int changes = 0;
  f.OnChange = [&] { ++changes; };
  f.SetColor(clRed);
  f.SetColor(clRed);
  f.SetStyle(fsBold | fsUnderline);
  EXPECT_EQ(changes, 2);
  TFont other;
  f.Assign(other);
  EXPECT_EQ(changes, 3);
  f.Assign(other);
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(f == other);
  EXPECT_TRUE(static_cast<bool>(f.OnChange));

  TFont bold;
  bold.SetStyle(fsBold | fsItalic);
  EXPECT_TRUE(bold.ToQFont().bold());
  EXPECT_TRUE(bold.ToQFont().italic());
}
