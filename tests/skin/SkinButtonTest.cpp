#include "skin/SkinButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QTimer>

#include "skin/SkinClasses.h"
#include "skin/SkinForm.h"
#include "skin/SkinImagePanel.h"
#include "skin/SkinToolBar.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/CountingBitmapResources.h"
#include "tests/support/EventLoopWait.h"
#include "windowing/Action.h"
#include "windowing/ActionList.h"
#include "windowing/BitmapResources.h"
#include "windowing/Form.h"
#include "windowing/ImageList.h"

namespace {

constexpr TColor kCornerKey = clFuchsia;

// Strips whose frames are solid: which frame is shown is a pixel check.
// Silver's frames have keyed corners, as its transparent buttons expect.
struct Fixtures {
  Fixtures() {
    table.Add("MIDNIGHT_BUTTON", Strip(74, 21, {clRed, clLime, clBlue}));
    QImage silver = Strip(84, 23, {clSilver, clGray, clTeal});
    for (int f = 0; f < 3; ++f) silver.setPixel(f * 84, 0, ColorToQRgb(kCornerKey));
    table.Add("SILVER_BUTTON", silver);
    table.Add("AZURE_BUTTON", silver.copy(0, 0, 54, 21));
    for (const char* style : {"MIDNIGHT", "AZURE", "SILVER"}) {
      table.Add(std::string(style) + "_CHECKBOX", Strip(13, 13, {clRed, clLime, clBlue, clNavy}));
      QImage radio = Strip(13, 13, {clRed, clLime, clBlue, clNavy});
      for (int f = 0; f < 4; ++f) radio.setPixel(f * 13, 12, ColorToQRgb(clWhite));
      table.Add(std::string(style) + "_RADIOBUTTON", radio);
    }
  }
  TBitmapResourceTable table;
  TScopedBitmapResources scoped{table};
};

QImage Shot(QWidget& widget) { return widget.grab().toImage(); }

void Enter(TControl& control) {
  QEnterEvent event(QPointF(3, 3), QPointF(3, 3), control.mapToGlobal(QPointF(3, 3)));
  QApplication::sendEvent(&control, &event);
}

void MoveHeld(TControl& control, QPoint p) {
  QMouseEvent event(QEvent::MouseMove, QPointF(p), control.mapToGlobal(QPointF(p)), Qt::NoButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&control, &event);
}

// The dark pixels of the area: how much ink a caption left.
int Ink(const QImage& shot, const QRect& area) {
  int ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ink += qGray(shot.pixel(x, y)) < 64;
  return ink;
}

// A shown, active form whose keys reach the focused control.
struct ActiveForm {
  ActiveForm() {
    form.SetBounds(0, 0, 300, 200);
    form.Show();
    QApplication::setActiveWindow(&form);
  }
  ~ActiveForm() { QApplication::setActiveWindow(nullptr); }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &form, static_cast<Qt::Key>(key), modifiers);
  }
  TForm form{nullptr};
};

}  // namespace

TEST(SkinButton, ShowsTheStateFramesOfTheStyleStrip) {
  Fixtures fixtures;
  TForm form(nullptr);
  auto* button = Make<TSkinButton>(form, form, "B");
  EXPECT_EQ(button->Width(), 80);
  EXPECT_EQ(button->Height(), 27);
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::Midnight);
  int entered = 0, exited = 0;
  button->OnMouseEnter = [&](TComponent*) { ++entered; };
  button->OnMouseExit = [&](TComponent*) { ++exited; };

  EXPECT_EQ(At(Shot(*button), 40, 3), clRed);
  Enter(*button);
  EXPECT_EQ(At(Shot(*button), 40, 3), clLime);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(At(Shot(*button), 40, 3), clBlue);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(At(Shot(*button), 40, 3), clLime);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &leave);
  EXPECT_EQ(At(Shot(*button), 40, 3), clRed);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(exited, 1);
  button->SetEnabled(false);
  EXPECT_EQ(At(Shot(*button), 40, 3), clRed);  // frame 1 again
}

