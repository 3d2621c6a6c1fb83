// Which painter each control of a skinned window receives: the visiting order, the general rules
// before the tables, and carrying out what the tables decide.
#include "ControlMapping.h"

#include <algorithm>

#include "ComCtrls.h"
#include "Menus.h"
#include "SkinManage.h"
#include "SkinMessages.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"
#include "WinSubClass.h"

TPainterMakers& PainterMakers() {
  static TPainterMakers makers;
  return makers;
}

namespace {

bool IsPanel(const tk::TControl& control) {
  return control.ClassType().InheritsFrom(std::string_view("TCustomPanel")) ||
         control.ClassType().InheritsFrom(std::string_view("TPanel"));
}

HWND WindowOf(const tk::TControl* control) {
  const auto* windowed = dynamic_cast<const tk::TWinControl*>(control);
  return windowed ? windowed->HandleIfAllocated() : nullptr;
}

std::vector<tk::TControl*> ChildControls(tk::TControl* control) {
  const auto* windowed = dynamic_cast<const tk::TWinControl*>(control);
  return windowed ? windowed->ControlList() : std::vector<tk::TControl*>{};
}

}  // namespace

void TWinSkinForm::SkinChildren() {
  // Painters whose windows are gone for good leave first. A toolkit control that lives on makes
  // its window again when it is needed (shown later, say); its painter follows it then.
  for (TSkinControl* painter : std::vector<TSkinControl*>(Painters))
    if (painter->State == psWindowDestroyed && !painter->Control) tk::TComponent::Free(painter);
  if (!Form || !SkinData) return;
  // Copies: painters and program handlers may add components while the lists are walked.
  for (tk::TComponent* component : std::vector<tk::TComponent*>(Form->ComponentList()))
    if (auto* control = dynamic_cast<tk::TControl*>(component)) SkinControl(control, Form);
  SwitchFormPopupMenus(true);
  // Controls made at run time and owned elsewhere are reached through the tab order.
  std::vector<tk::TWinControl*> tabOrder;
  Form->GetTabOrderList(tabOrder);
  for (tk::TWinControl* control : tabOrder) {
    if (!control->HandleAllocated() || control->Tag() == SkinData->DisableTag()) continue;
    if (SendMessageW(control->HandleIfAllocated(), SKM_ISSKINNED, 0, 0) == 1) continue;
    SkinControl(control, Form);
  }
}

void TWinSkinForm::SkinControl(tk::TControl* control, tk::TControl* parent) {
  if (!control || !SkinData) return;
  if (DisabledByTag(*control, *SkinData)) {
    // The buttons of a group that stays native stay native too.
    if (DisablesGroupChildren(*control))
      for (tk::TControl* child : ChildControls(control)) child->SetTag(SkinData->DisableTag());
    return;
  }
  if (!control->Parent() || HasPainterFor(control)) return;
  const std::string upper = UpperClassName(*control);
  if (auto* windowed = dynamic_cast<tk::TWinControl*>(control); windowed && !windowed->HandleAllocated()) {
    try {
      windowed->HandleNeeded();
    } catch (...) {
      return;  // a control that cannot have a window keeps its looks; the rest of the form goes on
    }
  }
  if (OfferToProgram(control, parent, upper)) return;
  if (SkinByClassList(upper, control, parent)) return;
  ApplyDecision(DecideBuiltIn(*control, *SkinData), control, parent);
}

bool TWinSkinForm::SkinByClassList(const std::string& upperClass, tk::TControl* control, tk::TControl* parent) {
  std::optional<std::string> kind = FindSkin3rdKind(SkinData->Skin3rd(), upperClass);
  if (!kind) return false;
  ApplyDecision(DecideSkin3rdKind(*kind, upperClass, *control, *SkinData), control, parent);
  return true;
}

bool TWinSkinForm::OfferToProgram(tk::TControl* control, tk::TControl* parent, const std::string& upperClass) {
  if (!SkinData->OnSkinControl) return false;
  tk::TComponent* skinned = nullptr;
  SkinData->OnSkinControl(this, SkinData, parent, control, upperClass, skinned);
  if (!skinned) return false;
  auto* painter = dynamic_cast<TSkinControl*>(skinned);
  if (painter && std::find(Painters.begin(), Painters.end(), painter) == Painters.end()) {
    painter->Attach(this, SkinData, painter->Recolour, &PainterCanvas);
    if (IsPanel(*control)) VisitChildControls(control, parent);
  }
  return true;
}

bool TWinSkinForm::HasPainterFor(const tk::TControl* control) const {
  HWND wnd = WindowOf(control);
  if (wnd && SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1) return true;
  return std::any_of(Painters.begin(), Painters.end(), [&](const TSkinControl* painter) {
    return painter->Control == control || (wnd && painter->Handle == wnd);
  });
}

void TWinSkinForm::VisitChildControls(tk::TControl* control, tk::TControl* parent) {
  for (tk::TControl* child : ChildControls(control)) SkinControl(child, parent);
}

void TWinSkinForm::GiveChildPainters(TChildPainters rule, tk::TControl* group) {
  for (tk::TControl* child : ChildControls(group)) {
    if (DisabledByTag(*child, *SkinData) || HasPainterFor(child)) continue;
    // The child's window style tells which painter it takes.
    if (auto* windowed = dynamic_cast<tk::TWinControl*>(child)) {
      try {
        windowed->HandleNeeded();
      } catch (...) {
        continue;
      }
    }
    if (std::optional<TPainterKind> kind = ChildPainterOf(rule, *group, *child))
      PainterMakers().Control(*kind, child, this, SkinData, false, &PainterCanvas);
  }
}

void TWinSkinForm::SkinControlMenu(tk::TControl* control) {
  // A tool button's drop-down item follows the frame's menus; a tool bar's menu is always skinned.
  if (auto* item = dynamic_cast<tk::TMenuItem*>(::GetObjectProp(control, "MenuItem", &tk::TMenuItem::StaticClass()))) {
    if (SkinFrame) skin_menu::SwitchMenuItemToSkin(*item, *SkinData, true);
    return;
  }
  if (auto* menu = dynamic_cast<tk::TMenu*>(::GetObjectProp(control, "Menu", &tk::TMenu::StaticClass())))
    skin_menu::SwitchMenuToSkin(*menu, *SkinData, true);
}

void TWinSkinForm::ApplyDecision(const TControlDecision& decision, tk::TControl* control, tk::TControl* parent) {
  for (const auto& [name, value] : decision.Properties) ::SetPropText(control, name, value);
  if (decision.ToolbarEvents) GiveToolbarEvents(control);
  if (decision.Children == TChildVisit::Before) VisitChildControls(control, parent);
  if (decision.ChildPainters != TChildPainters::None) GiveChildPainters(decision.ChildPainters, control);
  if (decision.Painter) {
    if (decision.AttachAsWindow) {
      if (HWND wnd = WindowOf(control)) PainterMakers().Window(*decision.Painter, wnd, this, SkinData, &PainterCanvas);
    } else {
      PainterMakers().Control(*decision.Painter, control, this, SkinData, decision.Recolour, &PainterCanvas);
    }
  }
  if (decision.SkinMenu) SkinControlMenu(control);
  if (decision.Children == TChildVisit::After)
    VisitChildControls(control, decision.ChildrenWithoutForm ? nullptr : parent);
  if (decision.FormComponents)
    for (tk::TComponent* component : std::vector<tk::TComponent*>(control->ComponentList()))
      if (auto* inner = dynamic_cast<tk::TControl*>(component)) SkinControl(inner, control);
}

