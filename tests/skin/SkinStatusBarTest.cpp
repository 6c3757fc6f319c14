#include "skin/SkinStatusBar.h"

#include <gtest/gtest.h>

#include "skin/SkinMgr.h"
#include "tests/skin/SkinFrameTestSupport.h"
#include "windowing/BitmapResources.h"

namespace {

struct BarOnForm {
  explicit BarOnForm(TSkinUIStyle style, TFormBorderStyle border = TFormBorderStyle::bsSizeable) : f(style, border) {
    bar = new TSkinStatusBar(&f.form);
    bar->SetParent(f.skin);
    f.Show();
  }
  QImage Shot() const { return bar->grab().toImage(); }

  TSkinnedForm f;
  TSkinStatusBar* bar;
};

}  // namespace

TEST(SkinStatusBar, TakesTheFormsBackgroundColourFromTheStyle) {
  struct Case {
    TSkinUIStyle style;
    TColor color;
  };
  for (const Case& c : {Case{TSkinUIStyle::Frost, 0xE7E7E7}, Case{TSkinUIStyle::Crystal, 0xFBFBFB},
                        Case{TSkinUIStyle::Midnight, 0xE8E8E8}}) {
    BarOnForm b(c.style);
    EXPECT_EQ(b.bar->UIStyle(), c.style);
    EXPECT_EQ(b.bar->PanelColor(), c.color);
    EXPECT_EQ(b.bar->Align(), TAlign::alBottom);
    EXPECT_EQ(PixelOf(b.Shot(), 1, 1), c.color);
  }
}

TEST(SkinStatusBar, TheGripShowsOnlyOnASizeableSkinnedFormThatIsNotMaximised) {
  BarOnForm b(TSkinUIStyle::Frost);
  const QImage grip = LoadBitmapResource("STATUSBAR_HANDLE");
  ASSERT_EQ(grip.size(), QSize(11, 11));
  const QImage shot = b.Shot();
  const int w = shot.width(), h = shot.height();
  const QRgb key = grip.pixel(0, 10);
  int drawn = 0;
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 11; ++x) {
      if (grip.pixel(x, y) == key) continue;
      EXPECT_EQ(shot.pixel(w - 12 + x, h - 12 + y) | 0xFF000000u, grip.pixel(x, y) | 0xFF000000u);
      ++drawn;
    }
  EXPECT_GT(drawn, 10);
  EXPECT_EQ(b.bar->GripRect(), Rect(w - 7, h - 7, w, h));

  b.f.form.SetWindowState(TWindowState::wsMaximized);
  ProcessEvents();
  b.Shot();
  EXPECT_TRUE(b.bar->GripRect().IsEmpty());

  BarOnForm dialog(TSkinUIStyle::Frost, TFormBorderStyle::bsDialog);
  const QImage plain = dialog.Shot();
  EXPECT_EQ(PixelOf(plain, plain.width() - 4, plain.height() - 4), 0xE7E7E7);
  EXPECT_TRUE(dialog.bar->GripRect().IsEmpty());

  TForm form(nullptr);
  TSkinStatusBar bare(&form);
  bare.SetParent(&form);
  form.Show();
  bare.grab();
  EXPECT_TRUE(bare.GripRect().IsEmpty());
  form.Hide();
}

// The last panel, and the simple text, end a pixel before the grip, so that
// no text lies under it; without a grip they reach the bar's edge.
TEST(SkinStatusBar, TheLastPanelEndsBeforeTheGrip) {
  BarOnForm b(TSkinUIStyle::Frost);
  TSkinStatusBar& bar = *b.bar;
  bar.Panels().Add()->SetWidth(100);
  TStatusPanel& last = *bar.Panels().Add();
  last.SetAlignment(TAlignment::taRightJustify);
  last.SetText("example.com");
  const int w = bar.Width();
  EXPECT_EQ(bar.PanelRect(1).Right, w - 13);
  const QImage shot = b.Shot();
  const TColor face = bar.PanelColor();
  // Right of the panel only the grip and the bar's colour.
  for (int y = 0; y < bar.Height() - 12; ++y)
    for (int x = w - 13; x < w; ++x) EXPECT_EQ(PixelOf(shot, x, y), face) << x << "," << y;
  int ink = 0;  // the text's rightmost column
  for (int y = 3; y < bar.Height() - 1; ++y)
    for (int x = 101; x < w - 13; ++x)
      if (qGray(shot.pixel(x, y)) < 100) ink = std::max(ink, x);
  EXPECT_GT(ink, w - 13 - 8);

  b.f.form.SetWindowState(TWindowState::wsMaximized);
  ProcessEvents();
  EXPECT_EQ(bar.PanelRect(1).Right, bar.Width());
}

TEST(SkinStatusBar, DraggingTheGripSizesTheFormFiveBeyondThePointer) {
  BarOnForm b(TSkinUIStyle::Frost);
  TSkinStatusBar& bar = *b.bar;
  bar.grab();
  const QPoint grip(bar.Width() - 3, bar.Height() - 3);
  MoveMouse(&bar, grip);
  EXPECT_EQ(bar.Cursor(), crSizeNWSE);
  MoveMouse(&bar, QPoint(20, 5));
  EXPECT_EQ(bar.Cursor(), crDefault);

  const QPoint start = bar.mapToGlobal(grip);
  Drag(&bar, grip, {QPoint(40, 25), QPoint(60, 30)});
  const QPoint end = start + QPoint(60, 30);
  EXPECT_EQ(b.f.form.Left() + b.f.form.Width(), end.x() + 5);
  EXPECT_EQ(b.f.form.Top() + b.f.form.Height(), end.y() + 5);
  EXPECT_EQ(bar.Top() + bar.Height(), b.f.skin->Height());  // the bar stays at the foot

  // A press elsewhere never sizes, even when the drag crosses the grip.
  const TRect before = b.f.form.BoundsRect();
  bar.grab();
  const QPoint inside(bar.Width() - 3, bar.Height() - 3);
  Drag(&bar, QPoint(20, 5), {inside - QPoint(20, 5), inside - QPoint(20, 5) + QPoint(30, 30)});
  EXPECT_EQ(b.f.form.BoundsRect(), before);
}

TEST(SkinStatusBar, LosingItsThemeTurnsItToMidnight) {
  BarOnForm b(TSkinUIStyle::Frost);
  auto* theme = new TSkinFileTheme(&b.f.form);
  b.bar->SetFileTheme(theme);
  b.bar->SetUIStyle(TSkinUIStyle::Azure);
  EXPECT_EQ(b.bar->PanelColor(), 0xDEEBEF);
  delete theme;
  EXPECT_EQ(b.bar->FileTheme(), nullptr);
  EXPECT_EQ(b.bar->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(b.bar->PanelColor(), 0xE8E8E8);
}
