#include "LzhEncoder.h"

#include <limits>
#include <memory>
#include <stdexcept>

#include "LzhufModel.h"

using namespace lzhuf;

namespace {

constexpr int NIL = N;  // "no node" in the match trees

class TBitOutput {
 public:
  explicit TBitOutput(std::vector<std::uint8_t>& out) : FOut(out) {}

  // Appends the top `length` bits of code (at most 16).
  void PutCode(int length, unsigned code) {
    FBuffer = static_cast<std::uint16_t>(FBuffer | (code >> FLength));
    FLength += length;
    if (FLength >= 8) {
      FOut.push_back(static_cast<std::uint8_t>(FBuffer >> 8));
      FLength -= 8;
      if (FLength >= 8) {
        FOut.push_back(static_cast<std::uint8_t>(FBuffer));
        FLength -= 8;
        FBuffer = static_cast<std::uint16_t>(code << (length - FLength));
      } else {
        FBuffer = static_cast<std::uint16_t>(FBuffer << 8);
      }
    }
  }

  void Flush() {
    if (FLength > 0) FOut.push_back(static_cast<std::uint8_t>(FBuffer >> 8));
  }

 private:
  std::vector<std::uint8_t>& FOut;
  std::uint16_t FBuffer = 0;
  int FLength = 0;
};

// LZSS side of the encoder: binary search trees over the ring buffer find the longest match.
struct TMatchFinder {
  std::uint8_t text[N + F - 1];
  std::int16_t lson[N + 1];
  std::int16_t rson[N + 257];  // N+1..N+256 are the roots, one per first byte
  std::int16_t dad[N + 1];
  int matchPosition = 0;
  int matchLength = 0;

  void Init() {
    for (int i = N + 1; i <= N + 256; ++i) rson[i] = NIL;
    for (int i = 0; i < N; ++i) dad[i] = NIL;
  }

  // Inserts the string at r and leaves the longest earlier match in matchLength/matchPosition
  // (the nearest one among equally long matches).
  void Insert(int r) {
    int cmp = 1;
    const std::uint8_t* key = &text[r];
    int p = N + 1 + key[0];
    rson[r] = lson[r] = NIL;
    matchLength = 0;
    for (;;) {
      if (cmp >= 0) {
        if (rson[p] != NIL) {
          p = rson[p];
        } else {
          rson[p] = static_cast<std::int16_t>(r);
          dad[r] = static_cast<std::int16_t>(p);
          return;
        }
      } else {
        if (lson[p] != NIL) {
          p = lson[p];
        } else {
          lson[p] = static_cast<std::int16_t>(r);
          dad[r] = static_cast<std::int16_t>(p);
          return;
        }
      }
      int i = 1;
      for (; i < F; ++i)
        if ((cmp = key[i] - text[p + i]) != 0) break;
      if (i > THRESHOLD) {
        const int position = ((r - p) & (N - 1)) - 1;
        if (i > matchLength) {
          matchPosition = position;
          if ((matchLength = i) >= F) break;
        } else if (i == matchLength && position < matchPosition) {
          matchPosition = position;
        }
      }
    }
    // A full-length match: r takes p's place in the tree.
    dad[r] = dad[p];
    lson[r] = lson[p];
    rson[r] = rson[p];
    dad[lson[p]] = static_cast<std::int16_t>(r);
    dad[rson[p]] = static_cast<std::int16_t>(r);
    if (rson[dad[p]] == p)
      rson[dad[p]] = static_cast<std::int16_t>(r);
    else
      lson[dad[p]] = static_cast<std::int16_t>(r);
    dad[p] = NIL;
  }

  void Delete(int p) {
    if (dad[p] == NIL) return;
    int q;
    if (rson[p] == NIL) {
      q = lson[p];
    } else if (lson[p] == NIL) {
      q = rson[p];
    } else {
      q = lson[p];
      if (rson[q] != NIL) {
        do q = rson[q];
        while (rson[q] != NIL);
        rson[dad[q]] = lson[q];
        dad[lson[q]] = dad[q];
        lson[q] = lson[p];
        dad[lson[p]] = static_cast<std::int16_t>(q);
      }
      rson[q] = rson[p];
      dad[rson[p]] = static_cast<std::int16_t>(q);
    }
    dad[q] = dad[p];
    if (rson[dad[p]] == p)
      rson[dad[p]] = static_cast<std::int16_t>(q);
    else
      lson[dad[p]] = static_cast<std::int16_t>(q);
    dad[p] = NIL;
  }
};

void EncodeChar(THuffTree& tree, TBitOutput& out, int c) {
  // Walk from the leaf to the root, collecting the path bits from the bottom up.
  unsigned code = 0;
  int length = 0;
  int k = tree.prnt[c + T];
  do {
    code >>= 1;
    if (k & 1) code += 0x8000;
    ++length;
  } while ((k = tree.prnt[k]) != R);
  out.PutCode(length, code);
  tree.Update(c);
}

void EncodePosition(TBitOutput& out, int position) {
  const int upper = position >> 6;
  out.PutCode(p_len[upper], static_cast<unsigned>(p_code[upper]) << 8);
  out.PutCode(6, static_cast<unsigned>(position & 0x3F) << 10);
}

}  // namespace

std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data) {
  if (data.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("LZH: input larger than 2 GB");
  const auto size = static_cast<std::uint32_t>(data.size());
  std::vector<std::uint8_t> out = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                   static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
  if (data.empty()) return out;
  out.reserve(out.size() + data.size() / 2);

  auto tree = std::make_unique<THuffTree>();
  auto finder = std::make_unique<TMatchFinder>();
  TBitOutput bits(out);
  tree->Start();
  finder->Init();
  std::uint8_t* text = finder->text;

  std::size_t next = 0;  // next input byte
  int s = 0;
  int r = N - F;
  for (int i = s; i < r; ++i) text[i] = ' ';
  int len = 0;
  for (; len < F && next < data.size(); ++len) text[r + len] = data[next++];
  for (int i = 1; i <= F; ++i) finder->Insert(r - i);
  finder->Insert(r);

  do {
    if (finder->matchLength > len) finder->matchLength = len;
    if (finder->matchLength <= THRESHOLD) {
      finder->matchLength = 1;
      EncodeChar(*tree, bits, text[r]);
    } else {
      EncodeChar(*tree, bits, 255 - THRESHOLD + finder->matchLength);
      EncodePosition(bits, finder->matchPosition);
    }
    const int lastMatchLength = finder->matchLength;
    int i = 0;
    for (; i < lastMatchLength && next < data.size(); ++i) {
      finder->Delete(s);
      const std::uint8_t c = data[next++];
      text[s] = c;
      if (s < F - 1) text[s + N] = c;  // mirror so that comparisons can run past the end
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      finder->Insert(r);
    }
    for (; i < lastMatchLength; ++i) {
      finder->Delete(s);
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      if (--len) finder->Insert(r);
    }
  } while (len > 0);
  bits.Flush();
  return out;
}
