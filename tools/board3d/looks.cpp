#include "tools/board3d/looks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace selvako::board3d {

namespace {

Vec rgb(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

double hash(int x, int y, int z) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(z) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xffffff) / double(0xffffff);
}

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

double noise(Vec p) {
    const int x = static_cast<int>(std::floor(p.x)), y = static_cast<int>(std::floor(p.y)),
              z = static_cast<int>(std::floor(p.z));
    const double fx = smooth(p.x - x), fy = smooth(p.y - y), fz = smooth(p.z - z);
    auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    const double c00 = lerp(hash(x, y, z), hash(x + 1, y, z), fx);
    const double c10 = lerp(hash(x, y + 1, z), hash(x + 1, y + 1, z), fx);
    const double c01 = lerp(hash(x, y, z + 1), hash(x + 1, y, z + 1), fx);
    const double c11 = lerp(hash(x, y + 1, z + 1), hash(x + 1, y + 1, z + 1), fx);
    return lerp(lerp(c00, c10, fy), lerp(c01, c11, fy), fz);
}

double fbm(Vec p) {
    double sum = 0, amplitude = 0.5;
    for (int k = 0; k < 5; ++k) {
        sum += amplitude * noise(p);
        p = p * 2.03;
        amplitude *= 0.5;
    }
    return sum;
}

Vec mix(Vec a, Vec b, double t) {
    return a * (1 - t) + b * t;
}

Vec wood(const Surface& s, Vec p, int cell) {
    // Each square is its own piece of wood, its grain turned a quarter on
    // every other square.
    const double shift = cell >= 0 ? hash(cell, 7, 3) * 10 : 0;
    const bool across = cell >= 0 && cell % 2 == 0;
    const Vec q = across ? Vec{p.y, p.x, p.z} : p;
    const double rings = q.y * s.scale * 3 + 2.2 * fbm(Vec{q.x * 0.6 + shift, q.y * 4, q.z * 4});
    const double grain = 0.5 + 0.5 * std::sin(rings * 6.2831853);
    return mix(s.a, s.b, std::pow(grain, 3) * 0.8 + 0.2 * fbm(q * 12));
}

Vec marble(const Surface& s, Vec p, int cell) {
    const double shift = cell >= 0 ? hash(cell, 1, 9) * 20 : 0;
    const double v = std::sin((p.x + p.y) * s.scale + 6 * fbm(Vec{p.x * 1.3 + shift, p.y * 1.3, p.z}));
    const double vein = std::pow(1 - std::abs(v), 8);
    return mix(mix(s.a, s.a * 0.88, fbm(p * 3)), s.b, vein);
}

} // namespace

Vec surface_colour(const Surface& s, Vec p, int cell, Vec& glow) {
    glow = {0, 0, 0};
    switch (s.pattern) {
    case Pattern::wood:
        return wood(s, p, cell);
    case Pattern::marble:
        return marble(s, p, cell);
    case Pattern::waves: {
        // The black-and-white waves of a seaside promenade.
        const double w = std::sin(p.y * s.scale + 1.4 * std::sin(p.x * s.scale * 0.5));
        const double edge = std::clamp(w * 6, -1.0, 1.0) * 0.5 + 0.5;
        return mix(s.a, s.b, edge) * (0.92 + 0.08 * noise(p * 40));
    }
    case Pattern::tiles: {
        // Painted tiles: a flower of the second colour on the first.
        const double u = p.x * s.scale - std::floor(p.x * s.scale) - 0.5;
        const double v = p.y * s.scale - std::floor(p.y * s.scale) - 0.5;
        const double r = std::sqrt(u * u + v * v);
        const double petal = std::cos(std::atan2(v, u) * 4) * 0.12 + 0.28;
        double t = r < petal ? 1.0 : 0.0;
        if (std::abs(u) > 0.46 || std::abs(v) > 0.46) t = 0.7;
        if (r < 0.07) t = 0.0;
        return mix(s.a, s.b, t);
    }
    case Pattern::lava: {
        const double f = fbm(p * s.scale);
        const double crack = std::pow(std::max(0.0, 1 - std::abs(f - 0.5) * 14), 2);
        glow = Vec{1.0, 0.28, 0.02} * (crack * 0.9);
        return mix(s.a, s.b, fbm(p * s.scale * 3));
    }
    case Pattern::gold: {
        const double brushed = fbm(Vec{p.x * 40, p.y * 2, p.z * 2});
        return mix(s.a, s.b, 0.3 + 0.7 * brushed);
    }
    case Pattern::stripes: {
        // The painted house fronts of an old town, one colour after another.
        static const std::array<Vec, 6> palette = {rgb(240, 196, 60), rgb(44, 110, 190),
                                                   rgb(226, 90, 130), rgb(80, 170, 120),
                                                   rgb(245, 140, 50), rgb(150, 90, 190)};
        const int k = static_cast<int>(std::floor((p.x + p.y * 0.15) * s.scale));
        const Vec c = palette[static_cast<std::size_t>(((k % 6) + 6) % 6)];
        return mix(c, s.a, 0.15 * fbm(p * 6));
    }
    case Pattern::felt:
        return mix(s.a, s.b, fbm(p * s.scale));
    }
    return s.a;
}

