// Lists and up-down buttons: a report list view long and wide enough to scroll both ways, header
// controls, up-downs beside their buddy edits (vertical, horizontal), a spin button and spin
// edits, each also disabled.
#include <string>

#include "GalleryPages.h"
#include "ListViews.h"
#include "StdCtrls.h"
#include "UpDown.h"

namespace gallery {
namespace {

// The page's columns (the other pages' too): left edges and the width a control may take.
constexpr int ColumnLeft[] = {16, 268, 520};
constexpr int ColumnWidth = 224;
constexpr int HeadingHeight = 22;
constexpr int WideWidth = ColumnLeft[2] - ColumnLeft[0] - 28;  // the first two columns together

template <class T>
T* Place(tk::TComponent* owner, tk::TWinControl* parent, int x, int y, int width, int height) {
  auto* control = new T(owner);
  control->SetParent(parent);
  control->SetBounds(x, y, width, height);
  return control;
}

tk::TLabel* Note(tk::TComponent* owner, tk::TWinControl* page, int x, int y, const std::string& text) {
  auto* label = new tk::TLabel(owner);
  label->SetParent(page);
  label->SetTransparent(true);
  label->SetLeft(x);
  label->SetTop(y);
  label->SetCaption(text);
  return label;
}

void Heading(tk::TComponent* owner, tk::TWinControl* page, int x, int y, const std::string& text) {
  tk::TLabel* label = Note(owner, page, x, y, text);
  label->SetParentFont(false);
  label->Font().SetStyle(tk::TFontStyles{tk::TFontStyle::fsBold});
}

tk::TListView* ReportList(tk::TComponent* owner, tk::TWinControl* page, int x, int y, int width, int height, int rows) {
  auto* list = Place<tk::TListView>(owner, page, x, y, width, height);
  list->SetViewStyle(tk::TViewStyle::vsReport);
  list->SetRowSelect(true);
  list->AddColumn("Article", 170);
  list->AddColumn("Characters", 100, tk::TAlignment::taRightJustify);
  list->AddColumn("Speed", 90, tk::TAlignment::taRightJustify);
  list->AddColumn("Accuracy", 90, tk::TAlignment::taRightJustify);
  list->AddColumn("Voice", 120);
  for (int i = 1; i <= rows; ++i)
    list->AddItem("Article " + std::to_string(i),
                  {std::to_string(300 + 37 * i), std::to_string(40 + i % 25) + " per min",
                   std::to_string(80 + i % 20) + "%", i % 2 ? "Voice A" : "Voice B"});
  return list;
}

tk::THeaderControl* Header(tk::TComponent* owner, tk::TWinControl* page, int x, int y) {
  auto* header = Place<tk::THeaderControl>(owner, page, x, y, WideWidth, 22);
  header->SetAlign(tk::TAlign::alNone);
  header->SetBounds(x, y, WideWidth, 22);
  header->AddSection("Level", 110);
  header->AddSection("Voice (centred)", 150, tk::TAlignment::taCenter);
  header->AddSection("Rate (right)", 110, tk::TAlignment::taRightJustify);
  return header;
}

void Lists(tk::TComponent* owner, tk::TWinControl* page, int x) {
  Heading(owner, page, x, 12, "List view, report style (hover the column header)");
  tk::TListView* list = ReportList(owner, page, x, 12 + HeadingHeight + 4, WideWidth, 210, 40);
  list->SetItemIndex(2);

  const int headerTop = 12 + HeadingHeight + 210 + 20;
  Heading(owner, page, x, headerTop, "Header control");
  Header(owner, page, x, headerTop + HeadingHeight + 2)->SetHotTrack(true);
  Note(owner, page, x, headerTop + HeadingHeight + 28, "disabled:");
  Header(owner, page, x, headerTop + HeadingHeight + 46)->SetEnabled(false);
}

// An edit showing an up-down's position, and the up-down beside it.
void UpDownRow(tk::TComponent* owner, tk::TWinControl* page, int x, int y, tk::TUDOrientation orientation, bool enabled,
               const std::string& note) {
  auto* buddy = Place<tk::TEdit>(owner, page, x, y, 60, 22);
  const bool vertical = orientation == tk::TUDOrientation::udVertical;
  auto* upDown = Place<tk::TUpDown>(owner, page, x + 62, y, vertical ? 17 : 34, 22);
  upDown->SetOrientation(orientation);
  upDown->SetMin(0);
  upDown->SetMax(20);
  upDown->SetPosition(vertical ? 5 : 12);
  upDown->SetAssociate(buddy);
  buddy->SetEnabled(enabled);
  upDown->SetEnabled(enabled);
  Note(owner, page, x + 104, y + 4, note);
}

void UpDowns(tk::TComponent* owner, tk::TWinControl* page, int x) {
  Heading(owner, page, x, 12, "Up-down with a buddy edit");
  int y = 12 + HeadingHeight + 4;
  UpDownRow(owner, page, x, y, tk::TUDOrientation::udVertical, true, "vertical");
  UpDownRow(owner, page, x, y + 30, tk::TUDOrientation::udHorizontal, true, "horizontal");
  UpDownRow(owner, page, x, y + 60, tk::TUDOrientation::udVertical, false, "disabled");
  UpDownRow(owner, page, x, y + 90, tk::TUDOrientation::udHorizontal, false, "horizontal, disabled");

  y += 130;
  Heading(owner, page, x, y, "Spin button");
  Place<tk::TSpinButton>(owner, page, x, y + HeadingHeight + 2, 20, 26);
  Note(owner, page, x + 30, y + HeadingHeight + 8, "two buttons, no buddy");

  y += HeadingHeight + 42;
  Heading(owner, page, x, y, "Spin edit (buttons inside)");
  auto* spin = Place<tk::TSpinEdit>(owner, page, x, y + HeadingHeight + 2, 120, 22);
  spin->SetMaxValue(99);
  spin->SetValue(42);
  auto* disabled = Place<tk::TSpinEdit>(owner, page, x, y + HeadingHeight + 32, 120, 22);
  disabled->SetValue(7);
  disabled->SetEnabled(false);
  Note(owner, page, x + 128, y + HeadingHeight + 36, "disabled");

  y += HeadingHeight + 66;
  Heading(owner, page, x, y, "List view, disabled");
  ReportList(owner, page, x, y + HeadingHeight + 2, ColumnWidth, 440 - y - HeadingHeight - 12, 12)->SetEnabled(false);
}

}  // namespace

void BuildListsPage(tk::TComponent* owner, tk::TWinControl* page) {
  Lists(owner, page, ColumnLeft[0]);
  UpDowns(owner, page, ColumnLeft[2]);
}

}  // namespace gallery
