#include "AboutFrm.h"

#include "FormResources.h"
#include "SkinButton.h"
#include "SkinForm.h"

TfrmAbout::TfrmAbout(TComponent* owner) : TForm(owner) {
  RegisterSkinClasses();
  AddHandler("btnExitClick", &TfrmAbout::btnExitClick);
  LoadDescription(LoadFormResource("TFRMABOUT"));
  skinForm1 = &Named<TSkinForm>("skinForm1");
  btnExit = &Named<TSkinButton>("btnExit");
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
