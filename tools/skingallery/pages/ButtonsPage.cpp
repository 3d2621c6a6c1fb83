#include "GalleryPages.h"

namespace gallery {

void BuildButtonsPage(tk::TComponent*, tk::TWinControl*) {}

}  // namespace gallery
