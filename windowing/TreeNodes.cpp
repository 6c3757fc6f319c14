#include "windowing/TreeNodes.h"

#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <vector>

#include "runtime/StringList.h"
#include "runtime/SysUtils.h"
#include "windowing/NativeControl.h"

std::string TTreeNode::Text() const { return ToLocal8Bit(FItem->text(0)); }

void TTreeNode::SetText(const std::string& text) { FItem->setText(0, FromLocal8Bit(text)); }

void TTreeNode::SetImageIndex(int index) {
  FImageIndex = index;
  if (FOwner.OnImageChange) FOwner.OnImageChange(*this);
}

TTreeNode* TTreeNode::Parent() const { return FOwner.NodeOf(FItem->parent()); }

int TTreeNode::Count() const { return FItem->childCount(); }

TTreeNode* TTreeNode::Item(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
  return FOwner.NodeOf(FItem->child(index));
}

int TTreeNode::Index() const {
  if (QTreeWidgetItem* parent = FItem->parent()) return parent->indexOfChild(FItem);
  return FOwner.Tree().indexOfTopLevelItem(FItem);
}

int TTreeNode::Level() const {
  int level = 0;
  for (QTreeWidgetItem* p = FItem->parent(); p; p = p->parent()) ++level;
  return level;
}

bool TTreeNode::Expanded() const { return FItem->isExpanded(); }

void TTreeNode::SetExpanded(bool expanded) { FItem->setExpanded(expanded); }

void TTreeNode::Expand(bool recurse) {
  FItem->setExpanded(true);
  if (recurse)
    for (int i = 0; i < Count(); ++i) Item(i)->Expand(true);
}

bool TTreeNode::Selected() const { return FOwner.Tree().currentItem() == FItem; }

void TTreeNode::SetSelected(bool selected) {
  if (selected)
    FOwner.Tree().setCurrentItem(FItem);
  else if (Selected())
    FOwner.Tree().setCurrentItem(nullptr);
}

void TTreeNode::Delete() { FOwner.Delete(this); }

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const std::string& text, void* data) {
  return AddChildObject(sibling ? sibling->Parent() : nullptr, text, data);
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) { return AddObject(sibling, text, nullptr); }

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
  return AddChildObject(parent, text, nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const std::string& text, void* data) {
  auto* item = new QTreeWidgetItem(QStringList(FromLocal8Bit(text)));
  if (parent)
    parent->Item()->addChild(item);
  else
    FTree.addTopLevelItem(item);
  auto node = std::make_unique<TTreeNode>(*this, item);
  node->SetData(data);
  TTreeNode* result = node.get();
  FNodes[item] = std::move(node);
  return result;
}

void TTreeNodes::Forget(QTreeWidgetItem* item) {
  for (int i = 0; i < item->childCount(); ++i) Forget(item->child(i));
  FNodes.erase(item);
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (!node) return;
  QTreeWidgetItem* item = node->Item();
  Forget(item);
  delete item;  // Qt takes it out of the tree and frees its children
}

void TTreeNodes::Clear() {
  FTree.clear();
  FNodes.clear();
}

TTreeNode* TTreeNodes::Item(int index) const {
  int position = 0;
  TTreeNode* found = nullptr;
  std::function<bool(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
    if (position++ == index) {
      found = NodeOf(item);
      return true;
    }
    for (int i = 0; i < item->childCount(); ++i)
      if (walk(item->child(i))) return true;
    return false;
  };
  for (int i = 0; i < FTree.topLevelItemCount(); ++i)
    if (walk(FTree.topLevelItem(i))) return found;
  throw EListError("List index out of bounds (" + IntToStr(index) + ")");
}

TTreeNode* TTreeNodes::GetFirstNode() const { return FTree.topLevelItemCount() ? NodeOf(FTree.topLevelItem(0)) : nullptr; }

TTreeNode* TTreeNodes::NodeOf(const QTreeWidgetItem* item) const {
  const auto it = FNodes.find(item);
  return it == FNodes.end() ? nullptr : it->second.get();
}

TStringList TTreeNodes::Lines() const {
  TStringList lines;
  for (int i = 0; i < Count(); ++i) {
    const TTreeNode* node = Item(i);
    lines.Add(std::string(static_cast<size_t>(node->Level()), '\t') + node->Text());
  }
  return lines;
}

void TTreeNodes::SetLines(const TStringList& lines) {
  Clear();
  std::vector<TTreeNode*> path;  // the last node added at each level
  for (const std::string& line : lines.Lines()) {
    const size_t tabs = line.find_first_not_of('\t');
    if (tabs == std::string::npos) continue;
    const size_t level = std::min(tabs, path.size());
    path.resize(level);
    path.push_back(AddChild(level ? path.back() : nullptr, line.substr(tabs)));
  }
}
