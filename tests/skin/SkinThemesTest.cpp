#include "skin/SkinThemes.h"

#include <gtest/gtest.h>

#include <QImage>
#include <sstream>
#include <vector>

#include "windowing/Bitmap.h"
#include "windowing/BitmapResources.h"

namespace {

const TSkinUIStyle kStyles[] = {TSkinUIStyle::Silver, TSkinUIStyle::Azure, TSkinUIStyle::Midnight, TSkinUIStyle::Crystal,
                                TSkinUIStyle::Frost};

// The 42 items as the styles define them: number, name, kind, then the
// value in Silver, Azure, Midnight, Crystal and Frost (bitmaps with the
// resource's size).
const char* const kItemTable = R"(
1 ButtonImage bitmap SILVER_BUTTON:252x23 AZURE_BUTTON:54x21 MIDNIGHT_BUTTON:222x21 CRYSTAL_BUTTON:222x21 FROST_BUTTON:231x27
2 ButtonTransparentBool boolean true false false false true
3 CheckBoxImage bitmap SILVER_CHECKBOX:60x17 AZURE_CHECKBOX:52x13 MIDNIGHT_CHECKBOX:52x13 CRYSTAL_CHECKBOX:52x13 FROST_CHECKBOX:52x13
4 RadioButtonImage bitmap SILVER_RADIOBUTTON:64x17 AZURE_RADIOBUTTON:52x13 MIDNIGHT_RADIOBUTTON:52x13 CRYSTAL_RADIOBUTTON:52x13 FROST_RADIOBUTTON:52x13
5 TitleBarButtonImage bitmap SILVER_TITLEBTN:306x17 AZURE_TITLEBTN:378x21 MIDNIGHT_TITLEBTN:342x19 CRYSTAL_TITLEBTN:342x19 FROST_TITLEBTN:342x19
6 TitleBarButtonTransparentBool boolean false false false true true
7 TitleBarButtonLeftOffsetInt integer 3 2 0 0 4
8 TitleBarButtonRightOffsetInt integer -2 -2 0 0 -3
9 TitleBarButtonTopInt integer 4 5 2 2 6
10 TitleBarLeftImage bitmap SILVER_TITLE_LEFT:48x23 AZURE_TITLE_LEFT:35x29 MIDNIGHT_TITLE_LEFT:97x32 CRYSTAL_TITLE_LEFT:441x23 FROST_TITLE_LEFT:162x33
11 TitleBarClientImage bitmap SILVER_TITLE_CLIENT:49x23 AZURE_TITLE_CLIENT:37x29 MIDNIGHT_TITLE_CLIENT:98x32 CRYSTAL_TITLE_CLIENT:1x23 FROST_TITLE_CLIENT:179x33
12 TitleBarRightImage bitmap SILVER_TITLE_RIGHT:48x23 AZURE_TITLE_RIGHT:35x29 MIDNIGHT_TITLE_RIGHT:97x32 CRYSTAL_TITLE_RIGHT:1x23 FROST_TITLE_RIGHT:101x33
13 FormMinWidthInt integer 130 150 130 130 270
14 FormRoundCornerInt integer 0 13 0 0 11
15 FormBackgroundColor colour 0xE7E7E7 0xDEEBEF 0xE8E8E8 0xFBFBFB 0xE7E7E7
16 FormBorderColor colour 0x7F7F7F 0xC82C00 0x000000 0x000000 0x000000
17 FormBorderWidthInt integer 1 3 1 1 1
18 MenuSelectedBorderColor colour 0xC47339 0xC66931 0xA04A44 0xC4302D 0xEC5E5E
19 MenuSelectedBackgroundColor colour 0xC47339 0xEFD3C6 0xA04A44 0xC4302D 0xEC5E5E
20 MenuSelectedFontColor colour 0xFFFFFF 0x000000 0xFFFFFF 0xFFFFFF 0xFFFFFF
21 MenuBackgroundColor colour 0x000000 0xFFFFFF 0xFFFFFF 0xFFFFFF 0xE7E7E7
22 MenuFontColor colour 0x000000 0x000000 0x000000 0x000000 0x000000
23 MenuBarColor colour 0x000000 0xCED3D6 0xCED3D6 0xCED3D6 0xCED3D6
24 ProgressBarImage bitmap SILVER_PROGRESSBAR:13x10 AZURE_PROGRESSBAR:6x10 MIDNIGHT_PROGRESSBAR:1x10 CRYSTAL_PROGRESSBAR:1x10 FROST_PROGRESSBAR:1x10
25 ControlBorderColor colour 0x7F7F7F 0x686868 0x000000 0x000000 0x000000
26 ControlBackgroundColor colour 0xE7E7E7 0xDEEBEF 0xE8E8E8 0xFBFBFB 0xE7E7E7
27 ControlFontColor colour 0x000000 0xCF4602 0x000000 0x000000 0x000000
28 TrackBarBarImage bitmap SILVER_TRACKBAR_BAR:45x5 AZURE_TRACKBAR_BAR:45x8 MIDNIGHT_TRACKBAR_BAR:45x4 CRYSTAL_TRACKBAR_BAR:45x4 FROST_TRACKBAR_BAR:45x4
29 TrackBarSliderImage bitmap SILVER_TRACKBAR_SLIDER:11x20 AZURE_TRACKBAR_SLIDER:11x21 MIDNIGHT_TRACKBAR_SLIDER:11x20 CRYSTAL_TRACKBAR_SLIDER:11x20 FROST_TRACKBAR_SLIDER:11x20
30 TrackBarSliderVImage bitmap SILVER_TRACKBAR_SLIDER_V:19x11 AZURE_TRACKBAR_SLIDER_V:22x11 MIDNIGHT_TRACKBAR_SLIDER_V:18x11 CRYSTAL_TRACKBAR_SLIDER_V:18x11 FROST_TRACKBAR_SLIDER_V:18x11
31 ScrollBarBackgroundColor colour 0xC9C9C9 0xF9F9F9 0xF5F5F5 0xF5F5F5 0xF4F4F4
32 ScrollBarButtonImage bitmap SILVER_SCROLLBAR_BUTTON:96x22 AZURE_SCROLLBAR_BUTTON:96x17 MIDNIGHT_SCROLLBAR_BUTTON:96x16 CRYSTAL_SCROLLBAR_BUTTON:96x16 FROST_SCROLLBAR_BUTTON:102x16
33 ScrollBarSliderImage bitmap SILVER_SCROLLBAR_TRACK:33x16 AZURE_SCROLLBAR_TRACK:21x16 MIDNIGHT_SCROLLBAR_TRACK:21x16 CRYSTAL_SCROLLBAR_TRACK:21x16 FROST_SCROLLBAR_TRACK:21x16
34 CheckListBoxImage bitmap SILVER_CHECKLIST:40x11 AZURE_CHECKLIST:44x11 MIDNIGHT_CHECKLIST:44x11 CRYSTAL_CHECKLIST:44x11 FROST_CHECKLIST:44x11
35 ToolBarButtonBorderColor colour 0x474747 0xC66931 0x474747 0x474747 0x474747
36 ToolBarButtonBackgroundColor colour 0xEFEFEF 0xEFD3C6 0xEFEFEF 0xEFEFEF 0xEFEFEF
37 ToolBarButtonDownBackgroundColor colour 0xD8D8D8 0xE1AC93 0xD8D8D8 0xD8D8D8 0xD8D8D8
38 ScrollButtonImage bitmap SILVER_SCROLLBUTTON:72x18 AZURE_SCROLLBUTTON:72x18 MORE_SCROLLBUTTON:72x17 MORE_SCROLLBUTTON:72x17 MORE_SCROLLBUTTON:72x17
39 TabControlTabImage bitmap SILVER_TAB:36x27 AZURE_TAB:18x18 MIDNIGHT_TAB:12x17 CRYSTAL_TAB:18x17 FROST_TAB:18x17
40 TabControlBarImage bitmap SILVER_TAB_LINE:17x7 AZURE_TAB_LINE:8x1 MIDNIGHT_TAB_LINE:5x5 CRYSTAL_TAB_LINE:10x5 FROST_TAB_LINE:10x5
41 SideChannelHandleImage bitmap SILVER_SIDECHENNEL_HANDLE:7x84 AZURE_SIDECHENNEL_HANDLE:8x86 MIDNIGHT_SIDECHENNEL_HANDLE:8x83 CRYSTAL_SIDECHENNEL_HANDLE:8x83 FROST_SIDECHENNEL_HANDLE:8x86
42 SideChannelBarImage bitmap SILVER_SIDECHENNEL_BAR:1x21 AZURE_SIDECHENNEL_BAR:1x21 MIDNIGHT_SIDECHENNEL_BAR:1x20 CRYSTAL_SIDECHENNEL_BAR:1x21 FROST_SIDECHENNEL_BAR:1x21
)";

