#include "windowing/StatusBar.h"

#include <gtest/gtest.h>

#include "windowing/Form.h"

namespace {

// The leftmost and rightmost columns in r holding a pixel darker than mid-grey.
std::pair<int, int> Ink(const QImage& shot, const TRect& r) {
  int left = -1, right = -1;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (qGray(shot.pixel(x, y)) < 100) {
        if (left < 0 || x < left) left = x;
        right = std::max(right, x);
      }
  return {left, right};
}

class TStatusForm : public TForm {
 public:
  using TForm::TForm;
  static const TClassInfo& StaticClassInfo() {
    static const auto info = DefineClass<TStatusForm>("TStatusForm", TForm::StaticClassInfo(), nullptr);
    return *info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace

TEST(StatusBar, PanelsLieSideBySideAndTheLastReachesTheEnd) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 200);
  TStatusBar bar(&form);
  bar.SetParent(&form);
  EXPECT_EQ(bar.Align(), TAlign::alBottom);
  EXPECT_EQ(bar.BoundsRect(), Rect(0, 200 - 19, 400, 200));
  for (const char* text : {"C:/tunes/a.mid", "Carolune v1.0"}) bar.Panels().Add()->SetText(text);
  bar.Panels().Items(0)->SetWidth(120);
  bar.Panels().Items(1)->SetAlignment(TAlignment::taRightJustify);
  EXPECT_EQ(bar.PanelRect(0), Rect(0, 2, 118, 19));
  EXPECT_EQ(bar.PanelRect(1), Rect(120, 2, 400, 19));
  EXPECT_TRUE(bar.PanelRect(2).IsEmpty());

  const QImage shot = bar.grab().toImage();
  const auto [left0, right0] = Ink(shot, bar.PanelRect(0).Inflate(-1, -1));
  EXPECT_LE(left0, 8);  // left-aligned
  const auto [left1, right1] = Ink(shot, bar.PanelRect(1).Inflate(-1, -1));
  EXPECT_GE(right1, 400 - 8);  // right-aligned
  EXPECT_GT(left1, 200);

  bar.SetSimpleText("Converting");
  bar.SetSimplePanel(true);
  const auto [simpleLeft, simpleRight] = Ink(bar.grab().toImage(), Rect(1, 3, 399, 18));
  EXPECT_LE(simpleLeft, 8);
  EXPECT_LT(simpleRight, 150);  // the panels' texts are gone
}

TEST(StatusBar, ChoosingAFontEndsTheSystemFont) {
  TStatusBar bar(nullptr);
  EXPECT_TRUE(bar.UseSystemFont());
  EXPECT_FALSE(bar.ParentFont());
  EXPECT_EQ(bar.Font(), SystemMenuFont());
  bar.Font().SetSize(12);
  EXPECT_FALSE(bar.UseSystemFont());
  bar.SetUseSystemFont(true);
  EXPECT_EQ(bar.Font(), SystemMenuFont());
  EXPECT_TRUE(bar.UseSystemFont());
}

TEST(StatusBar, PanelsAreReadFromADescription) {
  TStatusForm form(nullptr);
  form.LoadDescription(R"(object frmStatus: TStatusForm
  object stb: TStatusBar
    SimplePanel = False
    Panels = <
      item
        Width = 200
        Text = 'left'
      end
      item
        Alignment = taRightJustify
        Bevel = pbNone
        Text = 'right'
      end>
  end
end)");
  auto* bar = dynamic_cast<TStatusBar*>(form.FindComponent("stb"));
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->Panels().Count(), 2);
  EXPECT_EQ(bar->Panels().Items(0)->Width(), 200);
  EXPECT_EQ(bar->Panels().Items(1)->Alignment(), TAlignment::taRightJustify);
  EXPECT_EQ(bar->Panels().Items(1)->Bevel(), TStatusPanelBevel::pbNone);
  EXPECT_EQ(bar->Panels().Items(1)->Text(), "right");
}
