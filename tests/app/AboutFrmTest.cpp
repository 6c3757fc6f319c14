#include "app/AboutFrm.h"

#include <gtest/gtest.h>

#include "skin/SkinForm.h"
#include "skin/SkinURLLabel.h"
#include "tests/app/DialogTestSupport.h"
#include "windowing/Label.h"

TEST(AboutFrm, ShowsTheVersionAndTheMakersLinksAndClosesOnOK) {
  TfrmAbout about(nullptr);
  EXPECT_EQ(about.skinForm1->Caption(), "About Carolune");
  EXPECT_EQ(about.Width(), 370);
  EXPECT_EQ(about.Height(), 299);
  EXPECT_EQ(about.Position(), TPosition::poDesktopCenter);
  EXPECT_EQ(about.Named<TLabel>("lblVersion").Caption(), "v1.01.020  Nov 25, 2003");
  EXPECT_EQ(about.btnExit->Caption(), "OK");
  // A web link and two mail links, each of them one the shell is given.
  int web = 0, mail = 0;
  for (int i = 0; i < about.ComponentCount(); ++i)
    if (auto* link = dynamic_cast<TSkinURLLabel*>(about.Components(i))) {
      EXPECT_TRUE(TSkinURLLabel::IsOpenableAddress(link->URL())) << link->URL();
      (link->URL().rfind("mailto:", 0) == 0 ? mail : web)++;
    }
  EXPECT_EQ(web, 1);
  EXPECT_EQ(mail, 2);

  TModalAnswers<TfrmAbout> answers({[](TfrmAbout& shown) { ClickButton(*shown.btnExit); }});
  EXPECT_EQ(about.ShowModal(), mrCancel);
  EXPECT_EQ(answers.Answered(), 1u);
  EXPECT_FALSE(about.Visible());
}

TEST(AboutFrm, ShowAboutBoxShowsItModallyOnce) {
  TModalAnswers<TfrmAbout> answers({[](TfrmAbout& shown) { ClickButton(*shown.btnExit); }});
  ShowAboutBox();
  EXPECT_EQ(answers.Answered(), 1u);
  for (int i = 0; i < ScreenFormCount(); ++i) EXPECT_EQ(dynamic_cast<TfrmAbout*>(ScreenForms(i)), nullptr);
}
