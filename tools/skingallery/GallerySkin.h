// The gallery's skin: a skin data component that serves every form of the program, loaded with the
// default skin the program carries, or with a skin file.
#pragma once

#include <string>

class TSkinData;
namespace tk {
class TForm;
}

namespace gallery {

// Class name = painter kind for the gallery's own controls.
inline constexpr const char* GalleryMenuButtonClass = "TGalleryMenuButton";

// Reads the program's default skin (resource DEFAULTSKIN) into the component, as a stored layout
// reads its SkinStream. False when the program carries none.
bool LoadDefaultSkin(TSkinData& skin);

// A component on `form` set up as a stored layout would set it (every form, every control family),
// holding the default skin, then `skinFile` when one is given (a file that is no skin says so and
// the default skin stays); Loaded at the end, which starts the skin engine.
TSkinData* MakeGallerySkin(tk::TForm& form, const std::wstring& skinFile);

}  // namespace gallery
