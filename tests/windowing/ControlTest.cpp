#include "windowing/Control.h"

#include <gtest/gtest.h>

#include <QTest>

#include "windowing/CustomControl.h"
#include "windowing/CustomPanel.h"
#include "windowing/Form.h"
#include "windowing/GraphicControl.h"

namespace {

// An owner-painted control that fills itself and records what happens to it.
class TProbe : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::vector<std::string> events;

 protected:
  void Paint(TCanvas& canvas) override {
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
  }
  void MouseEnter() override { events.push_back("enter"); }
  void MouseLeave() override { events.push_back("leave"); }
  void Click() override {
    events.push_back("click");
    TCustomControl::Click();
  }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
    events.push_back("up");
    TCustomControl::MouseUp(b, s, x, y);
  }
  void ControlChange(TControl* child, bool inserting) override {
    events.push_back(std::string(inserting ? "+" : "-") + child->Name());
  }
};

class TMark : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
};

std::string Order(const TControl& parent) {
  std::string out;
  for (int i = 0; i < parent.ControlCount(); ++i) out += parent.Controls(i)->Name();
  return out;
}

template <class T>
T* Make(TComponent* owner, TControl* parent, const char* name) {
  auto* c = new T(owner);
  c->SetName(name);
  c->SetParent(parent);
  return c;
}

}  // namespace

TEST(Control, OwnerAndParentFreeEachOtherWithoutDoubleFrees) {
  auto* form = new TForm(nullptr);
  // The button is owned by the form but sits in a panel made after it.
  auto* button = Make<TProbe>(form, nullptr, "B");
  auto* inner = Make<TPanel>(form, form, "Inner");
  auto* outer = Make<TPanel>(form, form, "Outer");
  button->SetParent(inner);
  inner->SetParent(outer);
  auto* orphan = Make<TProbe>(nullptr, inner, "Orphan");  // owned by nobody: its parent frees it
  (void)orphan;
  EXPECT_EQ(form->ComponentCount(), 3);
  delete outer;  // takes inner, button and the orphan along
  EXPECT_EQ(form->ComponentCount(), 0);
  EXPECT_EQ(form->FindComponent("B"), nullptr);

  auto* again = Make<TPanel>(form, form, "P");
  Make<TProbe>(form, again, "C");
  delete form;  // owner first, children in it
}

TEST(Control, ChildOrderKeepsWindowlessControlsBelow) {
  TForm form(nullptr);
  auto* parent = Make<TProbe>(&form, &form, "P");
  Make<TProbe>(&form, parent, "A");
  Make<TMark>(&form, parent, "G");
  Make<TProbe>(&form, parent, "B");
  Make<TMark>(&form, parent, "H");
  EXPECT_EQ(Order(*parent), "GHAB");
  static_cast<TControl*>(form.FindComponent("A"))->BringToFront();
  EXPECT_EQ(Order(*parent), "GHBA");
  static_cast<TControl*>(form.FindComponent("G"))->BringToFront();
  EXPECT_EQ(Order(*parent), "HGBA");
  static_cast<TControl*>(form.FindComponent("A"))->SendToBack();
  EXPECT_EQ(Order(*parent), "HGAB");
  EXPECT_EQ(parent->events, (std::vector<std::string>{"+A", "+G", "+B", "+H"}));
  delete form.FindComponent("G");
  EXPECT_EQ(Order(*parent), "HAB");
  EXPECT_EQ(parent->events.back(), "-G");
  EXPECT_THROW(parent->Controls(3), EListError);
  EXPECT_THROW(parent->SetParent(static_cast<TControl*>(form.FindComponent("A"))), EPropertyError);
}

