// Skin3rd: class names of other libraries mapped to painter kinds, and what each kind does.

#include "ControlMapping.h"
#include "Controls.h"
#include "Text.h"
#include "WinSubClass.h"

namespace {

using T = TSkinControlType;
constexpr size_t MaxKindLength = 50;

struct TKindRow {
  const char* Kind;
  std::optional<T> Needs;  // none: the row needs no member
  void (*Fill)(TControlDecision& d, std::string_view upperClass, const tk::TControl& control, const TSkinData& skin);
};

void Give(TControlDecision& d, TPainterKind kind, bool recolour = false) {
  d.Painter = kind;
  d.Recolour = recolour;
}

// A control drawn with a border has a client area smaller than its window.
bool HasBorder(const tk::TControl& control) {
  const auto* windowed = dynamic_cast<const tk::TWinControl*>(&control);
  HWND wnd = windowed ? windowed->HandleIfAllocated() : nullptr;
  if (!wnd) return false;
  RECT window{}, client{};
  GetWindowRect(wnd, &window);
  GetClientRect(wnd, &client);
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

const TKindRow KindRows[] = {
    {"combobox", T::xcCombo, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkComBox); }},
    {"comboboxex", T::xcCombo, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkComBoxEx); }},
    {"edit", T::xcEdit,
     [](auto& d, auto, auto& control, auto&) {
       if (HasBorder(control)) Give(d, TPainterKind::pkEdit);
     }},
    {"radiobutton", T::xcRadioButton, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkRadioButton); }},
    {"panel", T::xcPanel,
     [](auto& d, auto, auto&, auto&) {
       d.Properties.emplace_back("Transparent", "True");
       Give(d, TPainterKind::pkBox, true);
     }},
    {"trackbar", T::xcButton,
     [](auto& d, auto, auto&, auto&) {
       d.Properties.emplace_back("Transparent", "True");
       Give(d, TPainterKind::pkTrackBar);
     }},
    {"button", T::xcButton, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkButton); }},
    {"datetimepicker", T::xcCombo, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkDateTime); }},
    {"mediaplayer", T::xcButton, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkMediaPlayer); }},
    {"bitbtn", T::xcButton,
     [](auto& d, auto upperClass, auto& control, auto&) {
       const bool dropDown = upperClass == "TCXBUTTON" && ::GetEnumText(&control, "Kind") == "cxbkDropDownButton";
       Give(d, dropDown ? TPainterKind::pkMenuButton : TPainterKind::pkBitButton);
     }},
    {"pngbitbtn", T::xcButton, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkBitButtonPng); }},
    {"pngspeedbutton", T::xcButton, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkSpeedButtonPng); }},
    {"menubtn", T::xcButton, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkMenuButton); }},
    {"speedbutton", T::xcSpeedButton, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkSpeedButton); }},
    {"tab", T::xcTab,
     [](auto& d, auto, auto&, auto& skin) {
       if (skin.Tabs && !skin.Tabs->Bitmap.Empty()) Give(d, TPainterKind::pkTab);
     }},
    {"progress", T::xcProgress, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkProgress); }},
    {"scrollbar", T::xcScrollbar,
     [](auto& d, auto, auto&, auto&) {
       Give(d, TPainterKind::pkScrollbar);
       d.Children = TChildVisit::After;
     }},
    {"singlescrollbar", T::xcScrollbar, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkScrollbarSingle); }},
    {"embedscrollbar", T::xcScrollbar,
     [](auto& d, auto, auto&, auto&) { d.ChildPainters = TChildPainters::EmbeddedScrollBars; }},
    {"container", std::nullopt, [](auto& d, auto, auto&, auto&) { d.Children = TChildVisit::After; }},
    {"groupbox", T::xcGroupBox, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkGroupBox, true); }},
    {"advpagecontrol", T::xcTab, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkAdvPage, true); }},
    {"radiogroup", T::xcGroupBox,
     [](auto& d, auto, auto&, auto& skin) {
       if (HasMember(skin, T::xcRadioButton)) d.ChildPainters = TChildPainters::RadioButtons;
       Give(d, TPainterKind::pkGroupBox, true);
     }},
    {"checkgroup", T::xcPanel,
     [](auto& d, auto, auto&, auto& skin) {
       if (HasMember(skin, T::xcRadioButton)) d.ChildPainters = TChildPainters::CheckBoxes;
       if (HasMember(skin, T::xcGroupBox)) Give(d, TPainterKind::pkGroupBox, true);
     }},
    {"checkbox", T::xcCheckBox, [](auto& d, auto, auto&, auto&) { Give(d, TPainterKind::pkCheckBox); }},
};

}  // namespace

std::optional<std::string> FindSkin3rdKind(const tk::TStrings* lines, std::string_view className) {
  if (!lines) return std::nullopt;
  const std::string key = tk::LowerCase(className) + "=";
  for (int i = 0; i < lines->Count(); ++i) {
    const std::string line = tk::LowerCase((*lines)[i]);
    if (line.compare(0, key.size(), key) != 0) continue;
    return line.substr(key.size(), MaxKindLength);
  }
  return std::nullopt;
}

TControlDecision DecideSkin3rdKind(std::string_view kind, std::string_view upperClass, const tk::TControl& control,
                                   const TSkinData& skin) {
  TControlDecision d;
  d.Matched = true;
  d.Row = "skin3rd:" + tk::LowerCase(kind);
  for (const TKindRow& row : KindRows) {
    if (!tk::SameText(row.Kind, kind)) continue;
    if (!row.Needs || HasMember(skin, *row.Needs)) row.Fill(d, upperClass, control, skin);
    break;
  }
  return d;
}
