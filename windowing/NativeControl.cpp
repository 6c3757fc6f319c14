#include "NativeControl.h"

#include <QKeyEvent>

#include "Application.h"
#include "Keys.h"

QString FromLocal8Bit(const std::string& text) { return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())); }

std::string ToLocal8Bit(const QString& text) { return text.toLocal8Bit().toStdString(); }

TNativeControl::TNativeControl(TComponent* owner, QWidget* inner) : TWinControl(owner), FInner(inner) {
  FInner->setParent(this);
  FInner->installEventFilter(this);
  setFocusProxy(FInner);
  SetColor(clWindow);
  FontChanged();
}

const TClassInfo& TNativeControl::StaticClassInfo() {
  static const auto info =
      DefineClass<TNativeControl>("TNativeControl", TWinControl::StaticClassInfo(), [](TPublisher<TNativeControl>& p) {
        p.Integer("BorderWidth", &TNativeControl::BorderWidth, &TNativeControl::SetBorderWidth);
      });
  return *info;
}

void TNativeControl::SetBorderWidth(int width) {
  if (FBorderWidth == width || width < 0) return;
  FBorderWidth = width;
  PlaceInner();
  Invalidate();
}

void TNativeControl::PlaceInner() {
  FInner->setGeometry(FBorderWidth, FBorderWidth, std::max(0, Width() - 2 * FBorderWidth),
                      std::max(0, Height() - 2 * FBorderWidth));
}

void TNativeControl::Paint(TCanvas& canvas) {
  canvas.Brush.Color = Color();
  canvas.FillRect(ClientRect());
}

void TNativeControl::Resize() {
  PlaceInner();
  TWinControl::Resize();
}

void TNativeControl::ColorChanged() {
  QPalette palette = FInner->palette();
  palette.setColor(QPalette::Base, ColorToQColor(Color()));
  palette.setColor(QPalette::Window, ColorToQColor(Color()));
  FInner->setPalette(palette);
  TWinControl::ColorChanged();
}

void TNativeControl::FontChanged() {
  FInner->setFont(Font().ToQFont());
  QPalette palette = FInner->palette();
  palette.setColor(QPalette::Text, ColorToQColor(Font().Color()));
  palette.setColor(QPalette::WindowText, ColorToQColor(Font().Color()));
  FInner->setPalette(palette);
  TWinControl::FontChanged();
}

bool TNativeControl::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FInner) return false;
  bool consumed = false;
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      uint16_t code = QtKeyToVirtualKey(key->key());
      Guarded([&] {
        if (code) {
          KeyDown(code, QtModifiersToShift(key->modifiers()));
          consumed = code == 0;
        }
        const QByteArray text = key->text().toLocal8Bit();
        if (!consumed && text.size() == 1 && static_cast<unsigned char>(text[0]) >= 0x20) {
          char c = text[0];
          KeyPress(c);
          consumed = c == 0;
        }
      });
      break;
    }
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      uint16_t code = QtKeyToVirtualKey(key->key());
      if (code && !key->isAutoRepeat()) Guarded([&] { KeyUp(code, QtModifiersToShift(key->modifiers())); });
      consumed = code == 0 && QtKeyToVirtualKey(key->key()) != 0;
      break;
    }
    case QEvent::FocusIn:
      Guarded([this] { DoEnter(); });
      break;
    case QEvent::FocusOut:
      Guarded([this] { DoExit(); });
      break;
    case QEvent::MouseButtonDblClick:
      Guarded([this] { DblClick(); });
      break;
    default:
      break;
  }
  return consumed;
}
