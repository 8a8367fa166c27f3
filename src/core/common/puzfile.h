#pragma once
// Rules shared by every kind's .puz record: the 8-byte header, the kind
// check with its messages, the default file name, and file I/O that never
// trusts what it reads and never leaves a half-written file behind.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace zorvek {

static_assert(std::endian::native == std::endian::little,
              "records are stored little-endian and copied as plain bytes");

struct PuzHeader {
  std::uint8_t magicLength;  // always 4
  char magic[4];             // "QVZ" + kind letter
  std::uint8_t padding[3];
};
static_assert(sizeof(PuzHeader) == 8);
static_assert(offsetof(PuzHeader, magic) == 1);

PuzHeader MakePuzHeader(int kind);

// The kind whose magic the bytes start with, or -1.
int KindOfMagic(const std::uint8_t* bytes, std::size_t size);

// The message a window of `readerKind` shows for a rejected file: names the
// file's kind when its magic is another kind's, else "Unrecognized file format.".
std::string PuzRejectMessage(int readerKind, const std::uint8_t* bytes, std::size_t size);

// Takes a whole record of `kind` from the start of the bytes when its magic
// is that kind's and `valid` accepts its blocks; otherwise sets the window's
// message. A file of another kind is named by its magic even when it is
// shorter than this kind's record: the HexKakuro record is the longest, so
// its window could never name any other kind otherwise.
template <typename Record, typename Valid>
bool ParsePuzRecord(int kind, const std::uint8_t* bytes, std::size_t size, Record& record,
                    std::string& message, Valid valid) {
  const bool whole = bytes != nullptr && size >= sizeof(Record);
  if (whole) std::memcpy(&record, bytes, sizeof(Record));
  if (whole && KindOfMagic(bytes, size) == kind && valid(record)) return true;
  message = PuzRejectMessage(kind, bytes, size);
  return false;
}

// A kind's .puz record: the header, then the same settings and puzzle blocks
// the application state holds. Blocks names the kind's two block types, its
// kind number, the validity check of its blocks and its grid-size text.
template <typename Blocks>
struct PuzRecord {
  PuzHeader header;
  typename Blocks::Settings settings;
  typename Blocks::Puzzle puzzle;
};

template <typename Blocks>
struct PuzLoadResult {
  bool ok = false;
  std::string message;  // the window's message when !ok
  typename Blocks::Settings settings{};
  typename Blocks::Puzzle puzzle{};
};

// "<stem><Difficulty><gridSize>_<counter + 1>", e.g. SudokuMedium_4,
// KakuroHard12x14_3. gridSize is empty for Sudoku.
std::string DefaultPuzFileName(int kind, int difficulty, const std::string& gridSize,
                               int saveCounter);

// Reads at most maxBytes from the start of a file; empty when unreadable.
std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t maxBytes);

// Writes the bytes to a temporary file beside `path` and renames it over
// `path`, so a failed write leaves the previous file intact. False on failure.
bool WriteFileAtomic(const std::string& path, const void* data, std::size_t size);

// Validates a record read from the start of a file (bytes may be short).
template <typename Blocks>
PuzLoadResult<Blocks> ParsePuzFile(const std::uint8_t* bytes, std::size_t size) {
  PuzLoadResult<Blocks> result;
  PuzRecord<Blocks> record{};
  result.ok = ParsePuzRecord(Blocks::kKind, bytes, size, record, result.message,
                             [](const PuzRecord<Blocks>& r) { return Blocks::Valid(r.settings, r.puzzle); });
  if (result.ok) {
    result.settings = record.settings;
    result.puzzle = record.puzzle;
  }
  return result;
}

template <typename Blocks>
PuzLoadResult<Blocks> LoadPuzFile(const std::string& path) {
  const auto bytes = ReadFilePrefix(path, sizeof(PuzRecord<Blocks>));
  return ParsePuzFile<Blocks>(bytes.data(), bytes.size());
}

template <typename Blocks>
PuzRecord<Blocks> MakePuzRecord(const typename Blocks::Settings& settings,
                                const typename Blocks::Puzzle& puzzle) {
  PuzRecord<Blocks> record{};
  record.header = MakePuzHeader(Blocks::kKind);
  record.settings = settings;
  record.puzzle = puzzle;
  return record;
}

template <typename Blocks>
bool SavePuzFile(const std::string& path, const typename Blocks::Settings& settings,
                 const typename Blocks::Puzzle& puzzle) {
  const PuzRecord<Blocks> record = MakePuzRecord<Blocks>(settings, puzzle);
  return WriteFileAtomic(path, &record, sizeof record);
}

// The save dialog's proposal for these blocks, e.g. "KakuroHard12x14_3".
template <typename Blocks>
std::string DefaultFileName(const typename Blocks::Settings& settings, int saveCounter) {
  return DefaultPuzFileName(Blocks::kKind, settings.difficulty, Blocks::GridSizeText(settings),
                            saveCounter);
}

}  // namespace zorvek
