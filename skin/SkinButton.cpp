#include "skin/SkinButton.h"

#include <algorithm>

#include "runtime/SysUtils.h"
#include "skin/SkinPublic.h"
#include "skin/SkinToolBar.h"
#include "windowing/Action.h"
#include "windowing/ActionList.h"
#include "windowing/BitmapResources.h"
#include "windowing/ImageList.h"
#include "windowing/Keys.h"
#include "windowing/PopupMenu.h"

namespace {

constexpr TColor kGreyText = 0x808080;

TColor TopLeftColor(const TBitmap& bitmap) { return QRgbToColor(bitmap.Image().pixel(0, 0)); }

bool IsPressKey(uint16_t key) { return key == VK_SPACE || key == VK_RETURN; }

// x div 2, toward zero.
int Half(int x) { return x / 2; }

// What both published buttons publish alike, in this order.
template <class C>
void PublishButtonState(TPublisher<C>& p) {
  p.template Component<TAction>("Action", &TSkinCustomButton::Action, &TSkinCustomButton::SetAction)
      .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
      .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
      .Bool("Transparent", &TSkinCustomButton::Transparent, &TSkinCustomButton::SetTransparent)
      .Integer("ModalResult", &TSkinCustomButton::ModalResult, &TSkinCustomButton::SetModalResult);
}

template <class C>
void PublishButtonEvents(TPublisher<C>& p) {
  p.Event("OnClick", &TControl::OnClick)
      .Event("OnMouseMove", &TControl::OnMouseMove)
      .Event("OnMouseDown", &TControl::OnMouseDown)
      .Event("OnMouseUp", &TControl::OnMouseUp)
      .Event("OnKeyDown", &TWinControl::OnKeyDown)
      .Event("OnKeyUp", &TWinControl::OnKeyUp)
      .Event("OnKeyPress", &TWinControl::OnKeyPress)
      .Event("OnMouseEnter", &TSkinCustomButton::OnMouseEnter)
      .Event("OnMouseExit", &TSkinCustomButton::OnMouseExit)
      .Event("OnMouseContinuouslyDown", &TSkinCustomButton::OnMouseContinuouslyDown);
}

}  // namespace

// ---- TSkinCustomButton ----

TSkinCustomButton::TSkinCustomButton(TComponent* owner) : TSkinStyled(owner, GetOwnerUIStyle(owner)) {
  SetControlStyle(ControlStyle() & ~csDoubleClicks);
  SetTabStop(true);
  FRepeatTimer.SetEnabled(false);
  FRepeatTimer.OnTimer = [this](TComponent*) {
    if (OnMouseContinuouslyDown) OnMouseContinuouslyDown(this);
  };
}

TSkinCustomButton::~TSkinCustomButton() {
  if (TAction* action = FAction.Get()) action->RemoveChangeListener(this);
}

const TClassInfo& TSkinCustomButton::StaticClassInfo() {
  static const auto info = DefineClass<TSkinCustomButton>(
      "TSkinCustomButton", TCustomControl::StaticClassInfo(), [](TPublisher<TSkinCustomButton>& p) {
        p.Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
            .Object("Font", static_cast<TFont& (TControl::*)()>(&TControl::Font))
            .Component<TPopupMenu>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
            .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
            .String("Caption", &TSkinCustomButton::Caption, &TSkinCustomButton::SetCaption)
            .Bool("AutoSize", &TSkinCustomButton::AutoSize, &TSkinCustomButton::SetAutoSize)
            .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
            .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
            .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
            .Event("OnEnter", &TWinControl::OnEnter)
            .Event("OnExit", &TWinControl::OnExit);
      });
  return *info;
}

void TSkinCustomButton::SetCaption(const std::string& caption) {
  if (FCaption == caption) return;
  FCaption = caption;
  Invalidate();
}

void TSkinCustomButton::SetAutoSize(bool autoSize) {
  if (FAutoSize == autoSize) return;
  FAutoSize = autoSize;
  AutoSizeFromImage();
  Invalidate();
}

