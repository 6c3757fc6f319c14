// The grammar framework that reads the text notations: a table-driven
// scanner and a recursive-descent parser base. Parsing never fails outward:
// mismatches are collected in an error list and the productions carry on
// with whatever they can, so a malformed tune loads as far as it parses.
//
// How a notation plugs in (the scanner and parser skeleton lives here only):
//  - Scanner: derive from TGrammarScanner and hand the base the notation's
//    TScanTable, built once (a function-local static) from the notation's
//    no-symbol number, its start states (SetStartState/SetStartStates with
//    TScanState::Single, Identifier, Integer or Pair; a Pair such as "C#" or
//    CR LF goes on as an identifier or ends as no symbol without its second
//    character; SetWordStartStates and SetSharpStartStates set the usual
//    words and sharp notes) and its keywords (AddKeyword, matched in any
//    case). The preset is "no symbol" for every character and "end of text"
//    for 0. Blanks and codes 14..31 are skipped and comments ("//", "(*",
//    "{") recognised in every notation. Integers are looked up among the
//    keywords too, so a notation can give particular numbers symbols of
//    their own (a keyword "1", say).
//  - Parser: derive from TGrammarParser, hand the base the scanner and a
//    static TGrammarNames (the terminal names of the codes 0..no-symbol, then
//    the production error names: ErrorMessage is built from them), override
//    ParseTune (the start production) and Version; the tune they fill is the
//    base's Ring/SetRing (FRing), so a parser needs no more of its notation's
//    tune class than every tune has, and the tune class alone knows its
//    parser. Productions use Get, Expect, SyntaxError,
//    LookAhead, LastSymbolText (LastSymbolTextInto, LastSymbolNumber),
//    LookAheadText/LookAheadRawText (LookAheadTextIs),
//    CharBeforeLookAhead, SkipTo, TextUpTo, SymbolInSet with TSymbolSet,
//    ReadNote with a TNoteTable of TNoteSymbol, NewTone and NewTrack.
//  - Tune class: LoadFromStream is ParseRing<TheParse>(*this, stream) (hand
//    it a rewritten text in a TMemoryStream where the notation needs one).
#pragma once

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "conversion/uRingBase.h"
#include "conversion/uRingFile.h"
#include "runtime/Component.h"
#include "runtime/OwnedList.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"

class TRingTrack;
class TGrammarParser;

// The symbol numbers every notation shares.
constexpr int symEndOfText = 0;
constexpr int symIdentifier = 1;
constexpr int symInteger = 2;

// One symbol's place in the source.
struct TSymbolPosition {
  int Line = 0;            // counted from 1
  int Column = 0;          // source position minus that of the last line-end character
  int Length = 0;          // characters of the symbol
  int SourcePosition = 0;  // 0-based offset of its first character

  void Clear() { *this = TSymbolPosition(); }
  void Assign(const TSymbolPosition& source) { *this = source; }
};

struct TGrammarError {
  int ErrorCode = 0;  // a symbol number or a production's error number
  int Column = 0;
  int Line = 0;
  std::string Data;
  int ErrorType = 0;
};

struct TCommentItem {
  std::string Text;
  int Line = 0;
  int Column = 0;
};

class TCommentList {
 public:
  // Stores the text without its trailing characters below the blank.
  void Add(const std::string& text, int line, int column);
  void Clear() { FItems.Clear(); }
  int Count() const { return FItems.Count(); }
  bool Empty() const { return FItems.Empty(); }
  const TCommentItem& Items(int index) const { return *FItems.Items(index); }

 private:
  TOwnedList<TCommentItem> FItems;
};

class EGrammarBookmark : public Exception {
  using Exception::Exception;
};

enum class TGenListType { glNever, glAlways, glOnError };

enum class TGrammarStatusType { gsParseBegin = 1, gsParseEnd = 2, gsNewLine = 3 };

using TGrammarNotifyEvent = std::function<void(TGrammarParser& Sender)>;
using TAfterGrammarGetEvent = std::function<void(TGrammarParser& Sender, int& CurrentInputSymbol)>;
using TAfterGenListEvent = std::function<void(TGrammarParser& Sender, bool& PrintErrorCount)>;
using TCustomErrorEvent =
    std::function<std::string(TGrammarParser& Sender, int ErrorCode, const std::string& Data)>;
