#include "app/OptionFrm.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <filesystem>

#include "filters/DravikFrm.h"
#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinForm.h"
#include "skin/SkinGrid.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinImagePanel.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinTreeView.h"
#include "tests/app/DialogTestSupport.h"

namespace {

// The main window's side: its filter lists over a private Filters folder,
// an option store, and a dialog made on them as the main window makes it.
class OptionFrmTest : public testing::Test {
 protected:
  void Reload() { lists.Load(folder.FiltersFolder()); }
  std::unique_ptr<TfrmOptions> Dialog() {
    Reload();
    return lists.OptionsDialog(*options);
  }
  static void Choose(TfrmOptions& d, const std::string& node) {
    for (int i = 0; i < d.tvCate->Items().Count(); ++i)
      if (d.tvCate->Items().Item(i)->Text() == node) d.tvCate->SetSelected(d.tvCate->Items().Item(i));
  }
  // The one of the four panels that lies in front.
  static std::string FrontPanel(const TfrmOptions& d) {
    std::string front;
    for (const QObject* child : d.skinForm1->children())
      for (const TSkinImagePanel* panel : {d.pnlGeneral, d.pnlCon, d.pnlFilters, d.pnlFilter})
        if (child == panel && panel->Visible()) front = panel->Name();
    return front;
  }
  static std::vector<std::string> Row(const TfrmOptions& d, int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < d.grdList->ColCount(); ++c) cells.push_back(d.grdList->Cells(c, row));
    return cells;
  }
  static std::vector<std::string> Details(const TfrmOptions& d) {
    return {d.lblBrandC->Text(), d.lblModelC->Text(), d.lblAuthorC->Text(), d.lblDescC->Text()};
  }
  static std::vector<std::string> Entries(const TSkinComboBox& combo) { return combo.Items().Lines(); }
  static void ChooseEntry(TSkinComboBox& combo, int index) {
    combo.SetItemIndex(index);
    emit combo.Combo().activated(index);  // as the user's choice reports it
  }

  TDialogFolder folder;
  TOptionPtr<TCaroluneOption> options = folder.OpenOptions();
  TMainWindowLists lists;
  TFilterCfgList& screenShow = lists.ScreenShow;
  TFilterCfgList& keyPress = lists.KeyPress;
};

}  // namespace

TEST_F(OptionFrmTest, TheFormIsDescribedAsTheWindowShowsIt) {
  const auto d = Dialog();
  EXPECT_EQ(d->Caption(), "Carolune Options");
  EXPECT_EQ(d->skinForm1->Caption(), "Carolune Options");
  EXPECT_EQ(d->skinForm1->UIStyle(), TSkinUIStyle::Crystal);
  EXPECT_EQ(d->ClientWidth(), 522);
  EXPECT_EQ(d->ClientHeight(), 472);
  EXPECT_EQ(d->Position(), TPosition::poScreenCenter);
  // Every node expanded.
  EXPECT_EQ(d->tvCate->ItemLines().Lines(),
            (std::vector<std::string>{"General", "Convert", "Filters", "\tScreenShow", "\tKeyPress"}));
  EXPECT_TRUE(d->tvCate->Items().Item(2)->Expanded());
  EXPECT_TRUE(d->tvCate->ReadOnly());
  EXPECT_EQ(d->cbxDefaultMobile->Caption(), "Set default mobile:");
  EXPECT_EQ(d->gbxDefaultMobile->Caption(), "Default mobile ");
  std::vector<std::string> targets;
  for (const TSkinCheckBox* box : {d->cbxScreenShow, d->cbxKeyPress, d->cbxRTTTL, d->cbxiMelody, d->cbxeMelody,
                                   d->cbxComposer, d->cbxDefaultMobile}) {
    targets.push_back(box->Caption());
    EXPECT_EQ(box->UIStyle(), TSkinUIStyle::Frost);
  }
  EXPECT_EQ(targets, (std::vector<std::string>{"ScreenShow", "KeyPress", "RTTTL", "iMelody", "eMelody", "Composer",
                                               "Set default mobile:"}));
  for (const TSkinComboBox* list : {d->cbxBrandList, d->cbxModelList}) {
    EXPECT_EQ(list->UIStyle(), TSkinUIStyle::Azure);
    EXPECT_EQ(list->Style(), TComboBoxStyle::csDropDownList);
  }
  EXPECT_EQ(d->grdList->FixedCols(), 0);
  EXPECT_EQ(d->grdList->FixedRows(), 1);
  EXPECT_EQ(d->grdList->DefaultRowHeight(), 19);
  EXPECT_EQ(d->grdList->Options(),
            goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRowSizing | goRowSelect);
  const int widths[] = {64, 64, 71, 64, 216};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(d->grdList->ColWidths(c), widths[c]);
  EXPECT_EQ(d->grdList->Font().Name(), d->Font().Name());
  EXPECT_EQ(d->pgcMain->PageCount(), 1);
  EXPECT_EQ(d->pgcMain->Pages(0)->Caption(), "Filters");
  std::vector<std::string> buttons;
  for (const char* name : {"btnImportFilters", "btnCreateNewFilters", "btnShowScreenShowFilters",
                           "btnShowKeyPressFilters", "btnImport", "btnDel", "btnNew", "btnHelp", "btnOK", "btnCancel"})
    buttons.push_back(d->Named<TSkinButton>(name).Caption());
  EXPECT_EQ(buttons, (std::vector<std::string>{"Import filters from existed files",
                                               "Create a new filter for your mobile phone", "ScreenShow", "KeyPress",
                                               "Import", "Delete", "New", "Help", "OK", "Cancel"}));
  EXPECT_EQ(d->btnCancel->ModalResult(), mrCancel);
}

