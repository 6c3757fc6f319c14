// The filters shipped in the Filters folder. Each has a golden table of small
// tunes: tunes that differ in one thing the phone can tell apart (pitch,
// sharp, octave up or down within its range, note value, also after a jump by
// a factor of four or more, dot) render differently, and every text is what
// that phone's composer shows or the keys a person presses on it. A second
// table holds what the phone cannot express and what it gets instead. A model
// of the keypad composer plays the keys back: generated tunes and every
// corpus tune within the phone's reach come back as they went in.
#include <gtest/gtest.h>

#include <exception>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <vector>

#include "conversion/uFilterCtrl.h"
#include "conversion/uRingConvert.h"
#include "conversion/uRingLib.h"
#include "conversion/uRingUtils.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"
#include "tests/conversion/FilterRender.h"
#include "tests/conversion/SourceTune.h"
#include "tests/support/CorpusTunes.h"
#include "tests/support/MidiBytes.h"
#include "tests/support/PelmoraLibrary.h"
#include "tests/support/ShippedFilters.h"

namespace {

const std::string kFilters = CAROLUNE_SOURCE_DIR "/filters/Filters/";

struct TGolden {
  std::vector<NoteSpec> tune;
  const char* text;
};

struct TGoldenTables {
  std::vector<TGolden> distinct;  // every text differs from every other
  std::vector<TGolden> nearest;   // beyond the phone: the nearest it shows
};

// The Nokia Composer's screen (3210, 3310, 3330) writes each note as value (1, 2, 4, 8, 16,
// 32), "." when dotted, "#" when sharp, letter and octave 1 to 3 (RTTTL
// octaves 5 to 7); a rest as its value, the dot and "-". Entries are
// separated by a blank. The composer has no flats, no E or B sharp, no 64ths.
const TGoldenTables kNokiaScreen = {
    {
        {{{"C", 4, 5}}, "4c1"},
        {{{"D", 4, 5}}, "4d1"},
        {{{"E", 4, 5}}, "4e1"},
        {{{"F", 4, 5}}, "4f1"},
        {{{"G", 4, 5}}, "4g1"},
        {{{"A", 4, 5}}, "4a1"},
        {{{"B", 4, 5}}, "4b1"},
        {{{"C", 4, 5, raSharp}}, "4#c1"},
        {{{"A", 4, 5, raSharp}}, "4#a1"},
        {{{"C", 4, 6}}, "4c2"},
        {{{"C", 4, 7}}, "4c3"},
        {{{"C", 1, 5}}, "1c1"},
        {{{"C", 2, 5}}, "2c1"},
        {{{"C", 8, 5}}, "8c1"},
        {{{"C", 16, 5}}, "16c1"},
        {{{"C", 32, 5}}, "32c1"},
        {{{"C", 4, 5, raNatural, rdDotted}}, "4.c1"},
        {{{"F", 8, 6, raSharp, rdDotted}}, "8.#f2"},
        {{{"P", 4, 5}}, "4-"},
        {{{"P", 8, 5, raNatural, rdDotted}}, "8.-"},
        // Jumps of the note value by a factor of four or more, both ways.
        {{{"C", 4, 5}, {"C", 8, 5}}, "4c1 8c1"},
        {{{"C", 4, 5}, {"C", 16, 5}}, "4c1 16c1"},
        {{{"C", 4, 5}, {"C", 32, 5}}, "4c1 32c1"},
        {{{"C", 1, 5}, {"C", 4, 5}}, "1c1 4c1"},
        {{{"C", 2, 5}, {"C", 4, 5}}, "2c1 4c1"},
        {{{"C", 32, 5}, {"C", 2, 5}}, "32c1 2c1"},
        // Octaves up and down across the range.
        {{{"C", 4, 5}, {"C", 4, 7}}, "4c1 4c3"},
        {{{"C", 4, 7}, {"C", 4, 6}}, "4c3 4c2"},
        {{{"C", 4, 7}, {"C", 4, 5}}, "4c3 4c1"},
        // Dots and sharps of neighbours.
        {{{"C", 4, 5, raNatural, rdDotted}, {"C", 4, 5, raNatural, rdDotted}}, "4.c1 4.c1"},
        {{{"C", 4, 5, raNatural, rdDotted}, {"C", 4, 5}}, "4.c1 4c1"},
        {{{"C", 4, 5, raSharp}, {"C", 4, 5}}, "4#c1 4c1"},
        // A rest between two notes of octave 2.
        {{{"C", 4, 6}, {"P", 4, 6}, {"C", 4, 6}}, "4c2 4- 4c2"},
    },
    {
        {{{"D", 4, 5, raFlat}}, "4#c1"},       // D flat is C sharp
        {{{"B", 4, 5, raFlat}}, "4#a1"},       // B flat is A sharp
        {{{"E", 4, 5, raSharp}}, "4f1"},       // E sharp is F
        {{{"B", 4, 6, raSharp}}, "4c3"},       // B sharp is the C above
        {{{"C", 4, 4}}, "4c1"},                // below the range: octave 1
        {{{"C", 4, 8}}, "4c4"},                // above it: the phone cannot play it
        {{{"C", 64, 5}}, "32c1"},              // no 64ths
        {{{"C", 4, 5, raNatural, rdDoubleDotted}}, "4.c1"},
        {{{"C", 4, 4000}, {"C", 1, -4000}}, "4c3996 1c1"},  // far octaves stay short
    },
};

// The keys of the same Composer: the note key (1 to 7 for C to B, 0 a rest),
// "." when it is held (dotted), "#" sharp, each 8 halving and each 9 doubling
// the quarter every note starts as, then each * stepping the octave 1, 2, 3,
// 1 for this note and the ones after; the composer starts in octave 1 (RTTTL
// 5). Entries are separated by a blank.
const TGoldenTables kNokiaKeys = {
    {
        {{{"C", 4, 5}}, "1"},
        {{{"D", 4, 5}}, "2"},
        {{{"E", 4, 5}}, "3"},
        {{{"F", 4, 5}}, "4"},
        {{{"G", 4, 5}}, "5"},
        {{{"A", 4, 5}}, "6"},
        {{{"B", 4, 5}}, "7"},
        {{{"C", 4, 5, raSharp}}, "1#"},
        {{{"A", 4, 5, raSharp}}, "6#"},
        {{{"C", 1, 5}}, "199"},
        {{{"C", 2, 5}}, "19"},
        {{{"C", 8, 5}}, "18"},
        {{{"C", 16, 5}}, "188"},
        {{{"C", 32, 5}}, "1888"},
        {{{"C", 4, 5, raNatural, rdDotted}}, "1."},
        {{{"F", 8, 6, raSharp, rdDotted}}, "4.#8*"},
        {{{"P", 4, 5}}, "0"},
        {{{"P", 8, 5, raNatural, rdDotted}}, "0.8"},
        // Octave 1 to 2 and 3, and from each of them up and down by one and
        // two: the octave is kept from note to note, so each note keys the
        // presses from the octave before.
        {{{"C", 4, 6}}, "1*"},
        {{{"C", 4, 7}}, "1**"},
        {{{"C", 4, 5}, {"C", 4, 6}}, "1 1*"},
        {{{"C", 4, 6}, {"C", 4, 6}}, "1* 1"},
        {{{"C", 4, 6}, {"C", 4, 7}}, "1* 1*"},
        {{{"C", 4, 6}, {"C", 4, 5}}, "1* 1**"},
        {{{"C", 4, 7}, {"C", 4, 6}}, "1** 1**"},
        {{{"C", 4, 7}, {"C", 4, 5}}, "1** 1****"},
        // A rest keeps the octave of the note before it.
        {{{"C", 4, 6}, {"P", 4, 6}, {"C", 4, 6}}, "1* 0 1"},
        {{{"C", 4, 6}, {"P", 4, 5}, {"C", 4, 5}}, "1* 0 1**"},
        // Value, dot and sharp start again with every note.
        {{{"C", 8, 5}, {"C", 8, 5}}, "18 18"},
        {{{"C", 16, 5}, {"C", 4, 5}}, "188 1"},
        {{{"C", 32, 5}, {"C", 2, 5}}, "1888 19"},
        {{{"C", 4, 5, raNatural, rdDotted}, {"C", 4, 5}}, "1. 1"},
        {{{"C", 4, 5, raSharp}, {"C", 4, 5}}, "1# 1"},
    },
    {
        {{{"D", 4, 5, raFlat}}, "1#"},    // D flat is C sharp
        {{{"B", 4, 5, raFlat}}, "6#"},    // B flat is A sharp
        {{{"E", 4, 5, raSharp}}, "4"},    // E sharp is F
        {{{"B", 4, 6, raSharp}}, "1**"},  // B sharp is the C above
        {{{"C", 64, 5}}, "1888"},         // no 64ths
        {{{"C", 4, 5, raNatural, rdDoubleDotted}}, "1."},
        // Beyond the three octaves the * key comes round again: octave 4
        // plays in 3, octave 8 in 1; the notes after are keyed right again.
        {{{"C", 4, 4}}, "1**"},
        {{{"C", 4, 8}, {"C", 4, 7}}, "1*** 1**"},
    },
};

const std::map<std::string, const TGoldenTables*> kGoldenTables = {
    {"Nokia3210.kps", &kNokiaKeys},   {"Nokia3210.mss", &kNokiaScreen}, {"Nokia3310.kps", &kNokiaKeys},
    {"Nokia3310.mss", &kNokiaScreen}, {"Nokia3330.kps", &kNokiaKeys},   {"Nokia3330.mss", &kNokiaScreen},
};

std::string Render(const std::string& filterFile, const std::vector<NoteSpec>& tune) {
  return RenderThroughFilter(ReadFileBytes(kFilters + filterFile), tune);
}

}  // namespace

