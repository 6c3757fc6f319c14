#include "skin/SkinForm.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <limits>
#include <map>

#include "skin/SkinClasses.h"
#include "skin/SkinMainMenu.h"
#include "skin/SkinMgr.h"
#include "skin/SkinStatusBar.h"
#include "tests/skin/SkinFrameTestSupport.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/CustomPanel.h"
#include "windowing/MenuItem.h"
#include "windowing/MenuWindow.h"

namespace {

TRect PanelBounds(const TSkinForm& skin) { return skin.BoundsRect(); }

}  // namespace

TEST(SkinForm, ThePanelFillsTheFormInsideTheBorder) {
  TSkinnedForm f(TSkinUIStyle::Azure);
  EXPECT_EQ(f.skin->BorderWidth(), 3);
  EXPECT_EQ(PanelBounds(*f.skin), Bounds(3, 0, 394, 297));
  f.skin->SetTitleBarVisible(false);
  EXPECT_EQ(PanelBounds(*f.skin), Bounds(3, 3, 394, 294));
  f.skin->SetTitleBarVisible(true);
  EXPECT_EQ(f.bar().Top(), 0);
  EXPECT_EQ(PanelBounds(*f.skin), Bounds(3, 0, 394, 297));
}

TEST(SkinForm, WidthAndHeightSizeTheFormAroundThePanel) {
  TSkinnedForm f(TSkinUIStyle::Azure);
  f.skin->SetWidth(330);
  f.skin->SetHeight(127);
  EXPECT_EQ(f.form.Width(), 336);
  EXPECT_EQ(f.form.Height(), 131);
  EXPECT_EQ(f.skin->Width(), 330);
  EXPECT_EQ(f.skin->Height(), 128);  // the height adds half the border once more
}

TEST(SkinForm, AStyleSetsBorderAndBackgroundAndResizesTheFormByTheBorder) {
  TSkinnedForm f(TSkinUIStyle::Midnight);
  const TRect panel = PanelBounds(*f.skin);
  f.skin->SetUIStyle(TSkinUIStyle::Azure);
  EXPECT_EQ(f.skin->BorderColor(), 0xC82C00);
  EXPECT_EQ(f.skin->BorderWidth(), 3);
  EXPECT_EQ(f.skin->Color(), 0xDEEBEF);
  EXPECT_EQ(f.skin->MenuBarColor(), 0xDEEBEF);
  // The form grows by the wider border; the height takes the panel's height
  // after the new layout plus the border and half of it once more.
  EXPECT_EQ(f.form.Width(), 400 + 4);
  EXPECT_EQ(f.skin->Width(), panel.Width());
  EXPECT_EQ(f.form.Height(), 300 - 3 + 3 + 1);
  // Applying the same style again leaves the size alone.
  const TRect form = f.form.BoundsRect();
  f.skin->SetUIStyle(TSkinUIStyle::Azure);
  EXPECT_EQ(f.form.BoundsRect(), form);
  // The title bar, and a skinned menu attached, take the style too.
  EXPECT_EQ(f.bar().UIStyle(), TSkinUIStyle::Azure);
  auto* menu = new TSkinMainMenu(&f.form);
  EXPECT_EQ(f.skin->Menu(), menu);
  f.skin->SetUIStyle(TSkinUIStyle::Frost);
  EXPECT_EQ(menu->UIStyle(), TSkinUIStyle::Frost);
}

TEST(SkinForm, OneSkinnedFramePerFormAndItsFixedVersion) {
  TForm form(nullptr);
  form.SetCaption("Carolune");
  auto* skin = new TSkinForm(&form);
  EXPECT_EQ(skin->Parent(), &form);
  EXPECT_EQ(skin->Caption(), "Carolune");
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsNone);
  EXPECT_EQ(skin->GetSavedBorderStyle(), TFormBorderStyle::bsSizeable);
  EXPECT_EQ(form.Constraints().MinHeight(), 50);
  EXPECT_FALSE(form.Scaled());
  try {
    new TSkinForm(&form);
    FAIL() << "a second skinned frame was accepted";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Sorry, You can create only one TSkinForm component in one form!");
  }
  EXPECT_EQ(form.ControlCount(), 1);
  SetStrProp(*skin, "Version", "1.0");
  EXPECT_EQ(GetStrProp(*skin, "Version"), "4.06");
  skin->SetCaption("Dravik");
  EXPECT_EQ(form.Caption(), "Dravik");
  EXPECT_EQ(skin->TitleBar().Caption(), "Dravik");
}

