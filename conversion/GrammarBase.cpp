#include "conversion/GrammarBase.h"

#include <algorithm>
#include <climits>

#include "conversion/uRingFile.h"

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

// The messages are kept in code page 936, as the listing has always shown
// them: "expected" and "invalid " (with its blank).
const std::string kExpected = "\xC6\xDA\xCD\xFB";
const std::string kInvalid = "\xCE\xDE\xD0\xA7\xB5\xC4 ";

constexpr unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

// Each byte as the scanner reads it: byte 26 ends the text as 0 does, and
// the symbols are read with a..z upper-cased. One look-up per character.
constexpr std::array<char, 256> kFoldedChar = [] {
  std::array<char, 256> table{};
  for (int c = 0; c < 256; ++c) {
    const bool lower = c >= 'a' && c <= 'z';
    table[static_cast<size_t>(c)] = static_cast<char>(c == 26 ? 0 : lower ? c - 'a' + 'A' : c);
  }
  return table;
}();

constexpr bool IsSkipped(char c) { return c == ' ' || (Byte(c) >= 14 && Byte(c) <= 31); }
constexpr bool MayStartComment(char c) { return c == '/' || c == '(' || c == '{'; }

// Most symbols follow the one before directly: one look-up tells.
constexpr std::array<bool, 256> kSkippedOrComment = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c < 256; ++c)
    table[static_cast<size_t>(c)] = IsSkipped(static_cast<char>(c)) || MayStartComment(static_cast<char>(c));
  return table;
}();
bool IsSkippedOrComment(char c) { return kSkippedOrComment[Byte(c)]; }
bool IsIdentifierChar(char c) { return (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string RightAligned(int value) {
  std::string text = IntToStr(value);
  if (text.size() < 5) text.insert(0, 5 - text.size(), ' ');
  return text;
}

}  // namespace

// ---------------------------------------------------------------- comments

void TCommentList::Add(const std::string& text, int line, int column) {
  size_t end = text.size();
  while (end > 0 && Byte(text[end - 1]) < 32) --end;
  FItems.Add(std::make_unique<TCommentItem>(TCommentItem{text.substr(0, end), line, column}));
}

// ------------------------------------------------------------ scan tables

TScanTable::TScanTable(int noSymbol) : FNoSymbol(noSymbol) {
  FOneLetterKeywords.fill(kNoKeyword);
  for (int c = 0; c < 256; ++c) {
    const char folded = kFoldedChar[static_cast<size_t>(c)];
    FNextChars[static_cast<size_t>(c)] = {
        folded, static_cast<uint8_t>(kAnyChar | (IsIdentifierChar(folded) ? kWordChar : 0) |
                                     (IsDigit(folded) ? kDigitChar : 0) |
                                     (folded == CR || folded == LF ? kLineEnd : 0))};
  }
  for (int c = 0; c < 256; ++c) SetStartState(static_cast<unsigned char>(c), TScanState());
  SetStartState(0, TScanState{TScanKind::EndOfText, 0, 0, TScanKind::NoSymbol});
}

void TScanTable::SetStartState(unsigned char c, const TScanState& state) {
  FStartStates[c] = state;
  // A pair's second character lengthens the symbol of any first character:
  // the rare symbol so held up is scanned in full.
  if (state.Kind == TScanKind::Pair)
    for (int next = 0; next < 256; ++next) {
      const char folded = kFoldedChar[static_cast<size_t>(next)];
      if (folded != 0 && (folded == state.Second || folded == state.AlsoSecond))
        FNextChars[static_cast<size_t>(next)].Classes |= kPairSecond;
    }
  UpdateQuickSymbol(c);
}

void TScanTable::UpdateQuickSymbol(unsigned char first) {
  const TScanState& state = FStartStates[first];
  const int word = FOneLetterKeywords[first];
  const auto wordOr = [word](int symbol) { return word == kNoKeyword ? symbol : word; };
  TQuickSymbol& quick = FQuickSymbols[first];
  if (IsSkippedOrComment(static_cast<char>(first))) {
    quick = {FNoSymbol, kAnyChar};
    return;
  }
  switch (state.Kind) {
    case TScanKind::EndOfText: quick = {symEndOfText, kAnyChar}; break;
    case TScanKind::NoSymbol: quick = {FNoSymbol, 0}; break;
    case TScanKind::Single: quick = {state.Symbol, 0}; break;
    case TScanKind::Identifier: quick = {wordOr(symIdentifier), kWordChar}; break;
    case TScanKind::Integer: quick = {wordOr(symInteger), kDigitChar}; break;
    case TScanKind::Pair:
      quick = state.Otherwise == TScanKind::Identifier ? TQuickSymbol{wordOr(symIdentifier), kWordChar | kPairSecond}
                                                       : TQuickSymbol{FNoSymbol, kPairSecond};
      break;
  }
}

void TScanTable::SetStartStates(const std::string& chars, const TScanState& state) {
  for (const char c : chars) SetStartState(Byte(c), state);
}

void TScanTable::SetStartStates(char first, char last, const TScanState& state) {
  for (int c = Byte(first); c <= Byte(last); ++c) SetStartState(static_cast<unsigned char>(c), state);
}

void TScanTable::SetWordStartStates() {
  SetStartStates('0', '9', TScanState::Integer());
  SetStartStates('A', 'Z', TScanState::Identifier());
  SetStartState('_', TScanState::Identifier());
}

void TScanTable::SetSharpStartStates(std::initializer_list<std::pair<char, int>> sharps, char alsoSharp) {
  for (const auto& [letter, symbol] : sharps)
    SetStartState(Byte(letter), TScanState::Pair('#', symbol, TScanKind::Identifier, alsoSharp));
}

// Words of one character (nearly every note letter is one) are found by
// their character alone; the first of equal words wins, as in the lists.
void TScanTable::AddKeyword(const std::string& text, int symbol) {
  const std::string upper = UpperCase(text);
  const unsigned char first = Byte(upper.at(0));
  if (upper.size() > 1)
    FKeywords[first].push_back(TKeyword{upper, symbol});
  else if (FOneLetterKeywords[first] == kNoKeyword) {
    FOneLetterKeywords[first] = symbol;
    UpdateQuickSymbol(first);
  }
}

// ----------------------------------------------------------------- scanner

TGrammarScanner::TGrammarScanner(const TScanTable& table) : FTable(table) {}

char TGrammarScanner::UpCaseCharAt(int position) const { return kFoldedChar[Byte(CharAt(position))]; }

void TGrammarScanner::Reset() {
  if (FSourceBuffer.Size() >= INT_MAX) throw EStreamError("Text too large to parse");
  FCurrentChar = 0;
  FSourceBuffer.Seek(0, TSeekOrigin::soEnd);
  FSourceBuffer.WriteBuffer(&FCurrentChar, 1);
  FSourceBuffer.SetPosition(0);
  FPreviousChar = 0;
  FSourceLength = static_cast<int>(FSourceBuffer.Size());
  FCurrentLine = 1;
  FLineStart = -2;
  FBufferPosition = -1;
  FSymbols = {};
  FPendingLineEnds = 0;
  FContextLength = 0;
  FQuickEnd = 0;
  Capture();
  NextChar();
}

// The source's bytes are read in place; a change of the buffer (anything
// that reached it through SourceBuffer) is taken up before the next symbol.
void TGrammarScanner::Capture() {
  const std::string& data = FSourceBuffer.DataString();
  FText = data.data();
  FHeld = static_cast<unsigned>(std::min<size_t>(data.size(), static_cast<size_t>(std::max(FSourceLength, 0))));
  FStale = false;
}

void TGrammarScanner::NextChar() {
  FPreviousChar = FCurrentChar;
  const auto at = static_cast<unsigned>(++FBufferPosition);  // a negative position lies outside too
  const char c = at < FHeld ? kFoldedChar[Byte(FText[at])] : 0;
  FCurrentChar = c;
  if (Byte(c) <= Byte(CR)) NewLineUnlessPair();
}

void TGrammarScanner::NewLineUnlessPair() {
  if (FCurrentChar == CR || (FCurrentChar == LF && FPreviousChar != CR)) NewLine();
}

void TGrammarScanner::NewLine() {
  ++FCurrentLine;
  if (FStatusUpdate && FParser) {
    FStatusUpdate(*FParser, TGrammarStatusType::gsNewLine, "", FCurrentLine);
    if (FStale) Capture();
  }
  FLineStart = FBufferPosition;
}

// None of the characters of a class ends a line, so those after the
// current one are passed over in place; the character after them is then
// read as NextChar reads every character.
template <class InClass>
void TGrammarScanner::ReadWhile(InClass inClass) {
  if (!inClass(FCurrentChar)) return;
  auto at = static_cast<unsigned>(FBufferPosition + 1);
  char last = FCurrentChar;
  for (char c; at < FHeld && inClass(c = kFoldedChar[Byte(FText[at])]); ++at) last = c;
  FBufferPosition = static_cast<int>(at) - 1;
  FCurrentChar = last;
  NextChar();
}

void TGrammarScanner::PassOverBlanksAndComments() {
  for (;;) {
    // A line end swallowed by a comment comes back as a CR in front of the
    // current character.
    if (FPendingLineEnds > 0) {
      --FBufferPosition;
      --FPendingLineEnds;
      FCurrentChar = CR;
    }
    if (!IsSkippedOrComment(FCurrentChar)) return;
    ReadWhile(IsSkipped);
    if (!MayStartComment(FCurrentChar) || !SkipComment()) return;
  }
}

int TGrammarScanner::GetScanned() {
  // Many texts set their symbols apart by one blank: past it the symbol is
  // mostly read in place, as Get reads it.
  if (FCurrentChar == ' ' && static_cast<unsigned>(FBufferPosition + 2) < FQuickEnd) {
    NextChar();
    const auto next = static_cast<unsigned>(FBufferPosition + 1);
    if (int symbol; next < FQuickEnd && ReadQuickSymbol(next, symbol)) return symbol;
  }
  const int symbol = ScanFromCurrent();
  FQuickEnd = FStale || FPendingLineEnds > 0 ? 0 : FHeld;
  return symbol;
}

int TGrammarScanner::ScanFromCurrent() {
  if (FStale) Capture();
  // Mostly a single blank stands before the symbol.
  if (FPendingLineEnds == 0 && IsSkipped(FCurrentChar) && static_cast<unsigned>(FBufferPosition + 1) < FHeld &&
      !IsSkippedOrComment(kFoldedChar[Byte(FText[FBufferPosition + 1])]))
    NextChar();
  else if (FPendingLineEnds > 0 || IsSkippedOrComment(FCurrentChar))
    PassOverBlanksAndComments();
  int symbol;
  const auto next = static_cast<unsigned>(FBufferPosition + 1);
  if (next < FHeld && ReadQuickSymbol(next, symbol)) return symbol;
  StartSymbol();
  return ScanSymbol(FTable.StartStates()[Byte(FCurrentChar)]);
}

// Reads the symbol's characters after its first. The symbol's length is
// the number of characters read, the one that ends it included; past the
// end of the buffer the symbol is the end of text.
int TGrammarScanner::ScanSymbol(const TScanState& state) {
  const int start = FBufferPosition;
  const char first = FCurrentChar;
  NextChar();
  if (PastEnd()) [[unlikely]]
    return EndOfTextFrom(start);
  switch (state.Kind) {
    case TScanKind::Single: return SymbolFrom(start, state.Symbol);
    case TScanKind::Identifier: return WordFrom(start, first, symIdentifier, IsIdentifierChar);
    case TScanKind::Integer: return WordFrom(start, first, symInteger, IsDigit);
    case TScanKind::Pair:
      if (FCurrentChar == state.Second || (state.AlsoSecond != 0 && FCurrentChar == state.AlsoSecond)) {
        NextChar();
        return PastEnd() ? EndOfTextFrom(start) : SymbolFrom(start, state.Symbol);
      }
      // Without its second character the symbol goes on from the one just read.
      if (state.Otherwise == TScanKind::Identifier) return WordFrom(start, first, symIdentifier, IsIdentifierChar);
      break;
    case TScanKind::EndOfText:
      // The end of text stays where it is, read again by every Get.
      return EndOfTextFrom(start);
    case TScanKind::NoSymbol: break;
  }
  return SymbolFrom(start, FTable.NoSymbol());
}

inline char TGrammarScanner::FoldedCharOfWord(int position, bool held) const {
  return held ? kFoldedChar[Byte(FText[position])] : UpCaseCharAt(position);
}

// The word is two or more characters long (WordFrom reads a shorter one by
// its character alone). The first character picks the candidates; a keyword
// matches when it has the word's length and the same characters, case
// folded. Most such words of a tune (numbers, mostly) start as no keyword does.
inline int TGrammarScanner::KeywordOr(int symbol) const {
  const unsigned char first = Byte(FoldedCharOfWord(LookAhead().SourcePosition, WordHeld()));
  const std::vector<TScanTable::TKeyword>& candidates = FTable.KeywordsStartingWith(first);
  return candidates.empty() ? symbol : KeywordAmong(candidates, symbol);
}

int TGrammarScanner::KeywordAmong(const std::vector<TScanTable::TKeyword>& candidates, int symbol) const {
  const int start = LookAhead().SourcePosition;
  const int length = LookAhead().Length;
  const bool held = WordHeld();
  for (const TScanTable::TKeyword& keyword : candidates) {
    if (static_cast<int>(keyword.Text.size()) != length) continue;
    int i = 1;
    while (i < length && FoldedCharOfWord(start + i, held) == keyword.Text[static_cast<size_t>(i)]) ++i;
    if (i == length) return keyword.Symbol;
  }
  return symbol;
}

// Nearly every note letter and nearly every number of a tune is one
// character long: its keyword is found by that character alone.
template <class InClass>
int TGrammarScanner::WordFrom(int start, char first, int symbol, InClass inClass) {
  if (!inClass(FCurrentChar)) {
    const int keyword = FTable.OneLetterKeyword(Byte(first));
    return SymbolFrom(start, keyword == TScanTable::kNoKeyword ? symbol : keyword);
  }
  ReadWhile(inClass);
  return PastEnd() ? EndOfTextFrom(start) : KeywordOr(SymbolFrom(start, symbol));
}

int TGrammarScanner::SymbolFrom(int start, int symbol) {
  Ahead().Length = FBufferPosition - start;
  return symbol;
}

int TGrammarScanner::EndOfTextFrom(int start) {
  Ahead().Length = FBufferPosition - start;
  FCurrentChar = 0;
  --FBufferPosition;
  return symEndOfText;
}

// "//" to a CR, "(*" to "*)", "{" to "}", none nested. True when a comment
// was skipped; false when none starts here or it ran into the end of text.
bool TGrammarScanner::SkipComment() {
  const TCommentStart at{FBufferPosition, FCurrentLine, FBufferPosition - FLineStart - 1};
  const int lineStart = FLineStart;
  if (FCurrentChar == '/') {
    NextChar();
    if (FCurrentChar == '/') return SkipTo(CR, at);
    StepBack(at.Line, lineStart);
  } else if (FCurrentChar == '(') {
    NextChar();
    if (FCurrentChar == '*') {
      NextChar();
      bool closed = false;
      while (!closed && FCurrentChar != 0) {
        const bool star = FCurrentChar == '*';
        NextChar();
        closed = star && FCurrentChar == ')';
      }
      if (closed) NextChar();
      StoreComment(at);
      return closed;
    }
    StepBack(at.Line, lineStart);
  }
  return FCurrentChar == '{' && SkipTo('}', at);
}

// Reads on to the closing character. Past it the comment's line ends are
// pending and the character after it is current; a comment that runs into
// the end of text is stored but not skipped.
bool TGrammarScanner::SkipTo(char close, const TCommentStart& at) {
  do NextChar();
  while (FCurrentChar != close && FCurrentChar != 0);
  const bool closed = FCurrentChar != 0;
  if (closed) {
    FPendingLineEnds = FCurrentLine - at.Line;
    NextChar();
  }
  StoreComment(at);
  return closed;
}

void TGrammarScanner::StepBack(int line, int lineStart) {
  --FBufferPosition;
  FCurrentChar = FPreviousChar;
  FCurrentLine = line;
  FLineStart = lineStart;
}

void TGrammarScanner::StoreComment(const TCommentStart& at) {
  std::string text;
  text.reserve(static_cast<size_t>(std::max(FBufferPosition - at.Position, 0)));
  for (int i = at.Position; i < FBufferPosition; ++i) text += CharAt(i);
  FComments.Add(text, at.Line, at.Column);
}

std::string TGrammarScanner::GetSymbolText(const TSymbolPosition& position) const {
  return UpperCase(GetSymbolRawText(position));
}

// The bytes as CharAt gives them, in one pass over the buffer.
std::string TGrammarScanner::GetSymbolRawText(const TSymbolPosition& position) const {
  std::string text;
  AppendSymbolRawText(position, text);
  return text;
}

void TGrammarScanner::AppendSymbolRawText(const TSymbolPosition& position, std::string& text) const {
  const std::string& data = FSourceBuffer.DataString();
  const int64_t begin = std::max(position.SourcePosition, 0);
  const int64_t end = begin + static_cast<int64_t>(GetSymbolLength(position));
  if (end <= begin) return;
  const size_t at = text.size();
  text.resize(at + static_cast<size_t>(end - begin), '\0');
  const int64_t held = std::min<int64_t>(end, static_cast<int64_t>(data.size()));
  for (int64_t i = begin; i < held; ++i) {
    const char c = data[static_cast<size_t>(i)];
    text[at + static_cast<size_t>(i - begin)] = c == 26 ? '\0' : c;
  }
}

std::string TGrammarScanner::GetBookmark() const {
  const TSymbolPosition& last = LastSymbol();
  const TSymbolPosition& ahead = LookAhead();
  std::string text;
  for (const int value : {FSymbolStart, FBufferPosition, FContextLength, FCurrentLine, FPendingLineEnds, FLineStart,
                          last.Line, last.Column, last.Length, last.SourcePosition, ahead.Line, ahead.Column,
                          ahead.Length, ahead.SourcePosition})
    text += IntToStr(value) + ' ';
  text += FCurrentChar;
  text += FPreviousChar;
  return text;
}

void TGrammarScanner::GotoBookmark(const std::string& bookmark) {
  std::array<int32_t, 14> values{};
  size_t at = 0;
  for (int32_t& value : values) {
    const size_t blank = bookmark.find(' ', at);
    const size_t end = blank == std::string::npos ? bookmark.size() : blank;
    if (!TryStrToInt(bookmark.substr(at, end - at), value))
      throw EGrammarBookmark("The bookmark holds an invalid integer");
    at = blank == std::string::npos ? bookmark.size() : blank + 1;
  }
  if (values[1] < -1 || values[1] > FSourceLength) throw EGrammarBookmark("The bookmark holds an invalid integer");
  if (bookmark.size() - at < 2) throw EGrammarBookmark("The bookmark holds an invalid character");
  FSymbolStart = values[0];
  FBufferPosition = values[1];
  FContextLength = values[2];
  FCurrentLine = values[3];
  FPendingLineEnds = values[4];
  FQuickEnd = 0;
  FLineStart = values[5];
  FSymbols[FAhead ^ 1u] = TSymbolPosition{values[6], values[7], values[8], values[9]};
  Ahead() = TSymbolPosition{values[10], values[11], values[12], values[13]};
  FCurrentChar = bookmark[at];
  FPreviousChar = bookmark[at + 1];
}

// ------------------------------------------------------------- symbol sets

TSymbolSet SymbolSet(std::initializer_list<int> symbols) {
  TSymbolSet set;
  for (const int symbol : symbols) set.set(static_cast<size_t>(symbol));
  return set;
}

TSymbolSet SymbolRange(int first, int last) {
  TSymbolSet set;
  for (int symbol = first; symbol <= last; ++symbol) set.set(static_cast<size_t>(symbol));
  return set;
}

// ------------------------------------------------------------------ parser

TGrammarParser::TGrammarParser(TComponent* owner, std::unique_ptr<TGrammarScanner> scanner,
                               const TGrammarNames& names)
    : TComponent(owner), FScanner(std::move(scanner)), FNames(names) {
  FScanner->SetParser(this);
}

TGrammarParser::~TGrammarParser() = default;

void TGrammarParser::LoadSource(TStream& stream) {
  // With room for the 0 byte that Reset appends, so that a long text is not
  // copied once more to make room for it.
  TMemoryStream& source = GetSourceStream();
  if (auto* handed = dynamic_cast<THandOverStream*>(&stream)) {
    std::string text = handed->TakeDataString();
    if (text.capacity() == text.size()) {
      // A string that grows doubles; a new one is made just large enough.
      std::string roomy;
      roomy.reserve(text.size() + 1);
      roomy.append(text);
      text.swap(roomy);
    }
    source.SetDataString(std::move(text));
    return;
  }
  const int64_t size = stream.Size();
  source.SetSize(size + 1);
  source.SetSize(size);
  source.SetPosition(0);
  if (size > 0) source.CopyFrom(stream, 0);
  source.SetPosition(0);
}

void TGrammarParser::SetOnStatusUpdate(TStatusUpdateProc handler) {
  FOnStatusUpdate = std::move(handler);
  FScanner->SetStatusUpdate(FOnStatusUpdate);
}

void TGrammarParser::Execute() {
  ClearErrors();
  FListing.Clear();
  if (!Trim(FSourceFileName).empty()) {
    GetSourceStream().Clear();
    GetSourceStream().LoadFromFile(FSourceFileName);
  }
  DoBeforeParse();
  Parse();
  DoAfterParse();
  if (FGenListWhen == TGenListType::glAlways || (FGenListWhen == TGenListType::glOnError && !Succeeded()))
    GenerateListing();
  if (FClearSourceStream) GetSourceStream().Clear();
  FListing.SetPosition(0);
  if (Succeeded()) {
    if (FOnSuccess) FOnSuccess(*this);
  } else if (FOnFailure) {
    FOnFailure(*this, FErrorList.Count());
  }
}

void TGrammarParser::Parse() {
  if (!FRing) throw Exception("The parser has no tune to fill");
  FSymbolsAtMismatch = FSymbolsRead - 2;
  FScanner->Reset();
  Get();
  ParseTune();
  HandOverComments();
}

void TGrammarParser::CallAfterGet() { FAfterGet(*this, FLookAheadSymbol); }

int32_t TGrammarParser::LastSymbolTextNumber() const { return StrToInt(LastSymbolText()); }

int32_t TGrammarParser::LastSymbolTextNumberOr(int32_t fallback) const {
  return StrToIntDef(LastSymbolText(), fallback);
}

// Only the first of mismatches that follow each other closely is recorded:
// one needs at least two symbols read since the one before, collected or not.
void TGrammarParser::SyntaxError(int code) {
  if (FSymbolsRead - FSymbolsAtMismatch >= 2) AddError(code, &FScanner->LookAhead(), 0, "");
  FSymbolsAtMismatch = FSymbolsRead;
}

void TGrammarParser::AddError(int code, const TSymbolPosition* position, int errorType, const std::string& data) {
  auto error = std::make_unique<TGrammarError>();
  error->ErrorCode = code;
  error->Column = position ? position->Column : 0;
  error->Line = position ? position->Line : 0;
  error->Data = data;
  error->ErrorType = errorType;
  const TGrammarError& added = *FErrorList.Add(std::move(error));
  if (FOnError) FOnError(*this, added);
}

std::string TGrammarParser::ErrorMessage(int code, const std::string& data) {
  const int terminals = static_cast<int>(FNames.Terminals.size());
  const int productions = static_cast<int>(FNames.Productions.size());
  if (code >= 0 && code < terminals) return kExpected + FNames.Terminals[static_cast<size_t>(code)];
  if (code >= terminals && code - terminals < productions)
    return kInvalid + FNames.Productions[static_cast<size_t>(code - terminals)];
  if (FOnCustomError) return FOnCustomError(*this, code, data);
  std::string text = "Error: " + IntToStr(code);
  if (!Trim(data).empty()) text += " (" + data + ")";
  return text;
}

void TGrammarParser::PassOnComments() {
  TCommentList& comments = FScanner->Comments();
  if (FOnComment) FOnComment(*this, comments);
  comments.Clear();
}

std::string TGrammarParser::LookAheadText() const { return FScanner->GetSymbolText(FScanner->LookAhead()); }
std::string TGrammarParser::LookAheadRawText() const { return FScanner->GetSymbolRawText(FScanner->LookAhead()); }

char TGrammarParser::CharBeforeLookAhead() const { return FScanner->CharAt(FScanner->LookAhead().SourcePosition - 1); }

void TGrammarParser::SkipTo(int symbol) {
  while (FLookAheadSymbol != symbol && FLookAheadSymbol != symEndOfText) Get();
}

std::string TGrammarParser::TextUpTo(int symbol) {
  std::string text;
  while (FLookAheadSymbol != symbol && FLookAheadSymbol != symEndOfText) {
    Get();
    AppendLastSymbolText(text);
    if (CharBeforeLookAhead() == ' ') text += ' ';
  }
  return text;
}

TRingTone TGrammarParser::NewTone() const {
  TRingTone tone;
  NewTone(tone);
  return tone;
}


std::unique_ptr<TRingTrack> TGrammarParser::NewTrack() const { return std::make_unique<TRingTrack>(); }

void TGrammarParser::DoBeforeParse() {
  if (FBeforeParse) FBeforeParse(*this);
  if (FOnStatusUpdate) FOnStatusUpdate(*this, TGrammarStatusType::gsParseBegin, "", -1);
}

void TGrammarParser::DoAfterParse() {
  if (FOnStatusUpdate) FOnStatusUpdate(*this, TGrammarStatusType::gsParseEnd, "", -1);
  if (FAfterParse) FAfterParse(*this);
}

// The source line by line, each followed by markers under its errors, then
// the number of errors listed.
void TGrammarParser::GenerateListing() {
  if (FBeforeGenList) FBeforeGenList(*this);
  std::vector<const TGrammarError*> errors;
  for (const auto& error : FErrorList) errors.push_back(error.get());
  std::stable_sort(errors.begin(), errors.end(),
                   [](const TGrammarError* a, const TGrammarError* b) { return a->Line < b->Line; });
  auto next = errors.begin();
  int listed = 0;
  const auto listErrors = [&](int line, const std::string& text, int offset) {
    while (next != errors.end() && (*next)->Line < line) ++next;
    for (; next != errors.end() && (*next)->Line == line; ++next) {
      std::string marker = "*****  ";
      for (int i = 0; i < (*next)->Column - offset; ++i)
        marker += static_cast<size_t>(i) < text.size() && text[static_cast<size_t>(i)] == '\t' ? '\t' : ' ';
      FListing.WriteString(marker + "^ " + ErrorMessage((*next)->ErrorCode, (*next)->Data) + "\r\n");
      ++listed;
    }
  };

  int position = 0;
  int line = 0;
  int offset = 2;  // the column of a line's first character
  for (;;) {
    std::string text;
    char c;
    while ((c = FScanner->CharAt(position)) != CR && c != LF && c != 0) {
      text += c;
      ++position;
    }
    if (text.empty() && c == 0) break;
    ++line;
    FListing.WriteString(RightAligned(line) + "  " + text + "\r\n");
    listErrors(line, text, offset);
    const bool pair = c == CR && FScanner->CharAt(position + 1) == LF;
    position += pair ? 2 : 1;
    offset = pair ? 2 : 1;
  }
  listErrors(line + 1, "", offset);

  bool printErrorCount = true;
  if (FAfterGenList) FAfterGenList(*this, printErrorCount);
  if (!printErrorCount) return;
  FListing.WriteString("\r\n" + RightAligned(listed) + " error");
  if (listed != 1) FListing.WriteString("s\r\n");
}

std::string TGrammarParser::GetBookmark() const { return IntToStr(FLookAheadSymbol) + ' ' + FScanner->GetBookmark(); }

void TGrammarParser::GotoBookmark(const std::string& bookmark) {
  const size_t blank = bookmark.find(' ');
  int32_t symbol = 0;
  if (!TryStrToInt(bookmark.substr(0, blank), symbol)) throw EGrammarBookmark("The bookmark holds an invalid integer");
  FScanner->GotoBookmark(blank == std::string::npos ? std::string() : bookmark.substr(blank + 1));
  FLookAheadSymbol = symbol;
}
