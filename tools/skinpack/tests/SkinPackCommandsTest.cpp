// The skinpack command line: packing a folder, listing and extracting a skin, and bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "LzhEncoder.h"
#include "SkinPackCommands.h"
#include "SkinRead.h"

namespace fs = std::filesystem;

namespace {

// A 2 x 1 24-bit BMP file.
std::vector<std::uint8_t> TinyBmp() {
  std::vector<std::uint8_t> b = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1,
                                 0,   0,   0,  1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 0,   0,   0,  0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 0, 0};
  return b;
}

class SkinPackCommands : public testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() /
          ("skinpack-test-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(Dir);
    fs::create_directories(Dir / "src");
  }
  void TearDown() override { fs::remove_all(Dir); }

  void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  int Run(std::vector<std::string> args) {
    Out.str("");
    Err.str("");
    return RunSkinPack(args, Out, Err);
  }

  void MakeSource() {
    Write(Dir / "src" / "Buttons.bmp", TinyBmp());
    Write(Dir / "src" / "skin.ini", std::string("[Buttons]\r\nBitmap=Buttons.bmp\r\n"));
    Write(Dir / "src" / "members.txt", std::string("# order\nButtons.bmp\n\nskin.ini\n"));
  }

  fs::path Dir;
  std::ostringstream Out, Err;
};

TEST_F(SkinPackCommands, PackWritesAVersion70000ArchiveInMemberListOrder) {
  MakeSource();
  ASSERT_EQ(Run({"pack", (Dir / "src").string(), (Dir / "out.skin").string()}), 0) << Err.str();

  const std::string packed = Read(Dir / "out.skin");
  TSkinReader reader([](const std::string&) {});
  ASSERT_TRUE(reader.LoadFromStream(std::vector<std::uint8_t>(packed.begin(), packed.end())));
  EXPECT_EQ(reader.Header().Version, 70000);
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"buttons.bmp", "skin.ini"}));
  std::vector<std::uint8_t> bytes;
  reader.ReadMember("buttons.bmp", bytes);
  EXPECT_EQ(bytes, TinyBmp());

  // The name list is CR LF lines after the 69-byte reserved block.
  std::vector<std::uint8_t> archive;
  ASSERT_TRUE(TSkinReader::Decompress(std::vector<std::uint8_t>(packed.begin(), packed.end()), archive));
  const std::string names(archive.begin() + 16 + 69, archive.begin() + 16 + 69 + reader.Header().NameListLength);
  EXPECT_EQ(names, "buttons.bmp\r\nskin.ini\r\n");
}

TEST_F(SkinPackCommands, ListShowsNameSizeAndBitmapDimensions) {
  MakeSource();
  ASSERT_EQ(Run({"pack", (Dir / "src").string(), (Dir / "out.skin").string()}), 0);
  ASSERT_EQ(Run({"list", (Dir / "out.skin").string()}), 0) << Err.str();
  std::istringstream lines(Out.str());
  std::string name, dims;
  long size = 0;
  lines >> name >> size >> dims;
  EXPECT_EQ(name, "buttons.bmp");
  EXPECT_EQ(size, 62);
  EXPECT_EQ(dims, "2x1x24");
  lines >> name >> size;
  EXPECT_EQ(name, "skin.ini");
  EXPECT_EQ(size, 31);
}

TEST_F(SkinPackCommands, ExtractThenPackGivesTheSameSkin) {
  MakeSource();
  ASSERT_EQ(Run({"pack", (Dir / "src").string(), (Dir / "a.skin").string()}), 0);
  ASSERT_EQ(Run({"extract", (Dir / "a.skin").string(), (Dir / "x").string()}), 0) << Err.str();
  EXPECT_EQ(Read(Dir / "x" / "skin.ini"), "[Buttons]\r\nBitmap=Buttons.bmp\r\n");
  EXPECT_EQ(Read(Dir / "x" / "members.txt"), "buttons.bmp\nskin.ini\n");
  ASSERT_EQ(Run({"pack", (Dir / "x").string(), (Dir / "b.skin").string()}), 0) << Err.str();
  EXPECT_EQ(Read(Dir / "a.skin"), Read(Dir / "b.skin"));
}

