#include "skin/SkinForm.h"

#include <QMenuBar>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

#include "skin/SkinImagePanel.h"
#include "skin/SkinMenu.h"
#include "skin/SkinPublic.h"
#include "windowing/Application.h"
#include "windowing/Bitmap.h"
#include "windowing/BitmapResources.h"
#include "windowing/Guarded.h"
#include "windowing/MenuItem.h"

namespace {

// The room a menu-bar button leaves beside its caption, on each side.
constexpr int kMenuButtonPadding = 6;

// The sizing margins: five pixels at the left and top, four at the right
// and bottom.
constexpr int kMargin = 5;

// Draws the skinned form's menu bar: its background and buttons come from
// the form, in the colours of the attached menu or of the form.
class TSkinMenuBarStyle : public QProxyStyle {
 public:
  explicit TSkinMenuBarStyle(TSkinForm& form) : FForm(form) {}

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    switch (metric) {
      case PM_MenuBarPanelWidth:
      case PM_MenuBarItemSpacing:
      case PM_MenuBarHMargin:
      case PM_MenuBarVMargin:
        return 0;
      default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_DrawMenuBarSeparator) return 0;
    // Qt's keyboard mode of the bar takes the focus from the form's control
    // (an edit then drops its selection) and so from the commands that
    // describe it: a menu opened by its Alt key works as one opened by the
    // mouse, and Esc closes it, leaving the focus where it was.
    if (hint == SH_MenuBar_AltKeyNavigation) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override {
    if (type == CT_MenuBarItem)
      if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
        return QSize(FForm.MenuBarButtonWidth(item->text.toStdString()), FForm.MenuBarHeight());
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_PanelMenuBar) return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if ((element != CE_MenuBarItem && element != CE_MenuBarEmptyArea) || !widget) {
      QProxyStyle::drawControl(element, option, painter, widget);
      return;
    }
    const QRect r = option->rect;
    if (r.isEmpty()) return;
    QImage image(r.size(), QImage::Format_RGB32);
    TCanvas canvas(image);
    canvas.SetOrigin(Point(-r.x(), -r.y()));
    FForm.MenuBarCustomDraw(canvas, FromQRect(widget->rect()));
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarItem && item) {
      const bool selected = option->state & State_Sunken;
      const bool hot = (option->state & State_Selected) && !selected;
      const std::string caption = item->text.toStdString();
      if (FForm.MenuBarCustomDrawButton(canvas, FromQRect(r), caption, hot, selected)) {
        FForm.MenuBarButtonFont(canvas.Font);
        if (!(option->state & State_Enabled)) canvas.Font.SetColor(clGrayText);
        canvas.Brush.Style = TBrushStyle::bsClear;
        TRect text = FForm.MenuBarCaptionRect(FromQRect(r));
        canvas.DrawText(caption, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
      }
    }
    painter->drawImage(r.topLeft(), image);
  }

 private:
  TSkinForm& FForm;
};

bool IsSilver(TSkinUIStyle style) { return style == TSkinUIStyle::Silver; }

}  // namespace

// ---------------------------------------------------------------- menu bar

TSkinFormMenuBar::TSkinFormMenuBar(TSkinForm& form)
    : TCustomControl(&form), FStyle(std::make_unique<TSkinMenuBarStyle>(form)), FBar(std::make_unique<QMenuBar>(this)) {
  FBar->setNativeMenuBar(false);
  FBar->setStyle(FStyle.get());
  FBar->setFont(Font().ToQFont());
}

TSkinFormMenuBar::~TSkinFormMenuBar() {
  // The bar goes before the style that draws it.
  FBar.reset();
}

void TSkinFormMenuBar::Rebuild(const TMainMenu& menu) {
  FBar->clear();
  const TMenuItem& root = menu.Items();
  for (int i = 0; i < root.Count(); ++i) FBar->addAction(root.Items(i)->QtAction());
}

TRect TSkinFormMenuBar::ButtonRect(const TMenuItem& item) const {
  return FromQRect(FBar->actionGeometry(item.QtAction()));
}

void TSkinFormMenuBar::Resize() {
  FBar->setGeometry(0, 0, Width(), Height());
  TCustomControl::Resize();
}

