// The styles of the skinned controls and their theme items: 42 named items
// of four kinds, the five built-in tables compiled into the library (their
// bitmaps are resources named style plus part, "MIDNIGHT_BUTTON"), the
// typed getters over those tables, and the manager that holds a loaded
// theme file.
#pragma once

#include <QImage>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "windowing/Colors.h"

class TBitmap;
class TComponent;
class TMainMenu;
class TSkinThemeFileReader;
struct TEnumInfo;

enum class TSkinUIStyle : uint8_t { FromThemeFile = 0, Silver = 1, Azure = 2, Midnight = 3, Crystal = 4, Frost = 5 };

// The value names of the published property UIStyle ("Crystal").
const TEnumInfo& SkinUIStyleNames();

// The skinned frame of a form (TSkinForm) as the form's new components see
// it: the style they start with, and the menu bar a new main menu shows in.
class TSkinFormFrame {
 public:
  virtual ~TSkinFormFrame() = default;
  virtual TSkinUIStyle UIStyle() const = 0;
  // Shows the menu (null: none) and links it to this frame.
  virtual void SetMenu(TMainMenu* menu) = 0;
};

// The first skinned frame among the direct child controls of the owner;
// null without an owner, on an owner that is no form, or on a form without
// a frame.
TSkinFormFrame* FindSkinFormFrame(TComponent* owner);

// The style a new skinned component starts with: on a form, the UIStyle of
// the first TSkinForm among the form's direct child controls (whatever it
// is); Midnight without an owner, on an owner that is no form, or on a form
// without a TSkinForm.
TSkinUIStyle GetOwnerUIStyle(TComponent* owner);

enum class TSkinThemeItemKind : uint8_t { Integer = 0, Color = 1, Bitmap = 2, Boolean = 3 };

constexpr int SkinThemeItemCount = 42;

// The item numbers, under the names a theme file stores them by.
namespace SkinItem {
enum : int {
  ButtonImage = 1,
  ButtonTransparentBool,
  CheckBoxImage,
  RadioButtonImage,
  TitleBarButtonImage,
  TitleBarButtonTransparentBool,
  TitleBarButtonLeftOffsetInt,
  TitleBarButtonRightOffsetInt,
  TitleBarButtonTopInt,
  TitleBarLeftImage,
  TitleBarClientImage,
  TitleBarRightImage,
  FormMinWidthInt,
  FormRoundCornerInt,
  FormBackgroundColor,
  FormBorderColor,
  FormBorderWidthInt,
  MenuSelectedBorderColor,
  MenuSelectedBackgroundColor,
  MenuSelectedFontColor,
  MenuBackgroundColor,
  MenuFontColor,
  MenuBarColor,
  ProgressBarImage,
  ControlBorderColor,
  ControlBackgroundColor,
  ControlFontColor,
  TrackBarBarImage,
  TrackBarSliderImage,
  TrackBarSliderVImage,
  ScrollBarBackgroundColor,
  ScrollBarButtonImage,
  ScrollBarSliderImage,
  CheckListBoxImage,
  ToolBarButtonBorderColor,
  ToolBarButtonBackgroundColor,
  ToolBarButtonDownBackgroundColor,
  ScrollButtonImage,
  TabControlTabImage,
  TabControlBarImage,
  SideChannelHandleImage,
  SideChannelBarImage,
};
}  // namespace SkinItem

// An item's name and kind; an item number outside 1..42 has an empty name
// and counts as an integer.
const std::string& SkinThemeItemName(int item);
TSkinThemeItemKind SkinThemeItemKind(int item);

// A theme file's value of the item held to the range the item can sensibly
// have (an integer item's pixels); values of other items pass unchanged.
int32_t ClampThemeInteger(int item, int32_t value);

// A value of a built-in table: integers, colours and booleans (0/1) in
// Value; bitmaps by resource name.
struct TSkinThemeItemValue {
  int32_t Value = -1;
  TSkinThemeItemKind Kind = TSkinThemeItemKind::Integer;
  const char* BitmapName = nullptr;
};

// The item of a built-in style. FromThemeFile, a value above Frost or an
// item number outside 1..42 give the value -1 of kind integer.
TSkinThemeItemValue GetBuiltInThemeItem(TSkinUIStyle style, int item);

// Cuts frame number (from 1) of a strip of frameCount equal frames, side by
// side at full height, into destination. The frame width is the strip width
// divided by the count (columns left over belong to no frame); a count of 0
// counts as 1.
void CutBitmapFrame(const TBitmap& source, TBitmap& destination, int frameCount, int frameNumber);

// Loads the item's bitmap resource into bitmap, replacing its contents;
// nothing when bitmap is null or the item is no bitmap of that style.
void LoadBuiltInThemeBitmap(TSkinUIStyle style, int item, TBitmap* bitmap);
// Frame count 0: the whole bitmap; otherwise frame number (from 1) of
// frameCount equal frames, cut into graphic. Nothing when graphic is null.
void GetBuiltInThemeBitmap(TSkinUIStyle style, int item, TBitmap* graphic, int frameCount, int frameNumber);
// The value when the item is of the getter's kind; else false, 0 or -1.
bool GetBuiltInThemeBool(TSkinUIStyle style, int item);
TColor GetBuiltInThemeColor(TSkinUIStyle style, int item);
int32_t GetBuiltInThemeInteger(TSkinUIStyle style, int item);

// Holds the reader of the theme file loaded last. The getters translate the
// item number into its name and answer nothing (no value, no bitmap) while
// there is no reader or the file lacks the item. Each image is decoded once
// per file read, when first asked for.
class TSkinFileThemeMgr {
 public:
  TSkinFileThemeMgr();
  ~TSkinFileThemeMgr();
  TSkinFileThemeMgr(const TSkinFileThemeMgr&) = delete;
  TSkinFileThemeMgr& operator=(const TSkinFileThemeMgr&) = delete;

  // False (keeping the reader) when no such file exists. Otherwise the
  // reader is replaced by one on the file; a read error leaves no reader
  // and passes out.
  bool LoadFile(const std::string& fileName);
  bool HasReader() const { return FReader != nullptr; }

  // Loads the item's image into graphic; false (graphic untouched) when the
  // file has no image of that name or its data is no image within bounds.
  bool GetBitmap(int item, TBitmap* graphic) const;
  std::optional<bool> GetBool(int item) const;
  std::optional<int32_t> GetInteger(int item) const;
  std::optional<TColor> GetColor(int item) const { return GetInteger(item); }

  // The most memory a theme image may take once decoded.
  static constexpr int ImageAllocationLimitMB = 16;

 private:
  // The item's image of the reader's file; null when it has none that decodes.
  const QImage& DecodedImage(int item) const;

  std::unique_ptr<TSkinThemeFileReader> FReader;
  mutable std::map<int, QImage> FImages;
};
