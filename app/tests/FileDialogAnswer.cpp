#include "FileDialogAnswer.h"

#include <dlgs.h>
#include <shellapi.h>

#include <stdexcept>

namespace practice::testing {

namespace {
// The explorer-style dialog names the file in cmb13, the old style in edt1.
HWND FileNameControl(HWND dialog) {
  if (HWND combo = GetDlgItem(dialog, cmb13)) return combo;
  return GetDlgItem(dialog, edt1);
}
}  // namespace

std::function<bool(HWND)> ChooseFile(std::wstring path) {
  return [path](HWND dialog) {
    HWND name = FileNameControl(dialog);
    if (!name) return false;
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return true;
  };
}

std::function<bool(HWND)> CancelFileDialog() {
  return [](HWND dialog) {
    if (!FileNameControl(dialog)) return false;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    return true;
  };
}

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  // Process ids come round again under Wine: try names until one is free.
  static unsigned serial = GetTickCount();
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = std::wstring(base) + L"tolvane-articles-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++serial);
    if (CreateDirectoryW(path_.c_str(), nullptr)) return;
  }
  throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
  std::wstring from = path_;
  from.push_back(L'\0');
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationW(&op);
}

std::wstring TempFolder::Write(const std::wstring& name, const std::string& bytes) const {
  const std::wstring file = path_ + L"\\" + name;
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write a test file");
  DWORD written = 0;
  WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  return file;
}

}  // namespace practice::testing
