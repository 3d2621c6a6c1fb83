// TLZH: the LZHUF decoder's two forms over one decoding loop (LzhufDecoder.h).
#include <cstring>
#include <new>

#include "LzhufDecoder.h"
#include "SkinRead.h"

using namespace lzhuf;

namespace {

// Everything one decode needs besides the streams.
struct TDecodeTables {
  THuffTree Tree;
  std::uint8_t Window[N];  // ring buffer of the callback form
};

// Takes the tables from memory for the duration of work, reporting failures of the memory resource
// as ElzhException (a failure of work itself is the one reported).
template <typename TWork>
void WithTables(std::pmr::memory_resource* memory, TWork&& work) {
  void* block = nullptr;
  try {
    block = memory->allocate(sizeof(TDecodeTables), alignof(TDecodeTables));
  } catch (const std::bad_alloc&) {
    throw ElzhException(ElzhException::NoMemory);
  }
  try {
    work(*static_cast<TDecodeTables*>(block));
  } catch (...) {
    try {
      memory->deallocate(block, sizeof(TDecodeTables), alignof(TDecodeTables));
    } catch (...) {
    }
    throw;
  }
  try {
    memory->deallocate(block, sizeof(TDecodeTables), alignof(TDecodeTables));
  } catch (...) {
    throw ElzhException(ElzhException::FreeFailed);
  }
}

// The window before the first byte: N - F spaces, then bytes never written, which read as zeros.
constexpr std::uint8_t StartWindowByte(std::int64_t index) { return index >= -(N - F) ? ' ' : 0; }

// Callback form: a 16-bit buffer topped up a byte at a time whenever 8 bits or fewer are left before
// bits are taken, so the reader is never more than two bytes ahead of the bits used. A byte not
// delivered counts as 0.
class TCallbackBits {
 public:
  explicit TCallbackBits(const TLZH::TReadByte& readByte) : FReadByte(readByte) {}

  std::uint64_t Peek() {
    Fill();
    return static_cast<std::uint64_t>(FBuffer) << 48;
  }
  // Bits that can be taken one at a time before the next top-up.
  int Available() const { return FLength - 8; }
  void Skip(int n) {
    FBuffer = static_cast<std::uint16_t>(FBuffer << n);
    FLength = static_cast<std::uint8_t>(FLength - n);
  }

  int Bits(int n) {
    if (n == 8) {
      Fill();
      const int byte = FBuffer >> 8;
      Skip(8);
      return byte;
    }
    int value = 0;
    while (n-- > 0) {
      Fill();
      value = (value << 1) | (FBuffer >> 15);
      Skip(1);
    }
    return value;
  }

 private:
  void Fill() {
    while (FLength <= 8) {
      std::uint8_t byte = 0;
      if (FReadByte(byte) != 1) byte = 0;
      FBuffer = static_cast<std::uint16_t>(FBuffer | (byte << (8 - FLength)));
      FLength = static_cast<std::uint8_t>(FLength + 8);
    }
  }

  const TLZH::TReadByte& FReadByte;
  std::uint16_t FBuffer = 0;
  std::uint8_t FLength = 0;
};

// Callback form: each byte goes to writeByte and into the ring buffer that matches copy from.
class TCallbackSink {
 public:
  TCallbackSink(std::uint8_t* window, const TLZH::TWriteByte& writeByte) : FWindow(window), FWriteByte(writeByte) {
    std::memset(FWindow, ' ', N - F);
    std::memset(FWindow + N - F, 0, F);  // as StartWindowByte
  }

  void Literal(std::uint8_t byte) { Put(byte); }

  void Match(int position, int length) {
    const int source = FNext - position - 1;
    for (int k = 0; k < length; ++k) Put(FWindow[(source + k) & (N - 1)]);
  }

 private:
  void Put(std::uint8_t byte) {
    FWriteByte(byte);
    FWindow[FNext] = byte;
    FNext = (FNext + 1) & (N - 1);
  }

  std::uint8_t* FWindow;
  const TLZH::TWriteByte& FWriteByte;
  int FNext = N - F;
};

// Buffer form: the bits in a 64-bit word, next bit at the top, topped up to 56..63 bits from memory
// before bits are looked at. Past the end of the input come zeros.
class TBufferBits {
 public:
  explicit TBufferBits(std::span<const std::uint8_t> bits) : FNext(bits.data()), FEnd(bits.data() + bits.size()) {}

  std::uint64_t Peek() {
    Fill();
    return FBuffer;
  }
  int Available() const { return FCount; }
  void Skip(int n) {
    FBuffer <<= n;
    FCount -= n;
  }

  // 1 to 8 bits.
  int Bits(int n) {
    const int value = static_cast<int>(Peek() >> (64 - n));
    Skip(n);
    return value;
  }

