#include "skin/SkinControlClasses.h"

#include "skin/SkinButton.h"
#include "skin/SkinComboBox.h"
#include "skin/SkinEdit.h"
#include "skin/SkinForm.h"
#include "skin/SkinGrid.h"
#include "skin/SkinGroupBox.h"
#include "skin/SkinImagePanel.h"
#include "skin/SkinListBox.h"
#include "skin/SkinMainMenu.h"
#include "skin/SkinMemo.h"
#include "skin/SkinMgr.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinPopupMenu.h"
#include "skin/SkinScrollBar.h"
#include "skin/SkinStatusBar.h"
#include "skin/SkinTitleBar.h"
#include "skin/SkinToolBar.h"
#include "skin/SkinTrackBar.h"
#include "skin/SkinTreeView.h"
#include "skin/SkinURLLabel.h"
#include "windowing/Persistent.h"

void RegisterSkinControlClasses() {
  for (const TClassInfo* info :
       {&TSkinFileTheme::StaticClassInfo(), &TSkinPopupMenu::StaticClassInfo(), &TSkinMainMenu::StaticClassInfo(),
        &TSkinForm::StaticClassInfo(), &TSkinTitleBar::StaticClassInfo(), &TSkinStatusBar::StaticClassInfo(),
        &TSkinToolBar::StaticClassInfo()})
    RegisterClass(*info);
  for (const TClassInfo* info : {&TSkinButton::StaticClassInfo(), &TSkinImageButton::StaticClassInfo(),
                                 &TSkinCheckBox::StaticClassInfo(), &TSkinRadioButton::StaticClassInfo(),
                                 &TSkinImagePanel::StaticClassInfo(), &TSkinGroupBox::StaticClassInfo(),
                                 &TSkinTrackBar::StaticClassInfo(), &TSkinScrollTrackBar::StaticClassInfo()})
    RegisterClass(*info);
  for (const TClassInfo* info : {&TSkinScrollBar::StaticClassInfo(), &TSkinEdit::StaticClassInfo(),
                                 &TSkinComboBox::StaticClassInfo(), &TSkinMemo::StaticClassInfo(),
                                 &TSkinListBox::StaticClassInfo(), &TSkinTreeView::StaticClassInfo(),
                                 &TSkinPageControl::StaticClassInfo(), &TSkinTabSheet::StaticClassInfo(),
                                 &TSkinStringGrid::StaticClassInfo(), &TSkinURLLabel::StaticClassInfo()})
    RegisterClass(*info);
}
