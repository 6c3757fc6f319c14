#include "skin/SkinMemo.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "skin/SkinClasses.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/EventLoopWait.h"
#include "windowing/Form.h"

namespace {

struct MemoForm {
  MemoForm() {
    form.SetBounds(0, 0, 400, 300);
    AddSkinForm(form, TSkinUIStyle::Midnight);
    memo = Make<TSkinMemo>(form, form, "M");
    memo->SetBounds(10, 20, 200, 120);
    bar = Make<TSkinScrollBar>(form, form, "V");
    form.Show();
  }
  void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
  void Fill(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) text += "line " + std::to_string(i) + "\r\n";
    memo->SetText(text);
    Settle();
  }
  QScrollBar& Native() const { return *memo->Editor().verticalScrollBar(); }
  TForm form{nullptr};
  TSkinMemo* memo;
  TSkinScrollBar* bar;
};

}  // namespace

TEST(SkinMemo, DrawsTheBorderColourRingAndItsOwnColourInside) {
  TForm form(nullptr);
  AddSkinForm(form, TSkinUIStyle::Azure);
  auto* memo = Make<TSkinMemo>(form, form);
  memo->SetBounds(0, 0, 100, 60);
  memo->SetColor(clYellow);
  form.Show();
  EXPECT_EQ(memo->UIStyle(), TSkinUIStyle::Azure);  // the owner form's style
  const QImage shot = memo->grab().toImage();
  for (const QPoint p : {QPoint(0, 0), QPoint(99, 30), QPoint(50, 59)}) EXPECT_EQ(At(shot, p.x(), p.y()), 0x686868);
  for (const QPoint p : {QPoint(1, 1), QPoint(98, 30), QPoint(50, 58)}) EXPECT_EQ(At(shot, p.x(), p.y()), clYellow);
  memo->SetBorderColor(clRed);
  EXPECT_EQ(At(memo->grab().toImage(), 0, 0), clRed);
  memo->SetUIStyle(TSkinUIStyle::Silver);  // the style's colour again
  EXPECT_EQ(memo->BorderColor(), 0x7F7F7F);
}

TEST(SkinMemo, LinkedBarLiesOverTheNativeBarAndShowsDisabledWhileTheTextFits) {
  MemoForm f;
  f.memo->SetVScrollBar(f.bar);
  f.Settle();
  EXPECT_EQ(f.memo->ScrollBars(), TScrollStyle::ssVertical);
  EXPECT_EQ(f.bar->Orientation(), TSkinProgressBarOrientation::skinVertical);
  EXPECT_EQ(f.bar->BoundsRect(), Bounds(10 + 200 - 16 - 2, 21, 16, 118));
  EXPECT_EQ(f.Native().width(), 16);  // as thick as the skinned bar
  EXPECT_TRUE(f.bar->Visible());
  EXPECT_FALSE(f.bar->Enabled());
  EXPECT_FALSE(f.bar->SliderVisible());
  EXPECT_EQ(f.bar->LineButton(), 0);

  f.Fill(60);
  EXPECT_TRUE(f.bar->Enabled());
  EXPECT_TRUE(f.bar->SliderVisible());
  EXPECT_EQ(f.bar->Max(), f.Native().maximum());
  EXPECT_GE(f.bar->LineButton(), 18);  // the native thumb, at least 18
  f.Native().setValue(7);
  EXPECT_EQ(f.bar->Position(), 7);

  // Moving the skinned bar scrolls the memo.
  f.bar->SetPosition(30);
  EXPECT_EQ(f.Native().value(), 30);
  // Its arrows step one line.
  f.bar->StepForward();
  EXPECT_EQ(f.Native().value(), 31);

  // Emptied again: disabled, without slider.
  f.memo->Clear();
  f.Settle();
  EXPECT_FALSE(f.bar->Enabled());
  EXPECT_FALSE(f.bar->SliderVisible());
}