void TSkinFormMenuBar::FontChanged() {
  FBar->setFont(Font().ToQFont());
  FBar->update();
  TCustomControl::FontChanged();
}

// ---------------------------------------------------------------- skinned form

TSkinForm::TSkinForm(TComponent* owner) : TSkinThemed(owner), FOwnerForm(dynamic_cast<TForm*>(owner)) {
  if (FOwnerForm) {
    for (int i = 0; i < FOwnerForm->ControlCount(); ++i)
      if (dynamic_cast<TSkinForm*>(FOwnerForm->Controls(i)))
        throw Exception("Sorry, You can create only one TSkinForm component in one form!");
    SetParent(FOwnerForm);
    FOwnerForm->Constraints().SetMinHeight(50);
    FOwnerForm->Constraints().SetMinWidth(125);
    FSavedBounds = FOwnerForm->BoundsRect();
    FRestoreOnce = FOwnerForm->WindowState() == TWindowState::wsMaximized;
    FSavedBorderStyle = FOwnerForm->BorderStyle();
  }
  FTitleBar = new TSkinTitleBar(this);
  FTitleBar->SetParent(this);
  FMenuBarColor = Color();
  // The panel fills the form before the style's border is put round it, so
  // that the form keeps its size.
  UpdateLayout();
  SetUIStyle(TSkinUIStyle::Midnight);
  SetBevelOuter(TBevelCut::bvNone);
  SetBevelInner(TBevelCut::bvNone);
  SetAlign(TAlign::alNone);
  TCustomPanel::SetCaption(" ");
  if (!FOwnerForm) return;
  SetCaption(FOwnerForm->Caption());
  FOwnerForm->SetScaled(false);
  FOwnerForm->SetBorderStyle(TFormBorderStyle::bsNone);
  FOwnerForm->SetAutoScroll(false);
  // Standing in for the form's window procedure: the form's own handling
  // runs first, then the frame's.
  FOwnerForm->installEventFilter(this);
}

TSkinForm::~TSkinForm() {
  if (FWindow) FWindow->removeEventFilter(this);
  if (FOwnerForm) {
    FOwnerForm->removeEventFilter(this);
    FOwnerForm->update();
  }
  if (TSkinMainMenu* menu = SkinnedMenu()) menu->SetSkinForm(nullptr);
  Destroying();
  DestroyComponents();
}

const TClassInfo& TSkinForm::StaticClassInfo() {
  static const auto info = [] {
    auto result = DefineClass<TSkinForm>("TSkinForm", TCustomPanel::StaticClassInfo(), [](TPublisher<TSkinForm>& p) {
      using F = TSkinForm;
      p.Bool("TitleBarCustom", &F::TitleBarCustom, &F::SetTitleBarCustom)
          .Component<TSkinFileTheme>("FileTheme", &F::FileTheme, &F::SetFileTheme)
          .Enum("UIStyle", SkinUIStyleNames(), &F::UIStyle, &F::SetUIStyle)
          .Bool("UIStyleAutoUpdateSub", &F::UIStyleAutoUpdateSub, &F::SetUIStyleAutoUpdateSub)
          .Color("BorderColor", &F::BorderColor, &F::SetBorderColor)
          .Integer("BorderWidth", &F::BorderWidth, &F::SetBorderWidth)
          .Bool("TitleBarVisible", &F::TitleBarVisible, &F::SetTitleBarVisible)
          .String("Caption", &F::Caption, &F::SetCaption)
          .Component<TCustomPanel>("FormPanel", &F::FormPanel, &F::SetFormPanel)
          .Collection("TitleBarButtons", &F::TitleBarButtons)
          .Collection("TitleBarSections", &F::TitleBarSections)
          .Bool("TitleBarDrawAppIcon", &F::TitleBarDrawAppIcon, &F::SetTitleBarDrawAppIcon)
          .Object("Font", &F::TitleBarFont)
          .Component<TMainMenu>("Menu", &F::Menu, &F::SetMenu)
          .Color("MenuBarColor", &F::MenuBarColor, &F::SetMenuBarColor)
          .Integer("MenuBarHeight", &F::MenuBarHeight, &F::SetMenuBarHeight)
          .Integer("Height", &TControl::Height, &F::SetHeight)
          .Integer("Width", &TControl::Width, &F::SetWidth)
          .Integer("RoundCorner", &F::RoundCorner, &F::SetRoundCorner)
          .String("Version", &F::Version, &F::SetVersion);
    });
    // The title bar keeps these two handlers.
    auto forward = [](const char* name, TSkinTitleBarButtonClickEvent TSkinTitleBar::*member) {
      TPropInfo p;
      p.Name = name;
      p.Kind = TPropKind::Event;
      p.SetEvent = [member, n = std::string(name)](TPersistent& o, const std::any& handler) {
        const auto* typed = std::any_cast<TSkinTitleBarButtonClickEvent>(&handler);
        if (!typed) throw EPropertyError("Handler of the wrong type for " + n);
        static_cast<TSkinForm&>(o).TitleBar().*member = *typed;
      };
      return p;
    };
    result->Add(forward("OnTitleBarCustomBtnsClick", &TSkinTitleBar::OnCustomBtnsClick));
    result->Add(forward("OnTitleBarHelpBtnClick", &TSkinTitleBar::OnHelpBtnClick));
    return result;
  }();
  return *info;
}

