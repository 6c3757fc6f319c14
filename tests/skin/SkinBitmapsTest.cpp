// The built-in skin bitmaps: every resource the controls load exists at its
// size, is opaque RGB, and carries the magenta key exactly where it is drawn
// keyed and nowhere it is drawn opaque or stretched.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <string>
#include <vector>

#include "skin/SkinThemes.h"
#include "windowing/Bitmap.h"
#include "windowing/BitmapResources.h"
#include "windowing/Colors.h"

namespace {

const char* const kPrefixes[] = {"SILVER_", "AZURE_", "MIDNIGHT_", "CRYSTAL_", "FROST_"};
const TSkinUIStyle kStyles[] = {TSkinUIStyle::Silver, TSkinUIStyle::Azure, TSkinUIStyle::Midnight, TSkinUIStyle::Crystal,
                                TSkinUIStyle::Frost};

enum TCorner { Opaque, TopLeftKey, LowerLeftKey };
enum TUnkeyed { Anywhere, MiddleThird, NinePartMiddle };

struct TKeyRule {
  std::string Name;
  int Frames;
  TCorner Corner;
  TUnkeyed Unkeyed = Anywhere;  // where no key may be (beyond Opaque's "nowhere")
};

std::vector<TKeyRule> KeyRules() {
  std::vector<TKeyRule> rules;
  for (const std::string style : kPrefixes) {
    const bool silverOrFrost = style == "SILVER_" || style == "FROST_";
    const bool crystalOrFrost = style == "CRYSTAL_" || style == "FROST_";
    rules.push_back({style + "BUTTON", 3, silverOrFrost ? TopLeftKey : Opaque, NinePartMiddle});
    rules.push_back({style + "CHECKBOX", 4, Opaque});
    rules.push_back({style + "RADIOBUTTON", 4, LowerLeftKey});
    rules.push_back({style + "TITLEBTN", 18, crystalOrFrost ? LowerLeftKey : Opaque});
    for (const char* part : {"TITLE_LEFT", "TITLE_CLIENT", "TITLE_RIGHT", "PROGRESSBAR", "TRACKBAR_SLIDER_V", "CHECKLIST",
                             "TAB_LINE", "SIDECHENNEL_HANDLE", "SIDECHENNEL_BAR"})
      rules.push_back({style + part, 1, Opaque});
    rules.push_back({style + "TRACKBAR_BAR", 1, TopLeftKey, MiddleThird});
    rules.push_back({style + "TRACKBAR_SLIDER", 1, LowerLeftKey});
    rules.push_back({style + "SCROLLBAR_BUTTON", 6, Opaque});
    rules.push_back({style + "SCROLLBAR_TRACK", 3, Opaque});
    rules.push_back({style + "TAB", 2, TopLeftKey, MiddleThird});
  }
  for (const char* name : {"SILVER_SCROLLBUTTON", "AZURE_SCROLLBUTTON", "MORE_SCROLLBUTTON"}) rules.push_back({name, 4, LowerLeftKey});
  for (const char* name : {"SILVER_FORM_BACKGROUND", "CRYSTAL_FORM_BACKGROUND", "SILVER_MENU_BAR", "SILVER_MENU_SELECT",
                           "SILVER_COMBOBOX_BUTTON", "AZURE_COMBOBOX_BUTTON", "MENU_CHECKED"})
    rules.push_back({name, 1, Opaque});
  rules.push_back({"MSGDLG", 4, Opaque});
  rules.push_back({"STATUSBAR_HANDLE", 1, LowerLeftKey});
  rules.push_back({"CRYSTAL_SCROLLBAR_BUTTON_DISABLED", 2, Opaque});
  return rules;
}

bool IsKey(const QImage& image, int x, int y) { return QRgbToColor(image.pixel(x, y)) == clSkinKey; }

// Whether any pixel of the rectangle is the key.
bool HasKey(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (IsKey(image, x, y)) return true;
  return false;
}

}  // namespace

