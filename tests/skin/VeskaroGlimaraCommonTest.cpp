// The skinned message box as the programs show it: its layout for the
// number of buttons and the icon, the answers of its buttons, of its close
// button and of the keyboard, the text shown literally, the style of the
// window that asks, and a provider standing in for the box.
#include "skin/VeskaroGlimaraCommon.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "skin/SkinThemes.h"
#include "tests/skin/SkinMessageTestSupport.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/Application.h"

namespace {

TFont WindowFont() {
  TFont font;
  font.SetName("Tahoma");
  font.SetHeight(-11);
  return font;
}

// The three-button question of the programs, in a style.
int AskSave(int buttonCount, TSkinIconType icon, TSkinUIStyle style = TSkinUIStyle::Azure,
            const std::string& text = "Save current file?", const TFont& font = WindowFont()) {
  return ShowSkinMessageBox("Save", text, "Yes", mrYes, "No", mrNo, "Cancel", mrCancel, buttonCount, icon, style, font);
}

// The pixels of two images of one size that differ by more than rounding.
int DifferentPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > 8 || std::abs(qGreen(p) - qGreen(q)) > 8 || std::abs(qBlue(p) - qBlue(q)) > 8)
        ++count;
    }
  return count;
}

std::vector<int> Lefts(const TBoxView& view) {
  std::vector<int> lefts;
  for (const TRect& r : view.Buttons) lefts.push_back(r.Left);
  return lefts;
}

}  // namespace

TEST(ShowSkinMessageBox, LaysOutTheButtonsByCountAndIcon) {
  const struct {
    int count;
    TSkinIconType icon;
    int width;
    int textLeft;
    std::vector<int> lefts;
    std::vector<std::string> captions;
  } cases[] = {
      {1, TSkinIconType::skinWarning, 336, 88, {239}, {"Yes"}},
      {3, TSkinIconType::skinInformation, 336, 88, {53, 146, 239}, {"Yes", "No", "Cancel"}},
      {2, TSkinIconType::skinNone, 272, 24, {82, 175}, {"Yes", "No"}},
      {3, TSkinIconType::skinNone, 336, 24, {53, 146, 239}, {"Yes", "No", "Cancel"}},
  };
  for (const auto& c : cases) {
    TBoxAnswer answer([](TfrmMsg& form) { PressButton(form, 1); });
    EXPECT_EQ(AskSave(c.count, c.icon), mrYes);
    ASSERT_EQ(answer.views.size(), 1u);
    const TBoxView& view = answer.views[0];
    EXPECT_EQ(view.Width, c.width) << c.count;
    EXPECT_EQ(view.Height, 169) << c.count;  // a one-line text: the buttons at 104 + 20
    EXPECT_EQ(view.Text.Left, c.textLeft);
    EXPECT_EQ(view.Text.Top, 64);
    EXPECT_EQ(view.IconShown, c.icon != TSkinIconType::skinNone);
    EXPECT_EQ(Lefts(view), c.lefts);
    EXPECT_EQ(view.Captions, c.captions);
    for (const TRect& r : view.Buttons) EXPECT_EQ(r, Bounds(r.Left, 124, 73, 25));
    EXPECT_EQ(view.Focused, 0) << "button 1 has the focus";
  }
}

TEST(ShowSkinMessageBox, ALongTextPushesTheButtonsDown) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += "ringtone ";
  int textHeight = 0;
  QPoint centre;
  TBoxAnswer answer([](TfrmMsg& form) { PressButton(form, 1); },
                    [&](TfrmMsg& form) {
                      textHeight = form.lbl->Height();
                      centre = form.geometry().center();
                    });
  AskSave(1, TSkinIconType::skinWarning, TSkinUIStyle::Azure, text);
  const TBoxView& view = answer.views.at(0);
  EXPECT_GE(textHeight, 5 * 13);
  EXPECT_EQ(view.Text.Width(), 225);
  EXPECT_EQ(view.Buttons.at(0).Top, 64 + textHeight + 20);
  EXPECT_EQ(view.Height, 64 + textHeight + 65);
  // Placed once it has its size: in the middle of the screen.
  const QPoint screen = QGuiApplication::primaryScreen()->geometry().center();
  EXPECT_LE((centre - screen).manhattanLength(), 2);
}

TEST(ShowSkinMessageBox, ShowsTheIconFrameOfItsType) {
  const std::vector<TColor> frames = {clYellow, clRed, clBlue, clLime};
  TOverlayResources resources;
  resources.Add("MSGDLG", SolidStrip(42, 42, frames));
  TScopedBitmapResources scoped(resources);
  for (int type = 1; type <= 4; ++type) {
    TBoxAnswer answer([](TfrmMsg& form) { PressButton(form, 1); });
    AskSave(1, static_cast<TSkinIconType>(type));
    const QImage& icon = answer.views.at(0).Icon;
    ASSERT_EQ(icon.size(), QSize(42, 42)) << type;
    EXPECT_EQ(QRgbToColor(icon.pixel(20, 20)), frames[static_cast<size_t>(type - 1)]) << type;
  }
}

