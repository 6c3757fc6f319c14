// Saving the main window's target pages: the save dialog offers one entry
// per target of the current source, and a page is written as a file of its
// type; the KeyPress and ScreenShow pages as target files that name their
// phone and open again as sources. A file that exists is replaced only when
// the user says so.
#pragma once

#include <functional>
#include <string>

#include "app/TuneTypes.h"
#include "runtime/StringList.h"

class TFont;
class TPhonePages;
class TSaveDialog;
class TSkinForm;

// A KeyPress or ScreenShow target file: "Brand=", "Model=", "[Content]" and
// the page's lines, every line ended by CR LF.
std::string TargetFileText(const std::string& brand, const std::string& model, const TStringList& lines);

class TTargetFiles {
 public:
  // What saving reads of the window, which outlives it: the current
  // source's fields, read where they are, and one command.
  struct TWindow {
    // The targets of the current source.
    const TTargetMask& TargetMask;
    // The current source's path; empty while none is open.
    const std::string& SourceFile;
    // Brings the page of a target type to the front (converting it when it
    // is empty) and gives its lines.
    std::function<TStringList(TTuneType)> ShowPage;
  };

  // The questions are asked in the style of the window's frame and in its font.
  TTargetFiles(TSaveDialog& dialog, const TPhonePages& phones, const TSkinForm& frame, const TFont& font,
               TWindow window);

  // Save offers the entry of the active page's type first (the first entry
  // for ttUnknown), SaveAs the first entry; true when a file was written.
  bool Save(TTuneType pageType);
  bool SaveAs();
  // Fills the save dialog with one entry per target of the current source
  // and chooses the entry of the type (the first for ttUnknown).
  bool PrepareSaveDialog(TTuneType type);
  // Writes the page of the name's extension (converting it first when it
  // is empty); false, writing nothing, when the type is no target of the
  // current source. A file that cannot be written raises and stays as it was.
  bool WriteTargetFile(const std::string& fileName);

  TSaveDialog* const sdSaveRingtone;

 private:
  // Asks whether the file that exists may be replaced; true on Yes.
  bool ConfirmReplace(const std::string& fileName) const;

  const TPhonePages& FPhones;
  const TSkinForm& FFrame;
  const TFont& FFont;
  const TWindow FWindow;
  // The extensions of the dialog's entries: entry i (from 1) is item i - 1.
  TStringList FSaveExtensions;
};
