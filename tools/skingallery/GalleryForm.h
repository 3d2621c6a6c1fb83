// The gallery's main form: a menu bar, a tool bar, the page host with one page per control family
// and a status bar, skinned as the program's main form.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Forms.h"
#include "GalleryBook.h"

class TSkinData;
namespace tk {
class TMainMenu;
class TMenuItem;
class TStatusBar;
class TToolBar;
class TSpeedButton;
class TPanel;
}  // namespace tk

namespace gallery {

class TGalleryForm : public tk::TForm {
 public:
  static constexpr int PageWidth = 760;
  static constexpr int PageHeight = 440;

  // Builds every page; `skinFile` empty: the default skin.
  TGalleryForm(tk::TComponent* owner, const std::wstring& skinFile);

  int PageCount() const { return book_.PageCount(); }
  const std::string& PageTitle(int index) const { return book_.PageTitle(index); }
  int ActivePage() const { return book_.ActivePage(); }
  void ShowPage(int index);
  tk::TWinControl* Page(int index) const { return book_.Page(index); }
  TSkinData* Skin() const { return skin_; }
  tk::TStatusBar* StatusBar() const { return statusBar_; }

  // Asks for a skin file and takes it.
  void OpenSkin();
  void UseSkinFile(const std::wstring& path);
  // Asks for a folder and writes the screenshots there.
  std::function<void()> OnScreenshots;

 private:
  void BuildMenu();
  void BuildToolBar();
  void BuildStatusBar();
  void BuildPages();
  tk::TMenuItem* AddItem(tk::TMenuItem* parent, const std::string& caption, std::function<void()> action);
  void ShowSkinName();
  void About();

  TGalleryBook book_;
  TSkinData* skin_ = nullptr;
  tk::TMainMenu* menu_ = nullptr;
  tk::TToolBar* toolBar_ = nullptr;
  tk::TStatusBar* statusBar_ = nullptr;
  tk::TPanel* host_ = nullptr;
  std::vector<tk::TMenuItem*> viewItems_;
};

}  // namespace gallery
