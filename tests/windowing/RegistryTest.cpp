#include "windowing/Registry.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <limits>

namespace {

class RegistryTest : public testing::Test {
 protected:
  std::string StoreFile() const { return FFolder.filePath("registry.ini").toStdString(); }
  void WriteStore(const std::string& text) const { std::ofstream(StoreFile(), std::ios::binary) << text; }

  QTemporaryDir FFolder;
};

TEST_F(RegistryTest, ValuesComeBackExactlyInANewRegistry) {
  const std::string texts[] = {
      "",
      "Nokia",
      "/home/user/Tunes/Grüße.mid",            // UTF-8
      std::string("Caf\xE9 \xFF\x80", 7),      // 8-bit text that is not UTF-8
      std::string("a\0b\r\nc", 6),             // zero byte and line break
      "  blanks, commas; \"quotes\" = [x] #\\",  // INI syntax
      "@ByteArray(x)",
      "dword:7",
  };
  const int32_t numbers[] = {0, 1, -1, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
  {
    TRegistry registry(StoreFile());
    ASSERT_TRUE(registry.OpenKey("\\Software\\Vendor\\Product", true));
    for (size_t i = 0; i < std::size(texts); ++i) registry.WriteString("s" + std::to_string(i), texts[i]);
    for (size_t i = 0; i < std::size(numbers); ++i) registry.WriteInteger("n" + std::to_string(i), numbers[i]);
    registry.CloseKey();
  }
  TRegistry registry(StoreFile());
  ASSERT_TRUE(registry.OpenKey("\\Software", false));
  ASSERT_TRUE(registry.OpenKey("Vendor\\Product", false));  // below the current key
  EXPECT_EQ(registry.CurrentPath(), "Software/Vendor/Product");
  for (size_t i = 0; i < std::size(texts); ++i) {
    EXPECT_EQ(registry.GetDataType("s" + std::to_string(i)), TRegDataType::rdString) << i;
    EXPECT_EQ(registry.ReadString("s" + std::to_string(i)), texts[i]) << i;
  }
  for (size_t i = 0; i < std::size(numbers); ++i) {
    EXPECT_EQ(registry.GetDataType("n" + std::to_string(i)), TRegDataType::rdInteger) << i;
    EXPECT_EQ(registry.ReadInteger("n" + std::to_string(i)), numbers[i]) << i;
  }
  EXPECT_FALSE(registry.OpenKey("\\Software\\Other", false));
}

TEST_F(RegistryTest, ReadsOfTheWrongTypeOrOfMissingValuesRaiseTheRegistryError) {
  TRegistry registry(StoreFile());
  ASSERT_TRUE(registry.OpenKey("\\Key", true));
  registry.WriteString("Text", "1");
  registry.WriteInteger("Number", 1);
  auto message = [&](auto read) {
    try {
      read();
    } catch (const ERegistryException& error) {
      return error.Message();
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([&] { registry.ReadInteger("Text"); }), "Invalid data type for 'Text'");
  EXPECT_EQ(message([&] { registry.ReadString("Number"); }), "Invalid data type for 'Number'");
  EXPECT_EQ(message([&] { registry.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
  EXPECT_EQ(registry.ReadString("Missing"), "");
  EXPECT_FALSE(registry.ValueExists("Missing"));
  EXPECT_EQ(registry.GetDataType("Missing"), TRegDataType::rdUnknown);
}

// A store edited by hand or damaged: whatever we did not write has no type
// we know, so every read of it fails cleanly.
TEST_F(RegistryTest, HostileStoreContentReadsAsValuesOfUnknownType) {
  WriteStore(
      "garbage without equals\n[Key]\nplain=Nokia\nlist=a, b\nbytes=@ByteArray(\\0\\xff)\n"
      "huge=dword:99999999999\nletters=dword:12ab\n"
      "empty=\nlong=sz:" +
      std::string(100000, 'x') + "\n[[[\n=x\n");
  TRegistry registry(StoreFile());
  ASSERT_TRUE(registry.OpenKey("\\Key", false));
  for (const char* name : {"plain", "list", "bytes", "empty"}) {
    EXPECT_EQ(registry.GetDataType(name), TRegDataType::rdUnknown) << name;
    EXPECT_THROW(registry.ReadString(name), ERegistryException) << name;
    EXPECT_THROW(registry.ReadInteger(name), ERegistryException) << name;
  }
  for (const char* name : {"huge", "letters"}) EXPECT_THROW(registry.ReadInteger(name), ERegistryException) << name;
  EXPECT_EQ(registry.ReadString("long").size(), 100000u);
}

}  // namespace
