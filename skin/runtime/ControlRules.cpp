// The built-in rows of the control mapping: which painter a toolkit control (or a control of a
// library known by its class name) receives. Class tests take descendants in, name tests are exact;
// a row whose member is missing does not apply and the next one is tried.
#include <initializer_list>

#include "ControlMapping.h"
#include "Controls.h"
#include "Forms.h"
#include "Text.h"
#include "WinSubClass.h"

namespace {

using T = TSkinControlType;

struct TRuleInput {
  const tk::TControl& Control;
  const std::string& Upper;  // class name in upper case
  const TSkinData& Skin;
  bool Has(T member) const { return HasMember(Skin, member); }
  bool Named(std::initializer_list<const char*> names) const {
    for (const char* name : names)
      if (Upper == name) return true;
    return false;
  }
  // Classes are tested by name so that rows hold before every class is in the toolkit.
  bool Is(std::initializer_list<const char*> classNames) const {
    for (const char* name : classNames)
      if (Control.ClassType().InheritsFrom(std::string_view(name))) return true;
    return false;
  }
  LONG_PTR Style() const {
    const auto* windowed = dynamic_cast<const tk::TWinControl*>(&Control);
    HWND wnd = windowed ? windowed->HandleIfAllocated() : nullptr;
    return wnd ? GetWindowLongPtrW(wnd, GWL_STYLE) : 0;
  }
};

struct TRule {
  const char* Row;
  bool (*Applies)(const TRuleInput& in);
  void (*Fill)(TControlDecision& d, const TRuleInput& in);
};

void Give(TControlDecision& d, TPainterKind kind, bool recolour = false) {
  d.Painter = kind;
  d.Recolour = recolour;
}

bool HasTabsElement(const TRuleInput& in) { return in.Skin.Tabs && !in.Skin.Tabs->Bitmap.Empty(); }
bool ButtonTabs(const TRuleInput& in) {
  const std::string style = ::GetEnumText(&in.Control, "Style");
  return style == "tsButtons" || style == "tsFlatButtons";
}

bool IsComboBox(const TRuleInput& in) { return in.Is({"TCustomComboBox", "TComboBox"}); }
bool IsMemo(const TRuleInput& in) { return in.Is({"TCustomMemo", "TMemo"}); }
bool IsEdit(const TRuleInput& in) {
  return in.Is({"TCustomEdit", "TEdit", "TCustomMemo", "TMemo", "TCustomRichEdit", "TRichEdit"});
}

const TRule Rules[] = {
    {"toolbutton", [](const TRuleInput& in) { return in.Is({"TToolButton"}) && in.Has(T::xcMainMenu); },
     [](TControlDecision& d, const TRuleInput&) { d.SkinMenu = true; }},
    {"tabset", [](const TRuleInput& in) { return in.Upper == "TTABSET" && in.Has(T::xcTab) && HasTabsElement(in); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkTab31); }},
    {"tabbednotebook",
     [](const TRuleInput& in) { return in.Upper == "TTABBEDNOTEBOOK" && in.Has(T::xcTab) && HasTabsElement(in); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkTab); }},
    {"pagecontrol",
     [](const TRuleInput& in) { return in.Is({"TPageControl"}) && in.Has(T::xcTab) && HasTabsElement(in); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkPageControl); }},
    {"tabsheet", [](const TRuleInput& in) { return in.Is({"TTabSheet"}) && in.Has(T::xcTab); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkTabSheet); }},
    // Button-style tabs are drawn from the Buttons element, the others from Tabs.
    {"tabcontrol",
     [](const TRuleInput& in) {
       if (!in.Is({"TTabControl"}) || !in.Has(T::xcTab)) return false;
       return ButtonTabs(in) ? in.Skin.Buttons && !in.Skin.Buttons->Bitmap.Empty() : HasTabsElement(in);
     },
     [](TControlDecision& d, const TRuleInput& in) { Give(d, ButtonTabs(in) ? TPainterKind::pkTabBtn : TPainterKind::pkTab); }},
    {"mvcpanel", [](const TRuleInput& in) { return in.Upper == "TMVCPANEL"; },
     [](TControlDecision& d, const TRuleInput&) { d.Children = TChildVisit::After; }},
    {"mediaplayer", [](const TRuleInput& in) { return in.Upper == "TMEDIAPLAYER" && in.Has(T::xcButton); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkMediaPlayer); }},
    {"trackbar", [](const TRuleInput& in) { return in.Is({"TTrackBar"}) && in.Has(T::xcTrackBar); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkTrackBar); }},
    {"progressbar", [](const TRuleInput& in) { return in.Is({"TProgressBar"}) && in.Has(T::xcProgress); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkProgress); }},
    {"updown", [](const TRuleInput& in) { return in.Named({"TUPDOWN", "TSPINBUTTON"}) && in.Has(T::xcSpin); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkUpDown); }},
    {"headercontrol", [](const TRuleInput& in) { return in.Is({"THeaderControl"}); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkHeader); }},
    // Ahead of the rows for any control with scroll bars: a list view's header has a painter too.
    {"listview", [](const TRuleInput& in) { return in.Is({"TCustomListView", "TListView"}) && in.Has(T::xcScrollbar); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkListView); }},
    {"dbnavigator", [](const TRuleInput& in) { return in.Upper == "TDBNAVIGATOR" && in.Has(T::xcPanel); },
     [](TControlDecision& d, const TRuleInput&) {
       Give(d, TPainterKind::pkBox, true);
       d.Children = TChildVisit::After;
       d.ChildrenWithoutForm = true;
     }},
    {"rzcheckbox", [](const TRuleInput& in) { return in.Named({"TRZDBCHECKBOX", "TRZCHECKBOX"}) && in.Has(T::xcCheckBox); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkObjImageCheck); }},
    {"rzradiobutton",
     [](const TRuleInput& in) { return in.Named({"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}) && in.Has(T::xcRadioButton); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkObjImageRadio); }},
    {"cxcheckbox", [](const TRuleInput& in) { return in.Named({"TCXDBCHECKBOX", "TCXCHECKBOX"}) && in.Has(T::xcCheckBox); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkObjImageGlyph); }},
    {"groupbox", [](const TRuleInput& in) { return in.Is({"TCustomGroupBox", "TGroupBox"}) && in.Has(T::xcPanel); },
     [](TControlDecision& d, const TRuleInput&) {
       d.Children = TChildVisit::Before;
       Give(d, TPainterKind::pkGroupBox);
     }},
    {"toolbar", [](const TRuleInput& in) { return in.Is({"TToolBar"}) && in.Has(T::xcToolbar); },
     [](TControlDecision& d, const TRuleInput&) {
       d.Properties.emplace_back("Flat", "True");
       d.ToolbarEvents = true;
       Give(d, TPainterKind::pkBox);
       d.SkinMenu = true;
     }},
    {"statusbar", [](const TRuleInput& in) { return in.Is({"TStatusBar"}) && in.Has(T::xcStatusBar); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkStatusBar); }},
    {"scrollbarcontrol", [](const TRuleInput& in) { return in.Is({"TScrollBar"}) && in.Has(T::xcScrollbar); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkScControl); }},
    {"tntcombobox", [](const TRuleInput& in) { return in.Upper == "TTNTCOMBOBOX" && in.Has(T::xcCombo); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkComBox); }},
    {"combobox", [](const TRuleInput& in) { return IsComboBox(in) && in.Has(T::xcCombo); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkComBox); }},
    {"richedit", [](const TRuleInput& in) { return in.Has(T::xcScrollbar) && in.Upper == "TRICHEDIT"; },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkScrollbar); }},
    {"dbrichedit",
     [](const TRuleInput& in) { return in.Has(T::xcScrollbar) && in.Named({"TWWDBRICHEDIT", "TDXDBMEMO"}); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkScrollbar); }},
    // A bit button is never taken for a plain push button.
    {"bitbtn", [](const TRuleInput& in) { return in.Is({"TBitBtn"}); },
     [](TControlDecision& d, const TRuleInput& in) {
       if (in.Has(T::xcBitBtn)) Give(d, TPainterKind::pkBitButton);
     }},
    {"panel", [](const TRuleInput& in) { return in.Is({"TCustomPanel", "TPanel"}) && in.Has(T::xcPanel); },
     [](TControlDecision& d, const TRuleInput&) {
       d.Children = TChildVisit::Before;
       Give(d, TPainterKind::pkBox, true);
     }},
    {"treelist",
     [](const TRuleInput& in) {
       return in.Named({"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) && in.Has(T::xcScrollbar);
     },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkScrollbar); }},
    {"memo", [](const TRuleInput& in) { return in.Has(T::xcScrollbar) && IsMemo(in); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkScrollbar); }},
    {"scrollstyle",
     [](const TRuleInput& in) {
       return in.Has(T::xcScrollbar) && dynamic_cast<const tk::TWinControl*>(&in.Control) &&
              (in.Style() & (WS_HSCROLL | WS_VSCROLL)) != 0;
     },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkScrollbar); }},
    // The toolkit's own check boxes, radio buttons, speed buttons and date pickers get the painters
    // that the kinds of other libraries' classes give theirs.
    {"stdcheckbox", [](const TRuleInput& in) { return in.Is({"TCheckBox"}) && in.Has(T::xcCheckBox); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkCheckBox); }},
    {"stdradiobutton", [](const TRuleInput& in) { return in.Is({"TRadioButton"}) && in.Has(T::xcRadioButton); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkRadioButton); }},
    {"stdspeedbutton", [](const TRuleInput& in) { return in.Is({"TSpeedButton"}) && in.Has(T::xcSpeedButton); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkSpeedButton); }},
    {"stddatetimepicker", [](const TRuleInput& in) { return in.Is({"TDateTimePicker"}) && in.Has(T::xcCombo); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkDateTime); }},
    {"button", [](const TRuleInput& in) { return in.Is({"TCustomButton", "TButton"}) && in.Has(T::xcButton); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkButton); }},
    {"edit", [](const TRuleInput& in) { return IsEdit(in) && in.Has(T::xcEdit); },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkEdit); }},
    {"dcedit-combo",
     [](const TRuleInput& in) {
       return in.Named({"TDCEDIT", "TDCDBEDIT"}) && ::GetIntProp(&in.Control, "NumButtons") == 1 && in.Has(T::xcCombo);
     },
     [](TControlDecision& d, const TRuleInput&) { Give(d, TPainterKind::pkComBox); }},
    {"dcedit-edit",
     [](const TRuleInput& in) {
       return in.Named({"TDCEDIT", "TDCDBEDIT"}) && ::GetIntProp(&in.Control, "NumButtons") == 0 && in.Has(T::xcEdit);
     },
     [](TControlDecision& d, const TRuleInput&) {
       Give(d, TPainterKind::pkEdit);
       d.AttachAsWindow = true;
     }},
    {"innerform", [](const TRuleInput& in) { return in.Is({"TCustomForm"}) && in.Control.Parent() != nullptr; },
     [](TControlDecision& d, const TRuleInput&) {
       Give(d, TPainterKind::pkBox, true);
       d.FormComponents = true;
     }},
};

