// A skin load: the packed skin stream is unpacked, its description parsed and every element record,
// the colour table and the derived images built from them.
#pragma once

#include <cstdint>
#include <span>

#include "SkinElements.h"
#include "SkinNotice.h"

// Sets Loading and loads the skin; Loading is cleared when the load completes. False when the
// archive is refused (the notifier has told the user why): the records stay as they were.
bool LoadSkinElements(TSkinElements& elements, std::span<const std::uint8_t> packed, const TSkinNotifier& notifier);
