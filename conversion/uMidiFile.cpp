#include "uMidiFile.h"

#include <algorithm>

#include "Streams.h"
#include "SysUtils.h"

namespace {

constexpr uint8_t kMetaTrackName = 0x03;
constexpr uint8_t kMetaInstrumentName = 0x04;
constexpr uint8_t kMetaTempo = 0x51;
constexpr uint8_t kMetaEndOfTrack = 0x2F;
constexpr int32_t kMaxTempoMicros = 0xFFFFFF;

// Tick arithmetic wraps at 32 bits, like the counters it models; hostile
// deltas must not make it undefined.
int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t WrappingSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

// One byte, or 0 past the end of the data.
uint8_t ReadByte(TStream& stream) {
  uint8_t byte = 0;
  stream.Read(&byte, 1);
  return byte;
}

uint32_t ReadBigEndian32(TStream& stream) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = (value << 8) | ReadByte(stream);
  return value;
}

// At most count bytes, never more than the stream still holds.
std::string ReadBytes(TStream& stream, uint32_t count) {
  const int64_t left = std::max<int64_t>(stream.Size() - stream.Position(), 0);
  std::string bytes(static_cast<size_t>(std::min<int64_t>(count, left)), '\0');
  bytes.resize(static_cast<size_t>(stream.Read(bytes.data(), static_cast<int64_t>(bytes.size()))));
  return bytes;
}

void SkipTo(TStream& stream, int64_t position) {
  stream.SetPosition(std::min(position, stream.Size()));
}

void WriteByte(TStream& stream, uint8_t byte) { stream.WriteBuffer(&byte, 1); }

void WriteBigEndian32(TStream& stream, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) WriteByte(stream, static_cast<uint8_t>(value >> shift));
}

}  // namespace

uint32_t ReadVarLen(TStream& stream) {
  uint32_t value = 0;
  uint8_t byte = 0;
  do {
    if (stream.Read(&byte, 1) != 1) break;
    value = (value << 7) + (byte & 0x7F);
  } while (byte & 0x80);
  return value;
}

void WriteVarLen(TStream& stream, uint32_t value) {
  uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value != 0);
  while (count > 1) WriteByte(stream, static_cast<uint8_t>(groups[--count] | 0x80));
  WriteByte(stream, groups[0]);
}

void TMidiTrack::AddEvent(std::unique_ptr<TMidiEvent> event) {
  if (event->IsMeta() && event->Data1 == kMetaTrackName) TrackName = event->MetaData;
  if (event->IsMeta() && event->Data1 == kMetaInstrumentName) InstrumentName = event->MetaData;
  RunningTotal = WrappingAdd(RunningTotal, event->Delta);
  event->AbsoluteTime = RunningTotal;
  event->NoteLength = 0;
  TMidiEvent* added = FEvents.Add(std::move(event));

  const auto slot = static_cast<uint16_t>((added->Status & 0x0F) << 8 | added->Data1);
  if (added->IsNoteOff()) {
    if (const auto latest = FLatestNoteOn.find(slot); latest != FLatestNoteOn.end()) {
      latest->second->NoteLength = WrappingSub(RunningTotal, latest->second->AbsoluteTime);
      added->NoteLength = -1;
    }
  }
  // A velocity-0 note-on still counts as the channel's latest note-on on
  // that key: a later note-off pairs with it.
  if (added->IsNoteOn()) FLatestNoteOn[slot] = added;
}

void TMidiFile::LoadFromStream(TStream& stream) {
  ClearTracks();
  FileTempo = 120;
  while (stream.Position() < stream.Size()) {
    char kind[4] = {};
    stream.Read(kind, 4);
    const uint32_t length = ReadBigEndian32(stream);
    const int64_t end = stream.Position() + length;
    if (std::equal(kind, kind + 4, "MThd")) {
      ReadHeaderChunk(stream, end);
    } else if (std::equal(kind, kind + 4, "MTrk")) {
      // The track is read from its own bytes, so that an event running past
      // the chunk's end cannot swallow the tracks after it.
      TMemoryStream body(ReadBytes(stream, length));
      ReadTrackChunk(body);
    } else {
      SkipTo(stream, end);  // a vendor's chunk: not ours to read
    }
  }
}

void TMidiFile::ReadHeaderChunk(TStream& stream, int64_t end) {
  ReadByte(stream);
  const uint8_t format = ReadByte(stream);
  if (format <= 2) FileFormat = format;
  ReadByte(stream);  // the track count is what the chunks say, not this
  ReadByte(stream);
  const uint8_t high = ReadByte(stream);
  Division = (high << 8) | ReadByte(stream);
  if (end > stream.Position()) SkipTo(stream, end);
}

