#include "MappingTestClasses.h"

namespace mapping_test {

const tk::TClassInfo& TTestRadioGroup::StaticClass() {
  static const tk::TClassInfo info("TTestRadioGroup", &tk::TGroupBox::StaticClass());
  return info;
}

const tk::TClassInfo& TcxButton::StaticClass() {
  static const tk::TClassInfo info = [] {
    tk::TClassInfo c("TcxButton", &tk::TButton::StaticClass());
    c.Property("Kind", &TcxButton::Kind, &TcxButton::SetKind);
    return c;
  }();
  return info;
}

const tk::TClassInfo& TStandInPanel::StaticClass() {
  static const tk::TClassInfo info("TPanel", &tk::TCustomControl::StaticClass());
  return info;
}

const tk::TClassInfo& TStandInMemo::StaticClass() {
  static const tk::TClassInfo info("TMemo", &tk::TWinControl::StaticClass());
  return info;
}

const tk::TClassInfo& TDBNavigator::StaticClass() {
  static const tk::TClassInfo info("TDBNavigator", &tk::TCustomControl::StaticClass());
  return info;
}

const tk::TClassInfo& TDBComboBoxEh::StaticClass() {
  static const tk::TClassInfo info("TDBComboBoxEh", &tk::TComboBox::StaticClass());
  return info;
}

const tk::TClassInfo& TToolButton::StaticClass() {
  static const tk::TClassInfo info = [] {
    tk::TClassInfo c("TToolButton", &tk::TGraphicControl::StaticClass());
    c.Property("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem);
    return c;
  }();
  return info;
}

}  // namespace mapping_test
