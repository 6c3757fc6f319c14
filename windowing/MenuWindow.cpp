#include "windowing/MenuWindow.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include "windowing/Guarded.h"
#include "windowing/Menu.h"
#include "windowing/MenuItem.h"

namespace {

// The platform's menus draw a three-pixel frame and no margins; owner-drawn
// items fill the whole width between the frame's sides.
constexpr int kMenuFrame = 3;

class TMenuDrawStyle : public QProxyStyle {
 public:
  static TMenuDrawStyle& Instance() {
    static TMenuDrawStyle* style = [] {
      auto* s = new TMenuDrawStyle;
      s->setParent(qApp);  // freed with the application
      return s;
    }();
    return *style;
  }

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (dynamic_cast<const TMenuWindow*>(widget)) {
      if (metric == PM_MenuHMargin || metric == PM_MenuVMargin) return 0;
      if (metric == PM_MenuPanelWidth) return kMenuFrame;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override {
    if (type == CT_MenuItem)
      if (TMenuItem* item = Styled(widget); item && item->OnMeasureItem) {
        QImage scratch(1, 1, QImage::Format_RGB32);
        TCanvas canvas(scratch);
        canvas.Font.Assign(SystemMenuFont());
        int width = 0, height = 0;
        Guarded([&] { item->OnMeasureItem(item, canvas, width, height); });
        return QSize(std::max(0, width), std::max(0, height));
      }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (element == CE_MenuItem)
      if (TMenuItem* item = Styled(widget); item && item->OnAdvancedDrawItem) {
        DrawItem(*item, *option, *painter);
        return;
      }
    QProxyStyle::drawControl(element, option, painter, widget);
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_FrameMenu)
      if (auto* window = dynamic_cast<const TMenuWindow*>(widget))
        if (TMenu* menu = window->Item().GetParentMenu()) {
          const QRect r = option->rect;
          QImage image(r.size(), QImage::Format_ARGB32_Premultiplied);
          image.fill(Qt::transparent);
          TCanvas canvas(image);
          bool drawn = false;
          Guarded([&] { drawn = menu->DrawFrame(canvas, Rect(0, 0, r.width(), r.height())); });
          if (drawn) {
            painter->drawImage(r.topLeft(), image);
            return;
          }
        }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

 private:
  static TMenuItem* Styled(const QWidget* widget) {
    const auto* window = dynamic_cast<const TMenuWindow*>(widget);
    return window ? window->ItemOf(window->StyledAction()) : nullptr;
  }

  static void DrawItem(TMenuItem& item, const QStyleOption& option, QPainter& painter) {
    const QRect r = option.rect;
    if (r.isEmpty()) return;
    QImage image(r.size(), QImage::Format_RGB32);
    image.fill(ColorToQColor(clMenu));
    TCanvas canvas(image);
    canvas.SetOrigin(Point(-r.x(), -r.y()));
    canvas.Font.Assign(SystemMenuFont());
    canvas.Brush.Color = clMenu;
    TOwnerDrawState state = 0;
    if (option.state & State_Selected) state |= odSelected;
    if (!(option.state & State_Enabled)) state |= odDisabled | odGrayed;
    if (item.Checked()) state |= odChecked;
    if (item.Default()) state |= odDefault;
    Guarded([&] { item.OnAdvancedDrawItem(&item, canvas, FromQRect(r), state); });
    painter.drawImage(r.topLeft(), image);
  }
};

}  // namespace

TMenuWindow::TMenuWindow(TMenuItem& item) : FItem(item) {
  setStyle(&TMenuDrawStyle::Instance());
  // An item with sub-items is clicked when they open, as the platform does.
  connect(this, &QMenu::aboutToShow, this, [this] {
    if (FItem.Parent()) Guarded([this] { FItem.Click(); });
  });
}

void TMenuWindow::Rebuild() {
  clear();
  QAction* defaultAction = nullptr;
  for (int i = 0; i < FItem.Count(); ++i) {
    TMenuItem* child = FItem.Items(i);
    addAction(child->QtAction());
    if (child->Default()) defaultAction = child->QtAction();
  }
  setDefaultAction(defaultAction);
}

TMenuItem* TMenuWindow::ItemOf(const QAction* action) const {
  if (!action) return nullptr;
  for (int i = 0; i < FItem.Count(); ++i)
    if (FItem.Items(i)->QtAction() == action) return FItem.Items(i);
  return nullptr;
}

void TMenuWindow::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenu::initStyleOption(option, action);
  FStyledAction = action;
}