TEST(Control, AlignmentPlacesTopBottomLeftRightThenClient) {
  TForm form(nullptr);
  auto* panel = Make<TPanel>(&form, &form, "P");
  panel->SetBevelOuter(TBevelCut::bvNone);
  panel->SetBorderWidth(2);
  panel->SetBounds(0, 0, 204, 104);
  auto add = [&](const char* name, TAlign align, int w, int h, int top = 0) {
    auto* c = Make<TProbe>(&form, panel, name);
    c->SetBounds(0, top, w, h);
    c->SetAlign(align);
    return c;
  };
  TControl* client = add("Client", TAlign::alClient, 5, 5);
  TControl* top2 = add("Top2", TAlign::alTop, 5, 7, 50);
  TControl* top1 = add("Top1", TAlign::alTop, 5, 10, 0);
  TControl* bottom = add("Bottom", TAlign::alBottom, 5, 20);
  TControl* left = add("Left", TAlign::alLeft, 30, 5);
  TControl* right = add("Right", TAlign::alRight, 40, 5);
  TControl* hidden = add("Hidden", TAlign::alLeft, 9, 5);
  hidden->Hide();
  EXPECT_EQ(top1->BoundsRect(), Bounds(2, 2, 200, 10));
  EXPECT_EQ(top2->BoundsRect(), Bounds(2, 12, 200, 7));
  EXPECT_EQ(bottom->BoundsRect(), Bounds(2, 82, 200, 20));
  EXPECT_EQ(left->BoundsRect(), Bounds(2, 19, 30, 63));
  EXPECT_EQ(right->BoundsRect(), Bounds(162, 19, 40, 63));
  EXPECT_EQ(client->BoundsRect(), Rect(32, 19, 162, 82));

  panel->SetWidth(304);  // a resize realigns
  EXPECT_EQ(client->BoundsRect(), Rect(32, 19, 262, 82));
  hidden->Show();
  EXPECT_EQ(hidden->BoundsRect(), Bounds(32, 19, 9, 63));
  EXPECT_EQ(client->Left(), 41);
  top1->SetAlign(TAlign::alNone);  // leaves the group; the others close up
  EXPECT_EQ(top2->Top(), 2);

  client->Constraints().SetMaxWidth(50);
  panel->SetWidth(400);
  EXPECT_EQ(client->Width(), 50);
}

TEST(Control, VisibleEnabledColourAndFontFollowTheClassLibrary) {
  TForm form(nullptr);
  auto* parent = Make<TProbe>(&form, &form, "P");
  auto* child = Make<TProbe>(&form, parent, "C");
  parent->Hide();
  EXPECT_TRUE(child->Visible());
  EXPECT_FALSE(child->Showing());
  parent->SetEnabled(false);
  EXPECT_TRUE(child->Enabled());
  EXPECT_FALSE(child->isEnabled());  // disabled through its parent
  parent->SetEnabled(true);
  EXPECT_TRUE(child->isEnabled());

  child->SetParentColor(true);
  parent->SetColor(clRed);
  EXPECT_EQ(child->Color(), clRed);
  child->SetColor(clBlue);
  EXPECT_FALSE(child->ParentColor());
  parent->SetColor(clLime);
  EXPECT_EQ(child->Color(), clBlue);

  EXPECT_TRUE(child->ParentFont());
  parent->Font().SetName("Verdana");
  EXPECT_EQ(child->Font().Name(), "Verdana");
  EXPECT_TRUE(child->ParentFont());
  child->Font().SetSize(12);
  EXPECT_FALSE(child->ParentFont());
  parent->Font().SetName("Tahoma");
  EXPECT_EQ(child->Font().Name(), "Verdana");
}

