#pragma once
// The evaluation's tunable numbers and the 1162-byte ".par" file that stores
// them. Everything else in the evaluation is a constant.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "engine/file_reading.h"
#include "engine/square_weights.h"

namespace selvako {

// The eight men tables, in the order of the file and of the tempo weights.
enum TableIndex : int {
    OPENING_DEFAULT = 0,
    MIDDLE_DEFAULT,
    PRE_FINAL,
    FINAL,
    VARIANT1_OPENING,
    VARIANT1_MIDDLE,
    VARIANT2_OPENING,
    VARIANT2_MIDDLE,
    NUM_SQUARE_TABLES
};

// Seven squares (1..32, 0 = unused slot) recognising an opening variant.
using VariantSquares = std::array<std::int8_t, 7>;

struct EvalParameters {
    std::array<SquareTable, NUM_SQUARE_TABLES> tables{};
    // Opening while more than T1 men, middle game while more than T2,
    // pre-final while more than T3, final below.
    std::int8_t t1 = 0;
    std::int8_t t2 = 0;
    std::int8_t t3 = 0;
    VariantSquares variant1_white{};
    VariantSquares variant2_white{};
    VariantSquares variant1_black{};
    VariantSquares variant2_black{};
    // In 1/200 of a man per row of advance, indexed like the tables.
    std::array<std::int8_t, NUM_SQUARE_TABLES> tempo_weights{};

    bool operator==(const EvalParameters&) const = default;
};

inline constexpr int PARAMETER_FILE_SIZE = 1162;
// Offsets 0..302 carry the parameters; the rest is kept as last read.
inline constexpr int PARAMETER_BYTES = 303;

using ParameterImage = std::array<std::uint8_t, PARAMETER_FILE_SIZE>;

// The one message every file failure shows.
inline constexpr std::string_view FILE_OPEN_ERROR = "Impossible d'ouvrir ce fichier";

void parameters_to_image(const EvalParameters& params, ParameterImage& image);
EvalParameters parameters_from_image(const ParameterImage& image);

// Reads the file over the start of `image` (a shorter file leaves the rest
// of the image as it was) and then takes the parameters from it. A file
// longer than 1162 bytes, or one that is not a regular file, is refused; on
// failure neither `params` nor `image` changes and the answer says why.
FileLoad load_parameter_file(EvalParameters& params, ParameterImage& image,
                             const std::filesystem::path& path);
// files/engine_files.h writes the image back (save_parameter_file).

} // namespace selvako