TEST(SkinForm, TheMarginsOfASizeableFormSizeIt) {
  TSkinnedForm f(TSkinUIStyle::Midnight);
  struct Case {
    int x, y, expected;
  };
  const Case cases[] = {{2, 2, HTTOPLEFT},      {396, 2, HTTOPRIGHT}, {396, 296, HTBOTTOMRIGHT}, {2, 296, HTBOTTOMLEFT},
                        {4, 100, HTLEFT},       {100, 4, HTTOP},      {396, 100, HTRIGHT},       {100, 296, HTBOTTOM},
                        {395, 100, HTCLIENT},   {5, 100, HTCLIENT},   {100, 295, HTCLIENT},      {200, 150, HTCLIENT}};
  for (const Case& c : cases) EXPECT_EQ(f.skin->NCHitTest(c.x, c.y), c.expected) << c.x << "," << c.y;
  f.form.SetWindowState(TWindowState::wsMaximized);
  EXPECT_EQ(f.skin->NCHitTest(2, 2), HTCLIENT);

  TSkinnedForm dialog(TSkinUIStyle::Midnight, TFormBorderStyle::bsDialog);
  EXPECT_EQ(dialog.skin->NCHitTest(2, 2), HTCLIENT);
  EXPECT_EQ(dialog.skin->NCHitTest(396, 100), HTCLIENT);
}

TEST(SkinForm, DraggingTheMarginsSizesTheFormOverWhateverLiesThere) {
  TSkinnedForm f(TSkinUIStyle::Azure);
  f.Show();
  QWindow* window = f.form.windowHandle();
  ASSERT_NE(window, nullptr);
  const TRect before = f.form.BoundsRect();
  // Four pixels from the right edge lie on the panel, past its three-pixel border.
  ASSERT_EQ(f.form.childAt(before.Width() - 4, 150), f.skin);
  Drag(window, QPoint(before.Width() - 4, 150), {QPoint(10, 0), QPoint(30, 0)});
  EXPECT_EQ(f.form.BoundsRect(), Rect(before.Left, before.Top, before.Right + 30, before.Bottom));
  EXPECT_EQ(f.skin->Width(), f.form.Width() - 6);
  // The left margin keeps the right edge and the minimum width.
  Drag(window, QPoint(4, 150), {QPoint(1000, 0)});
  EXPECT_EQ(f.form.Width(), f.form.Constraints().MinWidth());
  EXPECT_EQ(f.form.Left() + f.form.Width(), before.Right + 30);
  // A press inside the margins is the panel's own.
  const TRect now = f.form.BoundsRect();
  Drag(window, QPoint(10, 150), {QPoint(40, 0)});
  EXPECT_EQ(f.form.BoundsRect(), now);
}

TEST(SkinForm, MaximisingCoversTheWorkAreaAndRestoringGivesTheBoundsBack) {
  TScopedWorkArea area(Rect(0, 0, 800, 760));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  struct Case {
    TFormBorderStyle border;
    TRect maximized;
  };
  const Case cases[] = {{TFormBorderStyle::bsSizeable, Rect(0, 0, 800, 760)},
                        {TFormBorderStyle::bsDialog, Rect(0, 0, 800, 760)},
                        {TFormBorderStyle::bsNone, FromQRect(screen)}};
  for (const Case& c : cases) {
    TSkinnedForm f(TSkinUIStyle::Midnight, c.border);
    f.Show();
    const TRect normal = f.form.BoundsRect();
    f.form.SetWindowState(TWindowState::wsMaximized);
    ProcessEvents();
    EXPECT_EQ(f.form.BoundsRect(), c.maximized) << static_cast<int>(c.border);
    EXPECT_EQ(f.skin->Width(), c.maximized.Width() - 2);
    f.form.SetWindowState(TWindowState::wsNormal);
    ProcessEvents();
    EXPECT_EQ(f.form.BoundsRect(), normal) << static_cast<int>(c.border);
  }
}