// A tool bar with ShowHint shows its buttons' hints: they take ShowHint
// from their parent until they are given their own.
TEST(Control, HintsShowAsTooltipsWithShowHintTakenFromTheParent) {
  TForm form(nullptr);
  auto* bar = Make<TProbe>(&form, &form, "Bar");
  auto* early = Make<TMark>(&form, bar, "Early");
  early->SetHint("Open file");
  EXPECT_TRUE(early->ParentShowHint());
  EXPECT_EQ(early->toolTip(), "");
  bar->SetShowHint(true);
  EXPECT_FALSE(bar->ParentShowHint());
  EXPECT_TRUE(early->ShowHint());
  EXPECT_EQ(early->toolTip(), "Open file");
  auto* late = Make<TMark>(&form, bar, "Late");  // joins a bar that shows hints
  auto* inner = Make<TMark>(&form, late, "Inner");
  EXPECT_TRUE(late->ShowHint());
  EXPECT_TRUE(inner->ShowHint());

  late->SetShowHint(false);  // its own setting from now on
  EXPECT_FALSE(late->ParentShowHint());
  EXPECT_FALSE(inner->ShowHint());
  bar->SetShowHint(false);
  bar->SetShowHint(true);
  EXPECT_FALSE(late->ShowHint());
  EXPECT_TRUE(early->ShowHint());
  late->SetParentShowHint(true);
  EXPECT_TRUE(late->ShowHint());
  EXPECT_TRUE(inner->ShowHint());
}

TEST(Control, ClickOnReleaseInsideAndPointerNoticesWhileHeld) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  auto* probe = Make<TProbe>(&form, &form, "P");
  probe->SetBounds(10, 10, 50, 30);
  form.Show();
  QTest::mousePress(probe, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(probe, Qt::LeftButton, {}, QPoint(6, 6));
  std::erase(probe->events, "enter");
  EXPECT_EQ(probe->events, (std::vector<std::string>{"click", "up"}));
  probe->events.clear();

  QTest::mousePress(probe, Qt::LeftButton, {}, QPoint(5, 5));
  QMouseEvent out(QEvent::MouseMove, QPointF(80, 5), probe->mapToGlobal(QPointF(80, 5)), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
  QApplication::sendEvent(probe, &out);
  QMouseEvent back(QEvent::MouseMove, QPointF(5, 5), probe->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(probe, &back);
  QApplication::sendEvent(probe, &out);
  QTest::mouseRelease(probe, Qt::LeftButton, {}, QPoint(80, 5));
  // No click: the release was outside.
  EXPECT_EQ(probe->events, (std::vector<std::string>{"leave", "enter", "leave", "up"}));
}

TEST(Control, PaintToDrawsTheControlAtTheCanvasOrigin) {
  TForm form(nullptr);
  auto* probe = Make<TProbe>(&form, &form, "P");
  probe->SetBounds(0, 0, 4, 3);
  probe->SetColor(clRed);
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::white);
  TCanvas canvas(image);
  canvas.SetOrigin(Point(2, 2));
  probe->PaintTo(canvas);
  EXPECT_EQ(QRgbToColor(image.pixel(2, 2)), clRed);
  EXPECT_EQ(QRgbToColor(image.pixel(5, 4)), clRed);
  EXPECT_EQ(QRgbToColor(image.pixel(6, 4)), clWhite);
  EXPECT_EQ(QRgbToColor(image.pixel(1, 1)), clWhite);
  EXPECT_EQ(canvas.Origin(), Point(2, 2));
}

TEST(Control, PanelPaintsBevelsAndInsetsItsChildren) {
  TForm form(nullptr);
  auto* panel = Make<TPanel>(&form, &form, "P");
  panel->SetBounds(0, 0, 20, 10);
  panel->SetBevelInner(TBevelCut::bvLowered);
  panel->SetBorderWidth(1);
  TRect r = panel->ClientRect();
  panel->AdjustClientRect(r);
  EXPECT_EQ(r, Rect(3, 3, 17, 7));
  panel->SetColor(clYellow);
  const QImage shot = panel->grab().toImage();
  EXPECT_EQ(QRgbToColor(shot.pixel(0, 0)), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(QRgbToColor(shot.pixel(19, 9)), ColorToRGB(clBtnShadow));
  EXPECT_EQ(QRgbToColor(shot.pixel(1, 1)), clYellow);
  EXPECT_EQ(QRgbToColor(shot.pixel(2, 2)), ColorToRGB(clBtnShadow));
  EXPECT_EQ(QRgbToColor(shot.pixel(10, 5)), clYellow);
}
