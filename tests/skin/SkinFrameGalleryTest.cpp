// A gallery of skinned windows for people to look at: in each built-in
// style a window with its title bar, menu bar, content and status bar as
// the user sees it (the window's shape cut out of a desktop colour), once
// active with the pointer over the menu bar and the close button, once
// inactive, and the window menu; written to build/shots/frame-<style>.png.
#include <gtest/gtest.h>

#include <QDir>
#include <QMenuBar>
#include <QPainter>

#include "skin/SkinMainMenu.h"
#include "skin/SkinStatusBar.h"
#include "tests/skin/SkinFrameTestSupport.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/MenuItem.h"
#include "windowing/MenuWindow.h"

namespace {

const QColor kDesktop(58, 110, 165);

struct TGalleryWindow {
  explicit TGalleryWindow(TSkinUIStyle style) : f(style, TFormBorderStyle::bsSizeable, Bounds(40, 40, 460, 280)) {
    f.skin->SetCaption("Carolune - ringtone.mid");
    TSkinTitleBarButton* help = f.bar().Buttons().Add();
    help->SetUIStyle(style);
    help->SetButtonType(TSkinTitleBarBtnType::skinHelp);
    menu = new TSkinMainMenu(&f.form);
    for (const char* caption : {"&File", "&Edit", "&Convert", "&Help"}) {
      TMenuItem* top = AddMenuItem(&f.form, menu->Items(), caption);
      for (const char* sub : {"&Open...", "&Save", "-", "E&xit"}) AddMenuItem(&f.form, *top, sub);
    }
    menu->AttachItemDrawEvents();
    content = new TPanel(&f.form);
    content->SetParent(f.skin);
    content->SetParentColor(true);
    f.skin->SetFormPanel(content);
    status = new TSkinStatusBar(&f.form);
    status->SetParent(f.skin);
    status->Panels().Add()->SetText("C:/tunes/ringtone.mid");
    status->Panels().Items(0)->SetWidth(300);
    status->Panels().Add()->SetText("Carolune v1.0");
    f.Show();
  }

  // The window as it shows on the desktop.
  QImage Shot() {
    const QImage window = f.form.grab().toImage();
    QImage shot(window.size(), QImage::Format_RGB32);
    shot.fill(kDesktop);
    QPainter p(&shot);
    const QRegion mask = f.form.mask();
    if (!mask.isEmpty()) p.setClipRegion(mask);
    p.drawImage(0, 0, window);
    return shot;
  }

  TSkinnedForm f;
  TSkinMainMenu* menu;
  TPanel* content;
  TSkinStatusBar* status;
};

const char* StyleName(TSkinUIStyle style) {
  switch (style) {
    case TSkinUIStyle::Silver:
      return "silver";
    case TSkinUIStyle::Azure:
      return "azure";
    case TSkinUIStyle::Crystal:
      return "crystal";
    case TSkinUIStyle::Frost:
      return "frost";
    default:
      return "midnight";
  }
}

}  // namespace

TEST(SkinFrameGallery, WritesAWindowOfEachStyle) {
  const QString folder = QString(CAROLUNE_BIN_DIR) + "/../shots";
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const TSkinUIStyle style : {TSkinUIStyle::Silver, TSkinUIStyle::Azure, TSkinUIStyle::Midnight,
                                   TSkinUIStyle::Crystal, TSkinUIStyle::Frost}) {
    TGalleryWindow window(style);
    QApplication::setActiveWindow(&window.f.form);
    ProcessEvents();
    TSkinTitleBar& bar = window.f.bar();
    MoveMouse(&bar, ToQRect(bar.Layout().Buttons[1]).center());
    QMenuBar& menuBar = window.f.skin->MenuBar()->Bar();
    MoveMouse(&menuBar, ToQRect(window.f.skin->MenuBar()->ButtonRect(*window.menu->Items().Items(1))).center());
    const QImage active = window.Shot();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&bar, &leave);
    QApplication::sendEvent(&menuBar, &leave);
    bar.SetFormActive(false);
    const QImage inactive = window.Shot();
    TMenuWindow& menu = bar.WindowMenu().Window();
    bar.WindowMenu().UpdateItems();
    menu.adjustSize();
    menu.setActiveAction(bar.WindowMenu().Items().Items(1)->QtAction());
    const QImage windowMenu = menu.grab().toImage();
    TMenuWindow& file = *window.menu->Items().Items(0)->SubMenu();
    file.adjustSize();
    file.setActiveAction(window.menu->Items().Items(0)->Items(1)->QtAction());
    const QImage fileMenu = file.grab().toImage();

    QImage sheet(active.width() + 40 + std::max(windowMenu.width(), fileMenu.width()),
                 2 * active.height() + 30, QImage::Format_RGB32);
    sheet.fill(kDesktop);
    QPainter p(&sheet);
    p.drawImage(10, 10, active);
    p.drawImage(10, 20 + active.height(), inactive);
    p.drawImage(active.width() + 30, 10, windowMenu);
    p.drawImage(active.width() + 30, 20 + windowMenu.height(), fileMenu);
    p.end();
    const QString path = folder + "/frame-" + StyleName(style) + ".png";
    EXPECT_TRUE(sheet.save(path)) << path.toStdString();
  }
}
