#include "windowing/MenuWindow.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include "windowing/Guarded.h"

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
      if (const TStyledEntry entry = Styled(widget); entry.action) {
        QImage scratch(1, 1, QImage::Format_RGB32);
        TCanvas canvas(scratch);
        canvas.Font.Assign(SystemMenuFont());
        int width = 0, height = 0;
        bool measured = false;
        Guarded([&] { measured = entry.window->Items().MeasureEntry(*entry.action, canvas, width, height); });
        if (measured) return QSize(std::max(0, width), std::max(0, height));
      }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (element == CE_MenuItem)
      if (const TStyledEntry entry = Styled(widget); entry.action && entry.window->Items().DrawsEntry(*entry.action)) {
        DrawEntry(entry.window->Items(), *entry.action, *option, *painter);
        return;
      }
    QProxyStyle::drawControl(element, option, painter, widget);
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_FrameMenu)
      if (auto* window = dynamic_cast<const TMenuWindow*>(widget)) {
        const QRect r = option->rect;
        QImage image(r.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        TCanvas canvas(image);
        bool drawn = false;
        Guarded([&] { drawn = window->Items().DrawFrame(canvas, Rect(0, 0, r.width(), r.height())); });
        if (drawn) {
          painter->drawImage(r.topLeft(), image);
          return;
        }
      }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

 private:
  struct TStyledEntry {
    const TMenuWindow* window;
    const QAction* action;  // null when widget is no menu window
  };

  static TStyledEntry Styled(const QWidget* widget) {
    const auto* window = dynamic_cast<const TMenuWindow*>(widget);
    return {window, window ? window->StyledAction() : nullptr};
  }

  static void DrawEntry(TMenuWindowItems& items, const QAction& action, const QStyleOption& option, QPainter& painter) {
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
    Guarded([&] { items.DrawEntry(action, canvas, FromQRect(r), state); });
    painter.drawImage(r.topLeft(), image);
  }
};

}  // namespace

TMenuWindow::TMenuWindow(TMenuWindowItems& items) : FItems(items) {
  setStyle(&TMenuDrawStyle::Instance());
  connect(this, &QMenu::aboutToShow, this, [this] { Guarded([this] { FItems.Opening(); }); });
}

void TMenuWindow::SetEntries(const std::vector<QAction*>& actions, QAction* defaultAction) {
  clear();
  for (QAction* action : actions) addAction(action);
  setDefaultAction(defaultAction);
}

void TMenuWindow::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenu::initStyleOption(option, action);
  FStyledAction = action;
}
