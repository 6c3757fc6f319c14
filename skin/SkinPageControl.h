// The skinned page control: a tab control whose strip shows one tab per
// page (a TSkinTabSheet parented to it), captioned with the page's
// Caption. All pages fill the client area; the active one is in front and
// enabled, the others behind it and disabled. A page can hide its tab.
//
// Form descriptions: the page control stores "Pages", its pages' names in
// page order, and each sheet "PageControl", the name of its control; pages
// arrive in the order the description lists them and are put in the
// stored order when the last one has arrived.
#pragma once

#include <vector>

#include "skin/SkinTabControl.h"
#include "windowing/ComponentRef.h"

class TSkinPageControl;

class TSkinTabSheet : public TCustomPanel {
 public:
  explicit TSkinTabSheet(TComponent* owner);
  ~TSkinTabSheet() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TSkinPageControl* PageControl() const { return FPageControl; }
  // The description's "PageControl" entry: the control this sheet is a page of.
  void SetPageControl(TSkinPageControl* control);
  // The page's position; -1 outside a page control. Setting it moves the
  // page (an index outside the pages changes nothing).
  int PageIndex() const { return FPageIndex; }
  void SetPageIndex(int index);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  // Showing a tab selects its page; hiding one selects the nearest page
  // before it with a visible tab, else the nearest after it.
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool visible);

  TNotifyEvent OnShow;
  void DoShow();

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  friend class TSkinPageControl;
  TSkinPageControl* FPageControl = nullptr;
  int FPageIndex = -1;
  std::string FCaption;
  bool FTabVisible = true;
};

class TSkinPageControlTopPanel : public TSkinTabControlTopPanel {
 public:
  using TSkinTabControlTopPanel::TSkinTabControlTopPanel;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

class TSkinPageControl : public TSkinTab {
 public:
  explicit TSkinPageControl(TComponent* owner);
  ~TSkinPageControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TSkinTabSheet* ActivePage() const { return FActivePage.Get(); }
  // A sheet that is no page of this control changes nothing.
  void SetActivePage(TSkinTabSheet* sheet);
  int PageCount() const { return static_cast<int>(FPages.size()); }
  TSkinTabSheet* Pages(int index) const;
  // Selects the page of a valid index; nothing otherwise.
  void ActivatePageIndex(int index);
  // The description's "Pages" entry.
  const TStringList& StoredPages() const { return FStoredPages; }
  void SetStoredPages(const TStringList& names);

  void DoTabActive(int index) override;

 protected:
  void BorderColorChanged() override;
  void UpdateChildrenUIStyle(TSkinUIStyle style, TSkinFileTheme* theme) override;
  void ControlChange(TControl* child, bool inserting) override;
  void ColorChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TSkinTabSheet;
  void InsertPage(TSkinTabSheet& sheet);
  void RemovePage(TSkinTabSheet& sheet);
  void RenumberPages();
  void UpdateTabs();
  void UpdateTabVisibility();
  void ActivatePage(TSkinTabSheet* sheet);
  void SelectPage(int index);
  void SelectNeighbourPage(int index);
  void MovePage(TSkinTabSheet& sheet, int index);
  void SortPagesByStoredOrder();
  void PageArrived();
  // Brings the page forward and enables it.
  void RaisePage(TSkinTabSheet& sheet);
  // Raises the page and runs its OnShow (once per selection).
  void ShowPage(TSkinTabSheet& sheet);
  // While the control or its form is going, pages leave without another
  // being chosen.
  bool Going() const;
  void DisableActivePage();

  std::vector<TSkinTabSheet*> FPages;
  TComponentRef<TSkinTabSheet> FActivePage;
  TStringList FStoredPages;
  // Counts the page shows, so that one selection shows its page once.
  int FShows = 0;
};
