// The message dialog component: its settings at creation and from a form
// description, a dialog executed twice, its theme going away, and the
// box's own form description.
#include "skin/SkinClasses.h"
#include "skin/SkinDlg.h"

#include <gtest/gtest.h>

#include "tests/skin/SkinMessageTestSupport.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/FormReader.h"
#include "windowing/FormResources.h"

TEST(SkinMessageDialog, StartsWithTheOwnerFormsStyleAndTheBoxDefaults) {
  TForm owner(nullptr);
  AddSkinForm(owner, TSkinUIStyle::Frost);
  TSkinMessageDialog dialog(&owner);
  EXPECT_EQ(dialog.UIStyle(), TSkinUIStyle::Frost);
  EXPECT_EQ(dialog.Position(), TPosition::poScreenCenter);
  EXPECT_EQ(dialog.Caption(), "skinDialog");
  EXPECT_EQ(dialog.Text(), "Hello world!");
  EXPECT_EQ(dialog.ButtonCursor(), crHandPoint);
  EXPECT_EQ(dialog.ButtonCount(), 1);
  EXPECT_EQ(dialog.IconType(), TSkinIconType::skinNone);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(dialog.ButtonCaption(n), n == 1 ? "OK" : "Cancel");
    EXPECT_EQ(dialog.ButtonModalResult(n), n == 1 ? mrOk : mrCancel);
  }
  EXPECT_EQ(dialog.CaptionFont().Name(), "Tahoma");
  EXPECT_EQ(dialog.CaptionFont().Style(), TFontStyles(fsBold));
  EXPECT_EQ(dialog.CaptionFont().Color(), clWhite);
  EXPECT_EQ(TSkinMessageDialog(nullptr).UIStyle(), TSkinUIStyle::Midnight);

  for (const int count : {-1, 0, 1, 2, 3, 4, 99}) {
    dialog.SetButtonCount(count);
    EXPECT_EQ(dialog.ButtonCount(), std::clamp(count, 1, 3)) << count;
  }
}

TEST(SkinMessageDialog, ReadFromADescriptionAndExecutedTwice) {
  RegisterSkinClasses();
  TForm owner(nullptr);
  owner.LoadDescription(R"(object frmOwner: TForm
  object dlgAsk: TSkinMessageDialog
    Caption = 'Filter File Error'
    UIStyle = Crystal
    Font.Name = 'Verdana'
    ButtonCursor = crArrow
    ButtonCount = 2
    Button1Caption = 'Retry'
    Button1ModalResult = 4
    Button2Caption = 'Ignore'
    Button2ModalResult = 5
    IconType = skinStop
    Text = 'The Filter File is incorrect'
  end
end)");
  auto* dialog = dynamic_cast<TSkinMessageDialog*>(owner.FindComponent("dlgAsk"));
  ASSERT_NE(dialog, nullptr);
  std::vector<std::string> seen;
  TBoxAnswer answer([&](TfrmMsg& form) { PressButton(form, static_cast<int>(seen.size())); },
                    [&](TfrmMsg& form) {
                      seen.push_back(form.Caption() + "|" + form.lbl->Caption() + "|" + form.Font().Name() + "|" +
                                     std::to_string(form.Buttons().at(0)->Cursor()));
                    });
  EXPECT_EQ(dialog->Execute(), mrRetry);
  EXPECT_EQ(dialog->Execute(), mrIgnore);
  const std::string expected = "Filter File Error|The Filter File is incorrect|Verdana|" + std::to_string(crArrow);
  EXPECT_EQ(seen, std::vector<std::string>(2, expected));
  EXPECT_EQ(answer.views.at(0).Style, TSkinUIStyle::Crystal);
  EXPECT_EQ(answer.views.at(1).Captions, (std::vector<std::string>{"Retry", "Ignore"}));
  // Each execution built and freed its own form.
  for (int i = 0; i < ScreenFormCount(); ++i) EXPECT_EQ(dynamic_cast<TfrmMsg*>(ScreenForms(i)), nullptr);
}

namespace {

// The program's bitmaps without the message box's icons.
class TWithoutIcons : public TBitmapResourceProvider {
 public:
  QImage Find(const std::string& name) const override {
    return SameText(name, "MSGDLG") ? QImage() : FBuiltIn.Find(name);
  }

