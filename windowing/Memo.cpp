#include "Memo.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "Application.h"

namespace {

const TEnumInfo& ScrollNames() {
  static const TEnumInfo names{{"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
  return names;
}

// The memo's lines as typed: the plain-text view of the document would turn
// no-break spaces into blanks and U+2028 into line ends.
QStringList RawLines(const QPlainTextEdit& editor) {
  const QString all = editor.document()->toRawText();
  if (all.isEmpty()) return {};
  return all.split(QChar::ParagraphSeparator);
}

}  // namespace

TMemo::TMemo(TComponent* owner)
    : TNativeControl(owner, new QPlainTextEdit), FEditor(static_cast<QPlainTextEdit*>(&Inner())) {
  FEditor->setFrameShape(QFrame::NoFrame);
  FEditor->setTabChangesFocus(true);
  SetScrollBars(TScrollStyle::ssNone);
  SetTabStop(true);
  SetBounds(0, 0, 185, 89);
  QObject::connect(FEditor, &QPlainTextEdit::textChanged, FEditor, [this] {
    if (!FSetting) FModified = true;
    if (OnChange) Guarded([this] { OnChange(this); });
  });
}

const TClassInfo& TMemo::StaticClassInfo() {
  static const auto info = DefineClass<TMemo>("TMemo", TNativeControl::StaticClassInfo(), [](TPublisher<TMemo>& p) {
    p.Strings("Lines", &TMemo::Lines, &TMemo::SetLines)
        .Bool("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly)
        .Enum("ScrollBars", ScrollNames(), &TMemo::ScrollBars, &TMemo::SetScrollBars)
        .Bool("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns)
        .Bool("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs)
        .Bool("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap)
        .Event("OnChange", &TMemo::OnChange);
  });
  return *info;
}

std::string TMemo::Text() const { return ToLocal8Bit(RawLines(*FEditor).join(QStringLiteral("\r\n"))); }

void TMemo::SetText(const std::string& text) {
  QString plain = FromLocal8Bit(text);
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
  FSetting = true;
  FEditor->setPlainText(plain);
  FSetting = false;
}

TStringList TMemo::Lines() const {
  TStringList lines;
  for (const QString& line : RawLines(*FEditor)) lines.Add(ToLocal8Bit(line));
  return lines;
}

void TMemo::SetLines(const TStringList& lines) {
  QStringList text;
  for (const std::string& line : lines.Lines()) text << FromLocal8Bit(line);
  FSetting = true;
  FEditor->setPlainText(text.join(QChar('\n')));
  FSetting = false;
}

int TMemo::LineCount() const { return FEditor->toPlainText().isEmpty() ? 0 : FEditor->blockCount(); }

void TMemo::AddLine(const std::string& line) {
  FSetting = true;
  FEditor->appendPlainText(FromLocal8Bit(line));
  FSetting = false;
}

void TMemo::Clear() { SetLines({}); }

void TMemo::SetScrollBars(TScrollStyle scrollBars) {
  FScrollBars = scrollBars;
  const bool vertical = scrollBars == TScrollStyle::ssVertical || scrollBars == TScrollStyle::ssBoth;
  const bool horizontal = scrollBars == TScrollStyle::ssHorizontal || scrollBars == TScrollStyle::ssBoth;
  FEditor->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  FEditor->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetWordWrap(bool wordWrap) {
  FWordWrap = wordWrap;
  FEditor->setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool TMemo::ReadOnly() const { return FEditor->isReadOnly(); }

void TMemo::SetReadOnly(bool readOnly) { FEditor->setReadOnly(readOnly); }

void TMemo::SetWantTabs(bool wantTabs) {
  FWantTabs = wantTabs;
  FEditor->setTabChangesFocus(!wantTabs);
}

std::string TMemo::SelText() const {
  // Qt separates selected lines by U+2029; the platform by CR LF.
  return ToLocal8Bit(FEditor->textCursor().selectedText().replace(QChar(0x2029), QStringLiteral("\r\n")));
}

void TMemo::SetSelText(const std::string& text) { FEditor->insertPlainText(FromLocal8Bit(text)); }

int TMemo::SelLength() const {
  const QTextCursor cursor = FEditor->textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void TMemo::SelectAll() { FEditor->selectAll(); }

void TMemo::CopyToClipboard() { FEditor->copy(); }

void TMemo::CutToClipboard() { FEditor->cut(); }

void TMemo::PasteFromClipboard() { FEditor->paste(); }

bool TMemo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FEditor && event->type() == QEvent::KeyPress && !FWantReturns) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      event->ignore();
      if (QWidget* up = parentWidget()) QCoreApplication::sendEvent(up, event);
      return true;
    }
  }
  return TNativeControl::eventFilter(watched, event);
}