TEST(SkinForm, AFormMadeMaximisedGoesBackToItsFirstBounds) {
  TScopedWorkArea area(Rect(0, 0, 800, 760));
  TForm form(nullptr);
  form.SetBoundsRect(Bounds(40, 30, 500, 350));
  form.SetWindowState(TWindowState::wsMaximized);
  auto* skin = new TSkinForm(&form);
  skin->SetHeight(400);  // as a stored frame does while the form loads
  form.Show();
  ProcessEvents();
  EXPECT_EQ(form.BoundsRect(), Rect(0, 0, 800, 760));
  form.SetWindowState(TWindowState::wsNormal);
  ProcessEvents();
  EXPECT_EQ(form.BoundsRect(), Bounds(40, 30, 500, 350));
  form.Hide();
}

TEST(SkinForm, TheContentPanelFillsTheRestAndTheFrameCannotBeItsOwn) {
  TSkinnedForm f(TSkinUIStyle::Crystal);
  TMessageRecorder messages;
  auto* panel = new TPanel(&f.form);
  panel->SetParent(f.skin);
  panel->SetCaption("content");
  f.skin->SetFormPanel(panel);
  EXPECT_EQ(panel->Align(), TAlign::alClient);
  EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvNone);
  EXPECT_EQ(panel->Caption(), "");
  EXPECT_EQ(panel->Top(), f.bar().Height());
  EXPECT_EQ(panel->Height(), f.skin->Height() - f.bar().Height());
  f.skin->SetFormPanel(f.skin);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Sorry, you can't select the Form assign to FormPanel property");
  EXPECT_EQ(f.skin->FormPanel(), panel);
  delete panel;
  EXPECT_EQ(f.skin->FormPanel(), nullptr);
}

TEST(SkinForm, TheBorderIsPaintedAroundThePanel) {
  TSkinnedForm f(TSkinUIStyle::Azure);
  f.Show();
  const QImage shot = f.form.grab().toImage();
  const int w = shot.width(), h = shot.height();
  for (const QPoint p : {QPoint(0, 150), QPoint(2, 150), QPoint(w / 2, h - 1), QPoint(w / 2, h - 3), QPoint(w - 1, 150),
                         QPoint(w - 3, 150)})
    EXPECT_EQ(PixelOf(shot, p.x(), p.y()), 0xC82C00) << p.x() << "," << p.y();
  EXPECT_EQ(PixelOf(shot, w / 2, h - 4), 0xDEEBEF);  // the panel's background
}

TEST(SkinForm, SilverAndCrystalPanelsArePatterned) {
  for (const auto& [style, name] : {std::pair{TSkinUIStyle::Crystal, "CRYSTAL_FORM_BACKGROUND"},
                                    std::pair{TSkinUIStyle::Silver, "SILVER_FORM_BACKGROUND"}}) {
    TSkinnedForm f(style);
    f.Show();
    const QImage tile = LoadBitmapResource(name);
    const QImage shot = f.skin->grab().toImage();
    for (int y = 40; y < 56; ++y)
      for (int x = 0; x < 16; ++x) ASSERT_EQ(shot.pixel(x, y) | 0xFF000000u, tile.pixel(x % 8, y % 8) | 0xFF000000u);
  }
}

TEST(SkinForm, RoundedStylesShapeTheWindowWithSquareLowerCorners) {
  for (const TSkinUIStyle style : {TSkinUIStyle::Azure, TSkinUIStyle::Frost}) {
    TSkinnedForm f(style);
    f.Show();
    const QRegion mask = f.form.mask();
    const int w = f.form.Width(), h = f.form.Height();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(w - 1, 0)));
    EXPECT_TRUE(mask.contains(QPoint(w / 2, 0)));
    EXPECT_TRUE(mask.contains(QPoint(0, h / 2)));
    EXPECT_TRUE(mask.contains(QPoint(0, h - 1)));
    EXPECT_TRUE(mask.contains(QPoint(w - 1, h - 1)));
    // The shape follows the size.
    f.form.SetWidth(w + 50);
    f.Show();
    EXPECT_TRUE(f.form.mask().contains(QPoint(w + 49, h - 1)));
  }
  TSkinnedForm square(TSkinUIStyle::Midnight);
  EXPECT_TRUE(square.form.mask().isEmpty());
}

