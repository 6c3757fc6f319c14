#include "windowing/ToolBar.h"

#include <gtest/gtest.h>

#include "windowing/Action.h"
#include "windowing/Form.h"
#include "windowing/ToolButton.h"

TEST(ToolBar, ButtonsRowUpWrapAndCheckInGroups) {
  TForm form(nullptr);
  TToolBar bar(&form);
  bar.SetParent(&form);
  bar.SetEdgeBorders(0);
  bar.SetAlign(TAlign::alNone);
  bar.SetWidth(100);
  std::vector<TToolButton*> buttons;
  for (int i = 0; i < 5; ++i) {
    auto* b = new TToolButton(&form);
    b->SetStyle(TToolButtonStyle::tbsCheck);
    b->SetGrouped(true);
    b->SetParent(&bar);
    buttons.push_back(b);
  }
  EXPECT_EQ(buttons[3]->BoundsRect(), Bounds(69, 0, 23, 22));
  EXPECT_EQ(buttons[4]->BoundsRect(), Bounds(0, 22, 23, 22));
  buttons[1]->SetWrap(true);
  EXPECT_EQ(buttons[2]->BoundsRect(), Bounds(0, 22, 23, 22));
  buttons[0]->Click();
  buttons[2]->Click();
  EXPECT_FALSE(buttons[0]->Down());
  EXPECT_TRUE(buttons[2]->Down());
  buttons[2]->Click();  // a group keeps one button down
  EXPECT_TRUE(buttons[2]->Down());
  delete buttons[2];
  EXPECT_EQ(bar.ButtonCount(), 4);
  EXPECT_EQ(buttons[3]->BoundsRect(), Bounds(0, 22, 23, 22));
}

TEST(ToolBar, AButtonFollowsItsActionAndRunsIt) {
  TForm form(nullptr);
  TToolBar bar(&form);
  bar.SetParent(&form);
  auto* action = new TAction(&form);
  action->SetHint("Open file");
  action->SetImageIndex(3);
  int runs = 0;
  action->OnExecute = [&runs](TComponent*) { ++runs; };
  auto* button = new TToolButton(&form);
  button->SetParent(&bar);
  button->SetAction(action);
  EXPECT_EQ(button->Hint(), "Open file");
  EXPECT_EQ(button->ImageIndex(), 3);
  button->Click();
  EXPECT_EQ(runs, 1);
  action->SetEnabled(false);
  EXPECT_FALSE(button->Enabled());
  action->SetHint("Open a tune");
  EXPECT_EQ(button->Hint(), "Open a tune");
  delete action;  // the button forgets it
  EXPECT_EQ(button->Action(), nullptr);
  button->Click();
  EXPECT_EQ(runs, 1);
}
