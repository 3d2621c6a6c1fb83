// The LZHUF decoding loop, shared by the decoder's two forms (byte callbacks, and a whole buffer in
// and out). TBits delivers the bit stream, most significant bit first: Peek() gives the next bits
// at the top of a 64-bit word, at least Available() of them valid, Skip(n) consumes n of those, and
// Bits(n) takes 1..8 bits.
// TSink receives Literal(byte) and Match(position, length), position counted back from the byte
// before the match. Both are expected to be small objects local to the caller: with everything
// inlined their state stays in registers for the whole loop.
#pragma once

#include <cstdint>

#include "LzhufModel.h"

namespace lzhuf {

// The walk from the root to a leaf, the bits at hand taken from a register and the source's state
// touched once per stretch, not once per bit. Records each node passed after *last (advancing it)
// and returns the leaf's son value (symbol + T).
template <typename TBits>
inline int WalkByStretches(const THuffTree& tree, TBits& bits, int*& last) {
  int child = tree.son[R];
  do {
    std::uint64_t window = bits.Peek();
    int* const start = last;
    int* const limit = last + bits.Available();
    do {
      const int node = child + static_cast<int>(window >> 63);
      window <<= 1;
      *++last = node;
      child = tree.son[node];
    } while (child < T && last < limit);
    bits.Skip(static_cast<int>(last - start));
  } while (child < T);
  return child;
}

// The same walk in one stretch, without counting bits on the way; only afterwards is it checked that
// the window held them all. With the buffer form's 56 bits it always does (a Huffman tree whose
// counts total at most MAX_FREQ is not half that deep); otherwise the walk is done again by
// stretches, which the unchanged tree makes end at the same leaf.
template <typename TBits>
inline int Walk(const THuffTree& tree, TBits& bits, int*& last) {
  int* const start = last;
  std::uint64_t window = bits.Peek();
  // Unsigned, so that no sign extension sits between one load and the next.
  unsigned child = static_cast<unsigned>(tree.son[R]);
  do {
    const unsigned node = child + static_cast<unsigned>(window >> 63);
    window <<= 1;
    *++last = static_cast<int>(node);
    child = static_cast<unsigned>(tree.son[node]);
  } while (child < T);
  const int length = static_cast<int>(last - start);
  if (length <= bits.Available()) {
    bits.Skip(length);
    return static_cast<int>(child);
  }
  last = start;
  return WalkByStretches(tree, bits, last);
}

// One symbol: the walk from the root follows the input bits to a leaf, then the symbol is counted.
template <typename TBits>
inline int DecodeSymbol(THuffTree& tree, TBits& bits) {
  // The nodes passed on the way down are the ones the count goes up through. Taking them from here
  // instead of following prnt[] spares a chain of dependent loads per level, which is most of the
  // update's time; once a node moves, the ones above it have changed and prnt[] takes over. A path
  // holds at most the root and one node per level of a tree of N_CHAR leaves.
  int path[N_CHAR];
  int* last = path;  // the deepest node so far
  *last = R;
  const int symbol = Walk(tree, bits, last) - T;

  if (tree.freq[R] == MAX_FREQ) {
    // The rebuild reorders the whole tree: the path no longer names the symbol's ancestors.
    tree.Update(symbol);
    return symbol;
  }
  for (; last > path; --last) {
    const int c = *last;
    const unsigned k = ++tree.freq[c];
    if (k > tree.freq[c + 1]) {
      tree.CountFrom(tree.prnt[tree.Raise(c, k)]);
      return symbol;
    }
  }
  ++tree.freq[R];  // the root has no right neighbour to overtake
  return symbol;
}

// Match position: the first 8 bits give the upper 6 bits of the position and the code length, the
// remaining bits of the code complete the lower 6.
template <typename TBits>
inline int DecodePosition(TBits& bits) {
  const int first = bits.Bits(8);
  const int extra = d_len[first] - 2;
  const int lower = ((first << extra) | bits.Bits(extra)) & 0x3F;
  return d_code[first] << 6 | lower;
}

// Produces at least count bytes into sink (a final match is delivered whole).
template <typename TBits, typename TSink>
inline void DecodeSymbols(THuffTree& tree, std::int32_t count, TBits& bits, TSink& sink) {
  tree.Start();
  for (std::int64_t produced = 0; produced < count;) {
    const int c = DecodeSymbol(tree, bits);
    if (c < 256) {
      sink.Literal(static_cast<std::uint8_t>(c));
      ++produced;
    } else {
      const int length = c - 255 + THRESHOLD;
      sink.Match(DecodePosition(bits), length);
      produced += length;
    }
  }
}

}  // namespace lzhuf
