// The phone choice of the KeyPress and ScreenShow pages: brand and model
// lists from the Filters folder, the default phone, converting through the
// chosen filter, and reloading when the folder changes.
#include <QComboBox>
#include <filesystem>
#include <functional>

#include "skin/SkinComboBox.h"
#include "skin/SkinMemo.h"
#include "skin/SkinPageControl.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/EventLoopWait.h"
#include "tests/support/MidiTunes.h"
#include "windowing/Label.h"

namespace {

const char* const kRtttl = "Tune:d=4,o=5,b=120:c,d,e,8f,g\r\n";

std::vector<std::string> Items(const TSkinComboBox& combo) { return combo.Items().Lines(); }

// What a user's choice in the list does.
void Choose(TSkinComboBox& combo, const std::string& item) {
  const int index = combo.Items().IndexOf(item);
  ASSERT_GE(index, 0) << item;
  combo.SetItemIndex(index);
  emit combo.Combo().activated(index);
}

}  // namespace

TEST_F(MainWindowTest, BrandsDifferingInCaseShareOneItemThatListsAllTheirModels) {
  AddFilter("a1.mss", 0, "Alpha", "A1");
  AddFilter("a2.mss", 0, "alpha", "A2");
  AddFilter("a3.mss", 0, "Alpha", "A3");
  AddFilter("b1.mss", 0, "Beta", "B1");
  AddFilter("k1.kps", 1, "Gamma", "G1");
  TfrmMain& w = Window();
  TPhonePages& p = w.PhonePages();
  EXPECT_EQ(Items(*p.cmbMMSMobile), (std::vector<std::string>{"Alpha", "Beta"}));
  EXPECT_EQ(Items(*p.cmbKpsMobile), std::vector<std::string>{"Gamma"});
  // Without a default phone nothing is chosen.
  EXPECT_EQ(p.cmbMMSMobile->ItemIndex(), -1);
  EXPECT_EQ(p.cmbMMSModel->Count(), 0);
  Choose(*p.cmbMMSMobile, "Alpha");
  EXPECT_EQ(Items(*p.cmbMMSModel), (std::vector<std::string>{"A1", "A2", "A3"}));
  EXPECT_EQ(p.cmbMMSModel->ItemIndex(), 0);
  EXPECT_EQ(p.lblMSSAuthorC->Caption(), "Tester");
  EXPECT_EQ(p.lblMSSDescC->Caption(), "For Alpha A1");
  Choose(*p.cmbMMSModel, "A2");
  EXPECT_EQ(p.lblMSSDescC->Caption(), "For alpha A2");
  EXPECT_EQ(w.TargetMemo(ttScreenShow)->Text(), "");  // no file open: nothing to convert
}

TEST_F(MainWindowTest, ChoosingAModelConvertsThePageThroughThatVeryFilter) {
  // Two filters with one identifier, one without: each converts through its own file.
  AddFilter("n1.kps", 1, "Nokia", "3310", "Tester", "{SAME}");
  const std::string second = AddFilter("n2.kps", 1, "Nokia", "T28", "Tester", "{SAME}");
  TStringList other;
  other.LoadFromFile(second);
  other.SetValues("NoteMapper_C", "C");
  other.SaveToFile(second);
  AddFilter("n3.kps", 1, "Nokia", "NoId");
  TStringList noId;
  noId.LoadFromFile(FiltersFolder() + "/n3.kps");
  noId.Delete(noId.IndexOfName("FilterFileOID"));
  noId.SaveToFile(FiltersFolder() + "/n3.kps");
  TfrmMain& w = Window();
  TPhonePages& p = w.PhonePages();
  w.OpenFile(ttMIDI, WriteFile("a.mid", SixtyFiveSecondFile()));
  w.pgcTarget->SetActivePage(w.TargetSheet(ttKeyPress));
  Choose(*p.cmbKpsMobile, "Nokia");
  const std::string first = w.TargetMemo(ttKeyPress)->Text();
  EXPECT_FALSE(first.empty());
  Choose(*p.cmbKpsModel, "T28");
  const std::string viaSecond = w.TargetMemo(ttKeyPress)->Text();
  EXPECT_FALSE(viaSecond.empty());
  EXPECT_NE(viaSecond, first);
  Choose(*p.cmbKpsModel, "NoId");
  EXPECT_EQ(w.TargetMemo(ttKeyPress)->Text(), first);  // the same filter content as 3310
  // Showing the page again converts nothing new: the text is there.
  w.TargetMemo(ttKeyPress)->SetText("marker");
  w.pgcTarget->SetActivePage(w.TargetSheet(ttiMelody));
  w.pgcTarget->SetActivePage(w.TargetSheet(ttKeyPress));
  EXPECT_EQ(w.TargetMemo(ttKeyPress)->Text(), "marker");
}

