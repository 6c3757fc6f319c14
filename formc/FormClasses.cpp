#include "formc/FormClasses.h"

#include <algorithm>
#include <array>

#include "runtime/SysUtils.h"

namespace {

constexpr std::array kClasses = {
    TFormClass{"TAction", "windowing/Action.h"},
    TFormClass{"TActionList", "windowing/ActionList.h"},
    TFormClass{"TComboBox", "windowing/ComboBox.h"},
    TFormClass{"TEdit", "windowing/Edit.h"},
    TFormClass{"TForm", "windowing/Form.h"},
    TFormClass{"TImage", "windowing/Image.h"},
    TFormClass{"TImageList", "windowing/ImageList.h"},
    TFormClass{"TLabel", "windowing/Label.h"},
    TFormClass{"TListBox", "windowing/ListBox.h"},
    TFormClass{"TMainMenu", "windowing/MainMenu.h"},
    TFormClass{"TMemo", "windowing/Memo.h"},
    TFormClass{"TMenuItem", "windowing/MenuItem.h"},
    TFormClass{"TOpenDialog", "windowing/Dialogs.h"},
    TFormClass{"TPanel", "windowing/CustomPanel.h"},
    TFormClass{"TPopupMenu", "windowing/PopupMenu.h"},
    TFormClass{"TSaveDialog", "windowing/Dialogs.h"},
    TFormClass{"TSplitter", "windowing/Splitter.h"},
    TFormClass{"TStatusBar", "windowing/StatusBar.h"},
    TFormClass{"TStringGrid", "windowing/StringGrid.h"},
    TFormClass{"TTimer", "windowing/Timer.h"},
    TFormClass{"TToolBar", "windowing/ToolBar.h"},
    TFormClass{"TToolButton", "windowing/ToolButton.h"},
    TFormClass{"TTreeView", "windowing/TreeView.h"},
    TFormClass{"TSkinButton", "skin/SkinButton.h"},
    TFormClass{"TSkinCheckBox", "skin/SkinButton.h"},
    TFormClass{"TSkinComboBox", "skin/SkinComboBox.h"},
    TFormClass{"TSkinEdit", "skin/SkinEdit.h"},
    TFormClass{"TSkinFileTheme", "skin/SkinMgr.h"},
    TFormClass{"TSkinForm", "skin/SkinForm.h"},
    TFormClass{"TSkinGroupBox", "skin/SkinGroupBox.h"},
    TFormClass{"TSkinImageButton", "skin/SkinButton.h"},
    TFormClass{"TSkinImagePanel", "skin/SkinImagePanel.h"},
    TFormClass{"TSkinListBox", "skin/SkinListBox.h"},
    TFormClass{"TSkinMainMenu", "skin/SkinMainMenu.h"},
    TFormClass{"TSkinMemo", "skin/SkinMemo.h"},
    TFormClass{"TSkinMessageDialog", "skin/SkinDlg.h"},
    TFormClass{"TSkinPageControl", "skin/SkinPageControl.h"},
    TFormClass{"TSkinPopupMenu", "skin/SkinPopupMenu.h"},
    TFormClass{"TSkinRadioButton", "skin/SkinButton.h"},
    TFormClass{"TSkinScrollBar", "skin/SkinScrollBar.h"},
    TFormClass{"TSkinScrollTrackBar", "skin/SkinTrackBar.h"},
    TFormClass{"TSkinStatusBar", "skin/SkinStatusBar.h"},
    TFormClass{"TSkinStringGrid", "skin/SkinGrid.h"},
    TFormClass{"TSkinTabSheet", "skin/SkinPageControl.h"},
    TFormClass{"TSkinTitleBar", "skin/SkinTitleBar.h"},
    TFormClass{"TSkinToolBar", "skin/SkinToolBar.h"},
    TFormClass{"TSkinTrackBar", "skin/SkinTrackBar.h"},
    TFormClass{"TSkinTreeView", "skin/SkinTreeView.h"},
    TFormClass{"TSkinURLLabel", "skin/SkinURLLabel.h"},
};

}  // namespace

std::span<const TFormClass> FormClasses() { return kClasses; }

const TFormClass* FindFormClass(const std::string& name) {
  const auto* found =
      std::find_if(kClasses.begin(), kClasses.end(), [&](const TFormClass& c) { return SameText(c.Name, name); });
  return found == kClasses.end() ? nullptr : found;
}
