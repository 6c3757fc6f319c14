#include "skin/SkinTitleBar.h"

#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTimer>
#include <QPointer>
#include <QRegion>
#include <cmath>
#include <vector>

#include "skin/SkinPublic.h"
#include "windowing/Application.h"
#include "windowing/Bitmap.h"
#include "windowing/Form.h"
#include "windowing/Guarded.h"
#include "windowing/MenuItem.h"
#include "windowing/MenuWindow.h"
#include "windowing/PopupMenu.h"

namespace {

// The frames of the 18-frame caption-button strip: normal, hover and
// pressed pictures start here for each type.
constexpr int kButtonFrames = 18;
int FirstFrame(TSkinTitleBarBtnType type, bool maximized) {
  switch (type) {
    case TSkinTitleBarBtnType::skinControlBox:
      return 1;
    case TSkinTitleBarBtnType::skinHelp:
      return 4;
    case TSkinTitleBarBtnType::skinMax:
      return maximized ? 10 : 7;
    case TSkinTitleBarBtnType::skinMin:
      return 13;
    case TSkinTitleBarBtnType::skinClose:
      return 16;
    default:
      return 0;
  }
}

// Whether an item of the collection (the one asking included) has the value.
template <class Item, class Value>
bool Taken(const TCollection& items, Value Item::*field, Value value) {
  for (int i = 0; i < items.Count(); ++i)
    if (static_cast<const Item*>(items.Items(i))->*field == value) return true;
  return false;
}

void ShowError(const std::string& text) { Application().MessageBox(text, Application().Title(), MB_OK | MB_ICONERROR); }

bool IsMaximized(const TForm* form) { return form && form->WindowState() == TWindowState::wsMaximized; }

void MinimizeForm(TForm& form) { form.SetWindowState(TWindowState::wsMinimized); }

// Drops the last character of UTF-8 text.
void DropLastCharacter(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
  if (!text.empty()) text.pop_back();
}

// The window's shape: a rectangle whose corners are cut by an ellipse of
// corner x corner pixels, with the lower corners squared again by squares
// of 2 x corner pixels (which, in a window less than 2 x corner high, also
// fill the upper corners). Built row by row in time linear in the window's
// height, whatever the corner.
QRegion TopRoundedRegion(int width, int height, int corner) {
  if (width <= 0 || height <= 0) return {};
  const int64_t cutRows = std::min<int64_t>(height - 2 * int64_t{corner}, static_cast<int64_t>(std::ceil(corner / 2.0)));
  const double r = corner / 2.0;
  std::vector<QRect> rows;
  int y = 0;
  for (; y < cutRows; ++y) {
    const double dy = r - (y + 0.5);
    const int cut = std::max(0, static_cast<int>(std::ceil(r - std::sqrt(std::max(0.0, r * r - dy * dy)) - 0.5)));
    if (cut == 0) break;  // the ellipse has reached the sides
    if (width <= 2 * cut) continue;
    if (!rows.empty() && rows.back().left() == cut && rows.back().bottom() == y - 1)
      rows.back().setHeight(rows.back().height() + 1);
    else
      rows.emplace_back(cut, y, width - 2 * cut, 1);
  }
  rows.emplace_back(0, y, width, height - y);
  QRegion region;
  region.setRects(rows.data(), static_cast<int>(rows.size()));
  return region;
}

// The mean colour of the pixels of the rectangle on the canvas (black
// when none is there).
TColor MeanColor(const TCanvas& canvas, const TRect& r) {
  long long red = 0, green = 0, blue = 0, count = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (const TColor c = canvas.Pixel(x, y); c != -1) {
        red += GetRValue(c);
        green += GetGValue(c);
        blue += GetBValue(c);
        ++count;
      }
  if (count == 0) return clBlack;
  return RGB(static_cast<int>(red / count), static_cast<int>(green / count), static_cast<int>(blue / count));
}

// The caption of an inactive window: its colour faded toward the strip
// behind it (by half at most), as far as it still reads as a bold caption
// does, or as well as the active caption does where that reads less.
constexpr double kReadableCaption = 3.0;
constexpr double kMostFade = 0.5;
TColor InactiveCaptionColor(TColor active, TColor ground) {
  const double least = std::min(kReadableCaption, ContrastRatio(active, ground));
  for (int step = 10; step > 0; --step)
    if (const TColor faded = MixColors(active, ground, kMostFade * step / 10); ContrastRatio(faded, ground) >= least)
      return faded;
  return active;
}

}  // namespace

std::string ShortenTitleCaption(const TCanvas& canvas, const std::string& caption, int width) {
  if (caption.empty() || canvas.TextWidth(caption) <= width) return caption;
  std::string text = caption;
  while (!text.empty() && canvas.TextWidth(text + "...") > width) DropLastCharacter(text);
  return text + "...";
}

