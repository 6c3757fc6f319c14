// The main window, offscreen, opening a generated MIDI file and showing
// every target page in turn, as a user who opens a tune and clicks through
// the tabs: from 512 KiB up to the largest source the window accepts
// (4 MiB), so that the fit shows how the time grows with the file.
// Counters: the time until the first page shows, the time of the slowest
// page, the longest stretch in which the window could not answer, and the
// process's peak memory so far (the sizes run from small to large).
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/CaroluneOptions.h"
#include "app/MainFrm.h"
#include "runtime/StringList.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "tests/support/MidiTunes.h"
#include "windowing/AudioVolume.h"

namespace {

constexpr int64_t kLargestSource = 4 * 1024 * 1024;

// No sound devices: the benchmark never touches a real sound card.
class TNoAudioDevices : public TAudioDevices {
 public:
  int NumDevs(TVolumeDeviceKind) override { return 0; }
  bool GetDevCaps(TVolumeDeviceKind, int, TVolumeDevCaps&) override { return false; }
  bool GetVolume(TVolumeDeviceKind, int, uint32_t&) override { return false; }
  bool SetVolume(TVolumeDeviceKind, int, uint32_t) override { return false; }
};

// A program folder of its own with the shipped Nokia 3310 screen filter
// and a key filter made from its templates (no key filter is shipped), an
// options store choosing that phone, and the main window on them.
class TBenchWindow {
 public:
  TBenchWindow() {
    std::string pattern = (std::filesystem::temp_directory_path() / "carolune-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    FFolder = pattern + "/";
    std::filesystem::create_directories(FFolder + "Filters");
    TStringList filter;
    filter.LoadFromFile(std::string(CAROLUNE_SOURCE_DIR) + "/filters/Filters/Nokia3310.mss");
    filter.SaveToFile(FFolder + "Filters/Nokia3310.mss");
    filter.SetValues("FilterInfo_FilterType", "1");
    filter.SetValues("FilterFileOID", "{Nokia-3310-keys}");
    filter.SaveToFile(FFolder + "Filters/Nokia3310.kps");
    CaroluneOption = TVeskaroOption::Create<TCaroluneOption>(FFolder + "registry.ini");
    CaroluneOption->IsSetDefaultMobile = true;
    CaroluneOption->DefaultBrand = "Nokia";
    CaroluneOption->DefaultModel = "3310";
    TfrmMainSetup setup;
    setup.ProgramFolder = FFolder;
    setup.Player.Output = TMediaPlayerOutput::SilentRender;
    setup.AudioDevices = &FDevices;
    FWindow = std::make_unique<TfrmMain>(nullptr, setup);
    FWindow->Show();
    QApplication::processEvents();
  }
  ~TBenchWindow() {
    FWindow.reset();
    CaroluneOption.reset();
    std::filesystem::remove_all(FFolder);
  }
  TBenchWindow(const TBenchWindow&) = delete;
  TBenchWindow& operator=(const TBenchWindow&) = delete;

  TfrmMain& Window() const { return *FWindow; }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(FFolder + name, std::ios::binary) << bytes;
    return FFolder + name;
  }

 private:
  std::string FFolder;
  TNoAudioDevices FDevices;
  std::unique_ptr<TfrmMain> FWindow;
};

using TClock = std::chrono::steady_clock;

double MillisecondsSince(TClock::time_point start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

// Runs one step on the GUI thread and keeps the longest one: while a step
// runs the window answers nothing.
template <class Step>
void Timed(double& longest, const Step& step) {
  const auto start = TClock::now();
  step();
  longest = std::max(longest, MillisecondsSince(start));
}

// Lets the window work until the memo holds its text and the window has
// painted it.
void ShowPage(TfrmMain& w, const TSkinMemo& memo, double& longestStep) {
  const auto start = TClock::now();
  for (;;) {
    Timed(longestStep, [] { QApplication::processEvents(QEventLoop::AllEvents, 50); });
    if (!memo.IsEmpty()) break;
    if (MillisecondsSince(start) > 600000) throw std::runtime_error("a page stayed empty for ten minutes");
  }
  Timed(longestStep, [&] { w.repaint(); });
}

struct TTimings {
  double FirstPage = 0, SlowestPage = 0, LongestStep = 0;
};

// Opens the file and shows every target page in turn, first to last.
TTimings OpenAndShowEveryPage(TfrmMain& w, const std::string& path) {
  const std::pair<TSkinTabSheet*, const TSkinMemo*> pages[] = {
      {w.TargetSheet(ttScreenShow), w.TargetMemo(ttScreenShow)}, {w.TargetSheet(ttKeyPress), w.TargetMemo(ttKeyPress)},
      {w.TargetSheet(ttRTTTL), w.TargetMemo(ttRTTTL)},           {w.TargetSheet(ttComposer), w.TargetMemo(ttComposer)},
      {w.TargetSheet(ttiMelody), w.TargetMemo(ttiMelody)},       {w.TargetSheet(tteMelody), w.TargetMemo(tteMelody)}};
  TTimings timings;
  const auto start = TClock::now();
  Timed(timings.LongestStep, [&] { w.OpenFile(ttMIDI, path); });
  for (const auto& [sheet, memo] : pages) {
    const auto pageStart = TClock::now();
    Timed(timings.LongestStep, [&] { w.pgcTarget->SetActivePage(sheet); });
    ShowPage(w, *memo, timings.LongestStep);
    if (sheet == pages[0].first) timings.FirstPage = MillisecondsSince(start);
    timings.SlowestPage = std::max(timings.SlowestPage, MillisecondsSince(pageStart));
  }
  return timings;
}

TBenchWindow* Bench = nullptr;

void BM_MainWindow_OpenAndShowEveryPage(benchmark::State& state) {
  TfrmMain& w = Bench->Window();
  const int64_t notes = GeneratedMidiNotesIn(state.range(0));
  const std::string path = Bench->Write("generated.mid", GeneratedMidi(notes));
  TTimings timings;
  for (auto _ : state) timings = OpenAndShowEveryPage(w, path);
  state.counters["notes"] = static_cast<double>(notes);
  state.counters["first_page_ms"] = timings.FirstPage;
  state.counters["slowest_page_ms"] = timings.SlowestPage;
  state.counters["longest_freeze_ms"] = timings.LongestStep;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MainWindow_OpenAndShowEveryPage)
    ->RangeMultiplier(2)
    ->Range(kLargestSource / 8, kLargestSource)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const std::string runtime = "/tmp/carolune-bench-runtime-" + std::to_string(getuid());
  mkdir(runtime.c_str(), 0700);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  {
    TBenchWindow bench;
    Bench = &bench;
    // Fonts, the player and the skins are made ready once, before any figure.
    OpenAndShowEveryPage(bench.Window(), bench.Write("warm-up.mid", GeneratedMidi(100)));
    benchmark::RunSpecifiedBenchmarks();
    Bench = nullptr;
  }
  benchmark::Shutdown();
  return 0;
}
