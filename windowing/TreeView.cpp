#include "windowing/TreeView.h"

#include <QHeaderView>
#include <QPixmap>
#include <QTreeWidget>

#include "windowing/Guarded.h"

TTreeView::TTreeView(TComponent* owner)
    : TNativeControl(owner, new QTreeWidget),
      FTree(static_cast<QTreeWidget*>(&Inner())),
      FItems(std::make_unique<TTreeNodes>(*FTree)) {
  FTree->setFrameShape(QFrame::NoFrame);
  FTree->setHeaderHidden(true);
  FTree->setColumnCount(1);
  // The one column is as wide as the widest node, so that a long name shows
  // whole and the view scrolls sideways to it, as the platform's tree does.
  FTree->header()->setStretchLastSection(false);
  FTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  FItems->OnImageChange = [this](TTreeNode& node) { ShowImage(node); };
  SetTabStop(true);
  SetBounds(0, 0, 121, 97);
  QObject::connect(FTree, &QTreeWidget::currentItemChanged, FTree,
                   [this](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                     Guarded([&] { CurrentChanged(current, previous); });
                   });
}

TTreeView::~TTreeView() {
  // The nodes go before the widget that shows them.
  FTree->blockSignals(true);
  FItems->Clear();
}

const TClassInfo& TTreeView::StaticClassInfo() {
  static const auto info = DefineClass<TTreeView>("TTreeView", TNativeControl::StaticClassInfo(), [](TPublisher<TTreeView>& p) {
    p.Bool("HideSelection", &TTreeView::HideSelection, &TTreeView::SetHideSelection)
        .Component<TCustomImageList>("Images", &TTreeView::Images, &TTreeView::SetImages)
        .Integer("Indent", &TTreeView::Indent, &TTreeView::SetIndent)
        .Strings("Items", &TTreeView::ItemLines, &TTreeView::SetItemLines)
        .Bool("ReadOnly", &TTreeView::ReadOnly, &TTreeView::SetReadOnly)
        .Bool("RowSelect", &TTreeView::RowSelect, &TTreeView::SetRowSelect)
        .Bool("ShowButtons", &TTreeView::ShowButtons, &TTreeView::SetShowButtons)
        .Bool("ShowLines", &TTreeView::ShowLines, &TTreeView::SetShowLines)
        .Bool("ShowRoot", &TTreeView::ShowRoot, &TTreeView::SetShowRoot)
        .Event("OnChange", &TTreeView::OnChange)
        .Event("OnChanging", &TTreeView::OnChanging);
  });
  return *info;
}

TTreeNode* TTreeView::Selected() const { return FItems->NodeOf(FTree->currentItem()); }

void TTreeView::SetSelected(TTreeNode* node) { FTree->setCurrentItem(node ? node->Item() : nullptr); }

void TTreeView::SetHideSelection(bool hide) {
  FHideSelection = hide;
  QPalette palette = FTree->palette();
  const QPalette::ColorGroup shown = hide ? QPalette::Inactive : QPalette::Active;
  palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(shown, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(shown, QPalette::HighlightedText));
  FTree->setPalette(palette);
}

void TTreeView::SetShowRoot(bool show) {
  FShowRoot = show;
  FTree->setRootIsDecorated(show && FShowButtons);
}

void TTreeView::SetShowButtons(bool show) {
  FShowButtons = show;
  FTree->setRootIsDecorated(show && FShowRoot);
  FTree->setItemsExpandable(true);
}

int TTreeView::Indent() const { return FTree->indentation(); }

void TTreeView::SetIndent(int indent) { FTree->setIndentation(std::max(0, indent)); }

void TTreeView::SetImages(TCustomImageList* images) {
  FImages.Set(this, images);
  for (int i = 0; i < FItems->Count(); ++i) ShowImage(*FItems->Item(i));
}

void TTreeView::ShowImage(TTreeNode& node) const {
  const TCustomImageList* images = FImages.Get();
  const QImage image = images ? images->Image(node.ImageIndex()) : QImage();
  node.Item()->setIcon(0, image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
}

void TTreeView::CurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
  if (FReverting) return;
  TTreeNode* node = FItems->NodeOf(current);
  if (OnChanging && current) {
    bool allow = true;
    OnChanging(this, node, allow);
    if (!allow) {
      FReverting = true;
      FTree->setCurrentItem(previous);
      FReverting = false;
      return;
    }
  }
  if (OnChange) OnChange(this, node);
}

void TTreeView::Notification(TComponent* component, TOperation operation) {
  TNativeControl::Notification(component, operation);
  if (operation == TOperation::opRemove && FImages.Release(component))
    for (int i = 0; i < FItems->Count(); ++i) ShowImage(*FItems->Item(i));
}
