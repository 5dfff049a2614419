#include "engine/promotion_row.h"

namespace selvako {

std::string promotion_row_error(Square s) {
    return "man on its promotion row at " + std::string(SQUARE_NAMES[s]);
}

} // namespace selvako
