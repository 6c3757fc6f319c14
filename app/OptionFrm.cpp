#include "app/OptionFrm.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/CaroluneOptions.h"
#include "filters/CaroluneHelp.h"
#include "skin/SkinClasses.h"
#include "skin/SkinMgr.h"
#include "skin/VeskaroGlimaraCommon.h"
#include "windowing/Shell.h"

namespace {

// Where the vendor offers filters for more phones.
const char* const kFilterDownloadPage = "https://veskaro.example.com/carolune/filters";

// The grid's columns: headings and widths.
struct TGridColumn {
  const char* Heading;
  int Width;
};
constexpr TGridColumn kColumns[] = {{"Type", 64}, {"Brand", 64}, {"Model", 71}, {"Author", 64}, {"Description", 216}};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));

// Adds text to the combo box unless it holds it already (without regard to case).
void AddOnce(TSkinComboBox& combo, const std::string& text) {
  if (combo.Items().IndexOf(text) < 0) combo.AddItem(text);
}

// The entry equal to text (without regard to case), or none.
void SelectEntry(TSkinComboBox& combo, const std::string& text) { combo.SetItemIndex(combo.Items().IndexOf(text)); }

// Runs f for every filter of both lists, ScreenShow first.
template <class F>
void ForEachFilter(const TFilterCfgList* screenShow, const TFilterCfgList* keyPress, F f) {
  for (const TFilterCfgList* list : {screenShow, keyPress})
    if (list)
      for (const auto& filter : *list) f(*filter);
}

// While it lives, a reload of the list runs follow after what ran before.
class TReloadHook {
 public:
  TReloadHook(TFilterCfgList* list, std::function<void()> follow) : FList(list) {
    if (!FList) return;
    FPrevious = FList->OnLoad;
    FList->OnLoad = [previous = FPrevious, follow = std::move(follow)] {
      if (previous) previous();
      follow();
    };
  }
  ~TReloadHook() {
    if (FList) FList->OnLoad = FPrevious;
  }
  TReloadHook(const TReloadHook&) = delete;
  TReloadHook& operator=(const TReloadHook&) = delete;

 private:
  TFilterCfgList* FList;
  std::function<void()> FPrevious;
};

}  // namespace

TfrmOptions::TfrmOptions(TComponent* owner) : TForm(owner), Options(CaroluneOption.get()) {
  RegisterSkinClasses();
  LoadDesign(*this);
}

// The tree and the grid report to handlers that use the components.
TfrmOptions::~TfrmOptions() { BeforeDestruction(); }

const TClassInfo& TfrmOptions::StaticClassInfo() {
  static const auto info = DefineClass<TfrmOptions>("TfrmOptions", TForm::StaticClassInfo(), nullptr);
  return *info;
}

TModalResult TfrmOptions::ShowOptions() {
  LoadOptions();
  // A reload frees the filters the grid shows: the grid follows it.
  const auto follow = [this] {
    if (!GridList()) return;
    FillGrid();
    ShowSelectedFilter();
  };
  const TReloadHook screenShow(ScreenShowFilters, follow), keyPress(KeyPressFilters, follow);
  return ShowModal();
}

TModalResult TfrmOptions::ShowFilters() {
  for (int i = 0; i < tvCate->Items().Count(); ++i)
    if (TTreeNode* node = tvCate->Items().Item(i); SameText(node->Text(), "ScreenShow")) {
      tvCate->SetSelected(node);
      break;
    }
  return ShowOptions();
}

void TfrmOptions::FormCreate(TComponent*) {
  for (int i = 0; i < tvCate->Items().Count(); ++i) tvCate->Items().Item(i)->Expand(true);
  gbxDefaultMobile->Font().Assign(Font());
  grdList->Font().Assign(Font());
  for (int c = 0; c < kColumnCount; ++c) grdList->SetColWidths(c, kColumns[c].Width);
}

void TfrmOptions::tvCateChange(TComponent*, TTreeNode* Node) {
  if (!Node) return;
  const std::string text = Node->Text();
  if (SameText(text, "Convert"))
    pnlCon->BringToFront();
  else if (SameText(text, "Filters"))
    pnlFilters->BringToFront();
  else if (SameText(text, "General"))
    pnlGeneral->BringToFront();
  else if (SameText(text, "ScreenShow"))
    ShowGridOf(true);
  else if (SameText(text, "KeyPress"))
    ShowGridOf(false);
}

