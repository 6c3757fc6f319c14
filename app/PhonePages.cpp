#include "app/PhonePages.h"

#include <algorithm>
#include <filesystem>

#include "app/CaroluneOptions.h"
#include "app/ImportFilterFrm.h"
#include "app/OptionFrm.h"
#include "filters/DravikFrm.h"
#include "runtime/SysUtils.h"
#include "skin/SkinComboBox.h"
#include "windowing/Dialogs.h"
#include "windowing/Label.h"

TPhonePages::TPhonePages(const TPhonePagesComponents& components, const std::string& programFolder,
                         TPhoneChange onPhoneChange)
    : TPhonePagesComponents(components),
      FFiltersFolder(programFolder + "Filters"),
      FOnPhoneChange(std::move(onPhoneChange)),
      FPages{{{.Type = ttScreenShow, .Tag = "MSS", .Filters = &FMSSFilters, .Files = &FMSSFilterFiles,
               .Brands = cmbMMSMobile, .Models = cmbMMSModel, .Author = lblMSSAuthorC, .Desc = lblMSSDescC},
              {.Type = ttKeyPress, .Tag = "KPS", .Filters = &FKPSFilters, .Files = &FKPSFilterFiles,
               .Brands = cmbKpsMobile, .Models = cmbKpsModel, .Author = lblKPSAuthorC, .Desc = lblKPSDescC}}} {}

TPhonePages::~TPhonePages() = default;

const TPhonePages::TPage& TPhonePages::Page(TTuneType type) const { return type == ttKeyPress ? FPages[1] : FPages[0]; }

TFilterCfg* TPhonePages::FilterOfFile(const TPage& page, const std::string& fileName) {
  for (const auto& filter : *page.Filters)
    if (!fileName.empty() && filter->FileName == fileName) return filter.get();
  return nullptr;
}

std::string TPhonePages::ChosenFilterFile(const TPage& page) {
  const int index = page.Models->ItemIndex();
  return index >= 0 && index < page.Files->Count() ? page.Files->Strings(index) : std::string();
}

const TFilterCfg* TPhonePages::ChosenFilter(TTuneType type) const {
  const TPage& page = Page(type);
  return FilterOfFile(page, ChosenFilterFile(page));
}

std::string TPhonePages::Brand(TTuneType page) const { return Page(page).Brands->ComboText(); }
std::string TPhonePages::Model(TTuneType page) const { return Page(page).Models->ComboText(); }

void TPhonePages::LoadFilterLists() {
  std::array<std::string, 2> chosen;
  for (size_t i = 0; i < FPages.size(); ++i) {
    const TPage& page = FPages[i];
    chosen[i] = ChosenFilterFile(page);
    page.Filters->FilterTag = page.Tag;
    page.Filters->LoadFromFolder(FFiltersFolder);
    page.Brands->Clear();
    page.Models->Clear();
    page.Files->Clear();
    for (const auto& filter : *page.Filters) {
      const std::string brand = filter->GetMobileBrand();
      // Brands that differ only in letter case share the item of the first.
      if (page.Brands->Items().IndexOf(brand) < 0) page.Brands->AddItem(brand);
    }
  }
  // A page's text never stands under another phone's name (or none): a
  // page left without its model is emptied.
  if (CaroluneOption->IsSetDefaultMobile)
    for (const TPage& page : FPages) {
      if (!SelectBrand(page, CaroluneOption->DefaultBrand)) continue;
      // The brand's first model has converted the page on the way.
      SelectModel(page, page.Models->Items().IndexOf(CaroluneOption->DefaultModel));
      if (page.Models->ItemIndex() < 0) EmptyPhonePage(page);
    }
  // A page left without a model keeps the filter chosen before the reload
  // while it is still there.
  for (size_t i = 0; i < FPages.size(); ++i) {
    const TPage& page = FPages[i];
    if (page.Models->ItemIndex() >= 0 || chosen[i].empty()) continue;
    if (const TFilterCfg* previous = FilterOfFile(page, chosen[i]);
        previous && SelectBrand(page, previous->GetMobileBrand())) {
      const auto& files = page.Files->Lines();
      SelectModel(page, static_cast<int>(std::find(files.begin(), files.end(), chosen[i]) - files.begin()));
    }
    if (page.Models->ItemIndex() < 0) EmptyPhonePage(page);
  }
}

