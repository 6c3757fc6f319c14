#include "skin/SkinTabControl.h"

#include <gtest/gtest.h>

#include <QTest>

#include "tests/skin/SkinTestSupport.h"
#include "windowing/BitmapResources.h"
#include "windowing/Form.h"

namespace {

// A tab control of its own strip, as the page control is one of pages.
class TTestTab : public TSkinTab {
 public:
  explicit TTestTab(TComponent* owner) : TSkinTab(owner) { TakeStrip(*new TSkinTabControlTopPanel(this, this)); }
  std::vector<int> active;
  void DoTabActive(int index) override {
    active.push_back(index);
    TSkinTab::DoTabActive(index);
  }
};

// Midnight's sizes: tabs 6 x 17 (selected red, other blue), a 5 x 5 bar,
// arrows 18 x 17 (forward, forward hot, back, back hot) keyed by their
// lower-left pixel.
struct Fixtures {
  Fixtures() {
    table.Add("MIDNIGHT_TAB", Strip(6, 17, {clRed, clBlue}));
    table.Add("MIDNIGHT_TAB_LINE", Strip(5, 5, {clGreen}));
    QImage arrows = Strip(18, 17, {clLime, clYellow, clAqua, clNavy});
    for (int f = 0; f < 4; ++f) arrows.setPixel(f * 18, 16, ColorToQRgb(clFuchsia));
    table.Add("MORE_SCROLLBUTTON", arrows);
  }
  TBitmapResourceTable table;
  TScopedBitmapResources scoped{table};
};

struct Tabs {
  explicit Tabs(std::initializer_list<const char*> captions, int width = 300) {
    form.SetBounds(0, 0, 500, 200);
    tab = Make<TTestTab>(form, form, "Tab");
    tab->SetBounds(0, 0, width, 80);
    TStringList list;
    for (const char* c : captions) list.Add(c);
    Strip().SetTabs(list);
  }
  TSkinTabControlTopPanel& Strip() const { return tab->Strip(); }
  int TextWidth(const std::string& text) const {
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(scratch);
    canvas.Font.Assign(tab->Font());
    return canvas.TextWidth(text);
  }
  void Click(int x, int y) { QTest::mouseClick(&Strip(), Qt::LeftButton, {}, QPoint(x, y)); }
  Fixtures fixtures;
  TForm form{nullptr};
  TTestTab* tab;
};

}  // namespace

TEST(SkinTabControl, StripHeightAndArrowsFollowTheBuiltInPictures) {
  struct Case {
    TSkinUIStyle style;
    int height, arrowWidth, arrowHeight;
  };
  const Case cases[] = {{TSkinUIStyle::Silver, 34, 18, 18}, {TSkinUIStyle::Azure, 19, 18, 18},
                        {TSkinUIStyle::Midnight, 22, 18, 17}, {TSkinUIStyle::Crystal, 22, 18, 17},
                        {TSkinUIStyle::Frost, 22, 18, 17}};
  for (const Case& c : cases) {
    TForm form(nullptr);
    AddSkinForm(form, c.style);
    auto* tab = Make<TTestTab>(form, form);
    tab->SetWidth(120);
    EXPECT_EQ(tab->Strip().Height(), c.height);
    TStringList many;
    for (int i = 0; i < 20; ++i) many.Add("Tab");
    tab->Strip().SetTabs(many);
    const auto layout = tab->Strip().Layout();
    // Centred a little high on a strip that is more than four pixels higher.
    const int y = c.height > c.arrowHeight + 4 ? (c.height - c.arrowHeight) / 2 - 2 : 0;
    EXPECT_EQ(layout.Forward, Rect(120 - 2 - c.arrowWidth, y, 118, y + c.arrowHeight));
    EXPECT_EQ(layout.Back, Rect(120 - 2 - 2 * c.arrowWidth, y, 118 - c.arrowWidth, y + c.arrowHeight));
    // Own colour white in Azure, the control background otherwise.
    EXPECT_EQ(tab->Color(), c.style == TSkinUIStyle::Azure ? clWhite : GetBuiltInThemeColor(c.style, 26));
    // The children's area: inside the border, below the strip.
    TRect area = tab->ClientRect();
    tab->AdjustClientRect(area);
    EXPECT_EQ(area, Rect(3, c.height + 3, 117, 77));
  }
}

