#include "skin/SkinComboBox.h"

#include <QAbstractItemView>
#include <QChildEvent>
#include <QComboBox>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <functional>

#include "windowing/Bitmap.h"
#include "windowing/Canvas.h"

namespace {

// The width of the platform's drop-down button.
constexpr int kButtonWidth = 17;

}  // namespace

// Lies over a widget of the native combo box (the box, or its open list),
// takes no mouse, keeps the widget's size and stays above what the widget
// adds later (the edit part), and paints after the widget has painted.
class TSkinCustomComboBox::TOverlay : public QWidget {
 public:
  TOverlay(QWidget& under, std::function<void(QWidget&)> paint) : QWidget(&under), FUnder(under), FPaint(std::move(paint)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    under.installEventFilter(this);
    setGeometry(under.rect());
    raise();
  }

 protected:
  void paintEvent(QPaintEvent*) override { FPaint(*this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &FUnder) return false;
    switch (event->type()) {
      case QEvent::Resize:
      case QEvent::Show:
        setGeometry(FUnder.rect());
        raise();
        break;
      case QEvent::ChildAdded:
        if (static_cast<QChildEvent*>(event)->child() != this) raise();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  QWidget& FUnder;
  std::function<void(QWidget&)> FPaint;
};

TSkinCustomComboBox::TSkinCustomComboBox(TComponent* owner) : TSkinBordered<TComboBox>(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBorderWidth(0);
  FOverlay = std::make_unique<TOverlay>(Combo(), [this](QWidget& window) { PaintBorderAndButton(window); });
  SetUIStyle(GetOwnerUIStyle(owner));
}

TSkinCustomComboBox::~TSkinCustomComboBox() {
  // The list window belongs to the native box, which goes after this one.
  delete FListFrame;
}

const TClassInfo& TSkinCustomComboBox::StaticClassInfo() {
  using T = TSkinCustomComboBox;
  static const auto info = DefineClass<T>("TSkinCustomComboBox", TComboBox::StaticClassInfo(), [](TPublisher<T>& p) {
    PublishStyle(p);
    p.Color("ArrowColor", &T::ArrowColor, &T::SetArrowColor).Color("ButtonColor", &T::ButtonColor, &T::SetButtonColor);
  });
  return *info;
}

const TClassInfo& TSkinComboBox::StaticClassInfo() {
  static const auto info = DefineClass<TSkinComboBox>("TSkinComboBox", TSkinCustomComboBox::StaticClassInfo(), nullptr);
  return *info;
}

void TSkinCustomComboBox::ApplyStyle(const TSkinItemSource& items) {
  SetArrowColor(clBlack);
  TSkinBordered<TComboBox>::ApplyStyle(items);
  SetButtonColor(items.Color(SkinItem::FormBackgroundColor));
  RepaintSkin();
}

void TSkinCustomComboBox::SetButtonColor(TColor color) {
  if (FButtonColor == color) return;
  FButtonColor = color;
  RepaintSkin();
}

void TSkinCustomComboBox::SetArrowColor(TColor color) {
  if (FArrowColor == color) return;
  FArrowColor = color;
  RepaintSkin();
}

void TSkinCustomComboBox::RepaintSkin() {
  Invalidate();
  if (FOverlay) FOverlay->update();
}

// The frame lies on the native box's own surface (the overlay), not round it.
void TSkinCustomComboBox::PaintBorder() {}

// A drop-down list is a flat field in the box's colour, not a raised button.
void TSkinCustomComboBox::ColorChanged() {
  TSkinBordered<TComboBox>::ColorChanged();
  QPalette palette = Combo().palette();
  palette.setColor(QPalette::Button, ColorToQColor(Color()));
  Combo().setPalette(palette);
}

void TSkinCustomComboBox::EnabledChanged() {
  TSkinBordered<TComboBox>::EnabledChanged();
  RepaintSkin();
}

void TSkinCustomComboBox::DoEnter() {
  TSkinBordered<TComboBox>::DoEnter();
  RepaintSkin();
}

void TSkinCustomComboBox::DoExit() {
  TSkinBordered<TComboBox>::DoExit();
  RepaintSkin();
}

TRect TSkinCustomComboBox::ButtonRect() const {
  const QComboBox& combo = Combo();
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = combo.isEditable();
  option.frame = combo.hasFrame();
  const QRect arrow = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &combo);
  // Inside the two rings, and wide enough to cover the native arrow.
  const int w = combo.width(), h = combo.height();
  return Rect(std::max(2, std::min(w - 2 - kButtonWidth, arrow.left())), 2, w - 2, h - 2);
}

void TSkinCustomComboBox::DrawArrow(TCanvas& canvas, int x, int y) const {
  auto triangle = [&](int dx, TColor color) {
    canvas.Pen.Color = color;
    canvas.Brush.Color = color;
    canvas.Polygon({Point(x + dx, y + dx), Point(x + 6 + dx, y + dx), Point(x + 3 + dx, y + 3 + dx)});
  };
  if (Enabled()) {
    triangle(0, FArrowColor);
    return;
  }
  triangle(1, clWhite);
  triangle(0, clGray);
}

// The platform's focus rectangle round the text of a focused list, dotted
// in the text colour: the skin's rings cover Qt's own focus frame, and the
// overlay cannot invert what lies under it. An edit part shows its caret.
void TSkinCustomComboBox::DrawFocusMark(TCanvas& canvas, const TRect& button) const {
  if (Combo().isEditable() || !Combo().hasFocus() || DroppedDown()) return;
  const TRect r = Rect(3, 3, button.Left - 1, Combo().height() - 3);
  auto dot = [&](int x, int y) {
    if ((x + y) % 2 == 0) canvas.SetPixel(x, y, Font().Color());
  };
  for (int x = r.Left; x < r.Right; ++x) {
    dot(x, r.Top);
    dot(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    dot(r.Left, y);
    dot(r.Right - 1, y);
  }
}

void TSkinCustomComboBox::PaintBorderAndButton(QWidget& window) const {
  if (Style() == TComboBoxStyle::csSimple) return;
  FrameControlBorder(window, BorderColor(), Color(), true);
  QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  TCanvas canvas(image);
  const TRect b = ButtonRect();
  // The button goes by the style as set, not as resolved.
  if (UIStyle() == TSkinUIStyle::Silver || UIStyle() == TSkinUIStyle::Azure) {
    TBitmap button;
    button.LoadFromResourceName(UIStyle() == TSkinUIStyle::Silver ? "SILVER_COMBOBOX_BUTTON" : "AZURE_COMBOBOX_BUTTON");
    canvas.StretchDraw(b, button);
  } else {
    canvas.Brush.Color = FButtonColor;
    canvas.FillRect(b);
    canvas.Pen.Color = BorderColor();
    canvas.MoveTo(b.Left, b.Top - 1);
    canvas.LineTo(b.Left, b.Bottom + 1);
  }
  if (UIStyle() != TSkinUIStyle::Azure) DrawArrow(canvas, b.Left + b.Width() / 2 - 3, b.Height() / 2);
  DrawFocusMark(canvas, b);
  QPainter(&window).drawImage(0, 0, image);
}

void TSkinCustomComboBox::DropDown() {
  TSkinBordered<TComboBox>::DropDown();
  // The open list is framed inside its own window.
  if (!FListFrame)
    FListFrame = new TOverlay(*Combo().view()->window(),
                              [this](QWidget& window) { FrameControlBorder(window, BorderColor(), clNone, false); });
}

void TSkinCustomComboBox::CloseUp() {
  TSkinBordered<TComboBox>::CloseUp();
  // The class library's frame lay on the screen; the parent's repaint took it away.
  if (Parent()) Parent()->Repaint();
}
