// Push buttons, bit buttons with glyphs, speed buttons up, down and flat, a menu button.
#include <string>

#include "Buttons.h"
#include "GalleryGlyphs.h"
#include "GalleryMenuButton.h"
#include "GalleryPages.h"
#include "Menus.h"
#include "PageLayout.h"

namespace gallery {
namespace {

constexpr int ButtonWidth = 120, ButtonHeight = 27;

void PushButtons(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Push buttons");
  struct {
    const char* caption;
    const char* note;
    bool isDefault, enabled;
  } const rows[] = {
      {"Normal", "enabled", false, true},
      {"Default", "default (Enter)", true, true},
      {"Disabled", "disabled", false, false},
  };
  int y = 12 + HeadingHeight + 4;
  for (const auto& row : rows) {
    auto* button = Place<tk::TButton>(owner, page, x, y, ButtonWidth, ButtonHeight);
    button->SetCaption(row.caption);
    button->SetDefault(row.isDefault);
    button->SetEnabled(row.enabled);
    AddNote(owner, page, x + ButtonWidth + 10, y + 7, row.note);
    y += RowHeight + 4;
  }
  auto* wide = Place<tk::TButton>(owner, page, x, y, ColumnWidth - 20, 40);
  wide->SetCaption("A taller, wider button");
}

void BitButtons(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Bit buttons");
  struct {
    const char* caption;
    TGlyph glyph;
    tk::TButtonLayout layout;
    bool enabled;
    int height;
  } const rows[] = {
      {"OK", TGlyph::Tick, tk::TButtonLayout::blGlyphLeft, true, ButtonHeight},
      {"Cancel", TGlyph::Stop, tk::TButtonLayout::blGlyphLeft, true, ButtonHeight},
      {"Next", TGlyph::Forward, tk::TButtonLayout::blGlyphRight, true, ButtonHeight},
      {"Disabled", TGlyph::Info, tk::TButtonLayout::blGlyphLeft, false, ButtonHeight},
      {"Glyph on top", TGlyph::Open, tk::TButtonLayout::blGlyphTop, true, 48},
  };
  int y = 12 + HeadingHeight + 4;
  for (const auto& row : rows) {
    auto* button = Place<tk::TBitBtn>(owner, page, x, y, ButtonWidth, row.height);
    button->SetCaption(row.caption);
    GiveGlyph(*button, row.glyph);
    button->SetLayout(row.layout);
    button->SetEnabled(row.enabled);
    y += row.height + 9;
  }
}

tk::TSpeedButton* SpeedButton(tk::TComponent* owner, tk::TWinControl* page, int x, int y, TGlyph glyph) {
  auto* button = Place<tk::TSpeedButton>(owner, page, x, y, 26, 26);
  GiveGlyph(*button, glyph);
  return button;
}

void SpeedButtons(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Speed buttons");
  int y = 12 + HeadingHeight + 4;
  // One group: one button down at a time.
  const TGlyph align[] = {TGlyph::Left, TGlyph::Centre, TGlyph::Right};
  for (int i = 0; i < 3; ++i) {
    tk::TSpeedButton* button = SpeedButton(owner, page, x + i * 27, y, align[i]);
    button->SetGroupIndex(1);
    button->SetDown(i == 0);
  }
  AddNote(owner, page, x + 92, y + 6, "group: first down");
  y += RowHeight + 4;
  // Flat, each its own toggle.
  const TGlyph styles[] = {TGlyph::Bold, TGlyph::Italic, TGlyph::Underline};
  for (int i = 0; i < 3; ++i) {
    tk::TSpeedButton* button = SpeedButton(owner, page, x + i * 27, y, styles[i]);
    button->SetFlat(true);
    button->SetGroupIndex(10 + i);
    button->SetAllowAllUp(true);
    button->SetDown(i == 0);
  }
  AddNote(owner, page, x + 92, y + 6, "flat: bold down");
  y += RowHeight + 4;
  tk::TSpeedButton* up = SpeedButton(owner, page, x, y, TGlyph::Back);
  tk::TSpeedButton* disabled = SpeedButton(owner, page, x + 27, y, TGlyph::Stop);
  disabled->SetEnabled(false);
  (void)up;
  AddNote(owner, page, x + 92, y + 6, "up, disabled");
  y += RowHeight + 4;
  auto* captioned = Place<tk::TSpeedButton>(owner, page, x, y, ButtonWidth, 26);
  captioned->SetCaption("Open...");
  GiveGlyph(*captioned, TGlyph::Open);
  y += RowHeight + 20;

  AddHeading(owner, page, x, y, "Menu button");
  y += HeadingHeight + 4;
  auto* menu = new tk::TPopupMenu(owner);
  for (const char* caption : {"First choice", "Second choice", "-", "Third choice"}) {
    auto* item = new tk::TMenuItem(owner);
    item->SetCaption(caption);
    menu->Items()->Add(item);
  }
  auto* menuButton = Place<TGalleryMenuButton>(owner, page, x, y, ButtonWidth + 20, ButtonHeight);
  menuButton->SetCaption("Choices");
  menuButton->SetGlyph(MakeGlyph(TGlyph::Open).get());
  menuButton->SetDropdownMenu(menu);
  auto* menuDisabled = Place<TGalleryMenuButton>(owner, page, x, y + RowHeight + 4, ButtonWidth + 20, ButtonHeight);
  menuDisabled->SetCaption("Disabled");
  menuDisabled->SetGlyph(MakeGlyph(TGlyph::Info).get());
  menuDisabled->SetEnabled(false);
}

}  // namespace

void BuildButtonsPage(tk::TComponent* owner, tk::TWinControl* page) {
  PushButtons(owner, page, ColumnLeft[0]);
  BitButtons(owner, page, ColumnLeft[1]);
  SpeedButtons(owner, page, ColumnLeft[2]);
}

}  // namespace gallery