TEST_F(OptionFrmTest, EachNodeBringsItsPanelToTheFront) {
  folder.WriteFilter("a.mss", {0, "Alpha", "A1", "Ann", "first"});
  folder.WriteFilter("b.kps", {1, "Beta", "B1", "Bob", "second"});
  const auto d = Dialog();
  EXPECT_EQ(FrontPanel(*d), "pnlGeneral");
  EXPECT_FALSE(d->pnlFilter->Visible());
  const struct {
    const char* node;
    const char* panel;
  } cases[] = {{"Convert", "pnlCon"}, {"Filters", "pnlFilters"}, {"General", "pnlGeneral"},
               {"ScreenShow", "pnlFilter"}, {"Convert", "pnlCon"}, {"KeyPress", "pnlFilter"}};
  for (const auto& c : cases) {
    Choose(*d, c.node);
    EXPECT_EQ(FrontPanel(*d), c.panel) << c.node;
  }
  EXPECT_TRUE(d->IsKeyPressGrid);
  EXPECT_FALSE(d->IsScreenShowGrid);
  EXPECT_EQ(Row(*d, 0), (std::vector<std::string>{"Type", "Brand", "Model", "Author", "Description"}));
  EXPECT_EQ(Row(*d, 1), (std::vector<std::string>{"KeyPress", "Beta", "B1", "Bob", "second"}));
  EXPECT_EQ(Details(*d), (std::vector<std::string>{"Beta", "B1", "Bob", "second"}));
  // The buttons of the Filters panel choose the nodes.
  d->btnShowScreenShowFiltersClick(nullptr);
  EXPECT_TRUE(d->IsScreenShowGrid);
  EXPECT_EQ(Row(*d, 1), (std::vector<std::string>{"ScreenShow", "Alpha", "A1", "Ann", "first"}));
  ClickButton(d->Named<TSkinButton>("btnShowKeyPressFilters"));
  EXPECT_EQ(d->tvCate->Selected()->Text(), "KeyPress");
}

TEST_F(OptionFrmTest, WithoutFiltersOfAKindTheGridShowsOneEmptyRowAndDeleteDoesNothing) {
  folder.WriteFilter("a.mss", {0, "Alpha", "A1", "Ann", "first"});
  const auto d = Dialog();
  Choose(*d, "ScreenShow");
  EXPECT_EQ(d->grdList->RowCount(), 2);
  Choose(*d, "KeyPress");
  EXPECT_EQ(d->grdList->RowCount(), 2);
  EXPECT_EQ(Row(*d, 0), (std::vector<std::string>{"Type", "Brand", "Model", "Author", "Description"}));
  EXPECT_EQ(Row(*d, 1), std::vector<std::string>(5, ""));  // the ScreenShow row is gone
  EXPECT_EQ(Details(*d), std::vector<std::string>(4, ""));
  TMessageAnswers messages;
  ClickButton(*d->btnDel);
  EXPECT_TRUE(messages.requests.empty());
  EXPECT_EQ(folder.FilterFiles(), std::vector<std::string>{"a.mss"});
}