struct TExpectedItem {
  int Number;
  std::string Name, Kind;
  std::vector<std::string> Values;
};

std::vector<TExpectedItem> ExpectedItems() {
  std::vector<TExpectedItem> items;
  std::istringstream lines(kItemTable);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty()) continue;
    std::istringstream fields(line);
    TExpectedItem item;
    fields >> item.Number >> item.Name >> item.Kind;
    for (std::string value; fields >> value;) item.Values.push_back(value);
    items.push_back(item);
  }
  return items;
}

TSkinThemeItemKind KindOf(const std::string& kind) {
  if (kind == "bitmap") return TSkinThemeItemKind::Bitmap;
  if (kind == "colour") return TSkinThemeItemKind::Color;
  if (kind == "boolean") return TSkinThemeItemKind::Boolean;
  return TSkinThemeItemKind::Integer;
}

// The answers every getter gives for an item that is not of its kind.
void ExpectWrongKindAnswers(TSkinUIStyle style, int item, TSkinThemeItemKind kind, const std::string& where) {
  if (kind != TSkinThemeItemKind::Boolean) {
    EXPECT_FALSE(GetBuiltInThemeBool(style, item)) << where;
  }
  if (kind != TSkinThemeItemKind::Color) {
    EXPECT_EQ(GetBuiltInThemeColor(style, item), 0) << where;
  }
  if (kind != TSkinThemeItemKind::Integer) {
    EXPECT_EQ(GetBuiltInThemeInteger(style, item), -1) << where;
  }
  if (kind != TSkinThemeItemKind::Bitmap) {
    TBitmap untouched;
    untouched.SetSize(3, 2);
    LoadBuiltInThemeBitmap(style, item, &untouched);
    GetBuiltInThemeBitmap(style, item, &untouched, 2, 1);
    EXPECT_EQ(untouched.Width(), 3) << where;
  }
}

}  // namespace

