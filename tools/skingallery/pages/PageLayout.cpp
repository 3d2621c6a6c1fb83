#include "PageLayout.h"

#include "StdCtrls.h"

namespace gallery {

tk::TLabel* AddNote(tk::TComponent* owner, tk::TWinControl* page, int x, int y, const std::string& text) {
  auto* label = new tk::TLabel(owner);
  label->SetParent(page);
  label->SetTransparent(true);
  label->SetLeft(x);
  label->SetTop(y);
  label->SetCaption(text);
  return label;
}

tk::TLabel* AddHeading(tk::TComponent* owner, tk::TWinControl* page, int x, int y, const std::string& text) {
  tk::TLabel* label = AddNote(owner, page, x, y, text);
  label->SetParentFont(false);
  label->Font().SetStyle(tk::TFontStyles{tk::TFontStyle::fsBold});
  return label;
}

}  // namespace gallery
