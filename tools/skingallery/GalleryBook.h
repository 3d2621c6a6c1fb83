// The gallery's page host: a page control with one tab sheet per page, each a plain container the
// page builders fill.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tk {
class TComponent;
class TWinControl;
class TPageControl;
class TTabSheet;
}  // namespace tk

namespace gallery {

class TGalleryBook {
 public:
  // The page control is owned by `owner` and fills `parent`'s client area.
  void Create(tk::TComponent* owner, tk::TWinControl* parent);
  // A new page; the first one added is shown.
  tk::TWinControl* AddPage(const std::string& title);
  void ShowPage(int index);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  int ActivePage() const;
  const std::string& PageTitle(int index) const { return titles_.at(static_cast<size_t>(index)); }
  tk::TWinControl* Page(int index) const;
  // Told when the user chooses a page on the tabs.
  std::function<void(int index)> OnPageChanged;

 private:
  tk::TComponent* owner_ = nullptr;
  tk::TPageControl* control_ = nullptr;
  std::vector<tk::TTabSheet*> pages_;
  std::vector<std::string> titles_;
};

}  // namespace gallery
