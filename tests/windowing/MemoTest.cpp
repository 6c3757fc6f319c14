// The memo's lines wrap at its edge unless WordWrap is off. A text whose
// line is far too long to lay out on one line (a long tune's key text) is
// shown in pieces that fit the width, and is still the whole text to read,
// select, copy and change.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <string>
#include <vector>

#include "tests/support/EventLoopWait.h"
#include "windowing/Form.h"
#include "windowing/Memo.h"

namespace {

// Key groups separated by blanks, as a KeyPress page shows them.
std::string KeyGroups(size_t length) {
  const std::string groups = "2 22 222 3 33 333 4 44 444 0 ";
  std::string text;
  while (text.size() < length) text += groups;
  return text;
}

// Digits with nowhere to break but anywhere.
std::string Digits(size_t length) {
  std::string text;
  while (text.size() < length) text += "0123456789";
  return text;
}

class MemoLongLines : public testing::Test {
 protected:
  MemoLongLines() : form(nullptr), memo(new TMemo(&form)) {
    memo->SetParent(&form);
    memo->SetBounds(0, 0, 400, 200);
    memo->SetWordWrap(false);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    memo->OnChange = [this](TComponent*) { ++changes; };
    form.SetBounds(0, 0, 800, 300);
    form.Show();
  }

  QPlainTextEdit& Editor() const { return memo->Editor(); }
  std::vector<QString> Shown() const {
    std::vector<QString> lines;
    for (QTextBlock b = Editor().document()->begin(); b.isValid(); b = b.next()) lines.push_back(b.text());
    return lines;
  }
  // Every shown line fits the width the memo's text has.
  void ExpectShownLinesFit() const {
    const QFontMetricsF metrics(Editor().font());
    const qreal width = Editor().viewport()->width() - 2 * Editor().document()->documentMargin();
    for (const QString& line : Shown()) ASSERT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
  }
  // Selects the shown lines from..to (exclusive) with the keys.
  void SelectShownLines(int from, int to) {
    QTest::keyClick(&Editor(), Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < from; ++i) QTest::keyClick(&Editor(), Qt::Key_Down);
    for (int i = from; i < to; ++i) QTest::keyClick(&Editor(), Qt::Key_Down, Qt::ShiftModifier);
  }

  TForm form;
  TMemo* memo;
  int changes = 0;
};

TEST_F(MemoLongLines, ALongLineShowsInPiecesThatFitYetTheTextStaysWhole) {
  const std::string keys = KeyGroups(40000), digits = Digits(30000);
  const std::string text = keys + "\r\nshort\r\n" + digits;
  memo->SetText(text);
  EXPECT_EQ(memo->Text(), text);
  EXPECT_EQ(memo->LineCount(), 3);
  EXPECT_EQ(memo->Lines().Strings(0), keys);
  EXPECT_EQ(memo->Lines().Strings(2), digits);
  EXPECT_FALSE(memo->IsEmpty());
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(memo->Modified());

  const std::vector<QString> shown = Shown();
  ASSERT_GT(shown.size(), 100u);
  ExpectShownLinesFit();
  // A key group is never cut: the pieces of the key line end after a blank.
  for (size_t i = 0; shown[i + 1] != "short"; ++i) EXPECT_TRUE(shown[i].endsWith(' ')) << i;
  // Read only while shown so; a text of short lines is editable again.
  EXPECT_TRUE(memo->ReadOnly());
  memo->AddLine("added");
  EXPECT_EQ(memo->Text(), text + "\r\nadded");
  memo->SetText("short again");
  EXPECT_FALSE(memo->ReadOnly());
  EXPECT_EQ(Editor().blockCount(), 1);
  EXPECT_EQ(memo->Text(), "short again");
  // The read-only property as set stays.
  memo->SetReadOnly(true);
  memo->SetText(keys);
  memo->SetText("short");
  EXPECT_TRUE(memo->ReadOnly());
}

TEST_F(MemoLongLines, SelectingAndCopyingTakeTheWholeTextWithoutTheShownBreaks) {
  const std::string text = "first\r\n" + KeyGroups(40000);
  memo->SetText(text);
  // Shown line 0 is "first"; lines 2 to 4 are pieces of the key line.
  SelectShownLines(2, 5);
  const std::vector<QString> shown = Shown();
  const std::string expected = (shown[2] + shown[3] + shown[4]).toStdString();
  EXPECT_EQ(memo->SelText(), expected);
  EXPECT_EQ(memo->SelLength(), static_cast<int>(expected.size()));
  EXPECT_EQ(text.compare(7 + shown[1].size(), expected.size(), expected), 0);
  memo->CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), expected);

  memo->SelectAll();
  EXPECT_EQ(memo->SelText(), text);
  memo->CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "first\n" + KeyGroups(40000));
  // Typing changes nothing; the memo's own operations do.
  QTest::keyClicks(&Editor(), "x");
  EXPECT_EQ(memo->Text(), text);
  memo->CutToClipboard();
  EXPECT_EQ(memo->Text(), text);
  SelectShownLines(0, 1);
  memo->SetSelText("1st\r\n");
  EXPECT_EQ(memo->Text(), "1st\r\n" + KeyGroups(40000));
  EXPECT_TRUE(memo->Modified());
}

