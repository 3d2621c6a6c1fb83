#include "GalleryPages.h"

namespace gallery {

void BuildWindowsPage(tk::TComponent*, tk::TWinControl*) {}

}  // namespace gallery
