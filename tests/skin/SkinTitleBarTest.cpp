#include "skin/SkinTitleBar.h"

#include <gtest/gtest.h>

#include <QMenu>

#include "skin/SkinMgr.h"
#include "tests/skin/SkinFrameTestSupport.h"
#include "windowing/Bitmap.h"
#include "windowing/MenuWindow.h"
#include "windowing/PopupMenu.h"

namespace {

constexpr int kClose = 1, kMax = 2, kMin = 3, kControlBox = 0;  // the default buttons' indexes

// Eighteen 19 x 19 caption-button frames, each its own colour.
TColor FrameColor(int frame) { return RGB(12 * frame, 250 - 12 * frame, 90 + frame); }
std::vector<TColor> FrameColors() {
  std::vector<TColor> colors;
  for (int f = 1; f <= 18; ++f) colors.push_back(FrameColor(f));
  return colors;
}

struct FixtureButtons {
  FixtureButtons() { resources.Add("MIDNIGHT_TITLEBTN", SolidStrip(19, 19, FrameColors())); }
  TOverlayResources resources;
  TScopedBitmapResources scope{resources};
};

QPoint Centre(const TRect& r) { return ToQRect(r).center(); }

// A picture of one colour.
struct SolidPicture {
  SolidPicture(int w, int h, TColor color) {
    picture.Bitmap().SetSize(w, h);
    picture.Bitmap().Canvas().Brush.Color = color;
    picture.Bitmap().Canvas().FillRect(Rect(0, 0, w, h));
  }
  operator const TPicture&() const { return picture; }
  TPicture picture;
};

TColor BarPixel(TSkinTitleBar& bar, QPoint p) { return PixelOf(bar.grab().toImage(), p.x(), p.y()); }

}  // namespace

TEST(SkinTitleBar, ButtonsAndCaptionTakeTheirPlacesFromTheStyle) {
  struct Case {
    TSkinUIStyle style;
    int height, top, close, max, min, controlBox, captionLeft, minWidth;
  };
  const Case cases[] = {{TSkinUIStyle::Midnight, 32, 2, 381, 361, 341, 0, 24, 130},
                        {TSkinUIStyle::Azure, 29, 5, 377, 355, 333, 2, 28, 150}};
  for (const Case& c : cases) {
    TSkinnedForm f(c.style);
    f.form.SetWidth(400 + 2 * f.skin->BorderWidth());
    f.skin->UpdateLayout();
    ASSERT_EQ(f.bar().Width(), 400);
    EXPECT_EQ(f.bar().Height(), c.height);
    const TSkinTitleBarLayout layout = f.bar().Layout();
    EXPECT_EQ(layout.Buttons[kClose].Left, c.close);
    EXPECT_EQ(layout.Buttons[kMax].Left, c.max);
    EXPECT_EQ(layout.Buttons[kMin].Left, c.min);
    for (const int i : {kClose, kMax, kMin, kControlBox}) EXPECT_EQ(layout.Buttons[i].Top, c.top);
    EXPECT_EQ(layout.ControlBox, kControlBox);
    EXPECT_EQ(layout.Buttons[kControlBox].Left, c.controlBox);
    EXPECT_EQ(layout.CaptionLeft, c.captionLeft);
    EXPECT_EQ(layout.CaptionRight, c.min);
    EXPECT_EQ(f.form.Constraints().MinWidth(), c.minWidth);
  }
}

TEST(SkinTitleBar, TheCaptionStartsAfterTheControlBoxOrTheIcon) {
  TSkinnedForm f(TSkinUIStyle::Midnight);
  f.bar().SetDrawAppIcon(true);
  EXPECT_EQ(f.bar().Layout().CaptionLeft, 21);
  f.bar().Buttons().Items(kControlBox)->SetVisible(false);
  EXPECT_EQ(f.bar().Layout().CaptionLeft, 6);
  EXPECT_EQ(f.bar().Layout().ControlBox, -1);
}

