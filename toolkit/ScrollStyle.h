#pragma once
// Which scroll bars a multi-line control shows.
#include "TypeInfo.h"

namespace tk {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
TK_ENUM(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth");

}  // namespace tk
