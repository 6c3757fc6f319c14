#include "runtime/FilterDefinition.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "runtime/AtomicFile.h"
#include "runtime/FilterFormat.h"
#include "runtime/Streams.h"
#include "runtime/SysUtils.h"

void TRingtoneFilterInfo::Clear() {
  FilterType = ftScreenShow;
  FilterVersion.clear();
  FilterDesc.clear();
}

void TRingtoneFilterAuthorInfo::Clear() {
  AuthorHomepage.clear();
  AuthorEmail.clear();
  AuthorName.clear();
}

namespace {

// The line breaks (CR and LF) of a text, found a block of 64 bytes at a
// time into a bit per byte: finding where a line ends then costs a shift and
// a count, so that reading one line hardly waits on the line before.
class TLineBreaks {
 public:
  explicit TLineBreaks(std::string_view text) : FText(text) {}
  // Where the first break at or after from stands, or the text's size.
  size_t From(size_t from) {
    while (from < FText.size()) {
      const size_t block = from / 64;
      if (block != FBlock) {
        FMask = MaskOf(block);
        FBlock = block;
      }
      const uint64_t ahead = FMask >> (from % 64);
      if (ahead != 0) return from + static_cast<size_t>(std::countr_zero(ahead));
      from = (block + 1) * 64;
    }
    return FText.size();
  }

 private:
  // Bit i set: the block's byte i is a break; none past the text's end.
  uint64_t MaskOf(size_t block) const {
    const char* const bytes = FText.data() + block * 64;
    const size_t length = std::min<size_t>(64, FText.size() - block * 64);
    uint64_t mask = 0;
#if defined(__SSE2__)
    if (length == 64) {
      const __m128i cr = _mm_set1_epi8('\r');
      const __m128i lf = _mm_set1_epi8('\n');
      for (size_t at = 0; at < 64; at += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
        const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf));
        mask |= uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(breaks))} << at;
      }
      return mask;
    }
#endif
    for (size_t at = 0; at < length; ++at)
      if (bytes[at] == '\r' || bytes[at] == '\n') mask |= uint64_t{1} << at;
    return mask;
  }

  std::string_view FText;
  size_t FBlock = SIZE_MAX;
  uint64_t FMask = 0;
};

// The bytes at a and at b, length bytes each, are the same: compared in
// place a word at a time, since a key is a dozen bytes or more.
bool SameBytes(const char* a, const char* b, size_t length) {
  if (length < 8) return std::equal(a, a + length, b);
  uint64_t x, y;
  for (size_t at = 0; at + 8 < length; at += 8) {
    std::memcpy(&x, a + at, 8);
    std::memcpy(&y, b + at, 8);
    if (x != y) return false;
  }
  // The last word, which may overlap the one before.
  std::memcpy(&x, a + length - 8, 8);
  std::memcpy(&y, b + length - 8, 8);
  return x == y;
}

// The keys a filter definition visits, in visiting order, each with the
// value of the first line of its name. The lines are read in one pass, with
// TStringList's rules (lines end at CR LF, CR or LF; a zero byte ends the
// text): a line's name is tried in place against the key after the one the
// line before named, so a filter written in key order costs one comparison
// a line, and only then against every key. Nothing is copied; the values
// point into the text.
class TKeyValues {
 public:
  // Not = default, which would clear every table on every read: only the
  // first FCount entries of each are ever read.
  TKeyValues() {}  // NOLINT
  void AddKey(std::string_view key) {
    if (FCount == FKeys.size()) throw std::length_error("too many filter keys");
    FKeys[FCount] = {key.data(), key.size()};
    FFound[FCount] = false;
    ++FCount;
  }
  void Read(std::string_view text) {
    text = text.substr(0, std::min(text.find('\0'), text.size()));
    TLineBreaks breaks(text);
    size_t next = 0;
    size_t pos = 0;
    while (pos < text.size()) {
      size_t id = next;
      size_t valueAt;
      // No key holds "=", CR or LF: text that starts with the expected key
      // and "=" is a line that names it.
      if (id < FCount && NamesKey(text.substr(pos), FKeys[id])) {
        valueAt = pos + FKeys[id].Size + 1;
      } else {
        const size_t end = breaks.From(pos);
        const std::string_view line = text.substr(pos, end - pos);
        const size_t eq = line.find('=');
        id = eq == std::string_view::npos ? FCount : IdOf(line.substr(0, eq), next);
        if (id == FCount) {
          pos = NextLine(text, end);
          continue;
        }
        valueAt = pos + eq + 1;
      }
      next = id + 1;
      const size_t end = breaks.From(valueAt);
      if (!FFound[id]) {
        FFound[id] = true;
        FValues[id] = {text.data() + valueAt, end - valueAt};
      }
      pos = NextLine(text, end);
    }
  }
  // The value of the next key, in visiting order; empty for a missing key.
  std::string_view NextValue() {
    const size_t id = FRead++;
    return FFound[id] ? FValues[id] : std::string_view();
  }