void TfrmOptions::ShowGridOf(bool screenShow) {
  pnlFilter->SetVisible(true);
  pnlFilter->BringToFront();
  InitGrid();
  IsScreenShowGrid = screenShow;
  IsKeyPressGrid = !screenShow;
  FillGrid();
  ShowSelectedFilter();
}

void TfrmOptions::InitGrid() {
  grdList->SetFixedRows(1);
  grdList->SetColCount(kColumnCount);
  for (int c = 0; c < kColumnCount; ++c) grdList->SetCells(c, 0, kColumns[c].Heading);
}

TFilterCfgList* TfrmOptions::GridList() const {
  if (IsScreenShowGrid) return ScreenShowFilters;
  if (IsKeyPressGrid) return KeyPressFilters;
  return nullptr;
}

TFilterCfg* TfrmOptions::SelectedFilter() const {
  const TFilterCfgList* list = GridList();
  return list ? list->Find(grdList->Row() - 1) : nullptr;
}

void TfrmOptions::FillGrid() {
  const TFilterCfgList* list = GridList();
  const int count = list ? list->Count() : 0;
  grdList->SetRowCount(std::max(count + 1, 2));
  for (int c = 0; c < kColumnCount; ++c) grdList->SetCells(c, 1, "");
  const std::string kind = IsScreenShowGrid ? "ScreenShow" : "KeyPress";
  for (int i = 0; i < count; ++i) {
    const TFilterCfg& filter = *list->Items(i);
    const std::string cells[] = {kind, filter.GetMobileBrand(), filter.GetMobileModel(), filter.GetAuthorName(),
                                 filter.GetFilterDesc()};
    for (int c = 0; c < kColumnCount; ++c) grdList->SetCells(c, i + 1, cells[c]);
  }
}

void TfrmOptions::ShowSelectedFilter() {
  const TFilterCfg* filter = SelectedFilter();
  lblBrandC->SetText(filter ? filter->GetMobileBrand() : "");
  lblModelC->SetText(filter ? filter->GetMobileModel() : "");
  lblAuthorC->SetText(filter ? filter->GetAuthorName() : "");
  lblDescC->SetText(filter ? filter->GetFilterDesc() : "");
}

void TfrmOptions::grdListClick(TComponent*) { ShowSelectedFilter(); }

void TfrmOptions::grdListDrawCell(TComponent*, TCanvas& Canvas, int ACol, int ARow, TRect Rect, TGridDrawState State) {
  if (!(State & (gdFixed | gdSelected))) return;
  const TFont drawn = Canvas.Font;
  if (State & gdFixed)
    Canvas.Font.SetStyle(Canvas.Font.Style() | fsBold);
  else
    Canvas.Font.SetColor(grdList->Font().Color());
  Canvas.TextRect(Rect, Rect.Left + 2, Rect.Top + 2, grdList->Cells(ACol, ARow));
  Canvas.Font.Assign(drawn);
}

void TfrmOptions::btnImportClick(TComponent*) {
  ImportFilters();
  FillGrid();
  ShowSelectedFilter();
}

void TfrmOptions::btnImportFiltersClick(TComponent*) { ImportFilters(); }

void TfrmOptions::ImportFilters() {
  if (OnImportFilters) OnImportFilters();
}

void TfrmOptions::btnNewClick(TComponent*) { NewFilter(); }

void TfrmOptions::btnCreateNewFiltersClick(TComponent*) { NewFilter(); }

void TfrmOptions::NewFilter() {
  if (OnNewFilter) OnNewFilter();
}

void TfrmOptions::btnDownLoadFiltersClick(TComponent*) { ShellOpen(kFilterDownloadPage); }

void TfrmOptions::btnShowScreenShowFiltersClick(TComponent*) { SelectNodes("ScreenShow"); }

void TfrmOptions::btnShowKeyPressFiltersClick(TComponent*) { SelectNodes("KeyPress"); }

void TfrmOptions::SelectNodes(const std::string& text) {
  for (int i = 0; i < tvCate->Items().Count(); ++i)
    if (TTreeNode* node = tvCate->Items().Item(i); SameText(node->Text(), text)) tvCate->SetSelected(node);
}

int TfrmOptions::Ask(const std::string& caption, const std::string& text, int buttons, TSkinIconType icon) const {
  return ShowSkinMessageBox(caption, text, "OK", mrOk, "Cancel", mrCancel, "", mrNone, buttons, icon,
                            skinForm1->UIStyle(), Font());
}

