// The grammar framework, exercised through the RTTTL scanner and parser.
#include "conversion/GrammarBase.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "conversion/RtttlParse.h"
#include "conversion/uRtttlRing.h"
#include "runtime/Streams.h"
#include "tests/conversion/ParseErrors.h"

namespace {

const std::string kExpected = "\xC6\xDA\xCD\xFB";
const std::string kInvalid = "\xCE\xDE\xD0\xA7\xB5\xC4 ";

std::string Reread(const std::string& text) {
  TRtttlRing ring;
  ring.LoadFromText(text);
  return ring.GetText();
}

// (code, line, column) of every collected error.
using TErrors = std::vector<std::tuple<int, int, int>>;

TErrors ErrorsOf(const std::string& text) {
  TRtttlRing ring;
  TRtttlParse parser(nullptr);
  parser.SetRing(&ring);
  parser.GetSourceStream().WriteString(text);
  parser.Execute();
  TErrors errors;
  for (const auto& e : parser.ErrorList()) errors.emplace_back(e->ErrorCode, e->Line, e->Column);
  return errors;
}

struct TScanned {
  int Symbol;
  TSymbolPosition Position;
};

std::vector<TScanned> ScanAll(TRtttlParseScanner& scanner, const std::string& text) {
  scanner.SourceBuffer().WriteString(text);
  scanner.Reset();
  std::vector<TScanned> symbols;
  int symbol;
  do {
    symbol = scanner.Get();
    symbols.push_back({symbol, scanner.LookAhead()});
  } while (symbol != symEndOfText);
  return symbols;
}

}  // namespace

TEST(GrammarBase, ZeroAndByte26EndTheText) {
  const struct {
    std::string text, written;
  } cases[] = {
      {"x:d=8:c,d\x1A,e", "x:d=8,o=6,b=64:C,D"},
      {std::string("x:d=8:c,d\0,e", 13), "x:d=8,o=6,b=64:C,D"},
      {"x:d=8\x1A,o=3:c", "x:d=8,o=6,b=64:"},
      {std::string("x\0:o=3:c", 8), "x:d=4,o=6,b=64:"},
  };
  for (const auto& c : cases) EXPECT_EQ(Reread(c.text), c.written) << c.text;
}

