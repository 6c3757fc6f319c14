// The commands of the main window that open the other windows: the about
// box, the options dialog on its first page or on the filters, the filter
// import, and the filter editor from the options dialog.
#include <QComboBox>

#include "app/AboutFrm.h"
#include "app/ImportFilterFrm.h"
#include "filters/DravikFrm.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "tests/app/MainWindowFixture.h"
#include "windowing/Action.h"

namespace {

void Choose(TSkinComboBox& combo, const std::string& item) {
  const int index = combo.Items().IndexOf(item);
  ASSERT_GE(index, 0) << item;
  combo.SetItemIndex(index);
  emit combo.Combo().activated(index);  // as the user's choice reports it
}

}  // namespace

TEST_F(MainWindowTest, TheAboutCommandShowsTheAboutBoxModallyAndFreesIt) {
  TfrmMain& w = Window();
  std::string caption;
  TModalAnswers<TfrmAbout> answers({[&](TfrmAbout& about) {
    caption = about.Caption();
    ClickButton(*about.btnExit);
  }});
  Find<TAction>("actAbout").Execute();
  EXPECT_EQ(caption, "About Carolune");
  EXPECT_EQ(answers.Answered(), 1u);
  for (int i = 0; i < ScreenFormCount(); ++i) EXPECT_EQ(dynamic_cast<TfrmAbout*>(ScreenForms(i)), nullptr);
  (void)w;
}

TEST_F(MainWindowTest, TheOptionsDialogWorksOnTheWindowsListsAndItsDefaultPhoneIsAppliedAfterOK) {
  AddFilter("n.kps", 1, "Nokia", "3310");
  AddFilter("n2.kps", 1, "Nokia", "8210");
  AddFilter("s.mss", 0, "Siemens", "C35");
  TfrmMain& w = Window();
  w.OpenFile(ttRTTTL, WriteFile("a.rtx", "Tune:d=4,o=5,b=120:c,d,e\r\n"));
  bool filterGrid = true;
  TModalAnswers<TfrmOptions> answers(
      {[&](TfrmOptions& d) {
         filterGrid = d.IsScreenShowGrid;
         EXPECT_EQ(d.KeyPressFilters, &w.PhonePages().KeyPressFilters());
         ClickButton(*d.cbxDefaultMobile);
         Choose(*d.cbxBrandList, "Nokia");
         Choose(*d.cbxModelList, "8210");
         ClickButton(*d.btnOK);
       },
       [&](TfrmOptions& d) {
         EXPECT_TRUE(d.IsScreenShowGrid);
         ClickButton(*d.btnCancel);
       }});
  Find<TAction>("actOption").Execute();
  EXPECT_FALSE(filterGrid);
  EXPECT_TRUE(CaroluneOption->IsSetDefaultMobile);
  EXPECT_EQ(TVeskaroOption::Create<TCaroluneOption>(Store())->DefaultModel, "8210");
  // The lists are read again: the default phone is chosen and converts its page.
  EXPECT_EQ(w.PhonePages().cmbKpsMobile->ComboText(), "Nokia");
  EXPECT_EQ(w.PhonePages().cmbKpsModel->ComboText(), "8210");
  EXPECT_FALSE(w.TargetMemo(ttKeyPress)->Text().empty());
  Find<TAction>("actFilters").Execute();
  EXPECT_EQ(answers.Answered(), 2u);
}

TEST_F(MainWindowTest, PagesShownOrHiddenInTheOptionsDialogShowSoAtOnceAfterOK) {
  TfrmMain& w = Window();
  w.OpenFile(ttRTTTL, WriteFile("a.rtx", "Tune:d=4,o=5,b=120:c,d,e\r\n"));
  w.pgcTarget->SetActivePage(w.TargetSheet(ttiMelody));
  const auto untickComposer = [](bool ok) {
    return [ok](TfrmOptions& d) {
      ClickButton(*d.cbxComposer);
      ClickButton(ok ? *d.btnOK : *d.btnCancel);
    };
  };
  TModalAnswers<TfrmOptions> answers({untickComposer(false), untickComposer(true)});
  Find<TAction>("actOption").Execute();
  EXPECT_TRUE(w.TargetSheet(ttComposer)->TabVisible()) << "Cancel changes nothing";
  Find<TAction>("actOption").Execute();
  EXPECT_FALSE(w.TargetSheet(ttComposer)->TabVisible());
  EXPECT_TRUE(w.TargetSheet(tteMelody)->TabVisible());
  EXPECT_FALSE(w.TargetSheet(ttRTTTL)->TabVisible()) << "the source's own notation stays hidden";
  EXPECT_EQ(w.pgcTarget->ActivePage(), w.TargetSheet(ttiMelody));
  EXPECT_TRUE(Find<TAction>("actComposer").Enabled()) << "the notation can still be converted to";
}

TEST_F(MainWindowTest, ImportAsksForEachFileAndListsWhatWasAddedAtOnce) {
  TfrmMain& w = Window();
  const std::string in = Folder() + "in/";
  QDir().mkpath(QString::fromStdString(in));
  TStringList chosen;
  for (const char* name : {"first.kps", "second.kps", "third.kps"}) {
    const std::string path = AddFilter(name, 1, std::string("Brand ") + name[0], "M");
    chosen.Add(in + name);
    QFile::rename(QString::fromStdString(path), QString::fromStdString(in + name));
  }
  w.PhonePages().LoadFilterLists();
  ASSERT_EQ(w.PhonePages().cmbKpsMobile->Count(), 0);
  std::vector<std::string> asked;
  auto answer = [&asked](bool ok) {
    return [&asked, ok](TfrmImportFilter& d) {
      asked.push_back(d.lblBrandC->Text());
      ClickButton(ok ? *d.btnOK : *d.btnCancel);
    };
  };
  TModalAnswers<TfrmImportFilter> answers({answer(true), answer(false), answer(true)});
  // The dialog's choice of several files.
  SetFileDialogRunner([&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Carolune Filters");
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
    dialog.setDirectory(QString::fromStdString(in));
    dialog.selectFile("\"first.kps\" \"second.kps\" \"third.kps\"");
    return true;
  });
  Find<TAction>("actImportFilter").Execute();
  SetFileDialogRunner(nullptr);
  EXPECT_EQ(asked, (std::vector<std::string>{"Brand f", "Brand s", "Brand t"}));
  EXPECT_EQ(folder.FilterFiles(), (std::vector<std::string>{"first.kps", "third.kps"}));
  EXPECT_EQ(w.PhonePages().cmbKpsMobile->Items().Lines(), (std::vector<std::string>{"Brand f", "Brand t"}));
}

TEST_F(MainWindowTest, TheOptionsDialogsNewFilterButtonRunsTheFilterEditor) {
  Window();
  std::string caption;
  TModalAnswers<TfrmOptions> options({[](TfrmOptions& d) {
    ClickButton(*d.btnNew);
    ClickButton(*d.btnCancel);
  }});
  TModalAnswers<TfrmDravik> editor({[&caption](TfrmDravik& d) {
    caption = d.Caption();
    d.Close();
  }});
  Find<TAction>("actFilters").Execute();
  EXPECT_EQ(caption, "Carolune Dravik - untitled");
  EXPECT_EQ(editor.Answered(), 1u);
}