 private:
  TQtBitmapResources FBuiltIn;
};

}  // namespace

TEST(SkinMessageDialog, AnErrorWhileBuildingTheBoxPassesOutAndLeavesNoForm) {
  TWithoutIcons resources;
  TScopedBitmapResources scoped(resources);
  const int forms = ScreenFormCount();
  TBoxAnswer answer([](TfrmMsg& form) { PressButton(form, 1); });
  TSkinMessageDialog dialog(nullptr);
  dialog.SetIconType(TSkinIconType::skinWarning);
  EXPECT_THROW(dialog.Execute(), EResNotFound);
  EXPECT_EQ(ScreenFormCount(), forms);
  EXPECT_TRUE(answer.views.empty());
  // Without an icon the same dialog shows.
  dialog.SetIconType(TSkinIconType::skinNone);
  EXPECT_EQ(dialog.Execute(), mrOk);
}

TEST(SkinMessageDialog, TurnsToMidnightWhenItsThemeIsFreed) {
  TForm owner(nullptr);
  auto* theme = new TSkinFileTheme(&owner);
  TSkinMessageDialog dialog(&owner);
  dialog.SetUIStyle(TSkinUIStyle::FromThemeFile);
  dialog.SetFileTheme(theme);
  EXPECT_EQ(dialog.FileTheme(), theme);
  EXPECT_EQ(dialog.UIStyle(), TSkinUIStyle::FromThemeFile);
  delete theme;
  EXPECT_EQ(dialog.FileTheme(), nullptr);
  EXPECT_EQ(dialog.UIStyle(), TSkinUIStyle::Midnight);
}

TEST(SkinMessageDialog, TheBoxFormIsReadFromItsOwnDescription) {
  const std::string text = LoadFormResource("TFRMMSG");
  EXPECT_EQ(text.rfind("object frmMsg: TfrmMsg", 0), 0u);
  EXPECT_THROW(LoadFormResource("TFRMNONE"), EResNotFound);
  TfrmMsg form(nullptr);
  EXPECT_EQ(form.BoundsRect().Width(), 336);
  EXPECT_EQ(form.skinForm1->Left(), 3);
  EXPECT_EQ(form.skinForm1->Top(), 0);
  EXPECT_EQ(form.skinForm1->Width(), 330);
  EXPECT_EQ(form.skinForm1->UIStyle(), TSkinUIStyle::Azure);
  EXPECT_EQ(form.skinForm1->BorderColor(), 0xC82C00);
  EXPECT_EQ(form.lbl->BoundsRect(), Bounds(88, 64, 225, 13));
  EXPECT_EQ(form.Image1->BoundsRect(), Bounds(24, 64, 40, 40));
  // The stored title pictures and close button are the Azure ones.
  TSkinTitleBar& bar = form.skinForm1->TitleBar();
  ASSERT_EQ(bar.Sections().Count(), 3);
  ASSERT_EQ(bar.Buttons().Count(), 1);
  EXPECT_EQ(bar.Buttons().Items(0)->ButtonType(), TSkinTitleBarBtnType::skinClose);
  const struct {
    const char* name;
    const TPicture& picture;
  } pictures[] = {{"AZURE_TITLE_LEFT", bar.Sections().Items(0)->Picture()},
                  {"AZURE_TITLE_RIGHT", bar.Sections().Items(1)->Picture()},
                  {"AZURE_TITLE_CLIENT", bar.Sections().Items(2)->Picture()}};
  for (const auto& p : pictures) {
    TBitmap expected;
    expected.LoadFromResourceName(p.name);
    EXPECT_EQ(p.picture.Graphic()->Image().convertToFormat(QImage::Format_RGB32),
              expected.Image().convertToFormat(QImage::Format_RGB32))
        << p.name;
  }
  TBitmap strip, close;
  strip.LoadFromResourceName("AZURE_TITLEBTN");
  CutBitmapFrame(strip, close, 18, 16);
  EXPECT_EQ(bar.Buttons().Items(0)->PicNormal().Graphic()->Image().convertToFormat(QImage::Format_RGB32),
            close.Image().convertToFormat(QImage::Format_RGB32));
}
