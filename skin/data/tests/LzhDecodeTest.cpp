// The LZHUF decoder against streams made by an independent encoder, its two forms against each
// other, and its handling of lengths, short input and table memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <memory_resource>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "LzhEncoder.h"
#include "LzhufModel.h"
#include "SkinRead.h"
#include "TestFiles.h"

namespace {

std::vector<std::uint8_t> DecodeBits(std::span<const std::uint8_t> bits, std::int32_t count,
                                     int* readsAfterEnd = nullptr) {
  std::vector<std::uint8_t> out;
  std::size_t pos = 0;
  TLZH lzh;
  lzh.Decode(
      count,
      [&](std::uint8_t& b) {
        if (pos >= bits.size()) {
          if (readsAfterEnd) ++*readsAfterEnd;
          return 0;
        }
        b = bits[pos++];
        return 1;
      },
      [&](std::uint8_t b) { out.push_back(b); });
  return out;
}

std::vector<std::uint8_t> Vector(const std::string& name, const char* extension) {
  return ReadBytes(TestDataDir() / "lzhuf" / (name + extension));
}

class LzhTestVector : public testing::TestWithParam<std::string> {};

TEST_P(LzhTestVector, DecompressReproducesTheOriginalExactly) {
  const auto packed = Vector(GetParam(), ".lzh");
  const auto expected = Vector(GetParam(), ".bin");
  std::vector<std::uint8_t> out{1, 2, 3};
  ASSERT_TRUE(TSkinReader::Decompress(packed, out));
  ASSERT_EQ(out.size(), expected.size());
  EXPECT_TRUE(out == expected);
}

INSTANTIATE_TEST_SUITE_P(TestData, LzhTestVector,
                         testing::Values("empty", "english", "gbk_article", "gradient_pixels", "long_run",
                                         "one_byte", "small_alphabet"));

TEST(LzhDecode, FinalMatchPastTheRequestedCountIsCopiedWhole) {
  // long_run is one literal and then 60-byte matches: asking for 2 bytes ends inside the first match.
  const auto packed = Vector("long_run", ".lzh");
  const auto expected = Vector("long_run", ".bin");
  const auto out = DecodeBits(std::span(packed).subspan(4), 2);
  EXPECT_EQ(out.size(), 61u);
  EXPECT_TRUE(std::equal(out.begin(), out.end(), expected.begin()));
}

TEST(LzhDecode, EveryShorterCountGivesAPrefixOfAtMost59ExtraBytes) {
  const auto packed = Vector("english", ".lzh");
  const auto expected = Vector("english", ".bin");
  for (std::int32_t count : {1, 7, 100, 4096, 20000}) {
    const auto out = DecodeBits(std::span(packed).subspan(4), count);
    ASSERT_GE(out.size(), static_cast<std::size_t>(count));
    ASSERT_LE(out.size(), static_cast<std::size_t>(count) + 59);
    EXPECT_TRUE(std::equal(out.begin(), out.end(), expected.begin())) << "count " << count;
  }
}

std::vector<std::uint8_t> DecodeBuffer(std::span<const std::uint8_t> bits, std::int32_t count) {
  std::vector<std::uint8_t> out{7, 7};
  TLZH().Decode(count, bits, out);
  return out;
}

// The buffer form gives the callback form's bytes: whole streams, shorter counts, cut-off input.
TEST(LzhDecode, BufferFormGivesTheSameBytesAsTheCallbackForm) {
  for (const char* name : {"english", "gbk_article", "gradient_pixels", "long_run", "small_alphabet"}) {
    const auto packed = Vector(name, ".lzh");
    const auto bits = std::span(packed).subspan(4);
    const auto length = static_cast<std::int32_t>(Vector(name, ".bin").size());
    for (std::int32_t count : {1, 61, 4097, length}) {
      EXPECT_TRUE(DecodeBuffer(bits, count) == DecodeBits(bits, count)) << name << " count " << count;
    }
    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{7}, std::size_t{9}, bits.size() / 2}) {
      const auto shorter = bits.first(std::min(cut, bits.size()));
      EXPECT_TRUE(DecodeBuffer(shorter, length) == DecodeBits(shorter, length)) << name << " cut " << cut;
    }
  }
  EXPECT_TRUE(DecodeBuffer({}, 0).empty());
  EXPECT_TRUE(DecodeBuffer({}, -5).empty());
}

