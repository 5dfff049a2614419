// Draws the eight 3D themes: for theme N the picture "damierN.bmp" (the empty
// board in its setting), the overlay "damierNw.bmp" (the name plate on the
// front of the frame; magenta where the picture shows through) and, for each
// sprite set, the 160 sprites "Images<T>/<kind><T>_<p>.bmp": the part of the
// picture at position p, rendered with that one piece on the board. Each is
// rendered at twice the size and written so ("damierN@2x.png", ...); the
// picture itself is that rendering halved, four pixels averaged into one.
//
// Usage: make_board3d OUTPUT_FOLDER [THREADS]
//
// The positions are the program's own table; the run stops if the camera no
// longer puts the sprites there.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "tools/board3d/ray_tracer.h"
#include "ui/board3d/positions_3d.h"
#include "ui/board3d/themes_3d.h"

namespace {

using namespace selvako;
using namespace selvako::board3d;

bool positions_match_camera() {
    const Camera camera = board_camera();
    bool ok = true;
    for (int p = 1; p <= 32; ++p) {
        const int t = p - 1, row = t / 4;
        const int column = row % 2 == 0 ? 2 * (t % 4) + 1 : 2 * (t % 4);
        int x = 0, y = 0;
        sprite_origin(camera, row, column, x, y);
        if (x != positions_3d[p].x || y != positions_3d[p].y) {
            std::fprintf(stderr,
                         "position %d: the camera puts it at (%d, %d), the table at (%d, %d)\n", p,
                         x, y, positions_3d[p].x, positions_3d[p].y);
            ok = false;
        }
    }
    return ok;
}

QImage to_image(const std::vector<std::uint32_t>& pixels, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), pixels.data() + static_cast<std::size_t>(y) * width,
                    static_cast<std::size_t>(width) * 4);
    return image;
}

// Each pixel the average of the four it covers, rounded; every sprite halves
// to exactly its part of the halved picture, as their renderings match.
QImage halved(const QImage& fine) {
    QImage image(fine.width() / FINE_3D, fine.height() / FINE_3D, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < FINE_3D; ++dy)
                for (int dx = 0; dx < FINE_3D; ++dx) {
                    const QRgb c = fine.pixel(FINE_3D * x + dx, FINE_3D * y + dy);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            constexpr int n = FINE_3D * FINE_3D;
            image.setPixel(x, y, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    return image;
}

// The name plate, placed on the front face of the frame below every sprite,
// drawn at `scale` pixels for each pixel of the picture.
QImage overlay(int theme, int scale) {
    QImage image(PICTURE_3D_WIDTH * scale, PICTURE_3D_HEIGHT * scale, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect plate(169, 460, 300, 20);
    QLinearGradient brass(plate.topLeft(), plate.bottomLeft());
    brass.setColorAt(0, QColor(238, 214, 140));
    brass.setColorAt(1, QColor(160, 120, 50));
    p.setPen(QPen(QColor(90, 64, 20), 1));
    p.setBrush(brass);
    p.drawRoundedRect(plate, 4, 4);
    QFont font;
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(60, 40, 10));
    p.drawText(plate, Qt::AlignCenter,
               QStringLiteral("SELVAKO 3D  \u2022  ") + QString::fromUtf8(look(theme).name));
    p.end();
    // Anti-aliasing must not leave near-magenta fringes that would show.
    const QRect shown(plate.topLeft() * scale, plate.size() * scale);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (!shown.contains(x, y)) line[x] = qRgb(255, 0, 255);
    }
    return image;
}

struct Job {
    int theme;
    int position; // 0: the background and overlay
};

bool save(const QImage& image, const QDir& out, const std::string& name) {
    const QString path = out.filePath(QString::fromStdString(name));
    if (image.save(path, name.ends_with(".png") ? "PNG" : "BMP")) return true;
    std::fprintf(stderr, "make_board3d: cannot write %s\n", qPrintable(path));
    return false;
}

// The part (x, y, width, height) of the picture, rendered at twice the size,
// written as `name`'s large copy and, halved, as `name`.
bool render_both(const QDir& out, const std::string& name, int theme, const Pieces& pieces, int x,
                 int y, int width, int height) {
    const QImage fine = to_image(
        render(theme, pieces, FINE_3D * x, FINE_3D * y, FINE_3D * width, FINE_3D * height, FINE_3D),
        FINE_3D * width, FINE_3D * height);
    return save(fine, out, fine_file(name)) && save(halved(fine), out, name);
}

bool run_job(const QDir& out, const Job& job) {
    if (job.position == 0) {
        Pieces empty{};
        return render_both(out, background_file(job.theme), job.theme, empty, 0, 0,
                           PICTURE_3D_WIDTH, PICTURE_3D_HEIGHT);
    }
    const int set = THEMES_3D[static_cast<std::size_t>(job.theme - 1)].sprite_set;
    const PixelPoint at = positions_3d[static_cast<std::size_t>(job.position)];
    for (int code = 0; code <= 4; ++code) {
        Pieces pieces{};
        pieces[static_cast<std::size_t>(job.position)] = static_cast<std::uint8_t>(code);
        if (!render_both(out, sprite_file(set, code, job.position), job.theme, pieces, at.x, at.y,
                         SPRITE_3D, SPRITE_3D))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_board3d OUTPUT_FOLDER [THREADS]\n");
        return 2;
    }
    // Text needs a GUI application; no screen is needed for it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!positions_match_camera()) return 1;

    const QDir out(QString::fromLocal8Bit(argv[1]));
    std::vector<Job> jobs;
    for (int theme = 1; theme <= THEME_COUNT; ++theme) {
        jobs.push_back({theme, 0});
        // "Nuit" shows the sprites of set 1.
        if (theme == 2) continue;
        const int set = THEMES_3D[static_cast<std::size_t>(theme - 1)].sprite_set;
        if (!out.mkpath(QString::fromStdString(sprite_folder(set)))) {
            std::fprintf(stderr, "make_board3d: cannot create %s\n", sprite_folder(set).c_str());
            return 1;
        }
        for (int p = 1; p <= 32; ++p) jobs.push_back({theme, p});
    }
    // The overlays' text is drawn here, on the main thread; the rendering
    // itself shares nothing and runs on every thread asked for.
    for (int theme = 1; theme <= THEME_COUNT; ++theme)
        if (!save(overlay(theme, 1), out, overlay_file(theme)) ||
            !save(overlay(theme, FINE_3D), out, fine_file(overlay_file(theme))))
            return 1;
    const int threads = std::max(1, argc > 2 ? std::atoi(argv[2]) : 2);
    const auto start = std::chrono::steady_clock::now();
    std::atomic<std::size_t> next{0};
    std::atomic<bool> ok{true};
    auto worker = [&] {
        for (std::size_t k = next.fetch_add(1); k < jobs.size(); k = next.fetch_add(1))
            if (!run_job(out, jobs[k])) ok = false;
    };
    std::vector<std::thread> pool;
    for (int k = 1; k < threads; ++k) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("make_board3d: %d themes, %zu pictures and sprite sets in %.1f s on %d threads\n",
                THEME_COUNT, jobs.size(), seconds, threads);
    return ok ? 0 : 1;
}
