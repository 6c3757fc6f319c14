#include "skin/SkinDlg.h"

#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <memory>

#include "skin/SkinButton.h"
#include "skin/SkinForm.h"
#include "skin/SkinPublic.h"
#include "skin/frmMessage.h"
#include "windowing/Application.h"
#include "windowing/Bitmap.h"
#include "windowing/Image.h"
#include "windowing/Label.h"

namespace {

// The box's measures: the icon's strip, the text's place beside the icon
// or without one, the buttons' size and spacing and the room around them.
constexpr int kIconFrames = 4;
constexpr int kTextLeftBesideIcon = 88;
constexpr int kTextLeftAlone = 24;
constexpr int kNarrowerWithoutIcon = 64;
constexpr int kButtonWidth = 73;
constexpr int kButtonHeight = 25;
constexpr int kButtonStep = 93;
constexpr int kLastButtonFromRight = 97;
constexpr int kRoomAboveButtons = 20;
constexpr int kRoomBelowButtons = 20;

TSkinMessageFormHook& MessageFormHook() {
  static TSkinMessageFormHook hook;
  return hook;
}

unsigned MessageBoxIcon(TSkinIconType icon) {
  switch (icon) {
    case TSkinIconType::skinWarning:
      return MB_ICONWARNING;
    case TSkinIconType::skinStop:
      return MB_ICONERROR;
    case TSkinIconType::skinInformation:
      return MB_ICONINFORMATION;
    case TSkinIconType::skinHelp:
      return MB_ICONQUESTION;
    default:
      return 0;
  }
}

int Bottom(const TControl& control) { return control.Top() + control.Height(); }

}  // namespace

// ---------------------------------------------------------------- TSkinDialog

TSkinDialog::TSkinDialog(TComponent* owner) : TSkinThemed(owner, GetOwnerUIStyle(owner)) {
  FCaptionFont.SetColor(clWhite);
  FCaptionFont.SetName("Tahoma");
  FCaptionFont.SetStyle(fsBold);
}

TSkinDialog::~TSkinDialog() { Destroying(); }

const TClassInfo& TSkinDialog::StaticClassInfo() {
  static const auto info = DefineClass<TSkinDialog>("TSkinDialog", ComponentClassInfo(), [](TPublisher<TSkinDialog>& p) {
    using D = TSkinDialog;
    p.Enum("Position", TForm::PositionNames(), &D::Position, &D::SetPosition)
        .String("Caption", &D::Caption, &D::SetCaption)
        .Enum("UIStyle", SkinUIStyleNames(), &D::UIStyle, &D::SetUIStyle)
        .Component<TSkinFileTheme>("FileTheme", &D::FileTheme, &D::SetFileTheme)
        .Object("Font", static_cast<TFont& (D::*)()>(&D::Font))
        .Object("CaptionFont", static_cast<TFont& (D::*)()>(&D::CaptionFont));
  });
  return *info;
}

// ---------------------------------------------------------------- TSkinMessageDialog

TSkinMessageDialog::TSkinMessageDialog(TComponent* owner) : TSkinDialog(owner) {}

const TEnumInfo& TSkinMessageDialog::IconTypeNames() {
  static const TEnumInfo names{{"skinNone", "skinWarning", "skinStop", "skinInformation", "skinHelp"}};
  return names;
}

const TClassInfo& TSkinMessageDialog::StaticClassInfo() {
  static const auto info = DefineClass<TSkinMessageDialog>(
      "TSkinMessageDialog", TSkinDialog::StaticClassInfo(), [](TPublisher<TSkinMessageDialog>& p) {
        using D = TSkinMessageDialog;
        p.Cursor("ButtonCursor", &D::ButtonCursor, &D::SetButtonCursor)
            .Integer("ButtonCount", &D::ButtonCount, &D::SetButtonCount)
            .String("Button1Caption", &D::CaptionOf<1>, &D::SetCaptionOf<1>)
            .String("Button2Caption", &D::CaptionOf<2>, &D::SetCaptionOf<2>)
            .String("Button3Caption", &D::CaptionOf<3>, &D::SetCaptionOf<3>)
            .Integer("Button1ModalResult", &D::ResultOf<1>, &D::SetResultOf<1>)
            .Integer("Button2ModalResult", &D::ResultOf<2>, &D::SetResultOf<2>)
            .Integer("Button3ModalResult", &D::ResultOf<3>, &D::SetResultOf<3>)
            .Enum("IconType", IconTypeNames(), &D::IconType, &D::SetIconType)
            .String("Text", &D::Text, &D::SetText);
      });
  return *info;
}

