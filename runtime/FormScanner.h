// The tokens of a form description (the format is shown in
// windowing/FormReader.h): identifiers, numbers, 'strings' with #nn
// character codes, {hex data} and single symbols, each with the line it
// starts on. The windowing layer's reader and the form compiler, a build
// tool without the windowing layer, read descriptions through it.
#pragma once

#include <cstddef>
#include <string>

#include "runtime/SysUtils.h"

// A description that cannot be read; the message names the form and the line.
class EFormError : public Exception {
  using Exception::Exception;
};

// How deeply objects and collections may nest in a description.
constexpr int kMaxFormNesting = 64;

enum class TFormTokenKind { End, Ident, Integer, String, Binary, Symbol };

struct TFormToken {
  TFormTokenKind Kind = TFormTokenKind::End;
  std::string Text;  // identifier, digits, string value, binary bytes, symbol
  int Line = 1;
};

// What {...} holds: bytes in hex, or (for a reader that needs no binary
// values, such as the form compiler reading descriptions whose pictures
// are still written "{bitmap NAME}") any text up to the closing brace.
enum class TFormBinaryData { Hex, Skipped };

// The head of a nested object: "object Name: Class".
struct TFormObject {
  std::string Name;
  std::string ClassName;
  int Line;  // of "object"
};

// Splits the text into tokens; a malformed token is an error at its line.
class TFormScanner {
 public:
  TFormScanner(const std::string& text, std::string formName, TFormBinaryData binary = TFormBinaryData::Hex);

  const TFormToken& Current() const { return FToken; }
  int Line() const { return FToken.Line; }
  // The name errors give the form: the root object's, once it is read.
  void SetFormName(const std::string& name) { FFormName = name; }

  [[noreturn]] void Fail(const std::string& message, int line) const;
  [[noreturn]] void Fail(const std::string& message) const { Fail(message, FToken.Line); }

  void Next();

  bool IsSymbol(char symbol) const { return FToken.Kind == TFormTokenKind::Symbol && FToken.Text[0] == symbol; }
  bool IsIdent(const char* word) const { return FToken.Kind == TFormTokenKind::Ident && SameText(FToken.Text, word); }

  void Expect(char symbol);
  std::string ExpectIdent();

  // Reads the head of a nested object, standing on "object".
  TFormObject ReadObjectHead();
  // Reads an object's body up to and with its "end": nested() for each
  // object it holds, standing on "object", and property() for each of its
  // properties, standing on the property's name.
  template <class N, class P>
  void ReadBody(N nested, P property) {
    for (;;) {
      if (IsIdent("end")) {
        Next();
        return;
      }
      if (FToken.Kind == TFormTokenKind::End) Fail("'end' expected");
      if (IsIdent("object"))
        nested();
      else
        property();
    }
  }

 private:
  void SkipBlanks();
  void ReadIdent();
  void ReadNumber();
  void ReadString();
  void ReadBinary();

  const std::string& FText;
  std::string FFormName;
  TFormBinaryData FBinary;
  size_t FPos = 0;
  int FLine = 1;
  TFormToken FToken;
};
