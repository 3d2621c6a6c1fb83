#include "GalleryPages.h"

namespace gallery {

void BuildRangesPage(tk::TComponent*, tk::TWinControl*) {}

}  // namespace gallery
