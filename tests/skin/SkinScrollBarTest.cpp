#include "skin/SkinScrollBar.h"

#include <gtest/gtest.h>

#include <QTest>

#include "skin/SkinButton.h"
#include "skin/SkinClasses.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/EventLoopWait.h"
#include "windowing/BitmapResources.h"
#include "windowing/Form.h"

namespace {

// Arrow frames (16 x 16, six of them) that are solid but for a magenta
// top-left pixel (the image button's key) and a black pixel at their top
// right, so that a rotation shows; slider parts of 7 x 16 in three colours.
QImage ArrowStrip(int frameWidth, int height) {
  QImage strip = Strip(frameWidth, height, {clRed, clMaroon, clOlive, clBlue, clNavy, clTeal});
  for (int f = 0; f < 6; ++f) {
    strip.setPixel(f * frameWidth, 0, ColorToQRgb(clFuchsia));
    strip.setPixel(f * frameWidth + frameWidth - 1, 0, ColorToQRgb(clBlack));
  }
  return strip;
}

struct Fixtures {
  Fixtures() {
    table.Add("MIDNIGHT_SCROLLBAR_BUTTON", ArrowStrip(16, 16));
    table.Add("MIDNIGHT_SCROLLBAR_TRACK", Strip(7, 16, {clRed, clLime, clBlue}));
    table.Add("FROST_SCROLLBAR_BUTTON", ArrowStrip(17, 16));
    table.Add("FROST_SCROLLBAR_TRACK", Strip(7, 16, {clYellow, clAqua, clPurple}));
    // The track starts as a track bar of the default style.
    table.Add("MIDNIGHT_TRACKBAR_BAR", Strip(15, 4, {clGray, clGray, clGray}));
    table.Add("MIDNIGHT_TRACKBAR_SLIDER", Strip(11, 20, {clGray}));
  }
  TBitmapResourceTable table;
  TScopedBitmapResources scoped{table};
};

struct Bar {
  explicit Bar(TSkinProgressBarOrientation orientation, int length = 200) {
    form.SetBounds(0, 0, 400, 300);
    bar = Make<TSkinScrollBar>(form, form, "S");
    bar->SetOrientation(orientation);
    if (orientation == TSkinProgressBarOrientation::skinVertical)
      bar->SetHeight(length);
    else
      bar->SetWidth(length);
    bar->OnChange = [this](TComponent* sender) {
      senders.push_back(sender);
      changes.push_back(bar->Position());
    };
  }
  const QImage& SliderPicture() const { return bar->Track().SliderImage().Graphic()->Image(); }
  int SliderLength() const {
    const TBitmap* slider = bar->Track().SliderImage().Graphic();
    return slider ? (bar->Orientation() == TSkinProgressBarOrientation::skinVertical ? slider->Height() : slider->Width())
                  : 0;
  }
  Fixtures fixtures;
  TForm form{nullptr};
  TSkinScrollBar* bar;
  std::vector<TComponent*> senders;
  std::vector<int> changes;
};

constexpr auto kVertical = TSkinProgressBarOrientation::skinVertical;
constexpr auto kHorizontal = TSkinProgressBarOrientation::skinHorizontal;

}  // namespace