TEST(BuiltInThemes, EveryItemOfEveryStyleAnswersByItsKind) {
  const std::vector<TExpectedItem> items = ExpectedItems();
  ASSERT_EQ(items.size(), static_cast<size_t>(SkinThemeItemCount));
  for (const TExpectedItem& item : items) {
    EXPECT_EQ(SkinThemeItemName(item.Number), item.Name);
    const TSkinThemeItemKind kind = KindOf(item.Kind);
    EXPECT_EQ(SkinThemeItemKind(item.Number), kind) << item.Name;
    for (size_t s = 0; s < 5; ++s) {
      const TSkinUIStyle style = kStyles[s];
      const std::string& expected = item.Values[s];
      const std::string where = item.Name + " in style " + std::to_string(s + 1);
      EXPECT_EQ(GetBuiltInThemeItem(style, item.Number).Kind, kind) << where;
      switch (kind) {
        case TSkinThemeItemKind::Boolean: EXPECT_EQ(GetBuiltInThemeBool(style, item.Number), expected == "true") << where; break;
        case TSkinThemeItemKind::Color:
          EXPECT_EQ(GetBuiltInThemeColor(style, item.Number), std::stoi(expected, nullptr, 16)) << where;
          break;
        case TSkinThemeItemKind::Integer: EXPECT_EQ(GetBuiltInThemeInteger(style, item.Number), std::stoi(expected)) << where; break;
        case TSkinThemeItemKind::Bitmap: {
          const std::string name = expected.substr(0, expected.find(':'));
          EXPECT_STREQ(GetBuiltInThemeItem(style, item.Number).BitmapName, name.c_str()) << where;
          TBitmap bitmap;
          LoadBuiltInThemeBitmap(style, item.Number, &bitmap);
          EXPECT_EQ(std::to_string(bitmap.Width()) + "x" + std::to_string(bitmap.Height()), expected.substr(expected.find(':') + 1))
              << where;
          break;
        }
      }
      ExpectWrongKindAnswers(style, item.Number, kind, where);
    }
  }
}

