#include "GalleryPages.h"

namespace gallery {

void BuildScrollPage(tk::TComponent*, tk::TWinControl*) {}

}  // namespace gallery
