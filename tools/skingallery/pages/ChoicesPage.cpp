// Check boxes in every state, radio buttons, group boxes, panels and a radio group.
#include "ExtCtrls.h"
#include "GalleryPages.h"
#include "PageLayout.h"
#include "StdCtrls.h"

namespace gallery {
namespace {

constexpr int ChoiceHeight = 20, ChoiceStep = 26;

void CheckBoxes(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Check boxes");
  struct {
    const char* caption;
    tk::TCheckBoxState state;
    bool enabled;
    bool captionLeft;
  } const rows[] = {
      {"Checked", tk::TCheckBoxState::cbChecked, true, false},
      {"Unchecked", tk::TCheckBoxState::cbUnchecked, true, false},
      {"Grayed", tk::TCheckBoxState::cbGrayed, true, false},
      {"Disabled, checked", tk::TCheckBoxState::cbChecked, false, false},
      {"Disabled, unchecked", tk::TCheckBoxState::cbUnchecked, false, false},
      {"Caption at the left", tk::TCheckBoxState::cbChecked, true, true},
  };
  int y = 12 + HeadingHeight + 4;
  for (const auto& row : rows) {
    auto* box = Place<tk::TCheckBox>(owner, page, x, y, 170, ChoiceHeight);
    box->SetCaption(row.caption);
    box->SetAllowGrayed(row.state == tk::TCheckBoxState::cbGrayed);
    box->SetState(row.state);
    box->SetEnabled(row.enabled);
    if (row.captionLeft) box->SetAlignment(tk::TAlignment::taLeftJustify);
    y += ChoiceStep;
  }
  y += 14;
  AddHeading(owner, page, x, y, "Radio buttons");
  y += HeadingHeight + 4;
  struct {
    const char* caption;
    bool checked, enabled;
  } const radios[] = {
      {"Checked", true, true}, {"Unchecked", false, true}, {"Disabled", false, false}};
  // Their own container, so that they form one group apart from the page's other choices.
  auto* holder = Place<tk::TPanel>(owner, page, x, y, 200, 3 * ChoiceStep);
  holder->SetBevelOuter(tk::TPanelBevel::bvNone);
  int ry = 0;
  for (const auto& radio : radios) {
    auto* button = Place<tk::TRadioButton>(owner, holder, 0, ry, 170, ChoiceHeight);
    button->SetCaption(radio.caption);
    button->SetChecked(radio.checked);
    button->SetEnabled(radio.enabled);
    ry += ChoiceStep;
  }
}

void GroupBoxes(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Group boxes");
  auto* group = Place<tk::TGroupBox>(owner, page, x, 12 + HeadingHeight + 4, ColumnWidth, 120);
  group->SetCaption("Reading speed");
  const char* speeds[] = {"Slow", "Normal", "Fast"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = Place<tk::TRadioButton>(owner, group, 14, 24 + i * ChoiceStep, 150, ChoiceHeight);
    radio->SetCaption(speeds[i]);
    radio->SetChecked(i == 1);
  }
  auto* disabled = Place<tk::TGroupBox>(owner, page, x, 12 + HeadingHeight + 136, ColumnWidth, 70);
  disabled->SetCaption("Disabled group");
  disabled->SetEnabled(false);
  auto* inside = Place<tk::TCheckBox>(owner, disabled, 14, 28, 150, ChoiceHeight);
  inside->SetCaption("Inside, disabled");
  inside->SetChecked(true);
  inside->SetEnabled(false);

  auto* radioGroup = Place<tk::TRadioGroup>(owner, page, x, 12 + HeadingHeight + 222, ColumnWidth, 96);
  radioGroup->SetCaption("Radio group, two columns");
  radioGroup->SetColumns(2);
  for (const char* item : {"One", "Two", "Three", "Four", "Five", "Six"}) radioGroup->Items().Add(item);
  radioGroup->SetItemIndex(3);
}

void Panels(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Panels");
  struct {
    const char* caption;
    tk::TPanelBevel outer, inner;
    bool enabled;
  } const rows[] = {
      {"Raised", tk::TPanelBevel::bvRaised, tk::TPanelBevel::bvNone, true},
      {"Lowered", tk::TPanelBevel::bvLowered, tk::TPanelBevel::bvNone, true},
      {"Raised and lowered", tk::TPanelBevel::bvRaised, tk::TPanelBevel::bvLowered, true},
      {"No bevel", tk::TPanelBevel::bvNone, tk::TPanelBevel::bvNone, true},
      {"Disabled", tk::TPanelBevel::bvRaised, tk::TPanelBevel::bvNone, false},
  };
  int y = 12 + HeadingHeight + 4;
  for (const auto& row : rows) {
    auto* panel = Place<tk::TPanel>(owner, page, x, y, ColumnWidth, 50);
    panel->SetCaption(row.caption);
    panel->SetBevelOuter(row.outer);
    panel->SetBevelInner(row.inner);
    panel->SetEnabled(row.enabled);
    y += 60;
  }
}

}  // namespace

void BuildChoicesPage(tk::TComponent* owner, tk::TWinControl* page) {
  CheckBoxes(owner, page, ColumnLeft[0]);
  GroupBoxes(owner, page, ColumnLeft[1]);
  Panels(owner, page, ColumnLeft[2]);
}

}  // namespace gallery
