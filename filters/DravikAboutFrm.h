// The filter editor's about box: the product, its version, the mail
// addresses and the ownership line in a skinned frame with a close button.
#pragma once

#include "filters/DravikAboutFrm.dfm.h"
#include "windowing/Form.h"

class TfrmDravikAbout : public TForm, public TfrmDravikAboutDesign {
 public:
  explicit TfrmDravikAbout(TComponent* owner);
  ~TfrmDravikAbout() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void btnExitClick(TComponent* Sender);
};