TSkinMainMenu* TSkinForm::SkinnedMenu() const { return dynamic_cast<TSkinMainMenu*>(FMenu.Get()); }

void TSkinForm::ApplyUIStyle() {
  const TSkinUIStyle style = UIStyle();
  const TSkinItemSource source = StyleItems();
  SetBorderColor(source.Color(SkinItem::FormBorderColor));
  SetBorderWidth(source.Integer(SkinItem::FormBorderWidthInt));
  SetColor(source.Color(SkinItem::FormBackgroundColor));
  SetMenuBarColor(Color());
  FTitleBar->SetFileTheme(FileTheme());
  FTitleBar->SetUIStyle(style);
  if (TSkinMainMenu* menu = SkinnedMenu()) {
    menu->SetUIStyle(style);
    menu->SetFileTheme(FileTheme());
  }
  if (FUIStyleAutoUpdateSub) ApplyThemeToChildren(*this, style, FileTheme());
  UpdateLayout();
  Invalidate();
  PaintBorder();
}

void TSkinForm::SetBorderColor(TColor color) {
  if (FBorderColor == color) return;
  FBorderColor = color;
  UpdateLayout();
  PaintBorder();
}

void TSkinForm::SetBorderWidth(int width) {
  if (FBorderWidth == width) return;
  FBorderWidth = width;
  SetWidth(Width());
  UpdateLayout();
  SetHeight(Height());
  PaintBorder();
}

// Border widths and sizes come from theme files and descriptions: the sums
// run in 64 bits and are held to int.
void TSkinForm::SetWidth(int width) {
  if (FOwnerForm) FOwnerForm->SetWidth(ClampToInt(width + 2 * int64_t{FBorderWidth}));
  UpdateLayout();
}

void TSkinForm::SetHeight(int height) {
  if (FOwnerForm) FOwnerForm->SetHeight(ClampToInt(height + int64_t{FBorderWidth} + FBorderWidth / 2));
  UpdateLayout();
}

void TSkinForm::SetCaption(const std::string& caption) {
  FTitleBar->SetCaption(caption);
  if (FOwnerForm) FOwnerForm->SetCaption(caption);
}

void TSkinForm::SetTitleBarVisible(bool visible) {
  if (FTitleBar->Visible() == visible) return;
  FTitleBar->SetVisible(visible);
  FTitleBar->SetTop(0);
  UpdateLayout();
  PaintBorder();
}

void TSkinForm::SetFormPanel(TCustomPanel* panel) {
  if (panel == this) {
    Application().MessageBox("Sorry, you can't select the Form assign to FormPanel property", Application().Title(),
                             MB_OK);
    return;
  }
  FFormPanel.Set(this, panel);
  if (!panel) return;
  panel->SetAlign(TAlign::alClient);
  if (auto* plain = dynamic_cast<TPanel*>(panel)) {
    plain->SetBevelInner(TBevelCut::bvNone);
    plain->SetBevelOuter(TBevelCut::bvNone);
    plain->SetBorderWidth(0);
    plain->SetCaption("");
  } else if (dynamic_cast<TSkinImagePanel*>(panel)) {
    panel->SetCaption("");
  }
}

