#include "skin/SkinPageControl.h"

#include <gtest/gtest.h>

#include <QTest>

#include "skin/SkinClasses.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/BitmapResources.h"
#include "windowing/Edit.h"
#include "windowing/Form.h"

namespace {

struct Pages {
  explicit Pages(std::initializer_list<const char*> captions) {
    form.SetBounds(0, 0, 500, 300);
    control = Make<TSkinPageControl>(form, form, "P");
    control->SetBounds(0, 0, 480, 200);
    control->OnTabActive = [this](TComponent*, int index) { log.push_back("active " + std::to_string(index)); };
    control->OnChange = [this](TComponent*) { log.push_back("change"); };
    for (const char* caption : captions) {
      auto* sheet = Make<TSkinTabSheet>(form, *control, caption);
      sheet->SetCaption(caption);
      sheet->OnShow = [this, caption](TComponent*) { log.push_back(std::string("show ") + caption); };
      sheets.push_back(sheet);
    }
    log.clear();
  }
  TStringList Tabs() const { return control->Strip().Tabs(); }
  int Active() const { return control->ActivePage() ? control->ActivePage()->PageIndex() : -1; }
  std::vector<std::string> log;
  TForm form{nullptr};
  TSkinPageControl* control;
  std::vector<TSkinTabSheet*> sheets;
};

std::vector<std::string> Lines(const TStringList& list) { return list.Lines(); }

}  // namespace

TEST(SkinPageControl, ADescriptionPutsPagesInTheirStoredOrder) {
  RegisterSkinClasses();
  TForm form(nullptr);
  std::string text =
      "object Form1: TForm\n"
      "  object pgcTarget: TSkinPageControl\n"
      "    Pages = ('tsScreenShow' 'tsKeypress' 'tsRTTTL' 'tsComposer' 'tsiMelody' 'tseMelody')\n"
      "    ActivePage = tsRTTTL\n";
  for (const char* sheet : {"tsComposer:Composer", "tsiMelody:iMelody", "tseMelody:eMelody", "tsRTTTL:RTTTL",
                            "tsScreenShow:ScreenShow", "tsKeypress:KeyPress"}) {
    const std::string s = sheet;
    const std::string name = s.substr(0, s.find(':')), caption = s.substr(s.find(':') + 1);
    text += "    object " + name + ": TSkinTabSheet\n      Caption = '" + caption + "'\n" +
            (name == "tseMelody" ? "      TabVisible = False\n" : "") + "      PageControl = pgcTarget\n    end\n";
  }
  text += "  end\nend\n";
  int changes = 0;
  form.AddHandler("Changed", std::any(TNotifyEvent([&](TComponent*) { ++changes; })));
  form.LoadDescription(text);
  auto* control = static_cast<TSkinPageControl*>(form.FindComponent("pgcTarget"));
  EXPECT_EQ(Lines(control->Strip().Tabs()),
            (std::vector<std::string>{"ScreenShow", "KeyPress", "RTTTL", "Composer", "iMelody", "eMelody"}));
  for (int i = 0; i < control->PageCount(); ++i) EXPECT_EQ(control->Pages(i)->PageIndex(), i);
  EXPECT_EQ(control->ActivePage(), form.FindComponent("tsRTTTL"));
  EXPECT_EQ(control->Strip().TabIndex(), 2);
  // The hidden tab followed its page to the end.
  EXPECT_FALSE(control->Strip().TabVisible(5));
  EXPECT_TRUE(control->Strip().TabVisible(0));
  EXPECT_EQ(changes, 0);  // nothing is reported while loading
}

