#include "skin/SkinMgr.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QImage>

#include "skin/SkinButton.h"
#include "skin/SkinClasses.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinDlg.h"
#include "skin/SkinEdit.h"
#include "skin/SkinForm.h"
#include "skin/SkinGrid.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinImagePanel.h"
#include "skin/SkinListBox.h"
#include "skin/SkinMainMenu.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinPopupMenu.h"
#include "skin/SkinScrollBar.h"
#include "skin/SkinStatusBar.h"
#include "skin/SkinTabControl.h"
#include "skin/SkinThemeFile.h"
#include "skin/SkinTitleBar.h"
#include "skin/SkinToolBar.h"
#include "skin/SkinTrackBar.h"
#include "skin/SkinTreeView.h"
#include "skin/SkinURLLabel.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/Bitmap.h"
#include "windowing/CustomControl.h"
#include "windowing/Form.h"

namespace {

// Three 10 x 7 frames: red, green, blue.
QImage ThreeFrames() {
  QImage strip(30, 7, QImage::Format_RGB32);
  for (int f = 0; f < 3; ++f)
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 7; ++y) strip.setPixel(f * 10 + x, y, f == 0 ? qRgb(255, 0, 0) : f == 1 ? qRgb(0, 255, 0) : qRgb(0, 0, 255));
  return strip;
}

TThemeFileBuilder SampleTheme() {
  TThemeFileBuilder theme;
  theme.AddInteger("FormBackgroundColor", 0x123456)
      .AddInteger("formborderwidthint", 5)
      .AddFlag("TitleBarButtonTransparentBool", 1)
      .Add("ButtonImage", TThemeFileBuilder::Bitmap, ImageBytes(ThreeFrames(), "BMP"))
      .Add("CheckBoxImage", TThemeFileBuilder::Bitmap, "not an image")
      .Add("RadioButtonImage", TThemeFileBuilder::Bitmap, ImageBytes(QImage(2500, 2500, QImage::Format_RGB32), "PNG"));
  return theme;
}

// A component that handles its style and theme as every skinned one does,
// and publishes both, but is none of the skinned components.
class TPlainThemed : public TComponent, public TPersistent {
 public:
  explicit TPlainThemed(TComponent* owner) : TComponent(owner), FUIStyle(GetOwnerUIStyle(owner)) {}
  TPlainThemed(TComponent* owner, TSkinUIStyle style, TSkinFileTheme* theme) : TPlainThemed(owner) {
    FUIStyle = style;
    SetFileTheme(theme);
  }
  static const TClassInfo& StaticClassInfo() {
    static const auto info = Define<TPlainThemed>("TPlainThemed");
    return *info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TSkinUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TSkinUIStyle style) { FUIStyle = style; }
  TSkinFileTheme* FileTheme() const { return FFileTheme; }
  void SetFileTheme(TSkinFileTheme* theme) {
    LinkFileTheme(*this, FFileTheme, theme);
    ++ThemeAssignments;
  }
  int ThemeAssignments = 0;

 protected:
  template <class C>
  static std::unique_ptr<TClassInfo> Define(const char* name) {
    return DefineClass<C>(name, ComponentClassInfo(), [](TPublisher<C>& p) {
      p.template Component<TSkinFileTheme>("FileTheme", &C::FileTheme, &C::SetFileTheme)
          .Enum("UIStyle", SkinUIStyleNames(), &C::UIStyle, &C::SetUIStyle);
    });
  }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (UnlinkRemovedFileTheme(FFileTheme, component, operation)) FUIStyle = TSkinUIStyle::Midnight;
  }

 private:
  TSkinUIStyle FUIStyle;
  TSkinFileTheme* FFileTheme = nullptr;
};

