#include <filesystem>
#include <iostream>

#include "cli/cli.h"
#include "core/common/puzfile.h"

namespace zorvek::cli {

void AnnounceSeed(std::uint64_t seed) {
  std::cerr << "zorvek: seed " << seed << " (--seed " << seed << " makes the same again)\n";
}

bool WriteGenerated(const GenerateOptions& options, const std::string& stemWithSize, int& counter,
                    const void* record, std::size_t size, long long attempts, long long ms) {
  const std::filesystem::path dir(options.outDir);
  std::string name;
  do {
    name = stemWithSize + "_" + std::to_string(++counter) + ".puz";
  } while (std::filesystem::exists(dir / name));
  const std::string path = (dir / name).string();
  if (!WriteFileAtomic(path, record, size)) {
    std::cerr << "zorvek: cannot write " << path << "\n";
    return false;
  }
  std::cout << name << "  attempts " << attempts << "  " << ms << " ms\n";
  return true;
}

}  // namespace zorvek::cli