using TErrorEvent = std::function<void(TGrammarParser& Sender, const TGrammarError& Error)>;
using TFailureEvent = std::function<void(TGrammarParser& Sender, int NumErrors)>;
using TStatusUpdateProc = std::function<void(TGrammarParser& Sender, TGrammarStatusType StatusType,
                                             const std::string& Status, int LineNum)>;
using TCommentEvent = std::function<void(TGrammarParser& Sender, TCommentList& Comments)>;

// What a scanner state does with each character it reads.
enum class TScanKind : uint8_t {
  EndOfText,   // the symbol 0
  NoSymbol,    // the notation's no-symbol number, one character long
  Single,      // a one-character symbol
  Identifier,  // letters and "_", then the keyword look-up
  Integer,     // digits, then the keyword look-up
  Pair,        // a two-character symbol when Second (or AlsoSecond) follows, else goes on as Otherwise
};

struct TScanState {
  TScanKind Kind = TScanKind::NoSymbol;
  int Symbol = 0;                             // Single, Pair: the symbol returned
  char Second = 0;                            // Pair: the character that completes it
  TScanKind Otherwise = TScanKind::NoSymbol;  // Pair: Identifier or NoSymbol (one character)
  char AlsoSecond = 0;                        // Pair: another spelling of Second, 0 for none

  static TScanState Single(int symbol) { return {TScanKind::Single, symbol, 0, TScanKind::NoSymbol}; }
  static TScanState Identifier() { return {TScanKind::Identifier, 0, 0, TScanKind::NoSymbol}; }
  static TScanState Integer() { return {TScanKind::Integer, 0, 0, TScanKind::NoSymbol}; }
  static TScanState Pair(char second, int symbol, TScanKind otherwise, char alsoSecond = 0) {
    return {TScanKind::Pair, symbol, second, otherwise, alsoSecond};
  }
};

// A notation's scanner tables: the state in which a symbol starting with
// each character is scanned, and the keywords by their first character.
// They never change once built, so each notation builds them once and all
// its scanners share them.
class TScanTable {
 public:
  struct TKeyword {
    std::string Text;  // upper case
    int Symbol;
  };

  explicit TScanTable(int noSymbol);

  void SetStartState(unsigned char c, const TScanState& state);
  void SetStartStates(const std::string& chars, const TScanState& state);
  void SetStartStates(char first, char last, const TScanState& state);
  // Digits start integers, letters and "_" identifiers.
  void SetWordStartStates();
  // Each letter with a "#" (or alsoSharp, when not 0) straight after it is
  // the given symbol; without one it goes on as an identifier.
  void SetSharpStartStates(std::initializer_list<std::pair<char, int>> sharps, char alsoSharp = 0);
  // An upper-case word that the identifier (or integer) state turns into its symbol.
  void AddKeyword(const std::string& text, int symbol);

  static constexpr int kNoKeyword = -1;

  // What a symbol is when it ends after its first character: its number,
  // and the classes of the next character that make it longer (or, for
  // the end of text and a character that is skipped or may start a
  // comment, that every character leaves it to the full scan).
  struct TQuickSymbol {
    int Symbol;
    uint8_t GoesOnBefore;
  };
  // A byte as the character after a symbol's first: read as NextChar reads
  // it, and its classes.
  struct TNextChar {
    char Folded;
    uint8_t Classes;
  };
  static constexpr uint8_t kAnyChar = 1;
  static constexpr uint8_t kWordChar = 2;
  static constexpr uint8_t kDigitChar = 4;
  static constexpr uint8_t kPairSecond = 8;
  static constexpr uint8_t kLineEnd = 16;

  const std::array<TScanState, 256>& StartStates() const { return FStartStates; }
  const TQuickSymbol& QuickSymbol(unsigned char first) const { return FQuickSymbols[first]; }
  const TNextChar& NextChar(unsigned char next) const { return FNextChars[next]; }
  // The keywords of two or more characters that start with the character.
  const std::vector<TKeyword>& KeywordsStartingWith(unsigned char upper) const { return FKeywords[upper]; }
  // The symbol of the one-character keyword, or kNoKeyword.
  int OneLetterKeyword(unsigned char upper) const { return FOneLetterKeywords[upper]; }
  int NoSymbol() const { return FNoSymbol; }

 private:
  void UpdateQuickSymbol(unsigned char first);