TEST(SkinTabControl, MeasuresTabsAndCutsTheOneThatPassesTheArrows) {
  Tabs t({"", "A", "Composer", "iMelody", "eMelody", "RTTTL"}, 260);
  auto layout = t.Strip().Layout();
  EXPECT_EQ(layout.Widths[0], 80);  // no caption
  EXPECT_EQ(layout.Widths[1], t.TextWidth("A") + 20);
  EXPECT_EQ(layout.TabRects[0], Rect(10, 1, 90, 18));  // selected: one pixel lower
  EXPECT_EQ(layout.TabRects[1].Top, 0);
  // The right limit leaves room for both arrows.
  const int limit = 260 - 2 * 18 - 2;
  ASSERT_TRUE(layout.Overflow);
  ASSERT_GE(layout.CutTab, 2);
  EXPECT_EQ(layout.TabRects[static_cast<size_t>(layout.CutTab)].Right, limit);
  EXPECT_EQ(layout.LastWhole, layout.CutTab - 1);
  for (size_t i = static_cast<size_t>(layout.CutTab) + 1; i < 6; ++i) EXPECT_TRUE(layout.TabRects[i].IsEmpty());

  t.form.Show();
  const QImage shot = t.Strip().grab().toImage();
  EXPECT_EQ(At(shot, 11, 10), clRed);   // the selected tab's picture
  EXPECT_EQ(At(shot, 91, 10), clBlue);  // the others'
  EXPECT_EQ(At(shot, 0, 19), clBlack);  // the border beside the bar
  EXPECT_EQ(At(shot, 150, 19), clGreen);
  EXPECT_EQ(At(shot, layout.Forward.Left + 2, layout.Forward.Top + 2), clLime);
  EXPECT_EQ(At(shot, layout.Back.Left + 2, layout.Back.Top + 2), clAqua);
  EXPECT_NE(At(shot, layout.Back.Left, layout.Back.Bottom - 1), clFuchsia);  // keyed
  // The arrow under the pointer shows its hot frame.
  QTest::mouseMove(&t.Strip(), QPoint(layout.Forward.Left + 4, layout.Forward.Top + 4));
  EXPECT_EQ(At(t.Strip().grab().toImage(), layout.Forward.Left + 2, layout.Forward.Top + 2), clYellow);

  // The arrows scroll one visible tab, never before the first.
  t.Click(layout.Back.Left + 3, layout.Back.Top + 3);
  EXPECT_EQ(t.Strip().FirstShown(), 0);
  t.Click(layout.Forward.Left + 3, layout.Forward.Top + 3);
  EXPECT_EQ(t.Strip().FirstShown(), 1);
  layout = t.Strip().Layout();
  EXPECT_TRUE(layout.TabRects[0].IsEmpty());
  EXPECT_EQ(layout.TabRects[1].Left, 10);
}

TEST(SkinTabControl, AClickAsksOnChangingAndScrollsTheChosenTabIntoView) {
  Tabs t({"First", "Second", "Third", "Fourth", "Fifth", "Sixth"}, 220);
  int asked = 0;
  bool allow = false;
  t.tab->OnChanging = [&](TComponent*, bool& allowChange) {
    ++asked;
    allowChange = allow;
  };
  auto layout = t.Strip().Layout();
  const TRect second = layout.TabRects[1];
  t.Click(second.Left + 3, 5);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(t.Strip().TabIndex(), 0);  // refused
  allow = true;
  t.Click(second.Left + 3, 25);  // below the tabs, in the bar
  t.Click(5, 5);                 // left of the margin
  EXPECT_EQ(asked, 1);
  // Clicking the cut tab selects it and scrolls until it is whole.
  const TRect cut = layout.TabRects[static_cast<size_t>(layout.CutTab)];
  t.Click(cut.Left + 3, 5);
  EXPECT_EQ(t.Strip().TabIndex(), layout.CutTab);
  EXPECT_GT(t.Strip().FirstShown(), 0);
  EXPECT_GE(t.Strip().Layout().LastWhole, layout.CutTab);
  EXPECT_EQ(t.tab->active, std::vector<int>{layout.CutTab});
  // Clicking the selected tab runs nothing.
  const TRect selected = t.Strip().Layout().TabRects[static_cast<size_t>(layout.CutTab)];
  t.Click(selected.Left + 3, 5);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(t.tab->active.size(), 1u);

  // By code: no question; a tab scrolled out at the left comes back; -1 is
  // taken, an index beyond the tabs is not.
  t.Strip().SetTabIndex(1);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(t.Strip().FirstShown(), 1);
  t.Strip().SetTabIndex(9);
  EXPECT_EQ(t.Strip().TabIndex(), 1);
  t.Strip().SetTabIndex(-1);
  EXPECT_EQ(t.tab->active.back(), -1);
}

TEST(SkinTabControl, HiddenTabsTakeNoRoomAndATabTooWideForTheStripEndsTheScroll) {
  Tabs t({"One", "Two", "Three", "Four"});
  t.Strip().SetTabVisible(0, false);
  t.Strip().SetTabVisible(2, false);
  auto layout = t.Strip().Layout();
  EXPECT_EQ(layout.Widths[0], 0);
  EXPECT_EQ(layout.TabRects[1].Left, 10);
  EXPECT_EQ(layout.TabRects[3].Left, 10 + layout.Widths[1]);
  t.Click(layout.TabRects[3].Left + 2, 5);
  EXPECT_EQ(t.Strip().TabIndex(), 3);

  // A tab wider than the strip: the row stops scrolling once it is first.
  Tabs wide({"a", "b", "A caption much too long to fit in the strip at all"}, 120);
  wide.Strip().SetTabIndex(2);
  EXPECT_EQ(wide.Strip().FirstShown(), 2);

  // More tabs than a fixed table would hold.
  TStringList many;
  for (int i = 0; i < 70; ++i) many.Add("T" + std::to_string(i));
  t.Strip().SetTabs(many);
  t.Strip().SetTabVisible(69, false);
  EXPECT_FALSE(t.Strip().TabVisible(69));
  t.Strip().SetTabIndex(66);
  EXPECT_EQ(t.Strip().TabIndex(), 66);
  EXPECT_GE(t.Strip().Layout().LastWhole, 66);
}
