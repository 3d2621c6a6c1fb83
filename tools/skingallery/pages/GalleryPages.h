// The gallery's pages. Each builder fills the page it is given with one family of controls in all
// their states (enabled, disabled, checked, focused, with scroll bars); the controls are owned by
// `owner` (the gallery form), so they are skinned with it.
#pragma once

namespace tk {
class TComponent;
class TWinControl;
}  // namespace tk

namespace gallery {

struct TGalleryPage {
  const char* Title;
  void (*Build)(tk::TComponent* owner, tk::TWinControl* page);
};

void BuildButtonsPage(tk::TComponent* owner, tk::TWinControl* page);
void BuildEditsPage(tk::TComponent* owner, tk::TWinControl* page);
void BuildChoicesPage(tk::TComponent* owner, tk::TWinControl* page);
void BuildScrollPage(tk::TComponent* owner, tk::TWinControl* page);
void BuildTabsPage(tk::TComponent* owner, tk::TWinControl* page);
void BuildListsPage(tk::TComponent* owner, tk::TWinControl* page);
void BuildRangesPage(tk::TComponent* owner, tk::TWinControl* page);
void BuildWindowsPage(tk::TComponent* owner, tk::TWinControl* page);

// In the order the gallery shows them.
inline constexpr TGalleryPage GalleryPages[] = {
    {"Buttons", BuildButtonsPage}, {"Edits", BuildEditsPage},  {"Choices", BuildChoicesPage},
    {"Scroll", BuildScrollPage},   {"Tabs", BuildTabsPage},    {"Lists", BuildListsPage},
    {"Ranges", BuildRangesPage},   {"Windows", BuildWindowsPage},
};

}  // namespace gallery