TEST(SkinForm, TheCaptionShowsWhetherTheFormIsActive) {
  TSkinnedForm a(TSkinUIStyle::Midnight), b(TSkinUIStyle::Midnight);
  a.Show();
  b.Show();
  QApplication::setActiveWindow(&a.form);
  ProcessEvents();
  EXPECT_TRUE(a.bar().FormActive());
  EXPECT_FALSE(b.bar().FormActive());
  QApplication::setActiveWindow(&b.form);
  ProcessEvents();
  EXPECT_FALSE(a.bar().FormActive());
  EXPECT_TRUE(b.bar().FormActive());
}

TEST(SkinForm, AMainMenuShowsAsAMenuBarWhoseShortCutsWorkWhileItsFormIsActive) {
  TSkinnedForm a(TSkinUIStyle::Azure), b(TSkinUIStyle::Azure);
  auto* menu = new TSkinMainMenu(&a.form);
  TMenuItem* file = AddMenuItem(&a.form, menu->Items(), "&File");
  TMenuItem* open = AddMenuItem(&a.form, *file, "&Open", scCtrl | 'O');
  TMenuItem* help = AddMenuItem(&a.form, menu->Items(), "&Help");
  int opened = 0;
  open->OnClick = [&](TComponent*) { ++opened; };
  menu->AttachItemDrawEvents();
  ASSERT_NE(a.skin->MenuBar(), nullptr);
  TSkinFormMenuBar& bar = *a.skin->MenuBar();
  EXPECT_EQ(bar.Top(), a.bar().Height());
  EXPECT_EQ(bar.Height(), 22);
  a.Show();
  b.Show();
  const TRect fileButton = bar.ButtonRect(*file), helpButton = bar.ButtonRect(*help);
  EXPECT_EQ(fileButton.Left, 0);
  EXPECT_EQ(helpButton.Left, fileButton.Right);
  EXPECT_EQ(fileButton.Height(), 22);

  QApplication::setActiveWindow(&b.form);
  QTest::keyClick(&b.form, Qt::Key_O, Qt::ControlModifier);
  ProcessEvents();
  EXPECT_EQ(opened, 0);
  QApplication::setActiveWindow(&a.form);
  QTest::keyClick(&a.form, Qt::Key_O, Qt::ControlModifier);
  ProcessEvents();
  EXPECT_EQ(opened, 1);

  // The item under the pointer: the style's selection fill inside its border.
  MoveMouse(&bar.Bar(), ToQRect(helpButton).center());
  ProcessEvents();
  const QImage shot = bar.Bar().grab().toImage();
  EXPECT_EQ(PixelOf(shot, helpButton.Left, helpButton.Top), 0xC66931);
  EXPECT_EQ(PixelOf(shot, helpButton.Left + 2, helpButton.Top + 2), 0xEFD3C6);
  EXPECT_EQ(PixelOf(shot, fileButton.Left + 2, fileButton.Top + 2), 0xDEEBEF);  // the bar colour

  // A click opens the item's drop-down; the open item's button is drawn two pixels narrower.
  QTest::mouseClick(&bar.Bar(), Qt::LeftButton, {}, ToQRect(fileButton).center());
  ProcessEvents();
  ASSERT_NE(file->SubMenu(), nullptr);
  EXPECT_TRUE(file->SubMenu()->isVisible());
  const QImage dropped = bar.Bar().grab().toImage();
  EXPECT_EQ(PixelOf(dropped, fileButton.Right - 4, fileButton.Top + 2), 0xEFD3C6);
  EXPECT_EQ(PixelOf(dropped, fileButton.Right - 3, fileButton.Top + 2), 0xC66931);
  EXPECT_EQ(PixelOf(dropped, fileButton.Right - 1, fileButton.Top + 2), 0xDEEBEF);
  file->SubMenu()->hide();

  // Without a menu the bar goes.
  delete menu;
  EXPECT_EQ(a.skin->MenuBar(), nullptr);
  EXPECT_EQ(a.skin->Menu(), nullptr);
}