// ---------------------------------------------------------------- buttons

TSkinTitleBarButton::TSkinTitleBarButton(TCollection& collection) : TCollectionItem(collection) {
  SetUIStyle(TSkinUIStyle::Midnight);
}

const TEnumInfo& TSkinTitleBarButton::ButtonTypeNames() {
  static const TEnumInfo names{{"skinMax", "skinMin", "skinClose", "skinHelp", "skinControlBox", "skinCustom"}};
  return names;
}

const TClassInfo& TSkinTitleBarButton::StaticClassInfo() {
  static const auto info = DefineClass<TSkinTitleBarButton>(
      "TSkinTitleBarButton", TCollectionItem::StaticClassInfo(), [](TPublisher<TSkinTitleBarButton>& p) {
        using B = TSkinTitleBarButton;
        p.Enum("UIStyle", SkinUIStyleNames(), &B::UIStyle, &B::SetUIStyle)
            .Enum("ButtonType", ButtonTypeNames(), &B::ButtonType, &B::SetButtonType)
            .Bool("Transparent", &B::Transparent, &B::SetTransparent)
            .Integer("Top", &B::Top, &B::SetTop)
            .Component<TPopupMenu>("ControlBoxMenu", &B::ControlBoxMenu, &B::SetControlBoxMenu)
            .Bool("Visible", &B::Visible, &B::SetVisible)
            .Binary("PicNormal", &B::PicNormalData, &B::SetPicNormalData)
            .Binary("PicMouseOn", &B::PicMouseOnData, &B::SetPicMouseOnData)
            .Binary("PicMouseDown", &B::PicMouseDownData, &B::SetPicMouseDownData);
      });
  return *info;
}

TSkinTitleBar* TSkinTitleBarButton::TitleBar() const {
  return static_cast<const TSkinTitleBarButtons&>(Collection()).TitleBar();
}

void TSkinTitleBarButton::SetVisible(bool visible) {
  if (FVisible == visible) return;
  FVisible = visible;
  Changed();
}

void TSkinTitleBarButton::SetButtonType(TSkinTitleBarBtnType type) {
  if (type == TSkinTitleBarBtnType::skinControlBox && Taken(Collection(), &TSkinTitleBarButton::FButtonType, type)) {
    ShowError("Sorry, only one button's ButtonType property can be \"skinControlBox\"");
    return;
  }
  if (FButtonType == type) return;
  FButtonType = type;
  UpdatePictures();
  Changed();
}

void TSkinTitleBarButton::SetTransparent(bool transparent) {
  if (FTransparent == transparent) return;
  FTransparent = transparent;
  Changed();
}

void TSkinTitleBarButton::SetTop(int top) {
  if (FTop == top) return;
  FTop = top;
  Changed();
}

void TSkinTitleBarButton::SetUIStyle(TSkinUIStyle style) {
  FUIStyle = style;
  UpdatePictures();
}

void TSkinTitleBarButton::SetPicture(TPicture& picture, const TPicture& source) {
  picture.Assign(&source);
  Changed();
}

void TSkinTitleBarButton::SetPicNormal(const TPicture& picture) { SetPicture(FPicNormal, picture); }
void TSkinTitleBarButton::SetPicMouseOn(const TPicture& picture) { SetPicture(FPicMouseOn, picture); }
void TSkinTitleBarButton::SetPicMouseDown(const TPicture& picture) { SetPicture(FPicMouseDown, picture); }

void TSkinTitleBarButton::SetPicNormalData(const std::string& data) {
  FPicNormal.SetData(data);
  Changed();
}
void TSkinTitleBarButton::SetPicMouseOnData(const std::string& data) {
  FPicMouseOn.SetData(data);
  Changed();
}
void TSkinTitleBarButton::SetPicMouseDownData(const std::string& data) {
  FPicMouseDown.SetData(data);
  Changed();
}

void TSkinTitleBarButton::SetControlBoxMenu(TPopupMenu* menu) { FControlBoxMenu.Set(TitleBar(), menu); }

void TSkinTitleBarButton::ReleaseComponent(const TComponent* component) { FControlBoxMenu.Release(component); }

void TSkinTitleBarButton::LoadFrames(int firstFrame) {
  const TSkinTitleBar* bar = TitleBar();
  const TSkinItemSource source(bar ? bar->FileTheme() : nullptr, FUIStyle);
  TPicture* pictures[] = {&FPicNormal, &FPicMouseOn, &FPicMouseDown};
  for (int k = 0; k < 3; ++k) {
    TBitmap frame;
    source.BitmapFrame(SkinItem::TitleBarButtonImage, &frame, kButtonFrames, firstFrame + k);
    pictures[k]->Assign(&frame);
  }
  Changed();
}

