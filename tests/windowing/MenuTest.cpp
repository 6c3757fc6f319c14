#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "windowing/Action.h"
#include "windowing/ActionList.h"
#include "windowing/Form.h"
#include "windowing/MainMenu.h"
#include "windowing/MenuItem.h"
#include "windowing/MenuWindow.h"
#include "windowing/PopupMenu.h"

namespace {

class TFramedMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  bool DrawFrame(TCanvas& canvas, const TRect& r) override {
    canvas.Brush.Color = clGreen;
    canvas.FillRect(r);
    return true;
  }
};

TMenuItem* AddItem(TComponent* owner, TMenuItem& parent, const std::string& caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  parent.Add(item);
  return item;
}

void Hook(TMenuItem* item, std::vector<std::string>* log) {
  item->OnMeasureItem = [](TComponent* sender, TCanvas& canvas, int& w, int& h) {
    auto* self = static_cast<TMenuItem*>(sender);
    w = canvas.TextWidth(self->Caption()) + 40;
    h = self->IsLine() ? 5 : 21;
  };
  item->OnAdvancedDrawItem = [log](TComponent* sender, TCanvas& canvas, TRect r, TOwnerDrawState state) {
    auto* self = static_cast<TMenuItem*>(sender);
    canvas.Brush.Color = self->IsLine() ? clGray : (state & odSelected) ? clRed : (state & odDisabled) ? clSilver : clWhite;
    canvas.FillRect(r);
    if (log) log->push_back(self->Caption());
  };
}

TColor At(const QImage& image, const QRect& r, int dx, int dy) { return QRgbToColor(image.pixel(r.x() + dx, r.y() + dy)); }

}  // namespace

TEST(Menu, OwnerDrawnItemsAreMeasuredAndPaintedByTheirCallbacks) {
  TForm form(nullptr);
  TFramedMenu menu(&form);
  std::vector<std::string> drawn;
  TMenuItem* open = AddItem(&form, menu.Items(), "&Open");
  TMenuItem* line = AddItem(&form, menu.Items(), "-");
  TMenuItem* off = AddItem(&form, menu.Items(), "Off");
  TMenuItem* plain = AddItem(&form, menu.Items(), "Plain");
  for (TMenuItem* item : {open, line, off}) Hook(item, &drawn);
  off->SetEnabled(false);
  TMenuWindow& window = menu.Window();
  window.setActiveAction(open->QtAction());
  window.adjustSize();
  const QImage shot = window.grab().toImage();

  const QRect o = window.actionGeometry(open->QtAction());
  const QRect l = window.actionGeometry(line->QtAction());
  const QRect d = window.actionGeometry(off->QtAction());
  EXPECT_EQ(o.height(), 21);
  EXPECT_EQ(l.height(), 5);
  EXPECT_EQ(o.topLeft(), QPoint(3, 3));  // inside the three-pixel frame
  EXPECT_EQ(l.top(), o.bottom() + 1);
  EXPECT_EQ(At(shot, o, 2, 2), clRed);  // selected
  EXPECT_EQ(At(shot, o, o.width() - 1, 20), clRed);
  EXPECT_EQ(At(shot, l, 5, 2), clGray);
  EXPECT_EQ(At(shot, d, 5, 5), clSilver);  // disabled
  EXPECT_EQ(QRgbToColor(shot.pixel(0, 0)), clGreen);  // the menu's own frame
  // The item without callbacks keeps Qt's own size and drawing.
  EXPECT_NE(window.actionGeometry(plain->QtAction()).height(), 21);
  EXPECT_EQ(std::count(drawn.begin(), drawn.end(), "Plain"), 0);
  EXPECT_GE(drawn.size(), 3u);
}