TEST(SkinForm, TheMenuBarFollowsTheMenusFontChoice) {
  TSkinnedForm f(TSkinUIStyle::Crystal);
  auto* menu = new TSkinMainMenu(&f.form);
  AddMenuItem(&f.form, menu->Items(), "File");
  menu->AttachItemDrawEvents();
  ASSERT_NE(f.skin->MenuBar(), nullptr);
  EXPECT_EQ(f.skin->MenuBar()->Font().Name(), SystemMenuFont().Name());
  menu->SetFontName("Courier");
  menu->SetFontSize(12);
  menu->SetUseSystemFont(false);
  EXPECT_EQ(f.skin->MenuBar()->Font().Name(), "Courier");
  EXPECT_EQ(f.skin->MenuBar()->Font().Size(), 12);
}

TEST(SkinForm, LosingItsThemeTurnsTheFrameAndItsChildrenToMidnight) {
  TSkinnedForm f(TSkinUIStyle::Crystal);
  auto* theme = new TSkinFileTheme(&f.form);
  auto* bar = new TSkinStatusBar(&f.form);
  bar->SetParent(f.skin);
  bar->SetUIStyle(TSkinUIStyle::Frost);
  f.skin->SetFileTheme(theme);
  f.skin->SetUIStyleAutoUpdateSub(true);
  f.skin->SetUIStyle(TSkinUIStyle::Azure);
  EXPECT_EQ(bar->UIStyle(), TSkinUIStyle::Azure);
  EXPECT_EQ(bar->FileTheme(), theme);
  delete theme;
  EXPECT_EQ(f.skin->FileTheme(), nullptr);
  EXPECT_EQ(f.skin->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(bar->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(bar->FileTheme(), nullptr);
  EXPECT_EQ(f.bar().UIStyle(), TSkinUIStyle::Midnight);
}

TEST(SkinForm, NewControlsTakeTheFramesStyle) {
  TSkinnedForm f(TSkinUIStyle::Crystal);
  EXPECT_EQ(GetOwnerUIStyle(&f.form), TSkinUIStyle::Crystal);
  TSkinStatusBar bar(&f.form);
  EXPECT_EQ(bar.UIStyle(), TSkinUIStyle::Crystal);
}

namespace {

// A form class of the kind the programs declare, with a handler for the
// title bar's custom buttons.
class TFrameForm : public TForm {
 public:
  explicit TFrameForm(TComponent* owner) : TForm(owner) { AddHandler("FrameCustomClick", &TFrameForm::FrameCustomClick); }
  static const TClassInfo& StaticClassInfo() {
    static const auto info = DefineClass<TFrameForm>("TFrameForm", TForm::StaticClassInfo(), nullptr);
    return *info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void FrameCustomClick(TComponent*, int index) { clicked.push_back(index); }
  std::vector<int> clicked;
};

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string hex;
  for (const unsigned char c : bytes) {
    hex += digits[c >> 4];
    hex += digits[c & 15];
  }
  return hex;
}

}  // namespace

TEST(SkinForm, AFrameIsReadFromAFormDescription) {
  RegisterSkinClasses();
  TPicture picture;
  picture.Bitmap().SetSize(15, 13);
  picture.Bitmap().Canvas().Brush.Color = clLime;
  picture.Bitmap().Canvas().FillRect(Rect(0, 0, 15, 13));
  TFrameForm form(nullptr);
  form.LoadDescription(R"(object frmFrame: TFrameForm
  Left = 100
  Top = 80
  BorderStyle = bsSizeable
  object skinForm1: TSkinForm
    UIStyle = Azure
    BorderColor = clRed
    Caption = 'Carolune'
    Width = 400
    Height = 297
    Menu = skinMainMenu1
    FormPanel = pnlMain
    TitleBarButtons = <
      item
        UIStyle = Azure
        ButtonType = skinClose
      end
      item
        ButtonType = skinCustom
        PicNormal = {)" + Hex(picture.Data()) + R"(}
      end>
    OnTitleBarCustomBtnsClick = FrameCustomClick
    object pnlMain: TPanel
      BevelOuter = bvRaised
    end
    object stbMain: TSkinStatusBar
      UIStyle = Frost
      Panels = <
        item
          Width = 100
          Text = 'ready'
        end>
    end
  end
  object skinMainMenu1: TSkinMainMenu
    object mnuFile: TMenuItem
      Caption = '&File'
    end
  end
end)");
  auto* skin = dynamic_cast<TSkinForm*>(form.FindComponent("skinForm1"));
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(form.BoundsRect(), Bounds(100, 80, 406, 301));
  EXPECT_EQ(skin->BorderColor(), clRed);  // stored after the style, so it wins
  EXPECT_EQ(skin->Color(), 0xDEEBEF);
  EXPECT_EQ(form.Caption(), "Carolune");
  TSkinTitleBar& bar = skin->TitleBar();
  ASSERT_EQ(bar.Buttons().Count(), 2);
  EXPECT_EQ(bar.Buttons().Items(0)->Width(), 21);  // Azure's close pictures
  EXPECT_EQ(bar.Buttons().Items(1)->PicNormal().Width(), 15);
  ASSERT_NE(skin->MenuBar(), nullptr);
  EXPECT_EQ(skin->MenuBar()->Bar().actions().size(), 1);
  EXPECT_EQ(skin->FormPanel(), form.FindComponent("pnlMain"));
  EXPECT_EQ(skin->FormPanel()->BevelOuter(), TBevelCut::bvNone);
  auto* status = dynamic_cast<TSkinStatusBar*>(form.FindComponent("stbMain"));
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->PanelColor(), 0xE7E7E7);
  EXPECT_EQ(status->Panels().Items(0)->Text(), "ready");

  form.Show();
  ProcessEvents();
  EXPECT_EQ(status->Top() + status->Height(), skin->Height());
  EXPECT_EQ(skin->FormPanel()->Top(), bar.Height() + skin->MenuBarHeight());
  EXPECT_EQ(skin->FormPanel()->Top() + skin->FormPanel()->Height(), status->Top());
  const QPoint custom = ToQRect(bar.Layout().Buttons[1]).center();
  MoveMouse(&bar, custom);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, custom);
  EXPECT_EQ(form.clicked, std::vector<int>{1});
  form.Hide();
}

