// The parts of the LZHUF scheme (LZSS + adaptive Huffman coding, Okumura and Yoshizaki 1988) that its
// decoder and encoder share: the parameters, the fixed code for the upper bits of a match position,
// and the adaptive Huffman tree. Every value here is part of the stored format.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
// son[n] + 1 the second, a son value >= T names a leaf. Nodes are kept in order of frequency, so
// node n's right neighbour n + 1 is the first candidate to overtake. freq[T] and the entries after
// it are sentinels that end every search to the right. Position 0 always holds a leaf (no
// internal node can have the smallest frequency), so prnt is 0 only above the root.
//
// The update runs once per decoded symbol: it is inline so that the decoding loop keeps its state
// in registers around it.
struct THuffTree {
  static constexpr int RunBlock = 16;         // counts compared at once in EndOfRun
  static constexpr int Sentinels = RunBlock;  // after freq[T - 1], so that EndOfRun never reads past
  static constexpr int Spare = T + N_CHAR;    // entry of prnt written to, never read

  std::uint16_t freq[T + Sentinels];
  int prnt[Spare + 1];
  int son[T];

  // Every symbol with frequency 1, internal nodes formed by pairing neighbours.
  void Start();

  // Counts one more occurrence of symbol c and restores the sibling order.
  void Update(int c) {
    if (freq[R] == MAX_FREQ) Rebuild();
    CountFrom(prnt[c + T]);
  }

  // Adds one to node c and each of its ancestors up to the root. (Unsigned, so that no sign
  // extension sits between one parent's load and the next.)
  void CountFrom(int node) {
    unsigned c = static_cast<unsigned>(node);
    do {
      const unsigned k = ++freq[c];
      if (k > freq[c + 1]) c = static_cast<unsigned>(Raise(static_cast<int>(c), k));
    } while ((c = static_cast<unsigned>(prnt[c])) != 0);
  }

  // Node c's count k now exceeds its right neighbour's: c trades places, subtrees included, with the
  // last node of smaller count. Returns c's new position.
  int Raise(int c, unsigned k) {
    const int l = EndOfRun(c + 1);
    freq[c] = freq[l];
    freq[l] = static_cast<std::uint16_t>(k);

    // The children of an internal node are two entries of prnt, a leaf is one. Whether a node is a
    // leaf follows no pattern, so the second write of a leaf goes to a spare entry instead of
    // behind a branch.
    const int i = son[c];
    prnt[i] = l;
    prnt[i < T ? i + 1 : Spare] = l;

    const int j = son[l];
    son[l] = i;
    prnt[j] = c;
    prnt[j < T ? j + 1 : Spare] = c;
    son[c] = j;
    return l;
  }

 private:
  // The last node of the run of equal counts that starts at first. The counts are sorted, so this is
  // also the last node below the next larger count. Runs of dozens of nodes are common (all counts
  // start at 1 and are halved together), and a loop that stops after a varying number of steps
  // mispredicts its exit, so with SSE2 (every x86-64) sixteen counts are compared at once.
  int EndOfRun(int first) const {
#if defined(__SSE2__)
    const __m128i run = _mm_set1_epi16(static_cast<short>(freq[first]));
    for (int l = first;; l += RunBlock) {
      const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&freq[l + 1]));
      const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&freq[l + 9]));
      // One bit per count, set where the count still equals the run's.
      const unsigned equal = static_cast<unsigned>(
          _mm_movemask_epi8(_mm_packs_epi16(_mm_cmpeq_epi16(low, run), _mm_cmpeq_epi16(high, run))));
      if (equal != 0xFFFF) return l + std::countr_one(equal);
    }
#else
    int l = first;
    while (freq[l + 1] == freq[first]) ++l;
    return l;
#endif
  }

  void Rebuild();
};

}  // namespace lzhuf