void TSkinForm::SetMenu(TMainMenu* menu) {
  if (menu == FMenu.Get()) return;
  if (TSkinMainMenu* old = SkinnedMenu()) old->SetSkinForm(nullptr);
  FMenu.Set(this, menu);
  if (TSkinMainMenu* skinned = SkinnedMenu())
    skinned->SetSkinForm(this, [this](TMainMenuChange change) { MainMenuChanged(change); });
  if (!menu) {
    DestroyMenuBar();
    return;
  }
  CreateMenuBar();
  RebuildMenuBar();
}

void TSkinForm::SetMenuBarColor(TColor color) {
  FMenuBarColor = color;
  if (FMenuBar) {
    FMenuBar->SetColor(color);
    FMenuBar->Bar().update();
  }
}

void TSkinForm::SetMenuBarHeight(int height) {
  FMenuBarHeight = height;
  if (!FMenuBar) return;
  FMenuBar->SetHeight(height);
}

void TSkinForm::CreateMenuBar() {
  if (FMenuBar) return;
  FMenuBar = new TSkinFormMenuBar(*this);
  FMenuBar->SetBounds(0, FTitleBar->Top() + FTitleBar->Height(), Width(), FMenuBarHeight);
  FMenuBar->SetColor(FMenuBarColor);
  FMenuBar->SetAlign(TAlign::alTop);
  FMenuBar->SetParent(this);
  // The title bar stays above the menu bar.
  FTitleBar->SetTop(0);
  UpdateMenuBarFont();
}

void TSkinForm::DestroyMenuBar() {
  // The menu may be half destroyed already: it is only forgotten.
  FMenu.Set(this, nullptr);
  delete FMenuBar;
  FMenuBar = nullptr;
}

void TSkinForm::MainMenuChanged(TMainMenuChange change) {
  switch (change) {
    case TMainMenuChange::Items:
      RebuildMenuBar();
      return;
    case TMainMenuChange::State:
      RefreshMenuBar();
      return;
    case TMainMenuChange::Font:
      UpdateMenuBarFont();
      return;
  }
}

void TSkinForm::RebuildMenuBar() {
  if (!FMenuBar) return;
  if (!FMenu) {
    DestroyMenuBar();
    return;
  }
  FMenuBar->Rebuild(*FMenu.Get());
}

void TSkinForm::RefreshMenuBar() {
  if (FMenuBar) FMenuBar->Bar().update();
}

void TSkinForm::UpdateMenuBarFont() {
  TSkinMainMenu* menu = SkinnedMenu();
  if (!FMenuBar || !menu) return;
  TFont font;
  if (menu->UseSystemFont()) {
    GetSystemMenuFont(font);
  } else {
    font.Assign(FMenuBar->Font());
    font.SetName(menu->FontName());
    font.SetSize(menu->FontSize());
    font.SetCharset(menu->FontCharset());
  }
  FMenuBar->Font().Assign(font);
  FMenuBar->Bar().update();
}

void TSkinForm::MenuBarButtonFont(TFont& font) const {
  const TSkinMainMenu* menu = SkinnedMenu();
  if (!menu) {
    if (FMenuBar) font.Assign(FMenuBar->Font());
    return;
  }
  if (menu->UseSystemFont()) {
    GetSystemMenuFont(font);
    return;
  }
  font.SetName(menu->FontName());
  font.SetSize(menu->FontSize());
  font.SetCharset(menu->FontCharset());
  font.SetColor(menu->FontColor());
}

int TSkinForm::MenuBarButtonWidth(const std::string& caption) const {
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas canvas(scratch);
  MenuBarButtonFont(canvas.Font);
  TRect r;
  canvas.DrawText(caption, r, DT_SINGLELINE | DT_CALCRECT);
  return r.Width() + 2 * kMenuButtonPadding;
}

void TSkinForm::MenuBarCustomDraw(TCanvas& canvas, const TRect& r) const {
  const TSkinMainMenu* menu = SkinnedMenu();
  if (IsSilver(menu ? menu->UIStyle() : UIStyle())) {
    TBitmap bar;
    bar.LoadFromResourceName("SILVER_MENU_BAR");
    canvas.StretchDraw(r, bar);
    return;
  }
  canvas.Brush.Color = FMenuBarColor;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.FillRect(r);
}

