#include "GalleryScreenshots.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "Application.h"
#include "Encoding.h"
#include "GalleryForm.h"
#include "PngFile.h"
#include "ScreenCapture.h"
#include "SkinManage.h"
#include "WinSkinForm.h"
#include "WindowsPage.h"

namespace gallery {
namespace {

// Time for a page to paint once shown: the painters draw on their first messages, some after a
// posted message or a short timer.
constexpr int SettleMilliseconds = 250;

void Repaint(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

BOOL CALLBACK TellMouseLeft(HWND child, LPARAM) {
  SendMessageW(child, WM_MOUSELEAVE, 0, 0);
  return TRUE;
}

bool Capture(HWND wnd, const std::filesystem::path& file, std::string& why) {
  // A control that was under the pointer when the window appeared may never hear that the pointer
  // went away (the platform under Xvfb does not always say so): tell them all, so that none shows
  // its hot look in the picture.
  EnumChildWindows(wnd, TellMouseLeft, 0);
  SetForegroundWindow(wnd);
  BringWindowToTop(wnd);
  Repaint(wnd);
  RunMessagesFor(SettleMilliseconds);
  const TCapturedImage image = CaptureWindow(wnd);
  if (!WritePng(image, file.wstring(), why)) {
    why = tk::WideToUtf8(file.wstring()) + ": " + why;
    return false;
  }
  return true;
}

// The MDI window of the Windows page, captured as the next numbered file and closed again.
bool CaptureExtraWindows(TGalleryForm& form, const std::filesystem::path& folder, int index,
                         const std::function<void(const std::wstring&)>& written, std::string& why) {
  tk::TForm* frame = OpenMdiWindow(&form);
  if (!frame) return true;
  // The frame and its children are skinned as they are created; give them time to settle.
  for (int waited = 0; waited < 2000; waited += 20) {
    TSkinManage* manager = TSkinManage::Instance();
    TWinSkinForm* painter = manager ? manager->FindForm(frame->Handle()) : nullptr;
    if (painter && painter->FrameState == fsRunning) break;
    RunMessagesFor(20);
  }
  const std::filesystem::path file = folder / ScreenshotName(index, "MDI");
  const bool ok = Capture(frame->Handle(), file, why);
  if (ok && written) written(file.wstring());
  tk::TComponent::Free(frame);
  RunMessagesFor(50);
  return ok;
}

}  // namespace

void RunMessagesFor(int milliseconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  while (GetTickCount64() < end) {
    tk::Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

bool WaitUntilSkinned(TGalleryForm& form, int timeoutMilliseconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMilliseconds);
  for (;;) {
    TSkinManage* manager = TSkinManage::Instance();
    TWinSkinForm* painter = manager && form.HandleAllocated() ? manager->FindForm(form.HandleIfAllocated()) : nullptr;
    if (painter && painter->FrameState == fsRunning) return true;
    if (GetTickCount64() >= end) return false;
    RunMessagesFor(20);
  }
}

std::wstring ScreenshotName(int index, const std::string& title) {
  wchar_t number[8];
  std::swprintf(number, 8, L"%02d", index + 1);
  return std::wstring(number) + L"-" + tk::Utf8ToWide(title) + L".png";
}

bool WriteScreenshots(TGalleryForm& form, const std::wstring& dir,
                      const std::function<void(const std::wstring& path)>& written, std::string& why) {
  const std::filesystem::path folder(dir);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder, error)) {
    why = "cannot make the folder " + tk::WideToUtf8(dir) + (error ? ": " + error.message() : std::string());
    return false;
  }
  const int shown = form.ActivePage();
  // The mouse away from the window: no control shows its hot look.
  SetCursorPos(0, 0);
  HWND wnd = form.Handle();
  bool ok = true;
  int index = 0;
  for (; index < form.PageCount() && ok; ++index) {
    form.ShowPage(index);
    const std::filesystem::path file = folder / ScreenshotName(index, form.PageTitle(index));
    ok = Capture(wnd, file, why);
    if (ok && written) written(file.wstring());
  }
  if (ok) ok = CaptureExtraWindows(form, folder, index, written, why);
  form.ShowPage(shown);
  return ok;
}

}  // namespace gallery