void TSkinTitleBarButton::UpdatePictures() {
  const TSkinTitleBar* bar = TitleBar();
  const TSkinItemSource source(bar ? bar->FileTheme() : nullptr, FUIStyle);
  SetTransparent(source.Bool(SkinItem::TitleBarButtonTransparentBool));
  if (FButtonType == TSkinTitleBarBtnType::skinCustom) return;
  LoadFrames(FirstFrame(FButtonType, false));
  SetTop(source.Integer(SkinItem::TitleBarButtonTopInt));
  if (FButtonType == TSkinTitleBarBtnType::skinMax) UpdateMaxPictures();
}

void TSkinTitleBarButton::UpdateMaxPictures() {
  const TSkinTitleBar* bar = TitleBar();
  if (FButtonType != TSkinTitleBarBtnType::skinMax || !bar || bar->Custom()) return;
  LoadFrames(FirstFrame(FButtonType, IsMaximized(bar->Form())));
}

void TSkinTitleBarButton::DoClick() {
  TSkinTitleBar* bar = TitleBar();
  TForm* form = bar ? bar->Form() : nullptr;
  if (!form) return;
  switch (FButtonType) {
    case TSkinTitleBarBtnType::skinMax:
      if (IsMaximized(form)) {
        form->SetWindowState(TWindowState::wsNormal);
      } else {
        form->SetWindowState(TWindowState::wsMaximized);
        if (TRect area; !bar->IsOnSkinForm() && GetWorkArea(area)) SetControlRect(*form, area);
      }
      UpdateMaxPictures();
      break;
    case TSkinTitleBarBtnType::skinMin:
      MinimizeForm(*form);
      break;
    case TSkinTitleBarBtnType::skinClose:
      form->Close();
      break;
    case TSkinTitleBarBtnType::skinControlBox:
      if (TPopupMenu* menu = FControlBoxMenu.Get()) {
        const TPoint p = bar->ClientToScreen(Point(0, bar->Height()));
        menu->Popup(p.X, p.Y);
      }
      break;
    default:
      break;
  }
}

void TSkinTitleBarButton::Assign(const TCollectionItem& source) {
  const auto* button = dynamic_cast<const TSkinTitleBarButton*>(&source);
  if (!button) {
    TCollectionItem::Assign(source);
    return;
  }
  SetVisible(button->FVisible);
  SetButtonType(button->FButtonType);
  SetTransparent(button->FTransparent);
  SetTop(button->FTop);
  SetUIStyle(button->FUIStyle);
  FPicNormal.Assign(&button->FPicNormal);
  FPicMouseOn.Assign(&button->FPicMouseOn);
  FPicMouseDown.Assign(&button->FPicMouseDown);
  SetControlBoxMenu(button->ControlBoxMenu());
  Changed();
}

// ---------------------------------------------------------------- sections

TSkinTitleBarSection::TSkinTitleBarSection(TCollection& collection) : TCollectionItem(collection) {}

const TEnumInfo& TSkinTitleBarSection::AlignNames() {
  static const TEnumInfo names{{"skinLeft", "skinRight", "skinClient"}};
  return names;
}

const TClassInfo& TSkinTitleBarSection::StaticClassInfo() {
  static const auto info = DefineClass<TSkinTitleBarSection>(
      "TSkinTitleBarSection", TCollectionItem::StaticClassInfo(), [](TPublisher<TSkinTitleBarSection>& p) {
        using S = TSkinTitleBarSection;
        p.Bool("AutoSize", &S::AutoSize, &S::SetAutoSize)
            .Integer("Width", &S::Width, &S::SetWidth)
            .Enum("Align", AlignNames(), &S::Align, &S::SetAlign)
            .Binary("Picture", &S::PictureData, &S::SetPictureData)
            .Bool("Stretch", &S::Stretch, &S::SetStretch);
      });
  return *info;
}

void TSkinTitleBarSection::SetAutoSize(bool autoSize) {
  FAutoSize = autoSize;
  if (!FPicture.Empty()) FWidth = FPicture.Width();
  Changed();
}

void TSkinTitleBarSection::SetWidth(int width) {
  if (FWidth == width) return;
  FWidth = width;
  Changed();
}

void TSkinTitleBarSection::SetAlign(TSkinTitleBarAlign align) {
  if (align == TSkinTitleBarAlign::skinClient && Taken(Collection(), &TSkinTitleBarSection::FAlign, align)) {
    ShowError("Sorry, only one section's Align property can be \"skinClient\"");
    return;
  }
  if (FAlign == align) return;
  FAlign = align;
  if (align == TSkinTitleBarAlign::skinClient) FStretch = true;
  Changed();
}

