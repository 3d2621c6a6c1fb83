// skingallery.exe started as a user starts it: screenshots into a folder, or a clear failure.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::filesystem::path ProgramPath() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return std::filesystem::path(self).parent_path() / L"skingallery.exe";
}

// Runs the program to its end; its exit code, or -1 when it could not start or did not end.
DWORD RunGallery(const std::wstring& arguments) {
  std::wstring line = L"\"" + ProgramPath().wstring() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return static_cast<DWORD>(-1);
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  else TerminateProcess(process.hProcess, 99);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

}  // namespace

TEST(GalleryProgram, WritesAScreenshotOfEveryPageAndEndsWithZero) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tolvane_gallery_program";
  std::filesystem::remove_all(dir);
  EXPECT_EQ(RunGallery(L"--screenshots \"" + dir.wstring() + L"\""), 0u);
  int pngs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) pngs += entry.path().extension() == ".png";
  EXPECT_EQ(pngs, 9);  // eight pages and the MDI window
  EXPECT_TRUE(std::filesystem::exists(dir / "01-Buttons.png"));
  EXPECT_TRUE(std::filesystem::exists(dir / "09-MDI.png"));
  std::filesystem::remove_all(dir);
}

TEST(GalleryProgram, AFolderThatCannotBeWrittenEndsWithAnError) {
  const std::filesystem::path blocker = std::filesystem::temp_directory_path() / "tolvane_gallery_program_blocker";
  std::ofstream(blocker) << "not a folder";
  EXPECT_EQ(RunGallery(L"--screenshots \"" + (blocker / "shots").wstring() + L"\""), 1u);
  EXPECT_EQ(RunGallery(L"--no-such-option"), 2u);
  std::filesystem::remove(blocker);
}
