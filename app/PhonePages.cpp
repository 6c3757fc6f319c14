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

int TPhonePages::LayOutPhone(TTuneType type, int pageWidth) const {
  // The labels end where the page's text does, a margin before the edge;
  // the text starts a margin below the description, and no higher than
  // below a description of one line.
  constexpr int kMargin = 8, kTextTop = 80;
  const TPage& page = Page(type);
  for (TLabel* label : {page.Author, page.Desc}) label->SetWidth(std::max(0, pageWidth - label->Left() - kMargin));
  return std::max(kTextTop, page.Desc->Top() + page.Desc->Height() + kMargin);
}

void TPhonePages::LoadFilterLists() {
  std::array<bool, 2> hadPhone{};
  for (size_t i = 0; i < FPages.size(); ++i) {
    const TPage& page = FPages[i];
    hadPhone[i] = page.Models->ItemIndex() >= 0;
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
  // The choice made before goes with the lists; only the default phone is
  // chosen again.
  if (CaroluneOption->IsSetDefaultMobile)
    for (const TPage& page : FPages)
      if (SelectBrand(page, CaroluneOption->DefaultBrand))
        // The brand's first model has converted the page on the way.
        SelectModel(page, page.Models->Items().IndexOf(CaroluneOption->DefaultModel));
  // A page's text never stands under no phone's name: a page left without
  // a model is emptied when the reload dropped its phone, or when the
  // first model of the default brand made its text on the way.
  for (size_t i = 0; i < FPages.size(); ++i)
    if (FPages[i].Models->ItemIndex() < 0 && (hadPhone[i] || FPages[i].Models->Count() > 0)) EmptyPhonePage(FPages[i]);
}

void TPhonePages::EmptyPhonePage(const TPage& page) {
  page.Models->SetItemIndex(-1);
  page.Author->SetCaption("");
  page.Desc->SetCaption("");
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
