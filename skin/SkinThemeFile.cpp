#include "skin/SkinThemeFile.h"

#include <algorithm>
#include <unordered_set>

#include "runtime/Streams.h"

namespace {

uint32_t Le32(const char* bytes) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

// Reads pieces of one theme file, refusing any piece that is not wholly
// inside it, and keeps count of the item data taken so far.
class TThemeFileScan {
 public:
  explicit TThemeFileScan(const std::string& fileName)
      : FName(fileName), FFile(fileName, TFileMode::fmOpenRead), FSize(FFile.Size()) {}

  [[noreturn]] void Fail(const std::string& fault) const {
    throw ESkinThemeFileError("Theme file \"" + FName + "\" is not valid: " + fault);
  }

  bool Fits(int64_t offset, int64_t count) const { return offset >= 0 && count >= 0 && offset <= FSize - count; }
  void CheckFits(int64_t offset, int64_t count, const std::string& what) const {
    if (!Fits(offset, count)) Fail(what + " lies past the end of the file");
  }

  std::string Read(int64_t offset, int64_t count, const std::string& what) {
    CheckFits(offset, count, what);
    std::string bytes(static_cast<size_t>(count), '\0');
    FFile.SetPosition(offset);
    FFile.ReadBuffer(bytes.data(), count);
    return bytes;
  }

  // Item data that the reader keeps; its total is bounded.
  std::string ReadData(int64_t offset, int64_t count, const std::string& what) {
    CheckFits(offset, count, what);
    if (count > TSkinThemeFileReader::MaxDataBytes - FDataTaken)
      Fail("its items hold more than " + IntToStr(TSkinThemeFileReader::MaxDataBytes) + " bytes of data");
    std::string bytes = Read(offset, count, what);
    FDataTaken += count;
    return bytes;
  }

 private:
  std::string FName;
  TFileStream FFile;
  int64_t FSize;
  int64_t FDataTaken = 0;
};

struct TThemeFileEntry {
  std::string Name;
  uint8_t Type;
  uint32_t DataOffset;
  uint32_t DataSize;
  uint32_t Next;
};

TThemeFileEntry ParseEntry(const std::string& record) {
  const char* p = record.data();
  const char* nameEnd = std::find(p, p + TSkinThemeFileReader::NameLength, '\0');
  return {std::string(p, nameEnd), static_cast<uint8_t>(p[64]), Le32(p + 65), Le32(p + 69), Le32(p + 73)};
}

int64_t FindImage(const std::vector<std::pair<std::string, std::unique_ptr<TMemoryStream>>>& images,
                  const std::string& name) {
  for (size_t i = 0; i < images.size(); ++i)
    if (SameText(images[i].first, name)) return static_cast<int64_t>(i);
  return -1;
}

}  // namespace

TSkinThemeFileReader::TSkinThemeFileReader(const std::string& fileName) { LoadFromFile(fileName); }

TSkinThemeFileReader::~TSkinThemeFileReader() = default;

void TSkinThemeFileReader::LoadFromFile(const std::string& fileName) {
  TThemeFileScan scan(fileName);
  if (!scan.Fits(0, HeaderLength)) scan.Fail("it is too short for the header");
  const std::string header = scan.Read(0, HeaderLength, "the header");
  if (const uint32_t length = Le32(header.data() + 12); length != HeaderLength)
    scan.Fail("the header length is " + IntToStr(length) + ", not " + IntToStr(HeaderLength));

  std::unordered_set<uint32_t> visited;
  for (uint32_t offset = Le32(header.data() + 20); visited.insert(offset).second;) {
    if (static_cast<int>(visited.size()) > MaxEntries) scan.Fail("it has more than " + IntToStr(MaxEntries) + " entries");
    const TThemeFileEntry entry = ParseEntry(scan.Read(offset, EntryLength, "the entry at offset " + IntToStr(offset)));
    if (entry.Next == 0) break;
    const std::string what = "the data of item \"" + entry.Name + "\"";
    switch (static_cast<TSkinThemeFileItemType>(entry.Type)) {
      case TSkinThemeFileItemType::Bitmap:
        // An empty bitmap item carries no image; it is not kept.
        if (entry.DataSize > 0)
          FImageList.emplace_back(entry.Name,
                                  std::make_unique<TMemoryStream>(scan.ReadData(entry.DataOffset, entry.DataSize, what)));
        break;
      case TSkinThemeFileItemType::Integer:
        // The value is 4 bytes; a longer item gives its first 4, a shorter one no value.
        if (entry.DataSize >= 4)
          FIntegerList.Add(entry.Name + "=" + IntToStr(static_cast<int32_t>(Le32(scan.Read(entry.DataOffset, 4, what).data()))));
        break;
      case TSkinThemeFileItemType::Flag:
        if (entry.DataSize >= 1)
          FFlagList.Add(entry.Name + "=" + IntToStr(static_cast<unsigned char>(scan.Read(entry.DataOffset, 1, what)[0])));
        break;
      case TSkinThemeFileItemType::String:
        FStringList.Add(entry.Name + "=" + scan.ReadData(entry.DataOffset, entry.DataSize, what));
        break;
      default:
        break;
    }
    offset = entry.Next;
  }
}

TStream* TSkinThemeFileReader::GetBitmapStream(const std::string& name) const {
  const int64_t index = FindImage(FImageList, name);
  if (index < 0) return nullptr;
  TMemoryStream* stream = FImageList[static_cast<size_t>(index)].second.get();
  stream->SetPosition(0);
  return stream;
}

std::optional<int32_t> TSkinThemeFileReader::FindInteger(const std::string& name) const {
  const int index = FIntegerList.IndexOfName(name);
  int32_t value = 0;
  if (index < 0 || !TryStrToInt(FIntegerList.ValueFromIndex(index), value)) return std::nullopt;
  return value;
}

std::optional<bool> TSkinThemeFileReader::FindBool(const std::string& name) const {
  const int index = FFlagList.IndexOfName(name);
  if (index < 0) return std::nullopt;
  return StrToIntDef(FFlagList.ValueFromIndex(index), 0) != 0;
}

int32_t TSkinThemeFileReader::GetInteger(const std::string& name) const { return FindInteger(name).value_or(-1); }

bool TSkinThemeFileReader::GetBool(const std::string& name) const { return FindBool(name).value_or(false); }
