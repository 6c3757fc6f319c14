#include "conversion/uRingFile.h"

#include "runtime/Streams.h"

TRingFile::TRingFile() : Track(std::make_unique<TRingTrack>()) {}

TRingFile::~TRingFile() = default;

void TRingFile::LoadFromText(std::string text) {
  THandOverStream stream(std::move(text));
  stream.SetPosition(0);
  LoadFromStream(stream);
}

std::string TRingFile::GetText() { return {}; }

void TRingFile::LoadFromStream(TStream&) {}

void TRingFile::SaveToStream(TStream& stream) { stream.WriteString(GetText()); }

void TRingFile::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  LoadFromStream(file);
}

void TRingFile::SaveToFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmCreate);
  SaveToStream(file);
}