TEST(SkinButton, PaintsDecodeTheStripOnceAndANewStyleTakesItsOwn) {
  Fixtures fixtures;
  const TCountingBitmapResources counting(fixtures.table);
  const TCachedBitmapResources cached(counting);
  const TScopedBitmapResources scoped(cached);
  TForm form(nullptr);
  auto* button = Make<TSkinButton>(form, form, "B");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(At(Shot(*button), 40, 3), clRed);
  Enter(*button);
  EXPECT_EQ(At(Shot(*button), 40, 3), clLime);
  EXPECT_EQ(counting.Reads("MIDNIGHT_BUTTON"), 1);

  button->SetUIStyle(TSkinUIStyle::Silver);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(At(Shot(*button), 40, 3), clGray);
  EXPECT_EQ(counting.Reads("SILVER_BUTTON"), 1);
  button->SetUIStyle(TSkinUIStyle::Midnight);
  EXPECT_EQ(At(Shot(*button), 40, 3), clLime);
  EXPECT_EQ(counting.Reads("MIDNIGHT_BUTTON"), 1);
}

TEST(SkinButton, TransparencyFollowsTheStyleAndLaterStoredValuesWin) {
  Fixtures fixtures;
  TForm form(nullptr);
  form.SetColor(clYellow);
  auto* button = Make<TSkinButton>(form, form, "B");
  button->SetUIStyle(TSkinUIStyle::Silver);
  EXPECT_TRUE(button->Transparent());
  EXPECT_EQ(At(Shot(*button), 0, 0), clYellow);  // the keyed corner shows the form
  button->SetUIStyle(TSkinUIStyle::Azure);
  EXPECT_FALSE(button->Transparent());
  EXPECT_EQ(At(Shot(*button), 0, 0), kCornerKey);

  RegisterSkinClasses();
  TForm loaded(nullptr);
  loaded.LoadDescription(
      "object F: TForm\n"
      "  object A: TSkinButton\n    UIStyle = Silver\n    Transparent = False\n  end\n"
      "  object B: TSkinButton\n    Transparent = True\n    UIStyle = Azure\n  end\n"
      "end\n");
  EXPECT_FALSE(static_cast<TSkinButton*>(loaded.FindComponent("A"))->Transparent());
  EXPECT_FALSE(static_cast<TSkinButton*>(loaded.FindComponent("B"))->Transparent());
}

TEST(SkinButton, NewButtonsTakeTheFormStyleAndAutoSizeFromTheBuiltInStrip) {
  TForm form(nullptr);
  AddSkinForm(form, TSkinUIStyle::Crystal);
  auto* button = Make<TSkinButton>(form, form, "B");
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::Crystal);
  struct Case {
    TSkinUIStyle style;
    int width, height;
  };
  for (const Case& c : {Case{TSkinUIStyle::Midnight, 74, 21}, Case{TSkinUIStyle::Frost, 77, 27},
                        Case{TSkinUIStyle::FromThemeFile, 24, 21}}) {
    button->SetAutoSize(false);
    button->SetUIStyle(c.style);
    button->SetAutoSize(true);
    EXPECT_EQ(button->Width(), c.width);
    EXPECT_EQ(button->Height(), c.height);
  }
}

