// The form of the skinned message box, read from its form description
// TFRMMSG: a skinned frame in the Azure style with a close button, holding
// the message text (wrapped at 225 pixels, growing downwards, shown
// literally) and the place of the icon. The message dialog puts the buttons
// on it, sizes it and shows it.
#pragma once

#include <vector>

#include "skin/frmMessage.dfm.h"
#include "windowing/Form.h"

class TSkinButton;

class TfrmMsg : public TForm, public TfrmMsgDesign {
 public:
  explicit TfrmMsg(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The buttons on the frame, from left to right.
  std::vector<TSkinButton*> Buttons() const;

 protected:
  // Escape, when no control took it, closes the box as its close button does.
  void KeyDown(uint16_t& key, TShiftState shift) override;
};
