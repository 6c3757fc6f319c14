#include "conversion/uFilterCtrl.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

#include "runtime/SysUtils.h"

using Pelmora::EFilterOverflow;
using Pelmora::TNoteLastState;
using Pelmora::TRingtoneFilterConfig;

namespace {

// The ten keys that must hold integers, with neutral values.
const std::string kRequired =
    "DefaultOptions_Octave=0\r\nDefaultOptions_Sharp=0\r\nDefaultOptions_Duration=4\r\n"
    "DefaultOptions_DotDuration=0\r\nRemember_Octave=0\r\nRemember_Sharp=0\r\nRemember_Duration=0\r\n"
    "Remember_DotDuration=0\r\nDurationMapper_MapperType=1\r\nOctaveMapper_MapperType=1\r\n";

void Load(TRingtoneFilterConfig& filter, const std::string& extra) { filter.LoadFromText(extra + kRequired); }

}  // namespace

TEST(LibraryFilter, LoadsFromTextAndIgnoresTheIdentity) {
  TRingtoneFilterConfig filter;
  filter.LoadFromText("FilterFileOID={X}\r\nFilterInfo_FilterType=7\r\nMapperOrder_1=0\r\n" + kRequired);
  EXPECT_EQ(filter.FilterInfo->FilterType, 2);
  EXPECT_EQ(filter.FileText().find("FilterFileOID"), std::string::npos);
  EXPECT_EQ(filter.GetMapperOrder(0), 0);
  // A missing mapper order entry loads, and fails only when it is used.
  EXPECT_THROW(filter.GetMapperOrder(2), EConvertError);
  EXPECT_THROW(filter.GetMapperOrder(5), EConvertError);

  std::string noOctave = kRequired;
  noOctave.erase(0, noOctave.find('\n') + 1);
  EXPECT_THROW(filter.LoadFromText(noOctave), EConvertError);
}

TEST(LibraryFilter, KeysAreFoundInAnyOrderTheFirstLineOfANameWinning) {
  // The same filter written in key order, and with its lines reversed among
  // unknown names, lines without "=" and later lines of the same names in
  // another case and with other values: both load the same.
  TRingtoneFilterConfig inOrder;
  Load(inOrder, "DravikVersion=1\r\nNoteMapper_C=c\r\nNoteMapper_P=-\r\nSharpMapper_NormalToSharp=#$NOTE$\r\n"
                "OctaveMapper_NoChange=$DELTAC$\r\nMapperOrder_1=0\r\nMapperOrder_5=4\r\n");
  const std::string written = inOrder.FileText();
  std::vector<std::string> lines;
  for (size_t at = 0; at < written.size();) {
    const size_t end = written.find("\r\n", at);
    lines.push_back(written.substr(at, end - at));
    at = end + 2;
  }
  std::string shuffled = "Unknown=1\nNoEquals\r";
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) shuffled += *line + "\r\nX_" + *line + "\n";
  for (const std::string& line : lines) shuffled += UpperCase(line.substr(0, line.find('='))) + "=7\r\n";
  TRingtoneFilterConfig anyOrder;
  anyOrder.LoadFromText(shuffled);
  EXPECT_EQ(anyOrder.FileText(), written);
}

