// Controls of classes the mapping names but the toolkit does not have (or not yet): only their
// class names, ancestry and the published properties the rules read are real.
#pragma once

#include "Controls.h"
#include "Menus.h"
#include "StdCtrls.h"

namespace mapping_test {

// A group of radio buttons of another library (its class name says so).
class TTestRadioGroup : public tk::TGroupBox {
  TK_CLASS(TTestRadioGroup)
 public:
  using tk::TGroupBox::TGroupBox;
};

enum class TcxButtonKind { cxbkStandard, cxbkDropDown, cxbkDropDownButton };
TK_ENUM(TcxButtonKind, "cxbkStandard", "cxbkDropDown", "cxbkDropDownButton");

// A button of another library that may be a drop-down button.
class TcxButton : public tk::TButton {
  TK_CLASS(TcxButton)
 public:
  using tk::TButton::TButton;
  TcxButtonKind Kind() const { return kind_; }
  void SetKind(TcxButtonKind kind) { kind_ = kind; }

 private:
  TcxButtonKind kind_ = TcxButtonKind::cxbkStandard;
};

// Stand-ins named like the toolkit's panel and memo, a navigator bar and a class never skinned.
class TStandInPanel : public tk::TCustomControl {
  TK_CLASS(TStandInPanel)
 public:
  using tk::TCustomControl::TCustomControl;
};
class TStandInMemo : public tk::TWinControl {
  TK_CLASS(TStandInMemo)
 public:
  using tk::TWinControl::TWinControl;
};
class TDBNavigator : public tk::TCustomControl {
  TK_CLASS(TDBNavigator)
 public:
  using tk::TCustomControl::TCustomControl;
};
class TDBComboBoxEh : public tk::TComboBox {
  TK_CLASS(TDBComboBoxEh)
 public:
  using tk::TComboBox::TComboBox;
};

// A tool button with a drop-down menu item.
class TToolButton : public tk::TGraphicControl {
  TK_CLASS(TToolButton)
 public:
  using tk::TGraphicControl::TGraphicControl;
  tk::TMenuItem* MenuItem() const { return item_; }
  void SetMenuItem(tk::TMenuItem* item) { item_ = item; }

 private:
  tk::TMenuItem* item_ = nullptr;
};

}  // namespace mapping_test