TEST(SkinButton, PlacesTheGlyphByLayout) {
  Fixtures fixtures;
  TForm form(nullptr);
  auto* button = Make<TSkinButton>(form, form, "B");
  button->SetBounds(0, 0, 120, 60);
  button->SetCaption("Play");
  // A 10 x 10 lime square on a white ground; white, the top-left colour, is left out.
  QImage glyph(14, 14, QImage::Format_RGB32);
  glyph.fill(Qt::white);
  QPainter(&glyph).fillRect(2, 2, 10, 10, Qt::green);
  button->Glyph().SetImage(glyph);
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas canvas(scratch);
  canvas.Font.Assign(button->Font());
  const int tw = canvas.TextWidth("Play"), th = canvas.TextHeight("Play"), s = 4;
  struct Case {
    TButtonLayout layout;
    int x, y;
  };
  for (const Case& c : {Case{TButtonLayout::blGlyphLeft, (120 - (tw + 14 + s)) / 2, (60 - 14) / 2},
                        Case{TButtonLayout::blGlyphRight, (120 + tw + s - 14) / 2, (60 - 14) / 2},
                        Case{TButtonLayout::blGlyphTop, (120 - 14) / 2, (60 - (th + 14 + s)) / 2},
                        Case{TButtonLayout::blGlyphBottom, (120 - 14) / 2, (60 + th + s - 14) / 2}}) {
    button->SetLayout(c.layout);
    const QImage shot = Shot(*button);
    EXPECT_EQ(At(shot, c.x + 2, c.y + 2), clLime) << static_cast<int>(c.layout);
    EXPECT_EQ(At(shot, c.x + 11, c.y + 11), clLime) << static_cast<int>(c.layout);
    EXPECT_EQ(At(shot, c.x + 1, c.y + 1), clRed) << static_cast<int>(c.layout);  // the white is keyed
  }
  // Pressed, the glyph moves one pixel right and down.
  button->SetLayout(TButtonLayout::blGlyphTop);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  const int x = (120 - 14) / 2, y = (60 - (th + 14 + s)) / 2;
  EXPECT_EQ(At(Shot(*button), x + 12, y + 12), clLime);
  EXPECT_EQ(At(Shot(*button), x + 2, y + 2), clBlue);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST(SkinButton, TwoFrameGlyphShowsItsDisabledFrameUngreyed) {
  Fixtures fixtures;
  TForm form(nullptr);
  auto* button = Make<TSkinButton>(form, form, "B");
  QImage glyph(32, 16, QImage::Format_RGB32);
  glyph.fill(Qt::white);
  QPainter painter(&glyph);
  painter.fillRect(2, 2, 12, 12, Qt::green);
  painter.fillRect(18, 2, 12, 12, QColor(0, 0, 128));
  painter.end();
  button->Glyph().SetImage(glyph);
  // No caption: the glyph (16 wide) sits at half(80 - 20), half(27 - 16).
  EXPECT_EQ(At(Shot(*button), 30 + 8, 5 + 8), clLime);
  button->SetEnabled(false);
  EXPECT_EQ(At(Shot(*button), 30 + 8, 5 + 8), clNavy);
}

TEST(SkinButton, FocusIsABoldCaptionInSilverAndFrostElseADottedFrame) {
  Fixtures fixtures;
  ActiveForm active;
  auto* button = Make<TSkinButton>(active.form, active.form, "B");
  button->SetCaption("Convert");
  button->SetUIStyle(TSkinUIStyle::Silver);
  const QRect caption(4, 4, 72, 19);
  const int plain = Ink(Shot(*button), caption);
  button->SetFocus();
  ASSERT_TRUE(button->Focused());
  QImage shot = Shot(*button);
  EXPECT_GT(Ink(shot, caption), plain);
  EXPECT_EQ(At(shot, 2, 2), clSilver);  // no frame

  button->SetUIStyle(TSkinUIStyle::Frost);
  EXPECT_GT(Ink(Shot(*button), caption), plain);

  button->SetUIStyle(TSkinUIStyle::Midnight);
  shot = Shot(*button);
  EXPECT_EQ(At(shot, 2, 2), clRed ^ 0xFFFFFF);  // the dotted frame, inverted
  EXPECT_EQ(At(shot, 3, 2), clRed);
  EXPECT_EQ(At(shot, 76, 24), clRed ^ 0xFFFFFF);
  EXPECT_EQ(At(shot, 1, 1), clRed);
}

TEST(SkinButton, DefaultAndCancelAnswerEnterAndEscapeWithoutModifiers) {
  Fixtures fixtures;
  ActiveForm active;
  auto* ok = Make<TSkinButton>(active.form, active.form, "Ok");
  auto* cancel = Make<TSkinButton>(active.form, active.form, "Cancel");
  auto* other = Make<TSkinButton>(active.form, active.form, "Other");
  ok->SetDefault(true);
  cancel->SetCancel(true);
  std::string clicks;
  ok->OnClick = [&](TComponent*) { clicks += "ok "; };
  cancel->OnClick = [&](TComponent*) { clicks += "cancel "; };
  other->OnClick = [&](TComponent*) { clicks += "other "; };
  other->SetFocus();
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* clicks;
  };
  for (const Case& c : {Case{Qt::Key_Return, Qt::NoModifier, "ok "}, Case{Qt::Key_Return, Qt::ControlModifier, "other "},
                        Case{Qt::Key_Escape, Qt::NoModifier, "cancel "}, Case{Qt::Key_Escape, Qt::ShiftModifier, ""},
                        Case{Qt::Key_Space, Qt::NoModifier, "other "}}) {
    clicks.clear();
    other->SetFocus();
    active.Key(c.key, c.modifiers);
    EXPECT_EQ(clicks, c.clicks) << c.key << " " << c.modifiers;
  }
  // A focused default button is clicked once; Enter on a plain focused button presses it.
  clicks.clear();
  ok->SetFocus();
  active.Key(Qt::Key_Return);
  EXPECT_EQ(clicks, "ok ");
  ok->SetDefault(false);
  clicks.clear();
  active.Key(Qt::Key_Return);
  EXPECT_EQ(clicks, "ok ");
  // A hidden or disabled default button does not answer.
  cancel->SetVisible(false);
  clicks.clear();
  active.Key(Qt::Key_Escape);
  EXPECT_EQ(clicks, "");
}

