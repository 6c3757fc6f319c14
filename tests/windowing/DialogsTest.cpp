// The open and save dialogs: the filter text as Qt's name filters, the
// prepared Qt dialog, the choice taken back (default extension, filter
// index, several files), cancelling, and the save dialog's question
// before replacing a file.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QFileDialog>

#include "tests/support/TempFolder.h"
#include "windowing/Application.h"
#include "windowing/Dialogs.h"
#include "windowing/Form.h"

namespace {

const char* const kFilterFilter =
    "All filter types|*.kps;*.mss|KeyPress filteres (*.kps)|*.kps|ScreenShow filteres (*.mss)|*.mss|All files "
    "(*.*)|*.*";

// Answers the dialogs while it lives: each run calls the step, which
// prepares the choice and says whether the user confirmed.
class TScopedRunner {
 public:
  explicit TScopedRunner(std::function<bool(QFileDialog&)> step)
      : FPrevious(SetFileDialogRunner([this, step](QFileDialog& dialog) {
          ++runs;
          return step(dialog);
        })) {}
  ~TScopedRunner() { SetFileDialogRunner(FPrevious); }
  int runs = 0;

 private:
  TFileDialogRunner FPrevious;
};

// Answers the platform's boxes with a fixed answer and keeps their texts.
class TBoxAnswer : public TMessageBoxProvider {
 public:
  explicit TBoxAnswer(int answer) : FAnswer(answer), FPrevious(Application().SetMessageBoxProvider(this)) {}
  ~TBoxAnswer() override { Application().SetMessageBoxProvider(FPrevious); }
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
    texts.push_back(caption + ": " + text);
    lastFlags = flags;
    return FAnswer;
  }
  std::vector<std::string> texts;
  unsigned lastFlags = 0;

 private:
  int FAnswer;
  TMessageBoxProvider* FPrevious;
};

}  // namespace

TEST(Dialogs, FilterTextBecomesQtNameFilters) {
  EXPECT_EQ(QtNameFilters(kFilterFilter),
            (QStringList{"All filter types (*.kps *.mss)", "KeyPress filteres (*.kps) (*.kps)",
                         "ScreenShow filteres (*.mss) (*.mss)", "All files (*.*) (*)"}));
  const std::pair<const char*, QStringList> cases[] = {
      {"", {}},
      {"Tunes", {}},                                         // no patterns at all
      {"Tunes|", {}},                                        // an empty pattern
      {"Tunes|*.mid; *.miz|Lone", {"Tunes (*.mid *.miz)"}},  // a last entry without patterns
      {"A|;;*.a;|B|*.b", {"A (*.a)", "B (*.b)"}},
  };
  for (const auto& [filter, expected] : cases) EXPECT_EQ(QtNameFilters(filter), expected) << filter;
}

TEST(Dialogs, OpenDialogIsPreparedAndTakesEveryChosenFile) {
  TTempFolder dir;
  const std::string a = dir.Write("a.kps", "x"), b = dir.Write("b.mss", "x");
  TOpenDialog open(nullptr);
  open.SetTitle("Carolune Filters");
  open.SetFilter(kFilterFilter);
  open.SetFilterIndex(3);
  open.SetInitialDir(dir.Path());
  open.SetOptions(ofHideReadOnly | ofAllowMultiSelect | ofEnableSizing);
  TScopedRunner runner([&](QFileDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Carolune Filters");
    EXPECT_TRUE(d.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(d.fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(d.nameFilters().size(), 4);
    // Shown without the patterns that Qt adds to the description.
    EXPECT_EQ(d.selectedNameFilter(), "ScreenShow filteres (*.mss)");
    EXPECT_EQ(QDir(d.directory()).canonicalPath(), QDir(QString::fromStdString(dir.Path())).canonicalPath());
    d.selectNameFilter(d.nameFilters()[0]);
    d.selectFile("\"b.mss\" \"a.kps\"");
    return true;
  });
  ASSERT_TRUE(open.Execute());
  ASSERT_EQ(open.Files().Count(), 2);
  EXPECT_EQ(QFileInfo(QString::fromStdString(open.Files()[0])).fileName(), "b.mss");
  EXPECT_EQ(QFileInfo(QString::fromStdString(open.Files()[1])).fileName(), "a.kps");
  EXPECT_EQ(open.FileName(), open.Files()[0]);
  EXPECT_EQ(open.FilterIndex(), 1);
  (void)a, (void)b;
}

TEST(Dialogs, CancelKeepsTheFormerChoice) {
  TTempFolder dir;
  TOpenDialog open(nullptr);
  open.SetFileName(dir.Write("kept.kps", "x"));
  TScopedRunner runner([&](QFileDialog& d) {
    // The dialog starts in the folder of the file it offers, with its name.
    EXPECT_EQ(QDir(d.directory()).canonicalPath(), QDir(QString::fromStdString(dir.Path())).canonicalPath());
    EXPECT_EQ(d.fileMode(), QFileDialog::ExistingFile);
    return false;
  });
  EXPECT_FALSE(open.Execute());
  EXPECT_EQ(open.FileName(), dir.Path() + "kept.kps");
  EXPECT_EQ(open.Files().Count(), 0);
}

TEST(Dialogs, SaveDialogAddsTheDefaultExtensionOnlyWhereNoneIsTyped) {
  TTempFolder dir;
  const std::pair<const char*, const char*> cases[] = {{"nokia", "nokia.kps"}, {"nokia.txt", "nokia.txt"}};
  for (const auto& [typed, saved] : cases) {
    TSaveDialog save(nullptr);
    save.SetTitle("Save Carolune Filters");
    save.SetDefaultExt("kps");
    save.SetFilter("KeyPress filteres (*.kps)|*.kps");
    save.SetInitialDir(dir.Path());
    TScopedRunner runner([&](QFileDialog& d) {
      EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
      // The save dialog's own question is ours: Qt asks nothing.
      EXPECT_TRUE(d.testOption(QFileDialog::DontConfirmOverwrite));
      d.selectFile(QString::fromStdString(dir.Path() + typed));
      return true;
    });
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), dir.Path() + saved);
  }
}