TEST(SkinScrollBar, LaysOutArrowsAndTrackAlongEitherDirection) {
  Bar v(kVertical);
  EXPECT_EQ(v.bar->Width(), 16);  // the arrow's width
  EXPECT_EQ(v.bar->BackArrow().BoundsRect(), Bounds(0, 0, 16, 16));
  EXPECT_EQ(v.bar->ForwardArrow().BoundsRect(), Bounds(0, 184, 16, 16));
  // One pixel shorter than the space between the arrows; as wide as the slider.
  EXPECT_EQ(v.bar->Track().BoundsRect(), Bounds(0, 16, 16, 167));

  Bar h(kHorizontal);
  EXPECT_EQ(h.bar->Height(), 16);
  EXPECT_EQ(h.bar->ForwardArrow().BoundsRect(), Bounds(184, 0, 16, 16));
  EXPECT_EQ(h.bar->Track().BoundsRect(), Bounds(16, 0, 168, 16));

  // A new bar is horizontal, and only its height follows the arrow.
  TForm form(nullptr);
  Fixtures fixtures;
  auto* fresh = Make<TSkinScrollBar>(form, form);
  EXPECT_EQ(fresh->Orientation(), kHorizontal);
  EXPECT_EQ(fresh->Height(), 16);
  EXPECT_EQ(fresh->Width(), 185);

  // Frost's arrows are 17 pixels wide.
  v.bar->SetUIStyle(TSkinUIStyle::Frost);
  EXPECT_EQ(v.bar->Width(), 17);
}

TEST(SkinScrollBar, DrawsRotatedArrowsAndTheSliderFromItsThreeParts) {
  Bar v(kVertical);
  v.form.Show();
  v.bar->SetPageSize(50);  // 50 % of the 167-pixel track
  QImage shot = v.bar->grab().toImage();
  EXPECT_EQ(At(shot, 5, 5), clRed);       // back arrow, normal frame
  EXPECT_EQ(At(shot, 5, 190), clBlue);    // forward arrow, normal frame
  EXPECT_EQ(At(shot, 15, 0), clBlack);    // unrotated: the mark stays at the top right
  EXPECT_EQ(v.SliderLength(), 83);
  EXPECT_EQ(QRgbToColor(v.SliderPicture().pixel(8, 2)), clRed);    // start cap at the top
  EXPECT_EQ(QRgbToColor(v.SliderPicture().pixel(8, 40)), clLime);  // middle stretched
  EXPECT_EQ(QRgbToColor(v.SliderPicture().pixel(8, 80)), clBlue);  // end cap at the bottom
  EXPECT_EQ(At(shot, 8, 16 + 2), clRed);  // the slider sits at the track's start

  Bar h(kHorizontal);
  h.form.Show();
  shot = h.bar->grab().toImage();
  EXPECT_EQ(At(shot, 5, 5), clRed);
  // Turned anticlockwise: the top-right mark goes to the top left... of the
  // frame's first column, which now runs along the top.
  EXPECT_EQ(At(shot, 0, 0), clBlack);
  EXPECT_EQ(QRgbToColor(h.SliderPicture().pixel(2, 8)), clRed);
  EXPECT_EQ(QRgbToColor(h.SliderPicture().pixel(h.SliderLength() - 2, 8)), clBlue);
}

TEST(SkinScrollBar, SliderLengthFollowsLineButtonOrPageSize) {
  Bar v(kVertical);  // track 167 pixels, 168 between the arrows
  struct Case {
    int lineButton, pageSize, max, length, lineButtonAfter;
  };
  const Case cases[] = {
      {5, 2, 100, 18, 18},        // raised to 18, and it keeps the raised value
      {40, 2, 100, 40, 40},       // taken as it is
      {0, 5, 100, 16, 0},         // below 10 %: 10 %
      {0, 40, 100, 66, 0},        // 40 %
      {0, 150, 200, 16, 0},       // above 100 %: 10 %
      {0, 100, 100, 167, 0},      // the whole track
  };
  for (const Case& c : cases) {
    v.bar->SetMax(c.max);
    v.bar->SetPageSize(c.pageSize);
    v.bar->SetLineButton(c.lineButton);
    EXPECT_EQ(v.SliderLength(), c.length) << c.lineButton << " " << c.pageSize;
    EXPECT_EQ(v.bar->LineButton(), c.lineButtonAfter) << c.lineButton;
    v.bar->SetLineButton(0);
  }
  // Longer than the space between the arrows: refused.
  v.bar->SetLineButton(50);
  v.bar->SetLineButton(169);
  EXPECT_EQ(v.bar->LineButton(), 50);
  v.bar->SetLineButton(168);
  EXPECT_EQ(v.bar->LineButton(), 168);
  EXPECT_EQ(v.SliderLength(), 167);  // but never longer than the track

  // A short track keeps both caps and a pixel between them.
  Bar tiny(kVertical, 60);  // track 27 pixels
  tiny.bar->SetPageSize(10);
  EXPECT_EQ(tiny.SliderLength(), 15);
  Bar stub(kVertical, 40);  // track 7 pixels
  EXPECT_EQ(stub.SliderLength(), 7);
}

