#include "skin/SkinPublic.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>

#include "skin/SkinMgr.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/Application.h"
#include "windowing/Bitmap.h"
#include "windowing/BitmapResources.h"
#include "windowing/CustomControl.h"
#include "windowing/CustomPanel.h"
#include "windowing/Form.h"
#include "windowing/Picture.h"

namespace {

// A frame whose every pixel tells where it came from: red = x, green = y.
QImage Coded(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 7, y * 7, 90));
  return image;
}

// The source pixel a destination pixel shows (-1, -1 for untouched white).
QPoint Source(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  if (qBlue(p) != 90) return {-1, -1};
  return {qRed(p) / 7, qGreen(p) / 7};
}

struct Surface {
  Surface(int w, int h) : image(w, h, QImage::Format_RGB32), canvas(image) { image.fill(Qt::white); }
  QImage image;
  TCanvas canvas;
  TColor At(int x, int y) const { return QRgbToColor(image.pixel(x, y)); }
};

// A bitmap holding the image.
class Fixture : public TBitmap {
 public:
  explicit Fixture(const QImage& image) { SetImage(image); }
};

}  // namespace

TEST(SkinPublic, CutBitmapFrameTakesEqualFramesFromTheLeft) {
  const Fixture strip(Strip(74, 21, {clRed, clLime, clBlue}, 2));
  TBitmap frame;
  CutBitmapFrame(strip, frame, 3, 3);
  EXPECT_EQ(frame.Width(), 74);
  EXPECT_EQ(frame.Height(), 21);
  EXPECT_EQ(frame.Canvas().Pixel(0, 0), clBlue);
  EXPECT_EQ(frame.Canvas().Pixel(73, 20), clBlue);  // the leftover columns are no part of it
  CutBitmapFrame(strip, frame, 0, 1);  // a count of 0 counts as 1
  EXPECT_EQ(frame.Width(), 224);

  TBitmapResourceTable fixtures;
  fixtures.Add("MIDNIGHT_BUTTON", Strip(74, 21, {clRed, clLime, clBlue}));
  TScopedBitmapResources scoped(fixtures);
  TBitmap middle;
  GetBuiltInThemeBitmap(TSkinUIStyle::Midnight, SkinItem::ButtonImage, &middle, 3, 2);
  EXPECT_EQ(middle.Width(), 74);
  EXPECT_EQ(middle.Height(), 21);
  for (int x : {0, 37, 73}) EXPECT_EQ(middle.Canvas().Pixel(x, 10), clLime);
}

TEST(SkinPublic, NinePartsKeepTheCornersAndStretchEdgesAndCentre) {
  const Fixture frame(Coded(18, 21));
  Surface s(80, 25);
  DrawNinePartBitmap(frame, s.canvas, Rect(0, 0, 75, 23), false);
  auto expect = [&](int x, int y, int sx, int sy) { EXPECT_EQ(Source(s.image, x, y), QPoint(sx, sy)) << x << "," << y; };
  // The 9 x 10 top-left corner at (0, 0).
  expect(0, 0, 0, 0);
  expect(8, 9, 8, 9);
  // The 8 x 9 bottom-right corner at (67, 14): source columns 10..17, rows 12..20.
  expect(67, 14, 10, 12);
  expect(74, 22, 17, 20);
  // Top-right 8 x 10 at (67, 0); bottom-left 9 x 9 at (0, 14), its last
  // column partly covered by the bottom edge.
  expect(67, 0, 10, 0);
  expect(0, 14, 0, 12);
  expect(7, 22, 7, 20);
  // One source row (10) stretched into the left edge, row 11 into the right.
  for (int y = 10; y < 14; ++y) {
    expect(0, y, 0, 10);
    expect(74, y, 17, 11);
  }
  // Top edge from column 9; the centre stops a row above the bottom-right
  // corner's top; the bottom edge starts one pixel left and up.
  expect(40, 0, 9, 0);
  expect(40, 9, 9, 9);
  expect(40, 12, 9, 10);
  expect(40, 13, 9, 11);
  expect(8, 13, 9, 11);
  expect(66, 22, 9, 20);
  EXPECT_EQ(s.At(75, 10), clWhite);
  EXPECT_EQ(s.At(10, 23), clWhite);
}

