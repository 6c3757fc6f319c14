// The main window opening any file as a source of any type and writing
// every target page it offers: a file the window refuses says why and
// leaves the current source as it was; an opened one writes exactly the
// targets its type allows. The window converts through the shipped phone
// filters, with a default phone chosen so that the KeyPress and ScreenShow
// pages convert too.
//
// Input: one byte choosing the source's type (by its extension), then the
// file's bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/CaroluneOptions.h"
#include "app/MainFrm.h"
#include "fuzz/FuzzApplication.h"
#include "fuzz/FuzzSupport.h"
#include "runtime/SysUtils.h"
#include "windowing/AudioVolume.h"

namespace {

// Source types by extension, and the target pages by extension.
const std::array<const char*, 7> kSources = {".rtx", ".imy", ".emy", ".mid", ".kpz", ".tkp", ".tss"};
const std::array<const char*, 6> kTargets = {".rtx", ".imy", ".emy", ".kpz", ".tkp", ".tss"};

// No sound card and no synthesizer: the preview's volume stays out of it.
class TNoDevices : public TAudioDevices {
 public:
  int NumDevs(TVolumeDeviceKind) override { return 0; }
  bool GetDevCaps(TVolumeDeviceKind, int, TVolumeDevCaps&) override { return false; }
  bool GetVolume(TVolumeDeviceKind, int, uint32_t&) override { return false; }
  bool SetVolume(TVolumeDeviceKind, int, uint32_t) override { return false; }
};

TfrmMain* Window = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  StartHeadlessApplication(argc, argv);
  std::filesystem::copy(CAROLUNE_SOURCE_DIR "/filters/Filters", Folder().Path() + "Filters");
  CaroluneOption = TVeskaroOption::Create<TCaroluneOption>(Folder().Path() + "registry.ini");
  CaroluneOption->IsSetDefaultMobile = true;
  CaroluneOption->DefaultBrand = "Nokia";
  CaroluneOption->DefaultModel = "3310";
  static TNoDevices devices;
  TfrmMainSetup setup;
  setup.ProgramFolder = Folder().Path();
  setup.Player.Output = TMediaPlayerOutput::SilentRender;
  setup.AudioDevices = &devices;
  Window = new TfrmMain(nullptr, setup);
  // The window and the options go before the application at exit.
  std::atexit([] {
    delete Window;
    CaroluneOption.reset();
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string extension = kSources[data[0] % kSources.size()];
  const std::string path = Folder().Write("source" + extension, InputBytes(data + 1, size - 1));
  const TTuneType type = FileTypeOfExt(extension);
  const std::string before = Window->SourceFile();
  try {
    Window->OpenFile(type, path);
  } catch (const Exception&) {
    FUZZ_CHECK(Window->SourceFile() == before);
    return 0;
  }
  FUZZ_CHECK(Window->SourceFile() == path && Window->SourceType() == type);
  for (const char* target : kTargets) {
    const bool offered = (Window->TargetMask() & TargetBit(FileTypeOfExt(target))) != 0;
    FUZZ_CHECK(Window->TargetFiles().WriteTargetFile(Folder().Path() + "target" + target) == offered);
  }
  return 0;
}