TEST_F(SkinPackCommands, WrongUsageExitsWith2) {
  EXPECT_EQ(Run({}), 2);
  EXPECT_NE(Err.str().find("usage"), std::string::npos);
  EXPECT_EQ(Run({"pack", "only-one"}), 2);
  EXPECT_EQ(Run({"squash", "a", "b"}), 2);
}

TEST_F(SkinPackCommands, PackRefusesBadSources) {
  // No member list.
  EXPECT_EQ(Run({"pack", (Dir / "src").string(), (Dir / "o.skin").string()}), 1);
  EXPECT_NE(Err.str().find("members.txt"), std::string::npos);

  MakeSource();
  // A listed file that is missing.
  Write(Dir / "src" / "members.txt", std::string("Buttons.bmp\nmissing.bmp\nskin.ini\n"));
  EXPECT_EQ(Run({"pack", (Dir / "src").string(), (Dir / "o.skin").string()}), 1);
  EXPECT_NE(Err.str().find("missing.bmp"), std::string::npos);
  // A bitmap that is not one.
  Write(Dir / "src" / "fake.bmp", std::string("not a bitmap"));
  Write(Dir / "src" / "members.txt", std::string("fake.bmp\nskin.ini\n"));
  EXPECT_EQ(Run({"pack", (Dir / "src").string(), (Dir / "o.skin").string()}), 1);
  EXPECT_NE(Err.str().find("not a BMP"), std::string::npos);
  // No description.
  Write(Dir / "src" / "members.txt", std::string("Buttons.bmp\n"));
  EXPECT_EQ(Run({"pack", (Dir / "src").string(), (Dir / "o.skin").string()}), 1);
  EXPECT_NE(Err.str().find(".ini"), std::string::npos);
  // Two names the reader cannot tell apart.
  Write(Dir / "src" / "members.txt", std::string("Buttons.bmp\nbuttons.BMP\nskin.ini\n"));
  EXPECT_EQ(Run({"pack", (Dir / "src").string(), (Dir / "o.skin").string()}), 1);
  EXPECT_NE(Err.str().find("duplicate"), std::string::npos);
  // A name with a folder part.
  Write(Dir / "src" / "members.txt", std::string("../skin.ini\n"));
  EXPECT_EQ(Run({"pack", (Dir / "src").string(), (Dir / "o.skin").string()}), 1);
  EXPECT_FALSE(fs::exists(Dir / "o.skin"));
}

TEST_F(SkinPackCommands, ListAndExtractRefuseWhatIsNotASkin) {
  Write(Dir / "junk.skin", std::string("definitely not a skin"));
  EXPECT_EQ(Run({"list", (Dir / "junk.skin").string()}), 1);
  EXPECT_NE(Err.str().find("not a skin file"), std::string::npos);
  EXPECT_EQ(Run({"extract", (Dir / "junk.skin").string(), (Dir / "x").string()}), 1);
  EXPECT_EQ(Run({"list", (Dir / "does-not-exist.skin").string()}), 1);
  EXPECT_NE(Err.str().find("cannot open"), std::string::npos);
}

TEST_F(SkinPackCommands, ExtractKeepsMembersInsideTheFolder) {
  // An archive made by hand with names that would escape the folder.
  const std::string names = "../evil.ini\r\nsub/x.bmp\r\nok.ini\r\nok.ini\r\n";
  std::vector<std::uint8_t> archive = {0x70, 0x11, 0x01, 0x00, static_cast<std::uint8_t>(names.size()), 0, 0, 0,
                                       0, 0, 0, 0, 0, 0, 0, 0};
  archive.insert(archive.end(), 69, 0);
  archive.insert(archive.end(), names.begin(), names.end());
  for (int i = 0; i < 4; ++i) archive.insert(archive.end(), {1, 0, 0, 0});
  archive.insert(archive.end(), {'e', 's', 'o', 'p'});
  Write(Dir / "evil.skin", LzhEncode(archive));

  EXPECT_EQ(Run({"extract", (Dir / "evil.skin").string(), (Dir / "x").string()}), 1);
  EXPECT_NE(Err.str().find("../evil.ini"), std::string::npos);
  EXPECT_FALSE(fs::exists(Dir / "evil.ini"));
  EXPECT_FALSE(fs::exists(Dir / "x" / "sub"));
  EXPECT_EQ(Read(Dir / "x" / "ok.ini"), "o");
  EXPECT_EQ(Read(Dir / "x" / "members.txt"), "ok.ini\n");
}

}  // namespace
