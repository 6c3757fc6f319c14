// The owner-painted buttons and two-state boxes of the skinned forms. The
// common base TSkinCustomButton keeps its own caption, paints one state
// picture (normal, hover, pressed, disabled), repeats an event while the
// left mouse button is held on it, answers Enter and Escape as a default or
// cancel button and its access key, and sets its form's modal result when
// clicked. TSkinButton draws its states from the style's button strip,
// stretched in nine parts, with an optional glyph beside the caption;
// TSkinImageButton draws four pictures of its own. TSkinCheckBox and
// TSkinRadioButton draw a small picture from the style's strips followed
// by the caption, and report every change of state through OnClick.
#pragma once

#include <cstdint>
#include <string>

#include "skin/SkinMgr.h"
#include "skin/SkinThemes.h"
#include "windowing/Bitmap.h"
#include "windowing/ComponentRef.h"
#include "windowing/CustomControl.h"
#include "windowing/DialogKeys.h"
#include "windowing/Form.h"
#include "windowing/Picture.h"
#include "windowing/Timer.h"

class TAction;

// Styled, but no theme user: the image button publishes no theme.
class TSkinCustomButton : public TSkinStyled<TCustomControl>, public TDialogKeyHandler {
 public:
  explicit TSkinCustomButton(TComponent* owner);
  ~TSkinCustomButton() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The button's own caption, apart from the window text; setting the
  // window text (as an action does) sets the caption as well.
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  // Sizes the button from its picture while set; switching it off keeps the size.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool cancel) { FCancel = cancel; }
  bool Default() const { return FDefault; }
  void SetDefault(bool isDefault) { FDefault = isDefault; }
  // Paints what lies under the button first and keys the state picture.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  // Given to the parent form when the button is clicked (also mrNone).
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult result) { FModalResult = result; }
  // The period of OnMouseContinuouslyDown while the left button is held.
  int MouseContinuouslyDownInterval() const { return FMouseContinuouslyDownInterval; }
  void SetMouseContinuouslyDownInterval(int interval) { FMouseContinuouslyDownInterval = interval; }
  // The inset of the dotted focus rectangle.
  int FocusedRectMargin() const { return FFocusedRectMargin; }
  void SetFocusedRectMargin(int margin);
  // The button takes the action's caption, state and hint, and a click runs
  // the action when OnClick is not set.
  TAction* Action() const { return FAction.Get(); }
  void SetAction(TAction* action);

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;
  TNotifyEvent OnMouseContinuouslyDown;

  // Ends a press, takes the focus, gives the form the modal result, then
  // runs OnClick or the action.
  void Click() override;
  // Enter on a default button, Escape on a cancel button, no modifiers held.
  bool DialogKey(uint16_t key, TShiftState shift) override;
  // The caption's access key.
  bool DialogChar(char key, TShiftState shift) override;

 protected:
  virtual void AutoSizeFromImage();
  virtual void UIStyleChanged() {}
  // Every setting of UIStyle, also to the style in use: UIStyleChanged
  // re-reads the style's items, then the button repaints.
  void ApplyUIStyle() override;
  virtual void PaintPicture(TCanvas& canvas, const TBitmap& state) = 0;
  virtual void PaintText(TCanvas& canvas, const std::string& caption);
  virtual void PaintFocus(TCanvas& canvas);
  virtual void LoadNormalPicture(TBitmap& picture);
  virtual void LoadMouseOnPicture(TBitmap& picture);
  virtual void LoadMouseDownPicture(TBitmap& picture);
  virtual void LoadDisabledPicture(TBitmap& picture);
  // After the action gave its settings.
  virtual void ActionChanged() {}

  bool Hovered() const { return FHover; }
  bool Pressed() const { return FPressed; }
  // Whether the next caption is drawn bold (the base PaintText clears it).
  void MarkBoldCaption(bool bold = true) { FBoldCaption = bold; }
  // The state picture's frame of the style's button strip.
  void LoadButtonFrame(TBitmap& picture, int frame) const;
  // Enabled here and in every parent, and shown: the button may act.
  bool CanAct() const { return isEnabled() && Showing(); }

  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyUp(uint16_t& key, TShiftState shift) override;
  void TextChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void PaintBackground(TCanvas& canvas);
  void StopRepeat();
  void ApplyAction();

  bool FAutoSize = false;
  std::string FCaption;
  bool FCancel = false;
  bool FDefault = false;
  bool FTransparent = false;
  TModalResult FModalResult = mrNone;
  bool FBoldCaption = false;
  // Runs only while the left button is held on the button.
  TTimer FRepeatTimer{nullptr};
  int FMouseContinuouslyDownInterval = 100;
  int FFocusedRectMargin = 2;
  bool FHover = false;
  bool FPressed = false;
  TComponentRef<TAction> FAction;
};

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TSkinButton : public TSkinThemeUserOf<TSkinCustomButton> {
 public:
  explicit TSkinButton(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TEnumInfo& LayoutNames();

  // A glyph twice as wide as high holds an enabled and a disabled frame.
  TBitmap& Glyph() { return FGlyph; }
  const TBitmap& Glyph() const { return FGlyph; }
  void SetGlyph(const TBitmap* glyph) { FGlyph.Assign(glyph); }
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout layout);
  // Pixels between glyph and caption.
  int Spacing() const { return FSpacing; }
  void SetSpacing(int spacing);
  // Kept for stored forms: reads 0, ignores what is written.
  uint32_t ResHandle() const { return 0; }
  void SetResHandle(uint32_t) {}

 protected:
  // Transparent follows the style's ButtonTransparentBool.
  void UIStyleChanged() override;
  void PaintPicture(TCanvas& canvas, const TBitmap& state) override;
  void PaintText(TCanvas& canvas, const std::string& caption) override;
  // Silver and Frost show the focus by a bold caption.
  void PaintFocus(TCanvas& canvas) override;
  // An empty glyph takes the action's image.
  void ActionChanged() override;

 private:
  void PaintGlyph(TCanvas& canvas);

  TBitmap FGlyph;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  TPoint FCaptionOrigin;
  int FSpacing = 4;
};

