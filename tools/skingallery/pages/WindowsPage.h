// The gallery's Windows page: an MDI frame with children, a message box, a pop-up menu and a size
// grip, all as the skin draws them.
#pragma once

namespace tk {
class TComponent;
class TForm;
}  // namespace tk

namespace gallery {

// Opens a shown MDI frame form with a menu and two child forms (the first one maximisable), owned
// by `owner`; the frame frees its children.
tk::TForm* OpenMdiWindow(tk::TComponent* owner);

}  // namespace gallery