void TSkinTitleBarSection::SetPicture(const TPicture& picture) {
  FPicture.Assign(&picture);
  if (!picture.Empty() && FAutoSize) FWidth = FPicture.Width();
  Changed();
}

void TSkinTitleBarSection::SetPictureData(const std::string& data) {
  TPicture picture;
  picture.SetData(data);
  SetPicture(picture);
}

void TSkinTitleBarSection::SetStretch(bool stretch) {
  const bool value = stretch || FAlign == TSkinTitleBarAlign::skinClient;
  if (FStretch == value) return;
  FStretch = value;
  Changed();
}

void TSkinTitleBarSection::Assign(const TCollectionItem& source) {
  const auto* section = dynamic_cast<const TSkinTitleBarSection*>(&source);
  if (!section) {
    TCollectionItem::Assign(source);
    return;
  }
  SetWidth(section->FWidth);
  SetAlign(section->FAlign);
  FPicture.Assign(&section->FPicture);
  SetStretch(section->FStretch);
  SetAutoSize(section->FAutoSize);
}

// ---------------------------------------------------------------- collections

TSkinTitleBarButtons::TSkinTitleBarButtons(TSkinTitleBar* titleBar)
    : TCollectionOf<TSkinTitleBarButton>(titleBar), FTitleBar(titleBar) {}

const TClassInfo& TSkinTitleBarButtons::StaticClassInfo() {
  static const TClassInfo info("TSkinTitleBarButtons", &TCollection::StaticClassInfo());
  return info;
}

TSkinTitleBarSections::TSkinTitleBarSections(TSkinTitleBar* titleBar)
    : TCollectionOf<TSkinTitleBarSection>(titleBar), FTitleBar(titleBar) {}

const TClassInfo& TSkinTitleBarSections::StaticClassInfo() {
  static const TClassInfo info("TSkinTitleBarSections", &TCollection::StaticClassInfo());
  return info;
}

// ---------------------------------------------------------------- window menu

TSkinTitleBarPopupMenu::TSkinTitleBarPopupMenu(TSkinTitleBar& titleBar) : TSkinPopupMenu(&titleBar), FTitleBar(titleBar) {
  const std::pair<const char*, void (TSkinTitleBarPopupMenu::*)(TComponent*)> items[] = {
      {"最小化(&N)", &TSkinTitleBarPopupMenu::MinItemClick},
      {"最大化/还原(&X)", &TSkinTitleBarPopupMenu::MaxItemClick},
      {"-", nullptr},
      {"关闭(&C)", &TSkinTitleBarPopupMenu::CloseItemClick}};
  for (const auto& [caption, click] : items) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    if (click) item->OnClick = [this, click = click](TComponent* sender) { (this->*click)(sender); };
    Items().Add(item);
  }
  AttachItemDrawEvents();
}

const TClassInfo& TSkinTitleBarPopupMenu::StaticClassInfo() {
  static const auto info =
      DefineClass<TSkinTitleBarPopupMenu>("TSkinTitleBarPopupMenu", TSkinPopupMenu::StaticClassInfo(), nullptr);
  return *info;
}

void TSkinTitleBarPopupMenu::UpdateItems() {
  auto has = [this](TSkinTitleBarBtnType type) {
    const TSkinTitleBarButtons& buttons = FTitleBar.Buttons();
    for (int i = 0; i < buttons.Count(); ++i)
      if (buttons.Items(i)->ButtonType() == type) return true;
    return false;
  };
  Items().Items(0)->SetEnabled(has(TSkinTitleBarBtnType::skinMin));
  Items().Items(1)->SetEnabled(has(TSkinTitleBarBtnType::skinMax));
  Items().Items(3)->SetEnabled(has(TSkinTitleBarBtnType::skinClose));
}

void TSkinTitleBarPopupMenu::Popup(int x, int y) {
  UpdateItems();
  TSkinPopupMenu::Popup(x, y);
}

void TSkinTitleBarPopupMenu::MinItemClick(TComponent*) {
  if (TForm* form = FTitleBar.Form()) MinimizeForm(*form);
}

void TSkinTitleBarPopupMenu::MaxItemClick(TComponent*) {
  TSkinTitleBarButtons& buttons = FTitleBar.Buttons();
  for (int i = 0; i < buttons.Count(); ++i)
    if (buttons.Items(i)->ButtonType() == TSkinTitleBarBtnType::skinMax) buttons.Items(i)->DoClick();
}

void TSkinTitleBarPopupMenu::CloseItemClick(TComponent*) {
  if (TForm* form = FTitleBar.Form()) form->Close();
}

// ---------------------------------------------------------------- title bar

