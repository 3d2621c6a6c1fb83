#include "SkinNotice.h"

#include <cstdio>

void ShowSkinNotice(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
}
