// The gallery's page host: one page at a time, each a plain container the page builders fill.
// Pages are panels switched by visibility; only this class knows that.
#pragma once

#include <string>
#include <vector>

namespace tk {
class TComponent;
class TWinControl;
class TPanel;
}  // namespace tk

namespace gallery {

class TGalleryBook {
 public:
  // The pages are owned by `owner` and fill `parent`'s client area.
  void Create(tk::TComponent* owner, tk::TWinControl* parent);
  // A new, hidden page; the first one added is shown.
  tk::TWinControl* AddPage(const std::string& title);
  void ShowPage(int index);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  int ActivePage() const { return active_; }
  const std::string& PageTitle(int index) const { return titles_.at(static_cast<size_t>(index)); }
  tk::TWinControl* Page(int index) const;

 private:
  tk::TComponent* owner_ = nullptr;
  tk::TWinControl* parent_ = nullptr;
  std::vector<tk::TPanel*> pages_;
  std::vector<std::string> titles_;
  int active_ = -1;
};

}  // namespace gallery
