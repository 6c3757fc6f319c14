#include "windowing/ListBox.h"

#include <QListWidget>

#include "windowing/Guarded.h"

TListBox::TListBox(TComponent* owner) : TNativeControl(owner, new QListWidget), FList(static_cast<QListWidget*>(&Inner())) {
  FList->setFrameShape(QFrame::NoFrame);
  SetTabStop(true);
  SetBounds(0, 0, 121, 97);
  QObject::connect(FList, &QListWidget::currentRowChanged, FList, [this] {
    if (!FByCode && OnClick) Guarded([this] { OnClick(this); });
  });
}

const TClassInfo& TListBox::StaticClassInfo() {
  static const auto info = DefineClass<TListBox>("TListBox", TNativeControl::StaticClassInfo(), [](TPublisher<TListBox>& p) {
    p.Strings("Items", &TListBox::Items, &TListBox::SetItems)
        .Integer("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
        .Bool("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect)
        .Bool("Sorted", &TListBox::Sorted, &TListBox::SetSorted);
  });
  return *info;
}

TStringList TListBox::Items() const {
  TStringList items;
  for (int i = 0; i < FList->count(); ++i) items.Add(ToLocal8Bit(FList->item(i)->text()));
  return items;
}

void TListBox::SetItems(const TStringList& items) {
  FByCode = true;
  FList->clear();
  for (const std::string& item : items.Lines()) FList->addItem(FromLocal8Bit(item));
  FByCode = false;
}

int TListBox::Count() const { return FList->count(); }

void TListBox::AddItem(const std::string& item) {
  FByCode = true;
  FList->addItem(FromLocal8Bit(item));
  FByCode = false;
}

void TListBox::Clear() {
  FByCode = true;
  FList->clear();
  FByCode = false;
}

int TListBox::ItemIndex() const { return FList->currentRow(); }

void TListBox::SetItemIndex(int index) {
  FByCode = true;
  FList->setCurrentRow(index >= 0 && index < FList->count() ? index : -1);
  FByCode = false;
}

void TListBox::SetSorted(bool sorted) {
  FSorted = sorted;
  FList->setSortingEnabled(sorted);
  if (sorted) FList->sortItems();
}

void TListBox::SetMultiSelect(bool multiSelect) {
  FMultiSelect = multiSelect;
  FList->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

bool TListBox::Selected(int index) const {
  const QListWidgetItem* item = FList->item(index);
  return item && item->isSelected();
}
