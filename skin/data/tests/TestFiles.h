// Files the tests read: the test data (folder in TOLVANE_TESTDATA, set by CTest) and build outputs.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

inline std::filesystem::path TestDataDir() {
  const char* dir = std::getenv("TOLVANE_TESTDATA");
  if (!dir || !*dir) throw std::runtime_error("TOLVANE_TESTDATA is not set");
  return dir;
}

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
