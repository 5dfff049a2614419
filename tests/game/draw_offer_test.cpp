#include <gtest/gtest.h>

#include "game/draw_offer.h"

namespace selvako {
namespace {

PieceCounts pieces(int white_men, int white_kings, int black_men, int black_kings) {
    return {0, static_cast<std::uint8_t>(white_men), static_cast<std::uint8_t>(white_kings),
            static_cast<std::uint8_t>(black_men), static_cast<std::uint8_t>(black_kings)};
}

TEST(HumanDrawOffer, RefusedWithTwentyPiecesOrMore) {
    EXPECT_FALSE(draw_offer_accepted(pieces(10, 0, 10, 0), false, -500));
    EXPECT_FALSE(draw_offer_accepted(pieces(10, 0, 10, 0), true, 500));
    EXPECT_TRUE(draw_offer_accepted(pieces(10, 0, 9, 0), false, -500));
    EXPECT_TRUE(draw_offer_accepted(pieces(10, 0, 9, 0), true, 500));
}

TEST(HumanDrawOffer, AcceptedWhenTheComputerDoesNotStandBetter) {
    const PieceCounts few = pieces(2, 1, 3, 0);
    // Its own search: its score.
    EXPECT_TRUE(draw_offer_accepted(few, false, -1));
    EXPECT_TRUE(draw_offer_accepted(few, false, 0));
    EXPECT_FALSE(draw_offer_accepted(few, false, 1));
    // A pondering search scored the human's side.
    EXPECT_TRUE(draw_offer_accepted(few, true, 1));
    EXPECT_TRUE(draw_offer_accepted(few, true, 0));
    EXPECT_FALSE(draw_offer_accepted(few, true, -1));
}

struct QuietGame {
    std::array<std::uint8_t, 255> captures{};
    ComputerDrawOfferInput input(std::uint8_t ply, PieceCounts counts, std::int16_t score = 0) {
        return {counts, ply, [this](int p) { return captures.at(static_cast<std::size_t>(p)); },
                score};
    }
};

TEST(ComputerDrawOffer, NeverBeforePly21) {
    QuietGame game;
    const PieceCounts ending = pieces(0, 1, 1, 1);
    for (int ply = 0; ply <= 20; ++ply)
        EXPECT_FALSE(computer_offers_draw(game.input(static_cast<std::uint8_t>(ply), ending)))
            << ply;
    EXPECT_TRUE(computer_offers_draw(game.input(21, ending)));
}

TEST(ComputerDrawOffer, OnlyFourPiecesWithAKing) {
    QuietGame game;
    EXPECT_TRUE(computer_offers_draw(game.input(60, pieces(1, 1, 1, 1))));
    EXPECT_FALSE(computer_offers_draw(game.input(60, pieces(2, 1, 1, 1))));
    EXPECT_FALSE(computer_offers_draw(game.input(60, pieces(2, 0, 2, 0))));
    EXPECT_TRUE(computer_offers_draw(game.input(60, pieces(0, 0, 0, 2))));
}

TEST(ComputerDrawOffer, NoCaptureInTheLastTwentyPlies) {
    QuietGame game;
    const PieceCounts ending = pieces(0, 1, 0, 2);
    game.captures[40] = 1; // 21 plies back from 60: outside the window
    EXPECT_TRUE(computer_offers_draw(game.input(60, ending)));
    game.captures[41] = 2;
    EXPECT_FALSE(computer_offers_draw(game.input(60, ending)));
    game.captures[41] = 0;
    game.captures[60] = 1; // the present ply counts
    EXPECT_FALSE(computer_offers_draw(game.input(60, ending)));
}

TEST(ComputerDrawOffer, NotWithAForcedResult) {
    QuietGame game;
    const PieceCounts ending = pieces(0, 1, 0, 2);
    EXPECT_TRUE(computer_offers_draw(game.input(60, ending, 29999)));
    EXPECT_TRUE(computer_offers_draw(game.input(60, ending, -29999)));
    EXPECT_FALSE(computer_offers_draw(game.input(60, ending, 30000)));
    EXPECT_FALSE(computer_offers_draw(game.input(60, ending, -30000)));
}

} // namespace
} // namespace selvako
