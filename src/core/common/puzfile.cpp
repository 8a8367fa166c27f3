#include "core/common/puzfile.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "core/common/types.h"

namespace zorvek {

PuzHeader MakePuzHeader(int kind) {
  PuzHeader h{};
  h.magicLength = 4;
  h.magic[0] = 'Q';
  h.magic[1] = 'V';
  h.magic[2] = 'Z';
  h.magic[3] = KindLetter(kind);
  return h;
}

int KindOfMagic(const std::uint8_t* bytes, std::size_t size) {
  if (bytes == nullptr || size < 5 || bytes[0] != 4) return -1;
  if (std::memcmp(bytes + 1, "QVZ", 3) != 0) return -1;
  for (int kind = kKindSudoku; kind <= kKindHexKakuro; ++kind)
    if (bytes[4] == static_cast<std::uint8_t>(KindLetter(kind))) return kind;
  return -1;
}

std::string PuzRejectMessage(int readerKind, const std::uint8_t* bytes, std::size_t size) {
  std::string text = std::string("Error reading ") + KindName(readerKind) +
                     " puzzle file.\n\r\n\r";
  const int found = KindOfMagic(bytes, size);
  if (found >= 0 && found != readerKind)
    return text + "The file you have accessed is a " + KindName(found) + " puzzle.";
  return text + "Unrecognized file format.";
}

std::string DefaultPuzFileName(int kind, int difficulty, const std::string& gridSize,
                               int saveCounter) {
  return std::string(KindName(kind)) + DifficultyWord(difficulty) + gridSize + "_" +
         std::to_string(static_cast<long long>(saveCounter) + 1);
}

std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
  std::vector<std::uint8_t> bytes;
  std::ifstream in(path, std::ios::binary);
  if (!in) return bytes;
  bytes.resize(maxBytes);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(maxBytes));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

bool WriteFileAtomic(const std::string& path, const void* data, std::size_t size) {
  // A name of our own beside the target, so the rename stays on one file system
  // and no file of the player's is touched.
  const std::string temp = path + ".zorvek-tmp";
  std::FILE* out = std::fopen(temp.c_str(), "wb");
  if (out == nullptr) return false;
  bool ok = std::fwrite(data, 1, size, out) == size && std::fflush(out) == 0;
  // On disk before the rename, so a crash leaves the old file or the new one.
  ok = ok && ::fsync(::fileno(out)) == 0;
  ok = std::fclose(out) == 0 && ok;
  std::error_code ec;
  if (ok) std::filesystem::rename(temp, path, ec);
  if (!ok || ec) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace zorvek