bool NeverSkinned(const std::string& upper) {
  return upper == "TDBCOMBOBOXEH" || upper == "TFRDESIGNERPAGE" || upper == "TFRPBOX";
}

}  // namespace

std::string UpperClassName(const tk::TControl& control) { return tk::UpperCase(control.ClassName()); }

TControlDecision DecideBuiltIn(const tk::TControl& control, const TSkinData& skin) {
  TControlDecision d;
  const std::string upper = UpperClassName(control);
  if (NeverSkinned(upper)) {
    d.Matched = true;
    d.Row = "never";
    return d;
  }
  const TRuleInput in{control, upper, skin};
  for (const TRule& rule : Rules) {
    if (!rule.Applies(in)) continue;
    d.Matched = true;
    d.Row = rule.Row;
    rule.Fill(d, in);
    break;
  }
  return d;
}

TControlDecision DecideControl(const tk::TControl& control, const TSkinData& skin) {
  const std::string upper = UpperClassName(control);
  if (std::optional<std::string> kind = FindSkin3rdKind(skin.Skin3rd(), upper))
    return DecideSkin3rdKind(*kind, upper, control, skin);
  return DecideBuiltIn(control, skin);
}

bool DisabledByTag(const tk::TControl& control, const TSkinData& skin) { return control.Tag() == skin.DisableTag(); }

