#include "windowing/NativeControl.h"

#include <QKeyEvent>
#include <algorithm>

#include "windowing/Guarded.h"
#include "windowing/Keys.h"

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at text[i] (shortest form, no
// surrogates, at most U+10FFFF) and its code point; 0 when there is none.
size_t Utf8Sequence(const std::string& text, size_t i, char32_t& code) {
  const auto at = [&](size_t k) { return static_cast<unsigned char>(text[i + k]); };
  const size_t left = text.size() - i;
  const unsigned char lead = at(0);
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length == 0 || left < length || at(1) < low || at(1) > high) return 0;
  for (size_t k = 2; k < length; ++k)
    if (!IsContinuation(at(k))) return 0;
  code = lead & (0xFF >> (length + 1));
  for (size_t k = 1; k < length; ++k) code = (code << 6) | (at(k) & 0x3F);
  return length;
}

// Characters a text widget keeps as structure rather than as text.
bool WidgetsKeep(char32_t code) { return code != 0x2029 && code != 0xFDD0 && code != 0xFDD1; }

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

QString FromLocal8Bit(const std::string& text) {
  // No byte gives more than one UTF-16 unit (a four-byte sequence gives
  // two), so the units are written straight into room for every byte: a
  // long tune's text takes one pass and no reallocation.
  QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  char16_t* const begin = reinterpret_cast<char16_t*>(result.data());
  char16_t* out = begin;
  for (size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      *out++ = byte;
      ++i;
      continue;
    }
    char32_t code = 0;
    const size_t length = Utf8Sequence(text, i, code);
    if (length > 0 && WidgetsKeep(code)) {
      if (QChar::requiresSurrogates(code)) {
        *out++ = QChar::highSurrogate(code);
        *out++ = QChar::lowSurrogate(code);
      } else {
        *out++ = static_cast<char16_t>(code);
      }
      i += length;
      continue;
    }
    // A byte that starts no sequence, or each byte of a kept character.
    for (const size_t end = i + std::max<size_t>(length, 1); i < end; ++i)
      *out++ = static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(text[i]));
  }
  result.truncate(out - begin);
  return result;
}

std::string ToLocal8Bit(const QString& text) {
  std::string result;
  result.reserve(static_cast<size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      AppendUtf8(result, QChar::surrogateToUcs4(unit, text[++i].unicode()));
    } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
      result += static_cast<char>(unit - kEscapeBase);
    } else if (QChar::isSurrogate(unit)) {
      AppendUtf8(result, QChar::ReplacementCharacter);  // as Qt's own encoder does
    } else {
      AppendUtf8(result, unit);
    }
  }
  return result;
}

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
