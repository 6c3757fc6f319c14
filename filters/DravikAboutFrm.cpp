#include "filters/DravikAboutFrm.h"

#include "skin/SkinClasses.h"
#include "skin/SkinMgr.h"
#include "windowing/Form.h"

TfrmDravikAbout::TfrmDravikAbout(TComponent* owner) : TForm(owner) {
  RegisterWindowingClasses();
  RegisterSkinClasses();
  LoadDesign(*this);
}

TfrmDravikAbout::~TfrmDravikAbout() { BeforeDestruction(); }

const TClassInfo& TfrmDravikAbout::StaticClassInfo() {
  static const auto info = DefineClass<TfrmDravikAbout>("TfrmDravikAbout", TForm::StaticClassInfo(), nullptr);
  return *info;
}

void TfrmDravikAbout::btnExitClick(TComponent*) { Close(); }