TEST(SkinButton, AccessKeysClickEnabledShownButtons) {
  Fixtures fixtures;
  ActiveForm active;
  auto* open = Make<TSkinButton>(active.form, active.form, "Open");
  auto* save = Make<TSkinButton>(active.form, active.form, "Save");
  open->SetCaption("&Open");
  save->SetCaption("Save && &Quit");
  std::string clicks;
  open->OnClick = [&](TComponent*) { clicks += "open "; };
  save->OnClick = [&](TComponent*) { clicks += "save "; };
  save->SetFocus();
  active.Key(Qt::Key_O);
  EXPECT_EQ(clicks, "open ");
  EXPECT_TRUE(open->Focused());  // a click takes the focus
  active.Key(Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(clicks, "open save ");
  active.Key(Qt::Key_S);  // "&&" is a plain ampersand
  EXPECT_EQ(clicks, "open save ");
  open->SetEnabled(false);
  active.Key(Qt::Key_O);
  EXPECT_EQ(clicks, "open save ");
}

TEST(SkinButton, HeldButtonRepeatsUntilThePointerLeavesAndReleaseInsideStillClicks) {
  Fixtures fixtures;
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  form.Show();
  auto* button = Make<TSkinButton>(form, form, "B");
  button->SetMouseContinuouslyDownInterval(0);  // counts as 10 ms
  int ticks = 0, clicks = 0;
  button->OnMouseContinuouslyDown = [&](TComponent*) { ++ticks; };
  button->OnClick = [&](TComponent*) { ++clicks; };
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(ProcessEventsUntil([&] { return ticks >= 3; }));
  MoveHeld(*button, QPoint(120, 5));
  EXPECT_EQ(At(Shot(*button), 40, 3), clRed);  // no longer pressed
  const int stopped = ticks;
  QTest::qWait(60);
  EXPECT_EQ(ticks, stopped);
  MoveHeld(*button, QPoint(5, 5));
  EXPECT_NE(At(Shot(*button), 40, 3), clBlue);  // the pressed look does not come back
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);

  // A release outside ends the repeat too.
  ticks = 0;
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(ProcessEventsUntil([&] { return ticks >= 1; }));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 5));
  const int released = ticks;
  QTest::qWait(60);
  EXPECT_EQ(ticks, released);
  EXPECT_EQ(clicks, 1);
}

TEST(SkinButton, ClickGivesTheFormItsModalResult) {
  Fixtures fixtures;
  TForm dialog(nullptr);
  auto* ok = Make<TSkinButton>(dialog, dialog, "Ok");
  ok->SetModalResult(mrOk);
  int clicked = 0;
  ok->OnClick = [&](TComponent*) { ++clicked; };
  QTimer::singleShot(0, [&] { QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(5, 5)); });
  THangGuard guard("modal form");
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(clicked, 1);

  TForm plain(nullptr);
  auto* none = Make<TSkinButton>(plain, plain, "None");
  plain.SetModalResult(mrCancel);
  none->Click();
  EXPECT_EQ(plain.ModalResult(), mrNone);
}