  std::array<TScanState, 256> FStartStates;
  std::array<std::vector<TKeyword>, 256> FKeywords;
  std::array<int, 256> FOneLetterKeywords;
  int FNoSymbol;
  std::array<TQuickSymbol, 256> FQuickSymbols;
  std::array<TNextChar, 256> FNextChars;
};

class TGrammarScanner {
 public:
  explicit TGrammarScanner(const TScanTable& table);
  virtual ~TGrammarScanner() = default;
  TGrammarScanner(const TGrammarScanner&) = delete;
  TGrammarScanner& operator=(const TGrammarScanner&) = delete;

  // The byte at the position; 0 outside the source, and byte 26 reads as 0,
  // so either ends the text.
  char CharAt(int position) const {
    const std::string& data = FSourceBuffer.DataString();
    const auto at = static_cast<unsigned>(position);  // a negative position lies outside too
    if (at >= static_cast<unsigned>(std::max(FSourceLength, 0)) || at >= data.size()) return 0;
    return data[at] == 26 ? '\0' : data[at];
  }
  // CharAt with a..z upper-cased: every notation reads its symbols so.
  char UpCaseCharAt(int position) const;

  void Reset();
  void NextChar();
  // Scans the next symbol and returns its number. Most symbols follow the
  // one before directly and end after their first character, which the
  // character after it tells: those are read here, all others in full.
  int Get() {
    const auto next = static_cast<unsigned>(FBufferPosition + 1);
    if (next >= FQuickEnd) [[unlikely]]
      return GetScanned();
    int symbol;
    if (!ReadQuickSymbol(next, symbol)) [[unlikely]]
      return GetScanned();
    return symbol;
  }

  // The symbol's text read upper-cased, or in the source's own case.
  std::string GetSymbolText(const TSymbolPosition& position) const;
  std::string GetSymbolRawText(const TSymbolPosition& position) const;
  // GetSymbolRawText appended to text.
  void AppendSymbolRawText(const TSymbolPosition& position, std::string& text) const;
  // How many characters those texts have: those of the symbol within the source.
  size_t GetSymbolLength(const TSymbolPosition& position) const {
    const int64_t begin = std::max(position.SourcePosition, 0);
    const int64_t end = std::min<int64_t>(int64_t{position.SourcePosition} + position.Length, FSourceLength);
    return end <= begin ? 0 : static_cast<size_t>(end - begin);
  }
  // The symbol's bytes where the source holds all of them, else null.
  const char* HeldBytes(const TSymbolPosition& position) const {
    const std::string& data = FSourceBuffer.DataString();
    const int64_t end = int64_t{position.SourcePosition} + position.Length;
    if (position.SourcePosition < 0 || end > FSourceLength || end > static_cast<int64_t>(data.size())) return nullptr;
    return data.data() + position.SourcePosition;
  }

  // Symbols a parser reads in place, for a notation whose symbols it can
  // tell from their bytes: the count bytes from position on where Get would
  // read them in place (else null), the place of a symbol of the current
  // line, and TakeInPlace, which leaves the scanner as Get leaves it once it
  // has read every symbol before position (last the one before it) and
  // then reads the symbol there as Get reads it, giving its number.
  const char* InPlaceText(int position, unsigned count) const {
    const auto at = static_cast<unsigned>(position);
    return position >= 0 && at <= FQuickEnd && count <= FQuickEnd - at ? FText + at : nullptr;
  }
  TSymbolPosition InPlaceSymbol(int position, int length) const {
    return {FCurrentLine, position - FLineStart, length, position};
  }
  int TakeInPlace(const TSymbolPosition& last, int position) {
    Ahead() = last;
    FPreviousChar = FTable.NextChar(static_cast<unsigned char>(FText[position - 1])).Folded;
    FBufferPosition = position;
    const TScanTable::TNextChar& current = FTable.NextChar(static_cast<unsigned char>(FText[position]));
    FCurrentChar = current.Folded;
    if ((current.Classes & TScanTable::kLineEnd) != 0) [[unlikely]]
      NewLineUnlessPair();
    return Get();
  }

  const std::array<TScanState, 256>& StartStateTable() const { return FTable.StartStates(); }
  std::string GetBookmark() const;
  void GotoBookmark(const std::string& bookmark);

