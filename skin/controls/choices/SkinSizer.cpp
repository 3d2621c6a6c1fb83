#include "SkinSizer.h"

const tk::TClassInfo& TSkinSizer::StaticClass() {
  static const tk::TClassInfo info("TSkinSizer", &TSkinControl::StaticClass());
  return info;
}