TEST(ShippedFilters, EveryShippedFilterHasGoldenTables) {
  const auto files = ShippedFilterFiles();
  EXPECT_FALSE(files.empty());
  for (const auto& file : files) EXPECT_EQ(kGoldenTables.count(file.filename()), 1u) << file;
}

TEST(ShippedFilters, WhatThePhoneTellsApartRendersApartAndAsThePhoneShowsIt) {
  for (const auto& [file, tables] : kGoldenTables) {
    std::set<std::string> seen;
    for (const TGolden& golden : tables->distinct) {
      const std::string text = Render(file, golden.tune);
      EXPECT_EQ(text, golden.text) << file;
      EXPECT_TRUE(seen.insert(text).second) << file << ": " << text << " twice";
    }
    for (const TGolden& golden : tables->nearest) EXPECT_EQ(Render(file, golden.tune), golden.text) << file;
  }
}

TEST(ShippedFilters, FarOctavesAndExtremeValuesRenderWithinTheLimits) {
  PelmoraLibrary lib;
  std::string rise = "Far:d=4,o=5,b=100:";
  for (int i = 0; i < 500; ++i) rise += i % 2 ? "c4000," : "1c#4000,";
  rise += "64p";
  // Keyed, the fall back to octave 4 takes two presses an octave, more than
  // a note's text may hold: that rendering stops with its error.
  const std::string fall = rise + ",32c4";
  for (const auto& file : ShippedFilterFiles())
    for (const std::string& tune : {rise, fall}) {
      const auto r = lib.Map(tune, "R00", ReadFileBytes(file));
      const bool overflows = file.extension() == ".kps" && tune == fall;
      EXPECT_EQ(r.Code, overflows ? Pelmora::rrRenderFailed : Pelmora::rrSuccess) << file;
      EXPECT_LE(r.Text.size(), 501 * Pelmora::TRingtoneFilterConfig::MaxNoteText) << file;
    }
}

