// LZHUF encoder: the counterpart of TLZH. Writes the 4-byte unpacked length and then the bit stream.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data);
