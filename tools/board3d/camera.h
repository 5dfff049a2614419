#pragma once
// The one camera every 3D theme is seen through. The board lies in the
// plane z = 0 with its squares one unit wide: x grows to the right from
// the left edge, y grows toward the viewer from the back edge (row 0), z up.
// The camera stands high behind the front edge, far enough away that the
// squares of the front row are only a little wider than those at the back:
// that keeps every piece inside its own 60 x 60 sprite, whatever the row.

#include <cmath>

namespace selvako::board3d {

struct Vec {
    double x = 0, y = 0, z = 0;
};

inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec operator*(Vec a, double k) { return {a.x * k, a.y * k, a.z * k}; }
inline Vec operator*(Vec a, Vec b) { return {a.x * b.x, a.y * b.y, a.z * b.z}; }
inline double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Vec a) { return std::sqrt(dot(a, a)); }
inline Vec normalised(Vec a) { return a * (1.0 / length(a)); }

inline constexpr int PICTURE_WIDTH = 785;
inline constexpr int PICTURE_HEIGHT = 521;
inline constexpr int SPRITE = 60;

struct Camera {
    Vec eye;
    Vec forward, right, up;
    double focal; // pixels
    double cx, cy; // picture point the view axis goes through

    // Where a world point lands in the picture.
    void project(Vec p, double& px, double& py) const {
        const Vec d = p - eye;
        const double depth = dot(d, forward);
        px = cx + focal * dot(d, right) / depth;
        py = cy - focal * dot(d, up) / depth;
    }
    // The ray through picture point (px, py).
    Vec direction(double px, double py) const {
        return normalised(forward * focal + right * (px - cx) - up * (py - cy));
    }
};

inline Camera board_camera() {
    constexpr double PI = 3.14159265358979323846;
    constexpr double elevation = 52.0 * PI / 180.0;
    constexpr double distance = 40.0;
    const Vec target{4.0, 4.0, 0.0};
    const Vec eye = target + Vec{0.0, std::cos(elevation), std::sin(elevation)} * distance;
    Camera c;
    c.eye = eye;
    c.forward = normalised(target - eye);
    c.right = normalised(cross(Vec{0, 0, 1}, c.forward));
    c.up = cross(c.forward, c.right);
    c.focal = 2250.0;
    c.cx = 318.0;
    c.cy = 262.0;
    return c;
}

// The height of a man and of a king, in squares.
inline constexpr double MAN_HEIGHT = 0.15;
inline constexpr double KING_HEIGHT = 0.30;
inline constexpr double PIECE_RADIUS = 0.37;

// The top-left pixel of the sprite of the square in row r, column c: centred
// on the square across, and reaching from just below its front edge up far
// enough to hold a king standing on it.
inline void sprite_origin(const Camera& camera, int row, int column, int& x, int& y) {
    double cx = 0, cy = 0, fx = 0, fy = 0;
    camera.project({column + 0.5, row + 0.5, 0.0}, cx, cy);
    camera.project({column + 0.5, row + 1.0, 0.0}, fx, fy);
    x = static_cast<int>(std::lround(cx)) - SPRITE / 2;
    y = static_cast<int>(std::lround(fy)) + 3 - SPRITE;
}

} // namespace selvako::board3d
