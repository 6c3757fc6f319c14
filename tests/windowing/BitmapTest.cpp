#include "windowing/Bitmap.h"

#include <gtest/gtest.h>

#include "runtime/Streams.h"
#include "tests/support/CountingBitmapResources.h"
#include "windowing/BitmapResources.h"
#include "windowing/Picture.h"

namespace {

QImage Solid(int w, int h, TColor color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(ColorToQColor(color));
  return image;
}

}  // namespace

TEST(Bitmap, ResizingKeepsThePixelsThatFitAndTheCanvasFollows) {
  TBitmap b;
  int changes = 0;
  b.OnChange = [&] { ++changes; };
  b.SetSize(2, 2);
  b.Canvas().SetPixel(1, 1, clRed);
  b.SetSize(4, 3);
  EXPECT_EQ(b.Canvas().Pixel(1, 1), clRed);
  EXPECT_EQ(b.Canvas().Pixel(3, 2), clWhite);
  b.Canvas().SetPixel(3, 2, clBlue);
  EXPECT_EQ(QRgbToColor(b.Image().pixel(3, 2)), clBlue);
  const int before = changes;
  b.SetSize(4, 3);
  EXPECT_EQ(changes, before);
  b.SetSize(0, 3);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, TransparentColourIsTheLowerLeftPixelUntilFixed) {
  TBitmap b;
  EXPECT_EQ(b.TransparentColor(), clDefault);
  b.SetSize(3, 2);
  b.Canvas().SetPixel(0, 1, clLime);
  EXPECT_EQ(b.TransparentColor(), clLime);
  b.SetTransparentColor(clFuchsia);
  EXPECT_EQ(b.TransparentMode(), TTransparentMode::tmFixed);
  EXPECT_EQ(b.TransparentColor(), clFuchsia);
  b.SetTransparent(true);
  b.Canvas().SetPixel(2, 0, clFuchsia);
  const QImage drawn = b.TransparentImage();
  EXPECT_EQ(qAlpha(drawn.pixel(2, 0)), 0);
  EXPECT_EQ(qAlpha(drawn.pixel(0, 1)), 255);

  TBitmap copy;
  copy.Assign(&b);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.TransparentColor(), clFuchsia);
  EXPECT_EQ(copy.Canvas().Pixel(0, 1), clLime);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(Bitmap, LoadsPngAndBmpAndWritesBmp) {
  QImage image = Solid(5, 3, clNavy);
  image.setPixel(4, 2, qRgb(255, 0, 255));
  for (const char* format : {"PNG", "BMP"}) {
    TMemoryStream stream(ImageBytes(image, format));
    TBitmap b;
    b.LoadFromStream(stream);
    EXPECT_EQ(b.Width(), 5) << format;
    EXPECT_EQ(b.Canvas().Pixel(0, 0), clNavy);
    EXPECT_EQ(b.Canvas().Pixel(4, 2), clFuchsia);
  }
  TBitmap b;
  b.SetImage(image);
  TMemoryStream out;
  b.SaveToStream(out);
  EXPECT_EQ(out.DataString().substr(0, 2), "BM");
  out.SetPosition(0);
  TBitmap back;
  back.LoadFromStream(out);
  EXPECT_EQ(back.Canvas().Pixel(4, 2), clFuchsia);
}

TEST(Bitmap, HostileImageDataFailsCleanly) {
  const std::string png = ImageBytes(Solid(8, 8, clRed), "PNG");
  const std::string bmp = ImageBytes(Solid(8, 8, clRed), "BMP");
  // A BMP header claiming 100000 x 100000 pixels.
  std::string huge = bmp;
  huge[18] = '\xA0', huge[19] = '\x86', huge[20] = '\x01', huge[21] = 0;
  huge[22] = '\xA0', huge[23] = '\x86', huge[24] = '\x01', huge[25] = 0;
  const std::vector<std::string> cases = {"", "garbage bytes", png.substr(0, 20), bmp.substr(0, 30), huge,
                                          std::string(100, '\xFF')};
  for (const std::string& data : cases) {
    TMemoryStream stream(data);
    TBitmap b;
    EXPECT_THROW(b.LoadFromStream(stream), EInvalidGraphic) << data.size();
  }
  TMemoryStream half(png.substr(0, png.size() - 10));
  TBitmap b;
  try {
    b.LoadFromStream(half);  // a decoder may accept a cut tail; it must not crash
  } catch (const EInvalidGraphic&) {
  }
}

