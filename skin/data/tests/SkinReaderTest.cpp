// The archive layer: versions, name lists, member lookup, and archives that must be refused.
#include <gtest/gtest.h>

#include <numeric>

#include "ArchiveBytes.h"
#include "SkinRead.h"

namespace {

class SkinReaderTest : public testing::Test {
 protected:
  std::vector<std::string> Notices;
  TSkinReader Reader{[this](const std::string& text) { Notices.push_back(text); }};

  bool Load(const TRawArchive& archive) { return Reader.LoadFromStream(archive.Packed()); }

  std::string Member(std::string_view name) {
    std::vector<std::uint8_t> bytes{'?'};
    Reader.ReadMember(name, bytes);
    return AsText(bytes);
  }

  void ExpectRefused(const std::vector<std::uint8_t>& packed) {
    Notices.clear();
    EXPECT_FALSE(Reader.LoadFromStream(packed));
    ASSERT_EQ(Notices.size(), 1u);
    EXPECT_EQ(Notices[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(Reader.Count(), 0);
    EXPECT_TRUE(Reader.MemberBytes().empty());
    EXPECT_EQ(Reader.Header().Version, 0);
  }

  void ExpectRefused(const TRawArchive& archive) { ExpectRefused(archive.Packed()); }
};

TRawArchive TwoMembers() {
  TRawArchive a;
  a.NameList = "first.bmp\r\nskin.ini\r\n";
  a.Sizes = {5, 3};
  a.Data = "AAAAAini";
  return a;
}

// Versions and their reserved blocks.

TEST_F(SkinReaderTest, EveryKnownVersionSkipsItsReservedBlock) {
  const std::pair<std::int32_t, int> versions[] = {{20000, 0},  {30000, 256}, {40000, 80},
                                                   {50000, 48}, {60000, 117}, {70000, 69}};
  for (const auto& [version, reserved] : versions) {
    TRawArchive a = TwoMembers();
    a.Version = version;
    a.Reserved = reserved;
    a.Word1 = 11;
    a.Word2 = -22;
    ASSERT_TRUE(Load(a)) << version;
    EXPECT_EQ(Reader.Header().Version, version);
    EXPECT_EQ(Reader.Header().NameListLength, 21);
    EXPECT_EQ(Reader.Header().Word1, 11);
    EXPECT_EQ(Reader.Header().Word2, -22);
    EXPECT_EQ(Reader.Names(), (std::vector<std::string>{"first.bmp", "skin.ini"})) << version;
    EXPECT_EQ(Member("skin.ini"), "ini") << version;
    EXPECT_EQ(TSkinReader::ReservedBlockSize(version), reserved);
  }
  EXPECT_TRUE(Notices.empty());
}

TEST_F(SkinReaderTest, UnknownVersionIsReportedAndLoadsNothing) {
  ASSERT_TRUE(Load(TwoMembers()));
  for (std::int32_t version : {0, 10000, 69999, 70001, 80000, -70000}) {
    TRawArchive a = TwoMembers();
    a.Version = version;
    ExpectRefused(a);
  }
}

TEST_F(SkinReaderTest, ZeroLengthStreamHasNoHeaderAndIsRefused) {
  ExpectRefused(std::vector<std::uint8_t>{0, 0, 0, 0});
  ExpectRefused(std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0x12});
  ExpectRefused(std::vector<std::uint8_t>{});
}

// Name list.

TEST_F(SkinReaderTest, NameListLinesEndAtCrLfCrOrLf) {
  TRawArchive a;
  a.NameList = "a.bmp\rb.bmp\nc.bmp\r\nd.bmp";
  a.Sizes = {1, 1, 1, 1};
  a.Data = "abcd";
  ASSERT_TRUE(Load(a));
  EXPECT_EQ(Reader.Names(), (std::vector<std::string>{"a.bmp", "b.bmp", "c.bmp", "d.bmp"}));
  EXPECT_EQ(Member("d.bmp"), "d");
}

TEST_F(SkinReaderTest, EmptyLineBetweenNamesIsAMemberWithAnEmptyName) {
  TRawArchive a;
  a.NameList = "one.bmp\r\n\r\ntwo.bmp\r\n";
  a.Sizes = {1, 2, 3};
  a.Data = "1223334";
  ASSERT_TRUE(Load(a));
  EXPECT_EQ(Reader.Names(), (std::vector<std::string>{"one.bmp", "", "two.bmp"}));
  EXPECT_EQ(Member("two.bmp"), "333");
}

TEST_F(SkinReaderTest, LfCrIsTwoLineBreaks) {
  TRawArchive a;
  a.NameList = "x\n\ry";
  a.Sizes = {1, 1, 1};
  a.Data = "XEY";
  ASSERT_TRUE(Load(a));
  EXPECT_EQ(Reader.Names(), (std::vector<std::string>{"x", "", "y"}));
  EXPECT_EQ(Member("y"), "Y");
}

TEST_F(SkinReaderTest, NulEndsTheNameList) {
  TRawArchive a;
  a.NameList = std::string("kept.bmp\r\n\0lost.bmp\r\n", 21);
  a.Sizes = {4};
  a.Data = "kept";
  ASSERT_TRUE(Load(a));
  EXPECT_EQ(Reader.Names(), (std::vector<std::string>{"kept.bmp"}));
  EXPECT_EQ(Member("kept.bmp"), "kept");
}

TEST_F(SkinReaderTest, NamesAreHeldInLowerCase) {
  TRawArchive a;
  a.NameList = "Buttons.BMP\r\nMY SKIN.Ini\r\n";
  a.Sizes = {1, 1};
  a.Data = "bi";
  ASSERT_TRUE(Load(a));
  EXPECT_EQ(Reader.Names(), (std::vector<std::string>{"buttons.bmp", "my skin.ini"}));
}

TEST_F(SkinReaderTest, EmptyNameListHasNoMembers) {
  TRawArchive a;
  a.Data = "leftover";
  ASSERT_TRUE(Load(a));
  EXPECT_EQ(Reader.Count(), 0);
  EXPECT_EQ(AsText(Reader.MemberBytes()), "leftover");
}

// Member lookup.

TEST_F(SkinReaderTest, ReadMemberMatchesTheWholeNameInLowerCase) {
  TRawArchive a;
  a.NameList = "buttons.bmp\r\nbuttons.bmp.old\r\n";
  a.Sizes = {3, 4};
  a.Data = "newold!";
  ASSERT_TRUE(Load(a));
  EXPECT_EQ(Member("Buttons.bmp"), "new");
  EXPECT_EQ(Member("BUTTONS.BMP.OLD"), "old!");
  EXPECT_EQ(Member("buttons"), "");
  EXPECT_EQ(Member("uttons.bmp"), "");
  EXPECT_EQ(Member(""), "");
}

TEST_F(SkinReaderTest, FirstOfEqualNamesWins) {
  TRawArchive a;
  a.NameList = "same.bmp\r\nSAME.bmp\r\n";
  a.Sizes = {5, 6};
  a.Data = "firstsecond";
  ASSERT_TRUE(Load(a));
  EXPECT_EQ(Member("same.bmp"), "first");
}

TEST_F(SkinReaderTest, MembersAreFoundBySummingTheSizesBeforeThem) {
  TRawArchive a;
  a.NameList = "a\r\nb\r\nc\r\nd\r\n";
  a.Sizes = {2, 0, 3, 1};
  a.Data = "AACCCD";
  ASSERT_TRUE(Load(a));
  EXPECT_EQ(Member("a"), "AA");
  EXPECT_EQ(Member("b"), "");
  EXPECT_EQ(Member("c"), "CCC");
  EXPECT_EQ(Member("d"), "D");
}

TEST_F(SkinReaderTest, BytesAfterTheLastMemberAreKeptButBelongToNoMember) {
  TRawArchive a = TwoMembers();
  a.Data += "tail";
  ASSERT_TRUE(Load(a));
  EXPECT_EQ(Reader.MemberBytes().size(), 12u);
  EXPECT_EQ(Member("skin.ini"), "ini");
}

TEST_F(SkinReaderTest, FindMemberTakesTheFirstNameContainingTheText) {
  TRawArchive a;
  a.NameList = "x.bmp\r\nold.ini.bak\r\nskin.ini\r\n";
  a.Sizes = {1, 3, 4};
  a.Data = "xbakskin";
  ASSERT_TRUE(Load(a));
  std::vector<std::uint8_t> bytes;
  std::string name = "?";
  Reader.FindMember(".ini", bytes, name);
  EXPECT_EQ(name, "old.ini.bak");
  EXPECT_EQ(AsText(bytes), "bak");
  // The text is not converted: names are lower case, so upper-case text finds nothing.
  Reader.FindMember(".INI", bytes, name);
  EXPECT_EQ(name, "");
  EXPECT_TRUE(bytes.empty());
}

TEST_F(SkinReaderTest, LookupsOnAnEmptyReaderFindNothing) {
  std::vector<std::uint8_t> bytes{1};
  std::string name = "x";
  Reader.FindMember("", bytes, name);
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(name, "");
  EXPECT_EQ(Member("skin.ini"), "");
}

// Archives whose parts do not fit are refused like an unknown version.

TEST_F(SkinReaderTest, At1001MembersLoadsAndAt1002IsRefused) {
  TRawArchive a;
  for (int i = 0; i < 1001; ++i) a.NameList += "m" + std::to_string(i) + "\r\n";
  a.Sizes.assign(1001, 1);
  a.Data.assign(1001, 'z');
  ASSERT_TRUE(Load(a));
  EXPECT_EQ(Reader.Count(), 1001);
  EXPECT_EQ(Member("m1000"), "z");

  a.NameList += "one.too.many\r\n";
  a.Sizes.push_back(1);
  a.Data += 'z';
  ExpectRefused(a);
}

TEST_F(SkinReaderTest, NameListRunningPastTheDataIsRefused) {
  TRawArchive a = TwoMembers();
  a.NameListLength = 1000000;
  ExpectRefused(a);
  a.NameList = "a\r\n";
  a.Sizes.clear();
  a.Data.clear();
  a.NameListLength = 4;  // one byte past the end
  ExpectRefused(a);
}

TEST_F(SkinReaderTest, NegativeNameListLengthIsRefused) {
  TRawArchive a = TwoMembers();
  a.NameListLength = INT32_MIN;
  ExpectRefused(a);
  a.NameListLength = -1;
  ExpectRefused(a);
}

TEST_F(SkinReaderTest, SizeTableRunningPastTheDataIsRefused) {
  TRawArchive a;
  a.NameList = "a\r\nb\r\n";
  a.Sizes = {0};  // two members need two sizes
  a.Data = "abc";  // three bytes: not enough for the second size
  ExpectRefused(a);
}

TEST_F(SkinReaderTest, MemberSizesRunningPastTheDataAreRefused) {
  TRawArchive a = TwoMembers();
  a.Sizes = {5, 4};
  ExpectRefused(a);
  a.Sizes = {INT32_MAX, INT32_MAX};
  ExpectRefused(a);
}

TEST_F(SkinReaderTest, NegativeMemberSizeIsRefused) {
  TRawArchive a = TwoMembers();
  a.Sizes = {-1, 9};
  ExpectRefused(a);
}

TEST_F(SkinReaderTest, ReservedBlockRunningPastTheDataIsRefused) {
  TRawArchive a;
  a.Version = 30000;
  a.Reserved = 100;  // 256 needed
  ExpectRefused(a);
}

TEST_F(SkinReaderTest, UnpackedLengthOutOfProportionIsRefused) {
  std::vector<std::uint8_t> packed = TwoMembers().Packed();
  const std::int64_t bits = static_cast<std::int64_t>(packed.size()) - 4;
  const auto claim = static_cast<std::uint32_t>(bits * TSkinReader::MaxExpansion + 1);
  for (int i = 0; i < 4; ++i) packed[i] = static_cast<std::uint8_t>(claim >> (8 * i));
  ExpectRefused(packed);
}

TEST_F(SkinReaderTest, AFailedLoadClearsAnEarlierOne) {
  ASSERT_TRUE(Load(TwoMembers()));
  ASSERT_EQ(Reader.Count(), 2);
  TRawArchive bad = TwoMembers();
  bad.Sizes = {100, 100};
  ExpectRefused(bad);
  EXPECT_EQ(Member("skin.ini"), "");
}

TEST_F(SkinReaderTest, TruncatedPackedStreamsNeverCrash) {
  TRawArchive a;
  for (int i = 0; i < 40; ++i) {
    a.NameList += "member" + std::to_string(i) + ".bmp\r\n";
    a.Sizes.push_back(100 + i);
    for (int k = 0; k < 100 + i; ++k) a.Data += static_cast<char>('a' + (i * k) % 26);
  }
  const auto packed = a.Packed();
  for (std::size_t keep = 0; keep < packed.size(); keep += 37) {
    const std::vector<std::uint8_t> cut(packed.begin(), packed.begin() + keep);
    if (Reader.LoadFromStream(cut)) {
      const auto sizes = Reader.Sizes();
      EXPECT_LE(std::accumulate(sizes.begin(), sizes.end(), std::int64_t{0}),
                static_cast<std::int64_t>(Reader.MemberBytes().size()));
    } else {
      EXPECT_EQ(Reader.Count(), 0);
    }
  }
}

TEST(SkinReaderNotifier, AnEmptyNotifierIsAllowed) {
  TSkinReader reader{TSkinNotifier{}};
  EXPECT_FALSE(reader.LoadFromStream(std::vector<std::uint8_t>{0, 0, 0, 0}));
}

}  // namespace
