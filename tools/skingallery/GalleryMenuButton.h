// A button with a glyph that drops a menu down below itself when pressed; the skin draws it with
// its menu button painter (the gallery's skin component maps the class by name).
#pragma once

#include "Buttons.h"

namespace tk {
class TPopupMenu;
}

namespace gallery {

class TGalleryMenuButton : public tk::TBitBtn {
  TK_CLASS(TGalleryMenuButton)
 public:
  explicit TGalleryMenuButton(tk::TComponent* owner) : tk::TBitBtn(owner) {}
  tk::TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(tk::TPopupMenu* menu) { dropdownMenu_ = menu; }
  void Click() override;

 private:
  tk::TPopupMenu* dropdownMenu_ = nullptr;
};

}  // namespace gallery
