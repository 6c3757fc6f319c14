#include "windowing/Memo.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <optional>

#include "windowing/Guarded.h"

namespace {

const TEnumInfo& ScrollNames() {
  static const TEnumInfo names{{"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
  return names;
}

// Qt lays a line out whole, in time that grows with its length (and, when
// it wraps, faster than that): a line longer than this is shown in pieces.
constexpr qsizetype kLongLine = 16384;
// Pieces are cut for at least this width, so that a memo not yet sized
// does not cut a long text into millions of lines (Qt wraps them further).
constexpr int kNarrowestPieces = 160;

// 8-bit text with any line ends as Qt's text, whose line end is '\n'.
QString PlainTextOf(const std::string& text) {
  QString plain = FromLocal8Bit(text);
  // A long text without a CR (a tune's key text) is not searched for one.
  if (text.find('\r') == std::string::npos) return plain;
  return plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
}

bool HasLongLine(const QString& text) {
  for (qsizetype start = 0;;) {
    const qsizetype end = text.indexOf(QChar('\n'), start);
    if ((end < 0 ? text.size() : end) - start > kLongLine) return true;
    if (end < 0) return false;
    start = end + 1;
  }
}

// The advance of each character in a font, asked of the font once per
// character.
class TAdvances {
 public:
  explicit TAdvances(const QFont& font) : FMetrics(font), FSingle(0x10000, -1) {}
  qreal Of(QStringView character) {
    if (character.size() == 1) {
      qreal& advance = FSingle[character[0].unicode()];
      if (advance < 0) advance = FMetrics.horizontalAdvance(character[0]);
      return advance;
    }
    const char32_t pair = QChar::surrogateToUcs4(character[0], character[1]);
    auto found = FPairs.constFind(pair);
    if (found == FPairs.constEnd()) found = FPairs.insert(pair, FMetrics.horizontalAdvance(character.toString()));
    return *found;
  }

 private:
  QFontMetricsF FMetrics;
  std::vector<qreal> FSingle;
  QHash<char32_t, qreal> FPairs;
};

// Where each shown line of the text starts when every line is broken into
// pieces no wider than width: after the last blank or comma that fits (key
// groups and tones stay whole), else after the last character that fits,
// never inside a surrogate pair. A line end starts a new line too.
std::vector<int> PieceStarts(QStringView text, const QFont& font, qreal width) {
  TAdvances advances(font);
  std::vector<int> starts{0};
  const int length = static_cast<int>(text.size());
  qreal used = 0, sinceBreak = 0;
  int lastBreak = -1;
  for (int i = 0; i < length;) {
    if (text[i] == QChar('\n')) {
      starts.push_back(i + 1);
      used = sinceBreak = 0;
      lastBreak = -1;
      ++i;
      continue;
    }
    const int size = text[i].isHighSurrogate() && i + 1 < length && text[i + 1].isLowSurrogate() ? 2 : 1;
    const qreal advance = advances.Of(text.mid(i, size));
    if (used + advance > width && i > starts.back()) {
      const bool atBreak = lastBreak > starts.back();
      starts.push_back(atBreak ? lastBreak : i);
      used = atBreak ? sinceBreak : 0;
      sinceBreak = used;
      lastBreak = -1;
      continue;
    }
    used += advance;
    sinceBreak += advance;
    i += size;
    if (text[i - 1] == QChar(' ') || text[i - 1] == QChar(',')) {
      lastBreak = i;
      sinceBreak = 0;
    }
  }
  return starts;
}

// The platform's memo, whose copied and dragged text comes from the memo:
// a text shown in pieces is copied without the display's breaks.
class TMemoEditor : public QPlainTextEdit {
 public:
  // The selected text when the memo gives it, else nothing (Qt's own).
  std::function<std::optional<QString>()> SelectedText;

 protected:
  QMimeData* createMimeDataFromSelection() const override {
    const std::optional<QString> text = SelectedText ? SelectedText() : std::nullopt;
    if (!text) return QPlainTextEdit::createMimeDataFromSelection();
    auto* mime = new QMimeData;
    mime->setText(*text);
    return mime;
  }
};

// The memo's text as typed, lines ended by '\n': the plain-text view of the
// document would turn no-break spaces into blanks and U+2028 into line ends.
QString RawText(const QPlainTextEdit& editor) {
  return editor.document()->toRawText().replace(QChar::ParagraphSeparator, QChar('\n'));
}

}  // namespace

TMemo::TMemo(TComponent* owner)
    : TNativeControl(owner, new TMemoEditor), FEditor(static_cast<QPlainTextEdit*>(&Inner())) {
  static_cast<TMemoEditor*>(FEditor)->SelectedText = [this]() -> std::optional<QString> {
    if (!FPieced) return std::nullopt;
    return PiecedSelection();
  };
  FEditor->setFrameShape(QFrame::NoFrame);
  FEditor->setTabChangesFocus(true);
  SetScrollBars(TScrollStyle::ssNone);
  SetTabStop(true);
  SetBounds(0, 0, 185, 89);
  QObject::connect(FEditor, &QPlainTextEdit::textChanged, FEditor, [this] {
    // Laying a pieced text out again changes nothing of the text.
    if (FRepiecing) return;
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

QString TMemo::PlainText() const { return FPieced ? PiecedText() : RawText(*FEditor); }

QString TMemo::PiecedText() const {
  const QTextDocument& document = *FEditor->document();
  QString text;
  if (FPieceStarts.empty()) return text;
  text.reserve(FPieceStarts.back() + document.lastBlock().length() - 1);
  size_t k = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next(), ++k) {
    const QString shown = block.text();
    text += shown;
    // The next shown line starts one past this one where a line of the
    // text ends here.
    if (k + 1 < FPieceStarts.size() && FPieceStarts[k + 1] > FPieceStarts[k] + shown.size()) text += QChar('\n');
  }
  return text;
}

std::string TMemo::Text() const { return ToLocal8Bit(PlainText().replace(QChar('\n'), QStringLiteral("\r\n"))); }

void TMemo::SetText(const std::string& text) { ShowText(PlainTextOf(text)); }

TStringList TMemo::Lines() const {
  TStringList lines;
  const QString all = PlainText();
  if (all.isEmpty()) return lines;
  for (const QString& line : all.split(QChar('\n'))) lines.Add(ToLocal8Bit(line));
  return lines;
}

void TMemo::SetLines(const TStringList& lines) {
  QStringList text;
  for (const std::string& line : lines.Lines()) text << FromLocal8Bit(line);
  ShowText(text.join(QChar('\n')));
}

int TMemo::LineCount() const {
  if (FPieced) return static_cast<int>(PiecedText().count(QChar('\n'))) + 1;
  return IsEmpty() ? 0 : FEditor->blockCount();
}

void TMemo::AddLine(const std::string& line) {
  const QString added = FromLocal8Bit(line);
  if (FPieced || added.size() > kLongLine) {
    const QString all = PlainText();
    ShowText(all.isEmpty() ? added : all + QChar('\n') + added);
    return;
  }
  FSetting = true;
  FEditor->appendPlainText(added);
  FSetting = false;
}

void TMemo::Clear() { SetLines({}); }

bool TMemo::IsEmpty() const { return !FPieced && FEditor->document()->isEmpty(); }

void TMemo::ShowText(const QString& text) {
  const bool pieced = HasLongLine(text);
  FSetting = true;
  if (pieced) {
    FPieced = true;
    // Wrapped before the text comes, so that Qt lays it out only once.
    ApplyEditing();
    ShowPieces(text);
  } else {
    FPieced = false;
    FPieceStarts.clear();
    FEditor->setPlainText(text);
    ApplyEditing();
  }
  FSetting = false;
}

void TMemo::ShowPieces(QStringView text) {
  FPieceWidth = PieceWidth();
  FPieceStarts = PieceStarts(text, FEditor->font(), FPieceWidth);
  QString shown;
  shown.reserve(text.size() + static_cast<qsizetype>(FPieceStarts.size()));
  for (size_t k = 0; k < FPieceStarts.size(); ++k) {
    const int start = FPieceStarts[k];
    int end = static_cast<int>(text.size());
    if (k + 1 < FPieceStarts.size()) {
      end = FPieceStarts[k + 1];
      if (text[end - 1] == QChar('\n')) --end;
      shown.append(text.mid(start, end - start)).append(QChar('\n'));
    } else {
      shown.append(text.mid(start, end - start));
    }
  }
  FEditor->setPlainText(shown);
}

void TMemo::RepieceSoon() {
  if (!FPieced || FRepieceDue) return;
  FRepieceDue = true;
  // Once the changes of this pass are done (a resize often brings a change
  // of scroll bars); never after the memo is gone, which takes the editor.
  QTimer::singleShot(0, FEditor, [this] {
    FRepieceDue = false;
    Repiece();
  });
}

void TMemo::Repiece() {
  if (!FPieced || PieceWidth() == FPieceWidth) return;
  const QTextCursor cursor = FEditor->textCursor();
  const int anchor = TextOffset(cursor.anchor()), position = TextOffset(cursor.position());
  const int top = TextOffset(FEditor->cursorForPosition(QPoint(0, 0)).position());
  FRepiecing = true;
  ShowPieces(PiecedText());
  FRepiecing = false;
  QTextCursor moved(FEditor->document());
  moved.setPosition(EditorPosition(anchor));
  moved.setPosition(EditorPosition(position), QTextCursor::KeepAnchor);
  FEditor->setTextCursor(moved);
  FEditor->verticalScrollBar()->setValue(FEditor->document()->findBlock(EditorPosition(top)).blockNumber());
}

void TMemo::ApplyEditing() {
  FEditor->setReadOnly(FReadOnly || FPieced);
  // A pieced text is still read with the keys: moved through and selected.
  if (FPieced) FEditor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  FEditor->setLineWrapMode(FWordWrap || FPieced ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

int TMemo::PieceWidth() const {
  int width = FEditor->width() - 2 * FEditor->frameWidth();
  if (FEditor->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
    width -= FEditor->verticalScrollBar()->sizeHint().width();
  // The document's margins on both sides and the text cursor.
  width -= 2 * static_cast<int>(FEditor->document()->documentMargin()) + 2;
  return std::max(width, kNarrowestPieces);
}

int TMemo::TextOffset(int position) const {
  if (!FPieced) return position;
  const QTextBlock block = FEditor->document()->findBlock(position);
  const auto k = static_cast<size_t>(std::max(0, block.blockNumber()));
  return k < FPieceStarts.size() ? FPieceStarts[k] + position - block.position() : position;
}

int TMemo::EditorPosition(int offset) const {
  if (!FPieced || FPieceStarts.empty()) return offset;
  const auto after = std::upper_bound(FPieceStarts.begin(), FPieceStarts.end(), offset);
  const auto k = static_cast<size_t>(std::max<ptrdiff_t>(0, after - FPieceStarts.begin() - 1));
  const QTextBlock block = FEditor->document()->findBlockByNumber(static_cast<int>(k));
  return block.position() + std::clamp(offset - FPieceStarts[k], 0, std::max(0, block.length() - 1));
}

void TMemo::SetScrollBars(TScrollStyle scrollBars) {
  FScrollBars = scrollBars;
  const bool vertical = scrollBars == TScrollStyle::ssVertical || scrollBars == TScrollStyle::ssBoth;
  const bool horizontal = scrollBars == TScrollStyle::ssHorizontal || scrollBars == TScrollStyle::ssBoth;
  FEditor->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  FEditor->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  RepieceSoon();
}

void TMemo::SetWordWrap(bool wordWrap) {
  FWordWrap = wordWrap;
  ApplyEditing();
}

bool TMemo::ReadOnly() const { return FEditor->isReadOnly(); }

void TMemo::SetReadOnly(bool readOnly) {
  FReadOnly = readOnly;
  ApplyEditing();
}

void TMemo::SetWantTabs(bool wantTabs) {
  FWantTabs = wantTabs;
  FEditor->setTabChangesFocus(!wantTabs);
}

QString TMemo::PiecedSelection() const {
  const QTextCursor cursor = FEditor->textCursor();
  const int start = TextOffset(cursor.selectionStart());
  return PiecedText().mid(start, TextOffset(cursor.selectionEnd()) - start);
}

std::string TMemo::SelText() const {
  if (FPieced) return ToLocal8Bit(PiecedSelection().replace(QChar('\n'), QStringLiteral("\r\n")));
  // Qt separates selected lines by U+2029; the platform by CR LF.
  return ToLocal8Bit(FEditor->textCursor().selectedText().replace(QChar(0x2029), QStringLiteral("\r\n")));
}

void TMemo::SetSelText(const std::string& text) {
  if (!FPieced) {
    FEditor->insertPlainText(FromLocal8Bit(text));
    return;
  }
  // The whole text changes and is shown again, the cursor after the insert.
  const QTextCursor cursor = FEditor->textCursor();
  const int start = TextOffset(cursor.selectionStart()), end = TextOffset(cursor.selectionEnd());
  const QString inserted = PlainTextOf(text);
  const QString whole = PiecedText();
  ShowText(whole.left(start) + inserted + whole.mid(end));
  FModified = true;
  QTextCursor moved(FEditor->document());
  moved.setPosition(EditorPosition(start + static_cast<int>(inserted.size())));
  FEditor->setTextCursor(moved);
}

int TMemo::SelLength() const {
  const QTextCursor cursor = FEditor->textCursor();
  return TextOffset(cursor.selectionEnd()) - TextOffset(cursor.selectionStart());
}

void TMemo::SelectAll() { FEditor->selectAll(); }

void TMemo::CopyToClipboard() { FEditor->copy(); }

void TMemo::CutToClipboard() { FEditor->cut(); }

void TMemo::PasteFromClipboard() { FEditor->paste(); }

bool TMemo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FEditor && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)) RepieceSoon();
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