bool TSkinForm::MenuBarCustomDrawButton(TCanvas& canvas, const TRect& r, const std::string& caption, bool hot,
                                        bool selected) const {
  if (!hot && !selected) return true;
  const TSkinMainMenu* menu = SkinnedMenu();
  const TSkinUIStyle style = menu ? menu->UIStyle() : UIStyle();
  const TSkinItemSource source(menu ? menu->FileTheme() : FileTheme(), style);
  MenuBarButtonFont(canvas.Font);
  canvas.Font.SetColor(source.Color(SkinItem::MenuSelectedFontColor));
  canvas.Brush.Style = TBrushStyle::bsSolid;
  if (IsSilver(style)) {
    TBitmap selection;
    selection.LoadFromResourceName("SILVER_MENU_SELECT");
    canvas.StretchDraw(r, selection);
    TRect text = MenuBarCaptionRect(r);
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.DrawText(caption, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    return false;
  }
  TRect button = r;
  if (selected) button.Right -= 2;
  canvas.Brush.Color = source.Color(SkinItem::MenuSelectedBackgroundColor);
  canvas.FillRect(button);
  canvas.Brush.Color = source.Color(SkinItem::MenuSelectedBorderColor);
  canvas.FrameRect(button);
  TRect text = MenuBarCaptionRect(button);
  if (selected) text.Left += 2;
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.DrawText(caption, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  return false;
}

TRect TSkinForm::MenuBarCaptionRect(const TRect& r) const {
  const TSkinMainMenu* menu = SkinnedMenu();
  if (IsSilver(menu ? menu->UIStyle() : UIStyle())) return Rect(r.Left, r.Top, r.Right, r.Bottom + 2);
  return r.Offset(0, 2);
}

void TSkinForm::UpdateLayout() {
  if (!FOwnerForm) return;
  const int top = FTitleBar->Visible() ? 0 : FBorderWidth;
  SetBounds(FBorderWidth, top, ClampToInt(FOwnerForm->ClientWidth() - 2 * int64_t{FBorderWidth}),
            ClampToInt(FOwnerForm->ClientHeight() - int64_t{FBorderWidth} - top));
}

void TSkinForm::PaintBorder() {
  if (FOwnerForm) FOwnerForm->update();
}

void TSkinForm::DrawBorder() {
  const int cw = FOwnerForm->ClientWidth(), ch = FOwnerForm->ClientHeight();
  // A border wider than the form covers the form.
  const int bw = std::min({FBorderWidth, cw, ch});
  if (bw <= 0) return;
  QPainter painter(FOwnerForm);
  const QColor color = ColorToQColor(FBorderColor);
  painter.fillRect(0, 0, bw, ch, color);
  painter.fillRect(0, ch - bw, cw, bw, color);
  painter.fillRect(cw - bw, 0, bw, ch, color);
  // The top line is a pen of the border's width centred on the top row.
  painter.fillRect(0, 0, cw, (bw + 1) / 2, color);
}

void TSkinForm::Paint(TCanvas& canvas) {
  const TSkinUIStyle style = UIStyle();
  if (style == TSkinUIStyle::Silver || style == TSkinUIStyle::Crystal) {
    canvas.Brush.Pattern = LoadBitmapResource(IsSilver(style) ? "SILVER_FORM_BACKGROUND" : "CRYSTAL_FORM_BACKGROUND");
  } else {
    canvas.Brush.Color = Color();
  }
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.FillRect(ClientRect());
  canvas.Brush.Pattern = QImage();
}

int TSkinForm::NCHitTest(int x, int y) const {
  if (!FOwnerForm || FOwnerForm->WindowState() == TWindowState::wsMaximized ||
      FSavedBorderStyle != TFormBorderStyle::bsSizeable)
    return HTCLIENT;
  const int cw = FOwnerForm->ClientWidth(), ch = FOwnerForm->ClientHeight();
  const bool left = x < kMargin, top = y < kMargin, right = x > cw - kMargin, bottom = y > ch - kMargin;
  if (left && top) return HTTOPLEFT;
  if (right && top) return HTTOPRIGHT;
  if (right && bottom) return HTBOTTOMRIGHT;
  if (left && bottom) return HTBOTTOMLEFT;
  if (left) return HTLEFT;
  if (top) return HTTOP;
  if (right) return HTRIGHT;
  if (bottom) return HTBOTTOM;
  return HTCLIENT;
}

void TSkinForm::HandleSize() {
  if (FInSize || !FOwnerForm) return;
  FInSize = true;
  try {
    const bool maximized = FOwnerForm->WindowState() == TWindowState::wsMaximized;
    // A form made maximised goes back to the bounds it was made with.
    if (FRestoreOnce && !maximized) {
      FRestoreOnce = false;
      SetControlRect(*FOwnerForm, FSavedBounds);
    }
    // A maximised skinned window leaves the panels of the desktop free; it
    // takes that place before it is shown, so that it is mapped there.
    if (TRect area; maximized && FSavedBorderStyle != TFormBorderStyle::bsNone && GetWorkArea(area))
      SetControlRect(*FOwnerForm, area);
    UpdateLayout();
    PaintBorder();
    FTitleBar->UpdateMaxButtons();
    FTitleBar->UpdateRoundCorner();
  } catch (...) {
    FInSize = false;
    throw;
  }
  FInSize = false;
}

// The margins of a sizeable form lie over whatever control reaches them:
// the form's window sees the mouse before any of its controls does, as the
// platform asks a window what a point is before it hands the click on.
void TSkinForm::WatchWindow() {
  QWindow* window = FOwnerForm->windowHandle();
  if (window == FWindow) return;
  if (FWindow) FWindow->removeEventFilter(this);
  FWindow = window;
  if (window) window->installEventFilter(this);
}

bool TSkinForm::WindowMouse(const QMouseEvent& event) {
  const QPoint p = event.position().toPoint();
  const TPoint screen = FromQPoint(event.globalPosition().toPoint());
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (event.button() != Qt::LeftButton) return false;
      if (const Qt::Edges edges = HitTestEdges(NCHitTest(p.x(), p.y()))) {
        FDrag.Begin(*FOwnerForm, edges, screen);
        return true;
      }
      return false;
    case QEvent::MouseMove:
      if (FDrag.Active()) {
        FDrag.Follow(screen);
        return true;
      }
      if (event.buttons() == Qt::NoButton) FSizingPointer.Show(NCHitTest(p.x(), p.y()));
      return false;
    case QEvent::MouseButtonRelease:
      if (event.button() != Qt::LeftButton || !FDrag.Active()) return false;
      FDrag.End();
      return true;
    default:
      return false;
  }
}

bool TSkinForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FWindow && FWindow) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::MouseButtonRelease: {
        bool taken = false;
        Guarded([&] { taken = WindowMouse(static_cast<const QMouseEvent&>(*event)); });
        return taken;
      }
      case QEvent::Leave:
        FSizingPointer.Show(HTCLIENT);
        return false;
      default:
        return false;
    }
  }
  if (watched != FOwnerForm) return false;
  auto deliver = [&] { static_cast<QObject*>(FOwnerForm)->event(event); };
  switch (event->type()) {
    case QEvent::Resize:
    case QEvent::WindowStateChange:
      deliver();
      Guarded([this] { HandleSize(); });
      return true;
    case QEvent::Paint:
      deliver();
      DrawBorder();
      return true;
    case QEvent::ActivationChange:
      deliver();
      FTitleBar->SetFormActive(FOwnerForm->isActiveWindow());
      return true;
    case QEvent::Show:
      deliver();
      // The menu shows in the menu bar only.
      FOwnerForm->SetMenu(nullptr);
      WatchWindow();
      return true;
    case QEvent::Hide:
      deliver();
      FSizingPointer.Show(HTCLIENT);
      FDrag.End();
      return true;
    default:
      return false;
  }
}

void TSkinForm::Notification(TComponent* component, TOperation operation) {
  TSkinThemed::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  FFormPanel.Release(component);
  if (component == FMenuBar) FMenuBar = nullptr;
  if (FMenu.Release(component)) DestroyMenuBar();
}

void TSkinForm::FileThemeRemoved() {
  if (IsDestroying()) return;
  ApplyThemeToChildren(*this, TSkinUIStyle::Midnight, nullptr);
  SetUIStyle(TSkinUIStyle::Midnight);
}