namespace {

// Every key light stands high and a little in front of the board, so that
// a piece's shadow falls behind it, inside its own sprite.
const Vec SUN = normalised({-0.12, 0.35, 1.0});

const std::array<Look, 8> LOOKS = {{
    {"Classique",
     {Pattern::wood, rgb(236, 200, 140), rgb(200, 156, 96), 1.0, 0.25, 30},
     {Pattern::wood, rgb(120, 70, 36), rgb(78, 42, 20), 1.0, 0.25, 30},
     {Pattern::wood, rgb(96, 44, 24), rgb(60, 24, 12), 0.5, 0.35, 40},
     {Pattern::felt, rgb(40, 96, 52), rgb(26, 70, 36), 3.0, 0.0, 1},
     {rgb(244, 236, 214), rgb(170, 150, 110), 0.5},
     {rgb(40, 30, 26), rgb(10, 8, 6), 0.5},
     rgb(212, 170, 60),
     SUN, {1.0, 0.97, 0.9}, {0.30, 0.30, 0.33}},
    {"Nuit",
     {Pattern::wood, rgb(236, 200, 140), rgb(200, 156, 96), 1.0, 0.25, 30},
     {Pattern::wood, rgb(120, 70, 36), rgb(78, 42, 20), 1.0, 0.25, 30},
     {Pattern::wood, rgb(96, 44, 24), rgb(60, 24, 12), 0.5, 0.35, 40},
     {Pattern::felt, rgb(40, 96, 52), rgb(26, 70, 36), 3.0, 0.0, 1},
     {rgb(244, 236, 214), rgb(170, 150, 110), 0.5},
     {rgb(40, 30, 26), rgb(10, 8, 6), 0.5},
     rgb(212, 170, 60),
     SUN, {1.0, 0.97, 0.9}, {0.30, 0.30, 0.33}, true},
    {"Luxe",
     {Pattern::marble, rgb(238, 236, 230), rgb(120, 120, 128), 2.0, 0.7, 80},
     {Pattern::marble, rgb(40, 70, 60), rgb(170, 200, 180), 2.5, 0.7, 80},
     {Pattern::marble, rgb(150, 40, 40), rgb(240, 210, 200), 1.5, 0.7, 80},
     {Pattern::marble, rgb(200, 196, 186), rgb(110, 100, 90), 0.8, 0.4, 40},
     {rgb(250, 246, 236), rgb(190, 170, 130), 0.9},
     {rgb(24, 24, 28), rgb(120, 110, 90), 0.9},
     rgb(230, 190, 80),
     normalised({0.12, 0.45, 1.0}), {1.0, 1.0, 1.0}, {0.32, 0.32, 0.34}},
    {"Copacabana",
     {Pattern::felt, rgb(242, 222, 170), rgb(226, 200, 140), 12.0, 0.1, 10},
     {Pattern::felt, rgb(20, 150, 170), rgb(10, 110, 140), 6.0, 0.4, 40},
     {Pattern::waves, rgb(250, 250, 246), rgb(20, 20, 20), 9.0, 0.2, 20},
     {Pattern::waves, rgb(246, 244, 236), rgb(24, 24, 24), 2.5, 0.1, 10},
     {rgb(252, 250, 244), rgb(200, 160, 80), 0.6},
     {rgb(110, 60, 30), rgb(60, 30, 14), 0.6},
     rgb(250, 210, 40),
     normalised({0.08, 0.45, 1.0}), {1.0, 0.96, 0.86}, {0.34, 0.36, 0.40}},
    {"Ipanema",
     {Pattern::felt, rgb(250, 214, 190), rgb(240, 190, 170), 8.0, 0.2, 20},
     {Pattern::felt, rgb(30, 60, 140), rgb(20, 40, 100), 5.0, 0.5, 60},
     {Pattern::felt, rgb(20, 130, 130), rgb(10, 90, 100), 4.0, 0.5, 60},
     {Pattern::felt, rgb(250, 150, 90), rgb(200, 70, 110), 0.4, 0.0, 1},
     {rgb(255, 250, 246), rgb(240, 120, 90), 0.7},
     {rgb(20, 34, 90), rgb(240, 120, 90), 0.7},
     rgb(255, 140, 60),
     normalised({0.15, 0.3, 1.0}), {1.0, 0.78, 0.56}, {0.30, 0.24, 0.34}},
    {"Inferno",
     {Pattern::lava, rgb(110, 24, 16), rgb(60, 10, 8), 1.5, 0.3, 30},
     {Pattern::lava, rgb(34, 30, 30), rgb(14, 12, 12), 1.2, 0.3, 30},
     {Pattern::lava, rgb(40, 20, 16), rgb(20, 8, 6), 0.8, 0.3, 30},
     {Pattern::lava, rgb(30, 12, 8), rgb(10, 4, 2), 0.6, 0.1, 10},
     {rgb(232, 220, 196), rgb(200, 60, 20), 0.6},
     {rgb(16, 14, 16), rgb(220, 40, 10), 0.9},
     rgb(255, 110, 20),
     normalised({0.0, 0.25, 1.0}), {1.0, 0.55, 0.35}, {0.30, 0.10, 0.08}},
    {"Grand luxe",
     {Pattern::marble, rgb(244, 236, 216), rgb(200, 160, 60), 2.0, 0.8, 90},
     {Pattern::marble, rgb(22, 30, 70), rgb(210, 170, 70), 2.0, 0.8, 90},
     {Pattern::gold, rgb(230, 180, 70), rgb(150, 100, 30), 1.0, 0.9, 60},
     {Pattern::felt, rgb(90, 20, 60), rgb(50, 8, 34), 4.0, 0.1, 10},
     {rgb(250, 244, 236), rgb(210, 170, 70), 0.9},
     {rgb(14, 14, 16), rgb(210, 170, 70), 0.9},
     rgb(240, 196, 70),
     normalised({-0.1, 0.45, 1.0}), {1.0, 0.96, 0.88}, {0.32, 0.28, 0.30}},
    {"Salvador da Bahia",
     {Pattern::felt, rgb(250, 220, 110), rgb(240, 196, 80), 6.0, 0.2, 20},
     {Pattern::tiles, rgb(245, 245, 240), rgb(30, 70, 170), 2.0, 0.5, 50},
     {Pattern::stripes, rgb(255, 255, 255), rgb(0, 0, 0), 2.0, 0.3, 30},
     {Pattern::stripes, rgb(255, 255, 255), rgb(0, 0, 0), 0.6, 0.1, 10},
     {rgb(252, 252, 248), rgb(30, 70, 170), 0.6},
     {rgb(170, 40, 30), rgb(250, 210, 60), 0.6},
     rgb(60, 170, 90),
     normalised({0.14, 0.4, 1.0}), {1.0, 0.95, 0.85}, {0.34, 0.32, 0.30}},
}};

} // namespace

const Look& look(int theme) {
    return LOOKS[static_cast<std::size_t>(theme - 1)];
}

} // namespace selvako::board3d
