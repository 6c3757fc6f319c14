// The phone choice of the main window's KeyPress and ScreenShow pages: each
// page lists the brands of its kind of filter in the Filters folder beside
// the program and the models of the chosen brand; the chosen model names
// the filter through which the page's text is made. The lists are read
// again when the folder changes and after the options dialog, a filter
// import or the filter editor, and each reading chooses the default phone
// of the options.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/FileNotify.h"
#include "app/TuneTypes.h"
#include "filters/FilterAccess.h"
#include "runtime/StringList.h"

class TLabel;
class TOpenDialog;
class TSkinComboBox;

// The main window's components that the phone choice works with: the brand
// and model lists and the filter's author and description of each page,
// and the dialog that chooses filter files to import.
struct TPhonePagesComponents {
  TSkinComboBox *cmbMMSMobile = nullptr, *cmbMMSModel = nullptr, *cmbKpsMobile = nullptr, *cmbKpsModel = nullptr;
  TLabel *lblMSSAuthorC = nullptr, *lblMSSDescC = nullptr, *lblKPSAuthorC = nullptr, *lblKPSDescC = nullptr;
  TOpenDialog* odFilter = nullptr;
};

class TPhonePages : public TPhonePagesComponents {
 public:
  // Tells the window that the phone of its page (ttKeyPress or
  // ttScreenShow) changed: chosen, the page's text is to be made through
  // the new phone's filter; not chosen, the page has no phone and its text
  // goes.
  using TPhoneChange = std::function<void(TTuneType page, bool chosen)>;

  TPhonePages(const TPhonePagesComponents& components, const std::string& programFolder, TPhoneChange onPhoneChange);
  ~TPhonePages();
  TPhonePages(const TPhonePages&) = delete;
  TPhonePages& operator=(const TPhonePages&) = delete;

  const TFilterCfgList& ScreenShowFilters() const { return FMSSFilters; }
  const TFilterCfgList& KeyPressFilters() const { return FKPSFilters; }
  // The filter of the model chosen on the page, or null.
  const TFilterCfg* ChosenFilter(TTuneType page) const;
  // The phone the page's lists show.
  std::string Brand(TTuneType page) const;
  std::string Model(TTuneType page) const;

  // Gives the page's author and description the width of a page that
  // wide, the description wrapped on as many lines as it takes; returns
  // where the page's text starts, below them.
  int LayOutPhone(TTuneType page, int pageWidth) const;

  // Reads both filter lists and brand lists again: the phone chosen on each
  // page is dropped and only the default phone chosen again. A page whose
  // phone went loses its text, author and description.
  void LoadFilterLists();
  // The page's brand list chose: its models are listed and the first one
  // chosen.
  void BrandChange(TTuneType page);
  // The page's model list chose: its filter is shown and the page made
  // through it.
  void ModelChange(TTuneType page);
  // Follows the Filters folder, made first when it is missing.
  void StartFilterWatch();
  // The folder changed: the lists are read again.
  void FiltersChanged(TComponent* sender, TNotificationOption action);
  // Asks for filter files and imports each one the user confirms.
  void ImportFilters();
  // The filter editor, modally, on a new filter.
  void RunFilterEditor();
  // The options dialog on its first page or on the filters; true when it
  // stored the options.
  bool ShowOptions(bool filterPage);

 private:
  // One page's phone choice. Files runs parallel to the model list: entry
  // i is the file of model i's filter.
  struct TPage {
    TTuneType Type;
    const char* Tag;
    TFilterCfgList* Filters;
    TStringList* Files;
    TSkinComboBox* Brands;
    TSkinComboBox* Models;
    TLabel* Author;
    TLabel* Desc;
  };

  const TPage& Page(TTuneType type) const;
  static TFilterCfg* FilterOfFile(const TPage& page, const std::string& fileName);
  static std::string ChosenFilterFile(const TPage& page);
  // Selects the brand (found without regard to case) and runs the brand
  // change; false when the list has no such brand.
  bool SelectBrand(const TPage& page, const std::string& brand);
  void SelectModel(const TPage& page, int index);
  // No model chosen: no text, author or description either.
  void EmptyPhonePage(const TPage& page);
  // Runs a step that may change the Filters folder; the lists are read
  // again however it ends.
  template <class Step>
  void ReloadAfter(const Step& step);

  const std::string FFiltersFolder;
  const TPhoneChange FOnPhoneChange;
  TFilterCfgList FMSSFilters, FKPSFilters;
  TStringList FMSSFilterFiles, FKPSFilterFiles;
  // ScreenShow, then KeyPress.
  const std::array<TPage, 2> FPages;
  // Last, so that it goes first: no change of the folder reaches the lists
  // while they go.
  std::unique_ptr<TFileNotify> FFilterWatch;
};
