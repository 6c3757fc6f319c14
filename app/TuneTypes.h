// The kinds of tune Carolune knows, one row each: the extensions a file of
// the kind has, how the conversion library names it, whether it can be a
// target, and where the main window shows it as a target page and as the
// source. Everything the program does by kind of tune reads this table: a
// notation comes in by its row and by what the main window's form
// description shows of it (its page, source panel, Convert command and the
// open dialog's entry).
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

#include "app/CaroluneOptions.h"
#include "app/MainFrm.dfm.h"

// A tune type code is the index of its row in kTuneTypes; the last row,
// ttUnknown, is a file of no known kind. The same codes name the target pages.
using TTuneType = uint8_t;
// A set of target types: the bit 1 << code for each.
using TTargetMask = uint8_t;

// Where the main window shows a tune as a target (components of its form
// description): the page, the page's text, the Convert command and its
// menu item; and the option that shows the page.
struct TTargetPageNames {
  TSkinTabSheet* TfrmMainDesign::*Sheet = nullptr;
  TSkinMemo* TfrmMainDesign::*Memo = nullptr;
  TAction* TfrmMainDesign::*Action = nullptr;
  TMenuItem* TfrmMainDesign::*MenuItem = nullptr;
  bool TCaroluneOption::*Shown = nullptr;
};

// Where the main window shows a tune as its source: the panel of the source
// group, the file name, the text (MIDI has none) and, for a target file,
// the phone it names.
struct TSourcePanelNames {
  TSkinImagePanel* TfrmMainDesign::*Panel = nullptr;
  TLabel* TfrmMainDesign::*FileLabel = nullptr;
  TSkinMemo* TfrmMainDesign::*Memo = nullptr;
  TSkinEdit* TfrmMainDesign::*Brand = nullptr;
  TSkinEdit* TfrmMainDesign::*Model = nullptr;
};

struct TTuneTypeInfo {
  // Names the source group's caption ("Source Format - RTTTL").
  const char* Name = "";
  // With the dot, matched without regard to letter case; a saved target
  // takes the first.
  std::array<const char*, 2> Extensions{};
  // The library's descriptor of a tune text of the kind ("R" and its format
  // code); empty when the library reads no such tune.
  const char* FormatCode = "";
  // What the save dialog calls such files ("RTTTL files (*.rtx)|*.rtx").
  const char* FileKind = "";
  // KeyPress and ScreenShow: made through the filter of the phone chosen on
  // their page, and saved as a target file that names the phone.
  bool Phone = false;
  // No sheet: the kind is no target.
  TTargetPageNames Page;
  // No panel: no file of the kind opens.
  TSourcePanelNames Source;
};

