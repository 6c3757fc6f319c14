#include "skin/SkinListBox.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QCoreApplication>
#include <QScrollBar>

#include "tests/skin/SkinTestSupport.h"
#include "windowing/Form.h"

TEST(SkinListBox, LinkedBarHidesWhileTheItemsFitAndScrollsTheList) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 300);
  auto* list = Make<TSkinListBox>(form, form, "L");
  list->SetBounds(20, 10, 150, 100);
  auto* bar = Make<TSkinScrollBar>(form, form, "V");
  form.Show();
  list->SetVScrollBar(bar);
  QCoreApplication::processEvents();
  EXPECT_EQ(bar->BoundsRect(), Bounds(20 + 150 - 16 - 2, 11, 16, 98));
  EXPECT_FALSE(bar->Visible());

  for (int i = 0; i < 40; ++i) list->AddItem("item " + std::to_string(i));
  QCoreApplication::processEvents();
  QScrollBar& native = *list->List().verticalScrollBar();
  EXPECT_TRUE(bar->Visible());
  EXPECT_TRUE(bar->Enabled());
  EXPECT_EQ(bar->Max(), native.maximum());
  EXPECT_EQ(bar->SmallChange(), 1);  // the bar's own step
  bar->SetPosition(12);
  EXPECT_EQ(native.value(), 12);
  native.setValue(3);  // and back: a list box copies every scroll into its bar
  EXPECT_EQ(bar->Position(), 3);

  list->Clear();
  QCoreApplication::processEvents();
  EXPECT_FALSE(bar->Visible());

  // A list narrower than its bar puts the bar at its left.
  list->SetWidth(10);
  EXPECT_EQ(bar->Left(), 20);
  delete bar;
  EXPECT_EQ(list->VScrollBar(), nullptr);
}