void TSkinCustomButton::SetTransparent(bool transparent) {
  if (FTransparent == transparent) return;
  FTransparent = transparent;
  Invalidate();
}

void TSkinCustomButton::ApplyUIStyle() {
  UIStyleChanged();
  Invalidate();
}

void TSkinCustomButton::SetFocusedRectMargin(int margin) {
  if (FFocusedRectMargin == margin) return;
  FFocusedRectMargin = margin;
  Invalidate();
}

void TSkinCustomButton::SetAction(TAction* action) {
  TAction::Link(this, FAction, action, [this] { ApplyAction(); });
}

void TSkinCustomButton::ApplyAction() {
  const TAction& action = *FAction.Get();
  TControl::SetCaption(action.Caption());
  SetCaption(action.Caption());
  SetEnabled(action.Enabled());
  SetVisible(action.Visible());
  SetHint(action.Hint());
  ActionChanged();
}

void TSkinCustomButton::AutoSizeFromImage() {
  if (!FAutoSize) return;
  // The built-in strip of the style as set: a theme file is not asked.
  TBitmap strip;
  try {
    LoadBuiltInThemeBitmap(UIStyle(), SkinItem::ButtonImage, &strip);
  } catch (const EResNotFound&) {
    // No strip: the default frame size below.
  }
  const int height = strip.Height() > 0 ? strip.Height() : 21;
  const int width = strip.Width() > 0 ? strip.Width() : 74;
  SetBounds(Left(), Top(), width / 3, height);
}

void TSkinCustomButton::LoadButtonFrame(TBitmap& picture, int frame) const {
  StyleItems().BitmapFrame(SkinItem::ButtonImage, &picture, 3, frame);
}

void TSkinCustomButton::LoadNormalPicture(TBitmap& picture) { LoadButtonFrame(picture, 1); }
void TSkinCustomButton::LoadMouseOnPicture(TBitmap& picture) { LoadButtonFrame(picture, 2); }
void TSkinCustomButton::LoadMouseDownPicture(TBitmap& picture) { LoadButtonFrame(picture, 3); }
void TSkinCustomButton::LoadDisabledPicture(TBitmap& picture) { LoadButtonFrame(picture, 1); }

void TSkinCustomButton::Paint(TCanvas& canvas) {
  TBitmap state;
  try {
    if (!isEnabled())
      LoadDisabledPicture(state);
    else if (FPressed)
      LoadMouseDownPicture(state);
    else if (FHover)
      LoadMouseOnPicture(state);
    else
      LoadNormalPicture(state);
  } catch (const std::exception&) {
    // A picture that cannot be had: the button paints without one.
  }
  state.SetTransparent(FTransparent);
  PaintBackground(canvas);
  PaintPicture(canvas, state);
  if (Focused() && TabStop()) PaintFocus(canvas);
  canvas.Font.Assign(Font());
  if (!Trim(FCaption).empty()) PaintText(canvas, FCaption);
}

void TSkinCustomButton::PaintBackground(TCanvas& canvas) {
  if (!FTransparent) {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    return;
  }
  TControl* parent = Parent();
  if (dynamic_cast<TSkinToolBar*>(parent)) {
    // A tool bar draws its own parent's background: the button shows that,
    // at its own place on the bar.
    const TCanvasState saved = canvas.SaveState();
    canvas.MoveOrigin(-Left(), -Top());
    PaintParentBackground(canvas, *parent);
    canvas.RestoreState(saved);
  } else {
    PaintParentBackground(canvas, *this);
  }
}

