// The table of tune types: what a file's extension makes of it, how the
// library names it, the targets a source allows and how the window and the
// save dialog call it.
#include <gtest/gtest.h>

#include <utility>

#include "app/TuneTypes.h"

TEST(TuneTypes, ExtensionsFormatCodesAndTargetBits) {
  const std::pair<const char*, TTuneType> types[] = {
      {".mid", ttMIDI},     {".MID", ttMIDI},    {".Mid", ttMIDI},    {".miz", ttMIDI},    {".tss", ttScreenShow},
      {".TKP", ttKeyPress}, {".rtx", ttRTTTL},   {".imy", ttiMelody}, {".emy", tteMelody}, {".kpz", ttComposer},
      {"", ttUnknown},      {".txt", ttUnknown}, {"mid", ttUnknown},  {".midi", ttUnknown}};
  for (const auto& [ext, type] : types) EXPECT_EQ(FileTypeOfExt(ext), type) << ext;
  const char* const codes[] = {"R00", "R03", "R02", "R04", "R01", "", "", ""};
  for (TTuneType type = 0; type <= ttUnknown; ++type) EXPECT_EQ(FormatCodeOfType(type), codes[type]);
  const uint8_t bits[] = {0x01, 0x02, 0x04, 0, 0x10, 0x20, 0x40, 0};
  for (TTuneType type = 0; type <= ttUnknown; ++type) EXPECT_EQ(TargetBit(type), bits[type]);
}

TEST(TuneTypes, TargetsCaptionsAndSaveEntriesOfEachType) {
  struct TCase {
    TTuneType Type;
    TTargetMask Targets;
    const char* Caption;  // null: no such source opens
    const char* SaveEntry;
  };
  const TCase cases[] = {
      {ttRTTTL, 0x76, "Source Format - RTTTL", "RTTTL files (*.rtx)|*.rtx"},
      {ttiMelody, 0x75, "Source Format - iMelody", "iMelody files (*.imy)|*.imy"},
      {tteMelody, 0x73, "Source Format - eMelody", "eMelody files (*.emy)|*.emy"},
      {ttMIDI, 0x77, "Source Format - MIDI", ""},
      {ttComposer, 0x67, "Source Format - Composer", "Composer format files (*.kpz)|*.kpz"},
      {ttKeyPress, 0, "Source Format - KeyPress", "KeyPress format files (*.tkp)|*.tkp"},
      {ttScreenShow, 0, "Source Format - ScreenShow", "ScreenShow format files (*.tss)|*.tss"},
      {ttUnknown, 0, nullptr, ""},
      {ttUnknown + 1, 0, nullptr, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Type));
    EXPECT_EQ(TargetMaskForSource(c.Type), c.Targets);
    if (c.Caption) {
      EXPECT_EQ(SourceGroupCaption(c.Type), c.Caption);
    }
    EXPECT_EQ(SaveEntry(c.Type), c.SaveEntry);
  }
}