void TfrmOptions::btnDelClick(TComponent*) {
  const TFilterCfg* selected = SelectedFilter();
  if (!selected) return;
  const std::string fileName = selected->FileName;
  const std::string question =
      "Are you sure delete the filter for \"" + selected->GetMobileBrand() + ":" + selected->GetMobileModel() + "\"?";
  if (Ask("Warning", question, 2, TSkinIconType::skinHelp) != mrOk) return;
  // The lists may have been reloaded while the question was open: the
  // filter is looked for again, by its file.
  TFilterCfgList* list = GridList();
  const auto found = std::find_if(list->begin(), list->end(),
                                  [&](const auto& filter) { return filter->FileName == fileName; });
  if (found == list->end()) return;
  std::error_code error;
  std::filesystem::remove(fileName, error);
  if (error) {
    Ask("Warning", "The filter file \"" + fileName + "\" could not be deleted: " + error.message() + ".", 1,
        TSkinIconType::skinWarning);
    return;
  }
  list->Delete(static_cast<int>(found - list->begin()));
  FillGrid();
  ShowSelectedFilter();
}

void TfrmOptions::btnHelpClick(TComponent*) { ShowCaroluneHelp(); }

void TfrmOptions::btnOKClick(TComponent*) {
  if (!ValidateOptions()) return;
  StoreOptions();
  SetModalResult(mrOk);
}

bool TfrmOptions::ValidateOptions() { return true; }

void TfrmOptions::cbxDefaultMobileClick(TComponent*) { gbxDefaultMobile->SetEnabled(cbxDefaultMobile->Checked()); }

void TfrmOptions::FillBrands() {
  cbxBrandList->Clear();
  cbxModelList->Clear();
  ForEachFilter(ScreenShowFilters, KeyPressFilters,
                [this](const TFilterCfg& filter) { AddOnce(*cbxBrandList, filter.GetMobileBrand()); });
}

void TfrmOptions::cbxBrandListChange(TComponent*) {
  cbxModelList->Clear();
  const std::string brand = cbxBrandList->ComboText();
  ForEachFilter(ScreenShowFilters, KeyPressFilters, [&](const TFilterCfg& filter) {
    if (SameText(filter.GetMobileBrand(), brand)) AddOnce(*cbxModelList, filter.GetMobileModel());
  });
  if (cbxModelList->Count() > 0) cbxModelList->SetItemIndex(0);
}

void TfrmOptions::LoadOptions() {
  FillBrands();
  cbxDefaultMobile->SetChecked(Options->IsSetDefaultMobile);
  SelectEntry(*cbxBrandList, Options->DefaultBrand);
  cbxBrandListChange(cbxBrandList);
  SelectEntry(*cbxModelList, Options->DefaultModel);
  cbxDefaultMobileClick(cbxDefaultMobile);
  cbxScreenShow->SetChecked(Options->IsShowScreenShow);
  cbxKeyPress->SetChecked(Options->IsShowKeyPress);
  cbxRTTTL->SetChecked(Options->IsShowRTTTL);
  cbxiMelody->SetChecked(Options->IsShowiMelody);
  cbxeMelody->SetChecked(Options->IsShoweMelody);
  cbxComposer->SetChecked(Options->IsShowComposer);
}

void TfrmOptions::StoreOptions() {
  Options->IsSetDefaultMobile = cbxDefaultMobile->Checked();
  Options->DefaultBrand = cbxBrandList->ComboText();
  Options->DefaultModel = cbxModelList->ComboText();
  Options->IsShowScreenShow = cbxScreenShow->Checked();
  Options->IsShowKeyPress = cbxKeyPress->Checked();
  Options->IsShowRTTTL = cbxRTTTL->Checked();
  Options->IsShowiMelody = cbxiMelody->Checked();
  Options->IsShoweMelody = cbxeMelody->Checked();
  Options->IsShowComposer = cbxComposer->Checked();
  Options->WriteOptions();
}

bool ShowOptionsDialog(TFilterCfgList& screenShowFilters, TFilterCfgList& keyPressFilters, bool filterPage,
                       std::function<void()> importFilters, std::function<void()> newFilter) {
  TfrmOptions dialog(nullptr);
  dialog.ScreenShowFilters = &screenShowFilters;
  dialog.KeyPressFilters = &keyPressFilters;
  dialog.OnImportFilters = std::move(importFilters);
  dialog.OnNewFilter = std::move(newFilter);
  return (filterPage ? dialog.ShowFilters() : dialog.ShowOptions()) == mrOk;
}
