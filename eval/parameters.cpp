#include "eval/parameters.h"

#include <algorithm>

namespace selvako {

namespace {

constexpr int TABLE_SIZE = 33;
constexpr int THRESHOLDS_AT = NUM_SQUARE_TABLES * TABLE_SIZE; // 264
constexpr int VARIANT1_WHITE_AT = THRESHOLDS_AT + 3;          // 267
constexpr int VARIANT2_WHITE_AT = VARIANT1_WHITE_AT + 7;
constexpr int VARIANT1_BLACK_AT = VARIANT2_WHITE_AT + 7;
constexpr int VARIANT2_BLACK_AT = VARIANT1_BLACK_AT + 7;
constexpr int TEMPO_AT = VARIANT2_BLACK_AT + 7; // 295
static_assert(TEMPO_AT + NUM_SQUARE_TABLES == PARAMETER_BYTES);
static_assert(sizeof(ParameterImage) == PARAMETER_FILE_SIZE);

std::int8_t as_signed(std::uint8_t b) {
    return static_cast<std::int8_t>(b);
}
std::uint8_t as_unsigned(std::int8_t b) {
    return static_cast<std::uint8_t>(b);
}

void put_squares(const VariantSquares& squares, ParameterImage& image, int at) {
    for (int i = 0; i < 7; ++i) image[at + i] = as_unsigned(squares[i]);
}

VariantSquares get_squares(const ParameterImage& image, int at) {
    VariantSquares squares{};
    for (int i = 0; i < 7; ++i) squares[i] = as_signed(image[at + i]);
    return squares;
}

} // namespace

void parameters_to_image(const EvalParameters& params, ParameterImage& image) {
    for (int t = 0; t < NUM_SQUARE_TABLES; ++t)
        for (int k = 0; k < TABLE_SIZE; ++k) image[t * TABLE_SIZE + k] = params.tables[t][k];
    image[THRESHOLDS_AT] = as_unsigned(params.t1);
    image[THRESHOLDS_AT + 1] = as_unsigned(params.t2);
    image[THRESHOLDS_AT + 2] = as_unsigned(params.t3);
    put_squares(params.variant1_white, image, VARIANT1_WHITE_AT);
    put_squares(params.variant2_white, image, VARIANT2_WHITE_AT);
    put_squares(params.variant1_black, image, VARIANT1_BLACK_AT);
    put_squares(params.variant2_black, image, VARIANT2_BLACK_AT);
    for (int t = 0; t < NUM_SQUARE_TABLES; ++t)
        image[TEMPO_AT + t] = as_unsigned(params.tempo_weights[t]);
}

EvalParameters parameters_from_image(const ParameterImage& image) {
    EvalParameters params;
    for (int t = 0; t < NUM_SQUARE_TABLES; ++t)
        for (int k = 0; k < TABLE_SIZE; ++k) params.tables[t][k] = image[t * TABLE_SIZE + k];
    params.t1 = as_signed(image[THRESHOLDS_AT]);
    params.t2 = as_signed(image[THRESHOLDS_AT + 1]);
    params.t3 = as_signed(image[THRESHOLDS_AT + 2]);
    params.variant1_white = get_squares(image, VARIANT1_WHITE_AT);
    params.variant2_white = get_squares(image, VARIANT2_WHITE_AT);
    params.variant1_black = get_squares(image, VARIANT1_BLACK_AT);
    params.variant2_black = get_squares(image, VARIANT2_BLACK_AT);
    for (int t = 0; t < NUM_SQUARE_TABLES; ++t)
        params.tempo_weights[t] = as_signed(image[TEMPO_AT + t]);
    return params;
}

FileLoad load_parameter_file(EvalParameters& params, ParameterImage& image,
                             const std::filesystem::path& path) {
    // A shorter file replaces the start of the image; a longer one is no
    // parameter file.
    const FileBytesRead read = read_file_bytes(path, FileSize::at_most(PARAMETER_FILE_SIZE));
    if (!read.ok()) return {read.refusal};
    std::copy(read.bytes.begin(), read.bytes.end(), image.begin());
    params = parameters_from_image(image);
    return {};
}

} // namespace selvako