TEST(SkinForm, AThemeFileReadAnewReachesTheFrameAndItsTitleBar) {
  TTempFolder folder;
  const std::string first = folder.Write("first.thm", TThemeFileBuilder()
                                                          .AddInteger("FormBorderColor", 0x112233)
                                                          .AddInteger("FormBorderWidthInt", 2)
                                                          .AddInteger("TitleBarButtonTopInt", 4)
                                                          .Bytes());
  const std::string second = folder.Write("second.thm", TThemeFileBuilder()
                                                            .AddInteger("FormBorderColor", 0x445566)
                                                            .AddInteger("FormBorderWidthInt", 2)
                                                            .AddInteger("TitleBarButtonTopInt", 7)
                                                            .Bytes());
  TSkinnedForm f(TSkinUIStyle::Midnight);
  auto* theme = new TSkinFileTheme(&f.form);
  theme->SetThemeFile(first);
  f.skin->SetFileTheme(theme);
  f.skin->SetUIStyle(TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(f.skin->BorderColor(), 0x112233);
  EXPECT_EQ(f.bar().Buttons().Items(1)->Top(), 4);
  theme->SetThemeFile(second);
  EXPECT_EQ(f.skin->BorderColor(), 0x445566);
  EXPECT_EQ(f.bar().Buttons().Items(1)->Top(), 7);
}

// A theme file's integers reach the window's geometry: each is held to the
// range its item can have, so hostile values give a usable window at once.
TEST(SkinForm, ThemeIntegersAreHeldToTheirItemsRanges) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
  struct Case {
    const char* item;
    int32_t value;
    int32_t held;
  };
  const Case cases[] = {
      {"FormRoundCornerInt", 1000000, 64},        {"FormRoundCornerInt", 100000000, 64},
      {"FormRoundCornerInt", -3, 0},              {"FormBorderWidthInt", kMax, 32},
      {"FormBorderWidthInt", 100000, 32},         {"FormBorderWidthInt", -7, 0},
      {"FormMinWidthInt", kMax, 2048},            {"FormMinWidthInt", -5, 0},
      {"TitleBarButtonLeftOffsetInt", kMax, 256}, {"TitleBarButtonRightOffsetInt", kMin, -256},
      {"TitleBarButtonTopInt", kMax, 256},        {"TitleBarButtonTopInt", kMin, -64},
      {"FormBorderWidthInt", 3, 3},               {"FormRoundCornerInt", 13, 13},
  };
  TTempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " " + std::to_string(c.value));
    TSkinnedForm f(TSkinUIStyle::Midnight);
    auto* theme = new TSkinFileTheme(&f.form);
    theme->SetThemeFile(folder.Write("hostile.thm", TThemeFileBuilder().AddInteger(c.item, c.value).Bytes()));
    ASSERT_TRUE(theme->IsThemeLoaded());
    f.skin->SetFileTheme(theme);
    f.skin->SetUIStyle(TSkinUIStyle::FromThemeFile);
    f.Show();
    const std::map<std::string, int> seen = {
        {"FormRoundCornerInt", f.bar().RoundCorner()},
        {"FormBorderWidthInt", f.skin->BorderWidth()},
        {"FormMinWidthInt", f.form.Constraints().MinWidth()},
        {"TitleBarButtonLeftOffsetInt", f.bar().LeftBtnXOffset()},
        {"TitleBarButtonRightOffsetInt", f.bar().RightBtnXOffset()},
        {"TitleBarButtonTopInt", f.bar().Buttons().Items(1)->Top()},
    };
    EXPECT_EQ(seen.at(c.item), c.held);
    EXPECT_EQ(f.skin->Width() + 2 * f.skin->BorderWidth(), f.form.Width());
    EXPECT_LE(f.form.Width(), 2048);
    if (c.held > 0 && std::string(c.item) == "FormRoundCornerInt") {
      EXPECT_FALSE(f.form.mask().contains(QPoint(0, 0)));
      EXPECT_TRUE(f.form.mask().contains(QPoint(0, f.form.Height() - 1)));
    }
  }
}

