// Test support for the dialog suites: a private folder with a Filters folder
// and an option store, filter files written into it, the shell's opener and
// the application's own messages recorded, and modal dialogs answered from
// inside their loops.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/CaroluneOptions.h"
#include "app/OptionFrm.h"
#include "filters/FilterAccess.h"
#include "skin/SkinButton.h"
#include "tests/support/EventLoopWait.h"
#include "tests/support/TempFolder.h"
#include "windowing/Application.h"
#include "windowing/Form.h"
#include "windowing/Shell.h"

// What a filter file says of itself.
struct TFilterFixture {
  int Type = 1;  // 0 ScreenShow, 1 KeyPress
  std::string Brand;
  std::string Model;
  std::string Author;
  std::string Description;
};

// A folder for one test: Filters inside it, filter files, an option store.
class TDialogFolder {
 public:
  TDialogFolder() { std::filesystem::create_directories(FiltersFolder()); }

  const std::string& Path() const { return FFolder.Path(); }
  std::string FiltersFolder() const { return Path() + "Filters"; }
  std::string StoreFile() const { return Path() + "config/registry.ini"; }
  TOptionPtr<TCaroluneOption> OpenOptions() const { return TVeskaroOption::Create<TCaroluneOption>(StoreFile()); }

  // Writes the bytes into a file of the folder; its full name.
  std::string Write(const std::string& name, const std::string& bytes) const { return FFolder.Write(name, bytes); }
  // Writes the filter into the folder's subfolder (the Filters folder by
  // default); its full name.
  std::string WriteFilter(const std::string& name, const TFilterFixture& f, const std::string& sub = "Filters") const {
    std::filesystem::create_directories(Path() + sub);
    return FFolder.Write(sub + "/" + name, "FilterInfo_FilterDesc=" + f.Description +
                                               "\r\nFilterInfo_MobileBrand=" + f.Brand +
                                               "\r\nFilterInfo_MobileModel=" + f.Model +
                                               "\r\nFilterInfo_FilterType=" + std::to_string(f.Type) +
                                               "\r\nAuthorInfo_AuthorName=" + f.Author + "\r\n");
  }
  // The names in the Filters folder, sorted.
  std::vector<std::string> FilterFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(FiltersFolder()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  TTempFolder FFolder;
};

// The main window's two filter lists, read from a Filters folder, and an
// options dialog made on them as the main window makes it.
struct TMainWindowLists {
  TMainWindowLists() {
    ScreenShow.FilterTag = "MSS";
    KeyPress.FilterTag = "KPS";
  }
  void Load(const std::string& folder) {
    ScreenShow.LoadFromFolder(folder);
    KeyPress.LoadFromFolder(folder);
  }
  std::unique_ptr<TfrmOptions> OptionsDialog(TCaroluneOption& options) {
    auto dialog = std::make_unique<TfrmOptions>(nullptr);
    dialog->ScreenShowFilters = &ScreenShow;
    dialog->KeyPressFilters = &KeyPress;
    dialog->Options = &options;
    return dialog;
  }

  TFilterCfgList ScreenShow, KeyPress;
};

// Records what is handed to the shell while it lives.
class TShellRecorder {
 public:
  TShellRecorder() : FPrevious(SetShellOpener([this](const std::string& target) { targets.push_back(target); })) {}
  ~TShellRecorder() { SetShellOpener(std::move(FPrevious)); }
  TShellRecorder(const TShellRecorder&) = delete;
  TShellRecorder& operator=(const TShellRecorder&) = delete;

  std::vector<std::string> targets;

 private:
  TShellOpener FPrevious;
};

// Records the program's own messages while it lives and answers each with
// the next of the answers given (the first button's once they run out).
class TMessageAnswers : public TMessageBoxProvider {
 public:
  explicit TMessageAnswers(std::deque<int> answers = {})
      : FAnswers(std::move(answers)), FPrevious(Application().SetMessageBoxProvider(this)) {}
  ~TMessageAnswers() override { Application().SetMessageBoxProvider(FPrevious); }
  TMessageAnswers(const TMessageAnswers&) = delete;
  TMessageAnswers& operator=(const TMessageAnswers&) = delete;

  int MessageBox(const std::string& text, const std::string& caption, unsigned) override {
    boxes.push_back({caption, text, {}, 0, 0, {}});
    return IDOK;
  }
  int MessageDialog(const TMessageDialogRequest& request) override {
    requests.push_back(request);
    if (FAnswers.empty()) return request.Buttons.empty() ? IDOK : request.Buttons.front().Result;
    const int answer = FAnswers.front();
    FAnswers.pop_front();
    return answer;
  }

  std::vector<TMessageDialogRequest> requests;  // the skinned boxes
  std::vector<TMessageDialogRequest> boxes;     // the platform's boxes

 private:
  std::deque<int> FAnswers;
  TMessageBoxProvider* FPrevious;
};

// A click on a skinned button or check box, as the user makes it.
inline void ClickButton(QWidget& button) { QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5)); }

// While it lives, each modal form of class F that shows is handed to the
// next answer, which must close it; a form left open fails by the bound of
// the hang guard instead of hanging the run.
template <class F>
class TModalAnswers {
 public:
  using TAnswer = std::function<void(F& form)>;
  explicit TModalAnswers(std::vector<TAnswer> answers) : FGuard("modal dialog"), FAnswers(std::move(answers)) {
    QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
    FTimer.start(5);
  }
  TModalAnswers(const TModalAnswers&) = delete;
  TModalAnswers& operator=(const TModalAnswers&) = delete;

  size_t Answered() const { return FNext; }

 private:
  // An answer may wait in loops of its own (a message box it opens), in
  // which the timer comes again: the form it answers is not asked twice.
  void Poll() {
    if (FAnswering) return;
    for (int i = 0; i < ScreenFormCount(); ++i) {
      auto* form = dynamic_cast<F*>(ScreenForms(i));
      if (!form || !form->Modal() || !form->isVisible() || form->ModalResult() != mrNone) continue;
      ASSERT_LT(FNext, FAnswers.size()) << "one modal dialog more than answers";
      FAnswering = true;
      FAnswers[FNext++](*form);
      FAnswering = false;
      return;
    }
  }

  THangGuard FGuard;
  std::vector<TAnswer> FAnswers;
  size_t FNext = 0;
  bool FAnswering = false;
  QTimer FTimer;
};
