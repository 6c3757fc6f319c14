#include "skin/SkinMgr.h"

#include "runtime/SysUtils.h"
#include "windowing/Application.h"
#include "windowing/Bitmap.h"
#include "windowing/Form.h"

TSkinFileTheme::TSkinFileTheme(TComponent* owner) : TComponent(owner) {}

const TClassInfo& TSkinFileTheme::StaticClassInfo() {
  static const auto info = DefineClass<TSkinFileTheme>("TSkinFileTheme", ComponentClassInfo(), [](TPublisher<TSkinFileTheme>& p) {
    p.String("ThemeFile", &TSkinFileTheme::ThemeFile, &TSkinFileTheme::SetThemeFile);
  });
  return *info;
}

TSkinFileTheme::~TSkinFileTheme() { Destroying(); }

TSkinResolvedStyle TSkinFileTheme::ResolveStyle(const TSkinFileTheme* fileTheme, TSkinUIStyle style) {
  if (style != TSkinUIStyle::FromThemeFile) return {false, style};
  if (fileTheme && fileTheme->IsThemeLoaded()) return {true, TSkinUIStyle::FromThemeFile};
  return {false, TSkinUIStyle::Midnight};
}

void TSkinFileTheme::SetThemeFile(const std::string& name) {
  if (name == FThemeFile) return;
  std::string found = name;
  if (!FileExists(found)) {
    found = Application().ExeFolder() + ExtractFileName(name);
    if (!FileExists(found)) return;
  }
  FThemeFile = found;
  // A file that fails to read leaves no theme loaded: its users then look
  // like Midnight rather than drawing from a theme that is gone.
  FLoaded = false;
  FLoaded = FThemeMgr.LoadFile(found);
  if (FLoaded) ReapplyToUsers();
}

void TSkinFileTheme::GetBitmap(int item, TBitmap* graphic) const {
  if (!FThemeMgr.GetBitmap(item, graphic)) LoadBuiltInThemeBitmap(TSkinUIStyle::Midnight, item, graphic);
}

void TSkinFileTheme::GetBitmapFrame(int item, TBitmap* graphic, int frameCount, int frameNumber) const {
  if (!graphic) return;
  TBitmap strip;
  GetBitmap(item, &strip);
  if (!strip.Empty()) CutBitmapFrame(strip, *graphic, frameCount, frameNumber);
}

bool TSkinFileTheme::GetBool(int item) const {
  return FThemeMgr.GetBool(item).value_or(GetBuiltInThemeBool(TSkinUIStyle::Midnight, item));
}

int32_t TSkinFileTheme::GetInteger(int item) const {
  // Colours are stored as integers, so a missing colour falls back too.
  if (const auto value = FThemeMgr.GetInteger(item)) return *value;
  return SkinThemeItemKind(item) == TSkinThemeItemKind::Color ? GetBuiltInThemeColor(TSkinUIStyle::Midnight, item)
                                                              : GetBuiltInThemeInteger(TSkinUIStyle::Midnight, item);
}

TColor TSkinFileTheme::GetColor(int item) const {
  return FThemeMgr.GetColor(item).value_or(GetBuiltInThemeColor(TSkinUIStyle::Midnight, item));
}

TSkinItemSource::TSkinItemSource(const TSkinFileTheme* fileTheme, TSkinUIStyle style)
    : FFileTheme(fileTheme), FResolved(TSkinFileTheme::ResolveStyle(fileTheme, style)) {}

bool TSkinItemSource::Bool(int item) const {
  return UseFile() ? FFileTheme->GetBool(item) : GetBuiltInThemeBool(Style(), item);
}

TColor TSkinItemSource::Color(int item) const {
  return UseFile() ? FFileTheme->GetColor(item) : GetBuiltInThemeColor(Style(), item);
}

int32_t TSkinItemSource::Integer(int item) const {
  return UseFile() ? FFileTheme->GetInteger(item) : GetBuiltInThemeInteger(Style(), item);
}

void TSkinItemSource::Bitmap(int item, TBitmap* graphic) const {
  if (UseFile())
    FFileTheme->GetBitmap(item, graphic);
  else
    GetBuiltInThemeBitmap(Style(), item, graphic, 0, 0);
}

void TSkinItemSource::BitmapFrame(int item, TBitmap* graphic, int frameCount, int frameNumber) const {
  if (UseFile())
    FFileTheme->GetBitmapFrame(item, graphic, frameCount, frameNumber);
  else
    GetBuiltInThemeBitmap(Style(), item, graphic, frameCount, frameNumber);
}

void LinkFileTheme(TComponent& user, TSkinFileTheme*& reference, TSkinFileTheme* theme) {
  if (reference && reference != theme) user.RemoveFreeNotification(reference);
  reference = theme;
  if (theme) user.FreeNotification(theme);
}

bool UnlinkRemovedFileTheme(TSkinFileTheme*& reference, const TComponent* component, TOperation operation) {
  if (operation != TOperation::opRemove || !reference || component != reference) return false;
  reference = nullptr;
  return true;
}

// The skinned components of the form that use this theme are given it
// again, so that their setters apply the newly loaded file.
void TSkinFileTheme::ReapplyToUsers() {
  auto* form = dynamic_cast<TForm*>(Owner());
  if (!form) return;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* user = dynamic_cast<TSkinThemeUser*>(form->Components(i)); user && user->FileTheme() == this)
      user->SetFileTheme(this);
}
