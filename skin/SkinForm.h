// The skinned form: dropped once on a form, it takes over the form's frame.
// The form loses the window system's caption and border; this panel fills
// it and carries the skinned title bar, a menu bar showing an attached main
// menu, the form's content and a border of the style's colour and width
// around it. It keeps the frame working: activation, maximising to the work
// area, sizing by the margins, the rounded window shape and the border.
#pragma once

#include <QPointer>
#include <QProxyStyle>
#include <QWindow>
#include <memory>
#include <string>

#include "skin/SkinMainMenu.h"
#include "skin/SkinMgr.h"
#include "skin/SkinThemes.h"
#include "skin/SkinTitleBar.h"
#include "windowing/ComponentRef.h"
#include "windowing/CustomPanel.h"
#include "windowing/Form.h"
#include "windowing/WindowDrag.h"

class QMenuBar;
class TMainMenu;
class TSkinForm;

// The menu bar of a skinned form: the attached menu's top-level items side
// by side, each opening its sub-items, drawn by the skinned form.
class TSkinFormMenuBar : public TCustomControl {
 public:
  explicit TSkinFormMenuBar(TSkinForm& form);
  ~TSkinFormMenuBar() override;

  QMenuBar& Bar() const { return *FBar; }
  // Shows the menu's top-level items, in their order.
  void Rebuild(const TMainMenu& menu);
  // The area of the button of a top-level item; empty when it is not shown.
  TRect ButtonRect(const TMenuItem& item) const;

 protected:
  void Resize() override;
  void FontChanged() override;

 private:
  std::unique_ptr<QProxyStyle> FStyle;
  std::unique_ptr<QMenuBar> FBar;
};

class TSkinForm : public TSkinThemed<TCustomPanel>, public TSkinFormFrame {
 public:
  // On a form (the owner), which then gets no frame of the window system's;
  // a second one on the same form raises "Sorry, You can create only one
  // TSkinForm component in one form!".
  explicit TSkinForm(TComponent* owner);
  ~TSkinForm() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TForm* OwnerForm() const { return FOwnerForm; }
  TSkinTitleBar& TitleBar() const { return *FTitleBar; }
  // The menu bar while a menu is attached, else null.
  TSkinFormMenuBar* MenuBar() const { return FMenuBar; }

