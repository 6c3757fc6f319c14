// The main window on a program folder and an options store of its own (a
// temporary folder), with a silent preview player, no sound card, the file
// dialogs answered by the test and the shell and the message boxes
// recorded (see DialogTestSupport.h).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <memory>
#include <string>
#include <vector>

#include "app/CaroluneOptions.h"
#include "app/MainFrm.h"
#include "runtime/StringList.h"
#include "runtime/SysUtils.h"
#include "tests/app/DialogTestSupport.h"
#include "tests/support/ShippedFilters.h"
#include "windowing/Application.h"
#include "windowing/AudioVolume.h"
#include "windowing/Dialogs.h"
#include "windowing/Shell.h"

// The machine's MIDI outputs (the players' synthesizers) and no mixer:
// a test never changes the volume of a real sound card.
class TSynthOnlyDevices : public TAudioDevices {
 public:
  int NumDevs(TVolumeDeviceKind kind) override {
    return kind == TVolumeDeviceKind::MidiOut ? PlatformAudioDevices().NumDevs(kind) : 0;
  }
  bool GetDevCaps(TVolumeDeviceKind kind, int device, TVolumeDevCaps& caps) override {
    return kind == TVolumeDeviceKind::MidiOut && PlatformAudioDevices().GetDevCaps(kind, device, caps);
  }
  bool GetVolume(TVolumeDeviceKind kind, int device, uint32_t& volume) override {
    return kind == TVolumeDeviceKind::MidiOut && PlatformAudioDevices().GetVolume(kind, device, volume);
  }
  bool SetVolume(TVolumeDeviceKind kind, int device, uint32_t volume) override {
    return kind == TVolumeDeviceKind::MidiOut && PlatformAudioDevices().SetVolume(kind, device, volume);
  }
};

// Answers the file dialogs while it lives: the file to choose (a path, or
// "" to cancel) and the filter entry to pick (from 1; 0 keeps the dialog's).
class TDialogAnswers {
 public:
  TDialogAnswers()
      : FPrevious(SetFileDialogRunner([this](QFileDialog& dialog) {
          ++runs;
          filters = dialog.nameFilters();
          selectedFilter = dialog.selectedNameFilter();
          directory = dialog.directory().absolutePath().toStdString();
          if (file.empty()) return false;
          // The entry first: choosing one in a save dialog changes the
          // extension of the name typed before.
          if (entry > 0) dialog.selectNameFilter(filters.value(entry - 1));
          dialog.selectFile(QString::fromStdString(file));
          return true;
        })) {}
  ~TDialogAnswers() { SetFileDialogRunner(FPrevious); }
  TDialogAnswers(const TDialogAnswers&) = delete;
  TDialogAnswers& operator=(const TDialogAnswers&) = delete;

  std::string file;
  int entry = 0;
  // How many dialogs ran, and what the last one offered.
  int runs = 0;
  QStringList filters;
  QString selectedFilter;
  std::string directory;

 private:
  TFileDialogRunner FPrevious;
};

class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest() {
    CaroluneOption = TVeskaroOption::Create<TCaroluneOption>(Store());
  }
  ~MainWindowTest() override {
    FWindow.reset();
    CaroluneOption.reset();
  }

  // The program folder, ending in "/", with its Filters folder.
  std::string Folder() const { return folder.Path(); }
  std::string FiltersFolder() const { return folder.FiltersFolder(); }
  std::string Store() const { return folder.StoreFile(); }
  std::string WriteFile(const std::string& name, const std::string& bytes) const { return folder.Write(name, bytes); }
  // The Filters folder as the programs ship it.
  void AddShippedFilters() const {
    QDir().mkpath(QString::fromStdString(FiltersFolder()));
    for (const auto& filter : ShippedFilterFiles())
      QFile::copy(QString::fromStdString(filter.string()),
                  QString::fromStdString(FiltersFolder() + "/" + filter.filename().string()));
  }
  // A filter of the kind (0 ScreenShow, 1 KeyPress) in the Filters folder,
  // made from a shipped filter of that kind with the phone's names.
  std::string AddFilter(const std::string& fileName, int type, const std::string& brand, const std::string& model,
                        const std::string& author = "Tester", const std::string& oid = "") const {
    // A shipped filter's templates, of the kind asked for.
    TStringList filter;
    filter.LoadFromFile(std::string(CAROLUNE_SOURCE_DIR) + "/filters/Filters/Nokia3310.mss");
    filter.SetValues("FilterInfo_FilterType", std::to_string(type));
    filter.SetValues("FilterInfo_MobileBrand", brand);
    filter.SetValues("FilterInfo_MobileModel", model);
    filter.SetValues("AuthorInfo_AuthorName", author);
    filter.SetValues("FilterInfo_FilterDesc", "For " + brand + " " + model);
    filter.SetValues("FilterFileOID", oid.empty() ? "{" + brand + "-" + model + "}" : oid);
    const std::string path = FiltersFolder() + "/" + fileName;
    filter.SaveToFile(path);
    return path;
  }

  // The window, made on first use (so that a test can prepare the store
  // and the Filters folder first).
  TfrmMain& Window() {
    if (!FWindow) {
      TfrmMainSetup setup;
      setup.ProgramFolder = Folder();
      setup.Player.Output = TMediaPlayerOutput::SilentRender;
      setup.AudioDevices = &devices;
      FWindow = std::make_unique<TfrmMain>(nullptr, setup);
    }
    return *FWindow;
  }
  void CloseWindow() { FWindow.reset(); }

  template <class T>
  T& Find(const std::string& name) {
    auto* component = dynamic_cast<T*>(Window().FindComponent(name));
    if (!component) ADD_FAILURE() << "no component " << name;
    return *component;
  }
  static void Idle() { Application().DoIdle(); }

  TDialogFolder folder;
  TMessageAnswers boxes;
  TShellRecorder shell;
  TSynthOnlyDevices devices;

 private:
  std::unique_ptr<TfrmMain> FWindow;
};
