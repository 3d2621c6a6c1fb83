// A contact sheet of a loaded skin: one row per element image, labelled with its slot, showing each
// frame of the strip cut to a few sizes the way the painters cut it, and the colour table.
#pragma once

#include <memory>

#include "Graphics.h"
#include "SkinElements.h"

std::unique_ptr<tk::TBitmap> DrawContactSheet(TSkinElements& skin);
