// Test support for the message box suites: answering the box once it is
// shown (it is modal, so the answer must come from inside its loop), and a
// record of how the box was laid out at that moment.
#pragma once

#include <QApplication>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "skin/SkinButton.h"
#include "skin/SkinDlg.h"
#include "skin/SkinForm.h"
#include "skin/frmMessage.h"
#include "tests/skin/SkinFrameTestSupport.h"
#include "tests/support/EventLoopWait.h"
#include "windowing/Image.h"
#include "windowing/Label.h"

// The box as it was shown.
struct TBoxView {
  int Width = 0, Height = 0;
  TRect Text;
  bool IconShown = false;
  QImage Icon;
  std::vector<TRect> Buttons;  // in the frame's coordinates, from the left
  std::vector<std::string> Captions;
  int Focused = -1;  // the index of the button with the focus
  TSkinUIStyle Style = TSkinUIStyle::Midnight;
};

inline TBoxView ViewOf(TfrmMsg& form) {
  TBoxView view;
  view.Width = form.Width();
  view.Height = form.Height();
  view.Text = form.lbl->BoundsRect();
  view.IconShown = form.Image1->Visible();
  view.Icon = form.Image1->Picture().Bitmap().Image();
  const std::vector<TSkinButton*> buttons = form.Buttons();
  for (size_t i = 0; i < buttons.size(); ++i) {
    view.Buttons.push_back(buttons[i]->BoundsRect());
    view.Captions.push_back(buttons[i]->Caption());
    if (buttons[i]->Focused()) view.Focused = static_cast<int>(i);
  }
  view.Style = form.skinForm1->UIStyle();
  return view;
}

// Answers: press a button (1 from the left), or close from the title bar.
inline void PressButton(TfrmMsg& form, int button) {
  QTest::mouseClick(form.Buttons().at(static_cast<size_t>(button - 1)), Qt::LeftButton, {}, QPoint(5, 5));
}
inline void CloseFromTitleBar(TfrmMsg& form) {
  TSkinTitleBar& bar = form.skinForm1->TitleBar();
  const QPoint close = ToQRect(bar.Layout().Buttons.at(0)).center();
  MoveMouse(&bar, close);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, close);
}
// A key, as the user types it: to the control with the focus.
inline void TypeKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// While it lives, each box shown is recorded (look, then answer) and then
// answered; a test whose answer does not end the box fails by the bound of
// the hang guard instead of hanging.
class TBoxAnswer {
 public:
  using TAnswer = std::function<void(TfrmMsg& form)>;
  explicit TBoxAnswer(TAnswer answer, TAnswer look = nullptr)
      : FGuard("message box"), FPrevious(SetSkinMessageFormHook([this, answer, look](TfrmMsg& form) {
          ProcessEvents();
          views.push_back(ViewOf(form));
          if (look) look(form);
          answer(form);
        })) {}
  ~TBoxAnswer() { SetSkinMessageFormHook(std::move(FPrevious)); }
  TBoxAnswer(const TBoxAnswer&) = delete;
  TBoxAnswer& operator=(const TBoxAnswer&) = delete;

  std::vector<TBoxView> views;

 private:
  THangGuard FGuard;
  TSkinMessageFormHook FPrevious;
};