TEST(Menu, ItemTreeFollowsAddRemoveAndFreeing) {
  auto* form = new TForm(nullptr);
  auto& menu = *new TPopupMenu(form);
  TMenuItem* file = AddItem(form, menu.Items(), "File");
  EXPECT_EQ(file->SubMenu(), nullptr);
  TMenuItem* a = AddItem(form, *file, "A");
  TMenuItem* b = AddItem(form, *file, "B");
  ASSERT_NE(file->SubMenu(), nullptr);
  EXPECT_EQ(file->SubMenu()->actions().size(), 2);
  EXPECT_EQ(menu.Window().actions().front(), file->SubMenu()->menuAction());
  EXPECT_EQ(b->GetParentMenu(), &menu);
  EXPECT_THROW(file->Add(a), EListError);
  delete a;
  EXPECT_EQ(file->Count(), 1);
  EXPECT_EQ(file->SubMenu()->actions().size(), 1);
  file->Remove(b);
  EXPECT_EQ(file->SubMenu(), nullptr);
  delete b;
  AddItem(form, *file, "C");
  EXPECT_EQ(form->ComponentCount(), 3);  // menu, File, C
  delete file;  // takes C along
  EXPECT_EQ(form->ComponentCount(), 1);
  AddItem(form, menu.Items(), "Last");
  delete form;  // frees the menu and its items
}

TEST(Menu, ShortCutsWorkOnlyInTheWindowWhoseMenuHoldsThem) {
  TForm a(nullptr), b(nullptr);
  TMainMenu menuA(&a), menuB(&b);
  int clicksA = 0, clicksB = 0;
  TMenuItem* fileA = AddItem(&a, menuA.Items(), "File");
  TMenuItem* openA = AddItem(&a, *fileA, "Open");
  TMenuItem* openB = AddItem(&b, menuB.Items(), "Open");
  openA->SetShortCut(scCtrl | 'O');
  openB->SetShortCut(scCtrl | 'O');
  openA->OnClick = [&](TComponent*) { ++clicksA; };
  openB->OnClick = [&](TComponent*) { ++clicksB; };
  a.Show();
  b.Show();
  QApplication::setActiveWindow(&a);
  QTest::keyClick(&a, Qt::Key_O, Qt::ControlModifier);
  QCoreApplication::processEvents();
  EXPECT_EQ(clicksA, 1);
  EXPECT_EQ(clicksB, 0);
  QApplication::setActiveWindow(&b);
  QTest::keyClick(&b, Qt::Key_O, Qt::ControlModifier);
  QCoreApplication::processEvents();
  EXPECT_EQ(clicksA, 1);
  EXPECT_EQ(clicksB, 1);
  EXPECT_TRUE(menuB.IsShortCut(scCtrl | 'O'));
  EXPECT_EQ(clicksB, 2);
  EXPECT_FALSE(menuB.IsShortCut(scCtrl | 'S'));
  a.Hide();
  b.Hide();
}

TEST(Menu, CheckedStateIsTheItemsAndActionsLendTheirSettings) {
  TForm form(nullptr);
  TPopupMenu menu(&form);
  TMenuItem* item = AddItem(&form, menu.Items(), "Check");
  item->SetChecked(true);
  int clicks = 0;
  item->OnClick = [&](TComponent*) { ++clicks; };
  item->QtAction()->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(item->Checked());
  EXPECT_TRUE(item->QtAction()->isChecked());

  TActionList list(&form);
  auto* action = new TAction(&form);
  action->SetActionList(&list);
  action->SetCaption("&Save");
  action->SetShortCut(scCtrl | 'S');
  int executed = 0;
  action->OnExecute = [&](TComponent*) { ++executed; };
  TMenuItem* save = AddItem(&form, menu.Items(), "x");
  save->SetAction(action);
  EXPECT_EQ(save->Caption(), "&Save");
  EXPECT_EQ(save->ShortCut(), scCtrl | 'S');
  action->SetEnabled(false);
  EXPECT_FALSE(save->Enabled());
  action->SetEnabled(true);
  save->Click();
  EXPECT_EQ(executed, 1);
  bool updated = false;
  action->OnUpdate = [&](TComponent*) { updated = true; };
  list.UpdateActions();
  EXPECT_TRUE(updated);
  delete action;
  EXPECT_EQ(save->Action(), nullptr);
  EXPECT_EQ(list.ActionCount(), 0);
}
