#include "app/ImportFilterFrm.h"

#include <gtest/gtest.h>

#include "skin/SkinEdit.h"
#include "skin/SkinForm.h"
#include "skin/SkinMemo.h"
#include "tests/app/DialogTestSupport.h"
#include "windowing/Image.h"
#include "windowing/Label.h"

namespace {

void Press(TfrmImportFilter& dialog, bool ok) { ClickButton(ok ? *dialog.btnOK : *dialog.btnCancel); }

}  // namespace

TEST(ImportFilterFrm, AsksWithTheFilesTextsAndAnswersByTheButtonPressed) {
  TfrmImportFilter dialog(nullptr);
  EXPECT_EQ(dialog.Caption(), "Import Filter");
  EXPECT_EQ(dialog.skinForm1->Caption(), "Import Filter");
  EXPECT_EQ(dialog.skinForm1->UIStyle(), TSkinUIStyle::Crystal);
  EXPECT_EQ(dialog.ClientWidth(), 336);
  EXPECT_EQ(dialog.ClientHeight(), 273);
  EXPECT_EQ(dialog.lblTips->Caption(), "Add this filter into Filter Library?");
  EXPECT_FALSE(dialog.Image1->Picture().Bitmap().Empty());
  EXPECT_EQ(dialog.btnHelp->Caption(), "Help");
  EXPECT_EQ(dialog.btnOK->ModalResult(), mrOk);
  EXPECT_EQ(dialog.btnCancel->ModalResult(), mrCancel);
  for (TSkinEdit* field : {dialog.lblBrandC, dialog.lblModelC, dialog.lblAuthorC}) EXPECT_TRUE(field->ReadOnly());
  EXPECT_TRUE(dialog.lblDescC->ReadOnly());

  std::vector<std::string> shown;
  const auto look = [&](TfrmImportFilter& d) {
    shown = {d.lblBrandC->Text(), d.lblModelC->Text(), d.lblAuthorC->Text(), d.lblDescC->Text()};
  };
  TModalAnswers<TfrmImportFilter> answers({[&](TfrmImportFilter& d) { look(d), Press(d, true); },
                                           [&](TfrmImportFilter& d) { Press(d, false); },
                                           [&](TfrmImportFilter& d) { d.Close(); }});
  EXPECT_TRUE(dialog.Ask("Nokia", "3310", "Tones & keys", "A. Author"));
  EXPECT_EQ(shown, (std::vector<std::string>{"Nokia", "3310", "A. Author", "Tones & keys"}));
  EXPECT_FALSE(dialog.Ask("Nokia", "3310", "", ""));
  EXPECT_FALSE(dialog.Ask("Nokia", "3310", "", ""));  // closed from its frame
  EXPECT_EQ(answers.Answered(), 3u);
}

TEST(ImportFilterFrm, HelpOpensTheProgramsHelpFile) {
  TShellRecorder shell;
  TfrmImportFilter dialog(nullptr);
  ClickButton(*dialog.btnHelp);
  EXPECT_EQ(shell.targets, (std::vector<std::string>{GetExeFolder() + "carolune.chm"}));
}

// Three files answered OK, Cancel, OK: the first and the third join the
// library, the third under a new name beside a filter of the same name.
TEST(ImportFilterFrm, ImportsTheFilesConfirmedInTheirOrder) {
  TDialogFolder folder;
  folder.WriteFilter("nokia.kps", {1, "Alpha", "old", "", ""});
  const TStringList files = [&] {
    TStringList list;
    list.Add(folder.WriteFilter("first.mss", {0, "Alpha", "A1", "Ann", "one"}, "in"));
    list.Add(folder.WriteFilter("second.kps", {1, "Beta", "B1", "Bob", "two"}, "in"));
    list.Add(folder.WriteFilter("nokia.kps", {1, "Gamma", "G1", "Gus", "three"}, "in"));
    return list;
  }();
  std::vector<std::string> asked;
  const auto answer = [&](bool ok) {
    return [&asked, ok](TfrmImportFilter& d) {
      asked.push_back(d.lblBrandC->Text() + "/" + d.lblModelC->Text() + "/" + d.lblAuthorC->Text());
      Press(d, ok);
    };
  };
  TModalAnswers<TfrmImportFilter> answers({answer(true), answer(false), answer(true)});
  EXPECT_EQ(ImportFilterFiles(files, folder.FiltersFolder()), 2);
  EXPECT_EQ(asked, (std::vector<std::string>{"Alpha/A1/Ann", "Beta/B1/Bob", "Gamma/G1/Gus"}));
  EXPECT_EQ(folder.FilterFiles(), (std::vector<std::string>{"first.mss", "nokia.kps", "nokia1.kps"}));
  TFilterCfg copied;
  copied.LoadFilterFile(folder.FiltersFolder() + "/nokia1.kps");
  EXPECT_EQ(copied.GetMobileBrand(), "Gamma");
}

// A copy that fails is said and the next file still follows; a file that
// cannot be read ends the import there, keeping what came before.
TEST(ImportFilterFrm, AFailedCopyWarnsAndAnUnreadableFileEndsTheImport) {
  TDialogFolder folder;
  const std::string blocked = folder.Write("blocked", "x");  // a file where the folder should be
  TStringList files;
  files.Add(folder.WriteFilter("a.kps", {1, "Alpha", "A1", "", ""}, "in"));
  {
    TMessageAnswers messages;
    TModalAnswers<TfrmImportFilter> answers({[](TfrmImportFilter& d) { Press(d, true); }});
    EXPECT_EQ(ImportFilterFiles(files, blocked), 0);
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].Caption, "Warning");
    EXPECT_EQ(messages.requests[0].Text, "The filter file \"" + files[0] + "\" could not be copied into the Filter Library.");
    EXPECT_EQ(messages.requests[0].Icon, MB_ICONWARNING);
  }
  files.Add(folder.Path() + "in/missing.kps");
  files.Add(folder.WriteFilter("c.kps", {1, "Gamma", "G1", "", ""}, "in"));
  TModalAnswers<TfrmImportFilter> answers({[](TfrmImportFilter& d) { Press(d, true); }});
  EXPECT_THROW(ImportFilterFiles(files, folder.FiltersFolder()), EFOpenError);
  EXPECT_EQ(answers.Answered(), 1u);
  EXPECT_EQ(folder.FilterFiles(), (std::vector<std::string>{"a.kps"}));
}

// Whatever bytes a chosen file holds, the dialog shows what it can read.
TEST(ImportFilterFrm, AFileOfAnyBytesIsAskedAbout) {
  TDialogFolder folder;
  const std::string odd = folder.Write("odd.kps", std::string("\0\xFF=\r\rFilterInfo_MobileBrand=\x01\x02\n=", 28));
  TStringList files;
  files.Add(odd);
  std::string brand = "unset";
  TModalAnswers<TfrmImportFilter> answers({[&](TfrmImportFilter& d) {
    brand = d.lblBrandC->Text();
    Press(d, false);
  }});
  EXPECT_EQ(ImportFilterFiles(files, folder.FiltersFolder()), 0);
  EXPECT_EQ(brand, "");  // a zero byte ends the text before any key
}
