// The skinned frame in a real window: run by frame-xvfb.sh on a private X
// server without a window manager (skipped on any other platform). It reads
// back what the X server shows with ImageMagick's import, and leaves the
// screenshots under build/shots/ for people to look at.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <QWindow>

#include "tests/skin/SkinFrameTestSupport.h"
#include "tests/support/EventLoopWait.h"
#include "tests/support/RealWindowShots.h"

namespace {

class SkinFrameRealWindow : public testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server (see frame-xvfb.sh)";
  }
  static QImage Screen(const QString& name) { return ScreenShot(name); }
  // Waits until the screen shows colour at p; the screen, saved under name.
  static QImage ScreenShowing(const QString& name, QPoint p, TColor color) {
    QImage shot;
    ProcessEventsUntil(
        [&] {
          shot = Screen(name);
          return !shot.isNull() && QRgbToColor(shot.pixel(p)) == color;
        },
        std::chrono::seconds(10));
    return shot;
  }
  static QWindow* Window(TForm& form) {
    form.Show();
    QWindow* window = form.windowHandle();
    EXPECT_TRUE(window && QTest::qWaitForWindowExposed(window));
    return window;
  }
};

}  // namespace

TEST_F(SkinFrameRealWindow, TheWindowShowsWithoutAFrameAndWithRoundedTopCorners) {
  const QImage desktop = Screen("xvfb-desktop");
  ASSERT_FALSE(desktop.isNull());
  TSkinnedForm f(TSkinUIStyle::Azure, TFormBorderStyle::bsSizeable, Bounds(100, 100, 400, 300));
  Window(f.form);
  // The left border, square at the foot, in the style's colour.
  const QImage shot = ScreenShowing("xvfb-azure-window", QPoint(100, 399), 0xC82C00);
  ASSERT_EQ(QRgbToColor(shot.pixel(100, 399)), 0xC82C00);
  EXPECT_EQ(QRgbToColor(shot.pixel(499, 399)), 0xC82C00);
  EXPECT_EQ(QRgbToColor(shot.pixel(101, 250)), 0xC82C00);
  // The top corners are cut out: the desktop shows there.
  EXPECT_EQ(shot.pixel(100, 100), desktop.pixel(100, 100));
  EXPECT_EQ(shot.pixel(499, 100), desktop.pixel(499, 100));
  EXPECT_NE(shot.pixel(300, 101), desktop.pixel(300, 101));
}

TEST_F(SkinFrameRealWindow, DraggingTheTitleMovesTheWindowAndMaximisingFillsTheScreen) {
  TSkinnedForm f(TSkinUIStyle::Midnight, TFormBorderStyle::bsSizeable, Bounds(100, 100, 400, 300));
  f.skin->SetCaption("Carolune");
  QWindow* window = Window(f.form);
  ASSERT_NE(window, nullptr);
  ScreenShowing("xvfb-midnight-window", QPoint(100, 250), clBlack);
  // Press on the bare strip and drag: no window manager moves it, the frame does.
  // The pointer's place on the screen stays put once the window has followed it.
  const QPoint strip(200, 15), end = window->mapToGlobal(strip) + QPoint(60, 40);
  QTest::mousePress(window, Qt::LeftButton, {}, strip);
  QTest::mouseMove(window, window->mapFromGlobal(end));
  QTest::mouseRelease(window, Qt::LeftButton, {}, window->mapFromGlobal(end));
  ProcessEvents();
  EXPECT_EQ(f.form.BoundsRect(), Bounds(160, 140, 400, 300));
  QImage shot = ScreenShowing("xvfb-midnight-moved", QPoint(160, 290), clBlack);
  EXPECT_EQ(QRgbToColor(shot.pixel(160, 290)), clBlack);  // the left border, where it went

  // The maximise button: the window covers the screen (here the work area) and comes back.
  const QPoint max = ToQRect(f.bar().Layout().Buttons[2]).center() + QPoint(f.skin->Left(), 0);
  QTest::mouseMove(window, max);
  QTest::mouseClick(window, Qt::LeftButton, {}, max);
  ProcessEvents();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(f.form.BoundsRect(), FromQRect(screen));
  shot = ScreenShowing("xvfb-midnight-maximised", QPoint(screen.right(), screen.bottom()), clBlack);
  EXPECT_EQ(QRgbToColor(shot.pixel(screen.right(), screen.bottom())), clBlack);
  f.form.SetWindowState(TWindowState::wsNormal);
  ProcessEvents();
  EXPECT_EQ(f.form.BoundsRect(), Bounds(160, 140, 400, 300));
}