TEST(LzhDecode, MatchesRepeatTheirLastBytesAtEveryShortDistance) {
  // A period below the match length makes each match overlap the bytes it produces.
  for (int period = 1; period <= 20; ++period) {
    std::vector<std::uint8_t> data(3000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>('a' + i % period);
    const auto packed = LzhEncode(data);
    const auto bits = std::span(packed).subspan(4);
    EXPECT_TRUE(DecodeBuffer(bits, 3000) == data) << "period " << period;
    EXPECT_TRUE(DecodeBits(bits, 3000) == data) << "period " << period;
  }
}

TEST(LzhDecode, MatchesReachBackIntoTheSpacesBeforeTheFirstByte) {
  const std::string text = "      indented        text  ";
  const std::vector<std::uint8_t> data(text.begin(), text.end());
  const auto packed = LzhEncode(data);
  EXPECT_LT(packed.size(), 4 + data.size());  // the spaces did come from matches
  const auto bits = std::span(packed).subspan(4);
  EXPECT_TRUE(DecodeBuffer(bits, static_cast<std::int32_t>(data.size())) == data);
  EXPECT_TRUE(DecodeBits(bits, static_cast<std::int32_t>(data.size())) == data);
}

// A stream of one 3-byte match at position back from the start, coded by hand.
std::vector<std::uint8_t> FirstMatchAt(int position) {
  auto tree = std::make_unique<lzhuf::THuffTree>();
  tree->Start();
  std::vector<int> bits;
  for (int node = tree->prnt[256 + lzhuf::T]; node != lzhuf::R; node = tree->prnt[node])
    bits.insert(bits.begin(), node & 1);
  const int upper = position >> 6;
  for (int i = 0; i < lzhuf::p_len[upper]; ++i) bits.push_back((lzhuf::p_code[upper] >> (7 - i)) & 1);
  for (int i = 5; i >= 0; --i) bits.push_back((position >> i) & 1);
  std::vector<std::uint8_t> stream((bits.size() + 7) / 8, 0);
  for (std::size_t i = 0; i < bits.size(); ++i) stream[i / 8] |= static_cast<std::uint8_t>(bits[i] << (7 - i % 8));
  return stream;
}

TEST(LzhDecode, TheWindowBeforeTheFirstByteIsSpacesThenZeros) {
  // The first byte is stored after N - F spaces; the F bytes beyond them were never written, and a
  // match that runs past the last of them wraps around to the spaces.
  using lzhuf::F;
  using lzhuf::N;
  const std::vector<std::uint8_t> spaces(3, ' '), zeros(3, 0), wrapping{0, ' ', ' '};
  for (const auto& [position, expected] : {std::pair{0, spaces}, std::pair{N - F - 1, spaces},
                                           std::pair{N - F, wrapping}, std::pair{N - F + 2, zeros},
                                           std::pair{N - 1, zeros}}) {
    const auto stream = FirstMatchAt(position);
    EXPECT_TRUE(DecodeBuffer(stream, 3) == expected) << "position " << position;
    EXPECT_TRUE(DecodeBits(stream, 3) == expected) << "position " << position;
  }
}

TEST(LzhDecode, ZeroOrNegativeCountProducesNothingAndReadsNothing) {
  for (std::int32_t count : {0, -1, INT32_MIN}) {
    int reads = 0;
    std::vector<std::uint8_t> out;
    TLZH().Decode(
        count, [&](std::uint8_t&) { ++reads; return 0; }, [&](std::uint8_t b) { out.push_back(b); });
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(reads, 0);
  }
}

TEST(LzhDecode, TruncatedInputReadsAsZeroBytes) {
  const auto packed = Vector("english", ".lzh");
  const auto expected = Vector("english", ".bin");
  const std::int32_t length = static_cast<std::int32_t>(expected.size());
  const std::vector<std::uint8_t> half(packed.begin() + 4, packed.begin() + 4 + (packed.size() - 4) / 2);
  std::vector<std::uint8_t> zeroPadded = half;
  zeroPadded.resize(packed.size() * 4, 0);

  int readsAfterEnd = 0;
  const auto truncated = DecodeBits(half, length, &readsAfterEnd);
  const auto padded = DecodeBits(zeroPadded, length);
  EXPECT_GT(readsAfterEnd, 0);
  EXPECT_GE(truncated.size(), expected.size());
  EXPECT_TRUE(truncated == padded);
  // What was still there decodes as before.
  EXPECT_TRUE(std::equal(expected.begin(), expected.begin() + 1000, truncated.begin()));
}

TEST(LzhDecode, NoInputAtAllStillProducesTheRequestedCount) {
  const auto out = DecodeBits({}, 5000);
  EXPECT_GE(out.size(), 5000u);
}

TEST(LzhDecode, ReadsAndWritesOneBytePerCall) {
  const auto packed = Vector("gbk_article", ".lzh");
  const auto expected = Vector("gbk_article", ".bin");
  std::size_t reads = 0, writes = 0, pos = 4;
  TLZH().Decode(
      static_cast<std::int32_t>(expected.size()),
      [&](std::uint8_t& b) {
        ++reads;
        if (pos >= packed.size()) return 0;
        b = packed[pos++];
        return 1;
      },
      [&](std::uint8_t) { ++writes; });
  EXPECT_EQ(writes, expected.size());
  // The bit buffer reads at most two bytes ahead of what it has used.
  EXPECT_GE(reads, packed.size() - 4);
  EXPECT_LE(reads, packed.size() - 4 + 2);
}

// Position code: spot values of the published decoder tables.
TEST(LzhPositionCode, MatchesThePublishedTables) {
  using lzhuf::d_code;
  using lzhuf::d_len;
  const struct {
    int byte, code, len;
  } samples[] = {{0x00, 0x00, 3}, {0x1F, 0x00, 3}, {0x20, 0x01, 4}, {0x4F, 0x03, 4}, {0x50, 0x04, 5},
                 {0x8F, 0x0B, 5}, {0x90, 0x0C, 6}, {0xBF, 0x17, 6}, {0xC0, 0x18, 7}, {0xEF, 0x2F, 7},
                 {0xF0, 0x30, 8}, {0xFF, 0x3F, 8}};
  for (const auto& s : samples) {
    EXPECT_EQ(d_code[s.byte], s.code) << std::hex << s.byte;
    EXPECT_EQ(d_len[s.byte], s.len) << std::hex << s.byte;
  }
  for (int u = 0; u < 64; ++u) {
    EXPECT_EQ(d_code[lzhuf::p_code[u]], u);
    EXPECT_EQ(d_len[lzhuf::p_code[u]], lzhuf::p_len[u]);
  }
}

// Table memory: per decode, always given back, failures reported as ElzhException.
class TCountingMemory : public std::pmr::memory_resource {
 public:
  int Allocations = 0;
  int Frees = 0;
  bool FailFree = false;

 private:
  void* do_allocate(std::size_t bytes, std::size_t align) override {
    ++Allocations;
    return std::pmr::new_delete_resource()->allocate(bytes, align);
  }
  void do_deallocate(void* p, std::size_t bytes, std::size_t align) override {
    ++Frees;
    std::pmr::new_delete_resource()->deallocate(p, bytes, align);
    if (FailFree) throw std::runtime_error("free failed");
  }
  bool do_is_equal(const memory_resource& other) const noexcept override { return this == &other; }
};

TEST(LzhTables, AreAllocatedForEachDecodeAndFreedAfterIt) {
  TCountingMemory memory;
  TLZH lzh(&memory);
  std::vector<std::uint8_t> out;
  for (int i = 1; i <= 2; ++i) {
    lzh.Decode(10, [](std::uint8_t&) { return 0; }, [](std::uint8_t) {});
    lzh.Decode(10, {}, out);
    EXPECT_EQ(memory.Allocations, 2 * i);
    EXPECT_EQ(memory.Frees, 2 * i);
  }
}

TEST(LzhTables, AreFreedWhenTheOutputFails) {
  TCountingMemory memory;
  TLZH lzh(&memory);
  EXPECT_THROW(lzh.Decode(
                   10, [](std::uint8_t&) { return 0; },
                   [](std::uint8_t) { throw std::runtime_error("disk full"); }),
               std::runtime_error);
  EXPECT_EQ(memory.Frees, 1);
}

TEST(LzhTables, NoMemoryRaisesElzhException) {
  TLZH lzh(std::pmr::null_memory_resource());
  try {
    lzh.Decode(10, [](std::uint8_t&) { return 0; }, [](std::uint8_t) {});
    FAIL() << "no exception";
  } catch (const ElzhException& e) {
    EXPECT_STREQ(e.what(), "LZH : Cannot get memory for dictionary tables");
  }
}

TEST(LzhTables, FailedFreeRaisesElzhException) {
  TCountingMemory memory;
  memory.FailFree = true;
  TLZH lzh(&memory);
  try {
    lzh.Decode(10, [](std::uint8_t&) { return 0; }, [](std::uint8_t) {});
    FAIL() << "no exception";
  } catch (const ElzhException& e) {
    EXPECT_STREQ(e.what(), "LZH : Error freeing memory for dictionary tables");
  }
}

TEST(LzhDecompress, RefusesALengthThePackedBytesCannotHold) {
  // 100 bytes of stream can hold at most 4,800 bytes.
  std::vector<std::uint8_t> packed(104, 0);
  std::vector<std::uint8_t> out{9};
  packed[0] = 0xC0;  // 4,800
  packed[1] = 0x12;
  EXPECT_TRUE(TSkinReader::Decompress(packed, out));
  EXPECT_GE(out.size(), 4800u);
  packed[0] = 0xC1;  // 4,801
  EXPECT_FALSE(TSkinReader::Decompress(packed, out));
  EXPECT_TRUE(out.empty());
  // A huge length on a tiny stream is refused before anything is allocated for it.
  const std::vector<std::uint8_t> bomb = {0xFF, 0xFF, 0xFF, 0x7F, 0x00};
  EXPECT_FALSE(TSkinReader::Decompress(bomb, out));
}

TEST(LzhDecompress, ShortOrNegativeLengthGivesNoBytes) {
  std::vector<std::uint8_t> out{1};
  EXPECT_TRUE(TSkinReader::Decompress(std::vector<std::uint8_t>{}, out));
  EXPECT_TRUE(out.empty());
  EXPECT_TRUE(TSkinReader::Decompress(std::vector<std::uint8_t>{5, 0}, out));
  EXPECT_TRUE(out.empty());
  EXPECT_TRUE(TSkinReader::Decompress(std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 1, 2}, out));
  EXPECT_TRUE(out.empty());
}

}  // namespace
