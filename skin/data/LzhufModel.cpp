#include "LzhufModel.h"

#include <cstring>

namespace lzhuf {
namespace {

// The position code is canonical: lengths 3..8 bits for 1, 3, 8, 12, 24 and 16 values of the upper
// bits, in increasing order, codes assigned consecutively. The four tables all follow from that.
constexpr std::array<std::uint8_t, 64> MakeLengths() {
  constexpr int counts[] = {1, 3, 8, 12, 24, 16};  // for lengths 3, 4, 5, 6, 7, 8
  std::array<std::uint8_t, 64> len{};
  int u = 0;
  for (int i = 0; i < 6; ++i)
    for (int k = 0; k < counts[i]; ++k) len[u++] = static_cast<std::uint8_t>(3 + i);
  return len;
}

constexpr std::array<std::uint8_t, 64> MakeCodes(const std::array<std::uint8_t, 64>& len) {
  std::array<std::uint8_t, 64> code{};
  int next = 0;  // next free code as a prefix of a byte
  for (int u = 0; u < 64; ++u) {
    code[u] = static_cast<std::uint8_t>(next);
    next += 1 << (8 - len[u]);
  }
  return code;
}

constexpr std::array<std::uint8_t, 256> MakeDecodeTable(const std::array<std::uint8_t, 64>& len,
                                                        const std::array<std::uint8_t, 64>& code,
                                                        bool lengths) {
  std::array<std::uint8_t, 256> table{};
  for (int u = 0; u < 64; ++u)
    for (int b = 0; b < (1 << (8 - len[u])); ++b)
      table[code[u] + b] = lengths ? len[u] : static_cast<std::uint8_t>(u);
  return table;
}

constexpr auto kLengths = MakeLengths();
constexpr auto kCodes = MakeCodes(kLengths);
static_assert(kCodes[63] == 0xFF, "the position code must fill the byte space exactly");

}  // namespace

const std::array<std::uint8_t, 64> p_len = kLengths;
const std::array<std::uint8_t, 64> p_code = kCodes;
const std::array<std::uint8_t, 256> d_code = MakeDecodeTable(kLengths, kCodes, false);
const std::array<std::uint8_t, 256> d_len = MakeDecodeTable(kLengths, kCodes, true);

void THuffTree::Start() {
  for (int i = 0; i < N_CHAR; ++i) {
    freq[i] = 1;
    son[i] = i + T;
    prnt[i + T] = i;
  }
  for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
    freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
    son[j] = i;
    prnt[i] = prnt[i + 1] = j;
  }
  for (int i = T; i < T + Sentinels; ++i) freq[i] = 0xFFFF;
  prnt[R] = 0;
}

void THuffTree::Rebuild() {
  // Collect the leaves in the lower half, halving their counts.
  int j = 0;
  for (int i = 0; i < T; ++i) {
    if (son[i] >= T) {
      freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
      son[j] = son[i];
      ++j;
    }
  }
  // Pair them up again; each sum goes where it keeps the frequencies sorted.
  for (int i = 0, n = N_CHAR; n < T; i += 2, ++n) {
    const std::uint16_t f = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
    int k = n - 1;
    while (f < freq[k]) --k;
    ++k;
    const std::size_t moved = static_cast<std::size_t>(n - k);
    std::memmove(&freq[k + 1], &freq[k], moved * sizeof freq[0]);
    freq[k] = f;
    std::memmove(&son[k + 1], &son[k], moved * sizeof son[0]);
    son[k] = i;
  }
  for (int i = 0; i < T; ++i) {
    const int k = son[i];
    if (k >= T)
      prnt[k] = i;
    else
      prnt[k] = prnt[k + 1] = i;
  }
}

}  // namespace lzhuf
