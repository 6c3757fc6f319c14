// A gallery for people to look at: the import dialog, the about box and
// the options dialog on each of its pages, filled from fixture filters,
// written to build/shots/dialog-<name>.png.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "app/AboutFrm.h"
#include "app/ImportFilterFrm.h"
#include "app/OptionFrm.h"
#include "skin/SkinEdit.h"
#include "skin/SkinGrid.h"
#include "skin/SkinMemo.h"
#include "skin/SkinTreeView.h"
#include "tests/app/DialogTestSupport.h"
#include "tests/support/RealWindowShots.h"

namespace {

void Save(TForm& form, const QString& name) {
  form.Show();
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  const QImage shot = form.grab().toImage();
  EXPECT_TRUE(shot.save(ShotsFolder() + "/dialog-" + name + ".png")) << name.toStdString();
  form.Hide();
}

}  // namespace

TEST(DialogsGallery, WritesEveryDialog) {
  ASSERT_TRUE(QDir().mkpath(ShotsFolder()));
  TfrmImportFilter import(nullptr);
  import.lblBrandC->SetText("Nokia");
  import.lblModelC->SetText("3310");
  import.lblAuthorC->SetText("Ann Author");
  import.lblDescC->SetText("The composer of the Nokia 3310: keys 1 to 7 for the notes, 8 and 9 for the octave.");
  Save(import, "import");

  TfrmAbout about(nullptr);
  Save(about, "about");

  TDialogFolder folder;
  folder.WriteFilter("a.mss", {0, "Nokia", "3310", "Ann Author", "Composer screen of the 3310"});
  folder.WriteFilter("b.mss", {0, "Siemens", "C55", "Bob", "Melody editor"});
  folder.WriteFilter("c.kps", {1, "Nokia", "8210", "Ann Author", "Keys of the 8210"});
  auto options = folder.OpenOptions();
  options->IsSetDefaultMobile = true;
  options->DefaultBrand = "Nokia";
  options->DefaultModel = "3310";
  options->IsShowComposer = false;
  TMainWindowLists lists;
  lists.Load(folder.FiltersFolder());
  const auto shown = lists.OptionsDialog(*options);
  TfrmOptions& dialog = *shown;
  dialog.LoadOptions();
  for (const char* node : {"General", "Convert", "Filters", "ScreenShow"}) {
    for (int i = 0; i < dialog.tvCate->Items().Count(); ++i)
      if (dialog.tvCate->Items().Item(i)->Text() == node) dialog.tvCate->SetSelected(dialog.tvCate->Items().Item(i));
    if (std::string(node) == "ScreenShow") {
      dialog.grdList->SetRow(2);
      dialog.ShowSelectedFilter();
    }
    Save(dialog, QString("options-") + node);
  }
}
