// The skinned frame on a desktop: run by frame-xvfb.sh on a private X
// server, the SkinFrameOnDesktop suite alone and again under a window
// manager (openbox), the SkinFrameUnderWindowManager suite only under one.
// The pointer and the keys are the X server's own (xdotool), and where a
// window is, is asked of the X server, not of Qt: these are the places a
// person sees. Screenshots are left under build/shots/.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <chrono>

#include "skin/SkinMainMenu.h"
#include "tests/skin/SkinFrameTestSupport.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/DesktopInput.h"
#include "tests/support/EventLoopWait.h"
#include "tests/support/RealWindowShots.h"
#include "windowing/Action.h"
#include "windowing/MenuItem.h"
#include "windowing/MenuWindow.h"

namespace {

using namespace std::chrono_literals;

constexpr int kControlBox = 0, kMax = 2, kMin = 3;  // the default caption buttons' indexes

// A skinned form in the main window's style with a File menu whose Open
// item runs an action with the short cut Ctrl+O.
struct TMenuForm {
  explicit TMenuForm(TSkinUIStyle style = TSkinUIStyle::Crystal) : f(style, TFormBorderStyle::bsSizeable, Bounds(0, 0, 420, 300)) {
    f.form.SetPosition(TPosition::poDesktopCenter);
    f.skin->SetCaption("Carolune");
    menu = new TSkinMainMenu(&f.form);
    file = AddMenuItem(&f.form, menu->Items(), "&File");
    open = AddMenuItem(&f.form, *file, "&Open");
    AddMenuItem(&f.form, menu->Items(), "&Help");
    actOpen = new TAction(&f.form);
    actOpen->SetCaption("&Open");
    actOpen->SetShortCut(scCtrl | 'O');
    actOpen->OnExecute = [this](TComponent*) { ++opened; };
    open->SetAction(actOpen);
    menu->AttachItemDrawEvents();
  }
  // Where the File button is on the screen, by the X server's place of the window.
  QPoint FileButton(QRect shown) const {
    const TSkinFormMenuBar& bar = *f.skin->MenuBar();
    return shown.topLeft() + bar.Bar().mapTo(&f.form, ToQRect(bar.ButtonRect(*file)).center());
  }
  QRect FileButtonRect() const {
    const TSkinFormMenuBar& bar = *f.skin->MenuBar();
    const QRect r = ToQRect(bar.ButtonRect(*file));
    return QRect(bar.Bar().mapTo(&f.form, r.topLeft()), r.size());
  }

  TSkinnedForm f;
  TSkinMainMenu* menu;
  TMenuItem* file;
  TMenuItem* open;
  TAction* actOpen;
  int opened = 0;
};

class SkinFrameOnDesktop : public testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server (see frame-xvfb.sh)";
  }
  // Shows the form and waits until the X server shows it; where it shows it.
  // A window manager frames the window while the program reads its first
  // events: this is when a window moved at the last moment loses its place.
  static QRect Show(TForm& form) {
    form.Show();
    EXPECT_TRUE(form.windowHandle() && QTest::qWaitForWindowExposed(form.windowHandle()));
    ProcessEventsUntil([] { return false; }, 300ms);
    return ShownAt(form.winId());
  }
  // Makes the form the active window, as a click on it would.
  static void Activate(TForm& form) {
    form.activateWindow();
    ProcessEventsUntil([&] { return form.isActiveWindow(); }, 5s);
    EXPECT_TRUE(form.isActiveWindow());
  }
  // Where the centre of a caption button of the form's title bar is on the screen.
  static QPoint TitleButton(TSkinnedForm& f, int index) {
    TSkinTitleBar& bar = f.bar();
    return ShownAt(f.form.winId()).topLeft() + bar.mapTo(&f.form, ToQRect(bar.Layout().Buttons[index]).center());
  }
  static QMenu* OpenPopup() {
    ProcessEventsUntil([] { return QApplication::activePopupWidget() != nullptr; }, 5s);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }
};

class SkinFrameUnderWindowManager : public SkinFrameOnDesktop {};

}  // namespace