TEST(SkinButton, ImageButtonShowsItsOwnPicturesUndimmed) {
  TForm form(nullptr);
  auto* button = Make<TSkinImageButton>(form, form, "I");
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::FromThemeFile);
  button->SetUIStyle(TSkinUIStyle::Azure);
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::FromThemeFile);
  button->SetColor(clYellow);
  TBitmap normal;
  normal.SetImage(Strip(16, 12, {clGreen}));
  normal.Canvas().SetPixel(0, 0, clWhite);  // the top-left colour is the key when transparent
  button->SetAutoSize(true);
  button->SetPicNormal(&normal);
  EXPECT_EQ(button->Width(), 16);
  EXPECT_EQ(button->Height(), 12);
  EXPECT_EQ(At(Shot(*button), 8, 6), clGreen);
  Enter(*button);
  EXPECT_EQ(At(Shot(*button), 8, 6), clGreen);  // no hover picture: the normal one
  button->SetEnabled(false);
  EXPECT_EQ(At(Shot(*button), 8, 6), clGreen);
  EXPECT_EQ(At(Shot(*button), 0, 0), clWhite);
  button->SetTransparent(true);
  EXPECT_EQ(At(Shot(*button), 0, 0), ColorToRGB(form.Color()));

  TBitmap down;
  down.SetImage(Strip(8, 6, {clBlue}));
  button->SetPicMouseDown(&down);
  button->SetTransparent(false);
  button->SetEnabled(true);
  button->SetStretch(true);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(At(Shot(*button), 15, 11), clBlue);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(2, 2));
}

TEST(SkinButton, FollowsItsActionAndTakesItsImageIntoAnEmptyGlyph) {
  Fixtures fixtures;
  TForm form(nullptr);
  auto* list = new TActionList(&form);
  auto* images = new TImageList(&form);
  TBitmap green;
  green.SetImage(Strip(16, 16, {clGreen}));
  images->Add(green);
  list->SetImages(images);
  auto* action = new TAction(&form);
  action->SetActionList(list);
  action->SetCaption("&Save");
  action->SetImageIndex(0);
  int executed = 0;
  action->OnExecute = [&](TComponent*) { ++executed; };
  auto* button = Make<TSkinButton>(form, form, "B");
  button->SetAction(action);
  EXPECT_EQ(button->Caption(), "&Save");
  EXPECT_EQ(button->Glyph().Width(), 16);
  action->SetEnabled(false);
  EXPECT_FALSE(button->Enabled());
  action->SetEnabled(true);
  button->Click();
  EXPECT_EQ(executed, 1);
  delete action;
  EXPECT_EQ(button->Action(), nullptr);
  button->Click();
  EXPECT_EQ(executed, 1);
}

TEST(SkinCheckBox, TogglesByClickAndSpaceFiringOnceAndNotWhileLoading) {
  Fixtures fixtures;
  ActiveForm active;
  auto* box = Make<TSkinCheckBox>(active.form, active.form, "C");
  int clicks = 0;
  box->OnClick = [&](TComponent*) { ++clicks; };
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  active.Key(Qt::Key_Space);
  EXPECT_FALSE(box->Checked());
  // A double click (press, release, double click, release) is two clicks.
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, 4));
  QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(4, 4), box->mapToGlobal(QPointF(4, 4)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box, &twice);
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 4);
  box->SetChecked(true);
  box->SetState(TCheckBoxState::cbGrayed);
  EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
  EXPECT_EQ(clicks, 6);
  box->SetChecked(false);
  EXPECT_EQ(clicks, 6);

  RegisterSkinClasses();
  TCountingForm loaded;
  loaded.LoadDescription(
      "object F: TForm\n  object Box: TSkinCheckBox\n    OnClick = Clicked\n    Checked = True\n"
      "    State = cbChecked\n  end\nend\n");
  EXPECT_TRUE(static_cast<TSkinCheckBox*>(loaded.FindComponent("Box"))->Checked());
  EXPECT_EQ(loaded.clicks, 0);
}