TEST(Dialogs, ReplacingAFileAsksFirstAndNoReturnsToTheDialog) {
  TTempFolder dir;
  const std::string existing = dir.Write("old.kps", "x");
  {
    // No: the dialog comes back; the user then cancels and nothing changes.
    TSaveDialog save(nullptr);
    save.SetTitle("Save Carolune Filters");
    save.SetOptions(ofOverwritePrompt);
    TBoxAnswer no(IDNO);
    int runs = 0;
    TScopedRunner runner([&](QFileDialog& d) {
      if (++runs > 1) return false;
      d.selectFile(QString::fromStdString(existing));
      return true;
    });
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(runner.runs, 2);
    EXPECT_EQ(save.FileName(), "");
    ASSERT_EQ(no.texts.size(), 1u);
    EXPECT_EQ(no.texts[0], "Save Carolune Filters: " + existing + " already exists.\nDo you want to replace it?");
    EXPECT_EQ(no.lastFlags, MB_YESNO | MB_ICONWARNING);
  }
  {
    TSaveDialog save(nullptr);
    save.SetOptions(ofOverwritePrompt);
    TBoxAnswer yes(IDYES);
    TScopedRunner runner([&](QFileDialog& d) {
      d.selectFile(QString::fromStdString(existing));
      return true;
    });
    EXPECT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), existing);
    EXPECT_EQ(yes.texts.size(), 1u);
  }
  {
    // Without the option, and for a new file, nobody is asked.
    TBoxAnswer unasked(IDNO);
    for (const std::string& name : {existing, dir.Path() + "new.kps"}) {
      TSaveDialog save(nullptr);
      save.SetOptions(name == existing ? TOpenOptions{0} : TOpenOptions{ofOverwritePrompt});
      TScopedRunner runner([&](QFileDialog& d) {
        d.selectFile(QString::fromStdString(name));
        return true;
      });
      EXPECT_TRUE(save.Execute());
      EXPECT_EQ(save.FileName(), name);
    }
    EXPECT_TRUE(unasked.texts.empty());
  }
}

TEST(Dialogs, ReadFromAFormDescription) {
  RegisterWindowingClasses();
  TForm form(nullptr);
  form.LoadDescription(
      "object frmDialogs: TForm\n"
      "  object SaveDialog1: TSaveDialog\n"
      "    DefaultExt = 'kps'\n"
      "    Filter = 'KeyPress filteres (*.kps)|*.kps'\n"
      "    Options = [ofHideReadOnly, ofEnableSizing]\n"
      "    Title = 'Save Carolune Filters'\n"
      "  end\n"
      "end\n");
  auto* save = dynamic_cast<TSaveDialog*>(form.FindComponent("SaveDialog1"));
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->Options(), ofHideReadOnly | ofEnableSizing);
  EXPECT_EQ(save->DefaultExt(), "kps");
  EXPECT_EQ(save->Title(), "Save Carolune Filters");
}