TEST(SkinPublic, NinePartsKeyTheEdgesAlwaysAndTheCornersOnRequest) {
  QImage image = Coded(18, 21);
  image.setPixel(0, 0, qRgb(255, 0, 255));   // a corner pixel
  image.setPixel(0, 10, qRgb(255, 0, 255));  // the left edge's source row
  for (bool transparentCorners : {false, true}) {
    Surface s(40, 30);
    DrawNinePartBitmap(Fixture(image), s.canvas, Rect(0, 0, 40, 30), transparentCorners);
    EXPECT_EQ(s.At(0, 0), transparentCorners ? clWhite : clFuchsia);
    EXPECT_EQ(s.At(0, 12), clWhite);
    EXPECT_EQ(Source(s.image, 1, 12), QPoint(1, 10));
  }
  // Targets and frames too small for the corners draw what fits and nothing else.
  for (const TRect r : {Rect(0, 0, 0, 0), Rect(0, 0, 1, 1), Rect(0, 0, 2, 5), Rect(0, 0, 3, 3), Rect(0, 0, 40, 1)}) {
    Surface s(41, 6);
    DrawNinePartBitmap(Fixture(image), s.canvas, r, false);
    DrawNinePartBitmap(Fixture(Coded(1, 1)), s.canvas, r, true);
    DrawNinePartBitmap(Fixture(Coded(4, 4)), s.canvas, r, false);
    EXPECT_EQ(s.At(40, 5), clWhite);
  }
}

TEST(SkinPublic, ThreePartsStretchTheMiddleBetweenKeyedEnds) {
  QImage image = Strip(3, 4, {clRed, clGreen, clBlue});
  image.setPixel(0, 0, qRgb(0, 255, 0));  // lime top-left
  image.setPixel(1, 1, qRgb(255, 0, 255));
  for (bool cornerKey : {false, true}) {
    Surface s(22, 6);
    DrawThreePartBitmap(Fixture(image), s.canvas, Rect(1, 1, 21, 6), cornerKey);
    EXPECT_EQ(s.At(1, 0), clWhite);
    EXPECT_EQ(s.At(1, 1), cornerKey ? clWhite : clLime);
    EXPECT_EQ(s.At(2, 2), cornerKey ? clFuchsia : clWhite);
    EXPECT_EQ(s.At(3, 4), clRed);
    EXPECT_EQ(s.At(1, 5), clWhite);  // the ends keep their height
    EXPECT_EQ(s.At(4, 5), clGreen);  // the middle fills r
    EXPECT_EQ(s.At(17, 5), clGreen);
    EXPECT_EQ(s.At(18, 1), clBlue);
    EXPECT_EQ(s.At(20, 4), clBlue);
    EXPECT_EQ(s.At(21, 1), clWhite);
  }
}

TEST(SkinPublic, TilesStartAtTheCanvasOriginAndRotationsMoveEveryPixel) {
  TPicture picture;
  picture.Bitmap().SetImage(Strip(8, 8, {clYellow}));
  picture.Bitmap().Canvas().SetPixel(0, 0, clRed);
  Surface s(40, 40);
  TilePicture(s.canvas, picture, Rect(5, 5, 25, 25));
  for (int at : {0, 8, 16, 24}) EXPECT_EQ(s.At(at, at), clRed) << at;
  EXPECT_EQ(s.At(31, 31), clYellow);
  EXPECT_EQ(s.At(32, 32), clWhite);

  Fixture b(Coded(3, 2));
  RotateBitmapAnticlockwise(b);
  ASSERT_EQ(b.Width(), 2);
  ASSERT_EQ(b.Height(), 3);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Source(b.Image(), y, 3 - 1 - x), QPoint(x, y));
  Fixture c(Coded(3, 2));
  RotateBitmapClockwise(c);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Source(c.Image(), 2 - 1 - y, x), QPoint(x, y));
}

namespace {

class TFilled : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint(TCanvas& canvas) override {
    canvas.Brush.Color = clRed;
    canvas.FillRect(ClientRect());
    canvas.SetPixel(5, 5, clBlue);
  }
};

class TRinged : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::white);
    FrameControlBorder(*this, clNavy, clYellow, true);
  }
};