  bool TitleBarCustom() const { return FTitleBar->Custom(); }
  void SetTitleBarCustom(bool custom) { FTitleBar->SetCustom(custom); }
  TSkinUIStyle UIStyle() const override { return TSkinThemed::UIStyle(); }
  bool UIStyleAutoUpdateSub() const { return FUIStyleAutoUpdateSub; }
  void SetUIStyleAutoUpdateSub(bool update) { FUIStyleAutoUpdateSub = update; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor color);
  // The width of the border round the panel; the form grows or shrinks
  // around an unchanged panel.
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int width);
  bool TitleBarVisible() const { return FTitleBar->Visible(); }
  void SetTitleBarVisible(bool visible);
  // The title bar's caption, which is also the form's.
  const std::string& Caption() const { return FTitleBar->Caption(); }
  void SetCaption(const std::string& caption);
  // The content panel: it fills the room under the title and menu bars.
  TCustomPanel* FormPanel() const { return FFormPanel.Get(); }
  void SetFormPanel(TCustomPanel* panel);
  TSkinTitleBarButtons& TitleBarButtons() { return FTitleBar->Buttons(); }
  void SetTitleBarButtons(const TSkinTitleBarButtons& buttons) { FTitleBar->SetButtons(buttons); }
  TSkinTitleBarSections& TitleBarSections() { return FTitleBar->Sections(); }
  void SetTitleBarSections(const TSkinTitleBarSections& sections) { FTitleBar->SetSections(sections); }
  bool TitleBarDrawAppIcon() const { return FTitleBar->DrawAppIcon(); }
  void SetTitleBarDrawAppIcon(bool draw) { FTitleBar->SetDrawAppIcon(draw); }
  // The caption font (published as Font); the panel's own font is the
  // form's, which the content takes.
  TFont& TitleBarFont() { return FTitleBar->Font(); }
  TMainMenu* Menu() const { return FMenu.Get(); }
  void SetMenu(TMainMenu* menu) override;
  TColor MenuBarColor() const { return FMenuBarColor; }
  void SetMenuBarColor(TColor color);
  int MenuBarHeight() const { return FMenuBarHeight; }
  void SetMenuBarHeight(int height);
  // Size the form so that the panel gets this size (the height adds the
  // border width and half of it once more, as stored forms expect).
  void SetWidth(int width);
  void SetHeight(int height);
  int RoundCorner() const { return FTitleBar->RoundCorner(); }
  void SetRoundCorner(int corner) { FTitleBar->SetRoundCorner(corner); }
  std::string Version() const { return "4.06"; }
  void SetVersion(const std::string&) {}

  // Places the panel inside the form, leaving the border.
  void UpdateLayout();
  // Repaints the border strips of the form.
  void PaintBorder();
  // The form's border style before the frame was taken over.
  TFormBorderStyle GetSavedBorderStyle() const { return FSavedBorderStyle; }
  // What a point of the form (client coordinates) sizes: the margins of a
  // sizeable form that is not maximised (5 pixels left and top, 4 right
  // and bottom), else HTCLIENT.
  int NCHitTest(int x, int y) const;

  // The menu bar's drawing: its background, and one button of it (false
  // when this drew the button; true leaves it to the plain drawing).
  void MenuBarCustomDraw(TCanvas& canvas, const TRect& r) const;
  bool MenuBarCustomDrawButton(TCanvas& canvas, const TRect& r, const std::string& caption, bool hot,
                               bool selected) const;
  // The room a caption is centred in on a menu-bar button of the area r:
  // two pixels low (one in Silver), hot or not, so that it keeps its place
  // when the pointer comes.
  TRect MenuBarCaptionRect(const TRect& r) const;
  // The canvas font of the menu bar's buttons.
  void MenuBarButtonFont(TFont& font) const;
  int MenuBarButtonWidth(const std::string& caption) const;

 protected:
  // Border colour and width and the background from the style; the style
  // goes on to the title bar, the menu and (with UIStyleAutoUpdateSub) the children.
  void ApplyUIStyle() override;
  // The children turn to Midnight without a theme as well, unless the form
  // is going.
  void FileThemeRemoved() override;
  void Paint(TCanvas& canvas) override;
  void Notification(TComponent* component, TOperation operation) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateMenuBar();
  void DestroyMenuBar();
  // The attached skinned menu changed: the menu bar follows.
  void MainMenuChanged(TMainMenuChange change);
  void RebuildMenuBar();
  void RefreshMenuBar();
  void UpdateMenuBarFont();
  void HandleSize();
  void DrawBorder();
  void WatchWindow();
  bool WindowMouse(const QMouseEvent& event);
  TSkinMainMenu* SkinnedMenu() const;

  TForm* FOwnerForm = nullptr;
  TSkinTitleBar* FTitleBar;          // owned as a component
  TSkinFormMenuBar* FMenuBar = nullptr;  // owned as a component
  TComponentRef<TMainMenu> FMenu;
  TComponentRef<TCustomPanel> FFormPanel;
  bool FUIStyleAutoUpdateSub = false;
  TColor FBorderColor = clBlack;
  int FBorderWidth = 0;
  TColor FMenuBarColor = clBtnFace;
  int FMenuBarHeight = 22;
  TFormBorderStyle FSavedBorderStyle = TFormBorderStyle::bsSizeable;
  TRect FSavedBounds;
  bool FRestoreOnce = false;
  bool FInSize = false;
  // The form's window, whose mouse input passes the margins first.
  QPointer<QWindow> FWindow;
  TWindowDrag FDrag;
  TSizingPointer FSizingPointer;
};
