#include "windowing/Application.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <QTest>

#include "windowing/Bitmap.h"
#include "windowing/CustomControl.h"
#include "windowing/Form.h"
#include "windowing/ImageList.h"
#include "windowing/Timer.h"

namespace {

struct RecordedBox {
  std::string text, caption;
  unsigned flags;
};

class TRecordingBoxes : public TMessageBoxProvider {
 public:
  TRecordingBoxes() : FPrevious(Application().SetMessageBoxProvider(this)) {}
  ~TRecordingBoxes() override { Application().SetMessageBoxProvider(FPrevious); }
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
    boxes.push_back({text, caption, flags});
    return IDOK;
  }
  std::vector<RecordedBox> boxes;

 private:
  TMessageBoxProvider* FPrevious;
};

class TThrower : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
};

}  // namespace

TEST(Application, AnExceptionFromAHandlerEndsInTheErrorBox) {
  TRecordingBoxes boxes;
  const std::string title = Application().Title();
  Application().SetTitle("Carolune");
  TForm form(nullptr);
  auto* control = new TThrower(&form);
  control->SetParent(&form);
  control->SetBounds(0, 0, 40, 20);
  control->OnClick = [](TComponent*) { throw EConvertError("'x' is not a valid integer value"); };
  form.Show();
  QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "'x' is not a valid integer value.");
  EXPECT_EQ(boxes.boxes[0].caption, "Carolune");
  EXPECT_EQ(boxes.boxes[0].flags, MB_OK | MB_ICONERROR);
  form.Hide();
  Application().SetTitle(title);

  const struct {
    const char* message;
    const char* shown;
  } cases[] = {{"Disk full", "Disk full."}, {"Done.", "Done."}, {"Stop!", "Stop!"}, {"(x)", "(x)"},
               {"", ""},                    {"a-", "a-"},     {"a/", "a/."},       {"caf\xC3\xA9", "caf\xC3\xA9."}};
  for (const auto& c : cases) EXPECT_EQ(TApplication::ExceptionText(c.message), c.shown) << c.message;
}

TEST(Application, IdleHandlersChainThePreviousFirst) {
  TApplication& app = Application();
  const TIdleEvent saved = app.OnIdle;
  app.OnIdle = nullptr;
  std::vector<std::string> calls;
  app.ChainIdleHandler([&](TComponent*, bool&) { calls.push_back("first"); });
  app.ChainIdleHandler([&](TComponent* sender, bool& done) {
    calls.push_back("second");
    EXPECT_EQ(sender, &app);
    done = false;
  });
  EXPECT_FALSE(app.DoIdle());
  EXPECT_EQ(calls, (std::vector<std::string>{"first", "second"}));
  calls.clear();
  QTimer::singleShot(0, [] {});  // any message, then the loop goes idle
  // Waits for the idle call, not for a span in which it must come: on a busy
  // machine the loop may not have gone idle within a few milliseconds.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !calls.empty(); }, 10000));
  app.OnIdle = saved;
}

TEST(Application, ShowModalWaitsForAModalResult) {
  TForm form(nullptr);
  std::vector<std::string> calls;
  form.OnCloseQuery = [&](TComponent*, bool& canClose) {
    calls.push_back("query");
    canClose = calls.size() > 1;  // the first try is refused
  };
  TTimer timer(&form);
  timer.SetInterval(1);
  timer.OnTimer = [&](TComponent*) { form.SetModalResult(mrOk); };
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(calls.size(), 2u);
  EXPECT_FALSE(form.Visible());
}

TEST(Timer, IntervalsBelowTenMillisecondsCountAsTen) {
  TTimer timer(nullptr);
  EXPECT_TRUE(timer.Running());
  EXPECT_EQ(timer.EffectiveInterval(), 1000);
  for (int interval : {0, 1, 9}) {
    timer.SetInterval(interval);
    EXPECT_EQ(timer.EffectiveInterval(), 10);
    EXPECT_EQ(timer.Interval(), interval);
  }
  timer.SetInterval(25);
  EXPECT_EQ(timer.EffectiveInterval(), 25);
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Running());
  int ticks = 0;
  timer.OnTimer = [&](TComponent*) { ++ticks; };
  timer.SetInterval(0);
  timer.SetEnabled(true);
  QTest::qWait(5);
  QCoreApplication::processEvents();
  EXPECT_LE(ticks, 1);  // no spinning
}

TEST(ImageList, StripsSplitIntoImagesWithTheirMaskAndGreyWhenDisabled) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  TBitmap strip;
  strip.SetSize(10, 4);  // two images and two columns that make none
  strip.Canvas().Brush.Color = clBlack;
  strip.Canvas().FillRect(Rect(0, 0, 4, 4));
  strip.Canvas().Brush.Color = clRed;
  strip.Canvas().FillRect(Rect(4, 0, 8, 4));
  strip.Canvas().SetPixel(5, 1, clWhite);
  EXPECT_EQ(list.AddMasked(strip, clWhite), 0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(qAlpha(list.Image(1).pixel(1, 1)), 0);

  QImage image(6, 6, QImage::Format_RGB32);
  image.fill(Qt::white);
  TCanvas canvas(image);
  list.Draw(canvas, 1, 1, 1);
  EXPECT_EQ(QRgbToColor(image.pixel(1, 1)), clRed);
  EXPECT_EQ(QRgbToColor(image.pixel(2, 2)), clWhite);  // masked
  list.Draw(canvas, 0, 0, 7);  // outside the list: nothing
  image.fill(Qt::white);
  list.Draw(canvas, 0, 0, 0, false);
  EXPECT_EQ(QRgbToColor(image.pixel(0, 0)), ColorToRGB(clBtnShadow));
  EXPECT_EQ(QRgbToColor(image.pixel(4, 4)), ColorToRGB(clBtnHighlight));

  TBitmap out;
  list.GetBitmap(1, out);
  EXPECT_EQ(out.Canvas().Pixel(1, 1), clWhite);
  EXPECT_EQ(out.Canvas().Pixel(0, 0), clRed);
  TImageList copy(nullptr);
  copy.SetWidth(4);
  copy.SetHeight(4);
  copy.SetBitmapData(list.BitmapData());
  EXPECT_EQ(copy.Count(), 2);
  EXPECT_EQ(qAlpha(copy.Image(1).pixel(1, 1)), 0);
  list.SetWidth(8);  // a new size empties the list
  EXPECT_EQ(list.Count(), 0);
}