TEST_F(OptionFrmTest, ARowClickedOrReachedByKeyShowsItsFilter) {
  folder.WriteFilter("a.kps", {1, "Alpha", "A1", "Ann", "first"});
  folder.WriteFilter("b.kps", {1, "Beta", "B1", "Bob", "second"});
  const auto d = Dialog();
  d->Show();
  Choose(*d, "KeyPress");
  QTableWidget& table = d->grdList->Table();
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(table.model()->index(1, 1)).center());
  EXPECT_EQ(d->grdList->Row(), 2);
  EXPECT_EQ(Details(*d), (std::vector<std::string>{"Beta", "B1", "Bob", "second"}));
  QTest::keyClick(&table, Qt::Key_Up);
  EXPECT_EQ(Details(*d), (std::vector<std::string>{"Alpha", "A1", "Ann", "first"}));
  d->Hide();
}

TEST_F(OptionFrmTest, DeletingAsksNamingBrandAndModelAndRemovesFileAndRow) {
  const std::string second = folder.WriteFilter("b.kps", {1, "Beta", "B 1", "Bob", "second"});
  folder.WriteFilter("a.kps", {1, "Alpha", "A1", "Ann", "first"});
  const auto d = Dialog();
  Choose(*d, "KeyPress");
  d->grdList->SetRow(2);
  {
    TMessageAnswers cancel({mrCancel});
    d->btnDelClick(nullptr);
    ASSERT_EQ(cancel.requests.size(), 1u);
    const TMessageDialogRequest& asked = cancel.requests[0];
    EXPECT_EQ(asked.Caption, "Warning");
    EXPECT_EQ(asked.Text, "Are you sure delete the filter for \"Beta:B 1\"?");
    EXPECT_EQ(asked.Icon, MB_ICONQUESTION);
    ASSERT_EQ(asked.Buttons.size(), 2u);
    EXPECT_EQ(asked.Buttons[0].Caption, "OK");
    EXPECT_EQ(asked.Buttons[0].Result, mrOk);
    EXPECT_EQ(asked.Buttons[1].Caption, "Cancel");
    EXPECT_EQ(asked.Buttons[1].Result, mrCancel);
    EXPECT_EQ(asked.Style, static_cast<int>(TSkinUIStyle::Crystal));
  }
  EXPECT_EQ(keyPress.Count(), 2);
  TMessageAnswers ok({mrOk});
  d->btnDelClick(nullptr);
  EXPECT_FALSE(std::filesystem::exists(second));
  ASSERT_EQ(keyPress.Count(), 1);
  EXPECT_EQ(keyPress.Items(0)->GetMobileBrand(), "Alpha");
  EXPECT_EQ(d->grdList->RowCount(), 2);
  EXPECT_EQ(Row(*d, 1)[1], "Alpha");
}