TEST(SkinCheckBox, DrawsTheFrameOfItsStateAndSizesItself) {
  Fixtures fixtures;
  TForm form(nullptr);
  auto* box = Make<TSkinCheckBox>(form, form, "C");
  EXPECT_EQ(box->Width(), 93);
  EXPECT_EQ(box->Height(), 17);
  box->SetCaption("Octave");
  struct Case {
    bool checked, enabled;
    TColor frame;
  };
  for (const Case& c : {Case{true, true, clRed}, Case{false, true, clLime}, Case{true, false, clBlue},
                        Case{false, false, clNavy}}) {
    box->SetChecked(c.checked);
    box->SetEnabled(c.enabled);
    Shot(*box);  // the paint sizes the box
    const QImage shot = Shot(*box);
    EXPECT_EQ(At(shot, 7, box->Height() / 2), c.frame) << c.checked << c.enabled;
  }
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas canvas(scratch);
  canvas.Font.Assign(box->Font());
  EXPECT_EQ(box->Height(), std::max(canvas.TextHeight("W") + 2, 13) + 4);
  EXPECT_EQ(box->Width(), 13 + canvas.TextWidth("Octave") + 8);
  // Disabled, the caption keeps the font colour.
  EXPECT_GT(Ink(Shot(*box), QRect(17, 0, box->Width() - 17, box->Height())), 0);
}

TEST(SkinCheckBox, AccessKeyClicksOnlyAnEnabledBox) {
  Fixtures fixtures;
  ActiveForm active;
  auto* box = Make<TSkinCheckBox>(active.form, active.form, "C");
  auto* button = Make<TSkinButton>(active.form, active.form, "B");
  box->SetCaption("&Remember");
  button->SetFocus();
  active.Key(Qt::Key_R);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  box->SetEnabled(false);
  button->SetFocus();
  active.Key(Qt::Key_R, Qt::AltModifier);
  EXPECT_TRUE(box->Checked());
}

TEST(SkinRadioButton, GroupsHoldPerParentAndGroupIndex) {
  Fixtures fixtures;
  ActiveForm active;
  auto* a = Make<TSkinRadioButton>(active.form, active.form, "A");
  auto* b = Make<TSkinRadioButton>(active.form, active.form, "B");
  auto* other = Make<TSkinRadioButton>(active.form, active.form, "Other");
  other->SetGroupIndex(1);
  auto* panel = Make<TPanel>(active.form, active.form, "P");
  auto* elsewhere = new TSkinRadioButton(&active.form);
  elsewhere->SetParent(panel);
  std::string clicks;
  for (TSkinRadioButton* r : {a, b, other, elsewhere})
    r->OnClick = [&clicks](TComponent* sender) { clicks += static_cast<TSkinRadioButton*>(sender)->Name() + " "; };
  elsewhere->SetName("E");
  for (TSkinRadioButton* r : {a, other, elsewhere}) r->SetChecked(true);
  EXPECT_EQ(clicks, "A Other E ");
  clicks.clear();
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(other->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  EXPECT_EQ(clicks, "B ");
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 4));  // already checked: nothing
  a->SetFocus();
  active.Key(Qt::Key_Space);  // radio buttons ignore Space
  EXPECT_FALSE(a->Checked());
  EXPECT_EQ(clicks, "B ");
  // The radio picture is keyed by its lower-left pixel.
  a->SetColor(clYellow);
  Shot(*a);  // the paint sizes the button
  EXPECT_EQ(At(Shot(*a), 1, (a->Height() - 13) / 2 + 12), clYellow);
  EXPECT_EQ(At(Shot(*a), 2, (a->Height() - 13) / 2 + 12), clLime);
}