  TMemoryStream& SourceBuffer() {
    FStale = true;
    FQuickEnd = 0;
    return FSourceBuffer;
  }
  const TSymbolPosition& LastSymbol() const { return FSymbols[FAhead ^ 1u]; }
  const TSymbolPosition& LookAhead() const { return FSymbols[FAhead]; }
  int CurrentLine() const { return FCurrentLine; }
  int NoSymbol() const { return FTable.NoSymbol(); }
  TCommentList& Comments() { return FComments; }

  // The parser whose status handler hears of each new line.
  void SetParser(TGrammarParser* parser) { FParser = parser; }
  void SetStatusUpdate(TStatusUpdateProc handler) { FStatusUpdate = std::move(handler); }

 private:
  // Where a comment began: its first character, line and column.
  struct TCommentStart {
    int Position, Line, Column;
  };

  void Capture();
  TSymbolPosition& Ahead() { return FSymbols[FAhead]; }
  bool PastEnd() const { return FBufferPosition > FSourceLength; }
  // The symbol starting at the current character, one character long
  // until it is scanned further.
  void StartSymbol() {
    FAhead ^= 1u;
    Ahead() = TSymbolPosition{FCurrentLine, FBufferPosition - FLineStart, 1, FBufferPosition};
    FContextLength = 0;
    FSymbolStart = FBufferPosition;
  }
  // Reads the symbol at the current character when it ends after it, which
  // the character at next, a held one, tells; false when it goes on.
  bool ReadQuickSymbol(unsigned next, int& symbol) {
    const TScanTable::TQuickSymbol& quick = FTable.QuickSymbol(static_cast<unsigned char>(FCurrentChar));
    const TScanTable::TNextChar& following = FTable.NextChar(static_cast<unsigned char>(FText[next]));
    if ((following.Classes & quick.GoesOnBefore) != 0) return false;
    StartSymbol();
    FPreviousChar = FCurrentChar;
    FBufferPosition = static_cast<int>(next);
    FCurrentChar = following.Folded;
    if ((following.Classes & TScanTable::kLineEnd) != 0) [[unlikely]]
      NewLineUnlessPair();
    symbol = quick.Symbol;
    return true;
  }
  // Get where the symbol is not read in place: past blanks and comments,
  // and in full unless it ends after its first character.
  int GetScanned();
  int ScanFromCurrent();
  // CR, LF and CR LF each end one line.
  void NewLineUnlessPair();
  void NewLine();
  void PassOverBlanksAndComments();
  template <class InClass>
  void ReadWhile(InClass inClass);
  int ScanSymbol(const TScanState& state);
  // The symbol that began at start ends before the current character.
  int SymbolFrom(int start, int symbol);
  // The end of text, left current for the next Get.
  int EndOfTextFrom(int start);
  // An identifier or integer from start on, or the keyword it spells; first
  // is its first character, case folded.
  template <class InClass>
  int WordFrom(int start, char first, int symbol, InClass inClass);
  int KeywordOr(int symbol) const;
  int KeywordAmong(const std::vector<TScanTable::TKeyword>& candidates, int symbol) const;
  // Whether the characters of the word just read are in place: they are,
  // unless a status handler changed the buffer at the line end after it.
  bool WordHeld() const {
    const TSymbolPosition& ahead = LookAhead();
    return ahead.SourcePosition >= 0 && static_cast<unsigned>(ahead.SourcePosition + ahead.Length) <= FHeld;
  }
  // A character of that word, case folded.
  char FoldedCharOfWord(int position, bool held) const;
  bool SkipComment();
  bool SkipTo(char close, const TCommentStart& at);
  void StepBack(int line, int lineStart);
  void StoreComment(const TCommentStart& at);

  int FSymbolStart = 0;
  int FBufferPosition = -1;
  int FContextLength = 0;
  // The symbol accepted last and the lookahead take turns in these two
  // places: a new lookahead is written over the one before last, so no
  // symbol's place is copied (a copy read back wide what was just written
  // field by field, and waited for it every symbol).
  std::array<TSymbolPosition, 2> FSymbols{};
  unsigned FAhead = 0;
  char FCurrentChar = 0;
  int FCurrentLine = 1;
  char FPreviousChar = 0;
  int FPendingLineEnds = 0;
  TStatusUpdateProc FStatusUpdate;
  int FSourceLength = 0;
  TMemoryStream FSourceBuffer;
  // The buffer's bytes as Get reads them, and how many it holds within the source.
  const char* FText = nullptr;
  unsigned FHeld = 0;
  bool FStale = true;
  // Get reads a symbol in place only before this position: none while the
  // buffer is stale or line ends are pending, which GetScanned sees to.
  unsigned FQuickEnd = 0;
  int FLineStart = -2;
  const TScanTable& FTable;
  TGrammarParser* FParser = nullptr;
  TCommentList FComments;
};