namespace {

// "Happy Birthday" (RTTTL d=4,o=5: 8g.,16g,8a,g,c6,2b), then F sharp quarter
// in octave 7 and D sharp eighth in octave 6, as a Standard MIDI File at 96
// ticks a quarter: each note is a note-on and a note-off after its length.
std::string MidiTune() {
  std::string notes;
  const std::pair<int, std::string> keysAndLengths[] = {
      {67, Bytes({72})}, {67, Bytes({24})}, {69, Bytes({48})},         {67, Bytes({96})},
      {72, Bytes({96})}, {71, Bytes({0x81, 0x40})}, {90, Bytes({96})}, {75, Bytes({48})}};
  for (const auto& [key, length] : keysAndLengths)
    notes += Bytes({0x00, 0x90, key, 0x64}) + length + Bytes({0x80, key, 0x40});
  return Header(0, 1, 96) + Chunk("MTrk", Tempo120() + notes + EndOfTrack());
}

}  // namespace

TEST(ShippedFilters, RenderAMidiTuneThroughTheLibrary) {
  PelmoraLibrary lib;
  ASSERT_TRUE(lib.RING2MAP());
  const std::pair<const char*, const char*> expected[] = {
      {"Nokia3310.kps", "5.8 588 68 5 1* 79** 4#** 2#8**"},
      {"Nokia3310.mss", "8.g1 16g1 8a1 4g1 4c2 2b1 4#f3 8#d2"},
  };
  for (const auto& [file, text] : expected) {
    const auto byText = lib.Map(MidiTune(), "R04", ReadFileBytes(kFilters + file), "R");
    EXPECT_EQ(byText.Code, Pelmora::rrSuccess) << file;
    EXPECT_EQ(byText.Text, text) << file;
    const auto byName = lib.Map(MidiTune(), "R04", kFilters + file, "F");
    EXPECT_EQ(byName.Code, Pelmora::rrSuccess) << file;
    EXPECT_EQ(byName.Text, text) << file;
  }
}

