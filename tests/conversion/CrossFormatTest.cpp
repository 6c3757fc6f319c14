// One small tune in each notation, converted through the library into every
// text notation: what each writer keeps and drops (defaults, dots, flats,
// octave marks, the frame and its checksum) shows in the expected text.
#include <gtest/gtest.h>

#include <map>

#include "conversion/uMidiFile.h"
#include "conversion/uRingConvert.h"
#include "conversion/uRingLib.h"
#include "conversion/uRingUtils.h"
#include "runtime/Streams.h"
#include "tests/support/CorpusTunes.h"
#include "tests/support/MidiBytes.h"
#include "tests/support/PelmoraLibrary.h"
#include "tests/support/ShippedFilters.h"

namespace {

const std::map<std::string, std::string>& Sources() {
  static const std::map<std::string, std::string> sources = {
      {"00", "Scale:d=4,o=5,b=100:8c,d#.,2p,e6"},
      {"01", "C3 D#-2 P1 E+3"},
      {"11", "L35&2 C3 D#-2 P1 E+3 &&00"},
      {"02", "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:Scale\r\nMELODY:c#D.(b)EP+g\r\nEND:EMELODY"},
      {"03", "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nNAME:Scale\r\nBEAT:100\r\nMELODY:*5c3#d2.r1*6e2\r\nEND:"
              "IMELODY\r\n"},
      // C5 eighth, D#5 dotted quarter.
      {"04", Header(0, 1, 96) + Chunk("MTrk", Tempo120() +
                                              Bytes({0x00, 0x90, 0x3C, 0x64, 0x30, 0x80, 0x3C, 0x40, 0x00, 0x90, 0x3F,
                                                     0x64, 0x81, 0x10, 0x3F, 0x00}) +
                                              EndOfTrack())},
  };
  return sources;
}

}  // namespace

TEST(CrossFormat, EveryNotationIntoEveryTextNotation) {
  const struct {
    const char* from;
    const char* to;
    const char* text;
  } cases[] = {
      {"00", "00", "Scale:d=4,o=5,b=100:8C,D#.,2P,E6"},
      {"00", "01", "C-4 D#-3 P-2 E3 "},
      {"00", "11", "L35&2 C-4 D#-3 P-2 E3 &&1:"},
      {"00", "02", "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:Scale\r\nCOMPOSER:Carolune\r\nMELODY:c#d.P+e.\r\nEND:EMELODY"},
      {"00", "03", "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nBEAT:100\r\nNAME:Scale\r\nCOMPOSER:Carolune\r\nMELODY:*5C3#D2.r1*6E2\r\nEND:IMELODY"},
      {"01", "00", "Ring:d=4,o=6,b=64:C,2D#5,1P,E7"},
      {"01", "01", "C3 D#-2 P1 E+3 "},
      {"01", "11", "L35&2 C3 D#-2 P1 E+3 &&34"},
      {"01", "02", "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:Ring\r\nCOMPOSER:Carolune\r\nMELODY:+c.#D+P.++e.\r\nEND:EMELODY"},
      {"01", "03", "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nBEAT:64\r\nNAME:Ring\r\nCOMPOSER:Carolune\r\nMELODY:*6C2*5#D1*6r0*7E2\r\nEND:IMELODY"},
      {"11", "00", "Ring:d=4,o=6,b=64:C,2D#5,1P,E7"},
      {"11", "01", "C3 D#-2 P1 E+3 "},
      {"11", "11", "L35&2 C3 D#-2 P1 E+3 &&34"},
      {"11", "02", "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:Ring\r\nCOMPOSER:Carolune\r\nMELODY:+c.#D+P.++e.\r\nEND:EMELODY"},
      {"11", "03", "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nBEAT:64\r\nNAME:Ring\r\nCOMPOSER:Carolune\r\nMELODY:*6C2*5#D1*6r0*7E2\r\nEND:IMELODY"},
      {"02", "00", "Scale:d=4,o=6,b=64:8C,1D#,2D#,2P,8G7"},
      {"02", "01", "C4 D#1 D#2 P2 G+4 "},
      {"02", "11", "L35&2 C4 D#1 D#2 P2 G+4 &&6>"},
      {"02", "02", "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:Scale\r\nCOMPOSER:Carolune\r\nMELODY:c#D.(b)EP+g\r\nEND:EMELODY"},
      {"02", "03", "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nBEAT:64\r\nNAME:Scale\r\nCOMPOSER:Carolune\r\nMELODY:*6C3#D0&E1r1*7G3\r\nEND:IMELODY"},
      {"03", "00", "Scale:d=4,o=6,b=100:8c5,d#5.,2p5,e"},
      {"03", "01", "c-4 d#-3 p-2 e3 "},
      {"03", "11", "L35&2 c-4 d#-3 p-2 e3 &&1:"},
      {"03", "02", "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:Scale\r\nCOMPOSER:Carolune\r\nMELODY:c#d.P+e.\r\nEND:EMELODY"},
      {"03", "03", "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nBEAT:100\r\nNAME:Scale\r\nCOMPOSER:Carolune\r\nMELODY:*5c3#d2.r1*6e2\r\nEND:IMELODY"},
      {"04", "00", "Ring:d=4,o=6,b=120:8C5,D#5."},
      {"04", "01", "C-4 D#-3 "},
      {"04", "11", "L35&2 C-4 D#-3 &&23"},
      {"04", "02", "BEGIN:EMELODY\r\nVERSION:1.0\r\nNAME:Ring\r\nCOMPOSER:Carolune\r\nMELODY:c#d.\r\nEND:EMELODY"},
      {"04", "03", "BEGIN:IMELODY\r\nVERSION:1.2\r\nFORMAT:CLASS1.0\r\nBEAT:120\r\nNAME:Ring\r\nCOMPOSER:Carolune\r\nMELODY:*5C3#D2.\r\nEND:IMELODY"},
  };
  PelmoraLibrary lib;
  for (const auto& c : cases) {
    const auto r = lib.Convert(Sources().at(c.from), std::string("R") + c.from, std::string("R") + c.to);
    EXPECT_EQ(r.Code, Pelmora::rrSuccess) << c.from << " -> " << c.to;
    EXPECT_EQ(r.Text, c.text) << c.from << " -> " << c.to;
  }
}