// Sets of symbol numbers; every notation has fewer than 64 symbols.
constexpr size_t kMaxSymbols = 64;
using TSymbolSet = std::bitset<kMaxSymbols>;
TSymbolSet SymbolSet(std::initializer_list<int> symbols);
TSymbolSet SymbolRange(int first, int last);

// A note letter's symbol: the letter it stands for and whether it is sharp.
struct TNoteSymbol {
  int Symbol;
  char Letter;
  bool Sharp;
};

// A notation's note symbols indexed by symbol number, built once from its
// table (a constant): each note is then one look-up. The first entry of a
// symbol wins, as a search from the front finds it.
class TNoteTable {
 public:
  constexpr explicit TNoteTable(std::span<const TNoteSymbol> notes) {
    for (auto note = notes.rbegin(); note != notes.rend(); ++note) {
      if (note->Symbol < 0 || static_cast<size_t>(note->Symbol) >= kMaxSymbols)
        throw std::out_of_range("A note symbol is no symbol number");
      FBySymbol[static_cast<size_t>(note->Symbol)] = &*note;
    }
  }
  // The entry of the symbol, or null; any number may be asked for (an
  // AfterGet handler makes up numbers).
  const TNoteSymbol* Find(int symbol) const {
    return symbol >= 0 && static_cast<size_t>(symbol) < kMaxSymbols ? FBySymbol[static_cast<size_t>(symbol)] : nullptr;
  }

 private:
  std::array<const TNoteSymbol*, kMaxSymbols> FBySymbol{};
};

// The names that make a notation's error messages: Terminals[code] for the
// codes 0..no-symbol, then Productions for the codes after them.
struct TGrammarNames {
  std::vector<std::string> Terminals;
  std::vector<std::string> Productions;
};

class TGrammarParser : public TComponent {
 public:
  TGrammarParser(TComponent* owner, std::unique_ptr<TGrammarScanner> scanner, const TGrammarNames& names);
  ~TGrammarParser() override;

  // The buffer the text is copied into before Execute.
  TMemoryStream& GetSourceStream() { return FScanner->SourceBuffer(); }
  // Copies the whole stream, from its beginning, into the source buffer;
  // the bytes of a THandOverStream are taken instead, leaving it empty.
  void LoadSource(TStream& stream);
  void Execute();

  void ClearErrors() { FErrorList.Clear(); }
  bool Succeeded() const { return FErrorList.Empty(); }
  const TOwnedList<TGrammarError>& ErrorList() const { return FErrorList; }
  void AddError(int code, const TSymbolPosition* position, int errorType, const std::string& data);
  virtual std::string ErrorMessage(int code, const std::string& data);
  TMemoryStream& Listing() { return FListing; }
  void GenerateListing();

  std::string GetBookmark() const;
  void GotoBookmark(const std::string& bookmark);

  // The tune the parse fills; Execute raises while there is none.
  TRingFile* Ring() const { return FRing; }
  void SetRing(TRingFile* ring) { FRing = ring; }

  // Published properties.
  virtual std::string Version() const = 0;
  bool ClearSourceStream() const { return FClearSourceStream; }
  void SetClearSourceStream(bool value) { FClearSourceStream = value; }
  TGenListType GenListWhen() const { return FGenListWhen; }
  void SetGenListWhen(TGenListType value) { FGenListWhen = value; }
  const std::string& SourceFileName() const { return FSourceFileName; }
  void SetSourceFileName(const std::string& value) { FSourceFileName = value; }
  void SetAfterGet(TAfterGrammarGetEvent handler) { FAfterGet = std::move(handler); }
  void SetAfterParse(TGrammarNotifyEvent handler) { FAfterParse = std::move(handler); }
  void SetAfterGenList(TAfterGenListEvent handler) { FAfterGenList = std::move(handler); }
  void SetBeforeGenList(TGrammarNotifyEvent handler) { FBeforeGenList = std::move(handler); }
  void SetBeforeParse(TGrammarNotifyEvent handler) { FBeforeParse = std::move(handler); }
  void SetOnCustomError(TCustomErrorEvent handler) { FOnCustomError = std::move(handler); }
  void SetOnError(TErrorEvent handler) { FOnError = std::move(handler); }
  void SetOnFailure(TFailureEvent handler) { FOnFailure = std::move(handler); }
  void SetOnStatusUpdate(TStatusUpdateProc handler);
  void SetOnSuccess(TGrammarNotifyEvent handler) { FOnSuccess = std::move(handler); }
  // Hears the comments the scanner met, before each symbol and at the end.
  void SetOnComment(TCommentEvent handler) { FOnComment = std::move(handler); }