namespace {

// What a phone plays of one entry: the pitch in semitones above the C of its
// octave 1 (none for a rest), the note value and the dot.
struct TPlayedNote {
  std::optional<int32_t> Pitch;
  int32_t Value;
  bool Dotted;
  bool operator==(const TPlayedNote&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TPlayedNote& note) {
  return out << (note.Pitch ? std::to_string(*note.Pitch) : "rest") << "/" << note.Value << (note.Dotted ? "." : "");
}

// The keypad composer of the Nokia 3210, 3310 and 3330 as its users' code
// sheets describe it. Keys 1 to 7 enter C to B and 0 a rest, each a natural,
// undotted quarter in the octave the composer is in; then each 8 halves the
// value (down to 1/32) and each 9 doubles it (up to 1/1), # makes it sharp,
// "." (the note key held) dots it, and each * steps the octave 1, 2, 3, 1
// for this note and the ones after. Entries are separated by one blank. What
// the phone would not take or a person would not press (an unknown key, a
// press that changes nothing, a sharp E or B, a sharp or octave on a rest)
// fails the test.
class TKeypadComposer {
 public:
  std::vector<TPlayedNote> Play(const std::string& keys) {
    std::vector<TPlayedNote> notes;
    std::istringstream entries(keys);
    for (std::string entry; std::getline(entries, entry, ' ');) notes.push_back(Enter(entry));
    if (!keys.empty() && keys.back() == ' ') ADD_FAILURE() << "a blank after the last entry: " << keys;
    return notes;
  }

 private:
  int32_t FOctave = 1;

