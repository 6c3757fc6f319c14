// A form description with nested panels, a theme file, skinned menus, a
// skinned tool bar and handlers, read into a form.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QTest>

#include "skin/SkinClasses.h"
#include "skin/SkinForm.h"
#include "skin/SkinMainMenu.h"
#include "skin/SkinMgr.h"
#include "skin/SkinPopupMenu.h"
#include "skin/SkinToolBar.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/CustomPanel.h"
#include "windowing/Form.h"
#include "windowing/FormReader.h"
#include "windowing/ImageList.h"
#include "windowing/ToolButton.h"

namespace {

class TfrmRound : public TForm {
 public:
  explicit TfrmRound(TComponent* owner) : TForm(owner) {
    AddHandler("FormCreate", &TfrmRound::FormCreate);
    AddHandler("btnOpenClick", &TfrmRound::btnOpenClick);
    AddHandler("mnuOpenClick", &TfrmRound::mnuOpenClick);
  }
  static const TClassInfo& StaticClassInfo() {
    static const auto info = DefineClass<TfrmRound>("TfrmRound", TForm::StaticClassInfo(), nullptr);
    return *info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void FormCreate(TComponent*) { calls.push_back("FormCreate"); }
  void btnOpenClick(TComponent* sender) { calls.push_back("btnOpenClick:" + sender->Name()); }
  void mnuOpenClick(TComponent* sender) { calls.push_back("mnuOpenClick:" + sender->Name()); }
  std::vector<std::string> calls;
};

std::string Description(const std::string& themeFile) {
  return "object frmRound: TfrmRound\n"
         "  Caption = 'Round'\n"
         "  Width = 400\n"
         "  Height = 300\n"
         "  OnCreate = FormCreate\n"
         "  object SkinForm1: TSkinForm\n"
         "    UIStyle = Crystal\n"
         "    Visible = False\n"
         "  end\n"
         "  object Theme1: TSkinFileTheme\n"
         "    ThemeFile = '" + themeFile + "'\n"
         "  end\n"
         "  object pnlOuter: TPanel\n"
         "    Align = alClient\n"
         "    object pnlInner: TPanel\n"
         "      Align = alTop\n"
         "      Height = 50\n"
         "      object ToolBar1: TSkinToolBar\n"
         "        UIStyle = Azure\n"
         "        ButtonColor = clRed\n"
         "        Images = Images1\n"
         "        object btnOpen: TToolButton\n"
         "          ImageIndex = 0\n"
         "          OnClick = btnOpenClick\n"
         "        end\n"
         "      end\n"
         "    end\n"
         "  end\n"
         "  object MainMenu1: TSkinMainMenu\n"
         "    FileTheme = Theme1\n"
         "    UIStyle = FromThemeFile\n"
         "    Color = clYellow\n"
         "    object mnuFile: TMenuItem\n"
         "      Caption = '&File'\n"
         "      object mnuOpen: TMenuItem\n"
         "        Caption = '&Open'\n"
         "        ShortCut = 'Ctrl+O'\n"
         "        OnClick = mnuOpenClick\n"
         "      end\n"
         "    end\n"
         "  end\n"
         "  object Popup1: TSkinPopupMenu\n"
         "    Color = clLime\n"
         "    UIStyle = Frost\n"
         "  end\n"
         "  object Images1: TImageList\n"
         "  end\n"
         "end\n";
}

}  // namespace

TEST(SkinDescription, LoadsTheTreeInStoredOrderAndCallsItsHandlers) {
  RegisterSkinClasses();
  TTempFolder folder;
  const std::string theme = folder.Write(
      "round.thm", TThemeFileBuilder().AddInteger("MenuSelectedBackgroundColor", 0x0A0B0C).AddInteger("MenuBackgroundColor", 0x102030).Bytes());
  TfrmRound form(nullptr);
  form.LoadDescription(Description(theme));

  auto* frame = dynamic_cast<TSkinForm*>(form.FindComponent("SkinForm1"));
  auto* outer = dynamic_cast<TPanel*>(form.FindComponent("pnlOuter"));
  auto* inner = dynamic_cast<TPanel*>(form.FindComponent("pnlInner"));
  auto* bar = dynamic_cast<TSkinToolBar*>(form.FindComponent("ToolBar1"));
  auto* button = dynamic_cast<TToolButton*>(form.FindComponent("btnOpen"));
  auto* menu = dynamic_cast<TSkinMainMenu*>(form.FindComponent("MainMenu1"));
  auto* popup = dynamic_cast<TSkinPopupMenu*>(form.FindComponent("Popup1"));
  auto* open = dynamic_cast<TMenuItem*>(form.FindComponent("mnuOpen"));
  ASSERT_TRUE(frame && outer && inner && bar && button && menu && popup && open);
  EXPECT_EQ(outer->Parent(), &form);
  EXPECT_EQ(inner->Parent(), outer);
  EXPECT_EQ(bar->Parent(), inner);
  EXPECT_EQ(button->Parent(), bar);
  EXPECT_EQ(bar->ButtonCount(), 1);
  EXPECT_EQ(inner->BoundsRect(), Bounds(1, 1, form.ClientWidth() - 2, 50));

  // Stored after the style, the colour wins; stored before, the style's does.
  EXPECT_EQ(bar->UIStyle(), TSkinUIStyle::Azure);
  EXPECT_EQ(bar->ButtonColor(), clRed);
  EXPECT_EQ(bar->ButtonDownColor(), 0xE1AC93);
  EXPECT_EQ(menu->Color(), clYellow);
  EXPECT_EQ(menu->SelectedColor(), 0x0A0B0C);  // from the theme file
  EXPECT_EQ(popup->UIStyle(), TSkinUIStyle::Frost);
  EXPECT_EQ(popup->Color(), 0xE7E7E7);
  // The main menu found the skinned frame; its items are hooked once loaded.
  EXPECT_EQ(frame->Menu(), menu);
  ASSERT_NE(frame->MenuBar(), nullptr);
  EXPECT_EQ(frame->MenuBar()->Bar().actions().size(), 1);
  EXPECT_TRUE(open->OnAdvancedDrawItem);

  EXPECT_EQ(form.calls, (std::vector<std::string>{"FormCreate"}));
  button->Click();
  open->Click();
  form.Show();
  QApplication::setActiveWindow(&form);
  QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
  QCoreApplication::processEvents();
  EXPECT_EQ(form.calls, (std::vector<std::string>{"FormCreate", "btnOpenClick:btnOpen", "mnuOpenClick:mnuOpen",
                                                  "mnuOpenClick:mnuOpen"}));
  form.Hide();
}
