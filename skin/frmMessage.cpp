#include "skin/frmMessage.h"

#include <algorithm>

#include "skin/SkinButton.h"
#include "skin/SkinControlClasses.h"
#include "skin/SkinMgr.h"
#include "windowing/Keys.h"

TfrmMsg::TfrmMsg(TComponent* owner) : TForm(owner) {
  RegisterSkinControlClasses();
  LoadDesign(*this);
}

const TClassInfo& TfrmMsg::StaticClassInfo() {
  static const auto info = DefineClass<TfrmMsg>("TfrmMsg", TForm::StaticClassInfo(), nullptr);
  return *info;
}

std::vector<TSkinButton*> TfrmMsg::Buttons() const {
  std::vector<TSkinButton*> buttons;
  for (int i = 0; i < skinForm1->ControlCount(); ++i)
    if (auto* button = dynamic_cast<TSkinButton*>(skinForm1->Controls(i))) buttons.push_back(button);
  std::sort(buttons.begin(), buttons.end(), [](const TSkinButton* a, const TSkinButton* b) { return a->Left() < b->Left(); });
  return buttons;
}

void TfrmMsg::KeyDown(uint16_t& key, TShiftState shift) {
  TForm::KeyDown(key, shift);
  if (key != VK_ESCAPE || (shift & (ssShift | ssCtrl | ssAlt))) return;
  key = 0;
  Close();
}
