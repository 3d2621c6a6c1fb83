// A plain LZHUF decoder written the straightforward way, as the yardstick for the skin stream
// decoder: bits taken one at a time from a one-word buffer, every byte through the ring buffer and
// then into the output array, the tree updated by a separate routine per symbol. It has its own
// tables and tree so that agreeing output says something about both decoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Decodes a packed stream (4-byte little-endian length, then the bit stream) into out, which must
// hold at least the declared length plus 59 bytes. Returns the number of bytes written.
std::size_t ReferenceLzhDecode(std::span<const std::uint8_t> packed, std::uint8_t* out);