 private:
  // Past the line break at end, if any.
  static size_t NextLine(std::string_view text, size_t end) {
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    return end;
  }
  // Nearly every line writes its name as the key is written.
  static bool NamesKey(std::string_view rest, std::string_view key) {
    return rest.size() > key.size() && rest[key.size()] == '=' &&
           (SameBytes(rest.data(), key.data(), key.size()) || SameText(rest.substr(0, key.size()), key));
  }
  // Keys of one length mostly differ in their last letter, looked at first.
  static bool SameName(std::string_view name, std::string_view key) {
    return name.size() == key.size() && UpCase(name.back()) == UpCase(key.back()) && SameText(name, key);
  }
  // The key of the name, searched from the one expected on: a filter that
  // leaves keys out still finds the next within a few.
  size_t IdOf(std::string_view name, size_t from) const {
    for (size_t id = from; id < FCount; ++id)
      if (SameName(name, FKeys[id])) return id;
    for (size_t id = 0; id < from && id < FCount; ++id)
      if (SameName(name, FKeys[id])) return id;
    return FCount;
  }

  // A stretch of text without a constructor: the tables are left unset
  // beyond FCount instead of cleared on every read.
  struct TSpan {
    const char* Data;
    size_t Size;
    operator std::string_view() const { return {Data, Size}; }
  };

  static constexpr size_t kMaxKeys = 64;
  std::array<TSpan, kMaxKeys> FKeys;
  std::array<TSpan, kMaxKeys> FValues;
  std::array<bool, kMaxKeys> FFound;
  size_t FCount = 0;
  size_t FRead = 0;
};

// The visitors are final, so that visiting the keys through one calls its
// operations directly; only the identity key goes through the interface.
class TKeyNames final : public TFilterKeyVisitor {
 public:
  explicit TKeyNames(TKeyValues& values) : FValues(values) {}
  void Text(std::string_view key, std::string&) override { FValues.AddKey(key); }
  void Integer(std::string_view key, int32_t&) override { FValues.AddKey(key); }
  void Flag(std::string_view key, bool&) override { FValues.AddKey(key); }
  void FilterType(std::string_view key, uint8_t&) override { FValues.AddKey(key); }

 private:
  TKeyValues& FValues;
};

// An integer or flag key that is missing, empty or not a number raises
// EConvertError; the type never fails to read.
class TKeyReader final : public TFilterKeyVisitor {
 public:
  // Nearly every integer and flag of a filter is one digit, read here
  // without a call.
  static int32_t Number(std::string_view value) {
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '9') return value[0] - '0';
    return StrToInt(value);
  }
  explicit TKeyReader(TKeyValues& values) : FValues(values) {}
  void Text(std::string_view, std::string& field) override {
    const std::string_view value = FValues.NextValue();
    // A key missing from the filter leaves an empty field as it is.
    if (!value.empty() || !field.empty()) field.assign(value);
  }
  void Integer(std::string_view, int32_t& field) override { field = Number(FValues.NextValue()); }
  void Flag(std::string_view, bool& field) override { field = Number(FValues.NextValue()) == 1; }
  void FilterType(std::string_view, uint8_t& field) override { field = FilterTypeOf(FValues.NextValue()); }

 private:
  TKeyValues& FValues;
};

