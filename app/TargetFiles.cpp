#include "app/TargetFiles.h"

#include <algorithm>

#include "app/PhonePages.h"
#include "runtime/AtomicFile.h"
#include "runtime/SysUtils.h"
#include "skin/SkinForm.h"
#include "skin/VeskaroGlimaraCommon.h"
#include "windowing/Dialogs.h"

std::string TargetFileText(const std::string& brand, const std::string& model, const TStringList& lines) {
  TStringList file;
  file.Add("Brand=" + brand);
  file.Add("Model=" + model);
  file.Add("[Content]");
  for (const std::string& line : lines.Lines()) file.Add(line);
  return file.Text();
}

TTargetFiles::TTargetFiles(TSaveDialog& dialog, const TPhonePages& phones, const TSkinForm& frame, const TFont& font,
                           TWindow window)
    : sdSaveRingtone(&dialog), FPhones(phones), FFrame(frame), FFont(font), FWindow(std::move(window)) {}

bool TTargetFiles::PrepareSaveDialog(TTuneType type) {
  FSaveExtensions.Clear();
  std::string filter;
  const TTargetMask mask = FWindow.TargetMask;
  for (TTuneType target = 0; target < ttUnknown; ++target)
    if (mask & TargetBit(target)) {
      filter += SaveEntry(target) + "|";
      FSaveExtensions.Add(TuneTypeOf(target).Extensions[0]);
    }
  if (!filter.empty()) filter.pop_back();
  sdSaveRingtone->SetFilter(filter);
  sdSaveRingtone->SetFileName("untitled");
  // The dialog opens beside the source.
  sdSaveRingtone->SetInitialDir(ExtractFilePath(FWindow.SourceFile));
  int index = 1;
  if (type != ttUnknown) {
    const auto& extensions = FSaveExtensions.Lines();
    const auto found = std::find_if(extensions.begin(), extensions.end(),
                                    [type](const std::string& ext) { return FileTypeOfExt(ext) == type; });
    index = found == extensions.end() ? 0 : static_cast<int>(found - extensions.begin()) + 1;
  }
  sdSaveRingtone->SetFilterIndex(index);
  return true;
}

bool TTargetFiles::SaveAs() { return Save(ttUnknown); }

bool TTargetFiles::Save(TTuneType pageType) {
  PrepareSaveDialog(pageType);
  if (!sdSaveRingtone->Execute()) return false;
  const int index = sdSaveRingtone->FilterIndex();
  if (index < 1 || index > FSaveExtensions.Count()) return false;
  std::string fileName = sdSaveRingtone->FileName();
  // A name whose extension is no target offered (none at all, or another)
  // gets the chosen entry's, so that the file chosen is always written.
  if ((FWindow.TargetMask & TargetBit(FileTypeOfExt(ExtractFileExt(fileName)))) == 0)
    fileName += FSaveExtensions.Strings(index - 1);
  // The dialog could not ask about the name as it is now.
  if (FileExists(fileName) && !ConfirmReplace(fileName)) return false;
  return WriteTargetFile(fileName);
}

bool TTargetFiles::ConfirmReplace(const std::string& fileName) const {
  return ShowSkinMessageBox("Save Ringtone",
                            "\"" + ExtractFileName(fileName) + "\" already exists. Do you want to replace it?", "Yes",
                            mrYes, "No", mrNo, "", mrNone, 2, TSkinIconType::skinWarning, FFrame.UIStyle(),
                            FFont) == mrYes;
}

bool TTargetFiles::WriteTargetFile(const std::string& fileName) {
  const TTuneType type = FileTypeOfExt(ExtractFileExt(fileName));
  if ((FWindow.TargetMask & TargetBit(type)) == 0) return false;
  // The page comes to the front, and so is converted first when empty; a
  // page the options hide shows its tab, as the Convert command does.
  const TStringList lines = FWindow.ShowPage(type);
  if (TuneTypeOf(type).Phone)
    WriteFileAtomically(fileName, TargetFileText(FPhones.Brand(type), FPhones.Model(type), lines));
  else
    WriteFileAtomically(fileName, lines.Text());
  return true;
}
