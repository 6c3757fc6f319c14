#include "app/AboutFrm.h"

#include "skin/SkinClasses.h"
#include "skin/SkinMgr.h"

TfrmAbout::TfrmAbout(TComponent* owner) : TForm(owner) {
  RegisterSkinClasses();
  LoadDesign(*this);
}

const TClassInfo& TfrmAbout::StaticClassInfo() {
  static const auto info = DefineClass<TfrmAbout>("TfrmAbout", TForm::StaticClassInfo(), nullptr);
  return *info;
}

void TfrmAbout::btnExitClick(TComponent*) { Close(); }

void ShowAboutBox() {
  TfrmAbout about(nullptr);
  about.ShowModal();
}