 private:
  // Whether a top-up is due follows no pattern, so it is done every time, without a branch: an
  // 8-byte load shifted below the bits held is ORed in, and the whole bytes among those are counted
  // as read. The bits of a byte that only partly fits are the same bits the next top-up ORs in
  // again, so the bits below the count are always either zero or the stream's own.
  void Fill() {
    if (FEnd - FNext >= 8) {
      std::uint64_t word = 0;
      for (int i = 0; i < 8; ++i) word = word << 8 | FNext[i];
      FBuffer |= word >> FCount;
      FNext += (63 - FCount) >> 3;
      FCount |= 56;
    } else {
      for (; FCount < 56; FCount += 8) {
        const std::uint64_t byte = FNext < FEnd ? *FNext++ : 0;
        FBuffer |= byte << (56 - FCount);
      }
    }
  }

  const std::uint8_t* FNext;
  const std::uint8_t* FEnd;
  std::uint64_t FBuffer = 0;
  int FCount = 0;
};

// Buffer form: bytes go straight into the output, which is also the window that matches copy from,
// so there is no ring buffer to keep.
class TBufferSink {
 public:
  // Room the output needs past the count asked for: a final match runs up to F - 1 bytes beyond it,
  // and word copies up to 7 bytes beyond the match.
  static constexpr int Overrun = F + 8;

  explicit TBufferSink(std::uint8_t* out) : FStart(out), FNext(out) {}

  void Literal(std::uint8_t byte) { *FNext++ = byte; }

  void Match(int position, int length) {
    const std::ptrdiff_t distance = position + 1;
    std::uint8_t* to = FNext;
    FNext += length;
    if (distance > to - FStart) {
      CopyFromStartWindow(to, distance, length);
    } else if (distance >= 8) {
      // Whole words: each one reads only bytes already written, and may run up to 7 bytes past the
      // match into the room at the end, to be overwritten by what follows.
      const std::uint8_t* from = to - distance;
      for (int k = 0; k < length; k += 8) std::memcpy(to + k, from + k, 8);
    } else if (distance == 1) {
      // A run of one byte (common in bitmaps): no byte of it depends on the one just stored.
      const std::uint64_t word = 0x0101010101010101u * to[-1];
      for (int k = 0; k < length; k += 8) std::memcpy(to + k, &word, 8);
    } else {
      // The match repeats its last distance bytes. Byte by byte each load waits for the store just
      // before it, so only the first 8 go that way; from there on the output also repeats at the
      // first multiple of distance that is at least 8, and whole words can be copied from it.
      const std::uint8_t* from = to - distance;
      for (int k = 0; k < 8; ++k) to[k] = from[k];
      const std::ptrdiff_t stride = RepeatStride[distance];
      for (int k = 8; k < length; k += 8) std::memcpy(to + k, to + k - stride, 8);
    }
  }

  std::size_t Produced() const { return static_cast<std::size_t>(FNext - FStart); }

 private:
  // For a distance below 8, its smallest multiple that is at least 8.
  static constexpr std::uint8_t RepeatStride[8] = {0, 8, 8, 9, 8, 10, 12, 14};

  // A match that reaches back before the first byte (only near the start).
  void CopyFromStartWindow(std::uint8_t* to, std::ptrdiff_t distance, int length) {
    for (int k = 0; k < length; ++k) {
      const std::ptrdiff_t from = (to - FStart) + k - distance;
      to[k] = from >= 0 ? FStart[from] : StartWindowByte(from);
    }
  }

  std::uint8_t* const FStart;
  std::uint8_t* FNext;
};

// The buffer form's loop; returns the number of bytes written to out.
std::size_t DecodeBuffer(THuffTree& tree, std::int32_t count, std::span<const std::uint8_t> bits, std::uint8_t* out) {
  TBufferBits input(bits);
  TBufferSink sink(out);
  DecodeSymbols(tree, count, input, sink);
  return sink.Produced();
}

}  // namespace

TLZH::TLZH(std::pmr::memory_resource* tableMemory) : FTableMemory(tableMemory) {}

void TLZH::Decode(std::int32_t count, const TReadByte& readByte, const TWriteByte& writeByte) {
  WithTables(FTableMemory, [&](TDecodeTables& tables) {
    TCallbackBits bits(readByte);
    TCallbackSink sink(tables.Window, writeByte);
    DecodeSymbols(tables.Tree, count, bits, sink);
  });
}

void TLZH::Decode(std::int32_t count, std::span<const std::uint8_t> bits, std::vector<std::uint8_t>& dest) {
  dest.clear();
  WithTables(FTableMemory, [&](TDecodeTables& tables) {
    if (count <= 0) return;
    dest.resize(static_cast<std::size_t>(count) + TBufferSink::Overrun);
    dest.resize(DecodeBuffer(tables.Tree, count, bits, dest.data()));
  });
}
