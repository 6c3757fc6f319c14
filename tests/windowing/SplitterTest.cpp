#include "Splitter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "CustomPanel.h"
#include "Form.h"

namespace {

void Send(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
  QMouseEvent event(type, pos, widget->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                    buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Presses on the bar, moves the held pointer by dy on the screen, releases.
void DragBy(TSplitter& bar, int dy) {
  const QPoint start = bar.mapToGlobal(QPoint(1, 1));
  Send(&bar, QEvent::MouseButtonPress, QPoint(1, 1), Qt::LeftButton);
  Send(&bar, QEvent::MouseMove, bar.mapFromGlobal(start + QPoint(0, dy)), Qt::LeftButton);
  Send(&bar, QEvent::MouseButtonRelease, bar.mapFromGlobal(start + QPoint(0, dy)), Qt::NoButton);
}

}  // namespace

TEST(Splitter, DraggingSizesTheControlBeforeItWithinMinSize) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 300);
  auto* top = new TPanel(&form);
  top->SetParent(&form);
  top->SetAlign(TAlign::alTop);
  top->SetHeight(100);
  auto* bar = new TSplitter(&form);
  bar->SetParent(&form);
  bar->SetAlign(TAlign::alTop);
  bar->SetTop(100);
  bar->SetHeight(3);
  auto* rest = new TPanel(&form);
  rest->SetParent(&form);
  rest->SetAlign(TAlign::alClient);
  form.Show();
  ASSERT_EQ(bar->Top(), 100);
  ASSERT_EQ(bar->ResizedControl(), top);
  int moves = 0;
  bar->OnMoved = [&moves](TComponent*) { ++moves; };

  DragBy(*bar, 40);
  EXPECT_EQ(top->Height(), 140);
  EXPECT_EQ(bar->Top(), 140);
  EXPECT_EQ(rest->Top(), 143);
  EXPECT_EQ(moves, 1);
  DragBy(*bar, -500);  // MinSize is kept for the control...
  EXPECT_EQ(top->Height(), bar->MinSize());
  DragBy(*bar, 900);  // ...and for the room beyond the bar
  EXPECT_EQ(form.ClientHeight() - (bar->Top() + bar->Height()), bar->MinSize());
  form.Hide();
}
