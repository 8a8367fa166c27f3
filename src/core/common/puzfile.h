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

// "<stem><Difficulty><gridSize>_<counter + 1>", e.g. SudokuMedium_4,
// KakuroHard12x14_3. gridSize is empty for Sudoku.
std::string DefaultPuzFileName(int kind, int difficulty, const std::string& gridSize,
                               int saveCounter);

// Reads at most maxBytes from the start of a file; empty when unreadable.
std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t maxBytes);

// Writes the bytes to a temporary file beside `path` and renames it over
// `path`, so a failed write leaves the previous file intact. False on failure.
bool WriteFileAtomic(const std::string& path, const void* data, std::size_t size);

}  // namespace zorvek
