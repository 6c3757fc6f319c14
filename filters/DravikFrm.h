// The filter editor window: a category tree beside twelve stacked panels,
// each editing one part of a filter file, with File, Edit and Help menus.
// The window owns one filter definition and copies it to and from its
// controls. It is the main window of the standalone editor and is opened
// modally, on a new untitled filter, by the main program.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "filters/DravikFrm.dfm.h"
#include "filters/uFilterCtrl.h"
#include "windowing/Application.h"
#include "windowing/Form.h"

class TControl;
class TEdit;
class TMemo;
class TTreeNode;

// The mapper names of the mapper order list: "Note Mapper" 0, "Sharp
// Mapper" 1, "Duration Mapper" 2, "Dot Duration Mapper" 3, "Octave Mapper" 4.
// Any other id has the empty name; any other name (compared exactly) the id -1.
std::string MapperNameOfId(int id);
int MapperIdOfName(const std::string& name);

class TfrmDravik : public TForm, public TfrmDravikDesign {
 public:
  explicit TfrmDravik(TComponent* owner);
  ~TfrmDravik() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Path of the filter file shown; empty for a new, untitled filter.
  std::string FileName;
  std::unique_ptr<Dravik::TRingtoneFilterConfig> Config;
  // Set by every edit the user makes; cleared when a filter is loaded or saved.
  bool Modified = false;

  // Shows the filter of the path (a new one for the empty path) and runs the
  // window modally until it closes. The main program's entry.
  void ShowWithFile(const std::string& path);

  // Shows the filter of the path, or a new filter for the empty path. A file
  // that cannot be read, or holds no valid filter, is reported and changes
  // nothing: the window keeps its file, caption and controls.
  bool SetFilterFile(const std::string& path);
  // The file-name part of FileName, or "untitled".
  std::string GetDisplayName() const;
  void ConfigToForm();
  // Raises EConvertError for a drop-down list without a selection.
  void FormToConfig();
  // Writes the controls into the file; FileName names it once it is written.
  void SaveFilter(const std::string& path);
  void OpenFilter();
  // Asks whether to save unsaved edits; false: the caller stops.
  bool SaveCheck();
  // The Save command: to FileName, or to a name chosen in the save dialog.
  // True when the filter was written.
  bool SaveCommand();
  void UpdateMapperOrderButtons();

  virtual void AppIdle(TComponent* Sender, bool& Done);
  virtual void ShowHelpContents();
  virtual void ShowAbout();
  virtual void UpdateEditActions();

  // Handlers of the form description.
  void FormCreate(TComponent* Sender);
  void FormDestroy(TComponent* Sender);
  void FormResize(TComponent* Sender);
  void tvCateChange(TComponent* Sender, TTreeNode* Node);
  void btnFilterInfoClick(TComponent* Sender);
  void btnAuthorInfoClick(TComponent* Sender);
  void skinButton1Click(TComponent* Sender);
  void skinButton2Click(TComponent* Sender);
  void skinButton3Click(TComponent* Sender);
  void skinButton4Click(TComponent* Sender);
  void skinButton5Click(TComponent* Sender);
  void skinButton6Click(TComponent* Sender);
  void skinButton7Click(TComponent* Sender);
  void skinButton8Click(TComponent* Sender);
  void lbMapperOrderMainClick(TComponent* Sender);
  void btnMapperOrderUpperClick(TComponent* Sender);
  void btnMapperOrderDownerClick(TComponent* Sender);
  void ControlChanged(TComponent* Sender);
  void actNewExecute(TComponent* Sender);
  void actOpenExecute(TComponent* Sender);
  void actSaveExecute(TComponent* Sender);
  void actExitExecute(TComponent* Sender);
  void actCutExecute(TComponent* Sender);
  void actCopyExecute(TComponent* Sender);
  void actPasteExecute(TComponent* Sender);
  void actSelectAllExecute(TComponent* Sender);
  void actContentsExecute(TComponent* Sender);
  void actQNewsExecute(TComponent* Sender);
  void actHomePageExecute(TComponent* Sender);
  void actAboutExecute(TComponent* Sender);

 private:
  // A text field of the filter and the edit that shows it.
  struct TTextBinding {
    TSkinEdit* Edit;
    std::string TRingtoneFilterConfigBase::*Field;
  };
  struct TFlagBinding {
    TSkinCheckBox* Box;
    bool TRingtoneFilterConfigBase::*Field;
  };

  // Pairs the edits and check boxes with the filter's fields, and the
  // tree's nodes with their panels.
  void BindFields();
  void FillCategoryTree();
  void ApplyFonts();
  // The filter of the path, read into a new definition; raises what reading
  // raises. A new filter keeps the current brand and model.
  std::unique_ptr<Dravik::TRingtoneFilterConfig> LoadConfig(const std::string& path) const;
  // Whether the filter can be shown: a known type, and for a file a mapper
  // order of numbers. Reports what is wrong.
  bool CheckConfig(const Dravik::TRingtoneFilterConfig& config, bool named) const;
  void UpdateCaption();
  void SelectNodes(const std::string& name);
  void MoveMapperOrderItem(int by);
  // The skinned memo or edit that has the focus in this window, or null;
  // null too while it lies on a panel hidden under the one in front.
  TControl* ActiveEditControl() const;
  bool OnHiddenPanel(const TControl& control) const;
  // Runs the memo's or the edit's own command on the focused one.
  void EditCommand(void (TMemo::*onMemo)(), void (TEdit::*onEdit)()) const;

  std::vector<TTextBinding> FTexts;
  std::vector<TFlagBinding> FFlags;
  std::vector<std::pair<std::string, TSkinImagePanel*>> FPanels;
  TIdleEvent FOldIdle;
  // While code fills the controls, their change events are no user's edits.
  bool FFilling = false;
};
