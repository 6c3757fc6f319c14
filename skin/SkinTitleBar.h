// The title bar of a skinned form: the caption strip painted from bitmap
// sections of the style, the caption buttons (control box, help, maximise
// or restore, minimise, close and custom ones) with normal, hover and
// pressed pictures, the caption shortened with "..." to the free space,
// moving the window by the strip, maximising or restoring on a double
// click, the window menu and the window's rounded top corners (the skinned
// form sizes the window by its margins, the bar's top edge included). The
// skinned form creates it and republishes its settings; applications never
// create one themselves.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "skin/SkinMgr.h"
#include "skin/SkinPopupMenu.h"
#include "skin/SkinThemes.h"
#include "windowing/Collection.h"
#include "windowing/ComponentRef.h"
#include "windowing/CustomPanel.h"
#include "windowing/Picture.h"
#include "windowing/WindowDrag.h"

class TForm;
class TPopupMenu;
class TSkinTitleBar;

enum class TSkinTitleBarBtnType : uint8_t { skinMax, skinMin, skinClose, skinHelp, skinControlBox, skinCustom };
enum class TSkinTitleBarAlign : uint8_t { skinLeft, skinRight, skinClient };

// The caption as it fits into width in the canvas font: whole, or its
// longest beginning that fits followed by "..." ("..." alone when nothing
// else fits).
std::string ShortenTitleCaption(const TCanvas& canvas, const std::string& caption, int width);

using TSkinTitleBarButtonClickEvent = std::function<void(TComponent* Sender, int ButtonIndex)>;

// A caption button; its size is that of its normal picture.
class TSkinTitleBarButton : public TCollectionItem {
 public:
  explicit TSkinTitleBarButton(TCollection& collection);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TEnumInfo& ButtonTypeNames();

  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  TSkinTitleBarBtnType ButtonType() const { return FButtonType; }
  // Refuses (with a message) a second control box in the collection.
  void SetButtonType(TSkinTitleBarBtnType type);
  // Leaves out the colour of the lower-left pixel of the picture drawn.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  int Top() const { return FTop; }
  void SetTop(int top);
  // Loads the style's pictures (for every type but skinCustom).
  TSkinUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TSkinUIStyle style);
  const TPicture& PicNormal() const { return FPicNormal; }
  const TPicture& PicMouseOn() const { return FPicMouseOn; }
  const TPicture& PicMouseDown() const { return FPicMouseDown; }
  void SetPicNormal(const TPicture& picture);
  void SetPicMouseOn(const TPicture& picture);
  void SetPicMouseDown(const TPicture& picture);
  // The menu the control box opens in place of the window menu; it is
  // forgotten when it is freed.
  TPopupMenu* ControlBoxMenu() const { return FControlBoxMenu.Get(); }
  void SetControlBoxMenu(TPopupMenu* menu);

  int Width() const { return FPicNormal.Width(); }
  int Height() const { return FPicNormal.Height(); }
  TSkinTitleBar* TitleBar() const;

  // The button's action on its window: maximise or restore, minimise,
  // close, or open the control box menu.
  void DoClick();
  void UpdatePictures();
  // A maximise button shows the restore pictures while its window is maximised.
  void UpdateMaxPictures();

  // Through the setters, as the button types and styles require.
  void Assign(const TCollectionItem& source) override;

  // Forgets the control box menu when that component is freed.
  void ReleaseComponent(const TComponent* component);

 private:
  friend class TSkinTitleBar;
  void LoadFrames(int firstFrame);
  void SetPicture(TPicture& picture, const TPicture& source);
  std::string PicNormalData() const { return FPicNormal.Data(); }
  std::string PicMouseOnData() const { return FPicMouseOn.Data(); }
  std::string PicMouseDownData() const { return FPicMouseDown.Data(); }
  void SetPicNormalData(const std::string& data);
  void SetPicMouseOnData(const std::string& data);
  void SetPicMouseDownData(const std::string& data);

  bool FVisible = true;
  TSkinTitleBarBtnType FButtonType = TSkinTitleBarBtnType::skinCustom;
  bool FTransparent = false;
  int FTop = 2;
  TSkinUIStyle FUIStyle = TSkinUIStyle::Midnight;
  TPicture FPicNormal, FPicMouseOn, FPicMouseDown;
  TComponentRef<TPopupMenu> FControlBoxMenu;
};

// An image section of the strip, laid from the left, from the right, or
// stretched over what is left between them.
class TSkinTitleBarSection : public TCollectionItem {
 public:
  explicit TSkinTitleBarSection(TCollection& collection);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TEnumInfo& AlignNames();

  bool AutoSize() const { return FAutoSize; }
  // Either value takes the picture's width, when there is a picture.
  void SetAutoSize(bool autoSize);
  int Width() const { return FWidth; }
  void SetWidth(int width);
  TSkinTitleBarAlign Align() const { return FAlign; }
  // Refuses (with a message) a second client section; a client section is stretched.
  void SetAlign(TSkinTitleBarAlign align);
  const TPicture& Picture() const { return FPicture; }
  void SetPicture(const TPicture& picture);
  // The picture itself, for loading into it.
  TPicture& PictureRef() { return FPicture; }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool stretch);

  void Assign(const TCollectionItem& source) override;

 private:
  std::string PictureData() const { return FPicture.Data(); }
  void SetPictureData(const std::string& data);

  bool FAutoSize = false;
  int FWidth = 10;
  TSkinTitleBarAlign FAlign = TSkinTitleBarAlign::skinLeft;
  TPicture FPicture;
  bool FStretch = false;
};