void TPhonePages::EmptyPhonePage(const TPage& page) {
  page.Models->SetItemIndex(-1);
  page.Author->SetCaption("");
  page.Desc->SetCaption("");
  page.Desc->SetHint("");
  FOnPhoneChange(page.Type, false);
}

bool TPhonePages::SelectBrand(const TPage& page, const std::string& brand) {
  const int index = page.Brands->Items().IndexOf(brand);
  if (index < 0) return false;
  page.Brands->SetItemIndex(index);
  BrandChange(page.Type);
  return true;
}

void TPhonePages::SelectModel(const TPage& page, int index) {
  page.Models->SetItemIndex(index);
  ModelChange(page.Type);
}

void TPhonePages::BrandChange(TTuneType type) {
  const TPage& page = Page(type);
  page.Models->Clear();
  page.Files->Clear();
  const std::string brand = page.Brands->ComboText();
  for (const auto& filter : *page.Filters)
    if (SameText(filter->GetMobileBrand(), brand)) {
      page.Models->AddItem(filter->GetMobileModel());
      page.Files->Add(filter->FileName);
    }
  if (page.Models->Count() == 0) return;
  page.Models->SetItemIndex(0);
  ModelChange(type);
}

void TPhonePages::ModelChange(TTuneType type) {
  const TPage& page = Page(type);
  if (page.Models->ItemIndex() < 0) return;
  const TFilterCfg* filter = FilterOfFile(page, ChosenFilterFile(page));
  if (!filter) return;
  page.Author->SetCaption(filter->GetAuthorName());
  page.Desc->SetCaption(filter->GetFilterDesc());
  // The label shows what fits of a description; its hint shows it whole.
  page.Desc->SetHint(filter->GetFilterDesc());
  FOnPhoneChange(type, true);
}

void TPhonePages::StartFilterWatch() {
  // The folder is made on a first start, so that filters imported or saved
  // later are seen at once.
  const std::string folder = IncludeTrailingPathDelimiter(FFiltersFolder);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  FFilterWatch = std::make_unique<TFileNotify>(nullptr);
  FFilterWatch->SetOnNotify([this](TComponent* sender, TNotificationOption action) { FiltersChanged(sender, action); });
  FFilterWatch->SetAsyncNotify(false);
  FFilterWatch->SetOptions({fnoFile, fnoSize});
  FFilterWatch->SetFolder(folder);
}

void TPhonePages::FiltersChanged(TComponent*, TNotificationOption) { LoadFilterLists(); }

template <class Step>
void TPhonePages::ReloadAfter(const Step& step) {
  try {
    step();
  } catch (...) {
    LoadFilterLists();
    throw;
  }
  LoadFilterLists();
}

void TPhonePages::ImportFilters() {
  if (!odFilter->Execute()) return;
  // What was imported is listed at once, also when a later file fails.
  ReloadAfter([this] { ImportFilterFiles(odFilter->Files(), FFiltersFolder); });
}

void TPhonePages::RunFilterEditor() {
  {
    TfrmDravik editor(nullptr);
    editor.ShowWithFile("");
  }
  // A filter the editor saved into the Filters folder is listed at once,
  // also when the folder cannot be watched.
  LoadFilterLists();
}

bool TPhonePages::ShowOptions(bool filterPage) {
  bool stored = false;
  ReloadAfter([&] {
    stored = ShowOptionsDialog(
        FMSSFilters, FKPSFilters, filterPage, [this] { ImportFilters(); }, [this] { RunFilterEditor(); });
  });
  return stored;
}
