#include "Dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include "Application.h"
#include "Encoding.h"

namespace tk {

const TClassInfo& TOpenDialog::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo c("TOpenDialog", &TComponent::StaticClass());
    c.Property("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
    c.Property("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    c.Property("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    c.Property("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    c.Property("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
    c.SetFactory([](TComponent* owner) { return new TOpenDialog(owner); });
    return c;
  }();
  return info;
}

bool TOpenDialog::Execute() {
  // "A|*.a|B|*.b" becomes the double-zero-terminated list the platform wants.
  std::wstring filter = GbkToWide(filter_);
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter.push_back(L'\0');
  filter.push_back(L'\0');
  std::wstring file = GbkToWide(fileName_);
  file.resize(std::max<size_t>(file.size() + 1, 32768), L'\0');
  std::wstring dir = GbkToWide(initialDir_), title = GbkToWide(title_), ext = GbkToWide(defaultExt_);

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Application ? Application->DialogOwner() : nullptr;
  ofn.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
  ofn.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn)) return false;
  fileName_ = WideToGbk(file.c_str());
  return true;
}

void ShowMessage(const std::string& gbkText) {
  MessageBoxText(gbkText, Application ? Application->Title() : std::string(), MB_OK);
}

int MessageBoxText(const std::string& gbkText, const std::string& gbkCaption, unsigned flags) {
  HWND owner = Application ? Application->DialogOwner() : nullptr;
  return MessageBoxW(owner, GbkToWide(gbkText).c_str(), GbkToWide(gbkCaption).c_str(), flags);
}

}  // namespace tk