TEST(SkinBitmaps, TheResourcesAreExactlyTheBuiltInSetAndTheExtras) {
  const QStringList names = QDir(":/bitmaps").entryList();
  EXPECT_EQ(names.size(), 103);
  const std::vector<TKeyRule> rules = KeyRules();
  EXPECT_EQ(rules.size(), 103u);
  for (const TKeyRule& rule : rules) EXPECT_TRUE(names.contains(QString::fromStdString(rule.Name + ".png"))) << rule.Name;

  // The bitmaps no theme item names, with their sizes.
  const std::pair<const char*, QSize> extras[] = {
      {"SILVER_FORM_BACKGROUND", {8, 8}}, {"CRYSTAL_FORM_BACKGROUND", {8, 8}}, {"SILVER_MENU_BAR", {1, 22}},
      {"SILVER_MENU_SELECT", {1, 21}},    {"SILVER_COMBOBOX_BUTTON", {16, 17}}, {"AZURE_COMBOBOX_BUTTON", {16, 18}},
      {"MSGDLG", {168, 42}},              {"MENU_CHECKED", {16, 16}},           {"STATUSBAR_HANDLE", {11, 11}},
      {"CRYSTAL_SCROLLBAR_BUTTON_DISABLED", {32, 16}}};
  for (const auto& [name, size] : extras) EXPECT_EQ(LoadBitmapResource(name).size(), size) << name;
}

TEST(SkinBitmaps, EachIsDecodedOnce) {
  // The same pixels come back for every load: a second decode would make new ones.
  const qint64 first = LoadBitmapResource("MIDNIGHT_BUTTON").cacheKey();
  EXPECT_EQ(LoadBitmapResource("midnight_button").cacheKey(), first);
  TBitmap bitmap;
  bitmap.LoadFromResourceName("MIDNIGHT_BUTTON");
  EXPECT_EQ(bitmap.Image().cacheKey(), first);
}

TEST(SkinBitmaps, KeyColourLiesExactlyWhereTheBitmapIsDrawnKeyed) {
  for (const TKeyRule& rule : KeyRules()) {
    const QImage image = LoadBitmapResource(rule.Name);
    EXPECT_FALSE(image.hasAlphaChannel()) << rule.Name;
    const int w = image.width() / rule.Frames, h = image.height();
    for (int f = 0; f < rule.Frames; ++f) {
      const QRect frame(f * w, 0, w, h);
      const std::string where = rule.Name + " frame " + std::to_string(f + 1);
      switch (rule.Corner) {
        case Opaque: EXPECT_FALSE(HasKey(image, frame)) << where; break;
        case TopLeftKey: EXPECT_TRUE(IsKey(image, frame.left(), 0)) << where; break;
        case LowerLeftKey: EXPECT_TRUE(IsKey(image, frame.left(), h - 1)) << where; break;
      }
      // Stretched parts are drawn without the key: a key pixel there would show.
      if (rule.Unkeyed == MiddleThird) {
        EXPECT_FALSE(HasKey(image, QRect(frame.left() + w / 3, 0, w / 3, h))) << where;
      }
      if (rule.Unkeyed == NinePartMiddle) {
        EXPECT_FALSE(HasKey(image, QRect(frame.left() + w / 2, 0, 1, h))) << where;
        EXPECT_FALSE(HasKey(image, QRect(frame.left(), h / 2, w, 2))) << where;
      }
    }
  }
  const QImage check = LoadBitmapResource("MENU_CHECKED");
  EXPECT_EQ(check.pixel(0, 0), qRgb(255, 255, 255)) << "white is the check mark's mask colour";
}

// Pictures drawn opaque lie on a colour the control paints around them: their
// corners carry that colour, so keyed or not they look the same.
TEST(SkinBitmaps, OpaqueCornersMatchTheColourAroundThem) {
  for (size_t s = 0; s < 5; ++s) {
    const std::string prefix = kPrefixes[s];
    const QImage arrows = LoadBitmapResource(prefix + "SCROLLBAR_BUTTON");
    for (int f = 0; f < 6; ++f)
      EXPECT_EQ(QRgbToColor(arrows.pixel(f * arrows.width() / 6, 0)), GetBuiltInThemeColor(kStyles[s], SkinItem::ScrollBarBackgroundColor))
          << prefix;
    if (!GetBuiltInThemeBool(kStyles[s], SkinItem::ButtonTransparentBool)) {
      const QImage button = LoadBitmapResource(prefix + "BUTTON");
      EXPECT_EQ(QRgbToColor(button.pixel(0, 0)), GetBuiltInThemeColor(kStyles[s], SkinItem::FormBackgroundColor)) << prefix;
    }
  }
}
