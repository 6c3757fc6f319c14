// The nodes of a tree view: text, data and image indexes, in a tree that
// the view's QTreeWidget shows. Nodes belong to the node list, which frees
// a node with its children.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

class QTreeWidget;
class TStringList;
class QTreeWidgetItem;
class TTreeNodes;

class TTreeNode {
 public:
  TTreeNode(TTreeNodes& owner, QTreeWidgetItem* item) : FOwner(owner), FItem(item) {}
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  std::string Text() const;
  void SetText(const std::string& text);
  void* Data() const { return FData; }
  void SetData(void* data) { FData = data; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int index) { FSelectedIndex = index; }

  TTreeNode* Parent() const;
  int Count() const;
  // Child index; EListError outside the children.
  TTreeNode* Item(int index) const;
  int Index() const;
  int Level() const;
  bool HasChildren() const { return Count() > 0; }
  bool Expanded() const;
  void SetExpanded(bool expanded);
  void Expand(bool recurse);
  bool Selected() const;
  void SetSelected(bool selected);
  // Frees the node with its children.
  void Delete();

  QTreeWidgetItem* Item() const { return FItem; }

 private:
  TTreeNodes& FOwner;
  QTreeWidgetItem* FItem;
  void* FData = nullptr;
  int FImageIndex = -1;
  int FSelectedIndex = -1;
};

class TTreeNodes {
 public:
  explicit TTreeNodes(QTreeWidget& tree) : FTree(tree) {}
  TTreeNodes(const TTreeNodes&) = delete;
  TTreeNodes& operator=(const TTreeNodes&) = delete;

  // A node after the last sibling of sibling (null: a last top-level node).
  TTreeNode* Add(TTreeNode* sibling, const std::string& text);
  TTreeNode* AddObject(TTreeNode* sibling, const std::string& text, void* data);
  // A last child of parent (null: a last top-level node).
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  TTreeNode* AddChildObject(TTreeNode* parent, const std::string& text, void* data);
  void Delete(TTreeNode* node);
  void Clear();
  // Every node, in tree order.
  int Count() const { return static_cast<int>(FNodes.size()); }
  TTreeNode* Item(int index) const;
  TTreeNode* GetFirstNode() const;
  // The platform's text form of the nodes, as form descriptions store them:
  // one line per node in tree order, indented by one tab per level. Setting
  // it replaces every node; a line indented deeper than one level below the
  // line before it is taken as that line's child.
  TStringList Lines() const;
  void SetLines(const TStringList& lines);
  // The node shown by a Qt item, or null.
  TTreeNode* NodeOf(const QTreeWidgetItem* item) const;

  QTreeWidget& Tree() const { return FTree; }
  // Tells the view which images the nodes' indexes refer to.
  std::function<void(TTreeNode&)> OnImageChange;

 private:
  void Forget(QTreeWidgetItem* item);

  QTreeWidget& FTree;
  std::map<const QTreeWidgetItem*, std::unique_ptr<TTreeNode>> FNodes;
};
