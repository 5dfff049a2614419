#include "tools/board3d/ray_tracer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace selvako::board3d {

namespace {

constexpr double EPS = 1e-6;
constexpr double NONE = std::numeric_limits<double>::infinity();
constexpr double BOARD_BOTTOM = -0.25;
constexpr double FRAME = 0.7;
constexpr double FRAME_TOP = 0.08;
constexpr double CROWN_RADIUS = 0.17;
constexpr double CROWN_HEIGHT = 0.05;
constexpr double BEVEL = 0.05;
constexpr int SHADOW_SAMPLES = 8;

enum class Kind { none, table, board, frame, piece, crown };

struct Box {
    Vec lo, hi;
    Kind kind;
};

struct Disc {
    double x, y, z0, z1, radius;
    Kind kind;
    int code;
};

struct Hit {
    double t = NONE;
    Vec normal;
    Kind kind = Kind::none;
    int code = 0;
    const Disc* disc = nullptr;
};

const std::array<Box, 5> BOXES = {{
    {{0, 0, BOARD_BOTTOM}, {8, 8, 0}, Kind::board},
    {{-FRAME, -FRAME, BOARD_BOTTOM}, {8 + FRAME, 0, FRAME_TOP}, Kind::frame},
    {{-FRAME, 8, BOARD_BOTTOM}, {8 + FRAME, 8 + FRAME, FRAME_TOP}, Kind::frame},
    {{-FRAME, 0, BOARD_BOTTOM}, {0, 8, FRAME_TOP}, Kind::frame},
    {{8, 0, BOARD_BOTTOM}, {8 + FRAME, 8, FRAME_TOP}, Kind::frame},
}};

void intersect_box(const Box& b, Vec o, Vec d, Hit& hit) {
    double t0 = 0, t1 = hit.t;
    int axis = -1;
    double sign = 0;
    const double lo[3] = {b.lo.x, b.lo.y, b.lo.z}, hi[3] = {b.hi.x, b.hi.y, b.hi.z};
    const double oo[3] = {o.x, o.y, o.z}, dd[3] = {d.x, d.y, d.z};
    for (int a = 0; a < 3; ++a) {
        if (std::abs(dd[a]) < 1e-12) {
            if (oo[a] < lo[a] || oo[a] > hi[a]) return;
            continue;
        }
        double ta = (lo[a] - oo[a]) / dd[a], tb = (hi[a] - oo[a]) / dd[a];
        double s = -1;
        if (ta > tb) {
            std::swap(ta, tb);
            s = 1;
        }
        if (ta > t0) {
            t0 = ta;
            axis = a;
            sign = s;
        }
        t1 = std::min(t1, tb);
        if (t0 > t1) return;
    }
    if (axis < 0 || t0 <= EPS || t0 >= hit.t) return;
    hit.t = t0;
    hit.normal = {axis == 0 ? sign : 0, axis == 1 ? sign : 0, axis == 2 ? sign : 0};
    hit.kind = b.kind;
    hit.disc = nullptr;
}

void intersect_disc(const Disc& c, Vec o, Vec d, Hit& hit) {
    // The top.
    if (std::abs(d.z) > 1e-12) {
        const double t = (c.z1 - o.z) / d.z;
        if (t > EPS && t < hit.t) {
            const double x = o.x + t * d.x - c.x, y = o.y + t * d.y - c.y;
            if (x * x + y * y <= c.radius * c.radius) {
                hit = {t, {0, 0, 1}, c.kind, c.code, &c};
            }
        }
    }
    // The side.
    const double ox = o.x - c.x, oy = o.y - c.y;
    const double a = d.x * d.x + d.y * d.y;
    if (a < 1e-12) return;
    const double b = 2 * (ox * d.x + oy * d.y);
    const double k = ox * ox + oy * oy - c.radius * c.radius;
    const double disc = b * b - 4 * a * k;
    if (disc < 0) return;
    const double t = (-b - std::sqrt(disc)) / (2 * a);
    if (t <= EPS || t >= hit.t) return;
    const double z = o.z + t * d.z;
    if (z < c.z0 || z > c.z1) return;
    hit = {t, normalised({ox + t * d.x, oy + t * d.y, 0}), c.kind, c.code, &c};
}

struct Scene {
    const Look& look;
    std::vector<Disc> discs;