TSkinTitleBar::TSkinTitleBar(TComponent* owner)
    : TSkinThemed(owner), FWindowMenu(new TSkinTitleBarPopupMenu(*this)) {
  SetControlStyle(ControlStyle() & ~csAcceptsControls);
  SetBevelOuter(TBevelCut::bvNone);
  FSections.OnUpdate = [this](TCollectionItem*) { Invalidate(); };
  FButtons.OnUpdate = [this](TCollectionItem*) { Invalidate(); };
  for (const TSkinTitleBarBtnType type : {TSkinTitleBarBtnType::skinControlBox, TSkinTitleBarBtnType::skinClose,
                                          TSkinTitleBarBtnType::skinMax, TSkinTitleBarBtnType::skinMin})
    FButtons.Add()->SetButtonType(type);
  SetAlign(TAlign::alTop);
  Font().SetColor(clWhite);
  Font().SetName("Tahoma");
  Font().SetStyle(fsBold);
  SetUIStyle(GetOwnerUIStyle(owner));
}

TSkinTitleBar::~TSkinTitleBar() {
  // The menu goes while the bar is still whole.
  Destroying();
  DestroyComponents();
}

const TClassInfo& TSkinTitleBar::StaticClassInfo() {
  static const auto info = DefineClass<TSkinTitleBar>("TSkinTitleBar", TCustomPanel::StaticClassInfo(), [](TPublisher<TSkinTitleBar>& p) {
    using T = TSkinTitleBar;
    p.Bool("Custom", &T::Custom, &T::SetCustom)
        .Component<TSkinFileTheme>("FileTheme", &T::FileTheme, &T::SetFileTheme)
        .Enum("UIStyle", SkinUIStyleNames(), &T::UIStyle, &T::SetUIStyle)
        .Bool("AutoSize", &T::AutoSize, &T::SetAutoSize)
        .Collection("Sections", &T::Sections)
        .Collection("Buttons", static_cast<TSkinTitleBarButtons& (T::*)()>(&T::Buttons))
        .Integer("ButtonInterval", &T::ButtonInterval, &T::SetButtonInterval)
        .Bool("FormActive", &T::FormActive, &T::SetFormActive)
        .Integer("LeftBtnXOffset", &T::LeftBtnXOffset, &T::SetLeftBtnXOffset)
        .Integer("RightBtnXOffset", &T::RightBtnXOffset, &T::SetRightBtnXOffset)
        .Bool("DrawAppIcon", &T::DrawAppIcon, &T::SetDrawAppIcon)
        .Integer("RoundCorner", &T::RoundCorner, &T::SetRoundCorner)
        .Event("OnCustomBtnsClick", &T::OnCustomBtnsClick)
        .Event("OnHelpBtnClick", &T::OnHelpBtnClick);
  });
  return *info;
}

TForm* TSkinTitleBar::Form() const { return GetParentForm(this); }

bool TSkinTitleBar::IsOnSkinForm() const { return dynamic_cast<const TSkinFormFrame*>(Parent()) != nullptr; }

// A theme never changes the caption colour.
void TSkinTitleBar::FileThemeChanged() {
  FKeepFontColor = true;
  try {
    TSkinThemed::FileThemeChanged();
  } catch (...) {
    FKeepFontColor = false;
    throw;
  }
  FKeepFontColor = false;
}

void TSkinTitleBar::ApplyUIStyle() {
  if (FCustom) return;
  FSections.Clear();
  ApplyStyle(StyleItems());
}

void TSkinTitleBar::ApplyStyle(const TSkinItemSource& source) {
  auto addSection = [&](int item) {
    TSkinTitleBarSection* section = FSections.Add();
    TBitmap bitmap;
    source.Bitmap(item, &bitmap);
    section->PictureRef().Assign(&bitmap);
    return section;
  };
  addSection(SkinItem::TitleBarLeftImage)->SetAutoSize(true);
  TSkinTitleBarSection* right = addSection(SkinItem::TitleBarRightImage);
  right->SetAutoSize(true);
  right->SetAlign(TSkinTitleBarAlign::skinRight);
  addSection(SkinItem::TitleBarClientImage)->SetAlign(TSkinTitleBarAlign::skinClient);
  SetLeftBtnXOffset(source.Integer(SkinItem::TitleBarButtonLeftOffsetInt));
  SetRightBtnXOffset(source.Integer(SkinItem::TitleBarButtonRightOffsetInt));
  FOutlineColor = source.Color(SkinItem::FormBorderColor);
  TBitmap strip;
  source.Bitmap(SkinItem::TitleBarButtonImage, &strip);
  FButtonImageHeight = strip.Height();
  FCaptionTop = source.Integer(SkinItem::TitleBarButtonTopInt);
  if (TForm* form = Form()) form->Constraints().SetMinWidth(source.Integer(SkinItem::FormMinWidthInt));
  FRoundCorner = source.Integer(SkinItem::FormRoundCornerInt);
  const TSkinUIStyle resolved = source.UseFile() ? TSkinUIStyle::FromThemeFile : source.Style();
  for (int i = 0; i < FButtons.Count(); ++i) FButtons.Items(i)->SetUIStyle(resolved);
  if (FWindowMenu) {
    FWindowMenu->SetUIStyle(resolved);
    FWindowMenu->SetFileTheme(FileTheme());
  }
  if (IsOnSkinForm()) ApplyRoundCorner(FRoundCorner);
  if (!FKeepFontColor) Font().SetColor(UIStyle() == TSkinUIStyle::Silver ? clBlack : clWhite);
  SetAutoSize(true);
  Invalidate();
}

