// Tolvane.exe --skin FILE: the argument is found on the command line, a skin file replaces the
// carried skin, and a file that is no skin says so while the carried skin stays on the window.
#include <filesystem>
#include <fstream>

#include "PracticeWindowFixture.h"
#include "ScreenPixels.h"
#include "SkinArgument.h"
#include "SolidSkin.h"

namespace {

std::filesystem::path WriteTemp(const char* name, const std::vector<uint8_t>& bytes) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

// A point of the title band right of the caption, and the colour the carried skin gives it there.
struct TitleBandProbe {
  int x, y;
  COLORREF expected;
};
TitleBandProbe CarriedSkinProbe(HWND wnd, TWinSkinForm& painter, TSkinData& skin) {
  RECT window{};
  GetWindowRect(wnd, &window);
  const auto& top = *skin.Borders[sdTop];
  const int y = painter.TitleHeight() / 2;
  return {window.right - window.left - painter.RightWidth() - 200, y, top.Bitmap.PixelAt(top.Bitmap.Width() / 2, y)};
}

}  // namespace

TEST(SkinArgument, TheFileAfterSkinIsTakenAndOtherArgumentsAreIgnored) {
  EXPECT_EQ(SkinFileArgument(CommandLineArguments(LR"(Tolvane.exe --skin "C:\my skins\blue.skin")")),
            L"C:\\my skins\\blue.skin");
  EXPECT_EQ(SkinFileArgument(CommandLineArguments(L"Tolvane.exe /x --fast --skin a.skin b.skin")), L"a.skin");
  EXPECT_EQ(SkinFileArgument(CommandLineArguments(L"Tolvane.exe --fast")), L"");
  // "--skin" with nothing after it names no file.
  EXPECT_EQ(SkinFileArgument(CommandLineArguments(L"Tolvane.exe --skin")), L"");
  // The program name alone, quoted with spaces, is no argument.
  EXPECT_TRUE(CommandLineArguments(LR"("C:\Program Files\Tolvane\Tolvane.exe")").empty());
}

TEST_F(PracticeWindowTest, ASkinFileThatIsNoSkinIsReportedAndTheCarriedSkinStays) {
  ShowForm();
  HWND wnd = form->Handle();
  auto* skin = form->FindComponentAs<TSkinData>("SkinData1");
  TWinSkinForm* painter = TSkinManage::Instance()->FindForm(wnd);
  ASSERT_NE(painter, nullptr);
  const std::filesystem::path junk = WriteTemp("tolvane_skin_argument_junk.skin", std::vector<uint8_t>(500, 0x5A));
  tk::testing::DialogWatcher watcher;
  ApplySkinFile(*form, junk.wstring());
  ASSERT_TRUE(tk::testing::PumpUntil([&] { return watcher.Count() >= 1; }, 5000));
  EXPECT_NE(watcher.Dialogs()[0].text.find(L"This is Older Skin File"), std::wstring::npos);
  EXPECT_EQ(skin->SkinName, "Tolvane Slate");
  EXPECT_FALSE(skin->Loading);
  // The window still shows the carried skin's title band.
  SetForegroundWindow(wnd);
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  tk::testing::PumpMessages(300);
  const TitleBandProbe probe = CarriedSkinProbe(wnd, *painter, *skin);
  EXPECT_EQ(skin_test::WindowPixel(wnd, probe.x, probe.y), probe.expected);
  std::filesystem::remove(junk);
}

TEST_F(PracticeWindowTest, ASkinFileReplacesTheCarriedSkin) {
  ShowForm();
  auto* skin = form->FindComponentAs<TSkinData>("SkinData1");
  const std::filesystem::path file = WriteTemp("tolvane_skin_argument_solid.skin", skin_test::PackSolidSkin());
  tk::testing::DialogWatcher watcher;
  ApplySkinFile(*form, file.wstring());
  EXPECT_EQ(skin->SkinName, "Solid test skin");
  EXPECT_EQ(watcher.Count(), 0u);
  std::filesystem::remove(file);
}
