// Writes the game's sounds, "son.wav", "gagne.wav" and "Perdu.wav", into the
// folder given on the command line.

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

#include "files/atomic_file.h"
#include "game/sound_files.h"
#include "tools/sound_generator/tones.h"
#include "tools/sound_generator/wav_file.h"

int main(int argc, char** argv) {
    using namespace selvako;
    if (argc != 2) {
        std::fprintf(stderr, "usage: sound_generator OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const struct {
        std::string_view name;
        std::vector<std::int16_t> samples;
    } sounds[] = {
        {MOVE_SOUND_FILE, sound::move_click()},
        {WIN_SOUND_FILE, sound::win_chime()},
        {LOSS_SOUND_FILE, sound::loss_chime()},
    };
    for (const auto& s : sounds) {
        const std::filesystem::path path = folder / s.name;
        if (!write_file_atomically(path, sound::encode_wav(s.samples, sound::SAMPLE_RATE))) {
            std::fprintf(stderr, "sound_generator: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
