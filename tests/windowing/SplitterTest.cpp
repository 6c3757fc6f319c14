// The splitter: dragging it sizes the control it touches on its aligned
// side, within MinSize of either end, and the splitter follows; dragging a
// right-aligned one grows the control leftwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "windowing/CustomPanel.h"
#include "windowing/Form.h"
#include "windowing/Splitter.h"

namespace {

void Send(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
  QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Presses the splitter at its middle, moves by each offset from there (the
// splitter moves along, so each move is sent relative to where it is now),
// and releases.
void DragBy(TSplitter& splitter, std::initializer_list<int> offsets) {
  const int y = splitter.Height() / 2;
  const int startLeft = splitter.Left();
  Send(&splitter, QEvent::MouseButtonPress, QPoint(1, y), Qt::LeftButton);
  int last = 0;
  for (const int offset : offsets) {
    Send(&splitter, QEvent::MouseMove, QPoint(1 + startLeft + offset - splitter.Left(), y), Qt::LeftButton);
    last = offset;
  }
  Send(&splitter, QEvent::MouseButtonRelease, QPoint(1 + startLeft + last - splitter.Left(), y), Qt::NoButton);
}

struct TSplitForm {
  explicit TSplitForm(TAlign side) {
    form.SetBounds(0, 0, 400, 200);
    sized = new TPanel(&form);
    sized->SetParent(&form);
    sized->SetAlign(side);
    sized->SetWidth(100);
    splitter = new TSplitter(&form);
    splitter->SetParent(&form);
    splitter->SetAlign(side);
    // Placed on the far side of the sized control, so that alignment puts it next to it.
    splitter->SetLeft(side == TAlign::alLeft ? 150 : 0);
    client = new TPanel(&form);
    client->SetParent(&form);
    client->SetAlign(TAlign::alClient);
    splitter->OnMoved = [this](TComponent*) { ++moved; };
    form.Show();
    QCoreApplication::processEvents();
  }
  ~TSplitForm() { form.Hide(); }
  TForm form{nullptr};
  TPanel* sized;
  TSplitter* splitter;
  TPanel* client;
  int moved = 0;
};

}  // namespace

TEST(Splitter, DragSizesTheTouchingControlWithinTheLimits) {
  TSplitForm f(TAlign::alLeft);
  ASSERT_EQ(f.splitter->Left(), 100);
  DragBy(*f.splitter, {20, 50});
  EXPECT_EQ(f.sized->Width(), 150);
  EXPECT_EQ(f.splitter->Left(), 150);
  EXPECT_EQ(f.client->Left(), 153);
  EXPECT_EQ(f.moved, 1);
  // The client keeps MinSize; the sized control never gets less than it.
  DragBy(*f.splitter, {400});
  EXPECT_EQ(f.client->Width(), f.splitter->MinSize());
  DragBy(*f.splitter, {-1000});
  EXPECT_EQ(f.sized->Width(), f.splitter->MinSize());
  EXPECT_EQ(f.moved, 3);
}

TEST(Splitter, RightAlignedGrowsLeftwards) {
  TSplitForm f(TAlign::alRight);
  ASSERT_EQ(f.sized->Left(), 300);
  ASSERT_EQ(f.splitter->Left(), 297);
  DragBy(*f.splitter, {-40});
  EXPECT_EQ(f.sized->Width(), 140);
  EXPECT_EQ(f.sized->Left(), 260);
  EXPECT_EQ(f.splitter->Left(), 257);
}