void TMidiFile::ReadTrackChunk(TStream& stream) {
  TMidiTrack* track = AddTrack(std::make_unique<TMidiTrack>());
  uint8_t runningStatus = 0;
  while (stream.Position() < stream.Size()) {
    auto event = std::make_unique<TMidiEvent>();
    event->Delta = static_cast<int32_t>(ReadVarLen(stream));
    // A status byte starts a new running status; a data byte is left for
    // the event to read. Past the end there is neither.
    uint8_t byte = 0;
    if (stream.Read(&byte, 1) == 1) {
      if (byte >= 0x80)
        runningStatus = byte;
      else
        stream.Seek(-1, TSeekOrigin::soCurrent);
    }
    event->Status = runningStatus;
    if (runningStatus == 0xFF) {
      event->Data1 = ReadByte(stream);
      event->MetaData = ReadBytes(stream, ReadVarLen(stream));
      if (event->Data1 == kMetaTempo && event->MetaData.size() >= 3) {
        const auto& d = event->MetaData;
        const uint32_t micros = (static_cast<uint8_t>(d[0]) << 16) | (static_cast<uint8_t>(d[1]) << 8) |
                                static_cast<uint8_t>(d[2]);
        // A tempo of zero microseconds is no tempo at all; keep the last one.
        if (micros != 0) FileTempo = static_cast<int32_t>(60000000 / micros);
      }
    } else if (runningStatus == 0xF0 || runningStatus == 0xF7) {
      ReadBytes(stream, ReadVarLen(stream));  // system exclusive: the body is not kept
    } else if ((runningStatus >= 0x80 && runningStatus <= 0xBF) || (runningStatus >= 0xE0 && runningStatus <= 0xEF)) {
      event->Data1 = ReadByte(stream);
      event->Data2 = ReadByte(stream);
    } else if (runningStatus >= 0xC0 && runningStatus <= 0xDF) {
      event->Data1 = ReadByte(stream);
    }
    track->AddEvent(std::move(event));
  }
}

void TMidiFile::SaveMidiToStream(TMemoryStream& stream) const {
  stream.SetPosition(0);
  stream.WriteString("MThd");
  WriteBigEndian32(stream, 6);
  WriteByte(stream, 0);
  WriteByte(stream, TrackCount() > 0 ? 1 : 0);
  WriteByte(stream, 0);
  WriteByte(stream, static_cast<uint8_t>(TrackCount()));
  WriteByte(stream, static_cast<uint8_t>(Division >> 8));
  WriteByte(stream, static_cast<uint8_t>(Division));
  for (const auto& track : FTracks) {
    TMemoryStream body;
    uint8_t runningStatus = 0;
    for (int i = 0; i < track->Count(); ++i) {
      const TMidiEvent& e = *track->GetEvent(i);
      if (e.IsChannelMessage()) {
        WriteVarLen(body, static_cast<uint32_t>(e.Delta));
        if (e.Status != runningStatus) {
          WriteByte(body, e.Status);
          runningStatus = e.Status;
        }
        WriteByte(body, e.Data1);
        if (e.Status < 0xC0 || e.Status > 0xDF) WriteByte(body, e.Data2);
      } else if (e.IsMeta()) {
        WriteVarLen(body, static_cast<uint32_t>(e.Delta));
        WriteByte(body, 0xFF);
        WriteByte(body, e.Data1);
        WriteVarLen(body, static_cast<uint32_t>(e.MetaData.size()));
        body.WriteString(e.MetaData);
      }
    }
    stream.WriteString("MTrk");
    WriteBigEndian32(stream, static_cast<uint32_t>(body.Size()));
    stream.WriteString(body.DataString());
  }
}

std::string TMidiFile::GetText() {
  TMemoryStream stream;
  SaveMidiToStream(stream);
  return stream.DataString();
}

std::unique_ptr<TMidiEvent> NewTempoEvent(int32_t tempo) {
  // The event holds three bytes: a tempo slower than they can say is held
  // at the slowest they can.
  const int32_t micros = std::clamp(IntDiv(60000000, tempo), 1, kMaxTempoMicros);
  auto event = std::make_unique<TMidiEvent>();
  event->Status = 0xFF;
  event->Data1 = kMetaTempo;
  event->MetaData = {static_cast<char>(micros >> 16), static_cast<char>(micros >> 8), static_cast<char>(micros)};
  return event;
}

std::unique_ptr<TMidiEvent> NewEndOfTrackEvent() {
  auto event = std::make_unique<TMidiEvent>();
  event->Status = 0xFF;
  event->Data1 = kMetaEndOfTrack;
  return event;
}
