#include "app/ImportFilterFrm.h"

#include "filters/CaroluneHelp.h"
#include "skin/SkinClasses.h"
#include "skin/SkinMgr.h"
#include "skin/VeskaroGlimaraCommon.h"

TfrmImportFilter::TfrmImportFilter(TComponent* owner) : TForm(owner) {
  RegisterSkinClasses();
  LoadDesign(*this);
}

const TClassInfo& TfrmImportFilter::StaticClassInfo() {
  static const auto info = DefineClass<TfrmImportFilter>("TfrmImportFilter", TForm::StaticClassInfo(), nullptr);
  return *info;
}

bool TfrmImportFilter::Ask(const std::string& brand, const std::string& model, const std::string& description,
                           const std::string& author) {
  lblBrandC->SetText(brand);
  lblModelC->SetText(model);
  lblAuthorC->SetText(author);
  lblDescC->SetText(description);
  return ShowModal() == mrOk;
}

void TfrmImportFilter::btnHelpClick(TComponent*) { ShowCaroluneHelp(); }

int ImportFilterFiles(const TStringList& files, const std::string& filtersFolder) {
  TFilterCfg filter;
  int imported = 0;
  for (const std::string& file : files.Lines()) {
    filter.LoadFilterFile(file);
    TfrmImportFilter dialog(nullptr);
    if (!dialog.Ask(filter.GetMobileBrand(), filter.GetMobileModel(), filter.GetFilterDesc(), filter.GetAuthorName()))
      continue;
    if (ImportFilterFile(file, filtersFolder)) {
      ++imported;
      continue;
    }
    ShowSkinMessageBox("Warning", "The filter file \"" + file + "\" could not be copied into the Filter Library.", "OK",
                       mrOk, "", mrNone, "", mrNone, 1, TSkinIconType::skinWarning, dialog.skinForm1->UIStyle(),
                       dialog.Font());
  }
  return imported;
}
