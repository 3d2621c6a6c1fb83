#include "GalleryBook.h"

#include "ExtCtrls.h"

namespace gallery {

void TGalleryBook::Create(tk::TComponent* owner, tk::TWinControl* parent) {
  owner_ = owner;
  parent_ = parent;
}

tk::TWinControl* TGalleryBook::AddPage(const std::string& title) {
  auto* page = new tk::TPanel(owner_);
  page->SetBevelOuter(tk::TPanelBevel::bvNone);
  page->SetVisible(pages_.empty());
  page->SetParent(parent_);
  page->SetAlign(tk::TAlign::alClient);
  pages_.push_back(page);
  titles_.push_back(title);
  if (active_ < 0) active_ = 0;
  return page;
}

void TGalleryBook::ShowPage(int index) {
  if (index < 0 || index >= PageCount() || index == active_) return;
  // The new page first, so the host never shows an empty area in between.
  pages_[static_cast<size_t>(index)]->SetVisible(true);
  pages_[static_cast<size_t>(index)]->BringToFront();
  if (active_ >= 0) pages_[static_cast<size_t>(active_)]->SetVisible(false);
  active_ = index;
}

tk::TWinControl* TGalleryBook::Page(int index) const {
  return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

}  // namespace gallery