TEST(SkinTitleBar, ALongCaptionIsShortenedWithDots) {
  QImage image(1, 1, QImage::Format_RGB32);
  TCanvas canvas(image);
  canvas.Font.SetName("Tahoma");
  canvas.Font.SetStyle(fsBold);
  const std::string caption = "Carolune - a very long ringtone name.mid";
  EXPECT_EQ(ShortenTitleCaption(canvas, caption, canvas.TextWidth(caption)), caption);
  for (const int width : {150, 80, 40}) {
    const std::string shown = ShortenTitleCaption(canvas, caption, width);
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_LE(canvas.TextWidth(shown), width);
    const std::string prefix = shown.substr(0, shown.size() - 3);
    EXPECT_EQ(caption.compare(0, prefix.size(), prefix), 0);
    EXPECT_GT(canvas.TextWidth(caption.substr(0, prefix.size() + 1) + "..."), width);  // the longest that fits
  }
  // When not even the dots fit, shortening still ends.
  EXPECT_EQ(ShortenTitleCaption(canvas, caption, 0), "...");
  EXPECT_EQ(ShortenTitleCaption(canvas, "", -5), "");
  EXPECT_EQ(ShortenTitleCaption(canvas, "Größe", 1), "...");
}

TEST(SkinTitleBar, ButtonsShowTheirHoverAndPressedPictures) {
  FixtureButtons fixture;
  TSkinnedForm f(TSkinUIStyle::Midnight);
  f.Show();
  TSkinTitleBar& bar = f.bar();
  const TSkinTitleBarLayout layout = bar.Layout();
  const QPoint close = Centre(layout.Buttons[kClose]), min = Centre(layout.Buttons[kMin]);
  EXPECT_EQ(BarPixel(bar, close), FrameColor(16));
  EXPECT_EQ(BarPixel(bar, min), FrameColor(13));
  EXPECT_EQ(BarPixel(bar, Centre(layout.Buttons[kMax])), FrameColor(7));
  EXPECT_EQ(BarPixel(bar, Centre(layout.Buttons[kControlBox])), FrameColor(1));
  MoveMouse(&bar, close);
  EXPECT_EQ(bar.HotButton(), kClose);
  EXPECT_EQ(BarPixel(bar, close), FrameColor(17));
  EXPECT_EQ(BarPixel(bar, min), FrameColor(13));
  QTest::mousePress(&bar, Qt::LeftButton, {}, close);
  EXPECT_EQ(BarPixel(bar, close), FrameColor(18));
  // Sliding off and releasing elsewhere clicks nothing.
  MoveMouse(&bar, min, Qt::LeftButton);
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, min);
  EXPECT_TRUE(f.form.Visible());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&bar, &leave);
  EXPECT_EQ(bar.HotButton(), -1);
  EXPECT_EQ(BarPixel(bar, close), FrameColor(16));
}

TEST(SkinTitleBar, CustomAndHelpButtonsReportTheirClicks) {
  TSkinnedForm f(TSkinUIStyle::Midnight);
  f.Show();
  TSkinTitleBar& bar = f.bar();
  TSkinTitleBarButton* help = bar.Buttons().Add();
  help->SetButtonType(TSkinTitleBarBtnType::skinHelp);
  TSkinTitleBarButton* custom = bar.Buttons().Add();
  custom->SetPicNormal(SolidPicture(15, 15, clRed));
  std::vector<std::string> events;
  bar.OnCustomBtnsClick = [&](TComponent* sender, int index) {
    EXPECT_EQ(sender, &bar);
    events.push_back("custom " + std::to_string(index));
  };
  bar.OnHelpBtnClick = [&](TComponent*, int index) { events.push_back("help " + std::to_string(index)); };
  const TSkinTitleBarLayout layout = bar.Layout();
  for (const int i : {help->Index(), custom->Index(), kMin}) {
    MoveMouse(&bar, Centre(layout.Buttons[i]));
    QTest::mouseClick(&bar, Qt::LeftButton, {}, Centre(layout.Buttons[i]));
  }
  EXPECT_EQ(events, (std::vector<std::string>{"help 4", "custom 5"}));
  MoveMouse(&bar, Centre(layout.Buttons[kClose]));
  QTest::mouseClick(&bar, Qt::LeftButton, {}, Centre(layout.Buttons[kClose]));
  EXPECT_FALSE(f.form.Visible());
}

