#include "GalleryPages.h"

namespace gallery {

void BuildTabsPage(tk::TComponent*, tk::TWinControl*) {}

}  // namespace gallery