class TSkinImageButton : public TSkinCustomButton {
 public:
  explicit TSkinImageButton(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The style is stored but has no effect; it always reads FromThemeFile.
  TSkinUIStyle UIStyle() const { return TSkinUIStyle::FromThemeFile; }
  // The four state pictures; an empty one falls back to PicNormal.
  TPicture& PicNormal() { return FPicNormal; }
  TPicture& PicMouseOn() { return FPicMouseOn; }
  TPicture& PicMouseDown() { return FPicMouseDown; }
  TPicture& PicDisabled() { return FPicDisabled; }
  void SetPicNormal(const TBitmap* picture) { FPicNormal.Assign(picture); }
  void SetPicMouseOn(const TBitmap* picture) { FPicMouseOn.Assign(picture); }
  void SetPicMouseDown(const TBitmap* picture) { FPicMouseDown.Assign(picture); }
  void SetPicDisabled(const TBitmap* picture) { FPicDisabled.Assign(picture); }
  // Stretches the picture over the button instead of drawing it at its size.
  bool Stretch() const { return FStretch; }
  void SetStretch(bool stretch);
  bool DrawFocused() const { return FDrawFocused; }
  void SetDrawFocused(bool drawFocused);

 protected:
  void AutoSizeFromImage() override;
  void PaintPicture(TCanvas& canvas, const TBitmap& state) override;
  void PaintFocus(TCanvas& canvas) override;
  void LoadNormalPicture(TBitmap& picture) override;
  void LoadMouseOnPicture(TBitmap& picture) override;
  void LoadMouseDownPicture(TBitmap& picture) override;
  void LoadDisabledPicture(TBitmap& picture) override;

 private:
  void PictureChanged();
  void LoadPicture(const TPicture& source, TBitmap& picture) const;

  TPicture FPicNormal;
  TPicture FPicMouseOn;
  TPicture FPicMouseDown;
  TPicture FPicDisabled;
  bool FStretch = false;
  bool FDrawFocused = false;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TSkinCheckBox : public TSkinThemed<TCustomControl>, public TDialogKeyHandler {
 public:
  explicit TSkinCheckBox(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TEnumInfo& StateNames();

  // Every change fires OnClick, except while the form is being loaded.
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked);
  // A view of Checked: cbGrayed unchecks.
  TCheckBoxState State() const { return FChecked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked; }
  void SetState(TCheckBoxState state) { SetChecked(state == TCheckBoxState::cbChecked); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  // Sized from picture and caption at each paint while set.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);

  // Takes the focus, toggles (which fires OnClick), as a release inside does.
  void Click() override;
  bool DialogChar(char key, TShiftState shift) override;

 protected:
  virtual bool NeedsFocusRect() const { return TabStop() && Focused(); }
  virtual bool GetImageTransparent() const { return false; }
  virtual int GetThemeImageItem() const { return SkinItem::CheckBoxImage; }
  virtual void CheckedChanged();
  virtual void Toggle() { SetChecked(!FChecked); }
  // Whether releasing Space or Enter clicks.
  virtual bool ClickOnKeyUp() const { return true; }
  // The owner form is reading its description.
  bool Loading() const;

  void ApplyUIStyle() override { Invalidate(); }
  void Paint(TCanvas& canvas) override;
  void KeyUp(uint16_t& key, TShiftState shift) override;

 private:
  bool FChecked = false;
  bool FTransparent = false;
  bool FAutoSize = true;
};

class TSkinRadioButton : public TSkinCheckBox {
 public:
  explicit TSkinRadioButton(TComponent* owner) : TSkinCheckBox(owner) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Radio buttons of one parent with the same index form a group.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int index) { FGroupIndex = index; }

 protected:
  bool GetImageTransparent() const override { return true; }
  int GetThemeImageItem() const override { return SkinItem::RadioButtonImage; }
  // Becoming checked unchecks the group's others (which fire nothing).
  void CheckedChanged() override;
  void Toggle() override;
  bool ClickOnKeyUp() const override { return false; }

 private:
  int FGroupIndex = 0;
};
