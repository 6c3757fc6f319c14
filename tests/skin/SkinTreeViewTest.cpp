#include "skin/SkinTreeView.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScrollBar>
#include <QTreeWidget>

#include "tests/skin/SkinTestSupport.h"
#include "windowing/Form.h"

TEST(SkinTreeView, BarsStepFiveHideWhileTheNodesFitAndFollowTheTree) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 300);
  auto* tree = Make<TSkinTreeView>(form, form, "T");
  tree->SetBounds(0, 0, 120, 90);
  auto* vertical = Make<TSkinScrollBar>(form, form, "V");
  auto* horizontal = Make<TSkinScrollBar>(form, form, "H");
  vertical->SetSmallChange(1);
  form.Show();
  tree->SetVScrollBar(vertical);
  tree->SetHScrollBar(horizontal);
  EXPECT_EQ(vertical->SmallChange(), 5);
  EXPECT_EQ(horizontal->SmallChange(), 5);
  EXPECT_EQ(horizontal->Orientation(), TSkinProgressBarOrientation::skinHorizontal);
  QCoreApplication::processEvents();
  EXPECT_FALSE(vertical->Visible());
  EXPECT_FALSE(horizontal->Visible());

  TTreeNode* root = tree->Items().AddChild(nullptr, "Root");
  for (int i = 0; i < 30; ++i) tree->Items().AddChild(root, "Node " + std::to_string(i));
  root->Expand(false);
  QCoreApplication::processEvents();
  ASSERT_TRUE(vertical->Visible());
  EXPECT_EQ(vertical->BoundsRect(), Bounds(120 - 16 - 2, 1, 16, 88));  // no horizontal bar shown
  QScrollBar& native = *tree->Tree().verticalScrollBar();
  EXPECT_EQ(vertical->Max(), native.maximum());
  vertical->StepForward();
  EXPECT_EQ(native.value(), 5);
  EXPECT_EQ(vertical->Position(), 5);

  tree->SetEnabled(false);  // the native bars become unavailable
  QCoreApplication::processEvents();
  EXPECT_FALSE(vertical->Visible());
}

// A node name wider than the tree is not cut short: the tree scrolls
// sideways to it, with its linked horizontal bar.
TEST(SkinTreeView, ALongNodeNameShowsWholeAndTheTreeScrollsSideways) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 300);
  auto* tree = Make<TSkinTreeView>(form, form, "T");
  tree->SetBounds(0, 0, 90, 120);
  auto* horizontal = Make<TSkinScrollBar>(form, form, "H");
  tree->SetHScrollBar(horizontal);
  form.Show();
  TTreeNode* root = tree->Items().AddChild(nullptr, "Filter Option");
  tree->Items().AddChild(root, "Remember State Options");
  root->Expand(false);
  QCoreApplication::processEvents();
  QTreeWidget& native = tree->Tree();
  const QTreeWidgetItem& item = *native.topLevelItem(0)->child(0);
  EXPECT_GE(native.visualItemRect(&item).width(), native.fontMetrics().horizontalAdvance("Remember State Options"));
  ASSERT_TRUE(horizontal->Visible());
  EXPECT_TRUE(horizontal->Enabled());
  EXPECT_EQ(horizontal->Max(), native.horizontalScrollBar()->maximum());
  horizontal->SetPosition(horizontal->Max());
  EXPECT_EQ(native.horizontalScrollBar()->value(), horizontal->Max());
}
