#include "runtime/FilterDefinition.h"

#include <array>
#include <stdexcept>

#include "runtime/AtomicFile.h"
#include "runtime/FilterFormat.h"
#include "runtime/Streams.h"
#include "runtime/StringList.h"
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

// The keys a filter definition visits, in visiting order, each with the
// value of the first line of its name. The lines are read in one pass: a
// line's name is tried against the key after the one the line before named,
// so a filter written in key order costs one comparison a line, and only
// then against every key. Nothing is copied; the values point into the text.
class TKeyValues {
 public:
  void AddKey(std::string_view key) {
    if (FCount == FKeys.size()) throw std::length_error("too many filter keys");
    FKeys[FCount++] = key;
  }
  void Read(std::string_view text) {
    size_t next = 0;
    ForEachLine(text, [&](std::string_view line) {
      size_t id = next;
      // No key holds "=": a line that starts with the expected key and "="
      // names it.
      if (id == FCount || !NamesKey(line, FKeys[id])) {
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) return;
        id = IdOf(line.substr(0, eq), next);
        if (id == FCount) return;
      }
      next = id + 1;
      if (FFound[id]) return;
      FFound[id] = true;
      FValues[id] = line.substr(FKeys[id].size() + 1);
    });
  }
  // The value of the next key, in visiting order; empty for a missing key.
  std::string_view NextValue() { return FValues[FRead++]; }

 private:
  // Nearly every line writes its name as the key is written.
  static bool NamesKey(std::string_view line, std::string_view key) {
    return line.size() > key.size() && line[key.size()] == '=' &&
           (line.starts_with(key) || SameText(line.substr(0, key.size()), key));
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

  static constexpr size_t kMaxKeys = 64;
  std::array<std::string_view, kMaxKeys> FKeys;
  std::array<std::string_view, kMaxKeys> FValues{};
  std::array<bool, kMaxKeys> FFound{};
  size_t FCount = 0;
  size_t FRead = 0;
};

class TKeyNames : public TFilterKeyVisitor {
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
class TKeyReader : public TFilterKeyVisitor {
 public:
  explicit TKeyReader(TKeyValues& values) : FValues(values) {}
  void Text(std::string_view, std::string& field) override {
    const std::string_view value = FValues.NextValue();
    // A key missing from the filter leaves an empty field as it is.
    if (!value.empty() || !field.empty()) field.assign(value);
  }
  void Integer(std::string_view, int32_t& field) override { field = StrToInt(FValues.NextValue()); }
  void Flag(std::string_view, bool& field) override { field = StrToInt(FValues.NextValue()) == 1; }
  void FilterType(std::string_view, uint8_t& field) override { field = FilterTypeOf(FValues.NextValue()); }

 private:
  TKeyValues& FValues;
};

class TKeyWriter : public TFilterKeyVisitor {
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

void TRingtoneFilterConfigBase::VisitKeys(TFilterKeyVisitor& v) {
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
