#include "skin/SkinPageControl.h"

#include <algorithm>

#include "skin/SkinPublic.h"
#include "windowing/Form.h"

TSkinTabSheet::TSkinTabSheet(TComponent* owner) : TCustomPanel(owner) {
  SetBevelOuter(TBevelCut::bvNone);
  SetBevelInner(TBevelCut::bvNone);
  SetBorderWidth(0);
  SetAlign(TAlign::alClient);
}

// A page leaves its control while it is still whole.
TSkinTabSheet::~TSkinTabSheet() { SetParent(nullptr); }

const TClassInfo& TSkinTabSheet::StaticClassInfo() {
  using T = TSkinTabSheet;
  static const auto info = DefineClass<T>("TSkinTabSheet", TCustomPanel::StaticClassInfo(), [](TPublisher<T>& p) {
    p.Integer("PageIndex", &T::PageIndex, &T::SetPageIndex)
        .String("Caption", &T::Caption, &T::SetCaption)
        .Bool("TabVisible", &T::TabVisible, &T::SetTabVisible)
        .Component<TSkinPageControl>("PageControl", &T::PageControl, &T::SetPageControl)
        .Event("OnShow", &T::OnShow);
  });
  return *info;
}

void TSkinTabSheet::SetPageControl(TSkinPageControl* control) {
  if (!control || std::find(control->FPages.begin(), control->FPages.end(), this) == control->FPages.end()) return;
  FPageControl = control;
  control->PageArrived();
}

void TSkinTabSheet::SetPageIndex(int index) {
  if (FPageControl) FPageControl->MovePage(*this, index);
}

void TSkinTabSheet::SetCaption(const std::string& caption) {
  if (FCaption == caption) return;
  FCaption = caption;
  if (FPageControl) FPageControl->UpdateTabs();
}

void TSkinTabSheet::SetTabVisible(bool visible) {
  FTabVisible = visible;
  if (!FPageControl) return;
  FPageControl->Strip().SetTabVisible(FPageIndex, visible);
  if (visible)
    FPageControl->SelectPage(FPageIndex);
  else
    FPageControl->SelectNeighbourPage(FPageIndex);
}

void TSkinTabSheet::DoShow() {
  if (OnShow) OnShow(this);
}

// A page is its colour; its caption is its tab's.
void TSkinTabSheet::Paint(TCanvas& canvas) {
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = Color();
  canvas.FillRect(ClientRect());
}

const TClassInfo& TSkinPageControlTopPanel::StaticClassInfo() {
  static const auto info =
      DefineClass<TSkinPageControlTopPanel>("TSkinPageControlTopPanel", TSkinTabControlTopPanel::StaticClassInfo(), nullptr);
  return *info;
}

TSkinPageControl::TSkinPageControl(TComponent* owner) : TSkinTab(owner) {
  TakeStrip(*new TSkinPageControlTopPanel(this, this));
  Strip().SetTabs({});
}

TSkinPageControl::~TSkinPageControl() {
  // The pages belong to the form; they are no longer pages of this control.
  for (TSkinTabSheet* page : FPages) {
    page->FPageControl = nullptr;
    page->FPageIndex = -1;
  }
  FPages.clear();
}

const TClassInfo& TSkinPageControl::StaticClassInfo() {
  using T = TSkinPageControl;
  static const auto info = DefineClass<T>("TSkinPageControl", TSkinTab::StaticClassInfo(), [](TPublisher<T>& p) {
    p.Strings("Pages", &T::StoredPages, &T::SetStoredPages)
        .Component<TSkinTabSheet>("ActivePage", &T::ActivePage, &T::SetActivePage);
  });
  return *info;
}

TSkinTabSheet* TSkinPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return FPages[static_cast<size_t>(index)];
}

void TSkinPageControl::SetStoredPages(const TStringList& names) { FStoredPages = names; }

void TSkinPageControl::ControlChange(TControl* child, bool inserting) {
  TSkinTab::ControlChange(child, inserting);
  auto* sheet = dynamic_cast<TSkinTabSheet*>(child);
  if (!sheet) return;
  if (inserting)
    InsertPage(*sheet);
  else
    RemovePage(*sheet);
}

void TSkinPageControl::InsertPage(TSkinTabSheet& sheet) {
  sheet.FPageControl = this;
  sheet.SetColor(Color());
  FPages.push_back(&sheet);
  RenumberPages();
  UpdateTabs();
  UpdateTabVisibility();
  ActivatePage(&sheet);
}

// The page leaves with its tab; the page before it (or the new first one)
// becomes the active page while pages remain.
void TSkinPageControl::RemovePage(TSkinTabSheet& sheet) {
  const int old = sheet.FPageIndex;
  std::erase(FPages, &sheet);
  sheet.FPageControl = nullptr;
  sheet.FPageIndex = -1;
  if (FActivePage.Get() == &sheet) FActivePage.Set(this, nullptr);
  RenumberPages();
  UpdateTabs();
  UpdateTabVisibility();
  if (!Going()) SelectPage(FPages.empty() ? -1 : std::max(old - 1, 0));
}

void TSkinPageControl::RenumberPages() {
  for (size_t i = 0; i < FPages.size(); ++i) FPages[i]->FPageIndex = static_cast<int>(i);
}

