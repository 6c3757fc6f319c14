#include "runtime/FormScanner.h"

#include <cctype>
#include <utility>

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

}  // namespace

TFormScanner::TFormScanner(const std::string& text, std::string formName, TFormBinaryData binary)
    : FText(text), FFormName(std::move(formName)), FBinary(binary) {
  Next();
}

void TFormScanner::Fail(const std::string& message, int line) const {
  throw EFormError("Error reading form " + FFormName + ", line " + IntToStr(line) + ": " + message);
}

void TFormScanner::Next() {
  SkipBlanks();
  FToken = TFormToken{};
  FToken.Line = FLine;
  if (FPos >= FText.size()) return;
  const char c = FText[FPos];
  const bool signedNumber =
      (c == '-' || c == '+') && FPos + 1 < FText.size() && (IsDigit(FText[FPos + 1]) || FText[FPos + 1] == '$');
  if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
    ReadIdent();
  } else if (IsDigit(c) || c == '$' || signedNumber) {
    ReadNumber();
  } else if (c == '\'' || c == '#') {
    ReadString();
  } else if (c == '{') {
    ReadBinary();
  } else {
    FToken.Kind = TFormTokenKind::Symbol;
    FToken.Text = std::string(1, c);
    ++FPos;
  }
}

void TFormScanner::Expect(char symbol) {
  if (!IsSymbol(symbol)) Fail(std::string("'") + symbol + "' expected");
  Next();
}

std::string TFormScanner::ExpectIdent() {
  if (FToken.Kind != TFormTokenKind::Ident) Fail("Identifier expected");
  std::string text = FToken.Text;
  Next();
  return text;
}

TFormObject TFormScanner::ReadObjectHead() {
  TFormObject object;
  object.Line = Line();
  Next();
  object.Name = ExpectIdent();
  Expect(':');
  object.ClassName = ExpectIdent();
  return object;
}

void TFormScanner::SkipBlanks() {
  while (FPos < FText.size()) {
    const char c = FText[FPos];
    if (c == '\n') {
      ++FLine;
      ++FPos;
    } else if (static_cast<unsigned char>(c) <= ' ') {
      ++FPos;
    } else if (c == '/' && FPos + 1 < FText.size() && FText[FPos + 1] == '/') {
      while (FPos < FText.size() && FText[FPos] != '\n') ++FPos;
    } else {
      return;
    }
  }
}

void TFormScanner::ReadIdent() {
  FToken.Kind = TFormTokenKind::Ident;
  const size_t start = FPos;
  while (FPos < FText.size() && IsWordChar(FText[FPos])) ++FPos;
  FToken.Text = FText.substr(start, FPos - start);
}

void TFormScanner::ReadNumber() {
  FToken.Kind = TFormTokenKind::Integer;
  const size_t start = FPos;
  if (FText[FPos] == '-' || FText[FPos] == '+') ++FPos;
  if (FPos < FText.size() && FText[FPos] == '$') {
    ++FPos;
    while (FPos < FText.size() && std::isxdigit(static_cast<unsigned char>(FText[FPos]))) ++FPos;
  } else {
    while (FPos < FText.size() && IsDigit(FText[FPos])) ++FPos;
  }
  if (FPos < FText.size() && (std::isalnum(static_cast<unsigned char>(FText[FPos])) || FText[FPos] == '.'))
    Fail("Invalid number");
  FToken.Text = FText.substr(start, FPos - start);
}

// 'text' parts, '' for a quote, and #nn character codes, joined.
void TFormScanner::ReadString() {
  FToken.Kind = TFormTokenKind::String;
  for (;;) {
    if (FPos < FText.size() && FText[FPos] == '\'') {
      ++FPos;
      for (;;) {
        if (FPos >= FText.size() || FText[FPos] == '\n') Fail("Unterminated string");
        if (FText[FPos] == '\'') {
          if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
            FToken.Text += '\'';
            FPos += 2;
            continue;
          }
          ++FPos;
          break;
        }
        FToken.Text += FText[FPos++];
      }
    } else if (FPos < FText.size() && FText[FPos] == '#') {
      ++FPos;
      const size_t start = FPos;
      while (FPos < FText.size() && IsDigit(FText[FPos]) && FPos - start < 4) ++FPos;
      int32_t code = 0;
      if (FPos == start || !TryStrToInt(FText.substr(start, FPos - start), code) || code > 255)
        Fail("Invalid character code");
      FToken.Text += static_cast<char>(code);
    } else {
      return;
    }
  }
}

void TFormScanner::ReadBinary() {
  FToken.Kind = TFormTokenKind::Binary;
  ++FPos;
  int high = -1;
  for (;;) {
    if (FPos >= FText.size()) Fail("Unterminated binary data");
    const char c = FText[FPos++];
    if (c == '}') break;
    if (c == '\n') {
      ++FLine;
      continue;
    }
    if (FBinary == TFormBinaryData::Skipped || static_cast<unsigned char>(c) <= ' ') continue;
    if (!std::isxdigit(static_cast<unsigned char>(c))) Fail("Invalid binary data");
    const int digit = IsDigit(c) ? c - '0' : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
    if (high < 0) {
      high = digit;
    } else {
      FToken.Text += static_cast<char>(high * 16 + digit);
      high = -1;
    }
  }
  if (high >= 0) Fail("Odd number of hex digits");
}
