// Under Windows the reader's default notifier shows the refusal in a message box.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "SkinRead.h"

namespace {

struct TBoxSearch {
  DWORD Process;
  HWND Found = nullptr;
};

BOOL CALLBACK FindDialog(HWND wnd, LPARAM param) {
  auto* search = reinterpret_cast<TBoxSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(wnd, &process);
  char cls[32] = {};
  GetClassNameA(wnd, cls, sizeof cls);
  if (process == search->Process && IsWindowVisible(wnd) && std::string(cls) == "#32770") {
    search->Found = wnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectText(HWND wnd, LPARAM param) {
  char cls[32] = {};
  GetClassNameA(wnd, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") == 0) {
    char text[256] = {};
    GetWindowTextA(wnd, text, sizeof text);
    if (text[0]) *reinterpret_cast<std::string*>(param) = text;
  }
  return TRUE;
}

TEST(SkinNoticeWin, UnknownVersionIsShownInAMessageBox) {
  std::string shown;
  std::atomic<bool> done{false};
  std::thread watcher([&] {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done && std::chrono::steady_clock::now() < until) {
      TBoxSearch search{GetCurrentProcessId()};
      EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
      if (search.Found) {
        EnumChildWindows(search.Found, CollectText, reinterpret_cast<LPARAM>(&shown));
        PostMessageA(search.Found, WM_COMMAND, IDOK, 0);
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  });

  TSkinReader reader;  // the platform's notifier
  const bool loaded = reader.LoadFromStream(std::vector<std::uint8_t>{0, 0, 0, 0});
  done = true;
  watcher.join();

  EXPECT_FALSE(loaded);
  EXPECT_EQ(shown, "This is Older Skin File\rPlease update to new version !");
}

}  // namespace
