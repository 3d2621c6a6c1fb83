// Edits, combo boxes of each style, date and time pickers, each also disabled.
#include "ComCtrls.h"
#include "GalleryPages.h"
#include "PageLayout.h"
#include "StdCtrls.h"

namespace gallery {
namespace {

constexpr int FieldWidth = 140, FieldHeight = 23;
constexpr int NoteGap = 8;

const char* const Fruits[] = {"Apple", "Banana", "Cherry", "Damson", "Elderberry", "Fig", "Grape",
                              "Huckleberry", "Kiwi", "Lemon", "Mango", "Nectarine"};

void FillItems(tk::TComboBox* combo, int selected) {
  for (const char* fruit : Fruits) combo->Items().Add(fruit);
  combo->SetItemIndex(selected);
}

void Edits(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Edits");
  struct {
    const char* text;
    const char* note;
    bool readOnly, enabled, border;
  } const rows[] = {
      {"Some text", "enabled", false, true, true},
      {"Read only", "read only", true, true, true},
      {"Disabled", "disabled", false, false, true},
      {"No border", "no border", false, true, false},
  };
  int y = 12 + HeadingHeight + 4;
  for (const auto& row : rows) {
    auto* edit = Place<tk::TEdit>(owner, page, x, y, FieldWidth, FieldHeight);
    edit->SetText(row.text);
    edit->SetReadOnly(row.readOnly);
    edit->SetEnabled(row.enabled);
    if (!row.border) edit->SetBorderStyle(tk::TBorderStyle::bsNone);
    AddNote(owner, page, x + FieldWidth + NoteGap, y + 4, row.note);
    y += RowHeight + 4;
  }
}

void ComboBoxes(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Combo boxes");
  struct {
    tk::TComboBoxStyle style;
    const char* note;
    bool enabled;
  } const rows[] = {
      {tk::TComboBoxStyle::csDropDown, "drop-down", true},
      {tk::TComboBoxStyle::csDropDownList, "drop-down list", true},
      {tk::TComboBoxStyle::csDropDown, "disabled", false},
      {tk::TComboBoxStyle::csDropDownList, "list, disabled", false},
  };
  int y = 12 + HeadingHeight + 4;
  int selected = 0;
  for (const auto& row : rows) {
    auto* combo = Place<tk::TComboBox>(owner, page, x, y, FieldWidth, FieldHeight);
    combo->SetStyle(row.style);
    FillItems(combo, selected++);
    combo->SetEnabled(row.enabled);
    AddNote(owner, page, x + FieldWidth + NoteGap, y + 4, row.note);
    y += RowHeight + 4;
  }
  auto* simple = Place<tk::TComboBox>(owner, page, x, y, FieldWidth, 120);
  simple->SetStyle(tk::TComboBoxStyle::csSimple);
  FillItems(simple, 2);
  AddNote(owner, page, x + FieldWidth + NoteGap, y + 4, "simple");
}

void DatePickers(tk::TComponent* owner, tk::TWinControl* page, int x) {
  AddHeading(owner, page, x, 12, "Date and time");
  struct {
    tk::TDateTimeKind kind;
    tk::TDTDateFormat format;
    const char* note;
    bool enabled;
  } const rows[] = {
      {tk::TDateTimeKind::dtkDate, tk::TDTDateFormat::dfShort, "date", true},
      {tk::TDateTimeKind::dtkDate, tk::TDTDateFormat::dfLong, "long date", true},
      {tk::TDateTimeKind::dtkTime, tk::TDTDateFormat::dfShort, "time", true},
      {tk::TDateTimeKind::dtkDate, tk::TDTDateFormat::dfShort, "disabled", false},
  };
  int y = 12 + HeadingHeight + 4;
  for (const auto& row : rows) {
    const int width = row.format == tk::TDTDateFormat::dfLong ? FieldWidth + 40 : FieldWidth;
    auto* picker = Place<tk::TDateTimePicker>(owner, page, x, y, width, FieldHeight);
    picker->SetKind(row.kind);
    picker->SetDateFormat(row.format);
    picker->SetDate("2026-12-08");
    picker->SetTime("09:30:00");
    picker->SetEnabled(row.enabled);
    if (row.format != tk::TDTDateFormat::dfLong) AddNote(owner, page, x + width + NoteGap, y + 4, row.note);
    y += RowHeight + 4;
  }
}

}  // namespace

void BuildEditsPage(tk::TComponent* owner, tk::TWinControl* page) {
  Edits(owner, page, ColumnLeft[0]);
  ComboBoxes(owner, page, ColumnLeft[1]);
  DatePickers(owner, page, ColumnLeft[2]);
}

}  // namespace gallery
