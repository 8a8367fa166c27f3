#include <filesystem>
#include <iostream>

#include "cli/cli.h"
#include "common/puzfile.h"

namespace zorvek::cli {

std::string NextFreeName(const std::string& dir, const std::string& stemWithSize, int& counter) {
  for (;;) {
    ++counter;
    const std::string name = stemWithSize + "_" + std::to_string(counter) + ".puz";
    if (!std::filesystem::exists(std::filesystem::path(dir) / name)) return name;
  }
}

bool WriteOrComplain(const std::string& path, const void* data, std::size_t size) {
  if (WriteFileAtomic(path, data, size)) return true;
  std::cerr << "zorvek: cannot write " << path << "\n";
  return false;
}

}  // namespace zorvek::cli