TEST(SkinScrollBar, ForwardsRangeAndPositionToTheTrackWithItsChangeEvent) {
  Bar h(kHorizontal);
  h.bar->SetPosition(30);
  h.bar->SetPosition(30);  // unchanged: no event
  ASSERT_EQ(h.changes, std::vector<int>{30});
  EXPECT_EQ(h.senders[0], &h.bar->Track());  // the track is the sender
  h.bar->SetMax(20);
  EXPECT_EQ(h.bar->Position(), 20);
  h.bar->SetPageSize(50);  // above Max: refused
  h.bar->SetPageSize(-1);
  EXPECT_EQ(h.bar->PageSize(), 2);
  EXPECT_EQ(h.bar->LargeChange(), 2);
  h.bar->SetMax(70000);
  h.bar->SetPageSize(65539);
  EXPECT_EQ(h.bar->LargeChange(), 3);  // the low 16 bits
  h.bar->SetSmallChange(65536 + 7);
  EXPECT_EQ(h.bar->SmallChange(), 7);
  h.bar->SetPosition(100);
  h.bar->StepForward();
  EXPECT_EQ(h.bar->Position(), 107);
  h.bar->SetSmallChange(1000);
  h.bar->SetPosition(500);
  h.bar->StepBack();
  h.bar->StepBack();
  EXPECT_EQ(h.bar->Position(), 0);  // clamped to Min
}

TEST(SkinScrollBar, HeldArrowsStepUntilReleased) {
  Bar v(kVertical);
  v.form.Show();
  QTest::mousePress(&v.bar->ForwardArrow(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(v.bar->Position(), 0);  // nothing before the first repeat
  ASSERT_TRUE(ProcessEventsUntil([&] { return v.bar->Position() >= 2; }));
  QTest::mouseRelease(&v.bar->ForwardArrow(), Qt::LeftButton, {}, QPoint(5, 5));
  const int stopped = v.bar->Position();
  QTest::qWait(150);
  EXPECT_EQ(v.bar->Position(), stopped);
  QTest::mousePress(&v.bar->BackArrow(), Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(ProcessEventsUntil([&] { return v.bar->Position() < stopped; }));
  QTest::mouseRelease(&v.bar->BackArrow(), Qt::LeftButton, {}, QPoint(5, 5));
}

TEST(SkinScrollBar, StoredPageSizeAboveMaxIsRefusedAndTheThemeGoingTurnsItToMidnight) {
  Fixtures fixtures;
  RegisterSkinClasses();
  TForm form(nullptr);
  form.LoadDescription(
      "object Form1: TForm\n"
      "  object Theme: TSkinFileTheme\n"
      "  end\n"
      "  object S: TSkinScrollBar\n"
      "    FileTheme = Theme\n"
      "    Orientation = skinVertical\n"
      "    UIStyle = Frost\n"
      "    Max = 0\n"
      "    PageSize = 5\n"
      "    Height = 120\n"
      "  end\n"
      "end\n");
  auto* bar = static_cast<TSkinScrollBar*>(form.FindComponent("S"));
  EXPECT_EQ(bar->PageSize(), 2);  // Max came first and refused it
  EXPECT_EQ(bar->Width(), 17);
  delete form.FindComponent("Theme");
  EXPECT_EQ(bar->FileTheme(), nullptr);
  EXPECT_EQ(bar->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(bar->Width(), 16);
}