// The same as a skinned component.
class TTestSkinned : public TSkinThemeUserOf<TPlainThemed> {
 public:
  using TSkinThemeUserOf::TSkinThemeUserOf;
  static const TClassInfo& StaticClassInfo() {
    static const auto info = Define<TTestSkinned>("TSkinTestControl");
    return *info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

int BitmapWidth(const TSkinFileTheme& theme, int item) {
  TBitmap bitmap;
  theme.GetBitmap(item, &bitmap);
  return bitmap.Width();
}

}  // namespace

TEST(SkinFileTheme, ResolvesTheStyleItsUsersReadFrom) {
  TTempFolder folder;
  TSkinFileTheme unloaded(nullptr), loaded(nullptr);
  loaded.SetThemeFile(folder.Write("a.thm", SampleTheme().Bytes()));
  ASSERT_TRUE(loaded.IsThemeLoaded());
  struct Case {
    const TSkinFileTheme* theme;
    TSkinUIStyle style;
    bool useFile;
    TSkinUIStyle resolved;
  } const cases[] = {
      {nullptr, TSkinUIStyle::FromThemeFile, false, TSkinUIStyle::Midnight},
      {&unloaded, TSkinUIStyle::FromThemeFile, false, TSkinUIStyle::Midnight},
      {&loaded, TSkinUIStyle::FromThemeFile, true, TSkinUIStyle::FromThemeFile},
      {&loaded, TSkinUIStyle::Crystal, false, TSkinUIStyle::Crystal},
      {nullptr, TSkinUIStyle::Silver, false, TSkinUIStyle::Silver},
      {&unloaded, TSkinUIStyle::Frost, false, TSkinUIStyle::Frost},
  };
  for (const Case& c : cases) {
    const TSkinResolvedStyle r = TSkinFileTheme::ResolveStyle(c.theme, c.style);
    EXPECT_EQ(r.UseFile, c.useFile);
    EXPECT_EQ(r.Style, c.resolved);
  }
}

TEST(SkinFileTheme, GivesTheFileItemsAndMidnightForWhatTheFileLacks) {
  TTempFolder folder;
  TSkinFileTheme theme(nullptr);
  theme.SetThemeFile(folder.Write("a.thm", SampleTheme().Bytes()));

  EXPECT_EQ(theme.GetColor(SkinItem::FormBackgroundColor), 0x123456);
  EXPECT_EQ(theme.GetInteger(SkinItem::FormBackgroundColor), 0x123456);
  EXPECT_EQ(theme.GetInteger(SkinItem::FormBorderWidthInt), 5);
  EXPECT_TRUE(theme.GetBool(SkinItem::TitleBarButtonTransparentBool));
  EXPECT_EQ(BitmapWidth(theme, SkinItem::ButtonImage), 30);
  TBitmap frame;
  theme.GetBitmapFrame(SkinItem::ButtonImage, &frame, 3, 2);
  EXPECT_EQ(frame.Width(), 10);
  EXPECT_EQ(frame.Image().pixel(5, 3), qRgb(0, 255, 0));

  // Missing items, an image that does not decode and one too large to decode.
  EXPECT_EQ(theme.GetColor(SkinItem::MenuSelectedBorderColor), 0xA04A44);
  EXPECT_EQ(theme.GetInteger(SkinItem::MenuSelectedBorderColor), 0xA04A44);
  EXPECT_EQ(theme.GetInteger(SkinItem::FormMinWidthInt), 130);
  EXPECT_EQ(BitmapWidth(theme, SkinItem::TitleBarButtonImage), 342);
  EXPECT_EQ(BitmapWidth(theme, SkinItem::CheckBoxImage), 52);
  EXPECT_EQ(BitmapWidth(theme, SkinItem::RadioButtonImage), 52);
  theme.GetBitmapFrame(SkinItem::TitleBarButtonImage, &frame, 18, 1);
  EXPECT_EQ(frame.Width(), 19);

  // Item numbers outside 1..42: the wrong-kind answers, bitmaps untouched.
  for (const int item : {0, 43, -7}) {
    EXPECT_EQ(theme.GetInteger(item), -1);
    EXPECT_EQ(theme.GetColor(item), 0);
    EXPECT_FALSE(theme.GetBool(item));
    TBitmap untouched;
    untouched.SetSize(4, 4);
    theme.GetBitmap(item, &untouched);
    theme.GetBitmapFrame(item, &untouched, 2, 1);
    EXPECT_EQ(untouched.Width(), 4);
  }
  theme.GetBitmap(SkinItem::ButtonImage, nullptr);
  theme.GetBitmapFrame(SkinItem::ButtonImage, nullptr, 3, 1);
}

TEST(SkinFileTheme, DecodesEachImageOncePerFileItReads) {
  TTempFolder folder;
  TSkinFileTheme theme(nullptr);
  theme.SetThemeFile(folder.Write("a.thm", SampleTheme().Bytes()));
  TBitmap first, again;
  theme.GetBitmap(SkinItem::ButtonImage, &first);
  theme.GetBitmapFrame(SkinItem::ButtonImage, &again, 3, 2);
  theme.GetBitmap(SkinItem::ButtonImage, &again);
  // The same decoded pixels come back: a second decode would make new ones.
  EXPECT_EQ(again.Image().cacheKey(), first.Image().cacheKey());

  QImage wider(60, 7, QImage::Format_RGB32);
  wider.fill(Qt::yellow);
  theme.SetThemeFile(folder.Write("b.thm", TThemeFileBuilder().Add("ButtonImage", TThemeFileBuilder::Bitmap, ImageBytes(wider, "BMP")).Bytes()));
  TBitmap next;
  theme.GetBitmap(SkinItem::ButtonImage, &next);
  EXPECT_EQ(next.Width(), 60);
  EXPECT_EQ(next.Image().pixel(0, 0), qRgb(255, 255, 0));
}

TEST(SkinFileTheme, ThemeFileLoadsOnlyANewNameThatIsFound) {
  TTempFolder folder;
  TSkinFileTheme theme(nullptr);
  const std::string first = folder.Write("first.thm", TThemeFileBuilder().AddInteger("FormBorderWidthInt", 1).Bytes());
  theme.SetThemeFile(first);
  EXPECT_EQ(theme.ThemeFile(), first);

  // The same name again is not read again.
  folder.Write("first.thm", TThemeFileBuilder().AddInteger("FormBorderWidthInt", 2).Bytes());
  theme.SetThemeFile(first);
  EXPECT_EQ(theme.GetInteger(SkinItem::FormBorderWidthInt), 1);

  // A name found nowhere changes nothing.
  theme.SetThemeFile(folder.Path() + "nowhere/none.thm");
  EXPECT_EQ(theme.ThemeFile(), first);
  EXPECT_TRUE(theme.IsThemeLoaded());
  EXPECT_EQ(theme.GetInteger(SkinItem::FormBorderWidthInt), 1);

  // A name found only in the program's folder loads from there.
  const std::string bare = "carolune-skin-test-" + std::to_string(getpid()) + ".thm";
  const std::string inProgramFolder = QCoreApplication::applicationDirPath().toStdString() + "/" + bare;
  {
    TFileStream file(inProgramFolder, TFileMode::fmCreate);
    file.WriteString(TThemeFileBuilder().AddInteger("FormBorderWidthInt", 3).Bytes());
  }
  theme.SetThemeFile(folder.Path() + "elsewhere/" + bare);
  unlink(inProgramFolder.c_str());
  EXPECT_EQ(theme.ThemeFile(), inProgramFolder);
  EXPECT_EQ(theme.GetInteger(SkinItem::FormBorderWidthInt), 3);
}

TEST(SkinFileTheme, AFileThatFailsToReadLeavesNoThemeLoaded) {
  TTempFolder folder;
  TSkinFileTheme theme(nullptr);
  theme.SetThemeFile(folder.Write("good.thm", SampleTheme().Bytes()));
  std::string damaged = SampleTheme().Bytes();
  PutLe32(damaged, 12, 99);
  const std::string name = folder.Write("damaged.thm", damaged);
  EXPECT_THROW(theme.SetThemeFile(name), ESkinThemeFileError);
  EXPECT_EQ(theme.ThemeFile(), name);
  EXPECT_FALSE(theme.IsThemeLoaded());
  EXPECT_FALSE(TSkinFileTheme::ResolveStyle(&theme, TSkinUIStyle::FromThemeFile).UseFile);
  EXPECT_EQ(theme.GetColor(SkinItem::FormBackgroundColor), 0xE8E8E8);
  EXPECT_EQ(BitmapWidth(theme, SkinItem::ButtonImage), 222);
}

// FromThemeFile without a theme in force reads exactly what Midnight reads.
TEST(SkinItemSource, WithoutALoadedThemeFromThemeFileIsMidnight) {
  TSkinFileTheme unloaded(nullptr);
  const TSkinItemSource midnight(nullptr, TSkinUIStyle::Midnight);
  const TSkinFileTheme* const themes[] = {nullptr, &unloaded};
  for (const TSkinFileTheme* theme : themes) {
    const TSkinItemSource source(theme, TSkinUIStyle::FromThemeFile);
    for (int item = 1; item <= SkinThemeItemCount; ++item) {
      EXPECT_EQ(source.Bool(item), midnight.Bool(item)) << item;
      EXPECT_EQ(source.Color(item), midnight.Color(item)) << item;
      EXPECT_EQ(source.Integer(item), midnight.Integer(item)) << item;
      TBitmap a, b;
      source.BitmapFrame(item, &a, 2, 2);
      midnight.BitmapFrame(item, &b, 2, 2);
      EXPECT_EQ(a.Image(), b.Image()) << item;
    }
  }
  TTempFolder folder;
  TSkinFileTheme loaded(nullptr);
  loaded.SetThemeFile(folder.Write("a.thm", SampleTheme().Bytes()));
  const TSkinItemSource file(&loaded, TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(file.Color(SkinItem::FormBackgroundColor), 0x123456);
  EXPECT_EQ(file.Integer(SkinItem::FormBorderWidthInt), 5);
  TBitmap whole;
  file.Bitmap(SkinItem::ButtonImage, &whole);
  EXPECT_EQ(whole.Width(), 30);
}

TEST(SkinFileTheme, DestroyingTheThemeTurnsItsUsersToMidnight) {
  TComponent form(nullptr), otherForm(nullptr);
  auto* theme = new TSkinFileTheme(&form);
  auto* other = new TSkinFileTheme(&form);
  auto* user = new TTestSkinned(&form, TSkinUIStyle::FromThemeFile, theme);
  auto* bystander = new TTestSkinned(&form, TSkinUIStyle::Crystal, nullptr);
  auto* elsewhere = new TTestSkinned(&otherForm, TSkinUIStyle::FromThemeFile, theme);
  auto* moved = new TTestSkinned(&form, TSkinUIStyle::Frost, theme);
  moved->SetFileTheme(other);

  delete theme;
  EXPECT_EQ(user->FileTheme(), nullptr);
  EXPECT_EQ(user->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(elsewhere->FileTheme(), nullptr);
  EXPECT_EQ(elsewhere->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(bystander->UIStyle(), TSkinUIStyle::Crystal);
  EXPECT_EQ(moved->FileTheme(), other);
  EXPECT_EQ(moved->UIStyle(), TSkinUIStyle::Frost);
}

TEST(SkinFileTheme, ALoadGivesTheThemeAgainToTheFormsSkinnedUsersOfIt) {
  TTempFolder folder;
  TForm form(nullptr);
  auto* theme = new TSkinFileTheme(&form);
  auto* other = new TSkinFileTheme(&form);
  auto* user = new TTestSkinned(&form, TSkinUIStyle::FromThemeFile, theme);
  auto* otherUser = new TTestSkinned(&form, TSkinUIStyle::FromThemeFile, other);
  auto* notSkinned = new TPlainThemed(&form, TSkinUIStyle::FromThemeFile, theme);
  const auto assignments = [&] {
    return std::to_string(user->ThemeAssignments) + std::to_string(otherUser->ThemeAssignments) +
           std::to_string(notSkinned->ThemeAssignments);
  };
  ASSERT_EQ(assignments(), "111");

  const std::string good = folder.Write("good.thm", SampleTheme().Bytes());
  SetStrProp(*theme, "ThemeFile", good);
  EXPECT_EQ(assignments(), "211");
  EXPECT_EQ(user->FileTheme(), theme);
  theme->SetThemeFile(good);  // the same name: not read, not applied
  theme->SetThemeFile(folder.Path() + "none.thm");
  EXPECT_EQ(assignments(), "211");
  std::string damaged = SampleTheme().Bytes();
  damaged.resize(100);
  EXPECT_THROW(theme->SetThemeFile(folder.Write("damaged.thm", damaged)), ESkinThemeFileError);
  EXPECT_EQ(assignments(), "211");

  // A theme whose owner is no form has no users to tell.
  TComponent plainOwner(nullptr);
  auto* lone = new TSkinFileTheme(&plainOwner);
  auto* loneUser = new TTestSkinned(&plainOwner, TSkinUIStyle::FromThemeFile, lone);
  lone->SetThemeFile(good);
  EXPECT_TRUE(lone->IsThemeLoaded());
  EXPECT_EQ(loneUser->ThemeAssignments, 1);
}

// Containers and a reloaded theme reach the theme users: they must be
// exactly the skinned classes that publish both FileTheme and UIStyle.
template <class... C>
void ExpectThemeUsersPublishStyleAndTheme() {
  const auto expect = [](const TClassInfo& info, bool user) {
    EXPECT_EQ(user, info.FindProperty("FileTheme") && info.FindProperty("UIStyle")) << info.Name();
  };
  (expect(C::StaticClassInfo(), std::is_base_of_v<TSkinThemeUser, C>), ...);
}

TEST(SkinFileTheme, ItsUsersAreTheSkinnedClassesThatPublishStyleAndTheme) {
  ExpectThemeUsersPublishStyleAndTheme<
      TSkinFileTheme, TSkinPopupMenu, TSkinMainMenu, TSkinTitleBarPopupMenu, TSkinForm, TSkinTitleBar, TSkinStatusBar,
      TSkinToolBar, TSkinCustomButton, TSkinButton, TSkinImageButton, TSkinCheckBox, TSkinRadioButton, TSkinCustomPanel,
      TSkinImagePanel, TSkinCustomGroupBox, TSkinGroupBox, TSkinTrackBar, TSkinScrollTrackBar, TSkinDialog,
      TSkinMessageDialog, TSkinScrollBar, TSkinEdit, TSkinCustomComboBox, TSkinComboBox, TSkinMemo, TSkinListBox,
      TSkinTreeView, TSkinTabControlTopPanel, TSkinTab, TSkinPageControlTopPanel, TSkinPageControl, TSkinTabSheet,
      TSkinStringGrid, TSkinURLLabel>();
  EXPECT_FALSE((std::is_base_of_v<TSkinThemeUser, TPlainThemed>));
}

TEST(SkinOwnerStyle, ANewComponentTakesTheStyleOfItsFormsSkinForm) {
  TForm crystal(nullptr);
  (new TPanel(&crystal))->SetParent(&crystal);  // the frame need not be the first child
  AddSkinForm(crystal, TSkinUIStyle::Crystal);
  EXPECT_EQ((new TTestSkinned(&crystal))->UIStyle(), TSkinUIStyle::Crystal);

  TForm fromFile(nullptr);
  AddSkinForm(fromFile, TSkinUIStyle::FromThemeFile);
  EXPECT_EQ(GetOwnerUIStyle(&fromFile), TSkinUIStyle::FromThemeFile);

  TForm bare(nullptr);
  TComponent notAForm(nullptr);
  (new TSkinForm(&notAForm))->SetUIStyle(TSkinUIStyle::Frost);
  EXPECT_EQ((new TTestSkinned(&bare))->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ((new TTestSkinned(&notAForm))->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(GetOwnerUIStyle(nullptr), TSkinUIStyle::Midnight);
}

TEST(SkinFileTheme, LoadsFromAFormDescription) {
  TTempFolder folder;
  const std::string file = folder.Write("described.thm", SampleTheme().Bytes());
  RegisterSkinClasses();
  TForm form(nullptr);
  form.LoadDescription("object frmTest: TForm\n  object theme1: TSkinFileTheme\n    ThemeFile = '" + file + "'\n  end\nend\n");
  auto* theme = dynamic_cast<TSkinFileTheme*>(form.FindComponent("theme1"));
  ASSERT_NE(theme, nullptr);
  EXPECT_EQ(theme->ThemeFile(), file);
  EXPECT_EQ(theme->GetColor(SkinItem::FormBackgroundColor), 0x123456);
}