class TKeyWriter final : public TFilterKeyVisitor {
 public:
  void Text(std::string_view key, std::string& field) override { FWriter.Text(key, field); }
  void Integer(std::string_view key, int32_t& field) override { FWriter.Integer(key, field); }
  void Flag(std::string_view key, bool& field) override { FWriter.Flag(key, field); }
  void FilterType(std::string_view key, uint8_t& field) override { FWriter.Integer(key, field); }
  const std::string& Joined() const { return FWriter.Joined(); }

 private:
  TFilterWriter FWriter;
};

}  // namespace

TRingtoneFilterConfigBase::TRingtoneFilterConfigBase()
    : AuthorInfo(std::make_unique<TRingtoneFilterAuthorInfo>()),
      FilterInfo(std::make_unique<TRingtoneFilterInfo>()) {}

TRingtoneFilterConfigBase::~TRingtoneFilterConfigBase() = default;

template <class Visitor>
void TRingtoneFilterConfigBase::VisitKeys(Visitor& v) {
  v.Text("DravikVersion", DravikVersion);
  VisitIdentity(v);
  v.Text("FilterInfo_FilterVersion", FilterInfo->FilterVersion);
  v.Text("FilterInfo_FilterDesc", FilterInfo->FilterDesc);
  v.Text("FilterInfo_MobileBrand", FilterInfo->MobileBrand);
  v.Text("FilterInfo_MobileModel", FilterInfo->MobileModel);
  v.FilterType("FilterInfo_FilterType", FilterInfo->FilterType);
  v.Text("AuthorInfo_AuthorName", AuthorInfo->AuthorName);
  v.Text("AuthorInfo_AuthorEmail", AuthorInfo->AuthorEmail);
  v.Text("AuthorInfo_AuthorHomepage", AuthorInfo->AuthorHomepage);
  v.Integer("DefaultOptions_Octave", DefaultOptions_Octave);
  v.Flag("DefaultOptions_Sharp", DefaultOptions_Sharp);
  v.Integer("DefaultOptions_Duration", DefaultOptions_Duration);
  v.Flag("DefaultOptions_DotDuration", DefaultOptions_DotDuration);
  v.Flag("Remember_Octave", Remember_Octave);
  v.Flag("Remember_Sharp", Remember_Sharp);
  v.Flag("Remember_Duration", Remember_Duration);
  v.Flag("Remember_DotDuration", Remember_DotDuration);
  v.Text("Remember_ToneSeparater", Remember_ToneSeparater);
  v.Text("NoteMapper_C", NoteMapper_C);
  v.Text("NoteMapper_D", NoteMapper_D);
  v.Text("NoteMapper_E", NoteMapper_E);
  v.Text("NoteMapper_F", NoteMapper_F);
  v.Text("NoteMapper_G", NoteMapper_G);
  v.Text("NoteMapper_A", NoteMapper_A);
  v.Text("NoteMapper_B", NoteMapper_B);
  v.Text("NoteMapper_P", NoteMapper_P);
  v.Text("SharpMapper_NormalToSharp", SharpMapper_NormalToSharp);
  v.Text("SharpMapper_SharpToNormal", SharpMapper_SharpToNormal);
  v.Text("DotDurationMapper_NormalToDotDuration", DotDurationMapper_NormalToDotDuration);
  v.Text("DotDurationMapper_DotDurationToNormal", DotDurationMapper_DotDurationToNormal);
  v.Integer("DurationMapper_MapperType", DurationMapper_MapperType);
  v.Text("DurationMapper_1", DurationMapper_1);
  v.Text("DurationMapper_2", DurationMapper_2);
  v.Text("DurationMapper_4", DurationMapper_4);
  v.Text("DurationMapper_8", DurationMapper_8);
  v.Text("DurationMapper_16", DurationMapper_16);
  v.Text("DurationMapper_32", DurationMapper_32);
  v.Text("DurationMapper_64", DurationMapper_64);
  v.Text("DurationMapper_ToLonger", DurationMapper_ToLonger);
  v.Text("DurationMapper_ToShorter", DurationMapper_ToShorter);
  v.Text("DurationMapper_NoChange", DurationMapper_NoChange);
  v.Integer("OctaveMapper_MapperType", OctaveMapper_MapperType);
  v.Text("OctaveMapper_ToHigher", OctaveMapper_ToHigher);
  v.Text("OctaveMapper_ToLower", OctaveMapper_ToLower);
  v.Text("OctaveMapper_NoChange", OctaveMapper_NoChange);
  v.Text("MapperOrder_1", MapperOrder_1);
  v.Text("MapperOrder_2", MapperOrder_2);
  v.Text("MapperOrder_3", MapperOrder_3);
  v.Text("MapperOrder_4", MapperOrder_4);
  v.Text("MapperOrder_5", MapperOrder_5);
}

