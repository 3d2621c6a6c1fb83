// Tab strips on every side, close marks, button tabs, a crowded strip with its scroll arrows, a
// disabled page control, old-style tab sets and pages with tab pictures of their own.
#include <string>

#include "GalleryPages.h"
#include "StdCtrls.h"
#include "TabSet.h"
#include "Tabs.h"

namespace gallery {

namespace {

template <class C>
C* Place(tk::TComponent* owner, tk::TWinControl* parent, int left, int top, int width, int height) {
  auto* control = new C(owner);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// A page control of `count` sheets, each with a line of text saying where it is.
tk::TPageControl* PageControl(tk::TComponent* owner, tk::TWinControl* page, int left, int top, int width, int height,
                              tk::TTabPosition side, int count, const std::string& name) {
  auto* pages = Place<tk::TPageControl>(owner, page, left, top, width, height);
  pages->SetTabPosition(side);
  for (int i = 0; i < count; ++i) {
    auto* sheet = new tk::TTabSheet(owner);
    sheet->SetCaption("Page " + std::to_string(i + 1));
    sheet->SetPageControl(pages);
    auto* label = Place<tk::TLabel>(owner, sheet, 8, 8, 150, 16);
    label->SetCaption(name + ", page " + std::to_string(i + 1));
  }
  return pages;
}

}  // namespace

void BuildTabsPage(tk::TComponent* owner, tk::TWinControl* page) {
  PageControl(owner, page, 8, 8, 180, 150, tk::TTabPosition::tpTop, 3, "Tabs on top");
  PageControl(owner, page, 196, 8, 180, 150, tk::TTabPosition::tpBottom, 3, "Tabs at the bottom");
  PageControl(owner, page, 384, 8, 180, 150, tk::TTabPosition::tpLeft, 3, "Tabs on the left");
  PageControl(owner, page, 572, 8, 180, 150, tk::TTabPosition::tpRight, 3, "Tabs on the right");

  // Tag 7777: every tab has a close mark.
  auto* closable = PageControl(owner, page, 8, 168, 240, 130, tk::TTabPosition::tpTop, 4, "Close marks");
  closable->SetTag(7777);

  auto* buttons = Place<tk::TTabControl>(owner, page, 256, 168, 240, 60);
  buttons->SetStyle(tk::TTabStyle::tsButtons);
  for (const char* caption : {"Day", "Week", "Month"}) buttons->Tabs().Add(caption);

  auto* crowded = Place<tk::TTabControl>(owner, page, 256, 238, 240, 60);
  for (int i = 1; i <= 12; ++i) crowded->Tabs().Add("Lesson " + std::to_string(i));

  auto* disabled = PageControl(owner, page, 504, 168, 248, 130, tk::TTabPosition::tpTop, 3, "Disabled");
  disabled->SetEnabled(false);

  auto* set = Place<tk::TTabSet>(owner, page, 8, 310, 360, 24);
  for (const char* caption : {"Article", "Typing", "Results", "Voices"}) set->Tabs().Add(caption);
  set->SetTabIndex(1);

  auto* crowdedSet = Place<tk::TTabSet>(owner, page, 384, 310, 200, 24);
  for (int i = 1; i <= 10; ++i) crowdedSet->Tabs().Add("Sheet " + std::to_string(i));

  auto* notebook = Place<tk::TTabbedNotebook>(owner, page, 8, 344, 360, 90);
  for (const char* caption : {"General", "Speech", "Skin"}) {
    auto* sheet = new tk::TTabSheet(owner);
    sheet->SetCaption(caption);
    sheet->SetPageControl(notebook);
  }

  // Draws its tabs from two pictures the skin cuts from its tab image.
  auto* pictured = Place<tk::TAdvPageControl>(owner, page, 384, 344, 368, 90);
  for (const char* caption : {"Lesson", "Review", "Scores"}) {
    auto* sheet = new tk::TTabSheet(owner);
    sheet->SetCaption(caption);
    sheet->SetPageControl(pictured);
  }
}

}  // namespace gallery