TEST_F(SkinFrameOnDesktop, MenusOpenUnderTheirBarAndTheTitleDragsTheWindowWhateverTheStart) {
  TMenuForm m;
  const QRect shown = Show(m.f.form);
  ASSERT_FALSE(shown.isEmpty());
  // The window is centred, and the form knows where it is.
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_NEAR(shown.center().x(), screen.center().x(), 2);
  EXPECT_EQ(FromQRect(shown), m.f.form.BoundsRect());

  ASSERT_TRUE(ClickAt(m.FileButton(shown)));
  QMenu* popup = OpenPopup();
  ASSERT_NE(popup, nullptr);
  ScreenShot("desktop-file-menu");
  // The drop-down hangs from the File button.
  const QRect button = m.FileButtonRect().translated(shown.topLeft());
  const QRect dropped = ShownAt(popup->winId());
  EXPECT_NEAR(dropped.left(), button.left(), 2) << "the drop-down opened at " << dropped.x() << "," << dropped.y();
  EXPECT_NEAR(dropped.top(), button.bottom() + 1, 2) << "the drop-down opened at " << dropped.x() << "," << dropped.y();
  ASSERT_TRUE(PressKeys("Escape"));
  ASSERT_TRUE(PressKeys("Escape"));
  ProcessEventsUntil([] { return QApplication::activePopupWidget() == nullptr; }, 5s);

  // Dragging the strip moves the window by as much as the pointer moved.
  const QPoint strip = shown.topLeft() + QPoint(200, 10);
  ASSERT_TRUE(DragOnScreen(strip, {strip + QPoint(20, 10), strip + QPoint(60, 40)}));
  ProcessEventsUntil([&] { return ShownAt(m.f.form.winId()).topLeft() == shown.topLeft() + QPoint(60, 40); }, 5s);
  const QRect moved = ShownAt(m.f.form.winId());
  EXPECT_EQ(moved, shown.translated(60, 40));
  EXPECT_EQ(FromQRect(moved), m.f.form.BoundsRect());
  ScreenShot("desktop-moved");
}

TEST_F(SkinFrameOnDesktop, TheMarginsSizeTheWindowOverItsContent) {
  TSkinnedForm f(TSkinUIStyle::Crystal, TFormBorderStyle::bsSizeable, Bounds(200, 150, 420, 300));
  auto* content = new TPanel(&f.form);
  content->SetParent(f.skin);
  f.skin->SetFormPanel(content);
  QRect shown = Show(f.form);
  ASSERT_FALSE(shown.isEmpty());
  // Each press lands on the content (or the title bar) inside a margin, a
  // few pixels from the window's edge; the border itself is one pixel wide.
  struct Case {
    const char* edge;
    QPoint at;       // from the window's top-left, before the drag
    QPoint by;
    QMargins grows;  // left, top, right, bottom
  };
  const Case cases[] = {
      {"right", {417, 150}, {40, 0}, {0, 0, 40, 0}},   {"bottom", {230, 297}, {0, 30}, {0, 0, 0, 30}},
      {"left", {3, 150}, {-25, 0}, {25, 0, 0, 0}},     {"top", {230, 3}, {0, -20}, {0, 20, 0, 0}},
      {"bottom-right", {482, 347}, {-30, -20}, {0, 0, -30, -20}},
  };
  for (const Case& c : cases) {
    ASSERT_NE(f.form.childAt(c.at), nullptr) << c.edge;
    const QPoint from = shown.topLeft() + c.at;
    ASSERT_TRUE(DragOnScreen(from, {from + c.by / 2, from + c.by})) << c.edge;
    const QRect expected = shown.marginsAdded(c.grows);
    ProcessEventsUntil([&] { return ShownAt(f.form.winId()) == expected; }, 5s);
    EXPECT_EQ(ShownAt(f.form.winId()), expected) << c.edge;
    EXPECT_EQ(f.form.BoundsRect(), FromQRect(expected)) << c.edge;
    shown = ShownAt(f.form.winId());
  }
  ScreenShot("desktop-sized");
  // Inside the margins the content keeps the press: nothing is sized.
  const QPoint inside = shown.topLeft() + QPoint(40, 150);
  ASSERT_TRUE(DragOnScreen(inside, {inside + QPoint(30, 30)}));
  EXPECT_EQ(ShownAt(f.form.winId()), shown);
}

