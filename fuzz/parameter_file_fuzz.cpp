// Parameter files: any 1,162 bytes (a shorter file is read over the defaults)
// give parameters that the evaluation can use, and write back unchanged.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "eval/parameters.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ParameterImage image{};
    std::copy_n(data, std::min(size, image.size()), image.begin());
    const EvalParameters params = parameters_from_image(image);
    ParameterImage written = image;
    parameters_to_image(params, written);
    if (parameters_from_image(written) != params) __builtin_trap();
    return 0;
}
