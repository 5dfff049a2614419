#pragma once
// A search of a position to a fixed depth, with no clock and no repertoire.

#include <gtest/gtest.h>

#include <string>

#include "engine/fen.h"
#include "search/engine.h"

namespace selvako::testing {

inline SearchRequest request_for(const std::string& fen, int depth) {
    const auto parsed = parse_fen(fen);
    EXPECT_TRUE(parsed.position) << parsed.error;
    SearchRequest request;
    if (!parsed.position) return request;
    request.board = parsed.position->board;
    request.trait = static_cast<std::uint8_t>(parsed.position->side_to_move);
    request.limits.budget_recherche = UNLIMITED_BUDGET;
    request.limits.temps_alloue = UNLIMITED_SECONDS;
    request.limits.repertoire = false;
    request.limits.depth = depth;
    return request;
}

} // namespace selvako::testing