TEST_F(SkinFrameOnDesktop, ADoubleClickOnTheTitleBarsIconClosesTheWindow) {
  TSkinnedForm f(TSkinUIStyle::Crystal, TFormBorderStyle::bsSizeable, Bounds(200, 150, 420, 300));
  const QRect shown = Show(f.form);
  ASSERT_FALSE(shown.isEmpty());
  TSkinTitleBar& bar = f.bar();
  ASSERT_EQ(bar.Buttons().Items(kControlBox)->ButtonType(), TSkinTitleBarBtnType::skinControlBox);
  const QPoint icon = TitleButton(f, kControlBox);
  // One click opens the window menu under the bar ...
  ASSERT_TRUE(ClickAt(icon));
  QMenu* menu = OpenPopup();
  ASSERT_NE(menu, nullptr);
  EXPECT_NEAR(ShownAt(menu->winId()).top(), shown.top() + bar.Height(), 2);
  ASSERT_TRUE(PressKeys("Escape"));
  ProcessEventsUntil([] { return QApplication::activePopupWidget() == nullptr; }, 5s);
  EXPECT_TRUE(f.form.isVisible());
  // ... two close the window.
  ProcessEventsUntil([] { return false; }, 600ms);  // no double click with the last one
  ASSERT_TRUE(ClickAt(icon, 2));
  ProcessEventsUntil([&] { return !f.form.isVisible(); }, 5s);
  ScreenShot("desktop-icon-double-click");
  EXPECT_FALSE(f.form.isVisible());
  EXPECT_TRUE(ShownAt(f.form.winId()).isEmpty());
  if (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close();
}

TEST_F(SkinFrameOnDesktop, MenuCaptionsKeepTheirPlaceUnderThePointer) {
  for (const TSkinUIStyle style : {TSkinUIStyle::Crystal, TSkinUIStyle::Silver}) {
    TMenuForm m(style);
    const QRect shown = Show(m.f.form);
    ASSERT_FALSE(shown.isEmpty());
    const QRect button = m.FileButtonRect().translated(shown.topLeft());
    // The rows of the button that the caption's letters take.
    auto captionRows = [&](const QString& name) {
      const QImage shot = ScreenShot(name).copy(button.adjusted(2, 2, -2, -2));
      const QRgb ground = shot.pixel(0, shot.height() / 2);
      int first = -1, last = -1;
      for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
          if (ContrastRatio(QRgbToColor(shot.pixel(x, y)), QRgbToColor(ground)) > 2) {
            if (first < 0) first = y;
            last = y;
          }
      return std::pair(first, last);
    };
    ASSERT_TRUE(Xdo({"mousemove", QString::number(shown.center().x()), QString::number(shown.bottom() - 20)}));
    const auto plain = captionRows("desktop-menu-caption-plain");
    ASSERT_TRUE(Xdo(QStringList{"mousemove"} + XdoPoint(button.center())));
    ProcessEventsUntil([] { return false; }, 300ms);
    const auto hot = captionRows("desktop-menu-caption-hot");
    EXPECT_GE(plain.first, 0);
    EXPECT_EQ(hot, plain) << "style " << static_cast<int>(style);
    m.f.form.Hide();
  }
}

TEST_F(SkinFrameOnDesktop, ShortCutsWorkAfterAMenuIsClosedWithOneEscape) {
  TMenuForm m;
  const QRect shown = Show(m.f.form);
  ASSERT_FALSE(shown.isEmpty());
  Activate(m.f.form);
  ASSERT_TRUE(PressKeys("ctrl+o"));
  ProcessEventsUntil([&] { return m.opened == 1; }, 3s);
  EXPECT_EQ(m.opened, 1);
  ASSERT_TRUE(ClickAt(m.FileButton(shown)));
  ASSERT_NE(OpenPopup(), nullptr);
  ASSERT_TRUE(PressKeys("Escape"));
  ProcessEventsUntil([] { return QApplication::activePopupWidget() == nullptr; }, 5s);
  ASSERT_TRUE(PressKeys("ctrl+o"));
  ProcessEventsUntil([&] { return m.opened == 2; }, 3s);
  EXPECT_EQ(m.opened, 2);
}

TEST_F(SkinFrameOnDesktop, AnInactiveWindowsCaptionReadsInEveryStyle) {
  TForm other(nullptr);
  other.SetBounds(700, 500, 200, 150);
  for (const TSkinUIStyle style : {TSkinUIStyle::Silver, TSkinUIStyle::Azure, TSkinUIStyle::Midnight,
                                   TSkinUIStyle::Crystal, TSkinUIStyle::Frost}) {
    TSkinnedForm f(style, TFormBorderStyle::bsSizeable, Bounds(100, 100, 420, 200));
    const QRect shown = Show(f.form);
    ASSERT_FALSE(shown.isEmpty());
    Show(other);
    Activate(f.form);
    Activate(other);
    ProcessEventsUntil([&] { return !f.bar().FormActive(); }, 5s);
    ASSERT_FALSE(f.bar().FormActive());
    const QRect bar(shown.topLeft() + f.bar().mapTo(&f.form, QPoint(0, 0)), f.bar().size());
    const std::string name = SkinUIStyleNames().NameOf(static_cast<int64_t>(style));
    const QImage strip = SettledScreenShot("desktop-inactive-blank").copy(bar);
    f.skin->SetCaption("Carolune");
    const QImage captioned = SettledScreenShot(QString::fromStdString("desktop-inactive-" + name)).copy(bar);
    EXPECT_GE(CaptionContrast(captioned, strip), 3.0) << name;
    f.form.Hide();
  }
  other.Hide();
}

TEST_F(SkinFrameUnderWindowManager, AWindowRestoredFromMinimisedIsMaximisedAgainAndKeepsItsNormalBounds) {
  TSkinnedForm f(TSkinUIStyle::Midnight, TFormBorderStyle::bsSizeable, Bounds(200, 150, 420, 300));
  const QRect normal = Show(f.form);
  ASSERT_FALSE(normal.isEmpty());
  TSkinTitleBar& bar = f.bar();
  auto button = [&](int index) { return TitleButton(f, index); };
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QImage maximisePicture = bar.Buttons().Items(kMax)->PicNormal().Graphic()->Image();
  ASSERT_TRUE(ClickAt(button(kMax)));
  ProcessEventsUntil([&] { return ShownAt(f.form.winId()) == screen; }, 5s);
  ASSERT_EQ(ShownAt(f.form.winId()), screen);
  const QImage restorePicture = bar.Buttons().Items(kMax)->PicNormal().Graphic()->Image();

  ASSERT_TRUE(ClickAt(button(kMin)));
  ProcessEventsUntil([&] { return ShownAt(f.form.winId()).isEmpty(); }, 5s);
  ASSERT_TRUE(ShownAt(f.form.winId()).isEmpty());
  EXPECT_EQ(f.form.WindowState(), TWindowState::wsMinimized);
  // The task bar's restore: the window manager maps and activates it again.
  ASSERT_TRUE(Xdo({"windowactivate", QString::number(f.form.winId())}));
  ProcessEventsUntil([&] { return !ShownAt(f.form.winId()).isEmpty(); }, 5s);
  ASSERT_TRUE(Xdo({"mousemove", QString::number(screen.center().x()), QString::number(screen.center().y())}));
  EXPECT_EQ(ShownAt(f.form.winId()), screen);
  EXPECT_EQ(f.form.WindowState(), TWindowState::wsMaximized);
  // The maximise button still shows the restore picture.
  const QRect maxButton(button(kMax) - QPoint(restorePicture.width() / 2, restorePicture.height() / 2),
                        restorePicture.size());
  const QImage shown = SettledScreenShot("desktop-restored-maximised").copy(maxButton);
  auto alike = [&](const QImage& picture) {
    int same = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) same += shown.pixel(x, y) == picture.pixel(x, y);
    return same;
  };
  EXPECT_GT(alike(restorePicture), alike(maximisePicture));
  // And restoring gives the bounds it had before it was maximised.
  ASSERT_TRUE(ClickAt(button(kMax)));
  ProcessEventsUntil([&] { return ShownAt(f.form.winId()) == normal; }, 5s);
  EXPECT_EQ(ShownAt(f.form.winId()), normal);
  EXPECT_EQ(f.form.WindowState(), TWindowState::wsNormal);
}