void TSkinTitleBar::SetAutoSize(bool autoSize) {
  FAutoSize = autoSize;
  if (FSections.Count() == 0) {
    FAutoSize = false;
    return;
  }
  SetHeight(FSections.Items(0)->Picture().Height());
}

void TSkinTitleBar::SetButtonInterval(int interval) {
  if (FButtonInterval == interval) return;
  FButtonInterval = interval;
  Invalidate();
}

void TSkinTitleBar::SetFormActive(bool active) {
  if (FFormActive == active) return;
  FFormActive = active;
  Invalidate();
}

void TSkinTitleBar::SetLeftBtnXOffset(int offset) {
  if (FLeftBtnXOffset == offset) return;
  FLeftBtnXOffset = offset;
  Invalidate();
}

void TSkinTitleBar::SetRightBtnXOffset(int offset) {
  if (FRightBtnXOffset == offset) return;
  FRightBtnXOffset = offset;
  Invalidate();
}

void TSkinTitleBar::SetDrawAppIcon(bool drawAppIcon) {
  if (FDrawAppIcon == drawAppIcon) return;
  FDrawAppIcon = drawAppIcon;
  Invalidate();
}

void TSkinTitleBar::SetRoundCorner(int roundCorner) {
  FRoundCorner = roundCorner;
  if (IsOnSkinForm()) ApplyRoundCorner(roundCorner);
}

void TSkinTitleBar::UpdateRoundCorner() {
  if (IsOnSkinForm()) ApplyRoundCorner(FRoundCorner);
}

void TSkinTitleBar::ApplyRoundCorner(int corner) {
  TForm* form = Form();
  if (!form) return;
  if (corner <= 0)
    form->clearMask();
  else
    form->setMask(TopRoundedRegion(form->Width(), form->Height(), corner));
}

void TSkinTitleBar::UpdateMaxButtons() {
  for (int i = 0; i < FButtons.Count(); ++i)
    if (FButtons.Items(i)->ButtonType() == TSkinTitleBarBtnType::skinMax) FButtons.Items(i)->UpdateMaxPictures();
}

TSkinTitleBarLayout TSkinTitleBar::Layout() const {
  TSkinTitleBarLayout layout;
  layout.Buttons.assign(static_cast<size_t>(FButtons.Count()), TRect{});
  // Offsets and sizes come from theme files and descriptions: the sums run
  // in 64 bits and are held to int where they are kept.
  int64_t right = int64_t{Width()} + FRightBtnXOffset + 1;
  for (int i = 0; i < FButtons.Count(); ++i) {
    const TSkinTitleBarButton& b = *FButtons.Items(i);
    if (!b.Visible()) continue;
    if (b.ButtonType() == TSkinTitleBarBtnType::skinControlBox) {
      layout.ControlBox = i;
      continue;
    }
    right -= int64_t{b.Width()} + FButtonInterval + 1;
    layout.Buttons[static_cast<size_t>(i)] = Bounds(ClampToInt(right), b.Top(), b.Width(), b.Height());
  }
  int64_t left = FLeftBtnXOffset;
  if (layout.ControlBox >= 0) {
    const TSkinTitleBarButton& b = *FButtons.Items(layout.ControlBox);
    layout.Buttons[static_cast<size_t>(layout.ControlBox)] = Bounds(left, b.Top(), b.Width(), b.Height());
    left += FDrawAppIcon ? 21 : int64_t{b.Width()} + 5;
  }
  if (left == 0) left = 6;
  layout.CaptionLeft = ClampToInt(left);
  layout.CaptionRight = ClampToInt(right);
  return layout;
}