void TSkinPageControl::UpdateTabs() {
  TStringList tabs;
  for (const TSkinTabSheet* page : FPages) tabs.Add(page->Caption());
  Strip().SetTabs(tabs);
}

// The strip's flags follow the pages, wherever they have moved.
void TSkinPageControl::UpdateTabVisibility() {
  for (const TSkinTabSheet* page : FPages) Strip().SetTabVisible(page->FPageIndex, page->FTabVisible);
}

void TSkinPageControl::DisableActivePage() {
  if (TSkinTabSheet* active = FActivePage.Get()) active->SetEnabled(false);
}

void TSkinPageControl::RaisePage(TSkinTabSheet& sheet) {
  sheet.SetVisible(true);
  sheet.SetEnabled(true);
  sheet.BringToFront();
  sheet.Invalidate();
}

void TSkinPageControl::ShowPage(TSkinTabSheet& sheet) {
  RaisePage(sheet);
  ++FShows;
  sheet.DoShow();
}

bool TSkinPageControl::Going() const { return IsDestroying() || (Owner() && Owner()->IsDestroying()); }

void TSkinPageControl::SetActivePage(TSkinTabSheet* sheet) {
  if (sheet && sheet->FPageControl != this) return;
  ActivatePage(sheet);
}

void TSkinPageControl::ActivatePage(TSkinTabSheet* sheet) {
  DisableActivePage();
  FActivePage.Set(this, sheet);
  if (!sheet) return;
  const int shows = FShows;
  SetTabIndex(sheet->FPageIndex);
  // A changed tab showed the page already.
  if (FShows == shows) ShowPage(*sheet);
}

void TSkinPageControl::SelectPage(int index) {
  DisableActivePage();
  if (index < 0 || index >= Strip().TabCount() || index >= PageCount()) {
    ActivatePage(nullptr);
    return;
  }
  const int shows = FShows;
  SetTabIndex(index);
  FActivePage.Set(this, FPages[static_cast<size_t>(index)]);
  if (FShows == shows) ShowPage(*FPages[static_cast<size_t>(index)]);
}

void TSkinPageControl::SelectNeighbourPage(int index) {
  for (int i = index - 1; i >= 0; --i)
    if (FPages[static_cast<size_t>(i)]->TabVisible()) {
      SelectPage(i);
      return;
    }
  for (int i = index + 1; i < PageCount(); ++i)
    if (FPages[static_cast<size_t>(i)]->TabVisible()) {
      SelectPage(i);
      return;
    }
}

void TSkinPageControl::ActivatePageIndex(int index) {
  if (index >= 0 && index < PageCount()) SelectPage(index);
}

void TSkinPageControl::MovePage(TSkinTabSheet& sheet, int index) {
  if (index < 0 || index >= PageCount() || index == sheet.FPageIndex) return;
  std::erase(FPages, &sheet);
  FPages.insert(FPages.begin() + index, &sheet);
  RenumberPages();
  UpdateTabs();
  UpdateTabVisibility();
  ActivatePage(&sheet);
}

// The last stored page has arrived: the pages take the stored order.
void TSkinPageControl::PageArrived() {
  if (PageCount() != FStoredPages.Count()) return;
  SortPagesByStoredOrder();
  UpdateTabVisibility();
  if (TSkinTabSheet* active = FActivePage.Get()) Strip().SetTabIndex(active->FPageIndex);
}

void TSkinPageControl::SortPagesByStoredOrder() {
  for (TSkinTabSheet* page : FPages) page->FPageIndex = FStoredPages.IndexOf(page->Name());
  std::stable_sort(FPages.begin(), FPages.end(),
                   [](const TSkinTabSheet* a, const TSkinTabSheet* b) { return a->FPageIndex < b->FPageIndex; });
  RenumberPages();
  UpdateTabs();
}

void TSkinPageControl::DoTabActive(int index) {
  DisableActivePage();
  if (index < 0 || index >= PageCount()) {
    // No page for the tab: none is active.
    FActivePage.Set(this, nullptr);
    TSkinTab::DoTabActive(index);
    return;
  }
  TSkinTabSheet& page = *FPages[static_cast<size_t>(index)];
  FActivePage.Set(this, &page);
  RaisePage(page);
  if (!IsLoading() && page.ControlCount() > 0) {
    auto* first = dynamic_cast<TWinControl*>(page.Controls(0));
    TForm* form = GetParentForm(this);
    if (first && form && first->Visible() && first->CanFocus()) form->SetActiveControl(first);
  }
  ShowPage(page);
  TSkinTab::DoTabActive(index);
}

void TSkinPageControl::UpdateChildrenUIStyle(TSkinUIStyle style, TSkinFileTheme* theme) {
  for (TSkinTabSheet* page : FPages) {
    ApplyThemeToChildren(*page, style, theme);
    page->SetColor(Color());
    page->SetAlign(TAlign::alClient);
  }
}

void TSkinPageControl::BorderColorChanged() {
  if (TSkinTabSheet* active = FActivePage.Get()) active->Invalidate();
}

void TSkinPageControl::ColorChanged() {
  for (TSkinTabSheet* page : FPages) page->SetColor(Color());
  TSkinTab::ColorChanged();
}

void TSkinPageControl::Notification(TComponent* component, TOperation operation) {
  TSkinTab::Notification(component, operation);
  if (operation == TOperation::opRemove) FActivePage.Release(component);
}