void TSkinMessageDialog::SetButtonCount(TSkinDialogButtonsCount count) { FButtonCount = std::clamp(count, 1, 3); }

void TSkinMessageDialog::Layout(TfrmMsg& form) const {
  form.Font().Assign(Font());
  form.skinForm1->TitleBarFont().Assign(CaptionFont());
  // The text grows downwards as it wraps; the empty image still has its
  // designed size here.
  form.lbl->SetCaption(FText);
  const int bottom = std::max(Bottom(*form.lbl), Bottom(*form.Image1));
  if (FIconType != TSkinIconType::skinNone) {
    form.lbl->SetLeft(kTextLeftBesideIcon);
    TBitmap icons;
    icons.LoadFromResourceName("MSGDLG");
    CutBitmapFrame(icons, form.Image1->Picture().Bitmap(), kIconFrames, static_cast<int>(FIconType));
  } else {
    form.lbl->SetLeft(kTextLeftAlone);
    form.Image1->Hide();
    if (FButtonCount < 3) form.SetWidth(form.Width() - kNarrowerWithoutIcon);
  }
  // The buttons go from the right to the left, so that button 1, made
  // last, is the leftmost and holds the focus.
  int x = form.Width() - kLastButtonFromRight;
  for (int n = FButtonCount; n >= 1; --n) {
    auto* button = new TSkinButton(&form);
    button->SetParent(form.skinForm1);
    button->SetBounds(x, bottom + kRoomAboveButtons, kButtonWidth, kButtonHeight);
    button->SetCursor(FButtonCursor);
    button->SetTabStop(true);
    button->SetTabOrder(1);
    button->SetCaption(ButtonCaption(n));
    button->SetModalResult(ButtonModalResult(n));
    form.SetActiveControl(button);
    x -= kButtonStep;
  }
  // Tab goes from the left to the right.
  const std::vector<TSkinButton*> buttons = form.Buttons();
  for (size_t i = 1; i < buttons.size(); ++i) QWidget::setTabOrder(buttons[i - 1], buttons[i]);
  form.SetHeight(bottom + kRoomAboveButtons + kButtonHeight + kRoomBelowButtons);
  form.SetPosition(Position());
  form.skinForm1->SetCaption(Caption());
  form.skinForm1->SetFileTheme(FileTheme());
  form.skinForm1->SetUIStyle(UIStyle());
}

TModalResult TSkinMessageDialog::Execute() {
  if (TMessageBoxProvider* provider = Application().MessageBoxProvider()) {
    TMessageDialogRequest request{Caption(), FText, {}, MessageBoxIcon(FIconType), static_cast<int>(UIStyle()), Font()};
    for (int n = 1; n <= FButtonCount; ++n) request.Buttons.push_back({ButtonCaption(n), ButtonModalResult(n)});
    return provider->MessageDialog(request);
  }
  const auto form = std::make_unique<TfrmMsg>(&Application());
  Layout(*form);
  if (MessageFormHook()) {
    TfrmMsg* shown = form.get();
    form->OnShow = [shown](TComponent*) {
      QTimer::singleShot(0, shown, [shown] {
        if (MessageFormHook()) MessageFormHook()(*shown);
      });
    };
  }
  return form->ShowModal();
}

TSkinMessageFormHook SetSkinMessageFormHook(TSkinMessageFormHook hook) {
  TSkinMessageFormHook previous = std::move(MessageFormHook());
  MessageFormHook() = std::move(hook);
  return previous;
}
