// Test support for the filter editor: an editor window on a private
// temporary folder, with its message boxes, file dialogs and the shell
// answered and recorded by the test.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "filters/DravikFrm.h"
#include "skin/SkinForm.h"
#include "skin/SkinImagePanel.h"
#include "skin/SkinListBox.h"
#include "tests/support/TempFolder.h"
#include "windowing/Action.h"
#include "windowing/Application.h"
#include "windowing/Dialogs.h"
#include "windowing/Shell.h"

// Answers every message box: the skinned ones by the next scripted answer
// (OK when none is left), the platform's with OK; keeps what they said.
class TBoxes : public TMessageBoxProvider {
 public:
  TBoxes() : FPrevious(Application().SetMessageBoxProvider(this)) {}
  ~TBoxes() override { Application().SetMessageBoxProvider(FPrevious); }
  TBoxes(const TBoxes&) = delete;
  TBoxes& operator=(const TBoxes&) = delete;

  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
    errors.push_back(caption + ": " + text);
    errorFlags = flags;
    return Next(IDOK);
  }
  int MessageDialog(const TMessageDialogRequest& request) override {
    dialogs.push_back(request);
    return Next(IDOK);
  }
  int Next(int fallback) {
    if (answers.empty()) return fallback;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<int> answers;
  std::vector<std::string> errors;  // the platform's boxes: "caption: text"
  unsigned errorFlags = 0;
  std::vector<TMessageDialogRequest> dialogs;

 private:
  TMessageBoxProvider* FPrevious;
};

// The editor window with every outside answer in the test's hands.
struct TEditor {
  TEditor() {
    FPreviousRunner = SetFileDialogRunner([this](QFileDialog& dialog) {
      ++dialogRuns;
      if (!dialogStep) return false;
      return dialogStep(dialog);
    });
    FPreviousOpener = SetShellOpener([this](const std::string& target) { opened.push_back(target); });
    form = std::make_unique<TfrmDravik>(nullptr);
  }
  ~TEditor() {
    form.reset();
    SetShellOpener(FPreviousOpener);
    SetFileDialogRunner(FPreviousRunner);
  }
  TEditor(const TEditor&) = delete;
  TEditor& operator=(const TEditor&) = delete;

  // The next file dialogs choose this file (a name in the folder, or a path).
  void Choose(const std::string& path) {
    dialogStep = [path](QFileDialog& dialog) {
      dialog.selectFile(QString::fromStdString(path));
      return true;
    };
  }
  // Runs the command as a menu does (the action runs once the event that
  // triggered it is handled).
  void Run(const std::string& action) const {
    auto* found = dynamic_cast<TAction*>(form->FindComponent(action));
    ASSERT_NE(found, nullptr) << action;
    found->QtAction().trigger();
    QCoreApplication::processEvents();
  }
  template <class T>
  T& Get(const std::string& name) const {
    auto* found = dynamic_cast<T*>(form->FindComponent(name));
    if (!found) throw std::runtime_error("no component " + name);
    return *found;
  }
  std::string Caption() const { return form->skinForm1->Caption(); }
  // The panel of the editor area that lies in front.
  std::string FrontPanel() const {
    const auto& area = Get<TSkinImagePanel>("pnlEditMain");
    return area.Controls(area.ControlCount() - 1)->Name();
  }
  std::vector<std::string> MapperOrder() const { return form->lbMapperOrderMain->Items().Lines(); }

  TBoxes boxes;
  std::function<bool(QFileDialog&)> dialogStep;
  int dialogRuns = 0;
  std::vector<std::string> opened;
  std::unique_ptr<TfrmDravik> form;

 private:
  TFileDialogRunner FPreviousRunner;
  TShellOpener FPreviousOpener;
};
