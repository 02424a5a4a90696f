// SPDX-License-Identifier: MIT
#pragma once

#include "common/color.h"

namespace morvane {

// The colour cells of the options dialog's colour picker. Both grids are made of 16 x 16 pixel
// cells; colours are worked out on a scale to 256 and every channel that is not 0 is then lowered
// by 1, so that full intensity comes out as 255.

// The palette: 9 x 9 cells, column i and row j from 0 to 8. Rows 0 to 3 are ramps of red, green,
// blue and grey; row 4 holds three strengths of green, blue and green again; rows 5 to 8 add four
// strengths of red (left six columns) or blue (right three columns) to them.
TColor PaletteColor(int i, int j);

// The shades of `base`: 4 x 4 cells. Column i mixes (i + 1) fifths of the colour with the rest in
// white, so column 0 is the lightest; row 0 mixes all three channels, rows 1, 2 and 3 only red,
// green or blue. `base` must be a plain colour (no system or palette-relative colour).
TColor ShadeColor(TColor base, int i, int j);

} // namespace morvane
