#include "windowing/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

#include "runtime/SysUtils.h"
#include "windowing/MessageBoxes.h"
#include "windowing/NativeControl.h"

namespace {

TFileDialogRunner& Runner() {
  static TFileDialogRunner runner;
  return runner;
}

bool Run(QFileDialog& dialog) {
  if (Runner()) return Runner()(dialog);
  return dialog.exec() == QDialog::Accepted;
}

// The pieces of a "a|b|c|d" text; a missing last pattern counts as empty.
std::vector<std::string> Pieces(const std::string& filter) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (size_t bar; (bar = filter.find('|', start)) != std::string::npos; start = bar + 1)
    pieces.push_back(filter.substr(start, bar - start));
  pieces.push_back(filter.substr(start));
  return pieces;
}

QString QtPatterns(const std::string& patterns) {
  QStringList list;
  for (const QString& pattern : FromLocal8Bit(patterns).split(';', Qt::SkipEmptyParts)) {
    const QString trimmed = pattern.trimmed();
    if (trimmed.isEmpty()) continue;
    list << (trimmed == "*.*" ? QStringLiteral("*") : trimmed);
  }
  return list.join(' ');
}

// The entry chosen, which the dialog names without its patterns.
int ChosenFilter(const QFileDialog& dialog) {
  const QStringList filters = dialog.nameFilters();
  const QString chosen = dialog.selectedNameFilter();
  for (int i = 0; i < filters.size(); ++i)
    if (chosen == filters[i] || chosen == filters[i].left(filters[i].lastIndexOf(" ("))) return i;
  return -1;
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  QStringList filters;
  if (filter.empty()) return filters;
  const std::vector<std::string> pieces = Pieces(filter);
  for (size_t i = 0; i + 1 < pieces.size(); i += 2) {
    const QString patterns = QtPatterns(pieces[i + 1]);
    if (patterns.isEmpty()) continue;
    filters << FromLocal8Bit(pieces[i]) + " (" + patterns + ")";
  }
  return filters;
}

TFileDialogRunner SetFileDialogRunner(TFileDialogRunner runner) {
  TFileDialogRunner previous = std::move(Runner());
  Runner() = std::move(runner);
  return previous;
}

const TEnumInfo& TOpenDialog::OptionNames() {
  static const TEnumInfo names{
      {"ofReadOnly",        "ofOverwritePrompt",  "ofHideReadOnly",       "ofNoChangeDir",         "ofShowHelp",
       "ofNoValidate",      "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist",       "ofFileMustExist",
       "ofCreatePrompt",    "ofShareAware",       "ofNoReadOnlyReturn",   "ofNoTestFileCreate",    "ofNoNetworkButton",
       "ofNoLongNames",     "ofOldStyleDialog",   "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing",
       "ofDontAddToRecent", "ofForceShowHidden"}};
  return names;
}

const TClassInfo& TOpenDialog::StaticClassInfo() {
  static const auto info =
      DefineClass<TOpenDialog>("TOpenDialog", ComponentClassInfo(), [](TPublisher<TOpenDialog>& p) {
        p.String("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt)
            .String("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName)
            .String("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
            .Integer("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex)
            .String("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir)
            .Set("Options", OptionNames(), &TOpenDialog::Options, &TOpenDialog::SetOptions)
            .String("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
      });
  return *info;
}

bool TOpenDialog::Execute() {
  QFileDialog dialog(QApplication::activeWindow());
  Prepare(dialog);
  for (;;) {
    if (!Run(dialog)) return false;
    TStringList files = Chosen(dialog);
    if (files.Count() == 0) return false;
    if (!Confirm(files[0])) continue;
    FFiles = std::move(files);
    FFileName = FFiles[0];
    if (const int chosen = ChosenFilter(dialog); chosen >= 0) FFilterIndex = chosen + 1;
    return true;
  }
}

void TOpenDialog::Prepare(QFileDialog& dialog) const {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setWindowTitle(FromLocal8Bit(FTitle));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode((FOptions & ofAllowMultiSelect) ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  const QStringList filters = QtNameFilters(FFilter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    if (FFilterIndex >= 1 && FFilterIndex <= filters.size()) dialog.selectNameFilter(filters[FFilterIndex - 1]);
  }
  std::string folder = FInitialDir.empty() ? ExtractFilePath(FFileName) : FInitialDir;
  if (folder.empty()) folder = QDir::currentPath().toStdString();
  dialog.setDirectory(FromLocal8Bit(folder));
  if (!FFileName.empty()) dialog.selectFile(FromLocal8Bit(ExtractFileName(FFileName)));
}

TStringList TOpenDialog::Chosen(const QFileDialog& dialog) const {
  TStringList files;
  for (const QString& file : dialog.selectedFiles()) {
    std::string name = ToLocal8Bit(file);
    if (name.empty() || name.back() == '/') continue;
    if (!FDefaultExt.empty() && ExtractFileExt(name).empty()) name += "." + FDefaultExt;
    files.Add(name);
  }
  return files;
}

const TClassInfo& TSaveDialog::StaticClassInfo() {
  static const auto info = DefineClass<TSaveDialog>("TSaveDialog", TOpenDialog::StaticClassInfo(), nullptr);
  return *info;
}

void TSaveDialog::Prepare(QFileDialog& dialog) const {
  TOpenDialog::Prepare(dialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
}

bool TSaveDialog::Confirm(const std::string& fileName) const {
  if (!(Options() & ofOverwritePrompt) || !FileExists(fileName)) return true;
  const std::string caption = Title().empty() ? "Save As" : Title();
  return ShowMessageBox(fileName + " already exists.\nDo you want to replace it?", caption,
                        MB_YESNO | MB_ICONWARNING) == IDYES;
}