TEST(CrossFormat, EveryNotationIntoMidiKeepsThePitches) {
  // The keys each source sounds (rests left out; a flat is a semitone down).
  const std::map<std::string, std::vector<int32_t>> keys = {
      {"00", {60, 63, 76}}, {"01", {72, 63, 88}}, {"11", {72, 63, 88}},
      {"02", {72, 75, 75, 91}}, {"03", {60, 63, 76}}, {"04", {60, 63}},
  };
  PelmoraLibrary lib;
  for (const auto& [code, text] : Sources()) {
    const auto r = lib.Convert(text, "R" + code, "R04");
    ASSERT_EQ(r.Code, Pelmora::rrSuccess) << code;
    TMidiFile midi;
    midi.LoadFromText(r.Text);
    ASSERT_TRUE(MidiToTones(midi));
    std::vector<int32_t> sounding;
    for (const auto& tone : midi.Track->Tones)
      if (!tone->IsRest()) sounding.push_back(NoteToMidiKey(tone->Note, tone->Accidental, tone->Octave));
    EXPECT_EQ(sounding, keys.at(code)) << code;
  }
}

TEST(CrossFormat, EveryNotationThroughEveryShippedFilter) {
  PelmoraLibrary lib;
  for (const auto& filter : ShippedFilterFiles())
    for (const auto& [code, text] : Sources()) {
      const auto r = lib.Map(text, "R" + code, filter.string(), "F");
      EXPECT_EQ(r.Code, Pelmora::rrSuccess) << code << " through " << filter;
      EXPECT_FALSE(r.Text.empty()) << code << " through " << filter;
    }
}

TEST(CrossFormat, CorpusTunesThroughAShippedFilter) {
  PelmoraLibrary lib;
  const std::string filter = ReadFileBytes(CAROLUNE_SOURCE_DIR "/filters/Filters/Nokia3310.mss");
  const auto tunes = CorpusTunes();
  ASSERT_GT(tunes.size(), 200u);
  for (const auto& [code, text] : tunes) {
    const auto r = lib.Map(text, "R" + code, filter);
    // A MIDI file without a header has no division: -5, still rendered.
    EXPECT_TRUE(r.Code == Pelmora::rrSuccess || (code == "04" && r.Code == Pelmora::rrCopyFailed))
        << code << " " << r.Code;
  }
}
