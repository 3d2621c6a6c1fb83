// The encoder's output decodes back to its input through the runtime decoder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "LzhEncoder.h"
#include "SkinRead.h"

namespace {

std::vector<std::uint8_t> RoundTrip(const std::vector<std::uint8_t>& data) {
  const std::vector<std::uint8_t> packed = LzhEncode(data);
  std::vector<std::uint8_t> out;
  EXPECT_TRUE(TSkinReader::Decompress(packed, out));
  return out;
}

std::vector<std::uint8_t> Random(std::size_t size, unsigned seed, int alphabet = 256) {
  std::mt19937 rng(seed);
  std::vector<std::uint8_t> data(size);
  for (auto& b : data) b = static_cast<std::uint8_t>(rng() % alphabet);
  return data;
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LzhEncoder, WritesTheLengthFirst) {
  const auto packed = LzhEncode(std::vector<std::uint8_t>(0x010203, 'x'));
  ASSERT_GE(packed.size(), 4u);
  EXPECT_EQ(packed[0], 0x03);
  EXPECT_EQ(packed[1], 0x02);
  EXPECT_EQ(packed[2], 0x01);
  EXPECT_EQ(packed[3], 0x00);
}

TEST(LzhEncoder, EmptyInputIsTheLengthAlone) {
  EXPECT_EQ(LzhEncode({}), (std::vector<std::uint8_t>{0, 0, 0, 0}));
  EXPECT_TRUE(RoundTrip({}).empty());
}

TEST(LzhEncoder, RoundTripsSmallInputs) {
  for (std::size_t size = 1; size <= 130; ++size) {
    const auto data = Random(size, static_cast<unsigned>(size), 4);
    ASSERT_EQ(RoundTrip(data), data) << size;
  }
}

TEST(LzhEncoder, RoundTripsRandomBytes) {
  const auto data = Random(200000, 1);
  EXPECT_EQ(RoundTrip(data), data);
}

TEST(LzhEncoder, RoundTripsRepetitiveInputAndCompressesIt) {
  std::vector<std::uint8_t> data;
  const std::string phrase = "听写练习 dictation practice, ";
  while (data.size() < 300000) data.insert(data.end(), phrase.begin(), phrase.end());
  const auto packed = LzhEncode(data);
  EXPECT_LT(packed.size(), data.size() / 20);
  EXPECT_EQ(RoundTrip(data), data);
}

TEST(LzhEncoder, RoundTripsLongRunsAndEveryByteValue) {
  std::vector<std::uint8_t> data(70000, 0x20);  // the ring buffer's own fill
  for (int i = 0; i < 256 * 40; ++i) data.push_back(static_cast<std::uint8_t>(i));
  data.insert(data.end(), 50000, 0xFF);
  EXPECT_EQ(RoundTrip(data), data);
}

TEST(LzhEncoder, RoundTripsMatchesFartherBackThanTheRingBuffer) {
  const auto block = Random(5000, 7);  // repeats 5,000 bytes later: too far to match
  std::vector<std::uint8_t> data = block;
  data.insert(data.end(), block.begin(), block.end());
  data.insert(data.end(), block.begin(), block.begin() + 3000);
  EXPECT_EQ(RoundTrip(data), data);
}

TEST(LzhEncoder, RoundTripsALargeInputWithManyTreeRebuilds) {
  // Few symbols: the root frequency hits its ceiling again and again.
  auto data = Random(3'000'000, 3, 8);
  for (std::size_t i = 0; i < data.size(); i += 1000) data[i] = static_cast<std::uint8_t>(i >> 10);
  EXPECT_EQ(RoundTrip(data), data);
}

TEST(LzhEncoder, RoundTripsTheTestVectors) {
  const char* dir = std::getenv("TOLVANE_TESTDATA");
  ASSERT_TRUE(dir);
  for (const char* name : {"empty", "english", "gbk_article", "gradient_pixels", "long_run", "one_byte",
                           "small_alphabet"}) {
    const auto original = ReadFile(std::filesystem::path(dir) / "lzhuf" / (std::string(name) + ".bin"));
    const auto reference = ReadFile(std::filesystem::path(dir) / "lzhuf" / (std::string(name) + ".lzh"));
    const auto packed = LzhEncode(original);
    std::vector<std::uint8_t> out;
    ASSERT_TRUE(TSkinReader::Decompress(packed, out)) << name;
    EXPECT_EQ(out, original) << name;
    // Same scheme, same choices: the independent encoder's bytes.
    EXPECT_EQ(packed, reference) << name;
  }
}

}  // namespace
