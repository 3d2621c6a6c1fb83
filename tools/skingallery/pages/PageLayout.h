// Placing controls on a gallery page: three columns under bold headings, plain notes beside the
// controls. Every control is owned by the gallery form and parented to the page.
#pragma once

#include <string>

#include "Controls.h"

namespace tk {
class TLabel;
}

namespace gallery {

// The page's columns: left edges and the width a control may take.
inline constexpr int ColumnLeft[] = {16, 268, 520};
inline constexpr int ColumnWidth = 224;
inline constexpr int HeadingHeight = 22;
inline constexpr int RowHeight = 32;

// A bold heading above a column's group of controls.
tk::TLabel* AddHeading(tk::TComponent* owner, tk::TWinControl* page, int x, int y, const std::string& text);
// A plain label (a control's name or state).
tk::TLabel* AddNote(tk::TComponent* owner, tk::TWinControl* page, int x, int y, const std::string& text);

// A new control of type T owned by `owner`, on `parent` at the given bounds.
template <class T>
T* Place(tk::TComponent* owner, tk::TWinControl* parent, int x, int y, int width, int height) {
  auto* control = new T(owner);
  control->SetParent(parent);
  control->SetBounds(x, y, width, height);
  return control;
}

}  // namespace gallery
