// What both builds of the filter definition hold: the filter and author
// information and one field per key of the filter file, read and written in
// the file's fixed key order. The editor's build adds the filter's identity;
// the conversion library's build adds reading from text and the mapping.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TStream;

struct TRingtoneFilterInfo {
  std::string FilterVersion;
  std::string MobileBrand;
  std::string MobileModel;
  std::string FilterDesc;
  uint8_t FilterType = 0;  // 0 ScreenShow, 1 KeyPress, 2 not recognised

  // Brand and model survive: a cleared filter stays the same phone's.
  void Clear();
};

struct TRingtoneFilterAuthorInfo {
  std::string AuthorHomepage;
  std::string AuthorEmail;
  std::string AuthorName;

  void Clear();
};

// Reads or writes one field per call, in the file's key order.
class TFilterKeyVisitor {
 public:
  virtual ~TFilterKeyVisitor() = default;
  virtual void Text(std::string_view key, std::string& field) = 0;
  virtual void Integer(std::string_view key, int32_t& field) = 0;
  virtual void Flag(std::string_view key, bool& field) = 0;
  virtual void FilterType(std::string_view key, uint8_t& field) = 0;
};

class TRingtoneFilterConfigBase {
 public:
  TRingtoneFilterConfigBase();
  virtual ~TRingtoneFilterConfigBase();
  TRingtoneFilterConfigBase(const TRingtoneFilterConfigBase&) = delete;
  TRingtoneFilterConfigBase& operator=(const TRingtoneFilterConfigBase&) = delete;

  std::unique_ptr<TRingtoneFilterAuthorInfo> AuthorInfo;
  std::unique_ptr<TRingtoneFilterInfo> FilterInfo;

  std::string DravikVersion;
  int32_t DefaultOptions_Octave = 0;
  bool DefaultOptions_Sharp = false;
  int32_t DefaultOptions_Duration = 0;
  bool DefaultOptions_DotDuration = false;
  bool Remember_Octave = false;
  bool Remember_Sharp = false;
  bool Remember_Duration = false;
  bool Remember_DotDuration = false;
  std::string Remember_ToneSeparater;
  std::string NoteMapper_C, NoteMapper_D, NoteMapper_E, NoteMapper_F, NoteMapper_G, NoteMapper_A,
      NoteMapper_B, NoteMapper_P;
  std::string SharpMapper_NormalToSharp, SharpMapper_SharpToNormal;
  std::string DotDurationMapper_NormalToDotDuration, DotDurationMapper_DotDurationToNormal;
  int32_t DurationMapper_MapperType = 0;
  std::string DurationMapper_1, DurationMapper_2, DurationMapper_4, DurationMapper_8, DurationMapper_16,
      DurationMapper_32, DurationMapper_64;
  std::string DurationMapper_ToLonger, DurationMapper_ToShorter, DurationMapper_NoChange;
  int32_t OctaveMapper_MapperType = 0;
  std::string OctaveMapper_ToHigher, OctaveMapper_ToLower, OctaveMapper_NoChange;
  // Kept as text; converted when used, by GetMapperOrder.
  std::string MapperOrder_1, MapperOrder_2, MapperOrder_3, MapperOrder_4, MapperOrder_5;

  // Open errors as TFileStream raises them.
  void LoadFromFile(const std::string& fileName);
  // Writes through a new file renamed over the target (WriteFileAtomically).
  void SaveToFile(const std::string& fileName) const;
  // Reads the stream from its position to its end. Nothing is cleared first:
  // every text field is replaced (a missing key empties it); an integer or
  // flag key that is missing, empty or not a number stops the load with
  // EConvertError, the fields read before it keeping their new values.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;
  // The filter file's text, in key order.
  std::string FileText() const;
  // Empties every text (brand and model excepted), zeroes the integers and
  // flags, sets the type to ScreenShow and both mapper types to -1.
  virtual void Clear();

  // The mapper id at step 0 to 4 (MapperOrder_1 to _5); an entry that is not
  // a number, and any other step, raise EConvertError.
  int32_t GetMapperOrder(int step) const;

 protected:
  // Reads a filter file's whole text as LoadFromStream reads a stream's.
  void LoadFromFilterText(std::string_view text);
  // The identity key sits between DravikVersion and the filter info; only
  // the editor's build keeps it.
  virtual void VisitIdentity(TFilterKeyVisitor& visitor) {}

 private:
  // Every key in the file's order, with its field; Visitor is one of the
  // reader's own visitors (defined beside it).
  template <class Visitor>
  void VisitKeys(Visitor& visitor);
};
