#include "windowing/WindowDrag.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "windowing/Form.h"

TEST(WindowDrag, SizingCodesGrabTheirEdgesAndShowTheirPointers) {
  struct Case {
    int code;
    Qt::Edges edges;
    TCursor cursor;
  };
  const Case cases[] = {{HTLEFT, Qt::LeftEdge, crSizeWE},
                        {HTRIGHT, Qt::RightEdge, crSizeWE},
                        {HTTOP, Qt::TopEdge, crSizeNS},
                        {HTBOTTOM, Qt::BottomEdge, crSizeNS},
                        {HTTOPLEFT, Qt::TopEdge | Qt::LeftEdge, crSizeNWSE},
                        {HTBOTTOMRIGHT, Qt::BottomEdge | Qt::RightEdge, crSizeNWSE},
                        {HTTOPRIGHT, Qt::TopEdge | Qt::RightEdge, crSizeNESW},
                        {HTBOTTOMLEFT, Qt::BottomEdge | Qt::LeftEdge, crSizeNESW},
                        {HTCLIENT, {}, crDefault},
                        {HTCAPTION, {}, crDefault},
                        {HTTRANSPARENT, {}, crDefault}};
  for (const Case& c : cases) {
    EXPECT_EQ(HitTestEdges(c.code), c.edges) << c.code;
    EXPECT_EQ(HitTestCursor(c.code), c.cursor) << c.code;
  }
}

TEST(WindowDrag, WithoutTheWindowSystemTheHeldMouseMovesAndSizesTheWindow) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(100, 100, 300, 200);
  form.Constraints().SetMinWidth(120);
  form.Constraints().SetMinHeight(80);
  form.Show();
  TWindowDrag drag;
  EXPECT_FALSE(drag.Begin(form, {}, Point(150, 110)));  // offscreen: no system move
  ASSERT_TRUE(drag.Active());
  drag.Follow(Point(170, 140));
  EXPECT_EQ(form.BoundsRect(), Bounds(120, 130, 300, 200));
  drag.End();
  drag.Follow(Point(500, 500));
  EXPECT_EQ(form.BoundsRect(), Bounds(120, 130, 300, 200));

  struct Case {
    Qt::Edges edges;
    TPoint by;
    TRect expected;
  };
  const Case cases[] = {
      {Qt::RightEdge | Qt::BottomEdge, Point(40, 30), Rect(120, 130, 460, 360)},
      {Qt::LeftEdge, Point(-20, 99), Rect(100, 130, 420, 330)},
      {Qt::TopEdge, Point(50, 30), Rect(120, 160, 420, 330)},
      {Qt::LeftEdge | Qt::TopEdge, Point(1000, 1000), Rect(300, 250, 420, 330)},  // the minimum size holds
  };
  for (const Case& c : cases) {
    form.SetBounds(120, 130, 300, 200);
    drag.Begin(form, c.edges, Point(0, 0));
    drag.Follow(c.by);
    drag.End();
    EXPECT_EQ(form.BoundsRect(), c.expected);
  }
  form.Hide();
}

TEST(WindowDrag, AFramelessFormIsMaximisedAndRestoredByTheLayer) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetBounds(100, 100, 300, 200);
  form.Show();
  form.SetWindowState(TWindowState::wsMaximized);
  EXPECT_EQ(form.BoundsRect(), FromQRect(QGuiApplication::primaryScreen()->availableGeometry()));
  EXPECT_EQ(form.WindowState(), TWindowState::wsMaximized);
  form.SetWindowState(TWindowState::wsNormal);
  EXPECT_EQ(form.BoundsRect(), Bounds(100, 100, 300, 200));
  // Made maximised while hidden, it is maximised when it shows.
  form.Hide();
  form.SetWindowState(TWindowState::wsMaximized);
  EXPECT_EQ(form.BoundsRect(), Bounds(100, 100, 300, 200));
  form.Show();
  EXPECT_EQ(form.BoundsRect(), FromQRect(QGuiApplication::primaryScreen()->availableGeometry()));
  form.SetWindowState(TWindowState::wsNormal);
  EXPECT_EQ(form.BoundsRect(), Bounds(100, 100, 300, 200));
  form.Hide();
}