TEST(GrammarBase, CloseMismatchesCollectOnlyTheFirst) {
  const struct {
    std::string text;
    TErrors errors;
  } cases[] = {
      // The first mismatch is collected even at the first symbol; the four
      // after it at the same symbol are not.
      {"", {{3, 1, 2}}},
      // Two symbols after a mismatch the next one counts again.
      {"x:d,,b:", {{reControlValue, 1, 5}, {reControlValue, 1, 8}}},
      // A suppressed mismatch restarts the count as well.
      {"x:d,,,b:", {{reControlValue, 1, 5}, {reControlValue, 1, 9}}},
      {"x:d=4,o=5,b=9:c", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorsOf(c.text), c.errors) << c.text;
}

TEST(GrammarBase, CommentsAreSkippedAndTheirLineEndsComeBack) {
  const struct {
    std::string text, written;
  } cases[] = {
      {"x::c{ z },d", "x:d=4,o=6,b=64:C,D"},
      // The line end inside the comment is delivered as a CR and ends the tones.
      {"x::c{\r\n},d", "x:d=4,o=6,b=64:C"},
      {"x::c(*\r\n*),d", "x:d=4,o=6,b=64:C,D"},
      // The CR after "//" is scanned again.
      {"x::c//z\r,d", "x:d=4,o=6,b=64:C"},
      {"x::c{unclosed,d", "x:d=4,o=6,b=64:C"},
      {"x::c(*unclosed*,d", "x:d=4,o=6,b=64:C"},
      // "/" and "(" without their second character are ordinary characters.
      {"a/b(c:d=8:c", "a/b(c:d=8,o=6,b=64:C"},
  };
  for (const auto& c : cases) EXPECT_EQ(Reread(c.text), c.written) << c.text;
}

TEST(GrammarBase, CommentsReachTheHandlerWithTheirPlace) {
  TRtttlRing ring;
  TRtttlParse parser(nullptr);
  parser.SetRing(&ring);
  std::vector<std::tuple<std::string, int, int>> seen;
  parser.SetOnComment([&](TGrammarParser&, TCommentList& comments) {
    for (int i = 0; i < comments.Count(); ++i)
      seen.emplace_back(comments.Items(i).Text, comments.Items(i).Line, comments.Items(i).Column);
  });
  parser.GetSourceStream().WriteString("{a\r\nb}x//end\r\n:d=4:c");
  parser.Execute();
  using T = std::tuple<std::string, int, int>;
  EXPECT_EQ(seen, (std::vector<T>{T{"{a\r\nb}", 1, 1}, T{"//end", 2, 4}}));
}

// Every symbol read reaches the AfterGet handler, which may renumber it:
// the productions read on with its number, also for symbols that are
// otherwise read in place.
TEST(GrammarBase, AfterGetSeesAndMayRenumberEverySymbol) {
  TRtttlRing ring;
  TRtttlParse parser(nullptr);
  parser.SetRing(&ring);
  std::vector<int> seen;
  parser.SetAfterGet([&](TGrammarParser&, int& symbol) {
    seen.push_back(symbol);
    if (symbol == rsH) symbol = rsE;
  });
  parser.GetSourceStream().WriteString("x:d=8:16h,c#");
  parser.Execute();
  EXPECT_EQ(seen, (std::vector<int>{symIdentifier, rsColon, rsD, rsEqual, symInteger, rsColon, symInteger, rsH,
                                    rsComma, rsCSharp, symEndOfText}));
  EXPECT_EQ(ring.GetText(), "x:d=8,o=6,b=64:16E,C#");
}

// A status handler may change the source at each new line: the scanner
// reads on in the buffer as it then is. Bytes that are gone read as 0, the
// end of the text.
TEST(GrammarBase, AStatusHandlerMayChangeTheSourceAtANewLine) {
  const auto nameRead = [](const std::function<void(TMemoryStream&)>& change) {
    TRtttlRing ring;
    TRtttlParse parser(nullptr);
    parser.SetRing(&ring);
    parser.SetOnStatusUpdate([&](TGrammarParser&, TGrammarStatusType type, const std::string&, int) {
      if (type == TGrammarStatusType::gsNewLine) change(parser.GetSourceStream());
    });
    parser.GetSourceStream().WriteString("ab,\r\ncd:d=8:c");
    parser.Execute();
    return ring.Name;
  };
  // Grown far enough to move its bytes, and the word after the line end rewritten.
  EXPECT_EQ(nameRead([](TMemoryStream& source) {
              std::string bytes = source.DataString();
              bytes[5] = 'e';
              bytes.append(1 << 16, ' ');
              source.SetDataString(std::move(bytes));
            }),
            "ab,\r\ned");
  // Emptied as the "," before the line end is read: every symbol of the name reads as 0.
  EXPECT_EQ(nameRead([](TMemoryStream& source) { source.SetDataString(std::string()); }), std::string(4, '\0'));
}

TEST(GrammarBase, ColumnsCountFromTheLastLineEnd) {
  const struct {
    std::string lineEnd;
    int line, column;
  } cases[] = {{"\r\n", 2, 2}, {"\r", 2, 1}, {"\n", 2, 1}, {"\n\r", 3, 1}};
  for (const auto& c : cases) {
    TRtttlParseScanner scanner;
    const auto symbols = ScanAll(scanner, "a" + c.lineEnd + "b");
    EXPECT_EQ(symbols.front().Position.Column, 2);
    EXPECT_EQ(symbols.front().Position.Line, 1);
    const TScanned& b = symbols[symbols.size() - 2];
    EXPECT_EQ(b.Symbol, rsB);
    EXPECT_EQ(b.Position.Line, c.line) << c.lineEnd.size();
    EXPECT_EQ(b.Position.Column, c.column) << c.lineEnd.size();
  }
}

TEST(GrammarBase, KeywordsMatchInAnyCaseWhileRawTextKeepsIt) {
  TRtttlParseScanner scanner;
  const auto symbols = ScanAll(scanner, "b Bpm c#d#5 hA_");
  std::vector<int> numbers;
  for (const auto& s : symbols) numbers.push_back(s.Symbol);
  EXPECT_EQ(numbers, (std::vector<int>{rsB, symIdentifier, rsCSharp, rsDSharp, symInteger, symIdentifier, 0}));
  EXPECT_EQ(scanner.GetSymbolText(symbols[1].Position), "BPM");
  EXPECT_EQ(scanner.GetSymbolRawText(symbols[1].Position), "Bpm");

  TRtttlRing lower, upper;
  lower.LoadFromText("tEsT:d=4,o=5,b=125,s=c:8c#6.,p,h");
  upper.LoadFromText("tEsT:D=4,O=5,B=125,S=C:8C#6.,P,H");
  EXPECT_EQ(lower.Name, "tEsT");
  EXPECT_EQ(lower.Style, "C");
  EXPECT_EQ(lower.GetText(), upper.GetText());
}

// Each symbol's number, first character and length, words and numbers
// running into the end of the text included: a symbol is as long as the
// characters read for it, the one that ended it included.
TEST(GrammarBase, SymbolsKeepTheirPlaceAndLength) {
  struct Case {
    const char* Text;
    std::vector<std::tuple<int, int, int>> Symbols;  // number, source position, length
  };
  const Case cases[] = {
      {"c", {{rsC, 0, 1}, {0, 1, 1}}},
      {"c#", {{rsCSharp, 0, 2}, {0, 2, 1}}},
      {"a_5", {{rsASharp, 0, 2}, {symInteger, 2, 1}, {0, 3, 1}}},
      {"abc 12,", {{symIdentifier, 0, 3}, {symInteger, 4, 2}, {rsComma, 6, 1}, {0, 7, 1}}},
      {"  e\t,", {{rsE, 2, 1}, {rsNot, 3, 1}, {rsComma, 4, 1}, {0, 5, 1}}},
      // One blank, two, one before a comment and one before a line end.
      {"c d  e {x} f \r\ng",
       {{rsC, 0, 1}, {rsD, 2, 1}, {rsE, 5, 1}, {rsF, 11, 1}, {rsNot, 13, 1}, {rsNot, 14, 1}, {rsG, 15, 1}, {0, 16, 1}}},
      {"Cx:", {{symIdentifier, 0, 2}, {rsColon, 2, 1}, {0, 3, 1}}},
      {"d\x1a", {{rsD, 0, 1}, {0, 1, 1}, {0, 1, 1}}},
  };
  for (const Case& c : cases) {
    TRtttlParseScanner scanner;
    const auto symbols = ScanAll(scanner, c.Text);
    std::vector<std::tuple<int, int, int>> got;
    for (const auto& symbol : symbols)
      got.emplace_back(symbol.Symbol, symbol.Position.SourcePosition, symbol.Position.Length);
    // Byte 26 ends the text and stays where it is: read once more.
    if (got.size() < c.Symbols.size())
      got.emplace_back(scanner.Get(), scanner.LookAhead().SourcePosition, scanner.LookAhead().Length);
    EXPECT_EQ(got, c.Symbols) << c.Text;
  }
}

// A parser reads the whole of the stream it is given, wherever it stands; a
// stream made to hand its bytes over is left empty, any other as it was.
TEST(GrammarBase, TheSourceIsTheWholeStreamAndAHandedOverOneIsTaken) {
  const std::string text = "Tune:d=4,o=5,b=100:c,8d#6";
  THandOverStream handed(text);
  TMemoryStream kept(text);
  for (TMemoryStream* stream : {static_cast<TMemoryStream*>(&handed), &kept}) {
    stream->SetPosition(7);
    TRtttlRing ring;
    ring.LoadFromStream(*stream);
    EXPECT_EQ(ring.Name, "Tune");
    ASSERT_EQ(ring.Track->Count(), 2);
    EXPECT_EQ(ring.Track->GetTone(1)->Octave, 6);
  }
  EXPECT_EQ(handed.Size(), 0);
  EXPECT_EQ(kept.DataString(), text);
}

TEST(GrammarBase, ErrorMessagesAndListing) {
  TRtttlRing ring;
  TRtttlParse parser(nullptr);
  EXPECT_EQ(parser.ErrorMessage(0, ""), kExpected + "EOF");
  EXPECT_EQ(parser.ErrorMessage(rsColon, ""), kExpected + "\":\"");
  EXPECT_EQ(parser.ErrorMessage(rsCSharp, ""), kExpected + "\"C#\"");
  EXPECT_EQ(parser.ErrorMessage(rsNot, ""), kExpected + "not");
  EXPECT_EQ(parser.ErrorMessage(reNote, ""), kInvalid + "Note");
  EXPECT_EQ(parser.ErrorMessage(reControlName, ""), kInvalid + "ControlName");
  EXPECT_EQ(parser.ErrorMessage(29, " "), "Error: 29");
  EXPECT_EQ(parser.ErrorMessage(-1, "why"), "Error: -1 (why)");
  parser.SetOnCustomError([](TGrammarParser&, int code, const std::string& data) { return data + IntToStr(code); });
  EXPECT_EQ(parser.ErrorMessage(29, "x"), "x29");
  EXPECT_EQ(parser.ErrorMessage(reNote, "x"), kInvalid + "Note");
  parser.SetOnCustomError(nullptr);

  parser.SetRing(&ring);
  std::vector<std::pair<int, int>> status;
  parser.SetOnStatusUpdate([&](TGrammarParser&, TGrammarStatusType type, const std::string&, int line) {
    status.emplace_back(static_cast<int>(type), line);
  });
  int failures = -1;
  parser.SetOnFailure([&](TGrammarParser&, int count) { failures = count; });
  parser.GetSourceStream().WriteString("ab\r\n\t:q");
  parser.Execute();
  EXPECT_EQ(failures, 1);
  EXPECT_EQ(status, (std::vector<std::pair<int, int>>{{1, -1}, {3, 2}, {2, -1}}));
  EXPECT_EQ(parser.GetSourceStream().Size(), 0);
  EXPECT_EQ(parser.Listing().DataString(),
            "    1  ab\r\n    2  \t:q\r\n*****  \t ^ " + kInvalid + "ControlName\r\n\r\n    1 error");

  parser.SetGenListWhen(TGenListType::glAlways);
  bool succeeded = false;
  parser.SetOnSuccess([&](TGrammarParser&) { succeeded = true; });
  parser.GetSourceStream().WriteString("x:d=4:c");
  parser.Execute();
  EXPECT_TRUE(succeeded);
  EXPECT_EQ(parser.Listing().DataString(), "    1  x:d=4:c\r\n\r\n    0 errors\r\n");
}

TEST(GrammarBase, BookmarksRestoreTheScanner) {
  TRtttlParseScanner scanner;
  const std::string text = "a,\r\nbc{x\r\n}d";
  const auto all = ScanAll(scanner, text);
  scanner.Reset();
  scanner.Get();
  scanner.Get();
  const std::string bookmark = scanner.GetBookmark();
  for (size_t i = 2; i < all.size(); ++i) scanner.Get();
  scanner.GotoBookmark(bookmark);
  for (size_t i = 2; i < all.size(); ++i) {
    EXPECT_EQ(scanner.Get(), all[i].Symbol) << i;
    EXPECT_EQ(scanner.LookAhead().SourcePosition, all[i].Position.SourcePosition) << i;
    EXPECT_EQ(scanner.LookAhead().Line, all[i].Position.Line) << i;
  }
  EXPECT_THROW(scanner.GotoBookmark("1 2 x"), EGrammarBookmark);
  EXPECT_THROW(scanner.GotoBookmark(bookmark.substr(0, bookmark.size() - 1)), EGrammarBookmark);
  const size_t second = bookmark.find(' ', bookmark.find(' ') + 1);
  EXPECT_THROW(scanner.GotoBookmark("0 999999" + bookmark.substr(second)), EGrammarBookmark);

  TRtttlParse parser(nullptr);
  EXPECT_THROW(parser.GotoBookmark("x " + bookmark), EGrammarBookmark);
  EXPECT_THROW(parser.GotoBookmark("3"), EGrammarBookmark);
}

// A note table finds the first entry of a symbol, and nothing for a number
// no symbol has (an AfterGet handler may make up any).
TEST(GrammarBase, NoteTablesFindTheFirstEntryOfASymbol) {
  static constexpr TNoteSymbol kNotes[] = {{rsC, 'C', false}, {rsH, 'B', false}, {rsC, 'X', true}};
  static constexpr TNoteTable kTable{kNotes};
  EXPECT_EQ(kTable.Find(rsC), &kNotes[0]);
  EXPECT_EQ(kTable.Find(rsH), &kNotes[1]);
  for (const int symbol : {rsD, -1, static_cast<int>(kMaxSymbols), 1 << 20}) EXPECT_EQ(kTable.Find(symbol), nullptr);
}

// Most RTTTL tones are read from their bytes; a handler that hears each
// symbol has every one read through the productions. Both give the same
// tones, errors and scanner state (the bookmark at each error and at the
// end), around the spellings read in place and those left to the
// productions: line ends (which end the tones) and byte 26 after a comma,
// the last bytes of the text, E#, long numbers, controls, doubled commas,
// blanks and comments.
TEST(GrammarBase, TonesReadInPlaceAreThoseEverySymbolGives) {
  for (const std::string& text : {
           std::string("x:d=4,o=5,b=140:8e6,8d#6,16a_4.,32c.7,h,p,8b#6,2e#,c6.,4C.,C,100c,8c66,d#,ab,c,8p,H5,b6,e"),
           std::string("x::8c,8d,\r\n8e,8f,8g,8a"),
           std::string("x::8c,8d,\n8e,8f,8g,8a"),
           std::string("x::8c,8d,\r8e,8f,8g,8a"),
           std::string("x::8c, 8d,{b}8e,(*c*)8f,8g,8a"),
           std::string("x::c,d,e,f"),
           std::string("x::8c6,8d6,8f,,8g,8a#,o=6,c,s=n,c,8c.6,8c6.6,8c.6.,8#,8c#_,8h#,8p_,8cd,8c,8d,q6,8e,8f"),
           std::string("x::8c,8d,\x1a" "8e,8f"),
           std::string("x::16c#6.,16c#.6,99g#9.,01a,8o"),
       }) {
    ExpectReadInPlaceAsHeard<TRtttlParse, TRtttlRing>(text);
  }
}
