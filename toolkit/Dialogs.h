#pragma once
// The file-open dialog and message boxes.
#include <string>

#include "Component.h"

namespace tk {

class TOpenDialog : public TComponent {
  TK_CLASS(TOpenDialog)
 public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}
  // "Description|pattern|Description|pattern" pairs, as layouts store them.
  std::string Filter() const { return filter_; }
  void SetFilter(const std::string& v) { filter_ = v; }
  std::string FileName() const { return fileName_; }
  void SetFileName(const std::string& v) { fileName_ = v; }
  std::string InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& v) { initialDir_ = v; }
  std::string Title() const { return title_; }
  void SetTitle(const std::string& v) { title_ = v; }
  std::string DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& v) { defaultExt_ = v; }
  // Shows the dialog; true when the user chose a file (FileName holds it).
  bool Execute();

 private:
  std::string filter_, fileName_, initialDir_, title_, defaultExt_;
};

// Plain information: no icon, one OK button, captioned with the application title.
void ShowMessage(const std::string& gbkText);
// A platform message box owned by the active form; returns the button pressed.
int MessageBoxText(const std::string& gbkText, const std::string& gbkCaption, unsigned flags);

}  // namespace tk