TEST(SkinTitleBar, AHiddenButtonTakesNoRoomAndNoClicksButStillCounts) {
  TScopedWorkArea area(Rect(0, 0, 800, 700));
  TSkinnedForm f(TSkinUIStyle::Midnight);
  f.form.SetWidth(402);
  f.Show();
  TSkinTitleBar& bar = f.bar();
  TSkinTitleBarButton* max = bar.Buttons().Items(kMax);
  max->SetVisible(false);
  TSkinTitleBarLayout layout = bar.Layout();
  EXPECT_TRUE(layout.Buttons[kMax].IsEmpty());
  EXPECT_EQ(layout.Buttons[kMin].Left, 361);
  MoveMouse(&bar, QPoint(341 + 9, 10));  // where the minimise button stood
  EXPECT_EQ(bar.HotButton(), -1);
  bar.WindowMenu().UpdateItems();
  EXPECT_TRUE(bar.WindowMenu().Items().Items(1)->Enabled());
  // A double click on the bare strip still maximises through it.
  QTest::mouseDClick(&bar, Qt::LeftButton, {}, QPoint(200, 15));
  EXPECT_EQ(f.form.WindowState(), TWindowState::wsMaximized);
  EXPECT_EQ(f.form.BoundsRect(), Rect(0, 0, 800, 700));
  QTest::mouseDClick(&bar, Qt::LeftButton, {}, QPoint(200, 15));
  EXPECT_EQ(f.form.WindowState(), TWindowState::wsNormal);
  EXPECT_EQ(f.form.BoundsRect(), Bounds(100, 50, 402, 300));
}

TEST(SkinTitleBar, TheMaximiseButtonShowsRestoreWhileTheFormIsMaximised) {
  FixtureButtons fixture;
  TScopedWorkArea area(Rect(0, 0, 800, 700));
  TSkinnedForm f(TSkinUIStyle::Midnight);
  f.Show();
  TSkinTitleBar& bar = f.bar();
  const QPoint max = Centre(bar.Layout().Buttons[kMax]);
  MoveMouse(&bar, max);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, max);
  EXPECT_EQ(f.form.WindowState(), TWindowState::wsMaximized);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&bar, &leave);
  EXPECT_EQ(BarPixel(bar, Centre(bar.Layout().Buttons[kMax])), FrameColor(10));
  f.form.SetWindowState(TWindowState::wsNormal);
  ProcessEvents();
  EXPECT_EQ(BarPixel(bar, Centre(bar.Layout().Buttons[kMax])), FrameColor(7));
}

TEST(SkinTitleBar, TheWindowMenuOffersWhatTheButtonsDo) {
  TScopedWorkArea area(Rect(0, 0, 800, 700));
  TSkinnedForm f(TSkinUIStyle::Crystal);
  f.Show();
  TSkinTitleBar& bar = f.bar();
  TSkinTitleBarPopupMenu& menu = bar.WindowMenu();
  ASSERT_EQ(menu.Items().Count(), 4);
  EXPECT_EQ(menu.Items().Items(0)->Caption(), "最小化(&N)");
  EXPECT_EQ(menu.Items().Items(1)->Caption(), "最大化/还原(&X)");
  EXPECT_TRUE(menu.Items().Items(2)->IsLine());
  EXPECT_EQ(menu.Items().Items(3)->Caption(), "关闭(&C)");
  EXPECT_EQ(menu.UIStyle(), TSkinUIStyle::Crystal);
  EXPECT_TRUE(menu.Items().Items(0)->OnAdvancedDrawItem);

  menu.Items().Items(1)->Click();
  EXPECT_EQ(f.form.WindowState(), TWindowState::wsMaximized);
  menu.Items().Items(1)->Click();
  EXPECT_EQ(f.form.WindowState(), TWindowState::wsNormal);

  // The control box without a menu of its own opens it under the bar.
  const QPoint box = Centre(bar.Layout().Buttons[kControlBox]);
  MoveMouse(&bar, box);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, box);
  QMenu& window = menu.Window();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.pos(), bar.mapToGlobal(QPoint(0, bar.Height())));
  window.hide();

  bar.Buttons().Delete(kMax);
  menu.UpdateItems();
  EXPECT_TRUE(menu.Items().Items(0)->Enabled());
  EXPECT_FALSE(menu.Items().Items(1)->Enabled());
  EXPECT_TRUE(menu.Items().Items(3)->Enabled());
  menu.Items().Items(3)->Click();
  EXPECT_FALSE(f.form.Visible());
}

