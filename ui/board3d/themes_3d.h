#pragma once
// The eight 3D themes, the files each one is drawn from, and what a change
// of theme has to load. Plain C++, shared with the image generator.

#include <array>
#include <string>

namespace selvako {

inline constexpr int THEME_COUNT = 8;

struct Theme3d {
    const char* menu_item;    // the "Affichage" item
    const char* intro_button; // the start screen's button
    int sprite_set;           // the "Images" folder number
};

// Index N - 1 for theme N. "Nuit" shows the sprites of "Classique" on its own
// background, so its board is lit as Classique's is.
inline constexpr std::array<Theme3d, THEME_COUNT> THEMES_3D = {{
    {"Damier3D1", "SpeedButton7", 1},
    {"Damier3D2", "SpeedButton8", 1},
    {"Damier3D3", "SpeedButton9", 3},
    {"Damier3D4", "SpeedButton15", 4},
    {"Damier3D5", "SpeedButton16", 5},
    {"Damier3D6", "SpeedButton17", 6},
    {"Damier3D7", "SpeedButton18", 7},
    {"Damier3D8", "SpeedButton19", 8},
}};

inline constexpr const char* SPRITE_KINDS[5] = {"pv", "pb", "db", "pn", "dn"};

// Relative to the data folder.
inline std::string sprite_folder(int set) {
    return "Images" + std::to_string(set);
}
inline std::string sprite_file(int set, int code, int position) {
    return sprite_folder(set) + "/" + SPRITE_KINDS[code] + std::to_string(set) + "_" +
           std::to_string(position) + ".bmp";
}
inline std::string background_file(int theme) {
    return "damier" + std::to_string(theme) + ".bmp";
}
inline std::string overlay_file(int theme) {
    return "damier" + std::to_string(theme) + "w.bmp";
}
// Each picture, overlay and sprite also drawn at twice the size, beside it
// ("damier1.bmp", "damier1@2x.png"), for a view shown larger than the picture.
inline constexpr int FINE_3D = 2;
inline std::string fine_file(const std::string& name) {
    return name.substr(0, name.rfind('.')) + "@2x.png";
}

// What a change of board has to read: a sprite set (0 for none) and a
// background (0 for none), and the theme number loaded afterwards.
struct ThemeLoad {
    int sprite_set = 0;
    int background = 0;
    int theme_after = 1;
};

// Choosing 3D theme `chosen` while `loaded` is the theme whose images are
// in memory. Classique and Nuit share their sprites; Luxe is kept when it is
// already loaded; the others are always read again.
// `loaded` 0: nothing is in memory yet (the board chosen at start-up was 2D).
constexpr ThemeLoad plan_theme_change(int loaded, int chosen) {
    if (loaded < 1) return {THEMES_3D[chosen - 1].sprite_set, chosen, chosen};
    ThemeLoad load{0, 0, chosen};
    switch (chosen) {
    case 1:
    case 2:
        if (loaded > 2) load.sprite_set = 1;
        if (loaded != chosen) load.background = chosen;
        break;
    case 3:
        if (loaded != 3) load = {3, 3, 3};
        break;
    default:
        load = {THEMES_3D[chosen - 1].sprite_set, chosen, chosen};
        break;
    }
    return load;
}

// Going back to the 2D board: anything but Classique's and Nuit's sprites is
// replaced by Classique, so that either of them later loads no sprites.
constexpr ThemeLoad plan_board_2d(int loaded) {
    if (loaded > 2) return {1, 1, 1};
    // Nothing loaded yet: nothing to load for the 2D board either.
    return {0, 0, loaded};
}

} // namespace selvako
