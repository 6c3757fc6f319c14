// A gallery of message boxes for people to look at: in each built-in style
// the programs' question with three buttons, an error with one, and a long
// warning without an icon, as the user sees them (the window's shape cut
// out of a desktop colour); written to build/shots/msgbox-<style>.png.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include "skin/VeskaroGlimaraCommon.h"
#include "tests/skin/SkinMessageTestSupport.h"

namespace {

const QColor kDesktop(58, 110, 165);

QImage Shot(TfrmMsg& form) {
  const QImage window = form.grab().toImage();
  QImage shot(window.size(), QImage::Format_RGB32);
  shot.fill(kDesktop);
  QPainter p(&shot);
  if (const QRegion mask = form.mask(); !mask.isEmpty()) p.setClipRegion(mask);
  p.drawImage(0, 0, window);
  return shot;
}

}  // namespace

TEST(SkinMessageGallery, WritesTheBoxesOfEachStyle) {
  const QString folder = QString(CAROLUNE_BIN_DIR) + "/../shots";
  ASSERT_TRUE(QDir().mkpath(folder));
  TFont font;
  font.SetName("Tahoma");
  font.SetHeight(-11);
  const struct {
    TSkinUIStyle style;
    const char* name;
  } styles[] = {{TSkinUIStyle::Silver, "silver"},
                {TSkinUIStyle::Azure, "azure"},
                {TSkinUIStyle::Midnight, "midnight"},
                {TSkinUIStyle::Crystal, "crystal"},
                {TSkinUIStyle::Frost, "frost"}};
  for (const auto& s : styles) {
    std::vector<QImage> shots;
    TBoxAnswer answer([](TfrmMsg& form) { PressButton(form, 1); },
                      [&](TfrmMsg& form) { shots.push_back(Shot(form)); });
    ShowSkinMessageBox("Save", "Save current file?", "Yes", mrYes, "No", mrNo, "Cancel", mrCancel, 3,
                       TSkinIconType::skinInformation, s.style, font);
    ShowSkinMessageBox("error", "Unknown ringtone format: Tom & Jerry.xyz", "OK", mrOk, "", 0, "", 0, 1,
                       TSkinIconType::skinWarning, s.style, font);
    ShowSkinMessageBox("Warning",
                       "Are you sure delete the filter for \"Nokia:3310\"? The filter file is removed from the "
                       "Filters folder and its phones leave the KeyPress and ScreenShow lists.",
                       "OK", mrOk, "Cancel", mrCancel, "", 0, 2, TSkinIconType::skinNone, s.style, font);
    ShowSkinMessageBox("Filter File Error", "The Filter File is incorrect", "OK", mrOk, "", 0, "", 0, 1,
                       TSkinIconType::skinStop, s.style, font);
    ShowSkinMessageBox("Delete", "Delete the selected tune?", "OK", mrOk, "Cancel", mrCancel, "", 0, 2,
                       TSkinIconType::skinHelp, s.style, font);
    ASSERT_EQ(shots.size(), 5u);
    int width = 0, height = 10;
    for (const QImage& shot : shots) {
      width = std::max(width, shot.width());
      height += shot.height() + 10;
    }
    QImage sheet(width + 20, height, QImage::Format_RGB32);
    sheet.fill(kDesktop);
    QPainter p(&sheet);
    int y = 10;
    for (const QImage& shot : shots) {
      p.drawImage(10, y, shot);
      y += shot.height() + 10;
    }
    p.end();
    const QString path = folder + "/msgbox-" + s.name + ".png";
    EXPECT_TRUE(sheet.save(path)) << path.toStdString();
  }
}