TEST(ShowSkinMessageBox, ReturnsTheResultOfThePressedButtonOrCancelWhenClosed) {
  const struct {
    std::function<void(TfrmMsg&)> answer;
    int result;
  } cases[] = {
      {[](TfrmMsg& form) { PressButton(form, 1); }, mrYes},
      {[](TfrmMsg& form) { PressButton(form, 2); }, mrNo},
      {[](TfrmMsg& form) { PressButton(form, 3); }, mrAbort},
      {CloseFromTitleBar, mrCancel},
      {[](TfrmMsg&) { TypeKey(Qt::Key_Return); }, mrYes},
      {[](TfrmMsg&) {
         TypeKey(Qt::Key_Tab);
         TypeKey(Qt::Key_Space);
       },
       mrNo},
      {[](TfrmMsg&) {
         TypeKey(Qt::Key_Tab);
         TypeKey(Qt::Key_Tab);
         TypeKey(Qt::Key_Return);
       },
       mrAbort},
      {[](TfrmMsg&) { TypeKey(Qt::Key_Escape); }, mrCancel},
      {[](TfrmMsg&) { TypeKey(Qt::Key_N); }, mrNo},
      {[](TfrmMsg&) { TypeKey(Qt::Key_A, Qt::AltModifier); }, mrAbort},
  };
  int i = 0;
  for (const auto& c : cases) {
    TBoxAnswer answer(c.answer);
    // No button gives the cancel result: closing does it alone.
    EXPECT_EQ(ShowSkinMessageBox("Save", "Save current file?", "&Yes", mrYes, "&No", mrNo, "&Abort", mrAbort, 3,
                                 TSkinIconType::skinInformation, TSkinUIStyle::Crystal, WindowFont()),
              c.result)
        << "case " << i;
    ++i;
  }
}

TEST(ShowSkinMessageBox, EscapeWithShiftAndAPlainLetterLeaveTheBoxOpen) {
  int stillOpen = 0;
  TBoxAnswer answer([&](TfrmMsg& form) {
    TypeKey(Qt::Key_Escape, Qt::ShiftModifier);
    TypeKey(Qt::Key_Y);  // no access key: the captions are plain
    if (form.Visible()) ++stillOpen;
    PressButton(form, 2);
  });
  EXPECT_EQ(AskSave(3, TSkinIconType::skinInformation), mrNo);
  EXPECT_EQ(stillOpen, 1);
}

TEST(ShowSkinMessageBox, ShowsTheTextLiterally) {
  const std::string text = "Tom & Jerry.mid";
  QImage shown;
  TRect place;
  TColor ground = clNone;
  TFont font;
  TBoxAnswer answer([](TfrmMsg& form) { PressButton(form, 1); },
                    [&](TfrmMsg& form) {
                      shown = form.skinForm1->grab().toImage();
                      place = form.lbl->BoundsRect();
                      ground = form.skinForm1->Color();
                      font.Assign(form.lbl->Font());
                    });
  ShowSkinMessageBox("error", text, "OK", mrOk, "", 0, "", 0, 1, TSkinIconType::skinWarning, TSkinUIStyle::Azure,
                     WindowFont());
  // The label against the text drawn with and without access-key marks.
  const auto drawn = [&](unsigned prefix) {
    QImage image(place.Width(), place.Height(), QImage::Format_RGB32);
    TCanvas canvas(image);
    canvas.Brush.Color = ground;
    canvas.FillRect(Rect(0, 0, place.Width(), place.Height()));
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Font.Assign(font);
    TRect r = Rect(0, 0, place.Width(), place.Height());
    canvas.DrawText(text, r, DT_WORDBREAK | prefix);
    return image;
  };
  const QImage label = shown.copy(ToQRect(place)).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(DifferentPixels(label, drawn(DT_NOPREFIX)), 0);
  EXPECT_GT(DifferentPixels(label, drawn(0)), 20);
}

