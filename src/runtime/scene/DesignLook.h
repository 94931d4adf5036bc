#pragma once

#include "MenuModel.h"
#include "design/DesignFonts.h"
#include "design/DesignSettings.h"

namespace rnv {

// The runtime's look of a design's settings: fonts that name no face fall
// back to Arial, sizes stay within what a window can draw.
MenuLook lookOf(const qv::DesignSettings& settings);

}  // namespace rnv
