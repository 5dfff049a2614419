#pragma once
// The eight looks: the patterns of the squares, the frame and the table,
// the colours of the pieces, and the light each scene is lit by.

#include "tools/board3d/camera.h"

namespace selvako::board3d {

enum class Pattern { wood, marble, waves, tiles, lava, gold, stripes, felt };

struct Surface {
    Pattern pattern;
    Vec a, b;          // the pattern's two colours
    double scale;      // pattern features per square
    double specular;   // 0 matt .. 1 polished
    double shininess;
};

struct PieceLook {
    Vec body;
    Vec rim;          // the groove and the side band
    double specular;
};

struct Look {
    const char* name;
    Surface light_square, dark_square, frame, table;
    PieceLook white, black;
    Vec crown;
    Vec light_direction; // toward the key light
    Vec light_colour;
    Vec ambient;
    bool night = false;  // the surroundings under night light, the board lit as by day
};

// Theme N is LOOKS[N - 1].
const Look& look(int theme);

// A surface's colour at a world point; `cell` gives the square (or -1).
Vec surface_colour(const Surface& s, Vec p, int cell, Vec& glow);

} // namespace selvako::board3d
