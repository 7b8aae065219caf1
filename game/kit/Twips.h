// Lengths of the screens' design, kept in twips.
#pragma once

// Lengths on the screens are kept in twips, 15 to a pixel.
inline constexpr int TwipsPerPixel = 15;
inline constexpr int twipsToPixels(int twips) { return twips / TwipsPerPixel; }
