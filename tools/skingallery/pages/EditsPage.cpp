#include "GalleryPages.h"

namespace gallery {

void BuildEditsPage(tk::TComponent*, tk::TWinControl*) {}

}  // namespace gallery