class TSkinTitleBarButtons : public TCollectionOf<TSkinTitleBarButton> {
 public:
  explicit TSkinTitleBarButtons(TSkinTitleBar* titleBar);
  TSkinTitleBar* TitleBar() const { return FTitleBar; }
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 private:
  TSkinTitleBar* FTitleBar;
};

class TSkinTitleBarSections : public TCollectionOf<TSkinTitleBarSection> {
 public:
  explicit TSkinTitleBarSections(TSkinTitleBar* titleBar);
  TSkinTitleBar* TitleBar() const { return FTitleBar; }
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

 private:
  TSkinTitleBar* FTitleBar;
};

// The window menu of the control box: minimise, maximise or restore, close.
class TSkinTitleBarPopupMenu : public TSkinPopupMenu {
 public:
  explicit TSkinTitleBarPopupMenu(TSkinTitleBar& titleBar);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Each item is enabled when a button of its type exists (visible or not).
  void Popup(int x, int y) override;
  void UpdateItems();

  void MinItemClick(TComponent* Sender);
  void MaxItemClick(TComponent* Sender);
  void CloseItemClick(TComponent* Sender);

 private:
  TSkinTitleBar& FTitleBar;
};

// Where the last paint put the buttons and the caption.
struct TSkinTitleBarLayout {
  std::vector<TRect> Buttons;  // by collection index; empty for a hidden one
  int ControlBox = -1;         // the control box drawn at the left, or -1
  int CaptionLeft = 0;
  int CaptionRight = 0;        // the free space ends here
};

class TSkinTitleBar : public TSkinThemed<TCustomPanel> {
 public:
  explicit TSkinTitleBar(TComponent* owner);
  ~TSkinTitleBar() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // A hand-made look: a style change only stores the style.
  bool Custom() const { return FCustom; }
  void SetCustom(bool custom) { FCustom = custom; }
  bool AutoSize() const { return FAutoSize; }
  // Either value takes the first section's picture height; without
  // sections AutoSize turns off.
  void SetAutoSize(bool autoSize);
  TSkinTitleBarSections& Sections() { return FSections; }
  TSkinTitleBarButtons& Buttons() { return FButtons; }
  const TSkinTitleBarButtons& Buttons() const { return FButtons; }
  void SetSections(const TSkinTitleBarSections& sections) { FSections.Assign(sections); }
  void SetButtons(const TSkinTitleBarButtons& buttons) { FButtons.Assign(buttons); }
  int ButtonInterval() const { return FButtonInterval; }
  void SetButtonInterval(int interval);
  // Draws the caption in the inactive caption colour when false.
  bool FormActive() const { return FFormActive; }
  void SetFormActive(bool active);
  int LeftBtnXOffset() const { return FLeftBtnXOffset; }
  void SetLeftBtnXOffset(int offset);
  int RightBtnXOffset() const { return FRightBtnXOffset; }
  void SetRightBtnXOffset(int offset);
  // The application's icon in place of the control box picture.
  bool DrawAppIcon() const { return FDrawAppIcon; }
  void SetDrawAppIcon(bool drawAppIcon);
  int RoundCorner() const { return FRoundCorner; }
  void SetRoundCorner(int roundCorner);
  TColor OutlineColor() const { return FOutlineColor; }

  TSkinTitleBarButtonClickEvent OnCustomBtnsClick;
  TSkinTitleBarButtonClickEvent OnHelpBtnClick;

  TSkinTitleBarPopupMenu& WindowMenu() { return *FWindowMenu; }
  // The form the bar is on, and whether the bar is a skinned form's own.
  TForm* Form() const;
  bool IsOnSkinForm() const;
  // Rounds the window's top corners by RoundCorner (on a skinned form).
  void UpdateRoundCorner();
  void ApplyRoundCorner(int corner);
  void UpdateMaxButtons();

  // Where the buttons and the caption go at the bar's width, and the
  // button the pointer's last position over the bar lies on (-1: none).
  TSkinTitleBarLayout Layout() const;
  int HotButton() const;

 protected:
  virtual void DrawSections(TCanvas& canvas, int width, int height);
  virtual void DrawButtons(TCanvas& canvas, int width);

  void ApplyUIStyle() override;
  // Applies the style again, keeping the caption colour.
  void FileThemeChanged() override;
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void DblClick() override;
  void Notification(TComponent* component, TOperation operation) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ApplyStyle(const TSkinItemSource& source);
  void ClickButton(int index);
  void PopupControlBoxMenu(TPopupMenu& menu);

  TSkinTitleBarSections FSections{this};
  TSkinTitleBarButtons FButtons{this};
  bool FAutoSize = false;
  int FButtonInterval = 0;
  bool FFormActive = true;
  int FLeftBtnXOffset = 0;
  int FRightBtnXOffset = 0;
  int FRoundCorner = 0;
  bool FDrawAppIcon = false;
  bool FKeepFontColor = false;
  TSkinTitleBarPopupMenu* FWindowMenu;  // owned as a component
  TColor FOutlineColor = clBlack;
  bool FCustom = false;
  bool FPressed = false;
  int FPressedButton = -1;  // the button the press went down on
  // Since the last press on the control box, and its menu while it is open:
  // the menu takes the second click of a double click on the box.
  QElapsedTimer FControlBoxPress;
  QPointer<QWidget> FControlBoxMenuWindow;
  std::optional<TPoint> FPointer;
  int FButtonImageHeight = 19;
  int FCaptionTop = 2;
  TWindowDrag FDrag;
};
