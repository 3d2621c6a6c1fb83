#pragma once
// Answers to the file-open dialog for tk::testing::DialogWatcher::SetAnswer, and article files
// written for a test.
#include <windows.h>

#include <functional>
#include <string>

namespace practice::testing {

// Types the path into the dialog's file name and presses Open; other dialogs are left alone.
std::function<bool(HWND)> ChooseFile(std::wstring path);
// Cancels the dialog.
std::function<bool(HWND)> CancelFileDialog();

// A fresh folder under the temporary folder, removed with what it holds.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::wstring& Path() const { return path_; }
  // Writes the bytes into a file of the folder and returns its full path.
  std::wstring Write(const std::wstring& name, const std::string& bytes) const;

 private:
  std::wstring path_;
};

}  // namespace practice::testing
