#include "LzhReferenceDecoder.h"

namespace {

constexpr int kWindow = 4096;
constexpr int kLongest = 60;
constexpr int kThreshold = 2;
constexpr int kSymbols = 256 - kThreshold + kLongest;
constexpr int kNodes = 2 * kSymbols - 1;
constexpr int kRoot = kNodes - 1;
constexpr unsigned kMaxFreq = 0x8000;

// Decoder's view of the fixed code for the upper 6 position bits: the first byte gives the upper bits
// and the code length.
struct PositionTables {
  unsigned char upper[256];
  unsigned char length[256];
  PositionTables() {
    const int perLength[] = {1, 3, 8, 12, 24, 16};  // values of the upper bits with 3..8-bit codes
    int code = 0, value = 0;
    for (int i = 0; i < 6; ++i) {
      for (int n = 0; n < perLength[i]; ++n, ++value) {
        const int span = 1 << (8 - (3 + i));
        for (int b = 0; b < span; ++b) {
          upper[code + b] = static_cast<unsigned char>(value);
          length[code + b] = static_cast<unsigned char>(3 + i);
        }
        code += span;
      }
    }
  }
};
const PositionTables positionTables;

unsigned freq[kNodes + 1];
int prnt[kNodes + kSymbols];
int son[kNodes];
unsigned char text[kWindow + kLongest - 1];

const std::uint8_t* input;
const std::uint8_t* inputEnd;
unsigned bitBuffer;  // the next bits, left-aligned in 16 bits
int bitCount;

int NextByte() { return input < inputEnd ? *input++ : 0; }

int GetBit() {
  while (bitCount <= 8) {
    bitBuffer |= static_cast<unsigned>(NextByte()) << (8 - bitCount);
    bitCount += 8;
  }
  const int bit = (bitBuffer >> 15) & 1;
  bitBuffer = (bitBuffer << 1) & 0xFFFF;
  --bitCount;
  return bit;
}

int GetByte() {
  while (bitCount <= 8) {
    bitBuffer |= static_cast<unsigned>(NextByte()) << (8 - bitCount);
    bitCount += 8;
  }
  const int byte = (bitBuffer >> 8) & 0xFF;
  bitBuffer = (bitBuffer << 8) & 0xFFFF;
  bitCount -= 8;
  return byte;
}

void StartTree() {
  for (int i = 0; i < kSymbols; ++i) {
    freq[i] = 1;
    son[i] = i + kNodes;
    prnt[i + kNodes] = i;
  }
  for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
    freq[j] = freq[i] + freq[i + 1];
    son[j] = i;
    prnt[i] = prnt[i + 1] = j;
  }
  freq[kNodes] = 0xFFFF;
  prnt[kRoot] = 0;
}

void RebuildTree() {
  int j = 0;
  for (int i = 0; i < kNodes; ++i) {
    if (son[i] >= kNodes) {
      freq[j] = (freq[i] + 1) / 2;
      son[j] = son[i];
      ++j;
    }
  }
  for (int i = 0, j = kSymbols; j < kNodes; i += 2, ++j) {
    const unsigned f = freq[i] + freq[i + 1];
    int k = j - 1;
    while (f < freq[k]) --k;
    ++k;
    for (int m = j; m > k; --m) {
      freq[m] = freq[m - 1];
      son[m] = son[m - 1];
    }
    freq[k] = f;
    son[k] = i;
  }
  for (int i = 0; i < kNodes; ++i) {
    const int k = son[i];
    prnt[k] = i;
    if (k < kNodes) prnt[k + 1] = i;
  }
}

void UpdateTree(int symbol) {
  if (freq[kRoot] == kMaxFreq) RebuildTree();
  int c = prnt[symbol + kNodes];
  do {
    const unsigned k = ++freq[c];
    int l = c + 1;
    if (k > freq[l]) {
      while (k > freq[++l]) {
      }
      --l;
      freq[c] = freq[l];
      freq[l] = k;
      const int i = son[c];
      prnt[i] = l;
      if (i < kNodes) prnt[i + 1] = l;
      const int j = son[l];
      son[l] = i;
      prnt[j] = c;
      if (j < kNodes) prnt[j + 1] = c;
      son[c] = j;
      c = l;
    }
  } while ((c = prnt[c]) != 0);
}

int DecodeSymbol() {
  int c = son[kRoot];
  while (c < kNodes) c = son[c + GetBit()];
  c -= kNodes;
  UpdateTree(c);
  return c;
}

int DecodePosition() {
  int i = GetByte();
  const int upper = positionTables.upper[i] << 6;
  for (int j = positionTables.length[i] - 2; j > 0; --j) i = (i << 1) + GetBit();
  return upper | (i & 0x3F);
}

}  // namespace

std::size_t ReferenceLzhDecode(std::span<const std::uint8_t> packed, std::uint8_t* out) {
  if (packed.size() < 4) return 0;
  const long length = static_cast<long>(static_cast<std::int32_t>(
      packed[0] | packed[1] << 8 | packed[2] << 16 | static_cast<std::uint32_t>(packed[3]) << 24));
  input = packed.data() + 4;
  inputEnd = packed.data() + packed.size();
  bitBuffer = 0;
  bitCount = 0;
  StartTree();
  for (int i = 0; i < kWindow - kLongest; ++i) text[i] = ' ';
  for (int i = kWindow - kLongest; i < kWindow; ++i) text[i] = 0;
  int r = kWindow - kLongest;
  long count = 0;
  while (count < length) {
    const int c = DecodeSymbol();
    if (c < 256) {
      out[count++] = static_cast<std::uint8_t>(c);
      text[r++] = static_cast<unsigned char>(c);
      r &= kWindow - 1;
    } else {
      const int from = r - DecodePosition() - 1;
      const int n = c - 255 + kThreshold;
      for (int k = 0; k < n; ++k) {
        const unsigned char b = text[(from + k) & (kWindow - 1)];
        out[count++] = b;
        text[r++] = b;
        r &= kWindow - 1;
      }
    }
  }
  return static_cast<std::size_t>(count);
}