// The lists may be reloaded while the question is open (a change in the
// Filters folder): the filter is found again by its file and the grid
// follows the reload; a file that cannot be deleted is said and kept.
TEST_F(OptionFrmTest, DeletingSurvivesAReloadDuringTheQuestionAndSaysWhenTheFileStays) {
  folder.WriteFilter("a.mss", {0, "Alpha", "A1", "", ""});
  const std::string doomed = folder.WriteFilter("b.mss", {0, "Beta", "B1", "", ""});
  const auto d = Dialog();
  int asked = 0;
  std::vector<std::string> rowsAfterReload;
  TModalAnswers<TfrmOptions> dialog({[&](TfrmOptions& shown) {
    Choose(shown, "ScreenShow");
    shown.grdList->SetRow(2);
    {
      struct TReloadingAnswer : TMessageAnswers {
        explicit TReloadingAnswer(std::function<void()> reload) : FReload(std::move(reload)) {}
        int MessageDialog(const TMessageDialogRequest& request) override {
          FReload();
          return TMessageAnswers::MessageDialog(request);
        }
        std::function<void()> FReload;
      } answer([&] {
        ++asked;
        folder.WriteFilter("c.mss", {0, "Gamma", "G1", "", ""});
        Reload();  // frees every filter the dialog had shown
        rowsAfterReload = {shown.grdList->Cells(1, 1), shown.grdList->Cells(1, 2), shown.grdList->Cells(1, 3)};
      });
      shown.btnDelClick(nullptr);
    }
    ClickButton(*shown.btnCancel);
  }});
  EXPECT_EQ(d->ShowOptions(), mrCancel);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(rowsAfterReload, (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
  EXPECT_FALSE(std::filesystem::exists(doomed));
  EXPECT_EQ(folder.FilterFiles(), (std::vector<std::string>{"a.mss", "c.mss"}));
  EXPECT_EQ(Row(*d, 2)[1], "Gamma");
  EXPECT_FALSE(screenShow.OnLoad);  // the dialog let go of the lists

  // A filter whose file cannot go (here: a folder in its place).
  const std::string stuck = folder.FiltersFolder() + "/stuck";
  std::filesystem::create_directories(stuck + "/inside");
  screenShow.Items(0)->FileName = stuck;
  Choose(*d, "ScreenShow");
  d->grdList->SetRow(1);
  TMessageAnswers messages({mrOk});
  d->btnDelClick(nullptr);
  ASSERT_EQ(messages.requests.size(), 2u);
  EXPECT_EQ(messages.requests[1].Caption, "Warning");
  EXPECT_EQ(messages.requests[1].Text.rfind("The filter file \"" + stuck + "\" could not be deleted: ", 0), 0u);
  EXPECT_EQ(messages.requests[1].Icon, MB_ICONWARNING);
  EXPECT_EQ(screenShow.Count(), 2);
  EXPECT_EQ(Row(*d, 1)[1], "Alpha");
}

TEST_F(OptionFrmTest, LoadsAndStoresTheOptionsAndCancelKeepsThem) {
  folder.WriteFilter("a.mss", {0, "Nokia", "3310", "", ""});
  folder.WriteFilter("b.kps", {1, "Siemens", "C55", "", ""});
  folder.WriteFilter("c.kps", {1, "Nokia", "8210", "", ""});
  options->IsSetDefaultMobile = true;
  options->DefaultBrand = "NOKIA";
  options->DefaultModel = "8210";
  options->IsShowRTTTL = false;
  options->IsShowComposer = false;
  options->WriteOptions();

  const auto d = Dialog();
  std::vector<std::string> loaded;
  TModalAnswers<TfrmOptions> answers({[&](TfrmOptions& shown) {
                                        loaded = {shown.cbxBrandList->ComboText(), shown.cbxModelList->ComboText()};
                                        EXPECT_TRUE(shown.cbxDefaultMobile->Checked());
                                        EXPECT_TRUE(shown.gbxDefaultMobile->Enabled());
                                        EXPECT_FALSE(shown.cbxRTTTL->Checked());
                                        EXPECT_FALSE(shown.cbxComposer->Checked());
                                        EXPECT_TRUE(shown.cbxiMelody->Checked());
                                        // Changes that Cancel throws away.
                                        ClickButton(*shown.cbxDefaultMobile);
                                        EXPECT_FALSE(shown.gbxDefaultMobile->Enabled());
                                        ClickButton(*shown.cbxiMelody);
                                        ClickButton(*shown.btnCancel);
                                      },
                                      [&](TfrmOptions& shown) { shown.Close(); },
                                      [&](TfrmOptions& shown) {
                                        ChooseEntry(*shown.cbxBrandList, 1);
                                        EXPECT_EQ(Entries(*shown.cbxModelList), std::vector<std::string>{"C55"});
                                        ClickButton(*shown.cbxeMelody);
                                        ClickButton(*shown.cbxRTTTL);
                                        ClickButton(*shown.btnOK);
                                      }});
  EXPECT_EQ(d->ShowOptions(), mrCancel);
  EXPECT_EQ(loaded, (std::vector<std::string>{"Nokia", "8210"}));
  EXPECT_EQ(Entries(*d->cbxBrandList), (std::vector<std::string>{"Nokia", "Siemens"}));
  EXPECT_EQ(d->ShowOptions(), mrCancel);  // closed from its frame
  const auto reread = folder.OpenOptions();
  for (const TCaroluneOption* kept : {options.get(), reread.get()}) {
    EXPECT_TRUE(kept->IsSetDefaultMobile);
    EXPECT_TRUE(kept->IsShowiMelody);
    EXPECT_EQ(kept->DefaultBrand, "NOKIA");
  }
  EXPECT_EQ(d->ShowOptions(), mrOk);
  EXPECT_EQ(answers.Answered(), 3u);
  const auto stored = folder.OpenOptions();  // written at once
  EXPECT_TRUE(stored->IsSetDefaultMobile);
  EXPECT_EQ(stored->DefaultBrand, "Siemens");
  EXPECT_EQ(stored->DefaultModel, "C55");
  EXPECT_TRUE(stored->IsShowRTTTL);
  EXPECT_FALSE(stored->IsShoweMelody);
  EXPECT_FALSE(stored->IsShowComposer);
  EXPECT_TRUE(stored->IsShowScreenShow);
  EXPECT_TRUE(stored->IsShowKeyPress);
  EXPECT_EQ(stored->RecentFiles.Count(), 0);
}

// Brands that differ only in case share the entry first met; choosing it
// lists the models of all of them, each model once.
TEST_F(OptionFrmTest, BrandsAreOneEntryWhateverTheirCaseAndListTheModelsOfEach) {
  folder.WriteFilter("1.mss", {0, "Nokia", "3310", "", ""});
  folder.WriteFilter("2.mss", {0, "NOKIA", "8210", "", ""});
  folder.WriteFilter("3.kps", {1, "Siemens", "C55", "", ""});
  folder.WriteFilter("4.kps", {1, "nokia", "3310", "", ""});
  folder.WriteFilter("5.kps", {1, "Nokia", "7110", "", ""});
  const auto d = Dialog();
  d->LoadOptions();
  EXPECT_EQ(Entries(*d->cbxBrandList), (std::vector<std::string>{"Nokia", "Siemens"}));
  EXPECT_EQ(Entries(*d->cbxModelList), std::vector<std::string>{});
  EXPECT_FALSE(d->gbxDefaultMobile->Enabled());
  ChooseEntry(*d->cbxBrandList, 0);
  EXPECT_EQ(Entries(*d->cbxModelList), (std::vector<std::string>{"3310", "8210", "7110"}));
  EXPECT_EQ(d->cbxModelList->ItemIndex(), 0);
}

// A default model that the brand has no filter for leaves the model list
// without a choice; OK then stores the empty text.
TEST_F(OptionFrmTest, AnUnknownDefaultModelIsNotChosenAndStoresEmpty) {
  folder.WriteFilter("1.mss", {0, "Nokia", "3310", "", ""});
  options->IsSetDefaultMobile = true;
  options->DefaultBrand = "Nokia";
  options->DefaultModel = "9999";
  const auto d = Dialog();
  d->LoadOptions();
  EXPECT_EQ(d->cbxBrandList->ItemIndex(), 0);
  EXPECT_EQ(Entries(*d->cbxModelList), std::vector<std::string>{"3310"});
  EXPECT_EQ(d->cbxModelList->ItemIndex(), -1);
  d->btnOKClick(nullptr);  // not shown: stores without closing anything
  EXPECT_EQ(folder.OpenOptions()->DefaultModel, "");
  EXPECT_EQ(folder.OpenOptions()->DefaultBrand, "Nokia");
}

TEST_F(OptionFrmTest, TheFilterPageOpensOnTheScreenShowFiltersAndImportRefillsTheGrid) {
  folder.WriteFilter("a.mss", {0, "Alpha", "A1", "", ""});
  Reload();
  std::vector<std::string> before, after;
  int imports = 0;
  TModalAnswers<TfrmOptions> answers({[&](TfrmOptions& shown) {
    EXPECT_EQ(FrontPanel(shown), "pnlFilter");
    before = {shown.grdList->Cells(1, 1), shown.grdList->Cells(1, 2)};
    ClickButton(*shown.btnImport);
    after = {shown.grdList->Cells(1, 1), shown.grdList->Cells(1, 2)};
    ClickButton(shown.Named<TSkinButton>("btnImportFilters"));
    ClickButton(*shown.btnOK);
  }});
  // The main window's import: a new file in the folder, the lists reloaded.
  const auto import = [&] {
    ++imports;
    folder.WriteFilter("b.mss", {0, "Beta", "B1", "", ""});
    Reload();
  };
  CaroluneOption = std::move(options);  // the program's own options object
  EXPECT_TRUE(ShowOptionsDialog(screenShow, keyPress, true, import, nullptr));
  CaroluneOption.reset();
  EXPECT_EQ(imports, 2);
  EXPECT_EQ(before, (std::vector<std::string>{"Alpha", ""}));
  EXPECT_EQ(after, (std::vector<std::string>{"Alpha", "Beta"}));
}

TEST_F(OptionFrmTest, HelpAndDownloadGoToTheShell) {
  const auto d = Dialog();
  TShellRecorder shell;
  ClickButton(*d->btnHelp);
  ClickButton(d->Named<TSkinButton>("btnDownLoadFilters"));
  ASSERT_EQ(shell.targets.size(), 2u);
  EXPECT_EQ(shell.targets[0], GetExeFolder() + "carolune.chm");
  EXPECT_EQ(shell.targets[1].rfind("https://", 0), 0u);
}

// The heading row is written again in bold and the selected row in the
// grid's own font colour (the grid alone would write it in the highlight
// text colour, white, on the selection's yellow).
TEST_F(OptionFrmTest, TheGridWritesItsHeadingBoldAndItsSelectedRowInTheFontColour) {
  folder.WriteFilter("a.kps", {1, "WWWWWW", "WWWWWW", "WWWWWW", "WWWWWW"});
  const auto d = Dialog();
  d->Show();
  Choose(*d, "KeyPress");
  d->grdList->SetRow(1);
  QTableWidget& table = d->grdList->Table();
  const auto ink = [](const QImage& image, QRect r, auto isInk) {
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) count += isInk(QColor(image.pixel(x, y)));
    return count;
  };
  const auto dark = [](QColor c) { return c.lightness() < 100; };
  const auto white = [](QColor c) { return c.red() > 240 && c.green() > 240 && c.blue() > 240; };
  const QRect cell = table.visualRect(table.model()->index(0, 1)).adjusted(1, 1, -1, -1);
  const QRect heading(table.horizontalHeader()->sectionViewportPosition(1) + 1, 1,
                      table.horizontalHeader()->sectionSize(1) - 2, table.horizontalHeader()->height() - 2);
  const QImage drawn = table.viewport()->grab().toImage();
  const QImage head = table.horizontalHeader()->grab().toImage();
  d->grdList->OnDrawCell = nullptr;
  const QImage plainHead = table.horizontalHeader()->grab().toImage();
  const QImage plain = table.viewport()->grab().toImage();
  EXPECT_GT(ink(drawn, cell, dark), 20);
  EXPECT_EQ(ink(drawn, cell, white), 0);
  EXPECT_GT(ink(plain, cell, white), 20);
  EXPECT_GT(ink(head, heading, white), ink(plainHead, heading, white));  // white on the heading's blue
  d->Hide();
}

// Both new-filter buttons run the main window's filter editor command: the
// editor on a new, untitled filter; what it saved shows once the lists reload.
TEST_F(OptionFrmTest, TheNewFilterButtonsRunTheMainWindowsEditorCommand) {
  const auto d = Dialog();
  std::vector<std::string> captions;
  TModalAnswers<TfrmDravik> editors({[&](TfrmDravik& editor) {
                                       captions.push_back(editor.Caption());
                                       editor.Close();
                                     },
                                     [&](TfrmDravik& editor) { editor.Close(); }});
  int saved = 0;
  d->OnNewFilter = [&] {
    {
      TfrmDravik editor(nullptr);
      editor.ShowWithFile("");
    }
    const std::string n = std::to_string(++saved);
    folder.WriteFilter("new" + n + ".kps", {1, "Nokia", "N" + n, "", ""});
    Reload();
  };
  TModalAnswers<TfrmOptions> dialog({[&](TfrmOptions& shown) {
    Choose(shown, "KeyPress");
    ClickButton(*shown.btnNew);
    EXPECT_EQ(Row(shown, 1)[2], "N1");
    Choose(shown, "Filters");
    ClickButton(shown.Named<TSkinButton>("btnCreateNewFilters"));
    ClickButton(*shown.btnCancel);
  }});
  EXPECT_EQ(d->ShowOptions(), mrCancel);
  EXPECT_EQ(editors.Answered(), 2u);
  EXPECT_EQ(captions, std::vector<std::string>{"Carolune Dravik - untitled"});
}