// As the programs ship: both pages list the phones of the shipped filters,
// and choosing a model converts the open tune through that model's filter.
TEST_F(MainWindowTest, BothPagesListTheShippedPhonesAndConvertThroughTheChosenOne) {
  AddShippedFilters();
  TfrmMain& w = Window();
  TPhonePages& p = w.PhonePages();
  w.OpenFile(ttRTTTL, WriteFile("a.rtx", kRtttl));
  const struct {
    TSkinComboBox& brands;
    TSkinComboBox& models;
    TTuneType page;
    const char* text;
  } pages[] = {{*p.cmbKpsMobile, *p.cmbKpsModel, ttKeyPress, "1 2 3 48 5"},
               {*p.cmbMMSMobile, *p.cmbMMSModel, ttScreenShow, "4c1 4d1 4e1 8f1 4g1"}};
  for (const auto& page : pages) {
    EXPECT_EQ(Items(page.brands), std::vector<std::string>{"Nokia"});
    Choose(page.brands, "Nokia");
    EXPECT_EQ(Items(page.models), (std::vector<std::string>{"3210", "3310", "3330"}));
    for (const std::string model : {"3330", "3310"}) {
      Choose(page.models, model);
      ASSERT_NE(p.ChosenFilter(page.page), nullptr);
      EXPECT_EQ(p.ChosenFilter(page.page)->GetMobileModel(), model);
      EXPECT_EQ(w.TargetMemo(page.page)->Text(), page.text) << model;
    }
  }
}

TEST_F(MainWindowTest, TheDefaultPhoneIsChosenAtStartAndConvertsBothPagesOfAnOpenFile) {
  AddFilter("n.kps", 1, "Nokia", "3310");
  AddFilter("n2.kps", 1, "Nokia", "8210");
  AddFilter("n.mss", 0, "Nokia", "8210");
  AddFilter("s.mss", 0, "Siemens", "C35");
  CaroluneOption->IsSetDefaultMobile = true;
  CaroluneOption->DefaultBrand = "NOKIA";
  CaroluneOption->DefaultModel = "8210";
  TfrmMain& w = Window();
  TPhonePages& p = w.PhonePages();
  EXPECT_EQ(p.cmbKpsMobile->ComboText(), "Nokia");
  EXPECT_EQ(p.cmbKpsModel->ComboText(), "8210");
  EXPECT_EQ(p.cmbMMSModel->ComboText(), "8210");
  EXPECT_EQ(p.lblKPSDescC->Caption(), "For Nokia 8210");
  // With a file open the page in front converts through the chosen phone.
  w.OpenFile(ttRTTTL, WriteFile("a.rtx", kRtttl));
  EXPECT_EQ(w.pgcTarget->ActivePage(), w.TargetSheet(ttScreenShow));
  EXPECT_FALSE(w.TargetMemo(ttScreenShow)->Text().empty());
  // A reload converts both pages, also the one behind.
  p.FiltersChanged(nullptr, fnoFile);
  EXPECT_FALSE(w.TargetMemo(ttKeyPress)->Text().empty());
  const std::string viaDefault = w.TargetMemo(ttScreenShow)->Text();
  EXPECT_FALSE(viaDefault.empty());
  // Another phone the user chose gives way to the default at the next reload.
  Choose(*p.cmbMMSMobile, "Siemens");
  ASSERT_EQ(p.lblMSSDescC->Caption(), "For Siemens C35");
  p.LoadFilterLists();
  EXPECT_EQ(p.cmbMMSMobile->ComboText(), "Nokia");
  EXPECT_EQ(p.cmbMMSModel->ComboText(), "8210");
  EXPECT_EQ(p.lblMSSDescC->Caption(), "For Nokia 8210");
  EXPECT_EQ(w.TargetMemo(ttScreenShow)->Text(), viaDefault);
}

TEST_F(MainWindowTest, ADefaultModelTheBrandLacksChoosesNoModelAndLeavesNoTextOfAnother) {
  AddFilter("n.kps", 1, "Nokia", "3310");
  CaroluneOption->IsSetDefaultMobile = true;
  CaroluneOption->DefaultBrand = "Nokia";
  CaroluneOption->DefaultModel = "9110";
  TfrmMain& w = Window();
  TPhonePages& p = w.PhonePages();
  w.OpenFile(ttRTTTL, WriteFile("a.rtx", kRtttl));
  p.LoadFilterLists();
  EXPECT_EQ(p.cmbKpsMobile->ComboText(), "Nokia");
  EXPECT_EQ(p.cmbKpsModel->ItemIndex(), -1);
  EXPECT_EQ(w.TargetMemo(ttKeyPress)->Text(), "");
  EXPECT_EQ(p.lblKPSAuthorC->Caption(), "");
}

