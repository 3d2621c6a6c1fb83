// The parts of the LZHUF scheme (LZSS + adaptive Huffman coding, Okumura and Yoshizaki 1988) that its
// decoder and encoder share: the parameters, the fixed code for the upper bits of a match position,
// and the adaptive Huffman tree. Every value here is part of the stored format.
#pragma once

#include <array>
#include <cstdint>

namespace lzhuf {

inline constexpr int N = 4096;                       // ring buffer size
inline constexpr int F = 60;                         // look-ahead: longest match
inline constexpr int THRESHOLD = 2;                  // a match must be longer than this
inline constexpr int N_CHAR = 256 - THRESHOLD + F;   // symbols: 256 literals and the match lengths 3..60
inline constexpr int T = N_CHAR * 2 - 1;             // tree nodes
inline constexpr int R = T - 1;                      // root
inline constexpr unsigned MAX_FREQ = 0x8000;         // root frequency that triggers a rebuild

// Code for the upper 6 bits of a 12-bit position: p_len[u] bits of p_code[u], left-aligned in a byte.
extern const std::array<std::uint8_t, 64> p_len;
extern const std::array<std::uint8_t, 64> p_code;
// The same code seen from the decoder: the first byte read selects the upper bits and the code length.
extern const std::array<std::uint8_t, 256> d_code;
extern const std::array<std::uint8_t, 256> d_len;

// Leaves are nodes T..T+N_CHAR-1 (prnt holds their parents); son[n] is the first child of node n,
// son[n] + 1 the second, a son value >= T names a leaf. freq[T] is a sentinel that stops the search
// for the insertion point in Update.
struct THuffTree {
  std::uint16_t freq[T + 1];
  std::int16_t prnt[T + N_CHAR];
  std::int16_t son[T];

  // Every symbol with frequency 1, internal nodes formed by pairing neighbours.
  void Start();
  // Counts one more occurrence of symbol c and restores the sibling order.
  void Update(int c);

 private:
  void Rebuild();
};

}  // namespace lzhuf
