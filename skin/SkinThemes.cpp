#include "skin/SkinThemes.h"

#include <QImageReader>
#include <algorithm>
#include <array>

#include "runtime/SysUtils.h"
#include "skin/SkinThemeFile.h"
#include "windowing/Bitmap.h"
#include "windowing/Form.h"
#include "windowing/Persistent.h"

namespace {

using K = TSkinThemeItemKind;

// One cell of a table: a number, or the name of a bitmap resource.
struct TCell {
  constexpr TCell(int value) : Value(value) {}
  constexpr TCell(const char* bitmap) : Bitmap(bitmap) {}
  int32_t Value = -1;
  const char* Bitmap = nullptr;
};

struct TItemRow {
  const char* Name;
  K Kind;
  std::array<TCell, 5> Styles;  // Silver, Azure, Midnight, Crystal, Frost
};

// Colours are 0x00BBGGRR.
constexpr std::array<TItemRow, SkinThemeItemCount> kItems = {{
    {"ButtonImage", K::Bitmap, {"SILVER_BUTTON", "AZURE_BUTTON", "MIDNIGHT_BUTTON", "CRYSTAL_BUTTON", "FROST_BUTTON"}},
    {"ButtonTransparentBool", K::Boolean, {1, 0, 0, 0, 1}},
    {"CheckBoxImage", K::Bitmap, {"SILVER_CHECKBOX", "AZURE_CHECKBOX", "MIDNIGHT_CHECKBOX", "CRYSTAL_CHECKBOX", "FROST_CHECKBOX"}},
    {"RadioButtonImage", K::Bitmap,
     {"SILVER_RADIOBUTTON", "AZURE_RADIOBUTTON", "MIDNIGHT_RADIOBUTTON", "CRYSTAL_RADIOBUTTON", "FROST_RADIOBUTTON"}},
    {"TitleBarButtonImage", K::Bitmap, {"SILVER_TITLEBTN", "AZURE_TITLEBTN", "MIDNIGHT_TITLEBTN", "CRYSTAL_TITLEBTN", "FROST_TITLEBTN"}},
    {"TitleBarButtonTransparentBool", K::Boolean, {0, 0, 0, 1, 1}},
    {"TitleBarButtonLeftOffsetInt", K::Integer, {3, 2, 0, 0, 4}},
    {"TitleBarButtonRightOffsetInt", K::Integer, {-2, -2, 0, 0, -3}},
    {"TitleBarButtonTopInt", K::Integer, {4, 5, 2, 2, 6}},
    {"TitleBarLeftImage", K::Bitmap,
     {"SILVER_TITLE_LEFT", "AZURE_TITLE_LEFT", "MIDNIGHT_TITLE_LEFT", "CRYSTAL_TITLE_LEFT", "FROST_TITLE_LEFT"}},
    {"TitleBarClientImage", K::Bitmap,
     {"SILVER_TITLE_CLIENT", "AZURE_TITLE_CLIENT", "MIDNIGHT_TITLE_CLIENT", "CRYSTAL_TITLE_CLIENT", "FROST_TITLE_CLIENT"}},
    {"TitleBarRightImage", K::Bitmap,
     {"SILVER_TITLE_RIGHT", "AZURE_TITLE_RIGHT", "MIDNIGHT_TITLE_RIGHT", "CRYSTAL_TITLE_RIGHT", "FROST_TITLE_RIGHT"}},
    {"FormMinWidthInt", K::Integer, {130, 150, 130, 130, 270}},
    {"FormRoundCornerInt", K::Integer, {0, 13, 0, 0, 11}},
    {"FormBackgroundColor", K::Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {"FormBorderColor", K::Color, {0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000}},
    {"FormBorderWidthInt", K::Integer, {1, 3, 1, 1, 1}},
    {"MenuSelectedBorderColor", K::Color, {0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E}},
    {"MenuSelectedBackgroundColor", K::Color, {0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E}},
    {"MenuSelectedFontColor", K::Color, {0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}},
    {"MenuBackgroundColor", K::Color, {0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7}},
    {"MenuFontColor", K::Color, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000}},
    {"MenuBarColor", K::Color, {0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6}},
    {"ProgressBarImage", K::Bitmap,
     {"SILVER_PROGRESSBAR", "AZURE_PROGRESSBAR", "MIDNIGHT_PROGRESSBAR", "CRYSTAL_PROGRESSBAR", "FROST_PROGRESSBAR"}},
    {"ControlBorderColor", K::Color, {0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000}},
    {"ControlBackgroundColor", K::Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {"ControlFontColor", K::Color, {0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000}},
    {"TrackBarBarImage", K::Bitmap,
     {"SILVER_TRACKBAR_BAR", "AZURE_TRACKBAR_BAR", "MIDNIGHT_TRACKBAR_BAR", "CRYSTAL_TRACKBAR_BAR", "FROST_TRACKBAR_BAR"}},
    {"TrackBarSliderImage", K::Bitmap,
     {"SILVER_TRACKBAR_SLIDER", "AZURE_TRACKBAR_SLIDER", "MIDNIGHT_TRACKBAR_SLIDER", "CRYSTAL_TRACKBAR_SLIDER",
      "FROST_TRACKBAR_SLIDER"}},
    {"TrackBarSliderVImage", K::Bitmap,
     {"SILVER_TRACKBAR_SLIDER_V", "AZURE_TRACKBAR_SLIDER_V", "MIDNIGHT_TRACKBAR_SLIDER_V", "CRYSTAL_TRACKBAR_SLIDER_V",
      "FROST_TRACKBAR_SLIDER_V"}},
    {"ScrollBarBackgroundColor", K::Color, {0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4}},
    {"ScrollBarButtonImage", K::Bitmap,
     {"SILVER_SCROLLBAR_BUTTON", "AZURE_SCROLLBAR_BUTTON", "MIDNIGHT_SCROLLBAR_BUTTON", "CRYSTAL_SCROLLBAR_BUTTON",
      "FROST_SCROLLBAR_BUTTON"}},
    {"ScrollBarSliderImage", K::Bitmap,
     {"SILVER_SCROLLBAR_TRACK", "AZURE_SCROLLBAR_TRACK", "MIDNIGHT_SCROLLBAR_TRACK", "CRYSTAL_SCROLLBAR_TRACK",
      "FROST_SCROLLBAR_TRACK"}},
    {"CheckListBoxImage", K::Bitmap,
     {"SILVER_CHECKLIST", "AZURE_CHECKLIST", "MIDNIGHT_CHECKLIST", "CRYSTAL_CHECKLIST", "FROST_CHECKLIST"}},
    {"ToolBarButtonBorderColor", K::Color, {0x474747, 0xC66931, 0x474747, 0x474747, 0x474747}},
    {"ToolBarButtonBackgroundColor", K::Color, {0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF}},
    {"ToolBarButtonDownBackgroundColor", K::Color, {0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8}},
    {"ScrollButtonImage", K::Bitmap,
     {"SILVER_SCROLLBUTTON", "AZURE_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON"}},
    {"TabControlTabImage", K::Bitmap, {"SILVER_TAB", "AZURE_TAB", "MIDNIGHT_TAB", "CRYSTAL_TAB", "FROST_TAB"}},
    {"TabControlBarImage", K::Bitmap,
     {"SILVER_TAB_LINE", "AZURE_TAB_LINE", "MIDNIGHT_TAB_LINE", "CRYSTAL_TAB_LINE", "FROST_TAB_LINE"}},
    {"SideChannelHandleImage", K::Bitmap,
     {"SILVER_SIDECHENNEL_HANDLE", "AZURE_SIDECHENNEL_HANDLE", "MIDNIGHT_SIDECHENNEL_HANDLE", "CRYSTAL_SIDECHENNEL_HANDLE",
      "FROST_SIDECHENNEL_HANDLE"}},
    {"SideChannelBarImage", K::Bitmap,
     {"SILVER_SIDECHENNEL_BAR", "AZURE_SIDECHENNEL_BAR", "MIDNIGHT_SIDECHENNEL_BAR", "CRYSTAL_SIDECHENNEL_BAR",
      "FROST_SIDECHENNEL_BAR"}},
}};

// The values a theme file's integer items may take: what each item can
// sensibly be on a screen. A value outside its range is held to the nearer
// end, so that no theme file can make a window of millions of pixels, a
// border wider than a window or corners that take minutes to cut. Every
// built-in value lies inside. Colours take any value (each names a colour),
// flags any byte.
struct TIntegerRange {
  int Item;
  int32_t Min;
  int32_t Max;
};
constexpr std::array<TIntegerRange, 6> kIntegerRanges = {{
    {SkinItem::TitleBarButtonLeftOffsetInt, -256, 256},  // pixels from the bar's left end
    {SkinItem::TitleBarButtonRightOffsetInt, -256, 256},  // pixels from its right end
    {SkinItem::TitleBarButtonTopInt, -64, 256},           // pixels from its top
    {SkinItem::FormMinWidthInt, 0, 2048},                 // a window's least width
    {SkinItem::FormRoundCornerInt, 0, 64},                // the corners' ellipse
    {SkinItem::FormBorderWidthInt, 0, 32},                // the frame round the window
}};

bool ValidItem(int item) { return item >= 1 && item <= SkinThemeItemCount; }

const TItemRow* Row(int item) { return ValidItem(item) ? &kItems[static_cast<size_t>(item - 1)] : nullptr; }

// Lowers the decoding limit of images for as long as it lives (the limit is
// the image reader's, shared by the whole program, and is put back).
class TImageAllocationLimit {
 public:
  explicit TImageAllocationLimit(int megabytes) : FPrevious(QImageReader::allocationLimit()) {
    QImageReader::setAllocationLimit(FPrevious > 0 ? std::min(FPrevious, megabytes) : megabytes);
  }
  ~TImageAllocationLimit() { QImageReader::setAllocationLimit(FPrevious); }
  TImageAllocationLimit(const TImageAllocationLimit&) = delete;
  TImageAllocationLimit& operator=(const TImageAllocationLimit&) = delete;

 private:
  int FPrevious;
};

}  // namespace

void CutBitmapFrame(const TBitmap& source, TBitmap& destination, int frameCount, int frameNumber) {
  const int width = source.Width() / std::max(1, frameCount);
  destination.SetImage(source.Image().copy(width * (frameNumber - 1), 0, width, source.Height()));
}

const TEnumInfo& SkinUIStyleNames() {
  static const TEnumInfo names{{"FromThemeFile", "Silver", "Azure", "Midnight", "Crystal", "Frost"}};
  return names;
}

TSkinFormFrame* FindSkinFormFrame(TComponent* owner) {
  if (const auto* form = dynamic_cast<const TForm*>(owner))
    for (int i = 0; i < form->ControlCount(); ++i)
      if (auto* frame = dynamic_cast<TSkinFormFrame*>(form->Controls(i))) return frame;
  return nullptr;
}

TSkinUIStyle GetOwnerUIStyle(TComponent* owner) {
  const TSkinFormFrame* frame = FindSkinFormFrame(owner);
  return frame ? frame->UIStyle() : TSkinUIStyle::Midnight;
}

const std::string& SkinThemeItemName(int item) {
  static const std::array<std::string, SkinThemeItemCount + 1> names = [] {
    std::array<std::string, SkinThemeItemCount + 1> all;
    for (int i = 1; i <= SkinThemeItemCount; ++i) all[static_cast<size_t>(i)] = kItems[static_cast<size_t>(i - 1)].Name;
    return all;
  }();
  return names[ValidItem(item) ? static_cast<size_t>(item) : 0];
}

TSkinThemeItemKind SkinThemeItemKind(int item) { return ValidItem(item) ? Row(item)->Kind : K::Integer; }

int32_t ClampThemeInteger(int item, int32_t value) {
  for (const TIntegerRange& range : kIntegerRanges)
    if (range.Item == item) return std::clamp(value, range.Min, range.Max);
  return value;
}

TSkinThemeItemValue GetBuiltInThemeItem(TSkinUIStyle style, int item) {
  const auto index = static_cast<int>(style);
  const TItemRow* row = Row(item);
  if (!row || index < static_cast<int>(TSkinUIStyle::Silver) || index > static_cast<int>(TSkinUIStyle::Frost)) return {};
  const TCell& cell = row->Styles[static_cast<size_t>(index - 1)];
  return {cell.Value, row->Kind, cell.Bitmap};
}

void LoadBuiltInThemeBitmap(TSkinUIStyle style, int item, TBitmap* bitmap) {
  const TSkinThemeItemValue value = GetBuiltInThemeItem(style, item);
  if (!bitmap || value.Kind != K::Bitmap) return;
  bitmap->LoadFromResourceName(value.BitmapName);
}

void GetBuiltInThemeBitmap(TSkinUIStyle style, int item, TBitmap* graphic, int frameCount, int frameNumber) {
  if (!graphic) return;
  if (frameCount == 0) {
    LoadBuiltInThemeBitmap(style, item, graphic);
    return;
  }
  if (GetBuiltInThemeItem(style, item).Kind != K::Bitmap) return;
  TBitmap strip;
  LoadBuiltInThemeBitmap(style, item, &strip);
  CutBitmapFrame(strip, *graphic, frameCount, frameNumber);
}

bool GetBuiltInThemeBool(TSkinUIStyle style, int item) {
  const TSkinThemeItemValue value = GetBuiltInThemeItem(style, item);
  return value.Kind == K::Boolean && value.Value != 0;
}

TColor GetBuiltInThemeColor(TSkinUIStyle style, int item) {
  const TSkinThemeItemValue value = GetBuiltInThemeItem(style, item);
  return value.Kind == K::Color ? value.Value : 0;
}

int32_t GetBuiltInThemeInteger(TSkinUIStyle style, int item) {
  const TSkinThemeItemValue value = GetBuiltInThemeItem(style, item);
  return value.Kind == K::Integer ? value.Value : -1;
}

TSkinFileThemeMgr::TSkinFileThemeMgr() = default;
TSkinFileThemeMgr::~TSkinFileThemeMgr() = default;

bool TSkinFileThemeMgr::LoadFile(const std::string& fileName) {
  if (!FileExists(fileName)) return false;
  FReader.reset();
  FImages.clear();
  FReader = std::make_unique<TSkinThemeFileReader>(fileName);
  return true;
}

bool TSkinFileThemeMgr::GetBitmap(int item, TBitmap* graphic) const {
  if (!FReader || !graphic || !ValidItem(item)) return false;
  const QImage& image = DecodedImage(item);
  if (image.isNull()) return false;
  graphic->SetImage(image);
  return true;
}

const QImage& TSkinFileThemeMgr::DecodedImage(int item) const {
  const auto [it, added] = FImages.try_emplace(item);
  if (!added) return it->second;
  TStream* stream = FReader->GetBitmapStream(SkinThemeItemName(item));
  if (!stream) return it->second;
  try {
    const TImageAllocationLimit limit(ImageAllocationLimitMB);
    TBitmap decoded;
    decoded.LoadFromStream(*stream);
    it->second = decoded.Image();
  } catch (const EInvalidGraphic&) {
    // Stays null: the item has no usable image in this file.
  }
  return it->second;
}

std::optional<bool> TSkinFileThemeMgr::GetBool(int item) const {
  if (!FReader || !ValidItem(item)) return std::nullopt;
  return FReader->FindBool(SkinThemeItemName(item));
}

std::optional<int32_t> TSkinFileThemeMgr::GetInteger(int item) const {
  if (!FReader || !ValidItem(item)) return std::nullopt;
  const std::optional<int32_t> value = FReader->FindInteger(SkinThemeItemName(item));
  return value ? std::optional<int32_t>(ClampThemeInteger(item, *value)) : std::nullopt;
}
