// Painters for windows that are no toolkit controls (dialog children, size grips), chosen by the
// window's class and style.
#include "ControlMapping.h"
#include "Controls.h"
#include "Text.h"
#include "WinSkinForm.h"
#include "WinSubClass.h"

namespace {

using T = TSkinControlType;
constexpr int MaxClassNameLength = 100;

struct TWindowRule {
  const char* Row;
  bool (*Applies)(std::string_view cls, LONG_PTR style, TSkinControlTypes members);
  void (*Fill)(TWindowDecision& d, LONG_PTR style, TSkinControlTypes members);
};

bool Has(LONG_PTR style, LONG_PTR bits) { return (style & bits) == bits; }
// An owner-drawn button draws itself.
bool SkinnableButton(std::string_view cls, LONG_PTR style) { return cls == "button" && (style & 0xB) != 0xB; }

void GiveIf(TWindowDecision& d, TSkinControlTypes members, T member, TPainterKind kind) {
  if (members.Contains(member)) d.Painter = kind;
}

const TWindowRule WindowRules[] = {
    {"button-none",
     [](auto cls, LONG_PTR style, auto) { return SkinnableButton(cls, style) && (Has(style, 7) || Has(style, 0x80)); },
     [](TWindowDecision&, LONG_PTR, TSkinControlTypes) {}},
    {"button-check",
     [](auto cls, LONG_PTR style, auto) {
       return SkinnableButton(cls, style) && (Has(style, 3) || Has(style, 2) || Has(style, 5));
     },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes m) { GiveIf(d, m, T::xcCheckBox, TPainterKind::pkCheckBox); }},
    {"button-radio",
     [](auto cls, LONG_PTR style, auto) { return SkinnableButton(cls, style) && (Has(style, 9) || Has(style, 4)); },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes m) {
       GiveIf(d, m, T::xcRadioButton, TPainterKind::pkRadioButton);
     }},
    {"button-push", [](auto cls, LONG_PTR style, auto) { return SkinnableButton(cls, style); },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes m) { GiveIf(d, m, T::xcButton, TPainterKind::pkButton); }},
    {"combobox", [](auto cls, LONG_PTR, auto m) { return cls == "combobox" && m.Contains(T::xcCombo); },
     [](TWindowDecision& d, LONG_PTR style, TSkinControlTypes) {
       // A simple combo box has no drop-down button to draw.
       if ((style & 3) != CBS_SIMPLE) d.Painter = TPainterKind::pkComBox;
     }},
    {"comboboxex32", [](auto cls, LONG_PTR, auto m) { return cls == "comboboxex32" && m.Contains(T::xcCombo); },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) {
       d.Painter = TPainterKind::pkComBox;
       d.OnFirstChild = true;
     }},
    {"sizegrip", [](auto cls, LONG_PTR style, auto) { return cls == "scrollbar" && !(style & WS_TABSTOP); },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) { d.Painter = TPainterKind::pkSizer; }},
    {"treeview", [](auto cls, LONG_PTR, auto) { return cls == "systreeview32"; },
     [](TWindowDecision&, LONG_PTR, TSkinControlTypes) {}},
    {"dialog", [](auto cls, LONG_PTR style, auto) { return cls == "#32770" && !(style & WS_TABSTOP); },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) {
       d.ChildrenFirst = true;
       d.Painter = TPainterKind::pkBoxH;
     }},
    {"panel",
     [](auto cls, LONG_PTR, auto) {
       return cls == "tpanel" || cls == "ttntpanel.unicodeclass" || cls == "ttntsilentpaintpanel.unicodeclass";
     },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) {
       d.ChildrenFirst = true;
       d.ButtonFaceColour = true;
     }},
    {"tcheckbox", [](auto cls, LONG_PTR, auto m) { return cls == "tcheckbox" && m.Contains(T::xcCheckBox); },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) { d.Painter = TPainterKind::pkCheckBox; }},
    {"tcombobox", [](auto cls, LONG_PTR, auto m) { return cls == "tcombobox" && m.Contains(T::xcCombo); },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) { d.Painter = TPainterKind::pkComBox; }},
    {"tbutton", [](auto cls, LONG_PTR, auto m) { return cls == "tbutton" && m.Contains(T::xcButton); },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) { d.Painter = TPainterKind::pkButton; }},
    {"tprogressbar", [](auto cls, LONG_PTR, auto) { return cls == "tprogressbar"; },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) { d.Painter = TPainterKind::pkProgress; }},
    {"silentpanel", [](auto cls, LONG_PTR, auto) { return cls == "tsilentpaintpanel"; },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) { d.ButtonFaceColour = true; }},
    // An owner-drawn tab control (TCS_OWNERDRAWFIXED) draws its own tabs.
    {"tabcontrol", [](auto cls, LONG_PTR style, auto m) { return cls == "systabcontrol32" && m.Contains(T::xcTab) && !(style & 0x2000); },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) { d.Painter = TPainterKind::pkTab; }},
    {"toolbar", [](auto cls, LONG_PTR, auto) { return cls == "toolbarwindow32"; },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) { d.Painter = TPainterKind::pkBoxH; }},
    {"edit", [](auto cls, LONG_PTR, auto m) { return cls == "edit" && m.Contains(T::xcEdit); },
     [](TWindowDecision& d, LONG_PTR, TSkinControlTypes) { d.Painter = TPainterKind::pkEdit; }},
};

}  // namespace

TWindowDecision DecideWindow(std::string_view className, LONG_PTR style, TSkinControlTypes members) {
  const std::string cls = tk::LowerCase(className.substr(0, MaxClassNameLength));
  TWindowDecision d;
  for (const TWindowRule& rule : WindowRules) {
    if (!rule.Applies(cls, style, members)) continue;
    d.Matched = true;
    d.Row = rule.Row;
    rule.Fill(d, style, members);
    break;
  }
  return d;
}

std::string WindowClassLower(HWND wnd) {
  wchar_t name[MaxClassNameLength + 1] = {};
  const int length = GetClassNameW(wnd, name, MaxClassNameLength + 1);
  std::string ascii;
  for (int i = 0; i < length; ++i) ascii.push_back(name[i] < 0x80 ? static_cast<char>(name[i]) : '?');
  return tk::LowerCase(ascii);
}

void TWinSkinForm::SkinChildWindows(HWND parent) {
  for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) SkinChildWindow(child);
}

void TWinSkinForm::SkinChildWindow(HWND wnd) {
  if (!wnd || !SkinData || PainterOf(wnd)) return;
  const TWindowDecision d =
      DecideWindow(WindowClassLower(wnd), GetWindowLongPtrW(wnd, GWL_STYLE), SkinData->SkinControls());
  if (!d.Matched) return;
  if (d.ChildrenFirst) SkinChildWindows(wnd);
  if (d.ButtonFaceColour)
    if (tk::TWinControl* control = tk::TWinControl::FromHandle(wnd)) control->SetColor(SkinData->Colors[scButtonFace]);
  if (!d.Painter) return;
  HWND target = d.OnFirstChild ? GetWindow(wnd, GW_CHILD) : wnd;
  if (!target || PainterOf(target)) return;
  PainterMakers().Window(*d.Painter, target, this, SkinData, &PainterCanvas);
}