void TSkinCustomButton::PaintText(TCanvas& canvas, const std::string& caption) {
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Font.Assign(Font());
  if (FBoldCaption) canvas.Font.SetStyle(canvas.Font.Style() | fsBold);
  constexpr unsigned flags = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
  auto draw = [&](int shift, TColor color) {
    TRect r = ClientRect().Offset(shift, shift);
    canvas.Font.SetColor(color);
    canvas.DrawText(caption, r, flags);
  };
  if (!isEnabled()) {
    draw(1, clWhite);
    draw(0, kGreyText);
  } else {
    draw(FPressed ? 1 : 0, Font().Color());
  }
  FBoldCaption = false;
}

void TSkinCustomButton::PaintFocus(TCanvas& canvas) {
  const int m = FFocusedRectMargin;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.DrawFocusRect(Rect(m, m, ClientWidth() - m, ClientHeight() - m));
}

void TSkinCustomButton::StopRepeat() { FRepeatTimer.SetEnabled(false); }

void TSkinCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    FPressed = true;
    if (!FRepeatTimer.Enabled()) {
      FRepeatTimer.SetInterval(std::max(FMouseContinuouslyDownInterval, 0));
      FRepeatTimer.SetEnabled(true);
    }
    Invalidate();
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TSkinCustomButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  // The right and bottom edges still count as inside.
  if (x < 0 || y < 0 || x > Width() || y > Height()) {
    FHover = false;
    FPressed = false;
    // Leaving the button ends the repeat at once.
    StopRepeat();
    Invalidate();
  }
}

void TSkinCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  // Any release of the left button ends the repeat, inside or outside.
  if (button == TMouseButton::mbLeft) StopRepeat();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TSkinCustomButton::MouseEnter() {
  FHover = true;
  Invalidate();
  if (OnMouseEnter) OnMouseEnter(this);
}

void TSkinCustomButton::MouseLeave() {
  FHover = false;
  FPressed = false;
  StopRepeat();
  Invalidate();
  if (OnMouseExit) OnMouseExit(this);
}

void TSkinCustomButton::Click() {
  if (FPressed) {
    StopRepeat();
    FPressed = false;
    Invalidate();
  }
  if (TabStop() && CanFocus()) SetFocus();
  if (Parent())
    if (TForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  if (OnClick)
    OnClick(this);
  else if (TAction* action = FAction.Get())
    action->Execute();
}

bool TSkinCustomButton::DialogKey(uint16_t key, TShiftState shift) {
  if (shift & (ssShift | ssCtrl | ssAlt)) return false;
  if (!((key == VK_RETURN && FDefault) || (key == VK_ESCAPE && FCancel)) || !CanAct()) return false;
  Click();
  return true;
}

bool TSkinCustomButton::DialogChar(char key, TShiftState) {
  if (!IsAccel(key, FCaption) || !CanAct()) return false;
  Click();
  return true;
}

void TSkinCustomButton::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (IsPressKey(key) && Focused() && isEnabled()) {
    FPressed = true;
    Invalidate();
  }
}

void TSkinCustomButton::KeyUp(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyUp(key, shift);
  if (IsPressKey(key) && Focused() && FPressed && isEnabled()) {
    FPressed = false;
    Invalidate();
    Click();
  }
}

void TSkinCustomButton::TextChanged() { SetCaption(TControl::Caption()); }

void TSkinCustomButton::Notification(TComponent* component, TOperation operation) {
  TSkinStyled::Notification(component, operation);
  if (operation == TOperation::opRemove) FAction.Release(component);
}

// ---- TSkinButton ----

TSkinButton::TSkinButton(TComponent* owner) : TSkinThemeUserOf(owner) {
  SetBounds(Left(), Top(), 80, 27);
  FGlyph.OnChange = [this] { Invalidate(); };
  SetUIStyle(UIStyle());
}

