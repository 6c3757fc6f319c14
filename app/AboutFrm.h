// The main program's about box: the product, its version, and the maker's
// web and mail addresses as links.
#pragma once

#include "app/AboutFrm.dfm.h"
#include "windowing/Form.h"

class TfrmAbout : public TForm, public TfrmAboutDesign {
 public:
  explicit TfrmAbout(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void btnExitClick(TComponent* Sender);
};

// Shows the about box modally and frees it when it closes.
void ShowAboutBox();