TEST_F(MemoLongLines, ANewWidthCutsThePiecesAgainAndKeepsTheSelection) {
  const std::string text = KeyGroups(60000);
  memo->SetText(text);
  SelectShownLines(40, 43);
  const std::string selected = memo->SelText();
  const size_t before = Shown().size();
  memo->SetBounds(0, 0, 700, 200);
  ASSERT_TRUE(ProcessEventsUntil([&] { return Shown().size() < before; }));
  ExpectShownLinesFit();
  EXPECT_EQ(memo->SelText(), selected);
  EXPECT_EQ(memo->Text(), text);
  // Laying out again is no change of the text.
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(memo->Modified());
}

// The shown lines are all the memo holds of a long text: the text comes
// back from them byte for byte, whatever lines and bytes it has, also once
// they are cut again for a new width.
TEST_F(MemoLongLines, TheTextComesBackWholeFromItsPieces) {
  const std::string notes(20000, 'c');
  const struct {
    const char* What;
    std::string Text;
    int Lines;
  } cases[] = {
      {"empty lines around a long one", "\r\n\r\n" + Digits(20000) + "\r\n\r\nend", 5},
      {"a line end last", KeyGroups(20000) + "\r\n", 2},
      {"a line end at a cut", Digits(17000) + "\r\n" + Digits(17000), 2},
      {"characters of two UTF-16 units", [] {
         std::string text;
         while (text.size() < 40000) text += "\xF0\x9F\x8E\xB5";
         return text;
       }(), 1},
      {"bytes that are no UTF-8", notes + "\xC4\xE3\xB7 \xE2\x80\xA9" + notes, 1},
  };
  for (const auto& c : cases) {
    memo->SetBounds(0, 0, 400, 200);
    memo->SetText(c.Text);
    ASSERT_TRUE(memo->ReadOnly()) << c.What;
    EXPECT_EQ(memo->Text(), c.Text) << c.What;
    EXPECT_EQ(memo->LineCount(), c.Lines) << c.What;
    memo->SelectAll();
    EXPECT_EQ(memo->SelText(), c.Text) << c.What;
    const size_t before = Shown().size();
    memo->SetBounds(0, 0, 700, 200);
    ASSERT_TRUE(ProcessEventsUntil([&] { return Shown().size() < before; })) << c.What;
    EXPECT_EQ(memo->Text(), c.Text) << c.What;
  }
}

// A memo wraps its lines at its edge unless WordWrap is off, whatever
// their length; off, a line of 3,000 characters stays one row.
TEST(Memo, WrapsAtItsEdgeUnlessWordWrapIsOff) {
  TForm form(nullptr);
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  memo->SetBounds(0, 0, 400, 200);
  form.SetBounds(0, 0, 500, 300);
  form.Show();
  EXPECT_TRUE(memo->WordWrap());
  memo->SetText(KeyGroups(3000));
  auto rows = [&] {
    const QTextBlock line = memo->Editor().document()->firstBlock();
    memo->Editor().document()->documentLayout()->blockBoundingRect(line);
    return line.layout()->lineCount();
  };
  EXPECT_GT(rows(), 10);
  memo->SetWordWrap(false);
  EXPECT_EQ(rows(), 1);
  memo->SetWordWrap(true);
  EXPECT_GT(rows(), 10);
}

}  // namespace