// Descriptions and code may still set any value: the window's arithmetic
// neither overflows (the sanitizers stop the tests on that) nor takes long.
TEST(SkinForm, ExtremeSizesAndOffsetsComputeWithoutOverflow) {
  constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
  TSkinnedForm f(TSkinUIStyle::Azure);
  f.Show();
  f.skin->SetRoundCorner(100000000);
  EXPECT_TRUE(f.form.mask().contains(QPoint(0, 0)));  // corners wider than the window cut nothing
  f.skin->SetRoundCorner(13);
  EXPECT_FALSE(f.form.mask().contains(QPoint(0, 0)));
  TSkinTitleBar& bar = f.bar();
  bar.SetLeftBtnXOffset(kMax);
  bar.SetRightBtnXOffset(kMin);
  bar.SetButtonInterval(kMax);
  bar.Buttons().Items(1)->SetTop(kMax);
  bar.Sections().Items(0)->SetWidth(kMax);
  const TSkinTitleBarLayout layout = bar.Layout();
  EXPECT_EQ(layout.CaptionRight, kMin);
  EXPECT_EQ(layout.Buttons[1].Bottom, kMax);
  EXPECT_FALSE(bar.grab().isNull());
  f.form.Hide();  // a window of the largest size is not drawn here
  f.skin->SetBorderWidth(kMax);
  f.skin->SetWidth(kMax);
  f.skin->SetHeight(kMax);
  EXPECT_GT(f.form.Width(), 0);
}