const TEnumInfo& TSkinButton::LayoutNames() {
  static const TEnumInfo names{{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
  return names;
}

const TClassInfo& TSkinButton::StaticClassInfo() {
  static const auto info =
      DefineClass<TSkinButton>("TSkinButton", TSkinCustomButton::StaticClassInfo(), [](TPublisher<TSkinButton>& p) {
        p.Component<TSkinFileTheme>("FileTheme", &TSkinCustomButton::FileTheme, &TSkinCustomButton::SetFileTheme)
            .Enum("UIStyle", SkinUIStyleNames(), &TSkinCustomButton::UIStyle, &TSkinCustomButton::SetUIStyle)
            .Bool("Cancel", &TSkinCustomButton::Cancel, &TSkinCustomButton::SetCancel)
            .Bool("Default", &TSkinCustomButton::Default, &TSkinCustomButton::SetDefault);
        PublishButtonState(p);
        p.Integer("FocusedRectMargin", &TSkinCustomButton::FocusedRectMargin, &TSkinCustomButton::SetFocusedRectMargin)
            .Binary(
                "Glyph", [](const TSkinButton& b) { return SaveBitmapData(b.Glyph()); },
                [](TSkinButton& b, const std::string& data) { LoadBitmapData(b.Glyph(), data); })
            .Enum("Layout", LayoutNames(), &TSkinButton::Layout, &TSkinButton::SetLayout)
            .Integer("Spacing", &TSkinButton::Spacing, &TSkinButton::SetSpacing)
            .Integer("MouseContinuouslyDownInterval", &TSkinCustomButton::MouseContinuouslyDownInterval,
                     &TSkinCustomButton::SetMouseContinuouslyDownInterval);
        PublishButtonEvents(p);
        p.Integer("ResHandle", &TSkinButton::ResHandle, &TSkinButton::SetResHandle);
      });
  return *info;
}

void TSkinButton::SetLayout(TButtonLayout layout) {
  if (FLayout == layout) return;
  FLayout = layout;
  Invalidate();
}

void TSkinButton::SetSpacing(int spacing) {
  if (FSpacing == spacing) return;
  FSpacing = spacing;
  Invalidate();
}

void TSkinButton::UIStyleChanged() { SetTransparent(StyleItems().Bool(SkinItem::ButtonTransparentBool)); }

void TSkinButton::PaintPicture(TCanvas& canvas, const TBitmap& state) {
  DrawNinePartBitmap(state, canvas, ClientRect(), Transparent());
  if (!FGlyph.Empty()) PaintGlyph(canvas);
}

void TSkinButton::PaintGlyph(TCanvas& canvas) {
  const std::string& caption = Caption();
  const int tw = canvas.TextWidth(caption);
  const int th = caption.empty() ? 0 : canvas.TextHeight(caption);
  const int gh = FGlyph.Height();
  // A glyph twice as wide as high: the enabled frame, then the disabled one.
  const bool twoFrames = FGlyph.Width() == 2 * gh;
  const int gw = twoFrames ? gh : FGlyph.Width();
  const int s = FSpacing, W = Width(), H = Height();
  TPoint glyph;
  switch (FLayout) {
    case TButtonLayout::blGlyphLeft:
      glyph = {Half(W - (tw + gw + s)), Half(H - gh)};
      FCaptionOrigin = {glyph.X + gw + s, Half(H - th)};
      break;
    case TButtonLayout::blGlyphRight:
      glyph = {Half(W + tw + s - gw), Half(H - gh)};
      FCaptionOrigin = {glyph.X - tw - s, Half(H - th)};
      break;
    case TButtonLayout::blGlyphTop:
      glyph = {Half(W - gw), Half(H - (th + gh + s))};
      FCaptionOrigin = {Half(W - tw), glyph.Y + gh + s};
      break;
    case TButtonLayout::blGlyphBottom:
      glyph = {Half(W - gw), Half(H + th + s - gh)};
      FCaptionOrigin = {Half(W - tw), glyph.Y - th - s};
      break;
  }
  if (Pressed()) glyph = {glyph.X + 1, glyph.Y + 1};
  TCustomImageList frames(nullptr);
  frames.SetWidth(gw);
  frames.SetHeight(gh);
  frames.AddMasked(FGlyph, TopLeftColor(FGlyph));
  const bool enabled = isEnabled();
  if (twoFrames)
    frames.Draw(canvas, glyph.X, glyph.Y, enabled ? 0 : 1);
  else
    frames.Draw(canvas, glyph.X, glyph.Y, 0, enabled);
}

void TSkinButton::PaintText(TCanvas& canvas, const std::string& caption) {
  if (FGlyph.Empty()) {
    TSkinCustomButton::PaintText(canvas, caption);
    return;
  }
  MarkBoldCaption(false);
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Font.Assign(Font());
  auto draw = [&](int shift, TColor color) {
    TRect r = Rect(FCaptionOrigin.X + shift, FCaptionOrigin.Y + shift, Width(), Height());
    canvas.Font.SetColor(color);
    canvas.DrawText(caption, r, DT_SINGLELINE);
  };
  if (!isEnabled()) {
    draw(1, clWhite);
    draw(0, kGreyText);
  } else {
    draw(Pressed() ? 1 : 0, Font().Color());
  }
}

void TSkinButton::PaintFocus(TCanvas& canvas) {
  if (UIStyle() == TSkinUIStyle::Silver || UIStyle() == TSkinUIStyle::Frost)
    MarkBoldCaption();
  else
    TSkinCustomButton::PaintFocus(canvas);
}

void TSkinButton::ActionChanged() {
  if (!FGlyph.Empty()) return;
  const TAction* action = Action();
  const TCustomImageList* images = action->ActionList() ? action->ActionList()->Images() : nullptr;
  if (images && action->ImageIndex() >= 0 && action->ImageIndex() < images->Count())
    images->GetBitmap(action->ImageIndex(), FGlyph);
}

// ---- TSkinImageButton ----

TSkinImageButton::TSkinImageButton(TComponent* owner) : TSkinCustomButton(owner) {
  for (TPicture* picture : {&FPicNormal, &FPicMouseOn, &FPicMouseDown, &FPicDisabled})
    picture->OnChange = [this] { PictureChanged(); };
}

const TClassInfo& TSkinImageButton::StaticClassInfo() {
  using B = TSkinImageButton;
  auto picture = [](TPicture& (B::*get)()) {
    return std::pair{[get](B& b) { return SavePictureData((b.*get)()); },
                     [get](B& b, const std::string& data) { LoadPictureData((b.*get)(), data); }};
  };
  static const auto info =
      DefineClass<B>("TSkinImageButton", TSkinCustomButton::StaticClassInfo(), [&picture](TPublisher<B>& p) {
        const auto normal = picture(&B::PicNormal), mouseOn = picture(&B::PicMouseOn),
                   mouseDown = picture(&B::PicMouseDown), disabled = picture(&B::PicDisabled);
        p.Enum("UIStyle", SkinUIStyleNames(), &B::UIStyle, &TSkinCustomButton::SetUIStyle)
            .Bool("DrawFocused", &B::DrawFocused, &B::SetDrawFocused)
            .Integer("FocusedRectMargin", &TSkinCustomButton::FocusedRectMargin,
                     &TSkinCustomButton::SetFocusedRectMargin)
            .Binary("PicNormal", normal.first, normal.second)
            .Binary("PicMouseOn", mouseOn.first, mouseOn.second)
            .Binary("PicMouseDown", mouseDown.first, mouseDown.second)
            .Binary("PicDisabled", disabled.first, disabled.second)
            .Bool("Stretch", &B::Stretch, &B::SetStretch)
            .Bool("Cancel", &TSkinCustomButton::Cancel, &TSkinCustomButton::SetCancel)
            .Bool("Default", &TSkinCustomButton::Default, &TSkinCustomButton::SetDefault)
            .Integer("MouseContinuouslyDownInterval", &TSkinCustomButton::MouseContinuouslyDownInterval,
                     &TSkinCustomButton::SetMouseContinuouslyDownInterval);
        PublishButtonState(p);
        PublishButtonEvents(p);
      });
  return *info;
}

void TSkinImageButton::SetStretch(bool stretch) {
  if (FStretch == stretch) return;
  FStretch = stretch;
  Invalidate();
}

void TSkinImageButton::SetDrawFocused(bool drawFocused) {
  if (FDrawFocused == drawFocused) return;
  FDrawFocused = drawFocused;
  Invalidate();
}

void TSkinImageButton::PictureChanged() {
  AutoSizeFromImage();
  Invalidate();
}

void TSkinImageButton::AutoSizeFromImage() {
  if (AutoSize() && Parent() && !FPicNormal.Empty()) SetBounds(Left(), Top(), FPicNormal.Width(), FPicNormal.Height());
}

void TSkinImageButton::LoadPicture(const TPicture& source, TBitmap& picture) const {
  const TPicture& shown = source.Empty() ? FPicNormal : source;
  if (!shown.Empty()) picture.Assign(shown.Graphic());
}

void TSkinImageButton::LoadNormalPicture(TBitmap& picture) { LoadPicture(FPicNormal, picture); }
void TSkinImageButton::LoadMouseOnPicture(TBitmap& picture) { LoadPicture(FPicMouseOn, picture); }
void TSkinImageButton::LoadMouseDownPicture(TBitmap& picture) { LoadPicture(FPicMouseDown, picture); }
void TSkinImageButton::LoadDisabledPicture(TBitmap& picture) { LoadPicture(FPicDisabled, picture); }

void TSkinImageButton::PaintPicture(TCanvas& canvas, const TBitmap& state) {
  if (state.Empty()) return;
  TBitmap shown;
  shown.Assign(&state);
  shown.SetTransparentColor(TopLeftColor(state));
  if (FStretch)
    canvas.StretchDraw(ClientRect(), shown);
  else
    canvas.Draw(0, 0, shown);
}

void TSkinImageButton::PaintFocus(TCanvas& canvas) {
  if (FDrawFocused) TSkinCustomButton::PaintFocus(canvas);
}

// ---- TSkinCheckBox ----

TSkinCheckBox::TSkinCheckBox(TComponent* owner) : TSkinThemed(owner, GetOwnerUIStyle(owner)) {
  SetControlStyle(ControlStyle() & ~csDoubleClicks);
  SetBounds(Left(), Top(), 93, 17);
  SetColor(clWindow);
  SetTabStop(true);
}

const TEnumInfo& TSkinCheckBox::StateNames() {
  static const TEnumInfo names{{"cbUnchecked", "cbChecked", "cbGrayed"}};
  return names;
}

const TClassInfo& TSkinCheckBox::StaticClassInfo() {
  using C = TSkinCheckBox;
  static const auto info = DefineClass<C>("TSkinCheckBox", TCustomControl::StaticClassInfo(), [](TPublisher<C>& p) {
    p.Enum("UIStyle", SkinUIStyleNames(), &C::UIStyle, &C::SetUIStyle)
        .Component<TSkinFileTheme>("FileTheme", &C::FileTheme, &C::SetFileTheme)
        .Component<TPopupMenu>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
        .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
        .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
        .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
        .Bool("AutoSize", &C::AutoSize, &C::SetAutoSize)
        .Bool("Checked", &C::Checked, &C::SetChecked)
        .String("Caption", &TControl::Caption, &TControl::SetCaption)
        .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
        .Object("Font", static_cast<TFont& (TControl::*)()>(&TControl::Font))
        .Color("Color", &TControl::Color, &TControl::SetColor)
        .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
        .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
        .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
        .Enum("State", StateNames(), &C::State, &C::SetState)
        .Bool("Transparent", &C::Transparent, &C::SetTransparent)
        .Event("OnClick", &TControl::OnClick)
        .Event("OnDblClick", &TControl::OnDblClick)
        .Event("OnMouseMove", &TControl::OnMouseMove)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseUp", &TControl::OnMouseUp)
        .Event("OnKeyDown", &TWinControl::OnKeyDown)
        .Event("OnKeyUp", &TWinControl::OnKeyUp)
        .Event("OnKeyPress", &TWinControl::OnKeyPress)
        .Event("OnEnter", &TWinControl::OnEnter)
        .Event("OnExit", &TWinControl::OnExit);
  });
  return *info;
}

void TSkinCheckBox::SetChecked(bool checked) {
  if (FChecked == checked) return;
  FChecked = checked;
  Invalidate();
  CheckedChanged();
}

void TSkinCheckBox::SetTransparent(bool transparent) {
  if (FTransparent == transparent) return;
  FTransparent = transparent;
  Invalidate();
}

void TSkinCheckBox::SetAutoSize(bool autoSize) {
  if (FAutoSize == autoSize) return;
  FAutoSize = autoSize;
  Invalidate();
}

bool TSkinCheckBox::Loading() const { return IsLoading() || (Owner() && Owner()->IsLoading()); }

void TSkinCheckBox::CheckedChanged() {
  if (!Loading() && OnClick) OnClick(this);
}

void TSkinCheckBox::Click() {
  // The change itself fires OnClick.
  if (CanFocus()) SetFocus();
  Toggle();
}

bool TSkinCheckBox::DialogChar(char key, TShiftState) {
  if (!IsAccel(key, Caption()) || !isEnabled()) return false;
  if (CanFocus()) SetFocus();
  Click();
  return true;
}

void TSkinCheckBox::KeyUp(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyUp(key, shift);
  if (ClickOnKeyUp() && IsPressKey(key) && Focused() && isEnabled()) {
    Invalidate();
    Click();
  }
}

void TSkinCheckBox::Paint(TCanvas& canvas) {
  const bool enabled = isEnabled();
  const int frame = enabled ? (FChecked ? 1 : 2) : (FChecked ? 3 : 4);
  canvas.Font.Assign(Font());
  TBitmap image;
  try {
    StyleItems().BitmapFrame(GetThemeImageItem(), &image, 4, frame);
  } catch (const std::exception&) {
    // No picture: the caption alone.
  }
  image.SetTransparent(GetImageTransparent());
  const int textHeight = canvas.TextHeight("W");
  if (FAutoSize)
    SetBounds(Left(), Top(), image.Width() + canvas.TextWidth(Caption()) + 8,
              std::max(textHeight + 2, image.Height()) + 4);

  if (FTransparent) {
    PaintParentBackground(canvas, *this);
  } else {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
  }
  canvas.Draw(1, (ClientHeight() - image.Height()) / 2, image);
  canvas.Brush.Style = TBrushStyle::bsClear;
  const int top = (ClientHeight() - textHeight) / 2;
  TRect text = Rect(image.Width() + 4, top, Width(), Height());
  canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_LEFT);
  if (NeedsFocusRect()) {
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.DrawFocusRect(Rect(image.Width() + 3, top, Width(), top + textHeight + 2));
  }
}

// ---- TSkinRadioButton ----

const TClassInfo& TSkinRadioButton::StaticClassInfo() {
  static const auto info = DefineClass<TSkinRadioButton>(
      "TSkinRadioButton", TSkinCheckBox::StaticClassInfo(), [](TPublisher<TSkinRadioButton>& p) {
        p.Integer("GroupIndex", &TSkinRadioButton::GroupIndex, &TSkinRadioButton::SetGroupIndex);
      });
  return *info;
}

void TSkinRadioButton::CheckedChanged() {
  if (!Checked()) return;
  if (TControl* parent = Parent())
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TSkinRadioButton*>(parent->Controls(i));
      if (sibling && sibling != this && sibling->FGroupIndex == FGroupIndex) sibling->SetChecked(false);
    }
  TSkinCheckBox::CheckedChanged();
}

void TSkinRadioButton::Toggle() {
  if (!Checked()) SetChecked(true);
}
