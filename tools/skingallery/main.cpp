// skingallery [SKIN_FILE] [--screenshots DIR]: every control family on one skinned form, for skin
// authors; with --screenshots, a PNG of each page is written and the program ends.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>

#include "Application.h"
#include "ClassRegistration.h"
#include "Encoding.h"
#include "GalleryArguments.h"
#include "GalleryForm.h"
#include "GalleryScreenshots.h"
#include "SkinManage.h"

namespace {

void PrintWritten(const std::wstring& path) {
  std::printf("%s\n", tk::WideToUtf8(path).c_str());
  std::fflush(stdout);
}

int TakeScreenshots(gallery::TGalleryForm& form, const std::wstring& dir) {
  // The mouse off the window before it appears, so that no control starts out hot.
  SetCursorPos(0, 0);
  gallery::RunMessagesFor(100);
  form.Show();
  if (!gallery::WaitUntilSkinned(form, 10000))
    std::fprintf(stderr, "skingallery: the skin did not take the window over; unskinned screenshots follow\n");
  std::string why;
  if (!gallery::WriteScreenshots(form, dir, PrintWritten, why)) {
    std::fprintf(stderr, "skingallery: %s\n", why.c_str());
    return 1;
  }
  return 0;
}

// The menu's screenshots: a folder the user picks.
void AskAndTakeScreenshots(gallery::TGalleryForm& form) {
  BROWSEINFOW browse{};
  browse.hwndOwner = form.Handle();
  browse.lpszTitle = L"Folder for the screenshots";
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (!chosen) return;
  wchar_t dir[MAX_PATH] = L"";
  const bool named = SHGetPathFromIDListW(chosen, dir);
  CoTaskMemFree(chosen);
  if (!named) return;
  std::string why;
  int count = 0;
  const bool ok = gallery::WriteScreenshots(form, dir, [&count](const std::wstring&) { ++count; }, why);
  const std::wstring text = ok ? std::to_wstring(count) + L" screenshots written to " + dir : tk::Utf8ToWide(why);
  MessageBoxW(form.Handle(), text.c_str(), L"Screenshots", MB_OK | (ok ? MB_ICONINFORMATION : MB_ICONWARNING));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const gallery::TGalleryArguments args = gallery::ParseGalleryArguments(gallery::ProcessArguments());
  if (!args.Error.empty()) {
    std::fprintf(stderr, "skingallery: %s\n%s\n", args.Error.c_str(), gallery::GalleryUsage);
    return 2;
  }
  if (!args.SkinFile.empty() && GetFileAttributesW(args.SkinFile.c_str()) == INVALID_FILE_ATTRIBUTES)
    std::fprintf(stderr, "skingallery: no file %s; the default skin is used\n", tk::WideToUtf8(args.SkinFile).c_str());
  tk::TApplication application;
  application.Initialize();
  application.SetTitle("Tolvane Skin Gallery");
  tk::RegisterToolkitClasses();
  RegisterSkinRuntime();
  auto* form = new gallery::TGalleryForm(&application, args.SkinFile);
  application.AddForm(form);
  form->AfterConstruction();
  if (args.Screenshots) return TakeScreenshots(*form, args.ScreenshotDir);
  form->OnScreenshots = [form] { AskAndTakeScreenshots(*form); };
  application.Run();
  return 0;
}