TEST(SkinPageControl, AClickSwitchesPagesFocusesTheFirstChildAndReportsInOrder) {
  Pages p({"One", "Two", "Three"});
  EXPECT_EQ(p.Active(), 2);  // the page inserted last
  auto* edit = Make<TEdit>(p.form, *p.sheets[0]);
  p.form.Show();
  const auto layout = p.control->Strip().Layout();
  QTest::mouseClick(&p.control->Strip(), Qt::LeftButton, {}, QPoint(layout.TabRects[0].Left + 3, 5));
  EXPECT_EQ(p.Active(), 0);
  EXPECT_TRUE(p.sheets[0]->Enabled());
  EXPECT_FALSE(p.sheets[2]->Enabled());
  EXPECT_TRUE(edit->Focused() || p.form.ActiveControl() == edit);
  EXPECT_EQ(p.log, (std::vector<std::string>{"show One", "active 0", "change"}));

  // By code: one show, and the events.
  p.log.clear();
  p.control->ActivatePageIndex(1);
  EXPECT_EQ(p.log, (std::vector<std::string>{"show Two", "active 1", "change"}));
  p.log.clear();
  p.control->ActivatePageIndex(-1);
  p.control->ActivatePageIndex(3);
  p.sheets[1]->SetPageIndex(10);
  EXPECT_EQ(p.Active(), 1);
  EXPECT_EQ(p.sheets[1]->PageIndex(), 1);
  EXPECT_TRUE(p.log.empty());
}

TEST(SkinPageControl, HidingATabSelectsANeighbourAndShowingOneSelectsIt) {
  Pages p({"A", "B", "C", "D"});
  p.control->ActivatePageIndex(2);
  p.sheets[2]->SetTabVisible(false);
  EXPECT_EQ(p.Active(), 1);  // the nearest before it
  p.sheets[0]->SetTabVisible(false);
  p.sheets[1]->SetTabVisible(false);
  EXPECT_EQ(p.Active(), 3);  // none before: the nearest after
  p.sheets[3]->SetTabVisible(false);
  EXPECT_EQ(p.Active(), 3);  // the last visible tab: its page stays
  p.sheets[0]->SetTabVisible(true);
  EXPECT_EQ(p.Active(), 0);
  EXPECT_TRUE(p.control->Strip().TabVisible(0));
  EXPECT_FALSE(p.control->Strip().TabVisible(1));

  // Moving a page takes its hidden tab along.
  p.sheets[1]->SetPageIndex(3);
  EXPECT_EQ(Lines(p.Tabs()), (std::vector<std::string>{"A", "C", "D", "B"}));
  EXPECT_FALSE(p.control->Strip().TabVisible(3));
  EXPECT_EQ(p.Active(), 3);
}

TEST(SkinPageControl, RemovingAPageLeavesANeighbourActiveAndTheSheetFree) {
  Pages p({"A", "B", "C"});
  p.control->ActivatePageIndex(0);
  TSkinTabSheet* first = p.sheets[0];
  first->SetParent(nullptr);
  EXPECT_EQ(first->PageControl(), nullptr);
  EXPECT_EQ(first->PageIndex(), -1);
  EXPECT_EQ(p.control->ActivePage(), p.sheets[1]);  // not none
  EXPECT_EQ(Lines(p.Tabs()), (std::vector<std::string>{"B", "C"}));
  first->SetTabVisible(false);  // acts on no control any more
  first->SetCaption("Gone");
  EXPECT_EQ(p.control->PageCount(), 2);
  EXPECT_TRUE(p.control->Strip().TabVisible(0));

  p.control->ActivatePageIndex(1);
  delete p.sheets[1];  // a later page: the page before it
  EXPECT_EQ(p.control->ActivePage(), p.sheets[2]);
  delete p.sheets[2];
  EXPECT_EQ(p.control->ActivePage(), nullptr);
  EXPECT_EQ(p.control->Strip().TabCount(), 0);
  // A tab index by code with no page behind it leaves none active.
  auto* again = Make<TSkinTabSheet>(p.form, *p.control, "Again");
  EXPECT_EQ(p.control->ActivePage(), again);
  p.control->Strip().SetTabIndex(-1);
  EXPECT_EQ(p.control->ActivePage(), nullptr);
  delete first;
}
