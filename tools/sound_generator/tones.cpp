#include "tools/sound_generator/tones.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace selvako::sound {

namespace {

struct Partial {
    double ratio;     // of the note's frequency
    double amplitude; // of the fundamental's
};

struct Note {
    double frequency;
    double start;  // seconds
    double length; // seconds
    double attack; // seconds of raised-cosine onset
    double decay;  // time constant of the exponential fade, seconds
    double loudness;
};

double seconds_of(std::size_t i) {
    return static_cast<double>(i) / SAMPLE_RATE;
}
std::size_t samples_of(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * SAMPLE_RATE));
}

// Half a cosine from 0 to 1: a fade with no corner at either end, so no click.
double raised_cosine(double x) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

void add_note(std::vector<double>& buffer, const Note& note, std::span<const Partial> partials) {
    constexpr double RELEASE = 0.03;
    const std::size_t first = samples_of(note.start);
    const std::size_t count = samples_of(note.length);
    if (buffer.size() < first + count) buffer.resize(first + count, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = seconds_of(i);
        const double envelope = raised_cosine(t / note.attack) * std::exp(-t / note.decay) *
                                raised_cosine((note.length - t) / RELEASE);
        double v = 0.0;
        for (const Partial& p : partials)
            v += p.amplitude * std::sin(2.0 * std::numbers::pi * note.frequency * p.ratio * t);
        buffer[first + i] += note.loudness * envelope * v;
    }
}

std::vector<std::int16_t> to_pcm(const std::vector<double>& buffer, double peak) {
    double loudest = 0.0;
    for (double v : buffer) loudest = std::max(loudest, std::abs(v));
    const double scale = loudest > 0.0 ? peak * 32767.0 / loudest : 0.0;
    std::vector<std::int16_t> pcm(buffer.size());
    for (std::size_t i = 0; i < buffer.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(
            std::lround(std::clamp(buffer[i] * scale, -32767.0, 32767.0)));
    return pcm;
}

// A bell-like colour: the octave and the twelfth above, softly.
constexpr Partial BELL[] = {{1.0, 1.0}, {2.0, 0.3}, {3.0, 0.1}};
// Rounder, darker, for the loss.
constexpr Partial MELLOW[] = {{1.0, 1.0}, {2.0, 0.15}};

} // namespace

std::vector<std::int16_t> move_click() {
    // Two damped partials a little apart sound like a piece set on wood.
    std::vector<double> buffer;
    constexpr Partial WOOD[] = {{1.0, 1.0}, {2.4, 0.5}};
    add_note(buffer, {850.0, 0.0, 0.05, 0.0015, 0.008, 1.0}, WOOD);
    return to_pcm(buffer, 0.45);
}

std::vector<std::int16_t> win_chime() {
    // C5, E5, G5 and C6, each ringing under the next.
    std::vector<double> buffer;
    constexpr double NOTES[] = {523.25, 659.26, 783.99, 1046.50};
    for (int k = 0; k < 4; ++k) {
        const bool last = k == 3;
        add_note(buffer, {NOTES[k], 0.12 * k, last ? 0.8 : 0.45, 0.006, last ? 0.3 : 0.18, 1.0},
                 BELL);
    }
    return to_pcm(buffer, 0.6);
}

std::vector<std::int16_t> loss_chime() {
    // G4, E flat 4, C4: the minor triad going down, slower and softer.
    std::vector<double> buffer;
    constexpr double NOTES[] = {392.00, 311.13, 261.63};
    for (int k = 0; k < 3; ++k) {
        const bool last = k == 2;
        add_note(buffer, {NOTES[k], 0.22 * k, last ? 0.9 : 0.5, 0.012, last ? 0.35 : 0.22, 1.0},
                 MELLOW);
    }
    return to_pcm(buffer, 0.5);
}

} // namespace selvako::sound
