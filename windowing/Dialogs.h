// The open and save dialogs: Qt's own file dialog (never the desktop's, so
// that it looks alike everywhere and tests can drive it) with the class
// library's settings. A filter is "description|patterns|..." with the
// patterns of one entry separated by ";"; FilterIndex counts its entries
// from 1. Execute shows the dialog modally and, when the user confirms,
// leaves the chosen names in FileName and Files. Tests answer the dialog
// through a runner of their own.
#pragma once

#include <QStringList>
#include <functional>
#include <string>

#include "runtime/Component.h"
#include "runtime/StringList.h"
#include "windowing/Persistent.h"

class QFileDialog;

// The class library's dialog options, one bit each in this order.
enum TOpenOption : unsigned {
  ofReadOnly = 1u << 0,
  ofOverwritePrompt = 1u << 1,
  ofHideReadOnly = 1u << 2,
  ofNoChangeDir = 1u << 3,
  ofShowHelp = 1u << 4,
  ofNoValidate = 1u << 5,
  ofAllowMultiSelect = 1u << 6,
  ofExtensionDifferent = 1u << 7,
  ofPathMustExist = 1u << 8,
  ofFileMustExist = 1u << 9,
  ofCreatePrompt = 1u << 10,
  ofShareAware = 1u << 11,
  ofNoReadOnlyReturn = 1u << 12,
  ofNoTestFileCreate = 1u << 13,
  ofNoNetworkButton = 1u << 14,
  ofNoLongNames = 1u << 15,
  ofOldStyleDialog = 1u << 16,
  ofNoDereferenceLinks = 1u << 17,
  ofEnableIncludeNotify = 1u << 18,
  ofEnableSizing = 1u << 19,
  ofDontAddToRecent = 1u << 20,
  ofForceShowHidden = 1u << 21,
};
using TOpenOptions = unsigned;

// Qt's name filters of a filter text: "desc (pattern pattern)" per entry;
// "*.*" becomes "*", which matches names without a dot too, as it does on
// the platform. An entry without patterns is dropped.
QStringList QtNameFilters(const std::string& filter);

// Runs a prepared dialog in place of the user: true when it was confirmed.
using TFileDialogRunner = std::function<bool(QFileDialog& dialog)>;
// Installs a runner (empty: the dialog is shown to the user); returns the previous one.
TFileDialogRunner SetFileDialogRunner(TFileDialogRunner runner);

class TOpenDialog : public TComponent, public TPersistent {
 public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TEnumInfo& OptionNames();

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& title) { FTitle = title; }
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& filter) { FFilter = filter; }
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int index) { FFilterIndex = index; }
  // Appended (with its ".") to a chosen name that has no extension.
  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& ext) { FDefaultExt = ext; }
  // The first chosen file; before Execute, the name the dialog offers.
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& name) { FFileName = name; }
  // The folder the dialog starts in; empty: that of FileName, or the current one.
  const std::string& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& dir) { FInitialDir = dir; }
  TOpenOptions Options() const { return FOptions; }
  void SetOptions(TOpenOptions options) { FOptions = options; }
  // Every chosen file, in the order chosen.
  const TStringList& Files() const { return FFiles; }

  // Shows the dialog; true when the user confirmed a choice.
  virtual bool Execute();

 protected:
  virtual void Prepare(QFileDialog& dialog) const;
  // Whether the confirmed choice of this file stands (a save dialog may ask first).
  virtual bool Confirm(const std::string& fileName) const {
    (void)fileName;
    return true;
  }

 private:
  // The dialog's chosen files, each with the default extension where it has none.
  TStringList Chosen(const QFileDialog& dialog) const;

  std::string FTitle;
  std::string FFilter;
  int FFilterIndex = 1;
  std::string FDefaultExt;
  std::string FFileName;
  std::string FInitialDir;
  TOpenOptions FOptions = ofHideReadOnly | ofEnableSizing;
  TStringList FFiles;
};

class TSaveDialog : public TOpenDialog {
 public:
  explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 protected:
  void Prepare(QFileDialog& dialog) const override;
  // With ofOverwritePrompt, a file that exists is replaced only when the
  // user agrees in the platform's box; otherwise the dialog comes back.
  bool Confirm(const std::string& fileName) const override;
};
