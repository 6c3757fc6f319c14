// The clipboard's text format: what is put there comes back, 8-bit text
// included, and only the text format is offered.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "windowing/Clipboard.h"

TEST(Clipboard, TextComesBackAndOnlyTheTextFormatIsOffered) {
  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(Clipboard().HasFormat(CF_TEXT));
  Clipboard().SetAsText("Nokia 3310 \xC3\xA9");
  EXPECT_TRUE(Clipboard().HasFormat(CF_TEXT));
  EXPECT_FALSE(Clipboard().HasFormat(2));
  EXPECT_EQ(Clipboard().AsText(), "Nokia 3310 \xC3\xA9");
  QGuiApplication::clipboard()->clear();
}
