#include "skin/SkinURLLabel.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>

#include "tests/skin/SkinTestSupport.h"
#include "windowing/Form.h"
#include "windowing/Shell.h"

namespace {

// Records what would have gone to the shell.
struct Opened {
  Opened() : previous(SetShellOpener([this](const std::string& url) { urls.push_back(url); })) {}
  ~Opened() { SetShellOpener(previous); }
  std::vector<std::string> urls;
  TShellOpener previous;
};

}  // namespace

TEST(SkinURLLabel, HandsOnlyWebAndMailAddressesToTheShellAndAlwaysClicks) {
  Opened opened;
  TForm form(nullptr);
  auto* label = Make<TSkinURLLabel>(form, form);
  int clicks = 0;
  label->OnClick = [&](TComponent*) { ++clicks; };
  EXPECT_EQ(label->Cursor(), crHandPoint);
  EXPECT_TRUE(label->Font().Style() & fsUnderline);
  const std::pair<const char*, bool> cases[] = {
      {"  ", false},                         // blank: nothing opens
      {" http://www.example.com", true},     // passed with its blank
      {"HTTPS://example.com/filters", true},
      {"mailto:someone@example.com", true},
      {"/usr/bin/xterm", false},             // a program is never run
      {"file:///etc/passwd", false},
      {"javascript:alert(1)", false},
  };
  for (const auto& [url, opens] : cases) {
    opened.urls.clear();
    label->SetURL(url);
    label->Click();
    EXPECT_EQ(opened.urls, opens ? std::vector<std::string>{url} : std::vector<std::string>{}) << url;
  }
  EXPECT_EQ(clicks, 7);
}

TEST(SkinURLLabel, TurnsTheHoverColourWhileThePointerIsOver) {
  TForm form(nullptr);
  auto* label = Make<TSkinURLLabel>(form, form);
  form.Show();
  EXPECT_EQ(label->Font().Color(), clBlue);
  label->SetFontLinkColor(clGreen);  // at once
  EXPECT_EQ(label->Font().Color(), clGreen);
  label->SetFontHoverColor(clPurple);  // at the next entry
  EXPECT_EQ(label->Font().Color(), clGreen);
  for (int i = 0; i < 2; ++i) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), label->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(label, &enter);
    EXPECT_EQ(label->Font().Color(), clPurple);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
  }
  EXPECT_EQ(label->Font().Color(), clGreen);
}
