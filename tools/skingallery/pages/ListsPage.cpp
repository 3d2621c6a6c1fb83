#include "GalleryPages.h"

namespace gallery {

void BuildListsPage(tk::TComponent*, tk::TWinControl*) {}

}  // namespace gallery