void TRingtoneFilterConfigBase::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  LoadFromStream(file);
}

void TRingtoneFilterConfigBase::SaveToFile(const std::string& fileName) const {
  WriteFileAtomically(fileName, FileText());
}

void TRingtoneFilterConfigBase::LoadFromStream(TStream& stream) { LoadFromFilterText(ReadToEnd(stream)); }

void TRingtoneFilterConfigBase::LoadFromFilterText(std::string_view text) {
  TKeyValues values;
  TKeyNames names(values);
  VisitKeys(names);
  values.Read(text);
  TKeyReader reader(values);
  VisitKeys(reader);
}

void TRingtoneFilterConfigBase::SaveToStream(TStream& stream) const { stream.WriteString(FileText()); }

std::string TRingtoneFilterConfigBase::FileText() const {
  TKeyWriter writer;
  // Writing only reads the fields; the visitor interface serves both ways.
  const_cast<TRingtoneFilterConfigBase*>(this)->VisitKeys(writer);
  return writer.Joined();
}

void TRingtoneFilterConfigBase::Clear() {
  DravikVersion.clear();
  FilterInfo->Clear();
  AuthorInfo->Clear();
  DefaultOptions_Octave = 0;
  DefaultOptions_Duration = 0;
  DefaultOptions_Sharp = DefaultOptions_DotDuration = false;
  Remember_Octave = Remember_Sharp = Remember_Duration = Remember_DotDuration = false;
  for (std::string* text :
       {&Remember_ToneSeparater, &NoteMapper_C, &NoteMapper_D, &NoteMapper_E, &NoteMapper_F, &NoteMapper_G,
        &NoteMapper_A, &NoteMapper_B, &NoteMapper_P, &SharpMapper_NormalToSharp, &SharpMapper_SharpToNormal,
        &DotDurationMapper_NormalToDotDuration, &DotDurationMapper_DotDurationToNormal, &DurationMapper_1,
        &DurationMapper_2, &DurationMapper_4, &DurationMapper_8, &DurationMapper_16, &DurationMapper_32,
        &DurationMapper_64, &DurationMapper_ToLonger, &DurationMapper_ToShorter, &DurationMapper_NoChange,
        &OctaveMapper_ToHigher, &OctaveMapper_ToLower, &OctaveMapper_NoChange, &MapperOrder_1, &MapperOrder_2,
        &MapperOrder_3, &MapperOrder_4, &MapperOrder_5})
    text->clear();
  DurationMapper_MapperType = -1;
  OctaveMapper_MapperType = -1;
}

int32_t TRingtoneFilterConfigBase::GetMapperOrder(int step) const {
  const std::string* const entries[] = {&MapperOrder_1, &MapperOrder_2, &MapperOrder_3, &MapperOrder_4,
                                        &MapperOrder_5};
  return StrToInt(step >= 0 && step < 5 ? std::string_view(*entries[step]) : std::string_view());
}