TEST(SkinTitleBar, TheControlBoxOpensItsOwnMenuAndClosesTheFormOnADoubleClick) {
  TSkinnedForm f(TSkinUIStyle::Midnight);
  f.Show();
  TSkinTitleBar& bar = f.bar();
  auto* own = new TPopupMenu(&f.form);
  auto* item = new TMenuItem(&f.form);
  item->SetCaption("Own");
  own->Items().Add(item);
  TSkinTitleBarButton* box = bar.Buttons().Items(kControlBox);
  box->SetControlBoxMenu(own);
  const QPoint p = Centre(bar.Layout().Buttons[kControlBox]);
  MoveMouse(&bar, p);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, p);
  EXPECT_TRUE(own->Window().isVisible());
  EXPECT_FALSE(bar.WindowMenu().Window().isVisible());
  own->Window().hide();
  delete own;
  EXPECT_EQ(box->ControlBoxMenu(), nullptr);
  QTest::mouseDClick(&bar, Qt::LeftButton, {}, p);
  bar.WindowMenu().Window().hide();
  EXPECT_FALSE(f.form.Visible());
}

TEST(SkinTitleBar, TheCaptionColourFollowsTheStyleButNotTheTheme) {
  TSkinnedForm f(TSkinUIStyle::Midnight);
  TSkinTitleBar& bar = f.bar();
  EXPECT_EQ(bar.Font().Color(), clWhite);
  EXPECT_EQ(bar.Font().Name(), "Tahoma");
  EXPECT_EQ(bar.Font().Style(), fsBold);
  bar.SetUIStyle(TSkinUIStyle::Silver);
  EXPECT_EQ(bar.Font().Color(), clBlack);
  auto* theme = new TSkinFileTheme(&f.form);
  bar.Font().SetColor(clRed);
  bar.SetFileTheme(theme);
  EXPECT_EQ(bar.Font().Color(), clRed);
  bar.SetUIStyle(TSkinUIStyle::Azure);
  EXPECT_EQ(bar.Font().Color(), clWhite);
  bar.SetUIStyle(TSkinUIStyle::Silver);
  delete theme;
  EXPECT_EQ(bar.FileTheme(), nullptr);
  EXPECT_EQ(bar.UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(bar.Font().Color(), clWhite);
}

TEST(SkinTitleBar, AnInactiveFormsCaptionFadesButStillReadsInEveryStyle) {
  for (const TSkinUIStyle style : {TSkinUIStyle::Silver, TSkinUIStyle::Azure, TSkinUIStyle::Midnight,
                                   TSkinUIStyle::Crystal, TSkinUIStyle::Frost}) {
    TSkinnedForm f(style);
    f.Show();
    TSkinTitleBar& bar = f.bar();
    auto contrast = [&](bool active) {
      bar.SetFormActive(active);
      bar.SetCaption("");
      const QImage strip = bar.grab().toImage();
      bar.SetCaption("Carolune");
      return CaptionContrast(bar.grab().toImage(), strip);
    };
    const double active = contrast(true), inactive = contrast(false);
    const std::string name = SkinUIStyleNames().NameOf(static_cast<int64_t>(style));
    EXPECT_GE(inactive, std::min(3.0, active) - 0.1) << name;
    // Where the active caption reads well, the inactive one is dimmer.
    if (active > 4) {
      EXPECT_LT(inactive, active) << name;
    }
  }
}

TEST(SkinTitleBar, RoundedStylesOutlineTheTopUnlessAzure) {
  for (const auto& [style, outlined] : {std::pair{TSkinUIStyle::Frost, true}, std::pair{TSkinUIStyle::Azure, false},
                                        std::pair{TSkinUIStyle::Midnight, false}}) {
    TSkinnedForm f(style);
    f.Show();
    TSkinTitleBar& bar = f.bar();
    const QImage shot = bar.grab().toImage();
    int black = 0;
    for (int x = 150; x < 250; ++x) black += PixelOf(shot, x, 0) == clBlack;
    EXPECT_EQ(black, outlined ? 100 : 0) << static_cast<int>(style);
  }
}

TEST(SkinTitleBar, SectionsLieLeftRightAndBetween) {
  TSkinnedForm f(TSkinUIStyle::Midnight);
  f.Show();
  TSkinTitleBar& bar = f.bar();
  bar.SetCustom(true);
  bar.Sections().Clear();
  auto add = [&](TColor color, int width, TSkinTitleBarAlign align) {
    TSkinTitleBarSection* s = bar.Sections().Add();
    s->SetAlign(align);
    s->SetPicture(SolidPicture(width, 40, color));
    s->SetAutoSize(true);
    return s;
  };
  add(clRed, 20, TSkinTitleBarAlign::skinLeft);
  add(clGreen, 5, TSkinTitleBarAlign::skinClient);
  add(clBlue, 30, TSkinTitleBarAlign::skinRight);
  bar.Buttons().Clear();
  const int w = bar.Width();
  const QImage shot = bar.grab().toImage();
  EXPECT_EQ(PixelOf(shot, 0, 10), clRed);
  EXPECT_EQ(PixelOf(shot, 19, 10), clRed);
  EXPECT_EQ(PixelOf(shot, 20, 10), clGreen);
  EXPECT_EQ(PixelOf(shot, w - 31, 10), clGreen);
  EXPECT_EQ(PixelOf(shot, w - 30, 10), clBlue);
  EXPECT_EQ(PixelOf(shot, w - 1, 10), clBlue);
  EXPECT_TRUE(bar.Sections().Items(1)->Stretch());

  // AutoSize takes the first section's picture height, with or without the flag.
  bar.SetHeight(50);
  bar.SetAutoSize(false);
  EXPECT_EQ(bar.Height(), 40);
  bar.Sections().Clear();
  bar.SetHeight(50);
  bar.SetAutoSize(true);
  EXPECT_FALSE(bar.AutoSize());
  EXPECT_EQ(bar.Height(), 50);
}

TEST(SkinTitleBar, OnlyOneControlBoxAndOneClientSection) {
  TSkinnedForm f(TSkinUIStyle::Midnight);
  TMessageRecorder messages;
  TSkinTitleBar& bar = f.bar();
  bar.Buttons().Items(kMin)->SetButtonType(TSkinTitleBarBtnType::skinControlBox);
  EXPECT_EQ(bar.Buttons().Items(kMin)->ButtonType(), TSkinTitleBarBtnType::skinMin);
  bar.Buttons().Items(kControlBox)->SetButtonType(TSkinTitleBarBtnType::skinControlBox);
  TSkinTitleBarSection* left = bar.Sections().Items(0);
  left->SetAlign(TSkinTitleBarAlign::skinClient);
  EXPECT_EQ(left->Align(), TSkinTitleBarAlign::skinLeft);
  EXPECT_FALSE(left->Stretch());
  const std::vector<std::string> expected{"Sorry, only one button's ButtonType property can be \"skinControlBox\"",
                                          "Sorry, only one button's ButtonType property can be \"skinControlBox\"",
                                          "Sorry, only one section's Align property can be \"skinClient\""};
  EXPECT_EQ(messages.texts, expected);
  EXPECT_EQ(messages.lastFlags, MB_OK | MB_ICONERROR);
}

TEST(SkinTitleBar, CopiedButtonsTakeTheStylesLookAndTheirSourcesPictures) {
  TSkinnedForm f(TSkinUIStyle::Frost);
  TSkinTitleBarButtons source(nullptr);
  TSkinTitleBarButton* close = source.Add();
  close->SetUIStyle(TSkinUIStyle::Midnight);
  close->SetButtonType(TSkinTitleBarBtnType::skinClose);
  close->SetPicNormal(SolidPicture(21, 21, clRed));
  close->SetTop(9);
  f.skin->SetTitleBarButtons(source);
  ASSERT_EQ(f.bar().Buttons().Count(), 1);
  const TSkinTitleBarButton& copy = *f.bar().Buttons().Items(0);
  EXPECT_EQ(copy.ButtonType(), TSkinTitleBarBtnType::skinClose);
  EXPECT_EQ(copy.Top(), 2);  // Midnight's, not the source's 9
  EXPECT_EQ(copy.PicNormal().Width(), 21);
  EXPECT_EQ(QRgbToColor(copy.PicNormal().Graphic()->Image().pixel(5, 5)), clRed);
}

TEST(SkinTitleBar, TheTopEdgeOfASizeableFormSizesIt) {
  TSkinnedForm f(TSkinUIStyle::Midnight);
  f.Show();
  const int cw = f.form.ClientWidth();
  struct Case {
    int x, y, expected;
  };
  for (const Case& c : {Case{2, 2, HTTOPLEFT}, Case{100, 4, HTTOP}, Case{cw - 4, 0, HTTOPRIGHT},
                        Case{cw - 5, 0, HTTOP}, Case{100, 5, HTCLIENT}})
    EXPECT_EQ(f.skin->NCHitTest(c.x, c.y), c.expected) << c.x << "," << c.y;
  // The press lands on the bar, but the window hands it to the frame.
  const TRect before = f.form.BoundsRect();
  ASSERT_EQ(f.form.childAt(100, 2), &f.bar());
  Drag(f.form.windowHandle(), QPoint(100, 2), {QPoint(0, -40)});
  EXPECT_EQ(f.form.BoundsRect(), Rect(before.Left, before.Top - 40, before.Right, before.Bottom));

  TSkinnedForm dialog(TSkinUIStyle::Midnight, TFormBorderStyle::bsDialog);
  EXPECT_EQ(dialog.skin->NCHitTest(2, 2), HTCLIENT);
  EXPECT_EQ(dialog.skin->NCHitTest(100, 2), HTCLIENT);
}

TEST(SkinTitleBar, DraggingTheStripMovesTheWindowUnlessItIsMaximised) {
  TScopedWorkArea area(Rect(0, 0, 800, 700));
  TSkinnedForm f(TSkinUIStyle::Azure);
  f.Show();
  TSkinTitleBar& bar = f.bar();
  const TRect before = f.form.BoundsRect();
  Drag(&bar, QPoint(200, 15), {QPoint(10, 5), QPoint(30, 40)});
  EXPECT_EQ(f.form.BoundsRect(), before.Offset(30, 40));
  // A press on a button does not move it.
  const QPoint min = Centre(bar.Layout().Buttons[kMin]);
  MoveMouse(&bar, min);
  Drag(&bar, min, {QPoint(30, 40)});
  EXPECT_EQ(f.form.BoundsRect(), before.Offset(30, 40));
  f.form.SetWindowState(TWindowState::wsMaximized);
  ProcessEvents();
  Drag(&bar, QPoint(200, 15), {QPoint(30, 40)});
  EXPECT_EQ(f.form.BoundsRect(), Rect(0, 0, 800, 700));
}