TEST(Bitmap, ResourcesComeFromTheInstalledProviderByName) {
  TBitmap b;
  EXPECT_THROW(b.LoadFromResourceName("NO_SUCH_BITMAP"), EResNotFound);
  TBitmapResourceTable table;
  table.Add("Fixture_Strip", Solid(6, 2, clTeal));
  {
    TScopedBitmapResources scoped(table);
    b.LoadFromResourceName("FIXTURE_STRIP");
    EXPECT_EQ(b.Width(), 6);
    EXPECT_EQ(b.Canvas().Pixel(5, 1), clTeal);
    try {
      b.LoadFromResourceName("MISSING");
      FAIL();
    } catch (const EResNotFound& e) {
      EXPECT_EQ(e.Message(), "Resource MISSING not found");
    }
  }
  EXPECT_THROW(b.LoadFromResourceName("FIXTURE_STRIP"), EResNotFound);
}

TEST(Bitmap, CachedResourcesReadEachNameFromTheirSourceOnce) {
  TBitmapResourceTable table;
  table.Add("Fixture_Strip", Solid(6, 2, clTeal));
  const TCountingBitmapResources counting(table);
  const TCachedBitmapResources cached(counting);
  const TScopedBitmapResources scoped(cached);
  TBitmap b;
  for (const char* name : {"FIXTURE_STRIP", "fixture_strip", "Fixture_Strip"}) {
    b.LoadFromResourceName(name);
    EXPECT_EQ(b.Canvas().Pixel(5, 1), clTeal);
  }
  for (int i = 0; i < 2; ++i) EXPECT_THROW(b.LoadFromResourceName("MISSING"), EResNotFound);
  EXPECT_EQ(counting.Reads("FIXTURE_STRIP"), 1);
  EXPECT_EQ(counting.Reads("MISSING"), 1);
}

TEST(Picture, HoldsOneBitmapAndReportsItsChanges) {
  TPicture p;
  int changes = 0;
  p.OnChange = [&] { ++changes; };
  EXPECT_TRUE(p.Empty());
  EXPECT_EQ(p.Graphic(), nullptr);
  p.Bitmap().SetSize(3, 4);
  EXPECT_EQ(p.Width(), 3);
  EXPECT_EQ(changes, 1);
  p.Bitmap().Canvas().SetPixel(0, 0, clRed);
  EXPECT_EQ(changes, 2);
  TPicture other;
  other.Assign(&p);
  EXPECT_EQ(other.Height(), 4);
  EXPECT_EQ(other.Bitmap().Canvas().Pixel(0, 0), clRed);
  p.Assign(static_cast<const TPicture*>(nullptr));
  EXPECT_TRUE(p.Empty());
  EXPECT_EQ(changes, 3);
}

TEST(Bitmap, DescriptionDataRoundTripsAndBadDataLeavesThePictureAlone) {
  TBitmap source;
  source.SetImage(Solid(3, 2, clTeal));
  const std::string data = SaveBitmapData(source);
  TPicture picture;
  LoadPictureData(picture, data);
  ASSERT_FALSE(picture.Empty());
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Bitmap().Canvas().Pixel(2, 1), clTeal);
  EXPECT_EQ(SavePictureData(picture), data);
  LoadPictureData(picture, ImageBytes(Solid(1, 1, clRed), "BMP"));
  EXPECT_EQ(picture.Width(), 1);
  EXPECT_THROW(LoadPictureData(picture, "not an image"), EInvalidGraphic);
  EXPECT_EQ(picture.Width(), 1);
  LoadPictureData(picture, "");
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(SavePictureData(picture), "");
  EXPECT_EQ(SaveBitmapData(TBitmap()), "");
}
