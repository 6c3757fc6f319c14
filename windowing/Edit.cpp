#include "windowing/Edit.h"

#include <QLineEdit>
#include <limits>

#include "windowing/Guarded.h"

namespace {

const TEnumInfo& CharCaseNames() {
  static const TEnumInfo names{{"ecNormal", "ecUpperCase", "ecLowerCase"}};
  return names;
}

}  // namespace

TEdit::TEdit(TComponent* owner) : TNativeControl(owner, new QLineEdit), FEditor(static_cast<QLineEdit*>(&Inner())) {
  FEditor->setFrame(false);
  SetMaxLength(0);
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
  QObject::connect(FEditor, &QLineEdit::textChanged, FEditor, [this] { Guarded([this] { EditorChanged(); }); });
  QObject::connect(FEditor, &QLineEdit::textEdited, FEditor, [this] { FModified = true; });
}

const TClassInfo& TEdit::StaticClassInfo() {
  static const auto info = DefineClass<TEdit>("TEdit", TNativeControl::StaticClassInfo(), [](TPublisher<TEdit>& p) {
    p.Bool("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect)
        .Enum("CharCase", CharCaseNames(), &TEdit::CharCase, &TEdit::SetCharCase)
        .Integer("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength)
        .Integer("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar)
        .Bool("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly)
        .String("Text", &TEdit::Text, &TEdit::SetText)
        .Event("OnChange", &TEdit::OnChange);
  });
  return *info;
}

void TEdit::SetMaxLength(int length) {
  FMaxLength = std::max(0, length);
  // 0 sets no limit, as on the platform: a value read from a file is shown
  // whole, however long.
  FEditor->setMaxLength(FMaxLength > 0 ? FMaxLength : std::numeric_limits<int>::max());
}

bool TEdit::ReadOnly() const { return FEditor->isReadOnly(); }

void TEdit::SetReadOnly(bool readOnly) { FEditor->setReadOnly(readOnly); }

void TEdit::SetPasswordChar(char c) {
  FPasswordChar = c;
  FEditor->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}

void TEdit::SetCharCase(TEditCharCase charCase) {
  if (FCharCase == charCase) return;
  FCharCase = charCase;
  SetText(Text());
  EditorChanged();
}

std::string TEdit::SelText() const { return ToLocal8Bit(FEditor->selectedText()); }

void TEdit::SetSelText(const std::string& text) { FEditor->insert(FromLocal8Bit(text)); }

void TEdit::SelectAll() { FEditor->selectAll(); }

void TEdit::CopyToClipboard() { FEditor->copy(); }

void TEdit::CutToClipboard() { FEditor->cut(); }

void TEdit::PasteFromClipboard() { FEditor->paste(); }

void TEdit::TextChanged() {
  const QString text = FromLocal8Bit(Text());
  if (FEditor->text() != text) FEditor->setText(text);
  TNativeControl::TextChanged();
}

void TEdit::EditorChanged() {
  QString text = FEditor->text();
  if (FCharCase == TEditCharCase::ecUpperCase) text = text.toUpper();
  if (FCharCase == TEditCharCase::ecLowerCase) text = text.toLower();
  if (text != FEditor->text()) {
    const int cursor = FEditor->cursorPosition();
    FEditor->setText(text);  // comes back here once more, unchanged
    FEditor->setCursorPosition(cursor);
    return;
  }
  const std::string bytes = ToLocal8Bit(text);
  if (bytes != Text()) SetText(bytes);
  if (OnChange) OnChange(this);
}

void TEdit::DoEnter() {
  if (FAutoSelect) FEditor->selectAll();
  TNativeControl::DoEnter();
}