bool DisablesGroupChildren(const tk::TControl& control) {
  const auto* windowed = dynamic_cast<const tk::TWinControl*>(&control);
  if (!windowed || windowed->ControlCount() == 0) return false;
  const std::string lower = tk::LowerCase(control.ClassName());
  return lower.find("radiogroup") != std::string::npos || lower.find("checkgroup") != std::string::npos;
}

std::optional<TPainterKind> ChildPainterOf(TChildPainters rule, const tk::TControl& group, const tk::TControl& child) {
  // Groups of one library draw their buttons from pictures.
  const bool imageButtons = UpperClassName(group).find("TRZ") != std::string::npos;
  switch (rule) {
    case TChildPainters::RadioButtons:
      return imageButtons ? TPainterKind::pkObjImageRadio : TPainterKind::pkRadioButton;
    case TChildPainters::CheckBoxes:
      return imageButtons ? TPainterKind::pkObjImageCheck : TPainterKind::pkCheckBox;
    case TChildPainters::EmbeddedScrollBars: {
      if (child.ClassType().InheritsFrom(std::string_view("TScrollBar"))) return TPainterKind::pkScControl;
      const auto* windowed = dynamic_cast<const tk::TWinControl*>(&child);
      HWND wnd = windowed ? windowed->HandleIfAllocated() : nullptr;
      if (wnd && (GetWindowLongPtrW(wnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL))) return TPainterKind::pkScrollbar;
      return std::nullopt;
    }
    case TChildPainters::None:
      break;
  }
  return std::nullopt;
}
