// Which painter each control of a skinned window receives. The choice is a pure decision over the
// control (or the raw window's class and style) and the skin component's settings; the frame
// painter then carries it out. Keeping the two apart lets the rules be checked on their own.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "PainterFactory.h"
#include "WinSkinData.h"

namespace tk {
class TControl;
class TCanvas;
}  // namespace tk

// When the control's own child controls are visited, relative to its painter.
enum class TChildVisit { None, Before, After };
// Painters the control's children receive before the control's own (groups of buttons, bars).
enum class TChildPainters { None, RadioButtons, CheckBoxes, EmbeddedScrollBars };

struct TControlDecision {
  bool Matched = false;                 // a row applied: the visit ends with it
  std::string Row;                      // the row that applied, for tracing and tests
  std::optional<TPainterKind> Painter;  // none: the control keeps its own looks
  bool Recolour = false;
  bool AttachAsWindow = false;          // attached to the control's window, not the control
  TChildVisit Children = TChildVisit::None;
  bool ChildrenWithoutForm = false;     // children are visited with no parent form
  bool FormComponents = false;          // an embedded form: all its components are visited
  TChildPainters ChildPainters = TChildPainters::None;
  std::vector<std::pair<std::string, std::string>> Properties;  // set on the control first
  bool ToolbarEvents = false;           // background and button drawing of a tool bar
  bool SkinMenu = false;                // the control's menu (or menu item) is drawn by the skin
};

struct TWindowDecision {
  bool Matched = false;
  std::string Row;
  std::optional<TPainterKind> Painter;
  bool ChildrenFirst = false;      // the window's own children are visited before its painter
  bool OnFirstChild = false;       // the painter goes to the window's first child window
  bool ButtonFaceColour = false;   // the toolkit control behind it takes the skin's face colour
};

inline bool HasMember(const TSkinData& skin, TSkinControlType member) { return skin.SkinControls().Contains(member); }

// The control's class name in upper case, as the rules compare it.
std::string UpperClassName(const tk::TControl& control);

// The kind a Skin3rd line gives the class (key "classname=" at the start of a line, letter case
// ignored, first line wins, at most 50 characters), or nothing when no line names the class.
std::optional<std::string> FindSkin3rdKind(const tk::TStrings* lines, std::string_view className);
// What a Skin3rd kind does to the control. Always Matched: an unknown kind or a missing member
// still ends the visit, without a painter.
TControlDecision DecideSkin3rdKind(std::string_view kind, std::string_view upperClass, const tk::TControl& control,
                                   const TSkinData& skin);
// The classes that are never skinned, then the built-in rows. Not Matched when no row applies.
TControlDecision DecideBuiltIn(const tk::TControl& control, const TSkinData& skin);
// Skin3rd first, then the built-in rows: what SkinControl does once the control has a window.
TControlDecision DecideControl(const tk::TControl& control, const TSkinData& skin);
// The painter a group's rule gives one of its children, if any.
std::optional<TPainterKind> ChildPainterOf(TChildPainters rule, const tk::TControl& group, const tk::TControl& child);

// A window that is no toolkit control, by its class name (any case) and style.
TWindowDecision DecideWindow(std::string_view className, LONG_PTR style, TSkinControlTypes members);
std::string WindowClassLower(HWND wnd);

// Whether a control with this Tag and class keeps its native look, and its group's buttons too.
bool DisabledByTag(const tk::TControl& control, const TSkinData& skin);
bool DisablesGroupChildren(const tk::TControl& control);

// How painters are made. Tests put recorders here; the program uses the painter factory.
struct TPainterMakers {
  std::function<TSkinControl*(TPainterKind, tk::TControl*, TWinSkinForm*, TSkinData*, bool, tk::TCanvas*)> Control =
      SkinControlAs;
  std::function<TSkinControl*(TPainterKind, HWND, TWinSkinForm*, TSkinData*, tk::TCanvas*)> Window = SkinWindowAs;
};
TPainterMakers& PainterMakers();
