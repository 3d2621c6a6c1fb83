#include "GalleryPages.h"

namespace gallery {

void BuildChoicesPage(tk::TComponent*, tk::TWinControl*) {}

}  // namespace gallery