TEST(SkinButton, ReadsAThemeFileAndTurnsMidnightWhenTheThemeGoes) {
  Fixtures fixtures;
  TBitmap strip;
  strip.SetImage(Strip(10, 7, {clOlive, clPurple, clMaroon}));
  strip.Canvas().SetPixel(0, 0, kCornerKey);
  TThemeFileBuilder file;
  file.Add("ButtonImage", TThemeFileBuilder::Bitmap, SaveBitmapData(strip)).AddFlag("ButtonTransparentBool", 1);
  TTempFolder folder;
  TForm form(nullptr);
  form.SetColor(clYellow);
  auto* theme = new TSkinFileTheme(&form);
  theme->SetThemeFile(folder.Write("olive.thm", file.Bytes()));
  auto* button = Make<TSkinButton>(form, form, "B");
  button->SetUIStyle(TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(At(Shot(*button), 40, 3), clRed);  // no theme yet: Midnight
  button->SetFileTheme(theme);
  EXPECT_TRUE(button->Transparent());
  QImage shot = Shot(*button);
  EXPECT_EQ(At(shot, 40, 3), clOlive);
  EXPECT_EQ(At(shot, 0, 0), clYellow);
  delete theme;
  EXPECT_EQ(button->FileTheme(), nullptr);
  EXPECT_EQ(button->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_FALSE(button->Transparent());
  EXPECT_EQ(At(Shot(*button), 40, 3), clRed);
}

TEST(SkinButton, LoadsFromADescriptionWithGlyphAndHandler) {
  RegisterSkinClasses();
  TCountingForm dialog;
  TBitmap glyph;
  glyph.SetImage(Strip(16, 16, {clGreen}));
  std::string hex;
  for (unsigned char c : SaveBitmapData(glyph)) hex += "0123456789ABCDEF"[c >> 4], hex += "0123456789ABCDEF"[c & 15];
  dialog.LoadDescription("object Dialog: TForm\n  object btnOk: TSkinButton\n    Left = 10\n    Caption = '&OK'\n"
                         "    Default = True\n    ModalResult = 1\n    Glyph = {" + hex + "}\n    Layout = blGlyphRight\n"
                         "    OnClick = Clicked\n  end\n  object imgUp: TSkinImageButton\n    PicNormal = {" + hex +
                         "}\n    Stretch = True\n  end\nend\n");
  auto* ok = static_cast<TSkinButton*>(dialog.FindComponent("btnOk"));
  EXPECT_EQ(ok->Caption(), "&OK");
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(ok->ModalResult(), mrOk);
  EXPECT_EQ(ok->Glyph().Width(), 16);
  EXPECT_EQ(ok->Layout(), TButtonLayout::blGlyphRight);
  ok->Click();
  EXPECT_EQ(dialog.clicks, 1);
  EXPECT_EQ(dialog.ModalResult(), mrOk);
  auto* up = static_cast<TSkinImageButton*>(dialog.FindComponent("imgUp"));
  EXPECT_EQ(up->PicNormal().Width(), 16);
  EXPECT_TRUE(up->Stretch());
}

TEST(SkinButton, OnASkinnedToolBarShowsWhatLiesUnderTheBarAtItsOwnPlace) {
  Fixtures fixtures;
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 100);
  // A ground whose every pixel tells its place: a tile of four colours.
  auto* ground = Make<TSkinImagePanel>(form, form);
  ground->SetBounds(0, 0, 300, 100);
  TBitmap tile;
  tile.SetImage(Strip(1, 1, {clRed, clLime, clBlue, clNavy, clTeal}));
  ground->SetPicture(&tile);
  ground->SetDrawStyle(TSkinDrawStyle::skinTile);
  auto* bar = Make<TSkinToolBar>(form, *ground);
  bar->SetUIStyle(TSkinUIStyle::Crystal);  // transparent
  bar->SetAlign(TAlign::alNone);
  bar->SetBounds(3, 0, 200, 30);
  auto* button = Make<TSkinButton>(form, *bar, "B");
  button->SetUIStyle(TSkinUIStyle::Silver);  // transparent, keyed corners
  button->SetBounds(11, 2, 80, 27);
  const TColor expected = QRgbToColor(tile.Image().pixel((3 + 11) % 5, 0));
  EXPECT_EQ(At(Shot(*button), 0, 0), expected);
}
