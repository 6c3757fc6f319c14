#include "skin/SkinTrackBar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QTest>

#include "skin/SkinClasses.h"
#include "skin/SkinForm.h"
#include "skin/SkinImagePanel.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/EventLoopWait.h"
#include "windowing/BitmapResources.h"
#include "windowing/Form.h"
#include "windowing/Keys.h"

namespace {

// A 45 x 4 bar of solid thirds and an 11 x 20 slider, as Midnight's.
struct Fixtures {
  Fixtures() {
    QImage bar = Strip(15, 4, {clRed, clLime, clBlue});
    bar.setPixel(0, 0, ColorToQRgb(clSkinKey));  // a keyed end
    table.Add("MIDNIGHT_TRACKBAR_BAR", bar);
    table.Add("MIDNIGHT_TRACKBAR_SLIDER", Strip(11, 20, {clNavy}));
    table.Add("MIDNIGHT_TRACKBAR_SLIDER_V", Strip(18, 11, {clTeal}));
    table.Add("SILVER_TRACKBAR_BAR", Strip(15, 5, {clRed, clLime, clBlue}));
    table.Add("SILVER_TRACKBAR_SLIDER", Strip(11, 20, {clNavy}));
  }
  TBitmapResourceTable table;
  TScopedBitmapResources scoped{table};
};

struct Bar {
  explicit Bar(int width = 240) {
    form.SetBounds(0, 0, 400, 200);
    bar = Make<TSkinTrackBar>(form, form, "T");
    bar->SetBounds(0, 0, width, 20);
    bar->OnChange = [this](TComponent*) { changes.push_back(bar->Position()); };
  }
  TSkinImagePanel& Slider() const { return *static_cast<TSkinImagePanel*>(bar->Controls(0)); }
  Fixtures fixtures;
  TForm form{nullptr};
  TSkinTrackBar* bar;
  std::vector<int> changes;
};

void MoveHeld(QWidget& widget, QPoint p) {
  QMouseEvent event(QEvent::MouseMove, QPointF(p), widget.mapToGlobal(QPointF(p)), Qt::NoButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

}  // namespace

TEST(SkinTrackBar, PlacesTheSliderAndMapsPointsToValues) {
  Bar b;
  EXPECT_EQ(b.bar->Height(), 20);  // the larger of bar and slider
  EXPECT_EQ(b.Slider().Width(), 11);
  b.bar->SetMax(100);
  b.bar->SetPosition(50);
  EXPECT_EQ(b.bar->GetSliderPos(), Point(114, 0));
  EXPECT_EQ(b.Slider().Left(), 114);
  EXPECT_EQ(b.bar->PointToPosition(120, 5), 50);  // Round(115 * 100 / 229)
  // Halves go to the even value: (X - 5) * 100 / 229 = 0.5 needs a bar where it is exact.
  b.bar->SetBounds(0, 0, 211, 20);  // 200 pixels of travel
  EXPECT_EQ(b.bar->PointToPosition(6, 0), 0);   // 0.5
  EXPECT_EQ(b.bar->PointToPosition(8, 0), 2);   // 1.5
  EXPECT_EQ(b.bar->PointToPosition(-100, 0), -52);  // -52.5, not clamped
  b.bar->SetBounds(0, 0, 11, 20);
  EXPECT_EQ(b.bar->PointToPosition(300, 0), 0);  // the slider fills the bar

  // A range of a long tune in milliseconds does not overflow.
  b.bar->SetBounds(0, 0, 1011, 20);
  b.bar->SetMax(3'000'000);
  b.bar->SetPosition(3'000'000);
  EXPECT_EQ(b.bar->GetSliderPos().X, 1000);
  b.bar->SetPosition(1'500'000);
  EXPECT_EQ(b.bar->GetSliderPos().X, 500);
}

TEST(SkinTrackBar, SettersClampAndRefuseAndOnChangeFiresOnEveryChange) {
  Bar b;
  b.bar->SetPosition(7);
  b.bar->SetPosition(7);
  b.bar->SetPosition(25);
  EXPECT_EQ(b.bar->Position(), 10);
  b.bar->SetMin(12);  // above Max: Min becomes Max, Position follows
  EXPECT_EQ(b.bar->Min(), 10);
  b.bar->SetMin(0);
  b.bar->SetMax(-5);  // below Min: Max becomes Min, Position follows
  EXPECT_EQ(b.bar->Max(), 0);
  EXPECT_EQ(b.bar->Position(), 0);
  EXPECT_EQ(b.changes, (std::vector<int>{7, 10, 0}));
  b.bar->SetMax(10);
  b.bar->SetPageSize(20);
  b.bar->SetLineSize(-1);
  EXPECT_EQ(b.bar->PageSize(), 2);
  EXPECT_EQ(b.bar->LineSize(), 1);
  b.bar->SetPageSize(10);
  EXPECT_EQ(b.bar->PageSize(), 10);
}

TEST(SkinTrackBar, AnswersTheKeys) {
  Bar b;
  b.bar->SetMax(100);
  b.bar->SetPageSize(10);
  b.bar->SetLineSize(3);
  b.bar->SetPosition(50);
  EXPECT_EQ(b.bar->DialogCode(), DLGC_WANTARROWS);
  struct Case {
    int key;
    int position;
  };
  for (const Case& c : {Case{Qt::Key_PageUp, 40}, Case{Qt::Key_PageDown, 50}, Case{Qt::Key_Left, 47}, Case{Qt::Key_Down, 50},
                        Case{Qt::Key_Up, 47}, Case{Qt::Key_Right, 50}, Case{Qt::Key_End, 100}, Case{Qt::Key_Home, 0}}) {
    QTest::keyClick(b.bar, static_cast<Qt::Key>(c.key));
    EXPECT_EQ(b.bar->Position(), c.position) << c.key;
  }
}

TEST(SkinTrackBar, TicksAtEveryFrequencyValueAndMaxAtMostOnePerPixel) {
  Bar b(111);  // 100 pixels of travel
  b.form.SetColor(clWhite);
  b.bar->SetColor(clWhite);
  b.bar->SetFrequency(3);
  auto ticks = [&] {
    const QImage shot = b.bar->grab().toImage();
    std::vector<int> at;
    for (int x = 0; x < shot.width(); ++x)
      if (At(shot, x, 19) == clBlack) at.push_back(x);
    return at;
  };
  b.Slider().SetVisible(false);
  EXPECT_EQ(ticks(), (std::vector<int>{5, 35, 65, 95, 105}));  // 0, 3, 6, 9, 10
  b.bar->SetFrequency(0);
  EXPECT_EQ(ticks(), (std::vector<int>{5, 105}));
  b.bar->SetShowTick(false);
  EXPECT_TRUE(ticks().empty());
  b.bar->SetShowTick(true);
  b.bar->SetMin(5);
  b.bar->SetMax(5);
  EXPECT_TRUE(ticks().empty());
  // Hundreds of thousands of values: one tick in every pixel of the travel.
  b.bar->SetMax(180'005);
  b.bar->SetFrequency(1);
  std::vector<int> every;
  for (int x = 5; x <= 105; ++x) every.push_back(x);
  EXPECT_EQ(ticks(), every);
  b.bar->SetFrequency(60'000);
  EXPECT_EQ(ticks(), (std::vector<int>{5, 38, 71, 105}));
}

TEST(SkinTrackBar, PagesTowardTheHeldPointerAndStopsUnderIt) {
  Bar b;
  b.form.Show();
  b.bar->SetMax(100);
  b.bar->SetPageSize(10);
  // The slider's centre comes to rest under x = 200: value Round(195 * 100 / 229) = 85.
  QCursor::setPos(b.bar->mapToGlobal(QPoint(200, 5)));
  QTest::mousePress(b.bar, Qt::LeftButton, {}, QPoint(200, 5));
  EXPECT_EQ(b.bar->Position(), 10);
  THangGuard guard("track bar paging");
  ASSERT_TRUE(ProcessEventsUntil([&] { return b.bar->Position() == 85; }));
  QTest::mouseRelease(b.bar, Qt::LeftButton, {}, QPoint(200, 5));
  EXPECT_EQ(b.changes, (std::vector<int>{10, 40, 70, 85}));
  // A press left of the slider pages back.
  QTest::mousePress(b.bar, Qt::LeftButton, {}, QPoint(10, 5));
  QTest::mouseRelease(b.bar, Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_EQ(b.bar->Position(), 75);
}

TEST(SkinTrackBar, DraggingTheSliderFollowsThePointerAndEndsWithMouseUp) {
  Bar b;
  b.form.Show();
  b.bar->SetMax(100);
  int ups = 0;
  b.bar->OnMouseUp = [&](TComponent* sender, TMouseButton, TShiftState, int x, int) {
    EXPECT_EQ(sender, b.bar);
    EXPECT_EQ(x, 120);
    ++ups;
  };
  TSkinImagePanel& slider = b.Slider();
  QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(5, 5));
  MoveHeld(slider, QPoint(120 - slider.Left(), 5));
  EXPECT_EQ(b.bar->Position(), 50);
  EXPECT_EQ(slider.Left(), 114);
  EXPECT_EQ(b.changes, (std::vector<int>{50}));
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(120 - slider.Left(), 5));
  EXPECT_EQ(ups, 1);
  MoveHeld(slider, QPoint(0, 5));  // no longer dragging
  EXPECT_EQ(b.bar->Position(), 50);
}

TEST(SkinTrackBar, TakesTheStylePicturesAndKeepsTransparentAfterSilver) {
  Bar b;
  // The bar: thirds red, stretched lime, blue; centred in the height.
  b.Slider().SetVisible(false);
  const QImage shot = b.bar->grab().toImage();
  EXPECT_EQ(At(shot, 2, 9), clRed);
  EXPECT_EQ(At(shot, 120, 9), clLime);
  EXPECT_EQ(At(shot, 237, 10), clBlue);
  b.bar->SetColor(clYellow);  // shows in the keyed end
  EXPECT_EQ(At(b.bar->grab().toImage(), 0, 8), clYellow);
  b.bar->SetOrientation(TSkinProgressBarOrientation::skinVertical);
  EXPECT_EQ(b.bar->Width(), 18);
  EXPECT_EQ(b.Slider().Height(), 11);

  b.bar->SetOrientation(TSkinProgressBarOrientation::skinHorizontal);
  b.bar->SetUIStyle(TSkinUIStyle::Silver);
  EXPECT_TRUE(b.bar->Transparent());
  b.bar->SetUIStyle(TSkinUIStyle::Midnight);
  EXPECT_TRUE(b.bar->Transparent());

  // A bar image given by code gives way to the style's at the next layout;
  // the scroll bar's track keeps what it is given.
  TBitmap given;
  given.SetImage(Strip(3, 9, {clGreen, clGreen, clGreen}));
  b.bar->SetBarImage(&given);
  EXPECT_EQ(b.bar->BarImage().Height(), 4);
  auto* track = Make<TSkinScrollTrackBar>(b.form, b.form);
  EXPECT_TRUE(track->BarImage().Graphic() == nullptr || track->BarImage().Empty());
  TBitmap slider;
  slider.SetImage(Strip(5, 7, {clGreen}));
  track->SetSliderImage(&slider);
  track->AutoSizeSlider();
  track->SetBarImage(&given);
  track->SetBounds(0, 50, 100, 10);
  EXPECT_EQ(track->BarImage().Height(), 9);
  EXPECT_EQ(track->Height(), 9);
  track->SetSliderVisible(false);
  EXPECT_FALSE(track->GetSliderVisible());
}

TEST(SkinTrackBar, LoadsFromADescriptionAndTakesTheFormStyle) {
  RegisterSkinClasses();
  TForm form(nullptr);
  AddSkinForm(form, TSkinUIStyle::Azure);
  auto* bar = Make<TSkinTrackBar>(form, form);
  EXPECT_EQ(bar->UIStyle(), TSkinUIStyle::Azure);
  EXPECT_EQ(bar->Height(), 21);  // Azure's slider

  TForm loaded(nullptr);
  loaded.LoadDescription(
      "object F: TForm\n  object Volume: TSkinTrackBar\n    Orientation = skinVertical\n    UIStyle = Crystal\n"
      "    Max = 255\n    Position = 128\n    PageSize = 300\n    Height = 100\n  end\nend\n");
  auto* volume = static_cast<TSkinTrackBar*>(loaded.FindComponent("Volume"));
  EXPECT_EQ(volume->Orientation(), TSkinProgressBarOrientation::skinVertical);
  EXPECT_EQ(volume->Position(), 128);
  EXPECT_EQ(volume->PageSize(), 2);
  EXPECT_EQ(volume->Width(), 18);
}
