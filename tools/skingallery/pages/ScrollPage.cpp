// Controls with scroll bars: a memo, a list box and a rich edit, and scroll bar controls
// horizontal and vertical, each also disabled.
#include <string>

#include "ComCtrls.h"
#include "GalleryPages.h"
#include "PageLayout.h"
#include "StdCtrls.h"

namespace gallery {
namespace {

constexpr int BoxHeight = 150;

std::string LongLine(int n) {
  return "Line " + std::to_string(n) + ": the quick brown fox jumps over the lazy dog, and on, and on past the edge.";
}

void TextBoxes(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Memo, both bars");
  auto* memo = Place<tk::TMemo>(owner, page, x, 12 + HeadingHeight + 4, ColumnWidth, BoxHeight);
  memo->SetWordWrap(false);
  memo->SetScrollBars(tk::TScrollStyle::ssBoth);
  for (int i = 1; i <= 40; ++i) memo->Lines().Add(LongLine(i));

  const int listTop = 12 + HeadingHeight + BoxHeight + 24;
  AddHeading(owner, page, x, listTop, "List box");
  auto* list = Place<tk::TListBox>(owner, page, x, listTop + HeadingHeight + 4, ColumnWidth, BoxHeight + 40);
  for (int i = 1; i <= 60; ++i) list->Items().Add("Item " + std::to_string(i));
  list->SetItemIndex(2);
}

void RichEdits(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Rich edit, vertical bar");
  auto* rich = Place<tk::TRichEdit>(owner, page, x, 12 + HeadingHeight + 4, ColumnWidth, BoxHeight);
  rich->SetScrollBars(tk::TScrollStyle::ssVertical);
  std::string text;
  for (int i = 1; i <= 30; ++i) text += LongLine(i) + "\r\n";
  rich->SetText(text);
  rich->Select(0, 0);
  rich->ScrollCaret();

  const int disabledTop = 12 + HeadingHeight + BoxHeight + 24;
  AddHeading(owner, page, x, disabledTop, "Memo, disabled");
  auto* memo = Place<tk::TMemo>(owner, page, x, disabledTop + HeadingHeight + 4, ColumnWidth, BoxHeight + 40);
  memo->SetScrollBars(tk::TScrollStyle::ssVertical);
  for (int i = 1; i <= 30; ++i) memo->Lines().Add(LongLine(i));
  memo->SetEnabled(false);
}

void ScrollBars(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Scroll bars");
  int y = 12 + HeadingHeight + 4;
  struct {
    const char* note;
    int position;
    bool enabled;
  } const rows[] = {{"horizontal", 30, true}, {"horizontal, disabled", 60, false}};
  for (const auto& row : rows) {
    auto* bar = Place<tk::TScrollBar>(owner, page, x, y, ColumnWidth, 17);
    bar->SetKind(tk::TScrollBarKind::sbHorizontal);
    bar->SetPageSize(20);
    bar->SetPosition(row.position);
    bar->SetEnabled(row.enabled);
    AddNote(owner, page, x, y + 20, row.note);
    y += 48;
  }
  for (int i = 0; i < 2; ++i) {
    // The kind first: a new kind turns the bounds round.
    auto* bar = new tk::TScrollBar(owner);
    bar->SetKind(tk::TScrollBarKind::sbVertical);
    bar->SetParent(page);
    bar->SetBounds(x + i * 90, y + 4, 17, 230);
    bar->SetPageSize(20);
    bar->SetPosition(i ? 70 : 10);
    bar->SetEnabled(i == 0);
    AddNote(owner, page, x + i * 90 + 22, y + 110, i ? "disabled" : "vertical");
  }
}

}  // namespace

void BuildScrollPage(tk::TComponent* owner, tk::TWinControl* page) {
  TextBoxes(owner, page, ColumnLeft[0]);
  RichEdits(owner, page, ColumnLeft[1]);
  ScrollBars(owner, page, ColumnLeft[2]);
}

}  // namespace gallery
