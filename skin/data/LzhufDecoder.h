// The LZHUF decoding loop, shared by the decoder's two forms (byte callbacks, and a whole buffer in
// and out). TBits delivers the bit stream: Bit(), and Bits(n) for 1..8 bits, most significant first.
// TSink receives Literal(byte) and Match(position, length), position counted back from the byte
// before the match. Both are expected to be small objects local to the caller: with everything
// inlined their state stays in registers for the whole loop.
#pragma once

#include <cstdint>

#include "LzhufModel.h"

namespace lzhuf {

// One symbol: the walk from the root follows the input bits to a leaf, then the symbol is counted.
template <typename TBits>
inline int DecodeSymbol(THuffTree& tree, TBits& bits) {
  // The nodes passed on the way down are the ones the count goes up through. Taking them from here
  // instead of following prnt[] spares a chain of dependent loads per level, which is most of the
  // update's time; once a node moves, the ones above it have changed and prnt[] takes over. A path
  // holds at most the root and one node per level of a tree of N_CHAR leaves.
  int path[N_CHAR];
  int depth = 0;
  path[depth++] = R;
  int child = tree.son[R];
  do {
    const int node = child + bits.Bit();
    path[depth++] = node;
    child = tree.son[node];
  } while (child < T);
  const int symbol = child - T;

  if (tree.freq[R] == MAX_FREQ) {
    // The rebuild reorders the whole tree: the path no longer names the symbol's ancestors.
    tree.Update(symbol);
    return symbol;
  }
  for (int i = depth - 1; i > 0; --i) {
    const int c = path[i];
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
