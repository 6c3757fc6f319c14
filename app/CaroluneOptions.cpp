#include "app/CaroluneOptions.h"

#include <optional>

#include "runtime/SysUtils.h"

TOptionPtr<TCaroluneOption> CaroluneOption;

void TVeskaroOption::TSaveAndFree::operator()(TVeskaroOption* option) const {
  const std::unique_ptr<TVeskaroOption> owned(option);
  owned->DoSave();
}

namespace {

const std::string ProductKey = "\\Software\\Veskaro\\Carolune";
const std::string RecentFilesKey = ProductKey + "\\RecentFiles";
const std::string TargetKey = ProductKey + "\\Target";

std::optional<int32_t> ReadNumber(const TRegistry& registry, const std::string& name) {
  try {
    return registry.ReadInteger(name);
  } catch (const ERegistryException&) {
    return std::nullopt;
  }
}

bool ReadBoolean(const TRegistry& registry, const std::string& name, bool fallback) {
  const std::optional<int32_t> value = ReadNumber(registry, name);
  return value ? *value != 0 : fallback;
}

std::string ReadText(const TRegistry& registry, const std::string& name) {
  try {
    return registry.ReadString(name);
  } catch (const ERegistryException&) {
    return {};
  }
}

void WriteBoolean(TRegistry& registry, const std::string& name, bool value) {
  registry.WriteInteger(name, value ? 1 : 0);
}

}  // namespace

TCaroluneOption::TCaroluneOption(std::string storeFileName) : FStoreFileName(std::move(storeFileName)) {}

void TCaroluneOption::Load() {
  TRegistry registry(FStoreFileName);
  LoadRecentFiles(registry);
  LoadGeneral(registry);
  LoadTargets(registry);
}

void TCaroluneOption::LoadRecentFiles(TRegistry& registry) {
  if (!registry.OpenKey(RecentFilesKey, true)) return;
  // A Number that is missing or of the wrong type leaves the list as it is.
  if (const std::optional<int32_t> number = ReadNumber(registry, "Number")) {
    RecentFiles.Clear();
    // Only the newest entries count; a missing entry reads as empty, one of
    // another type is skipped.
    for (int32_t i = *number > MaxRecentFiles ? *number - MaxRecentFiles : 0; i < *number; ++i) {
      try {
        RecentFiles.Add(registry.ReadString(IntToStr(i)));
      } catch (const ERegistryException&) {
      }
    }
  }
  registry.CloseKey();
}

void TCaroluneOption::LoadGeneral(TRegistry& registry) {
  if (!registry.OpenKey(ProductKey, true)) return;
  IsSetDefaultMobile = ReadBoolean(registry, "IsSetDefaultMobile", false);
  DefaultBrand = ReadText(registry, "DefaultBrand");
  DefaultModel = ReadText(registry, "DefaultModel");
  registry.CloseKey();
}

void TCaroluneOption::LoadTargets(TRegistry& registry) {
  const bool opened = registry.OpenKey(TargetKey, true);
  auto read = [&](const char* name) { return !opened || ReadBoolean(registry, name, true); };
  IsShowRTTTL = read("IsShowRTTTL");
  IsShowiMelody = read("IsShowiMelody");
  IsShoweMelody = read("IsShoweMelody");
  IsShowComposer = read("IsShowComposer");
  IsShowScreenShow = read("IsShowScreenShow");
  IsShowKeyPress = read("IsShowKeyPress");
  if (opened) registry.CloseKey();
}

// A store that cannot be written is skipped without a message, key by key.
void TCaroluneOption::Save() {
  TRegistry registry(FStoreFileName);
  try {
    if (registry.OpenKey(ProductKey, true)) {
      WriteBoolean(registry, "IsSetDefaultMobile", IsSetDefaultMobile);
      registry.WriteString("DefaultBrand", DefaultBrand);
      registry.WriteString("DefaultModel", DefaultModel);
      registry.CloseKey();
    }
  } catch (const ERegistryException&) {
  }
  try {
    if (registry.OpenKey(TargetKey, true)) {
      WriteBoolean(registry, "IsShowRTTTL", IsShowRTTTL);
      WriteBoolean(registry, "IsShowiMelody", IsShowiMelody);
      WriteBoolean(registry, "IsShoweMelody", IsShoweMelody);
      WriteBoolean(registry, "IsShowComposer", IsShowComposer);
      WriteBoolean(registry, "IsShowScreenShow", IsShowScreenShow);
      WriteBoolean(registry, "IsShowKeyPress", IsShowKeyPress);
      registry.CloseKey();
    }
  } catch (const ERegistryException&) {
  }
}

// Entries beyond Number left from a longer list stay in the store; Number
// keeps them from being read.
void TCaroluneOption::SaveRecentFiles() {
  TRegistry registry(FStoreFileName);
  try {
    if (!registry.OpenKey(RecentFilesKey, true)) return;
    registry.WriteInteger("Number", RecentFiles.Count());
    for (int i = 0; i < RecentFiles.Count(); ++i) registry.WriteString(IntToStr(i), RecentFiles[i]);
    registry.CloseKey();
  } catch (const ERegistryException&) {
  }
}

void TCaroluneOption::AddRecentFile(const std::string& path) {
  // A listed path moves to the end under the spelling just used.
  const int index = RecentFiles.IndexOf(path);
  if (index >= 0) RecentFiles.Delete(index);
  RecentFiles.Add(path);
  while (RecentFiles.Count() > MaxRecentFiles) RecentFiles.Delete(0);
  SaveRecentFiles();
}