TEST(BuiltInThemes, NoStyleOrNoItemGivesTheWrongKindAnswers) {
  // Every item in a style that is none, and items that are none in every style.
  struct Case {
    TSkinUIStyle style;
    int item;
    std::string where;
  };
  std::vector<Case> cases;
  for (const TSkinUIStyle style : {TSkinUIStyle::FromThemeFile, static_cast<TSkinUIStyle>(6), static_cast<TSkinUIStyle>(255)})
    for (int item = 1; item <= SkinThemeItemCount; ++item) cases.push_back({style, item, "style " + std::to_string(int(style))});
  for (const int item : {0, -1, 43, 1000}) {
    EXPECT_EQ(SkinThemeItemName(item), "");
    for (const TSkinUIStyle style : kStyles) cases.push_back({style, item, "item " + std::to_string(item)});
  }
  for (const Case& c : cases) {
    const TSkinThemeItemValue value = GetBuiltInThemeItem(c.style, c.item);
    EXPECT_EQ(value.Value, -1) << c.where;
    EXPECT_EQ(value.Kind, TSkinThemeItemKind::Integer) << c.where;
    // Answers as for an integer item, and an integer item gives -1 too.
    ExpectWrongKindAnswers(c.style, c.item, TSkinThemeItemKind::Integer, c.where);
    EXPECT_EQ(GetBuiltInThemeInteger(c.style, c.item), -1) << c.where;
  }
}

TEST(BuiltInThemes, CutsOneFrameOfAStrip) {
  const QImage strip = LoadBitmapResource("MIDNIGHT_BUTTON");
  TBitmap frame;
  GetBuiltInThemeBitmap(TSkinUIStyle::Midnight, SkinItem::ButtonImage, &frame, 3, 2);
  ASSERT_EQ(frame.Width(), 74);
  ASSERT_EQ(frame.Height(), 21);
  EXPECT_EQ(frame.Image(), strip.copy(74, 0, 74, 21).convertToFormat(frame.Image().format()));

  TBitmap whole;
  GetBuiltInThemeBitmap(TSkinUIStyle::Midnight, SkinItem::ButtonImage, &whole, 0, 0);
  EXPECT_EQ(whole.Width(), 222);
  GetBuiltInThemeBitmap(TSkinUIStyle::Midnight, SkinItem::ButtonImage, nullptr, 3, 2);
  LoadBuiltInThemeBitmap(TSkinUIStyle::Midnight, SkinItem::ButtonImage, nullptr);
}

TEST(BuiltInThemes, EveryBuiltInValueLiesInItsItemsRange) {
  for (int item = 1; item <= SkinThemeItemCount; ++item)
    for (const TSkinUIStyle style : kStyles) {
      const int32_t value = GetBuiltInThemeItem(style, item).Value;
      EXPECT_EQ(ClampThemeInteger(item, value), value) << SkinThemeItemName(item);
    }
  // Colours keep any value, the system colours' high byte included.
  EXPECT_EQ(ClampThemeInteger(SkinItem::FormBorderColor, static_cast<int32_t>(0xFF00000F)), static_cast<int32_t>(0xFF00000F));
  EXPECT_EQ(ClampThemeInteger(SkinItem::FormBorderWidthInt, 1000), 32);
}