TEST_F(MainWindowTest, ADefaultBrandNoFilterHasChoosesNothingAndLeavesThePage) {
  AddFilter("n.kps", 1, "Nokia", "3310");
  CaroluneOption->IsSetDefaultMobile = true;
  CaroluneOption->DefaultBrand = "Motorola";
  TfrmMain& w = Window();
  TPhonePages& p = w.PhonePages();
  w.TargetMemo(ttKeyPress)->SetText("typed");
  p.LoadFilterLists();
  EXPECT_EQ(p.cmbKpsMobile->ItemIndex(), -1);
  EXPECT_EQ(p.cmbKpsModel->Count(), 0);
  EXPECT_EQ(w.TargetMemo(ttKeyPress)->Text(), "typed");
}

TEST_F(MainWindowTest, EveryReloadDropsTheChosenPhoneAndTheTextMadeThroughIt) {
  AddFilter("a.kps", 1, "Nokia", "3310");
  const std::string chosen = AddFilter("b.kps", 1, "Nokia", "8210");
  AddFilter("s.mss", 0, "Siemens", "C35");
  TfrmMain& w = Window();
  TPhonePages& p = w.PhonePages();
  w.OpenFile(ttRTTTL, WriteFile("a.rtx", kRtttl));
  // Each way the lists are read again: by hand, a filter dropped into the
  // folder, the chosen filter taken out of it.
  const struct {
    const char* what;
    std::function<void()> reload;
  } reloads[] = {
      {"reload", [&] { p.LoadFilterLists(); }},
      {"filter dropped in",
       [&] {
         AddFilter("new.kps", 1, "Sagem", "MC940");
         ASSERT_TRUE(ProcessEventsUntil([&] { return p.cmbKpsMobile->Count() == 2; }));
       }},
      {"chosen filter gone",
       [&] {
         std::filesystem::remove(chosen);
         ASSERT_TRUE(ProcessEventsUntil([&] { return p.cmbKpsMobile->ItemIndex() < 0; }));
       }},
  };
  for (const auto& r : reloads) {
    Choose(*p.cmbKpsMobile, "Nokia");
    Choose(*p.cmbKpsModel, "8210");
    Choose(*p.cmbMMSMobile, "Siemens");
    ASSERT_FALSE(w.TargetMemo(ttKeyPress)->Text().empty());
    ASSERT_FALSE(w.TargetMemo(ttScreenShow)->Text().empty());
    r.reload();
    EXPECT_EQ(p.cmbKpsMobile->ItemIndex(), -1) << r.what;
    EXPECT_EQ(p.cmbMMSMobile->ItemIndex(), -1) << r.what;
    EXPECT_EQ(p.cmbKpsModel->Count(), 0) << r.what;
    EXPECT_EQ(p.cmbMMSModel->Count(), 0) << r.what;
    EXPECT_EQ(p.ChosenFilter(ttKeyPress), nullptr) << r.what;
    EXPECT_EQ(w.TargetMemo(ttKeyPress)->Text(), "") << r.what;
    EXPECT_EQ(w.TargetMemo(ttScreenShow)->Text(), "") << r.what;
    EXPECT_EQ(p.lblKPSAuthorC->Caption(), "") << r.what;
    EXPECT_EQ(p.lblMSSDescC->Caption(), "") << r.what;
  }
}

TEST_F(MainWindowTest, AFilterCopiedIntoTheFolderReachesTheListsThroughTheWatch) {
  TfrmMain& w = Window();
  TPhonePages& p = w.PhonePages();
  EXPECT_EQ(p.cmbKpsMobile->Count(), 0);
  AddFilter("new.kps", 1, "Sagem", "MC940");
  EXPECT_TRUE(ProcessEventsUntil([&] { return p.cmbKpsMobile->Count() == 1; }));
  EXPECT_EQ(Items(*p.cmbKpsMobile), std::vector<std::string>{"Sagem"});
  std::filesystem::remove(FiltersFolder() + "/new.kps");
  EXPECT_TRUE(ProcessEventsUntil([&] { return p.cmbKpsMobile->Count() == 0; }));
}
