// What one parse of a text collects, for the tests of every notation's parser.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "conversion/GrammarBase.h"
#include "runtime/Streams.h"

// One parse of the text as it stands into the tune: the codes of the errors
// it collects.
template <class TParse, class TRing>
std::vector<int> ParseInto(TRing& ring, const std::string& text) {
  TParse parser(nullptr);
  parser.SetRing(&ring);
  parser.SetGenListWhen(TGenListType::glNever);
  TMemoryStream source(text);
  parser.LoadSource(source);
  parser.Execute();
  std::vector<int> codes;
  for (const auto& error : parser.ErrorList()) codes.push_back(error->ErrorCode);
  return codes;
}

// The codes of the errors one parse of the text into a new tune collects.
template <class TParse, class TRing>
std::vector<int> ParseErrorCodes(const std::string& text) {
  TRing ring;
  return ParseInto<TParse>(ring, text);
}

// What one parse of a text gives and what it leaves the scanner at: the
// tones, each error with its place and the bookmark at it, then the
// bookmark at the end.
struct THeardParse {
  std::vector<TRingTone> Tones;
  std::vector<std::tuple<int, int, int>> Errors;
  std::vector<std::string> Bookmarks;
};

// A parse with a handler that hears each symbol, or without one: a parser
// may read symbols in place only while nobody hears of each.
template <class TParse, class TRing>
THeardParse ParseHeard(const std::string& text, bool hearEachSymbol) {
  TRing ring;
  TParse parser(nullptr);
  parser.SetRing(&ring);
  parser.SetGenListWhen(TGenListType::glNever);
  THeardParse parsed;
  if (hearEachSymbol) parser.SetAfterGet([](TGrammarParser&, int&) {});
  parser.SetOnError([&](TGrammarParser& sender, const TGrammarError& error) {
    parsed.Errors.emplace_back(error.ErrorCode, error.Line, error.Column);
    parsed.Bookmarks.push_back(sender.GetBookmark());
  });
  parser.GetSourceStream().WriteString(text);
  parser.Execute();
  parsed.Bookmarks.push_back(parser.GetBookmark());
  for (const TRingTone* tone : ring.Track->Tones) parsed.Tones.push_back(*tone);
  return parsed;
}

// Both parses of the text give the same.
template <class TParse, class TRing>
void ExpectReadInPlaceAsHeard(const std::string& text) {
  SCOPED_TRACE(text);
  const THeardParse inPlace = ParseHeard<TParse, TRing>(text, false);
  const THeardParse heard = ParseHeard<TParse, TRing>(text, true);
  EXPECT_EQ(inPlace.Tones, heard.Tones);
  EXPECT_EQ(inPlace.Errors, heard.Errors);
  EXPECT_EQ(inPlace.Bookmarks, heard.Bookmarks);
  EXPECT_FALSE(inPlace.Tones.empty());
}