TEST(LibraryFilter, ApplyTemplateWrapsOrAppends) {
  struct Case {
    const char* templ;
    const char* text;
    const char* delta;
    const char* result;
  };
  const Case cases[] = {
      {"$NOTEU$#", "c", "", "C#"},         {"*", "5", "", "5*"},
      {"", "abc", "", "abc"},              {"$DELTAC$x", "2", "3", "23x"},
      {"$NOTEL$-$NOTE$", "Ab", "", "ab-Ab"}, {"$DELTAC$", "t", "", "t"},  // an empty result keeps the text
      {"($NOTE$)$DELTAC$", "1", "", "(1)"}, {"$NOTE", "q", "", "$NOTE"},  // held "$NOTE": wraps
      // What is put in is never read as a placeholder.
      {"[$NOTE$]", "$DELTAC$", "7", "[$DELTAC$]"}, {"$NOTEU$", "$note$", "", "$NOTE$"},
      // Placeholders sharing a "$" are found kind by kind: the note's first.
      {"$DELTAC$NOTE$", "x", "7", "$DELTACx"}, {"$NOTE$DELTAC$", "x", "7", "xDELTAC$"},
      {"$DELTAC$NOTEL$", "X", "7", "$DELTACx"},
      {"$NOTE$-$NOTE$-$NOTE$-$NOTE$-$NOTE$-$NOTE$-$NOTE$-$NOTE$-$NOTE$", "a", "", "a-a-a-a-a-a-a-a-a"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TRingtoneFilterConfig::ApplyTemplate(c.templ, c.text, c.delta), c.result) << c.templ;
  // A template that would blow a note's text up is refused.
  EXPECT_THROW(TRingtoneFilterConfig::ApplyTemplate("$NOTE$$NOTE$", std::string(3000, 'x'), ""), EFilterOverflow);
  // Wrapped once, or appended to, a text may reach the limit but not pass it.
  const size_t limit = TRingtoneFilterConfig::MaxNoteText;
  for (const char* templ : {"<$NOTE$>", "**", "$DELTAC$*"}) {
    EXPECT_EQ(TRingtoneFilterConfig::ApplyTemplate(templ, std::string(limit - 2, 'x'), "*").size(), limit) << templ;
    EXPECT_THROW(TRingtoneFilterConfig::ApplyTemplate(templ, std::string(limit - 1, 'x'), "*"), EFilterOverflow)
        << templ;
  }
}

TEST(LibraryFilter, RepeatedStepsAreTheTemplateAppliedStepAfterStep) {
  // Mapper type 1 applies the step template once per step, each time to the
  // text the step before gave, stopping when a step changes nothing; the
  // result is built in one go, and must be what the steps one by one give.
  TRingtoneFilterConfig filter;
  Load(filter, "");
  filter.DefaultOptions_Octave = 0;
  TNoteLastState state;
  for (const char* templ : {"*", "$NOTE$*", "*$NOTE$", "<$NOTEU$>", "($NOTEL$)", "$NOTE$", "$NOTEU$", "",
                            "$DELTAC$", "a$DELTAC$b", "$NOTE$$NOTE$", "[$NOTE$|$NOTEU$]", "$NOTEX", "x$NOTEL$$DELTAC$"})
    for (const char* text : {"Ab", ""})
      for (const int32_t steps : {1, 2, 3, 9, 40}) {
        filter.OctaveMapper_ToHigher = templ;
        std::string expected = text;
        bool overflows = false;
        try {
          for (int32_t i = 0; i < steps; ++i) {
            std::string next = TRingtoneFilterConfig::ApplyTemplate(templ, expected, "");
            if (next == expected) break;
            expected = next;
          }
        } catch (const EFilterOverflow&) {
          overflows = true;
        }
        if (overflows)
          EXPECT_THROW(filter.MapOctave(state, steps, text), EFilterOverflow) << templ << " " << text << " " << steps;
        else
          EXPECT_EQ(filter.MapOctave(state, steps, text), expected) << templ << " " << text << " " << steps;
      }
  // Far octaves: the text may grow up to a note's longest text, not beyond.
  const std::tuple<const char*, int32_t, size_t> limits[] = {{"*", 4095, 4096}, {"*$NOTE$", 4095, 4096},
                                                             {"<$NOTEU$>", 2047, 4095}};
  for (const auto& [templ, steps, length] : limits) {
    filter.OctaveMapper_ToHigher = templ;
    EXPECT_EQ(filter.MapOctave(state, steps, "c").size(), length) << templ;
    EXPECT_THROW(filter.MapOctave(state, steps + 1, "c"), EFilterOverflow) << templ;
  }
}

TEST(LibraryFilter, NotesSharpsAndDots) {
  TRingtoneFilterConfig filter;
  Load(filter, 
      "NoteMapper_C=$NOTE$1\r\nNoteMapper_P=0\r\nSharpMapper_NormalToSharp=#\r\nSharpMapper_SharpToNormal=n\r\n"
      "DotDurationMapper_NormalToDotDuration=.\r\n");
  EXPECT_EQ(filter.MapNote("c"), "$NOTE$1");
  EXPECT_EQ(filter.MapNote("p"), "0");
  EXPECT_EQ(filter.MapNote("H"), "");
  TNoteLastState state;
  state.Sharp = true;
  EXPECT_EQ(filter.MapSharp(state, true, "1"), "1#");  // not remembered: against the default
  filter.Remember_Sharp = true;
  EXPECT_EQ(filter.MapSharp(state, true, "1"), "1");
  EXPECT_EQ(filter.MapSharp(state, false, "1"), "1n");
  EXPECT_EQ(filter.MapDotDuration(state, true, "1"), "1.");
  EXPECT_EQ(filter.MapDotDuration(state, false, "1"), "1");
  filter.ResetLastState(nullptr);
  filter.ResetLastState(&state);
  EXPECT_FALSE(state.Sharp);
  EXPECT_EQ(state.Duration, 4);
}

TEST(LibraryFilter, DurationAndOctaveStepsByMapperType) {
  TRingtoneFilterConfig filter;
  Load(filter, 
      "DurationMapper_ToShorter=<s$DELTAC$>\r\nDurationMapper_ToLonger=<l$DELTAC$>\r\n"
      "DurationMapper_NoChange=<n$DELTAC$>\r\nDurationMapper_1=w\r\nDurationMapper_8=e\r\n"
      "DurationMapper_32=t\r\nOctaveMapper_ToHigher=<u$DELTAC$>\r\nOctaveMapper_ToLower=<d$DELTAC$>\r\n"
      "OctaveMapper_NoChange=<o$DELTAC$>\r\n");
  struct Case {
    bool octave;
    int32_t type;
    int32_t reference;
    int32_t value;
    const char* result;
  };
  // One duration step is a factor of four in the note value.
  const Case cases[] = {
      {false, 12, 4, 4, "x<n1>"},     {false, 2, 4, 4, "x"},         {false, 1, 4, 4, "x"},
      {false, 1, 4, 8, "x<s>"},       {false, 1, 4, 16, "x<s>"},     {false, 1, 4, 32, "x<s><s>"},
      {false, 2, 4, 32, "x<s2>"},     {false, 12, 4, 32, "x<s3>"},   {false, 2, 4, 8, "x<s>"},
      {false, 12, 4, 8, "x<s2>"},     {false, 1, 4, 1, "x<l>"},      {false, 2, 8, 2, "x<l>"},
      {false, 2, 32, 1, "x<l3>"},     {false, 0, 4, 8, "xe"},        {false, 0, 4, 3, "xw"},
      {false, 10, 4, 32, "xt"},       {false, 0, 4, 4, "x"},         {false, 3, 4, 8, ""},
      {false, -1, 4, 8, ""},          {false, 11, 8, 64, "x<s><s>"},
      {true, 2, 5, 6, "x<u>"},        {true, 2, 5, 8, "x<u3>"},      {true, 12, 5, 5, "x<o1>"},
      {true, 12, 5, 4, "x<d2>"},      {true, 1, 5, 3, "x<d><d>"},    {true, 0, 5, 8, "x<u>"},
      {true, 0, 5, 5, "x"},           {true, 7, 5, 6, ""},
  };
  TNoteLastState state;
  for (const Case& c : cases) {
    if (c.octave) {
      filter.OctaveMapper_MapperType = c.type;
      filter.DefaultOptions_Octave = c.reference;
      EXPECT_EQ(filter.MapOctave(state, c.value, "x"), c.result) << c.type << " " << c.reference << " " << c.value;
    } else {
      filter.DurationMapper_MapperType = c.type;
      filter.DefaultOptions_Duration = c.reference;
      EXPECT_EQ(filter.MapDuration(state, c.value, "x"), c.result) << c.type << " " << c.reference << " " << c.value;
    }
  }
  // Remembered references come from the state.
  filter.Remember_Duration = true;
  filter.DurationMapper_MapperType = 1;
  state.Duration = 8;
  EXPECT_EQ(filter.MapDuration(state, 8, "x"), "x");
}

TEST(LibraryFilter, DegenerateValuesNeitherHangNorOverflow) {
  TRingtoneFilterConfig filter;
  Load(filter, "DurationMapper_ToShorter=s\r\nDurationMapper_ToLonger=l\r\n"
                                        "OctaveMapper_ToHigher=$NOTE$\r\nOctaveMapper_ToLower=d\r\n");
  TNoteLastState state;
  for (int32_t reference : {INT_MIN, -5, 0, 4, INT_MAX})
    for (int32_t value : {INT_MIN, -1, 0, 3, 64, INT_MAX}) {
      filter.DefaultOptions_Duration = reference;
      EXPECT_NO_THROW(filter.MapDuration(state, value, "x"));
    }
  // Two billion octave steps of a template that changes nothing end at once;
  // one that grows the text stops at the length limit.
  filter.DefaultOptions_Octave = INT_MIN;
  EXPECT_EQ(filter.MapOctave(state, INT_MAX, "x"), "x");
  filter.DefaultOptions_Octave = INT_MAX;
  EXPECT_THROW(filter.MapOctave(state, INT_MIN, "x"), EFilterOverflow);
}