int TSkinTitleBar::HotButton() const {
  if (!FPointer) return -1;
  const TSkinTitleBarLayout layout = Layout();
  int hot = -1;
  for (size_t i = 0; i < layout.Buttons.size(); ++i)
    if (static_cast<int>(i) != layout.ControlBox && FButtons.Items(static_cast<int>(i))->Visible() &&
        PointInRect(*FPointer, layout.Buttons[i]))
      hot = static_cast<int>(i);
  if (layout.ControlBox >= 0 && PointInRect(*FPointer, layout.Buttons[static_cast<size_t>(layout.ControlBox)]))
    hot = layout.ControlBox;
  return hot;
}

void TSkinTitleBar::Paint(TCanvas& canvas) {
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Font.Assign(Font());
  DrawSections(canvas, Width(), Height());
  DrawButtons(canvas, Width());
  if (UIStyle() != TSkinUIStyle::Azure && FRoundCorner != 0 && IsOnSkinForm()) {
    canvas.Pen.Color = FOutlineColor;
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.RoundRect(-1, 0, Width() + 1, Height() + 50, ClampToInt(int64_t{FRoundCorner} + 1), FRoundCorner);
  }
}

void TSkinTitleBar::DrawSections(TCanvas& canvas, int width, int height) {
  auto draw = [&](const TSkinTitleBarSection& section, const TRect& r, bool stretch) {
    const TBitmap* graphic = section.Picture().Graphic();
    if (!graphic || graphic->Empty() || r.IsEmpty()) return;
    if (stretch) {
      canvas.StretchDraw(r, *graphic);
      return;
    }
    const int w = std::min(r.Width(), graphic->Width()), h = std::min(r.Height(), graphic->Height());
    canvas.DrawImage(Bounds(r.Left, r.Top, w, h), graphic->Image(), QRect(0, 0, w, h));
  };
  // Section widths come from descriptions: the cursors run in 64 bits.
  const auto span = [height](int64_t from, int64_t to) { return Rect(ClampToInt(from), 0, ClampToInt(to), height); };
  int64_t left = -1, right = int64_t{width} + 1;
  const TSkinTitleBarSection* client = nullptr;
  for (int i = 0; i < FSections.Count(); ++i) {
    const TSkinTitleBarSection& s = *FSections.Items(i);
    switch (s.Align()) {
      case TSkinTitleBarAlign::skinLeft:
        draw(s, span(left + 1, left + 1 + s.Width()), s.Stretch());
        left += s.Width();
        break;
      case TSkinTitleBarAlign::skinRight:
        if (width - left < s.Width()) break;
        draw(s, span(right - 1 - s.Width(), right - 1), s.Stretch());
        right -= s.Width();
        break;
      case TSkinTitleBarAlign::skinClient:
        client = &s;
        break;
    }
  }
  if (client) draw(*client, span(left + 1, right - 1), true);
}

void TSkinTitleBar::DrawButtons(TCanvas& canvas, int width) {
  (void)width;
  const TSkinTitleBarLayout layout = Layout();
  const int hot = HotButton();
  for (size_t i = 0; i < layout.Buttons.size(); ++i) {
    const TSkinTitleBarButton& b = *FButtons.Items(static_cast<int>(i));
    const TRect& r = layout.Buttons[i];
    if (!b.Visible() || b.PicNormal().Empty()) continue;
    if (static_cast<int>(i) == layout.ControlBox && FDrawAppIcon) {
      const QImage icon = QGuiApplication::windowIcon().pixmap(16, 16).toImage();
      if (!icon.isNull()) canvas.DrawImage(Bounds(r.Left + 3, b.Top(), 16, 16), icon, icon.rect());
      continue;
    }
    const bool isHot = static_cast<int>(i) == hot;
    const TPicture* chosen = isHot ? (FPressed ? &b.PicMouseDown() : &b.PicMouseOn()) : &b.PicNormal();
    if (chosen->Empty()) chosen = &b.PicNormal();
    TBitmap scratch;
    scratch.SetSize(b.Width(), b.Height());
    scratch.Canvas().Draw(0, 0, *chosen->Graphic());
    scratch.SetTransparent(b.Transparent());
    canvas.Draw(r.Left, b.Top(), scratch);
  }
  const std::string text =
      ShortenTitleCaption(canvas, Caption(), ClampToInt(int64_t{layout.CaptionRight} - layout.CaptionLeft));
  const int top = (FButtonImageHeight - canvas.TextHeight(text)) / 2 + FCaptionTop;
  if (!FFormActive) {
    const TRect behind = Bounds(layout.CaptionLeft, top, canvas.TextWidth(text), canvas.TextHeight(text));
    canvas.Font.SetColor(InactiveCaptionColor(canvas.Font.Color(), MeanColor(canvas, behind)));
  }
  canvas.TextOut(layout.CaptionLeft, top, text);
}

void TSkinTitleBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseDown(button, shift, x, y);
  FPointer = Point(x, y);
  if (button != TMouseButton::mbLeft) return;
  TForm* form = Form();
  const TPoint screen = ClientToScreen(Point(x, y));
  FPressed = true;
  FPressedButton = HotButton();
  if (FPressedButton >= 0 && FButtons.Items(FPressedButton)->ButtonType() == TSkinTitleBarBtnType::skinControlBox)
    FControlBoxPress.start();
  Repaint();
  // A press on the bare strip moves the window, unless it is maximised.
  if (FPressedButton < 0 && form && !IsMaximized(form) && FDrag.Begin(*form, {}, screen)) FPressed = false;
}

void TSkinTitleBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomPanel::MouseMove(shift, x, y);
  if (FDrag.Active()) {
    FDrag.Follow(ClientToScreen(Point(x, y)));
    return;
  }
  FPointer = Point(x, y);
  Invalidate();
}

void TSkinTitleBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseUp(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  FDrag.End();
  FPointer = Point(x, y);
  const int hot = HotButton();
  const bool click = FPressed && hot >= 0 && hot == FPressedButton;
  FPressed = false;
  FPressedButton = -1;
  const QPointer<TSkinTitleBar> alive(this);
  // Only the button the press went down on is clicked.
  if (click) ClickButton(hot);
  if (alive) Invalidate();
}

void TSkinTitleBar::ClickButton(int index) {
  TSkinTitleBarButton& b = *FButtons.Items(index);
  if (b.ButtonType() == TSkinTitleBarBtnType::skinControlBox) {
    if (TPopupMenu* menu = b.ControlBoxMenu() ? b.ControlBoxMenu() : FWindowMenu) PopupControlBoxMenu(*menu);
    return;
  }
  const TSkinTitleBarBtnType type = b.ButtonType();
  b.DoClick();
  if (type == TSkinTitleBarBtnType::skinCustom && OnCustomBtnsClick)
    OnCustomBtnsClick(this, index);
  else if (type == TSkinTitleBarBtnType::skinHelp && OnHelpBtnClick)
    OnHelpBtnClick(this, index);
}

void TSkinTitleBar::PopupControlBoxMenu(TPopupMenu& menu) {
  const TPoint p = ClientToScreen(Point(0, Height()));
  menu.Popup(p.X, p.Y);
  if (FControlBoxMenuWindow) FControlBoxMenuWindow->removeEventFilter(this);
  FControlBoxMenuWindow = &menu.Window();
  FControlBoxMenuWindow->installEventFilter(this);
}

// The second press of a double click on the control box meets the menu that
// the first click opened: it closes the menu and the form.
bool TSkinTitleBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched != FControlBoxMenuWindow) return TSkinThemed::eventFilter(watched, event);
  if (event->type() == QEvent::Hide) {
    FControlBoxMenuWindow->removeEventFilter(this);
    FControlBoxMenuWindow.clear();
    return false;
  }
  // Qt hands the popup the second press as a double click.
  if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) return false;
  const auto& press = static_cast<const QMouseEvent&>(*event);
  const TSkinTitleBarLayout layout = Layout();
  if (press.button() != Qt::LeftButton || layout.ControlBox < 0 || !FControlBoxPress.isValid() ||
      FControlBoxPress.elapsed() > QGuiApplication::styleHints()->mouseDoubleClickInterval())
    return false;
  const TPoint p = ScreenToClient(FromQPoint(press.globalPosition().toPoint()));
  if (!PointInRect(p, layout.Buttons[static_cast<size_t>(layout.ControlBox)])) return false;
  FControlBoxPress.invalidate();
  FControlBoxMenuWindow->hide();
  // The form closes once the press is done with.
  QTimer::singleShot(0, this, [this] {
    if (TForm* form = Form()) Guarded([form] { form->Close(); });
  });
  return true;
}

void TSkinTitleBar::MouseLeave() {
  FPointer.reset();
  Invalidate();
}

void TSkinTitleBar::DblClick() {
  TCustomPanel::DblClick();
  const int hot = HotButton();
  if (hot < 0) {
    for (int i = 0; i < FButtons.Count(); ++i)
      if (FButtons.Items(i)->ButtonType() == TSkinTitleBarBtnType::skinMax) {
        FButtons.Items(i)->DoClick();
        return;
      }
    return;
  }
  if (FButtons.Items(hot)->ButtonType() == TSkinTitleBarBtnType::skinControlBox)
    if (TForm* form = Form()) form->Close();
}

void TSkinTitleBar::Notification(TComponent* component, TOperation operation) {
  TSkinThemed::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FWindowMenu) FWindowMenu = nullptr;
  for (int i = 0; i < FButtons.Count(); ++i) FButtons.Items(i)->ReleaseComponent(component);
}
