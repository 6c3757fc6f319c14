// The options dialog: the default phone, the target pages the main window
// shows, and the installed filters (the main window's ScreenShow and
// KeyPress lists in a grid, with one filter's details, deletion, import and
// a new filter in the filter editor). What OK confirms goes into the
// options object and is written at once; Cancel keeps everything.
#pragma once

#include <functional>
#include <string>

#include "app/OptionFrm.dfm.h"
#include "filters/FilterAccess.h"
#include "skin/SkinDlg.h"
#include "windowing/Form.h"
#include "windowing/StringGrid.h"

class TCaroluneOption;
class TCanvas;
class TTreeNode;

class TfrmOptions : public TForm, public TfrmOptionsDesign {
 public:
  explicit TfrmOptions(TComponent* owner);
  ~TfrmOptions() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The main window's lists, set right after the dialog is made; the dialog
  // shows them and deletes from them but does not own them.
  TFilterCfgList* ScreenShowFilters = nullptr;
  TFilterCfgList* KeyPressFilters = nullptr;
  // Which list the grid shows (neither until a filter node is chosen).
  bool IsScreenShowGrid = false;
  bool IsKeyPressGrid = false;
  // The options edited: the program's own unless set.
  TCaroluneOption* Options;
  // The main window's commands that the dialog's buttons run: its filter
  // import, and its filter editor on a new filter.
  std::function<void()> OnImportFilters;
  std::function<void()> OnNewFilter;

  // LoadOptions, then the dialog modally; the modal result. While the
  // dialog shows, the grid follows every reload of the lists.
  TModalResult ShowOptions();
  // The ScreenShow filters in front, then ShowOptions.
  TModalResult ShowFilters();

  virtual void InitGrid();
  virtual void FillGrid();
  virtual void ShowSelectedFilter();
  virtual void StoreOptions();
  virtual void LoadOptions();
  virtual bool ValidateOptions();
  virtual void FillBrands();

  void FormCreate(TComponent* Sender);
  void tvCateChange(TComponent* Sender, TTreeNode* Node);
  void grdListClick(TComponent* Sender);
  void grdListDrawCell(TComponent* Sender, TCanvas& Canvas, int ACol, int ARow, TRect Rect, TGridDrawState State);
  void btnImportClick(TComponent* Sender);
  void btnImportFiltersClick(TComponent* Sender);
  void btnNewClick(TComponent* Sender);
  void btnCreateNewFiltersClick(TComponent* Sender);
  void btnDownLoadFiltersClick(TComponent* Sender);
  void btnShowScreenShowFiltersClick(TComponent* Sender);
  void btnShowKeyPressFiltersClick(TComponent* Sender);
  void btnDelClick(TComponent* Sender);
  void btnHelpClick(TComponent* Sender);
  void btnOKClick(TComponent* Sender);
  void cbxDefaultMobileClick(TComponent* Sender);
  void cbxBrandListChange(TComponent* Sender);

 private:
  // The list the grid shows, or null.
  TFilterCfgList* GridList() const;
  // The filter of the grid's current row (row r holds item r - 1), or null.
  TFilterCfg* SelectedFilter() const;
  void ShowGridOf(bool screenShow);
  void SelectNodes(const std::string& text);
  void ImportFilters();
  void NewFilter();
  // A skinned box in the dialog's style and font.
  int Ask(const std::string& caption, const std::string& text, int buttons, TSkinIconType icon) const;
};

// Makes the options dialog on the main window's filter lists, shows it
// modally on its first page or (filterPage) on the ScreenShow filters, and
// frees it. importFilters and newFilter are the main window's filter import
// and filter editor commands, which the dialog's buttons run. True when OK
// stored the options (so that the main window may apply them); the lists
// may have changed either way.
bool ShowOptionsDialog(TFilterCfgList& screenShowFilters, TFilterCfgList& keyPressFilters, bool filterPage,
                       std::function<void()> importFilters, std::function<void()> newFilter);
