#include "GalleryBook.h"

#include "Tabs.h"

namespace gallery {

void TGalleryBook::Create(tk::TComponent* owner, tk::TWinControl* parent) {
  owner_ = owner;
  control_ = new tk::TPageControl(owner);
  control_->SetName("GalleryPages");
  control_->SetParent(parent);
  control_->SetAlign(tk::TAlign::alClient);
  control_->OnChange = [this](tk::TObject*) {
    if (OnPageChanged) OnPageChanged(ActivePage());
  };
}

tk::TWinControl* TGalleryBook::AddPage(const std::string& title) {
  auto* page = new tk::TTabSheet(owner_);
  page->SetCaption(title);
  page->SetPageControl(control_);
  pages_.push_back(page);
  titles_.push_back(title);
  if (pages_.size() == 1) control_->SetActivePage(page);
  return page;
}

void TGalleryBook::ShowPage(int index) {
  if (index < 0 || index >= PageCount() || index == ActivePage()) return;
  control_->SetActivePage(pages_[static_cast<size_t>(index)]);
}

int TGalleryBook::ActivePage() const { return control_ ? control_->ActivePageIndex() : -1; }

tk::TWinControl* TGalleryBook::Page(int index) const {
  return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

}  // namespace gallery
