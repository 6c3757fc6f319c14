#include "windowing/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "windowing/NativeControl.h"

bool TClipboard::HasFormat(unsigned format) const {
  if (format != CF_TEXT) return false;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

std::string TClipboard::AsText() const { return ToLocal8Bit(QGuiApplication::clipboard()->text()); }

void TClipboard::SetAsText(const std::string& text) { QGuiApplication::clipboard()->setText(FromLocal8Bit(text)); }

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}
