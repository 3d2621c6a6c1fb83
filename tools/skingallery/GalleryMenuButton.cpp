#include "GalleryMenuButton.h"

#include "GallerySkin.h"
#include "Menus.h"

namespace gallery {

const tk::TClassInfo& TGalleryMenuButton::StaticClass() {
  static const tk::TClassInfo info = [] {
    tk::TClassInfo c(GalleryMenuButtonClass, &tk::TBitBtn::StaticClass());
    c.SetFactory([](tk::TComponent* owner) { return new TGalleryMenuButton(owner); });
    return c;
  }();
  return info;
}

void TGalleryMenuButton::Click() {
  tk::TBitBtn::Click();
  if (!dropdownMenu_ || !HandleAllocated()) return;
  RECT r{};
  GetWindowRect(HandleIfAllocated(), &r);
  dropdownMenu_->PopupFor(HandleIfAllocated(), r.left, r.bottom);
}

}  // namespace gallery
