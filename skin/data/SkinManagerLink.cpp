#include "SkinManagerLink.h"

namespace {
TSkinManagerFactory& Factory() {
  static TSkinManagerFactory factory;
  return factory;
}
}  // namespace

ISkinManager* ExistingSkinManager() { return Factory().existing ? Factory().existing() : nullptr; }
ISkinManager* SkinManagerNeeded() { return Factory().create ? Factory().create() : nullptr; }
void SetSkinManagerFactory(const TSkinManagerFactory& factory) { Factory() = factory; }
