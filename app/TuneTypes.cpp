#include "app/TuneTypes.h"

#include <algorithm>

#include "runtime/SysUtils.h"

const TTuneTypeInfo& TuneTypeOf(TTuneType type) { return kTuneTypes[std::min(type, ttUnknown)]; }

TTuneType FileTypeOfExt(const std::string& ext) {
  for (TTuneType type = 0; type < ttUnknown; ++type)
    for (const char* extension : kTuneTypes[type].Extensions)
      if (extension && SameText(ext, extension)) return type;
  return ttUnknown;
}

std::string FormatCodeOfType(TTuneType type) { return TuneTypeOf(type).FormatCode; }

TTargetMask TargetBit(TTuneType type) { return TuneTypeOf(type).Page.Sheet ? static_cast<TTargetMask>(1u << type) : 0; }

TTargetMask TargetMaskForSource(TTuneType type) {
  // A tune the library reads goes to every target but its own notation; a
  // target file is only shown.
  if (FormatCodeOfType(type).empty()) return 0;
  TTargetMask mask = 0;
  for (TTuneType target = 0; target < ttUnknown; ++target)
    if (target != type) mask |= TargetBit(target);
  return mask;
}

std::string SourceGroupCaption(TTuneType type) { return std::string("Source Format - ") + TuneTypeOf(type).Name; }

std::string SaveEntry(TTuneType type) {
  const TTuneTypeInfo& info = TuneTypeOf(type);
  if (!info.Page.Sheet) return {};
  const std::string extension = info.Extensions[0];
  return std::string(info.FileKind) + " (*" + extension + ")|*" + extension;
}