class TThemedChild : public TPanel, public TSkinThemeUser {
 public:
  using TPanel::TPanel;
  TSkinUIStyle UIStyle() const { return FStyle; }
  void SetUIStyle(TSkinUIStyle s) override { FStyle = s; }
  TSkinFileTheme* FileTheme() const override { return FTheme; }
  void SetFileTheme(TSkinFileTheme* t) override { FTheme = t; }
  static const TClassInfo& StaticClassInfo() {
    static const auto info = DefineClass<TThemedChild>("TThemedChild", TPanel::StaticClassInfo(), [](TPublisher<TThemedChild>& p) {
      p.Component<TSkinFileTheme>("FileTheme", &TThemedChild::FileTheme, &TThemedChild::SetFileTheme)
          .Enum("UIStyle", SkinUIStyleNames(), &TThemedChild::UIStyle, &TThemedChild::SetUIStyle);
    });
    return *info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 private:
  TSkinUIStyle FStyle = TSkinUIStyle::Midnight;
  TSkinFileTheme* FTheme = nullptr;
};

class TStyleOnly : public TPanel {
 public:
  using TPanel::TPanel;
  TSkinUIStyle UIStyle() const { return FStyle; }
  void SetUIStyle(TSkinUIStyle s) { FStyle = s; }
  static const TClassInfo& StaticClassInfo() {
    static const auto info = DefineClass<TStyleOnly>("TStyleOnly", TPanel::StaticClassInfo(), [](TPublisher<TStyleOnly>& p) {
      p.Enum("UIStyle", SkinUIStyleNames(), &TStyleOnly::UIStyle, &TStyleOnly::SetUIStyle);
    });
    return *info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 private:
  TSkinUIStyle FStyle = TSkinUIStyle::Midnight;
};

}  // namespace

TEST(SkinPublic, ParentBackgroundAndControlBorder) {
  TForm form(nullptr);
  auto* parent = new TFilled(&form);
  parent->SetParent(&form);
  parent->SetBounds(0, 0, 20, 20);
  auto* child = new TFilled(&form);
  child->SetParent(parent);
  child->SetBounds(4, 4, 3, 3);
  Surface s(3, 3);
  PaintParentBackground(s.canvas, *child);
  EXPECT_EQ(s.At(1, 1), clBlue);
  EXPECT_EQ(s.At(0, 0), clRed);
  EXPECT_EQ(s.At(2, 2), clRed);
  EXPECT_EQ(s.canvas.Origin(), Point(0, 0));
  Surface none(2, 2);
  PaintParentBackground(none.canvas, *parent->Parent());  // the form has no parent
  EXPECT_EQ(none.At(0, 0), clWhite);

  TRinged ringed;
  ringed.resize(6, 5);
  const QImage shot = ringed.grab().toImage();
  EXPECT_EQ(QRgbToColor(shot.pixel(0, 0)), clNavy);
  EXPECT_EQ(QRgbToColor(shot.pixel(5, 4)), clNavy);
  EXPECT_EQ(QRgbToColor(shot.pixel(1, 1)), clYellow);
  EXPECT_EQ(QRgbToColor(shot.pixel(4, 3)), clYellow);
  EXPECT_EQ(QRgbToColor(shot.pixel(2, 2)), clWhite);
}

TEST(SkinPublic, GeometryHelpersWorkAreaAndActiveForm) {
  const TRect r = Rect(1, 2, 5, 6);
  EXPECT_TRUE(PointInRectXY(5, 6, r));
  EXPECT_TRUE(PointInRectXY(1, 2, r));
  EXPECT_FALSE(PointInRect(Point(6, 6), r));
  EXPECT_EQ(PCharToString(nullptr), "");
  EXPECT_FALSE(IsOldWindows());

  TForm form(nullptr);
  TPanel panel(&form);
  SetControlRect(panel, Rect(3, 4, 13, 24));
  EXPECT_EQ(panel.BoundsRect(), Bounds(3, 4, 10, 20));
  MoveControlTo(panel, Point(7, 8));
  EXPECT_EQ(panel.BoundsRect(), Bounds(7, 8, 10, 20));

  const TWorkAreaProvider previous = SetWorkAreaProvider([](TRect& area) {
    area = Rect(0, 0, 800, 570);
    return true;
  });
  TRect area;
  EXPECT_TRUE(GetWorkArea(area));
  EXPECT_EQ(area, Rect(0, 0, 800, 570));
  SetWorkAreaProvider(previous);

  TForm other(nullptr);
  ASSERT_EQ(Application().MainForm(), nullptr);
  EXPECT_FALSE(IsFormActive(&other));  // no main form: the form's own flag
  Application().SetMainForm(&form);
  QApplication::setActiveWindow(nullptr);
  EXPECT_FALSE(IsFormActive(&other));
  EXPECT_FALSE(IsFormActive(&form));
  form.SetFormStyle(TFormStyle::fsMDIForm);
  EXPECT_TRUE(IsFormActive(&form));
  EXPECT_FALSE(IsFormActive(&other));
  Application().SetMainForm(nullptr);
}

TEST(SkinPublic, ThemeGoesToChildrenThatPublishBothProperties) {
  TForm form(nullptr);
  TPanel box(&form);
  box.SetParent(&form);
  auto* both = new TThemedChild(&form);
  both->SetParent(&box);
  auto* styleOnly = new TStyleOnly(&form);
  styleOnly->SetParent(&box);
  TSkinFileTheme theme(&form);
  ApplyThemeToChildren(box, TSkinUIStyle::Frost, &theme);
  EXPECT_EQ(both->UIStyle(), TSkinUIStyle::Frost);
  EXPECT_EQ(both->FileTheme(), &theme);
  EXPECT_EQ(styleOnly->UIStyle(), TSkinUIStyle::Midnight);
}
