// Speaking into files with the scripted engine: exact sizes of our own formats, all-or-nothing writes.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ComponentFixture.h"

namespace tts::testing {
namespace {

class SpeakToFileTest : public ComponentTest {
 protected:
  void SetUp() override {
    ComponentTest::SetUp();
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    dir = std::wstring(tmp) + L"tts-file-test-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(dir.c_str(), nullptr);
  }
  void TearDown() override {
    for (const auto& f : Files()) DeleteFileW((dir + L"\\" + f).c_str());
    RemoveDirectoryW(dir.c_str());
    ComponentTest::TearDown();
  }
  std::vector<std::wstring> Files() const {
    std::vector<std::wstring> out;
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return out;
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) out.push_back(data.cFileName);
    } while (FindNextFileW(h, &data));
    FindClose(h);
    return out;
  }
  std::vector<uint8_t> Read(const std::wstring& name) const {
    std::ifstream in(std::filesystem::path(dir + L"\\" + name), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  }
  HRESULT ToFile(const std::wstring& text, const std::wstring& name) {
    return tts->SpeakToFile(Bstr(text), Bstr(dir + L"\\" + name), 0);
  }
  std::wstring dir;
};

// Ten words of 400 samples at 8 kHz: 4000 samples, half a second.
const std::wstring kText = L"一二三四五。六七八九十。";

TEST_F(SpeakToFileTest, WavAtTheEnginesRateHoldsEverySample) {
  ASSERT_EQ(tts->SetFileType(0), S_OK);
  ASSERT_EQ(tts->SetFormat(2), S_OK);  // 8kHz 16Bit Mono
  Bstr name;
  tts->FormatName(&name);
  ASSERT_EQ(name.str(), L"8kHz 16Bit Mono");
  ASSERT_EQ(ToFile(kText, L"out.wav"), S_OK);
  auto bytes = Read(L"out.wav");
  EXPECT_EQ(bytes.size(), 44u + 4000 * 2);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
  EXPECT_EQ(Files(), std::vector<std::wstring>{L"out.wav"});  // no temporary left
}

TEST_F(SpeakToFileTest, OtherRatesAndChannelsScaleTheData) {
  ASSERT_EQ(tts->SetFileType(5), S_OK);  // AU
  LONG count = 0;
  tts->FormatCount(&count);
  for (LONG i = 0; i < count; ++i) {
    ASSERT_EQ(tts->SetFormat(i), S_OK);
    Bstr name;
    tts->FormatName(&name);
    if (name.str() != L"44kHz 16Bit Stereo") continue;
    ASSERT_EQ(ToFile(kText, L"out.au"), S_OK);
    auto bytes = Read(L"out.au");
    // 0.5 s at 44100 Hz, two channels of two bytes, after a 28-byte header.
    EXPECT_EQ(bytes.size(), 28u + 22050 * 4);
    return;
  }
  FAIL() << "no 44kHz 16Bit Stereo option";
}

TEST_F(SpeakToFileTest, VoxPacksTwoSamplesPerByte) {
  ASSERT_EQ(tts->SetFileType(4), S_OK);
  ASSERT_EQ(ToFile(kText, L"out.vox"), S_OK);
  EXPECT_EQ(Read(L"out.vox").size(), 2000u);
}

TEST_F(SpeakToFileTest, AiffAndEmptyText) {
  ASSERT_EQ(tts->SetFileType(6), S_OK);
  ASSERT_EQ(ToFile(L"", L"empty.aiff"), S_OK);
  auto bytes = Read(L"empty.aiff");
  EXPECT_EQ(bytes.size(), 54u);
  EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "AIFF");
}

TEST_F(SpeakToFileTest, UnwritablePathFailsWithTheSystemsReason) {
  ASSERT_EQ(tts->SetFileType(0), S_OK);
  HRESULT hr = tts->SpeakToFile(Bstr(kText), Bstr(dir + L"\\no\\such\\folder\\out.wav"), 0);
  EXPECT_TRUE(FAILED(hr));
  EXPECT_EQ(HRESULT_FACILITY(hr), FACILITY_WIN32);
  std::wstring text = LastErrorDescription();
  EXPECT_EQ(text.rfind(L"Cannot write \"" + dir + L"\\no\\such\\folder\\out.wav\": ", 0), 0u) << text;
  // ...followed by the system's reason for the code.
  wchar_t reason[512] = {};
  FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, HRESULT_CODE(hr), 0, reason, 512,
                 nullptr);
  std::wstring expected = reason;
  while (!expected.empty() && (expected.back() == L'\n' || expected.back() == L'\r' || expected.back() == L' '))
    expected.pop_back();
  if (expected.empty()) expected = L"error " + std::to_wstring(HRESULT_CODE(hr));
  EXPECT_TRUE(text.ends_with(expected));
  EXPECT_EQ(tts->SpeakToFile(Bstr(kText), Bstr(L""), 0), HRESULT_FROM_WIN32(ERROR_INVALID_NAME));
  EXPECT_TRUE(Files().empty());
}

TEST_F(SpeakToFileTest, FailureLeavesTheOldFileAndNoPartialOne) {
  ASSERT_EQ(tts->SetFileType(0), S_OK);
  { std::ofstream(std::filesystem::path(dir + L"\\keep.wav")) << "old content"; }
  engine->FailOnPiece(2);
  EXPECT_EQ(ToFile(kText, L"keep.wav"), E_FAIL);
  EXPECT_EQ(LastErrorDescription(), L"scripted failure");
  auto bytes = Read(L"keep.wav");
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old content");
  EXPECT_EQ(Files(), std::vector<std::wstring>{L"keep.wav"});
}

TEST_F(SpeakToFileTest, TypeWithoutAnEncoderFailsClearly) {
  ASSERT_EQ(tts->SetFileType(1), S_OK);  // the scripted engine has no MP3 encoder
  EXPECT_EQ(ToFile(kText, L"out.mp3"), E_FAIL);
  EXPECT_EQ(LastErrorDescription(), L"This system has no encoder for MP3 files.");
  EXPECT_TRUE(Files().empty());
}

TEST_F(SpeakToFileTest, ExistingFileIsReplacedWhole) {
  ASSERT_EQ(tts->SetFileType(4), S_OK);
  { std::ofstream(std::filesystem::path(dir + L"\\out.vox")) << std::string(10000, 'x'); }
  ASSERT_EQ(ToFile(kText, L"out.vox"), S_OK);
  EXPECT_EQ(Read(L"out.vox").size(), 2000u);
}

}  // namespace
}  // namespace tts::testing