  TPlayedNote Enter(const std::string& entry) {
    static constexpr int32_t kSemitones[] = {0, 2, 4, 5, 7, 9, 11};
    if (entry.empty() || entry[0] < '0' || entry[0] > '7') {
      ADD_FAILURE() << "an entry that is no note key: '" << entry << "'";
      return {};
    }
    const bool rest = entry[0] == '0';
    const int32_t semitone = rest ? 0 : kSemitones[entry[0] - '1'];
    TPlayedNote note{{}, 4, false};
    bool sharp = false;
    for (const char key : entry.substr(1)) {
      const bool changes = key == '.'   ? !note.Dotted
                           : key == '#' ? !rest && !sharp && semitone != 4 && semitone != 11
                           : key == '8' ? note.Value < 32
                           : key == '9' ? note.Value > 1
                           : key == '*' ? !rest
                                        : false;
      if (!changes) {
        ADD_FAILURE() << "'" << key << "' in '" << entry << "' changes nothing";
        continue;
      }
      if (key == '.') note.Dotted = true;
      if (key == '#') sharp = true;
      if (key == '8') note.Value *= 2;
      if (key == '9') note.Value /= 2;
      if (key == '*') FOctave = FOctave % 3 + 1;
    }
    if (!rest) note.Pitch = 12 * (FOctave - 1) + semitone + (sharp ? 1 : 0);
    return note;
  }
};

// The note values the composer can key.
bool IsPhoneValue(int32_t value) {
  return value == 1 || value == 2 || value == 4 || value == 8 || value == 16 || value == 32;
}

// What the phone plays of a tune within its reach (every note in RTTTL
// octaves 5 to 7, a value it has, one dot at most); none for a tune beyond it.
std::optional<std::vector<TPlayedNote>> PlayedWithinReach(const TRingFile& tune) {
  std::vector<TPlayedNote> notes;
  for (const auto& tone : tune.Track->Tones) {
    if (tone->Kind != rkNote) continue;
    if (!IsPhoneValue(tone->Duration) || tone->Dot > rdDotted) return {};
    TPlayedNote note{{}, tone->Duration, tone->Dot == rdDotted};
    if (!tone->IsRest()) {
      if (tone->Note.size() != 1 || NoteIndex(UpperCase(tone->Note)) == 0) return {};
      const int32_t key = NoteToMidiKey(tone->Note, tone->Accidental, tone->Octave);
      if (key < 12 * 5 || key >= 12 * 8) return {};
      note.Pitch = key - 12 * 5;
    }
    notes.push_back(note);
  }
  return notes;
}

// The shipped filters that key this composer.
std::vector<std::string> KeypadFilters() {
  std::vector<std::string> files;
  for (const auto& [file, tables] : kGoldenTables)
    if (tables == &kNokiaKeys) files.push_back(file);
  return files;
}

// Renders the tune through the filter and plays the keys back on a fresh
// composer: within the phone's reach, the phone plays the tune.
void ExpectKeyedBack(const std::string& filter, TKeyPressBase& tune, const std::string& what) {
  const auto expected = PlayedWithinReach(tune);
  ASSERT_TRUE(expected) << what;
  tune.FilterConfig.LoadFromText(filter);
  const std::string keys = tune.GetText();
  EXPECT_EQ(TKeypadComposer().Play(keys), *expected) << what << ": " << keys;
}

}  // namespace

TEST(ShippedFilters, TheKeypadComposerPlaysGeneratedTunesBackFromTheirKeys) {
  const char* const letters[] = {"C", "D", "E", "F", "G", "A", "B", "P", "c", "g"};
  const uint8_t accidentals[] = {raNatural, raSharp, raFlat};
  const int32_t values[] = {1, 2, 4, 8, 16, 32};
  std::mt19937 random(22);
  const auto pick = [&random](const auto& items) { return items[random() % std::size(items)]; };
  ASSERT_EQ(KeypadFilters().size(), 3u);
  for (const std::string& file : KeypadFilters()) {
    const std::string filter = ReadFileBytes(kFilters + file);
    for (int t = 0; t < 300; ++t) {
      TKeyPressBase tune;
      const int length = 1 + static_cast<int>(random() % 24);
      while (tune.Track->Count() < length) {
        const NoteSpec note{pick(letters), pick(values), 5 + static_cast<int32_t>(random() % 3), pick(accidentals),
                            random() % 3 == 0 ? rdDotted : rdNone};
        TKeyPressBase one;
        AddNotes(one, {note});
        // C flat of octave 5 and B sharp of octave 7 lie beyond the phone.
        if (PlayedWithinReach(one)) AddNotes(tune, {note});
      }
      ExpectKeyedBack(filter, tune, file + " tune " + std::to_string(t));
    }
  }
}

TEST(ShippedFilters, EveryCorpusTuneWithinThePhonesReachKeysBackToItself) {
  int within = 0;
  for (const auto& [code, text] : CorpusTunes()) {
    TKeyPressBase tune;
    try {
      AssignRingFile(*TuneOf(text, code), tune);
    } catch (const std::exception&) {
      continue;  // a MIDI file the copy cannot reduce: no tune to key
    }
    if (!PlayedWithinReach(tune)) continue;
    ++within;
    for (const std::string& file : KeypadFilters())
      ExpectKeyedBack(ReadFileBytes(kFilters + file), tune, file + " " + code + ": " + text.substr(0, 60));
  }
  EXPECT_GE(within, 100);
}