 protected:
  // The notation's start production.
  virtual void ParseTune() = 0;

  void Parse();
  void Get() {
    HandOverComments();
    FLookAheadSymbol = FScanner->Get();
    ++FSymbolsRead;
    if (FAfterGet) [[unlikely]]
      CallAfterGet();
  }
  void Expect(int symbol) {
    if (FLookAheadSymbol == symbol)
      Get();
    else
      SyntaxError(symbol);
  }
  // Reads a symbol of the set, or reports errorCode and reads nothing;
  // true when it read one.
  bool Expect(const TSymbolSet& symbols, int errorCode) {
    if (!SymbolInSet(symbols, FLookAheadSymbol)) {
      SyntaxError(errorCode);
      return false;
    }
    Get();
    return true;
  }
  void SyntaxError(int code);
  int LookAhead() const { return FLookAheadSymbol; }
  std::string LastSymbolText() const {
    std::string text;
    LastSymbolTextInto(text);
    return text;
  }
  // LastSymbolText into a string that is reused. Most symbols are one
  // character long: that one is read in place.
  void LastSymbolTextInto(std::string& text) const {
    const TSymbolPosition& last = FScanner->LastSymbol();
    if (FScanner->GetSymbolLength(last) == 1)
      text.assign(1, LastSymbolChar());
    else
      text = FScanner->GetSymbolRawText(last);
  }
  // LastSymbolText appended to text, without making it first.
  void AppendLastSymbolText(std::string& text) const { FScanner->AppendSymbolRawText(FScanner->LastSymbol(), text); }
  // The character of a one-character symbol accepted last, as LastSymbolText
  // gives it.
  char LastSymbolChar() const { return FScanner->CharAt(std::max(FScanner->LastSymbol().SourcePosition, 0)); }
  // The length of LastSymbolText, without making it.
  size_t LastSymbolLength() const { return FScanner->GetSymbolLength(FScanner->LastSymbol()); }
  // The symbol accepted last as a number, as StrToInt (raising its error)
  // or StrToIntDef would read its text.
  int32_t LastSymbolNumber() const {
    int32_t value = 0;
    return ShortLastNumber(value) ? value : LastSymbolTextNumber();
  }
  int32_t LastSymbolNumberOr(int32_t fallback) const {
    int32_t value = 0;
    return ShortLastNumber(value) ? value : LastSymbolTextNumberOr(fallback);
  }
  // Where the lookahead stands in the source.
  const TSymbolPosition& LookAheadPlace() const { return FScanner->LookAhead(); }
  // Symbols read in place (TGrammarScanner::InPlaceText): only while no
  // handler hears of each symbol or line and no comment waits to be handed
  // over.
  const char* InPlaceText(int position, unsigned count) const {
    return FAfterGet || FOnStatusUpdate || !FScanner->Comments().Empty() ? nullptr
                                                                          : FScanner->InPlaceText(position, count);
  }
  TSymbolPosition InPlaceSymbol(int position, int length) const { return FScanner->InPlaceSymbol(position, length); }
  // The symbols before position and the one there, symbols of them, read
  // as Get reads each; last is the one before position.
  void AcceptInPlace(uint64_t symbols, const TSymbolPosition& last, int position) {
    FLookAheadSymbol = FScanner->TakeInPlace(last, position);
    FSymbolsRead += symbols;
  }
  std::string LookAheadText() const;
  std::string LookAheadRawText() const;
  // Whether LookAheadRawText is the one character, without making it.
  bool LookAheadTextIs(char c) const {
    const TSymbolPosition& ahead = FScanner->LookAhead();
    return FScanner->GetSymbolLength(ahead) == 1 && FScanner->CharAt(std::max(ahead.SourcePosition, 0)) == c;
  }
  char CharBeforeLookAhead() const;
  // Read on up to the symbol, which stays the lookahead; a text without it
  // stops at its end. TextUpTo joins what it read in the source's case,
  // with one blank wherever blanks stood before a symbol.
  void SkipTo(int symbol);
  std::string TextUpTo(int symbol);
  static bool SymbolInSet(const TSymbolSet& set, int symbol) {
    return symbol >= 0 && static_cast<size_t>(symbol) < set.size() && set.test(static_cast<size_t>(symbol));
  }
  // Reads the lookahead when notes has an entry for it and gives that entry;
  // otherwise reports errorCode, reads nothing and gives null.
  const TNoteSymbol* ReadNote(const TNoteTable& notes, int errorCode) {
    const TNoteSymbol* note = notes.Find(FLookAheadSymbol);
    if (!note) {
      SyntaxError(errorCode);
      return nullptr;
    }
    Get();
    return note;
  }
  // A note preset from the tune's default duration and octave and its volume.
  TRingTone NewTone() const;
  // The same preset given to a tone that is reused, its letter's storage kept.
  void NewTone(TRingTone& tone) const {
    tone.Kind = rkNote;
    tone.Duration = FRing->DefaultDuration;
    tone.Note.clear();
    tone.Octave = FRing->DefaultOctave;
    tone.Dot = rdNone;
    tone.Volume = FRing->Volume;
    tone.Accidental = raNatural;
    tone.ControlKind = 0;
    tone.Value = 0;
  }
  std::unique_ptr<TRingTrack> NewTrack() const;
  void DoBeforeParse();
  void DoAfterParse();

