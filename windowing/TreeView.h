// A tree view over QTreeWidget. OnChange follows every change of the
// selected node, by the user or by code, as on the platform; OnChanging may
// refuse a change the user makes.
#pragma once

#include <memory>

#include "runtime/StringList.h"
#include "windowing/ComponentRef.h"
#include "windowing/ImageList.h"
#include "windowing/NativeControl.h"
#include "windowing/TreeNodes.h"

class QTreeWidget;

using TTVChangedEvent = std::function<void(TComponent* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TComponent* Sender, TTreeNode* Node, bool& AllowChange)>;

class TTreeView : public TNativeControl {
 public:
  explicit TTreeView(TComponent* owner);
  ~TTreeView() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  QTreeWidget& Tree() const { return *FTree; }
  TTreeNodes& Items() const { return *FItems; }
  // The nodes in their text form (see TTreeNodes::Lines), as descriptions store them.
  TStringList ItemLines() const { return FItems->Lines(); }
  void SetItemLines(const TStringList& lines) { FItems->SetLines(lines); }
  TTreeNode* Selected() const;
  void SetSelected(TTreeNode* node);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool readOnly) { FReadOnly = readOnly; }
  // Off: the selection stays visible while the view has no focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool hide);
  bool ShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool show);
  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool show);
  bool ShowLines() const { return FShowLines; }
  void SetShowLines(bool show) { FShowLines = show; }
  int Indent() const;
  void SetIndent(int indent);
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool rowSelect) { FRowSelect = rowSelect; }
  TCustomImageList* Images() const { return FImages.Get(); }
  void SetImages(TCustomImageList* images);

  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void CurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
  void ShowImage(TTreeNode& node) const;

  QTreeWidget* FTree;
  std::unique_ptr<TTreeNodes> FItems;
  TComponentRef<TCustomImageList> FImages;
  bool FReadOnly = false;
  bool FHideSelection = true;
  bool FShowRoot = true;
  bool FShowButtons = true;
  bool FShowLines = true;
  bool FRowSelect = false;
  bool FReverting = false;
};