TEST(SkinMemo, HorizontalArrowsStepThreePagesAndBothBarsShareTheCorner) {
  MemoForm f;
  auto* horizontal = Make<TSkinScrollBar>(f.form, f.form, "H");
  f.memo->SetWordWrap(false);
  f.memo->SetVScrollBar(f.bar);
  f.memo->SetHScrollBar(horizontal);
  EXPECT_EQ(f.memo->ScrollBars(), TScrollStyle::ssBoth);
  EXPECT_EQ(horizontal->BoundsRect(), Bounds(11, 20 + 120 - 16 - 2, 200 - 2 - 16, 16));
  EXPECT_EQ(f.bar->Height(), 120 - 2 - 16);
  f.memo->SetText(std::string(400, 'x'));
  f.Settle();
  EXPECT_TRUE(horizontal->Enabled());
  EXPECT_EQ(horizontal->SmallChange(), 6);  // 3 x the bar's page size 2
  EXPECT_EQ(f.bar->SmallChange(), 1);
}

TEST(SkinMemo, RelinkingReleasesTheOldBarAndFreeingABarDropsItsNativeBar) {
  MemoForm f;
  f.Fill(60);
  f.memo->SetVScrollBar(f.bar);
  int calls = 0;
  const TNotifyEvent handler = f.bar->OnChange;
  ASSERT_TRUE(handler);
  auto* other = Make<TSkinScrollBar>(f.form, f.form, "W");
  f.memo->SetVScrollBar(f.bar);  // the same bar: nothing
  f.memo->SetVScrollBar(other);
  EXPECT_FALSE(f.bar->OnChange);
  EXPECT_EQ(f.bar->Max(), 100);
  EXPECT_EQ(f.bar->LineButton(), 0);
  EXPECT_TRUE(f.bar->Enabled());
  f.bar->OnChange = [&](TComponent*) { ++calls; };
  f.bar->SetPosition(50);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(f.Native().value(), 0);  // no longer scrolls the memo

  delete other;
  EXPECT_EQ(f.memo->VScrollBar(), nullptr);
  EXPECT_EQ(f.memo->ScrollBars(), TScrollStyle::ssNone);
}

TEST(SkinMemo, DescriptionLinksABarStoredLaterAndColoursAfterTheStyleWin) {
  RegisterSkinClasses();
  TForm form(nullptr);
  form.LoadDescription(
      "object Form1: TForm\n"
      "  Width = 400\n"
      "  Height = 300\n"
      "  object Theme: TSkinFileTheme\n"
      "  end\n"
      "  object M: TSkinMemo\n"
      "    FileTheme = Theme\n"
      "    UIStyle = Crystal\n"
      "    BorderColor = clRed\n"
      "    VScrollBar = V\n"
      "    Left = 8\n"
      "    Top = 8\n"
      "    Width = 150\n"
      "    Height = 100\n"
      "  end\n"
      "  object V: TSkinScrollBar\n"
      "    Orientation = skinVertical\n"
      "  end\n"
      "end\n");
  auto* memo = static_cast<TSkinMemo*>(form.FindComponent("M"));
  auto* bar = static_cast<TSkinScrollBar*>(form.FindComponent("V"));
  EXPECT_EQ(memo->BorderColor(), clRed);
  EXPECT_EQ(memo->VScrollBar(), bar);
  EXPECT_EQ(bar->BoundsRect(), Bounds(8 + 150 - 16 - 2, 9, 16, 98));
  // A bar linked later keeps its own style until the memo's changes.
  EXPECT_EQ(bar->UIStyle(), TSkinUIStyle::Midnight);
  memo->SetUIStyle(TSkinUIStyle::Frost);
  EXPECT_EQ(bar->UIStyle(), TSkinUIStyle::Frost);
  memo->SetFileTheme(memo->FileTheme());
  EXPECT_EQ(bar->FileTheme(), memo->FileTheme());
  delete form.FindComponent("Theme");
  EXPECT_EQ(bar->FileTheme(), nullptr);
  EXPECT_EQ(memo->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(memo->FileTheme(), nullptr);
}
