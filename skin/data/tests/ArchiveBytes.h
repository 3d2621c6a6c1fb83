// Hand-made archives for the reader tests: every field under the test's control.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "LzhEncoder.h"

struct TRawArchive {
  std::int32_t Version = 70000;
  int Reserved = 69;  // bytes of reserved block actually written
  std::string NameList;
  std::optional<std::int32_t> NameListLength;  // none: the length of NameList
  std::vector<std::int32_t> Sizes;
  std::string Data;
  std::int32_t Word1 = 0;
  std::int32_t Word2 = 0;

  std::vector<std::uint8_t> Bytes() const {
    std::vector<std::uint8_t> out;
    auto put = [&](std::int32_t v) {
      for (int s = 0; s < 32; s += 8) out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> s));
    };
    put(Version);
    put(NameListLength.value_or(static_cast<std::int32_t>(NameList.size())));
    put(Word1);
    put(Word2);
    out.insert(out.end(), static_cast<std::size_t>(Reserved), 0xA5);  // the reader must skip, not read it
    out.insert(out.end(), NameList.begin(), NameList.end());
    for (std::int32_t size : Sizes) put(size);
    out.insert(out.end(), Data.begin(), Data.end());
    return out;
  }

  std::vector<std::uint8_t> Packed() const { return LzhEncode(Bytes()); }
};

inline std::string AsText(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }
