// The options of Carolune that outlive a run: which target pages are shown,
// the default phone, and the recently opened files, kept in the user's
// registry store.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "runtime/StringList.h"
#include "windowing/Registry.h"

// The base of an options object kept in a store. A derived class reads the
// store in Load and writes it in Save. An object is made with Create, which
// loads it once it is whole, and freed through its TOptionPtr, which saves
// it while it is still whole: a constructor or destructor could not reach
// the derived Load and Save.
class TVeskaroOption {
 public:
  struct TSaveAndFree {
    void operator()(TVeskaroOption* option) const;
  };
  template <class T>
  using TOptionPtr = std::unique_ptr<T, TSaveAndFree>;

  template <class T, class... Args>
  static TOptionPtr<T> Create(Args&&... args) {
    auto option = std::make_unique<T>(std::forward<Args>(args)...);
    option->DoLoad();
    return TOptionPtr<T>(option.release());
  }

  virtual ~TVeskaroOption() = default;
  TVeskaroOption(const TVeskaroOption&) = delete;
  TVeskaroOption& operator=(const TVeskaroOption&) = delete;

  virtual void Load() = 0;
  virtual void Save() = 0;
  virtual void DoLoad() { Load(); }
  virtual void DoSave() { Save(); }

 protected:
  TVeskaroOption() = default;
};

template <class T>
using TOptionPtr = TVeskaroOption::TOptionPtr<T>;

class TCaroluneOption : public TVeskaroOption {
 public:
  static constexpr int MaxRecentFiles = 5;

  // The store is the user's own registry store unless a caller names
  // another file.
  explicit TCaroluneOption(std::string storeFileName = TRegistry::DefaultFileName());

  TStringList RecentFiles;  // oldest first, at most MaxRecentFiles
  bool IsShowiMelody = true;
  bool IsShoweMelody = true;
  bool IsShowComposer = true;
  bool IsShowKeyPress = true;
  bool IsShowScreenShow = true;
  bool IsShowRTTTL = true;
  bool IsSetDefaultMobile = false;
  std::string DefaultBrand;
  std::string DefaultModel;

  // Reads everything; a value that is missing or of the wrong type reads as
  // its default.
  void Load() override;
  // Writes the general and display options; the recent files are written
  // only by SaveRecentFiles.
  void Save() override;
  virtual void SaveRecentFiles();
  // Makes path the newest entry (a listed path, found without regard to
  // case, moves to the end), drops the oldest beyond MaxRecentFiles and
  // writes the list.
  virtual void AddRecentFile(const std::string& path);
  // What the options dialog calls when it is confirmed.
  virtual void WriteOptions() { DoSave(); }
  virtual void ReadOptions() { DoLoad(); }

 private:
  void LoadRecentFiles(TRegistry& registry);
  void LoadGeneral(TRegistry& registry);
  void LoadTargets(TRegistry& registry);

  std::string FStoreFileName;
};

// The program's single options object: the program block creates it with
// TVeskaroOption::Create<TCaroluneOption>() before the main window and
// resets it (which saves) after the message loop has ended.
extern TOptionPtr<TCaroluneOption> CaroluneOption;