inline constexpr TTuneTypeInfo kTuneTypes[] = {
    {"RTTTL",
     {".rtx"},
     "R00",
     "RTTTL files",
     false,
     {&TfrmMainDesign::tsRTTTL, &TfrmMainDesign::mmRTTTL, &TfrmMainDesign::actRTTTL, &TfrmMainDesign::RTTTL1,
      &TCaroluneOption::IsShowRTTTL},
     {&TfrmMainDesign::pnlRTTTLSource, &TfrmMainDesign::lblRTTTLSourceFileName, &TfrmMainDesign::mmRTTTLSource}},
    {"iMelody",
     {".imy"},
     "R03",
     "iMelody files",
     false,
     {&TfrmMainDesign::tsiMelody, &TfrmMainDesign::mmiM, &TfrmMainDesign::actiMelody, &TfrmMainDesign::iMelody1,
      &TCaroluneOption::IsShowiMelody},
     {&TfrmMainDesign::pnliMelodySource, &TfrmMainDesign::lbliMelodySourceFileName, &TfrmMainDesign::mmiMelodySource}},
    {"eMelody",
     {".emy"},
     "R02",
     "eMelody files",
     false,
     {&TfrmMainDesign::tseMelody, &TfrmMainDesign::mmeM, &TfrmMainDesign::acteMelody, &TfrmMainDesign::eMelody1,
      &TCaroluneOption::IsShoweMelody},
     {&TfrmMainDesign::pnleMelodySource, &TfrmMainDesign::lbleMelodySourceFile, &TfrmMainDesign::mmeMelodySource}},
    {"MIDI",
     {".mid", ".miz"},
     "R04",
     "",
     false,
     {},
     {&TfrmMainDesign::pnlMIDISource, &TfrmMainDesign::lblMIDIFileName}},
    {"Composer",
     {".kpz"},
     "R01",
     "Composer format files",
     false,
     {&TfrmMainDesign::tsComposer, &TfrmMainDesign::mmCom, &TfrmMainDesign::actComposer, &TfrmMainDesign::actComposer1,
      &TCaroluneOption::IsShowComposer},
     {&TfrmMainDesign::pnlComposerSource, &TfrmMainDesign::lblComposerSourceFileName,
      &TfrmMainDesign::mmComposerSource}},
    {"KeyPress",
     {".tkp"},
     "",
     "KeyPress format files",
     true,
     {&TfrmMainDesign::tsKeypress, &TfrmMainDesign::mmKeyPress, &TfrmMainDesign::actKeyPress,
      &TfrmMainDesign::actKeyPress1, &TCaroluneOption::IsShowKeyPress},
     {&TfrmMainDesign::pnlKeyPressSource, &TfrmMainDesign::lblKeyPressSourceFileName, &TfrmMainDesign::mmKeyPressSource,
      &TfrmMainDesign::lblBrandKSource, &TfrmMainDesign::lblModelKSource}},
    {"ScreenShow",
     {".tss"},
     "",
     "ScreenShow format files",
     true,
     {&TfrmMainDesign::tsScreenShow, &TfrmMainDesign::mmScreenShow, &TfrmMainDesign::actScreenShow,
      &TfrmMainDesign::actScreenShow1, &TCaroluneOption::IsShowScreenShow},
     {&TfrmMainDesign::pnlScreenShowSource, &TfrmMainDesign::lblScreenShowSourceFileName,
      &TfrmMainDesign::mmScreenShowSource, &TfrmMainDesign::lblBrandSSource, &TfrmMainDesign::lblModelSSource}},
    {},  // unknown
};

// The codes the program names: the MIDI source is previewed, the phone
// notations have their phone choice, a file of no known kind is refused.
constexpr TTuneType ttRTTTL = 0, ttiMelody = 1, tteMelody = 2, ttMIDI = 3, ttComposer = 4, ttKeyPress = 5,
                    ttScreenShow = 6, ttUnknown = std::size(kTuneTypes) - 1;
static_assert(std::string_view(kTuneTypes[ttMIDI].Name) == "MIDI" &&
                  std::string_view(kTuneTypes[ttKeyPress].Name) == "KeyPress" &&
                  std::string_view(kTuneTypes[ttScreenShow].Name) == "ScreenShow",
              "a named code is the row of its notation");
static_assert(ttUnknown <= std::numeric_limits<TTargetMask>::digits, "a target mask has a bit for every type");

// The row of the type; ttUnknown's for any code past the notations.
const TTuneTypeInfo& TuneTypeOf(TTuneType type);
// The type of an extension (with its dot, any letter case); ttUnknown for
// any other.
TTuneType FileTypeOfExt(const std::string& ext);
// The library's descriptor of a tune text of the type; empty for the types
// the library does not read.
std::string FormatCodeOfType(TTuneType type);
// The bit of a target type in a target mask; 0 for a type that is no target.
TTargetMask TargetBit(TTuneType type);
// The targets a source of the type can be converted to.
TTargetMask TargetMaskForSource(TTuneType type);
// The source group's caption for a source of the type.
std::string SourceGroupCaption(TTuneType type);
// The save dialog's entry for a target type ("name (*.ext)|*.ext").
std::string SaveEntry(TTuneType type);