  // The tune the productions fill (not owned).
  TRingFile* FRing = nullptr;

 private:
  void HandOverComments() {
    if (!FScanner->Comments().Empty()) [[unlikely]]
      PassOnComments();
  }
  void CallAfterGet();
  // LastSymbolNumber and LastSymbolNumberOr of a symbol that is no short number.
  int32_t LastSymbolTextNumber() const;
  int32_t LastSymbolTextNumberOr(int32_t fallback) const;
  void PassOnComments();
  // Up to nine digits, the numbers tunes are made of, are read in place
  // without building the symbol's text; anything else is read from its text.
  bool ShortLastNumber(int32_t& value) const {
    const TSymbolPosition& symbol = FScanner->LastSymbol();
    if (symbol.Length == 1) {
      // Most numbers are one digit: read as LastSymbolText gives it.
      const char digit = LastSymbolChar();
      if (digit < '0' || digit > '9') return false;
      value = digit - '0';
      return true;
    }
    if (symbol.Length < 1 || symbol.Length > 9) return false;
    const char* digits = FScanner->HeldBytes(symbol);
    if (!digits) return false;
    int32_t number = 0;
    for (int i = 0; i < symbol.Length; ++i) {
      const char c = digits[i];
      if (c < '0' || c > '9') return false;
      number = number * 10 + (c - '0');
    }
    value = number;
    return true;
  }

  TGrammarNotifyEvent FAfterParse;
  TAfterGrammarGetEvent FAfterGet;
  TAfterGenListEvent FAfterGenList;
  TGrammarNotifyEvent FBeforeGenList;
  TGrammarNotifyEvent FBeforeParse;
  bool FClearSourceStream = true;
  // The symbols read, and their number at the last mismatch: only whether
  // two or more were read since then counts.
  uint64_t FSymbolsRead = 0;
  uint64_t FSymbolsAtMismatch = 0;
  TOwnedList<TGrammarError> FErrorList;
  TGenListType FGenListWhen = TGenListType::glOnError;
  TMemoryStream FListing;
  TCustomErrorEvent FOnCustomError;
  TErrorEvent FOnError;
  TFailureEvent FOnFailure;
  TStatusUpdateProc FOnStatusUpdate;
  TGrammarNotifyEvent FOnSuccess;
  std::unique_ptr<TGrammarScanner> FScanner;
  std::string FSourceFileName;
  int FLookAheadSymbol = 0;
  TCommentEvent FOnComment;
  const TGrammarNames& FNames;
};

// How a tune class reads its text: one parse of the whole stream into the
// tune. The collected errors are left unread, and no listing is built:
// nothing reads it, and its marker lines grow with errors times line length.
template <class TParse, class TRing>
void ParseRing(TRing& ring, TStream& stream) {
  TParse parser(nullptr);
  parser.SetRing(&ring);
  parser.SetGenListWhen(TGenListType::glNever);
  parser.LoadSource(stream);
  parser.Execute();
}