TEST(ShowSkinMessageBox, TakesTheStyleAndFontOfTheWindowThatAsks) {
  TFont font;
  font.SetName("Verdana");
  font.SetHeight(-13);
  font.SetColor(clNavy);
  for (const TSkinUIStyle style : {TSkinUIStyle::Silver, TSkinUIStyle::Azure, TSkinUIStyle::Midnight,
                                   TSkinUIStyle::Crystal, TSkinUIStyle::Frost}) {
    TSkinnedForm caller(style);
    caller.form.Font().Assign(font);
    std::vector<TSkinUIStyle> buttonStyles;
    TColor border = clNone;
    bool fontsTaken = true;
    TFont title;
    TBoxAnswer answer([](TfrmMsg& form) { PressButton(form, 1); },
                      [&](TfrmMsg& form) {
                        border = form.skinForm1->BorderColor();
                        for (TSkinButton* button : form.Buttons()) {
                          buttonStyles.push_back(button->UIStyle());
                          fontsTaken = fontsTaken && button->Font() == font;
                        }
                        fontsTaken = fontsTaken && form.lbl->Font() == font;
                        title.Assign(form.skinForm1->TitleBarFont());
                      });
    ShowSkinMessageBox("Warning", "Are you sure?", "OK", mrOk, "Cancel", mrCancel, "", 0, 2,
                       TSkinIconType::skinHelp, caller.skin->UIStyle(), caller.form.Font());
    const int s = static_cast<int>(style);
    EXPECT_EQ(answer.views.at(0).Style, style) << s;
    EXPECT_EQ(buttonStyles, std::vector<TSkinUIStyle>(2, style)) << s;
    EXPECT_EQ(border, GetBuiltInThemeColor(style, SkinItem::FormBorderColor)) << s;
    EXPECT_TRUE(fontsTaken) << s;
    // The title keeps the box's own font.
    EXPECT_EQ(title.Name(), "Tahoma");
    EXPECT_EQ(title.Style(), TFontStyles(fsBold));
    EXPECT_EQ(title.Color(), style == TSkinUIStyle::Silver ? clBlack : clWhite) << s;
  }
}

namespace {

// Stands in for the boxes: records the requests and gives an answer.
class TAnsweringProvider : public TMessageBoxProvider {
 public:
  explicit TAnsweringProvider(int answer) : FAnswer(answer), FPrevious(Application().SetMessageBoxProvider(this)) {}
  ~TAnsweringProvider() override { Application().SetMessageBoxProvider(FPrevious); }
  TAnsweringProvider(const TAnsweringProvider&) = delete;
  TAnsweringProvider& operator=(const TAnsweringProvider&) = delete;
  int MessageBox(const std::string&, const std::string&, unsigned flags) override {
    boxFlags.push_back(flags);
    return FAnswer;
  }
  int MessageDialog(const TMessageDialogRequest& request) override {
    if (!ownDialogs) return TMessageBoxProvider::MessageDialog(request);
    requests.push_back(request);
    return FAnswer;
  }
  bool ownDialogs = true;
  std::vector<TMessageDialogRequest> requests;
  std::vector<unsigned> boxFlags;

 private:
  int FAnswer;
  TMessageBoxProvider* FPrevious;
};

}  // namespace

TEST(ShowSkinMessageBox, AnInstalledProviderAnswersInsteadOfTheBox) {
  TFont font = WindowFont();
  font.SetColor(clRed);
  TAnsweringProvider provider(mrNo);
  EXPECT_EQ(AskSave(2, TSkinIconType::skinInformation, TSkinUIStyle::Frost, "Save current file?", font), mrNo);
  ASSERT_EQ(provider.requests.size(), 1u);
  const TMessageDialogRequest& request = provider.requests[0];
  EXPECT_EQ(request.Caption, "Save");
  EXPECT_EQ(request.Text, "Save current file?");
  ASSERT_EQ(request.Buttons.size(), 2u);
  EXPECT_EQ(request.Buttons[0].Caption, "Yes");
  EXPECT_EQ(request.Buttons[1].Result, mrNo);
  EXPECT_EQ(request.Icon, MB_ICONINFORMATION);
  EXPECT_EQ(request.Style, static_cast<int>(TSkinUIStyle::Frost));
  EXPECT_TRUE(request.Font == font);

  // A provider that knows only the platform's box sees the nearest standard one.
  provider.ownDialogs = false;
  const struct {
    int count;
    TSkinIconType icon;
    unsigned flags;
  } cases[] = {{3, TSkinIconType::skinInformation, MB_YESNOCANCEL | MB_ICONINFORMATION},
               {2, TSkinIconType::skinHelp, MB_YESNO | MB_ICONQUESTION},
               {1, TSkinIconType::skinStop, MB_OK | MB_ICONERROR},
               {1, TSkinIconType::skinNone, MB_OK}};
  std::vector<unsigned> expected;
  for (const auto& c : cases) {
    EXPECT_EQ(AskSave(c.count, c.icon), mrNo);
    expected.push_back(c.flags);
  }
  EXPECT_EQ(ShowSkinMessageBox("Warning", "Delete?", "OK", mrOk, "Cancel", mrCancel, "", 0, 2,
                               TSkinIconType::skinWarning, TSkinUIStyle::Crystal, font),
            mrNo);
  expected.push_back(MB_OKCANCEL | MB_ICONWARNING);
  EXPECT_EQ(provider.boxFlags, expected);
}