    Hit trace(Vec o, Vec d) const {
        Hit hit;
        if (d.z < 0) {
            const double t = (BOARD_BOTTOM - o.z) / d.z;
            if (t > EPS) hit = {t, {0, 0, 1}, Kind::table, 0, nullptr};
        }
        for (const Box& b : BOXES) intersect_box(b, o, d, hit);
        for (const Disc& c : discs) intersect_disc(c, o, d, hit);
        return hit;
    }

    bool blocked(Vec o, Vec d) const { return trace(o, d).t < NONE; }
};

std::uint32_t mix_bits(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

double random01(std::uint32_t& state) {
    state = mix_bits(state + 0x9e3779b9U);
    return (state & 0xffffff) / double(0x1000000);
}

int cell_of(Vec p) {
    const int c = static_cast<int>(std::floor(p.x)), r = static_cast<int>(std::floor(p.y));
    if (c < 0 || c > 7 || r < 0 || r > 7) return -1;
    return r * 8 + c;
}

// The piece's shading normal: its upper edge rounded off.
Vec bevelled(const Disc& c, Vec p, Vec n) {
    const double rx = p.x - c.x, ry = p.y - c.y;
    const double d = std::sqrt(rx * rx + ry * ry);
    const Vec radial = d > 1e-9 ? Vec{rx / d, ry / d, 0} : Vec{0, 0, 0};
    if (n.z > 0.5 && d > c.radius - BEVEL) {
        const double k = (d - (c.radius - BEVEL)) / BEVEL;
        return normalised(Vec{0, 0, 1} + radial * (1.4 * k));
    }
    if (n.z < 0.5 && p.z > c.z1 - BEVEL) {
        const double k = (p.z - (c.z1 - BEVEL)) / BEVEL;
        return normalised(radial + Vec{0, 0, 1.4 * k});
    }
    return n;
}

Vec piece_colour(const Look& look, const Disc& c, Vec p, Vec n) {
    const PieceLook& side = c.code <= 2 ? look.white : look.black;
    if (c.kind == Kind::crown) {
        // Points of the crown, light and shade round its rim.
        const double angle = std::atan2(p.y - c.y, p.x - c.x);
        const double teeth = 0.75 + 0.25 * std::cos(angle * 8);
        return n.z > 0.5 ? look.crown * 0.85 : look.crown * teeth;
    }
    const double d = std::sqrt((p.x - c.x) * (p.x - c.x) + (p.y - c.y) * (p.y - c.y));
    if (n.z > 0.5) {
        // The grooves of a draughtsman's top.
        const double r = d / c.radius;
        if ((r > 0.62 && r < 0.68) || (r > 0.30 && r < 0.34))
            return side.body * 0.55 + side.rim * 0.45;
        return side.body;
    }
    // The side: fine ridges, and between the two men of a king a band.
    const double ridges = 0.9 + 0.1 * std::cos(std::atan2(p.y - c.y, p.x - c.x) * 60);
    if (c.code == 2 || c.code == 4) {
        const double middle = (c.z0 + c.z1) / 2;
        if (std::abs(p.z - middle) < 0.015) return side.rim;
    }
    return side.body * ridges;
}

Vec shade(const Scene& scene, Vec o, Vec d, std::uint32_t& seed) {
    const Look& look = scene.look;
    const Hit hit = scene.trace(o, d);
    if (hit.t == NONE) return look.ambient;
    const Vec p = o + d * hit.t;
    Vec n = hit.normal;
    Vec base, glow{0, 0, 0};
    double specular = 0, shininess = 1;
    switch (hit.kind) {
    case Kind::table:
        base = surface_colour(look.table, p, -1, glow);
        specular = look.table.specular;
        shininess = look.table.shininess;
        break;
    case Kind::board: {
        const int cell = cell_of(p);
        const bool dark = cell >= 0 && ((cell / 8) + (cell % 8)) % 2 == 1;
        const Surface& s = n.z > 0.5 ? (dark ? look.dark_square : look.light_square) : look.frame;
        base = surface_colour(s, p, cell, glow);
        specular = s.specular;
        shininess = s.shininess;
        break;
    }
    case Kind::frame:
        base = surface_colour(look.frame, p, -1, glow);
        specular = look.frame.specular;
        shininess = look.frame.shininess;
        break;
    case Kind::piece:
    case Kind::crown: {
        n = bevelled(*hit.disc, p, n);
        base = piece_colour(look, *hit.disc, p, hit.normal);
        const PieceLook& side = hit.code <= 2 ? look.white : look.black;
        specular = hit.kind == Kind::crown ? 0.9 : side.specular;
        shininess = hit.kind == Kind::crown ? 40 : 60;
        break;
    }
    case Kind::none:
        break;
    }

    // Soft shadow: rays to points spread over the light's disc.
    const Vec l = look.light_direction;
    const Vec u = normalised(cross(l, Vec{0, 1, 0}));
    const Vec v = cross(l, u);
    const Vec from = p + n * 1e-4;
    int lit = 0;
    for (int k = 0; k < SHADOW_SAMPLES; ++k) {
        const double a = 6.2831853 * (k + random01(seed)) / SHADOW_SAMPLES;
        const double r = 0.06 * std::sqrt(random01(seed));
        const Vec dir = normalised(l + u * (r * std::cos(a)) + v * (r * std::sin(a)));
        if (!scene.blocked(from, dir)) ++lit;
    }
    const double visible = double(lit) / SHADOW_SAMPLES;
    const double diffuse = std::max(0.0, dot(n, l)) * visible;
    const Vec h = normalised(l - d);
    const double highlight = specular * std::pow(std::max(0.0, dot(n, h)), shininess) * visible;
    const double sky = 0.6 + 0.4 * n.z;
    Vec colour = base * (look.ambient * sky + look.light_colour * diffuse) +
                 look.light_colour * highlight + glow;

    if (look.night) {
        // A lamp over the board lights it and its frame as by day; around
        // them the table sinks into moonlight.
        const double out = std::max(std::abs(p.x - 4), std::abs(p.y - 4)) - (4 + FRAME + 0.25);
        const double lamp = out <= 0 ? 1.0 : std::exp(-out * 0.9);
        const Vec moon = base * Vec{0.10, 0.13, 0.30} + Vec{0.0, 0.01, 0.04};
        colour = colour * lamp + moon * (1 - lamp);
    }
    return colour;
}

std::uint8_t channel(double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

Scene build(int theme, const Pieces& pieces) {
    Scene scene{look(theme), {}};
    for (int position = 1; position <= 32; ++position) {
        const int code = pieces[static_cast<std::size_t>(position)];
        if (code < 1 || code > 4) continue;
        const int t = position - 1, row = t / 4;
        const int column = row % 2 == 0 ? 2 * (t % 4) + 1 : 2 * (t % 4);
        const bool king = code == 2 || code == 4;
        const double height = king ? KING_HEIGHT : MAN_HEIGHT;
        scene.discs.push_back(
            {column + 0.5, row + 0.5, 0.0, height, PIECE_RADIUS, Kind::piece, code});
        if (king)
            scene.discs.push_back({column + 0.5, row + 0.5, height, height + CROWN_HEIGHT,
                                   CROWN_RADIUS, Kind::crown, code});
    }
    return scene;
}

} // namespace

std::vector<std::uint32_t> render(int theme, const Pieces& pieces, int x0, int y0, int width,
                                  int height, int scale) {
    const Scene scene = build(theme, pieces);
    const Camera camera = board_camera();
    std::vector<std::uint32_t> out(static_cast<std::size_t>(width) * height);
    static constexpr double OFFSETS[4][2] = {
        {0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int px = x0 + x, py = y0 + y;
            std::uint32_t seed = mix_bits(static_cast<std::uint32_t>(px) * 73856093u ^
                                          static_cast<std::uint32_t>(py) * 19349663u);
            Vec sum{0, 0, 0};
            for (const auto& offset : OFFSETS)
                sum = sum +
                      shade(scene, camera.eye,
                            camera.direction((px + offset[0]) / scale, (py + offset[1]) / scale),
                            seed);
            sum = sum * 0.25;
            out[static_cast<std::size_t>(y) * width + x] =
                0xff000000u | (std::uint32_t(channel(sum.x)) << 16) |
                (std::uint32_t(channel(sum.y)) << 8) | channel(sum.z);
        }
    return out;
}

} // namespace selvako::board3d
