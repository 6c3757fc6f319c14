#include <gtest/gtest.h>

#include "windowing/Form.h"
#include "windowing/Image.h"
#include "windowing/Label.h"

TEST(Label, AutoSizeFollowsTheTextAndWrappingKeepsTheWidth) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas canvas(scratch);
  canvas.Font.Assign(label->Font());
  label->SetCaption("Tom & Jerry.mid");
  label->SetShowAccelChar(false);
  EXPECT_EQ(label->Width(), canvas.TextWidth("Tom & Jerry.mid"));
  EXPECT_EQ(label->Height(), canvas.TextHeight("W"));
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetWidth(60);
  label->SetAutoSize(true);
  label->SetCaption("one two three four five six seven");
  EXPECT_EQ(label->Width(), 60);
  EXPECT_GE(label->Height(), 3 * canvas.TextHeight("W"));
  // A new width wraps the text again: wide enough, it takes one line; each
  // change is told once.
  int resized = 0;
  label->OnResize = [&](TComponent*) { ++resized; };
  label->SetWidth(canvas.TextWidth("one two three four five six seven") + 1);
  EXPECT_EQ(label->Height(), canvas.TextHeight("W"));
  EXPECT_EQ(resized, 1);
  label->SetWidth(60);
  EXPECT_GE(label->Height(), 3 * canvas.TextHeight("W"));
  EXPECT_EQ(resized, 2);
  label->OnResize = nullptr;
  label->SetCaption("");
  EXPECT_EQ(label->Height(), canvas.TextHeight("W"));
}

TEST(Image, ShowsItsPictureAndSizesToIt) {
  TForm form(nullptr);
  auto* image = new TImage(&form);
  image->SetParent(&form);
  image->SetAutoSize(true);
  TBitmap& bitmap = image->Picture().Bitmap();
  bitmap.SetSize(6, 4);
  bitmap.Canvas().Brush.Color = clRed;
  bitmap.Canvas().FillRect(Rect(0, 0, 6, 4));
  bitmap.Canvas().SetPixel(0, 3, clBlue);
  EXPECT_EQ(image->BoundsRect(), Bounds(0, 0, 6, 4));
  image->SetTransparent(true);
  EXPECT_TRUE(bitmap.Transparent());
  QImage out(6, 4, QImage::Format_RGB32);
  out.fill(Qt::white);
  TCanvas canvas(out);
  image->PaintTo(canvas);
  EXPECT_EQ(QRgbToColor(out.pixel(1, 1)), clRed);
  EXPECT_EQ(QRgbToColor(out.pixel(0, 3)), clWhite);  // the lower-left key

  TImage copy(&form);
  copy.SetAutoSize(true);
  copy.SetPictureData(image->PictureData());
  EXPECT_EQ(copy.Width(), 6);
  EXPECT_EQ(copy.Picture().Bitmap().Canvas().Pixel(0, 3), clBlue);
}
