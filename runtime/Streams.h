// Byte streams: the abstract stream, a growable memory stream and a file
// stream, with the class library's reading rules (a read past the end gives
// fewer bytes, never an error; ReadBuffer/WriteBuffer raise on a short count).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TMemoryStream;

class TStream {
 public:
  virtual ~TStream() = default;
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;

  // Reads up to count bytes; returns how many were read.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // Writes count bytes; returns how many were written.
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Moves the position; returns the new position.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  virtual int64_t Size() = 0;
  // The stream as a memory stream, whose bytes a reader may work on in
  // place; null for any other stream.
  virtual TMemoryStream* AsMemoryStream() { return nullptr; }

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }

  // Raise EReadError "Stream read error" / EWriteError "Stream write error"
  // when fewer than count bytes move.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  void WriteString(const std::string& bytes) { WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size())); }
  // Copies count bytes from source at its position (count 0: the whole source from 0).
  int64_t CopyFrom(TStream& source, int64_t count);
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string bytes) : FData(std::move(bytes)) {}

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(FData.size()); }
  TMemoryStream* AsMemoryStream() override { return this; }

  void SetSize(int64_t size);
  void Clear();
  const std::string& DataString() const { return FData; }
  // The bytes become the stream's own, at position 0.
  void SetDataString(std::string bytes);
  // Hands the bytes over and leaves the stream empty, at position 0.
  std::string TakeDataString();
  void LoadFromStream(TStream& source);
  void LoadFromFile(const std::string& fileName);
  void SaveToStream(TStream& target) const;
  void SaveToFile(const std::string& fileName) const;

 private:
  std::string FData;
  int64_t FPosition = 0;
};

// A memory stream made only to hand its bytes to one reader: a reader that
// would copy them all may take them instead (TakeDataString), so that a text
// handed to a tune is not copied again on its way to the parser.
class THandOverStream : public TMemoryStream {
 public:
  using TMemoryStream::TMemoryStream;
};

// The stream's bytes from its position to its end, for a reader that works
// on them in place: a memory stream's own bytes, without a copy, or those of
// another stream read into copy. The stream is left at its end.
std::string_view BytesFromPosition(TStream& stream, std::string& copy);

enum class TFileMode { fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate };

// A file opened on construction and closed on destruction. Opening raises
// EFOpenError, creating EFCreateError, both naming the file and the reason.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& fileName, TFileMode mode);
  ~TFileStream() override;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override;

  const std::string& FileName() const { return FFileName; }

 private:
  std::string FFileName;
  int FHandle = -1;
};

// The bytes from the stream's position to its end.
std::string ReadToEnd(TStream& stream);

// The whole content of a file as bytes (raises as TFileStream does); a file
// larger than maxSize raises EFOpenError with the reason "File too large".
std::string ReadFileBytes(const std::string& fileName, int64_t maxSize = INT64_MAX);
