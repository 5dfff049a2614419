// The evaluation must keep giving the very same numbers when its code is made
// faster. Thousands of positions from reproducible random games are scored,
// every term on its own and each pattern term under every root phase and both
// sides to move; each term's values are folded, in order, into one
// fingerprint. The stored fingerprints were taken from the evaluation as it
// read the board square by square, before any of it was rewritten for speed.
// A changed fingerprint names the term that moved; the first position where
// it moved is found by printing the values of that term.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "eval/breakthrough_catalogue.h"
#include "eval/evaluate.h"
#include "eval/pattern_terms.h"
#include "eval_test_support.h"
#include "tests/engine/random_games.h"

namespace selvako {
namespace {

using test::mirrored;

// FNV-1a over the values in the order they come.
struct Fingerprint {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    int count = 0;
    void add(int value) {
        auto v = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i) {
            hash ^= v & 0xFF;
            hash *= 0x100000001b3ULL;
            v >>= 8;
        }
        ++count;
    }
};

enum Term {
    KING_VALUE,
    MATERIAL,
    LAZY_EXIT,
    LONG_DIAGONAL,
    SQUARE_TABLES,
    TEMPO,
    CENTRE,
    WING_BALANCE,
    CLAMP_45,
    OPENING_WINGS,
    BREAKTHROUGH,
    BACK_RANK,
    MAN_SAFETY,
    HANGING_PIECE,
    CLAMP_170,
    PROMOTION,
    TWO_KINGS_ENDING,
    ROOT_MAN_MOVE,
    ENDINGS,
    QUARTER,
    TOTAL,
    NARROW_WINDOW_TOTAL,
    // The pattern terms called on their own, for every phase and side to move.
    PATTERN_MAN_SAFETY,
    PATTERN_PROMOTION,
    PATTERN_BACK_RANK,
    PATTERN_BREAKTHROUGH,
    NUM_TERMS
};

constexpr std::array<const char*, NUM_TERMS> TERM_NAMES = {"king_value",
                                                           "material",
                                                           "lazy_exit",
                                                           "long_diagonal",
                                                           "square_tables",
                                                           "tempo",
                                                           "centre",
                                                           "wing_balance",
                                                           "clamp_45",
                                                           "opening_wings",
                                                           "breakthrough",
                                                           "back_rank",
                                                           "man_safety",
                                                           "hanging_piece",
                                                           "clamp_170",
                                                           "promotion",
                                                           "two_kings_ending",
                                                           "root_man_move",
                                                           "endings",
                                                           "quarter",
                                                           "total",
                                                           "narrow_total",
                                                           "pattern_man_safety",
                                                           "pattern_promotion",
                                                           "pattern_back_rank",
                                                           "pattern_breakthrough"};

// Drawn with the generator's raw output only, so that every standard library
// gives the same parameters. The variant squares are the home squares of a
// few men, which the opening positions of the games do hold.
EvalParameters drawn_parameters(std::mt19937& rng) {
    EvalParameters p;
    for (auto& t : p.tables)
        for (auto& v : t) v = static_cast<std::uint8_t>(rng() % 256);
    p.t1 = 18;
    p.t2 = 10;
    p.t3 = 6;
    for (auto& w : p.tempo_weights) w = static_cast<std::int8_t>(static_cast<int>(rng() % 13) - 6);
    p.variant1_white = {21, 22, 23, 25, 26, 29, 30};
    p.variant1_black = {1, 2, 3, 4, 5, 6, 7};
    p.variant2_white = {24, 27, 28, 31, 32, 30, 29};
    p.variant2_black = {8, 9, 10, 11, 12, 1, 2};
    return p;
}

void add_breakdown(std::array<Fingerprint, NUM_TERMS>& f, const EvalBreakdown& b) {
    f[KING_VALUE].add(b.king_value);
    f[MATERIAL].add(b.material);
    f[LAZY_EXIT].add(b.lazy_exit);
    f[LONG_DIAGONAL].add(b.long_diagonal);
    f[SQUARE_TABLES].add(b.square_tables);
    f[TEMPO].add(b.tempo);
    f[CENTRE].add(b.centre);
    f[WING_BALANCE].add(b.wing_balance);
    f[CLAMP_45].add(b.clamp_45);
    f[OPENING_WINGS].add(b.opening_wings);
    f[BREAKTHROUGH].add(b.breakthrough);
    f[BACK_RANK].add(b.back_rank);
    f[MAN_SAFETY].add(b.man_safety);
    f[HANGING_PIECE].add(b.hanging_piece);
    f[CLAMP_170].add(b.clamp_170);
    f[PROMOTION].add(b.promotion);
    f[TWO_KINGS_ENDING].add(b.two_kings_ending);
    f[ROOT_MAN_MOVE].add(b.root_man_move);
    f[ENDINGS].add(b.endings);
    f[QUARTER].add(b.quarter);
    f[TOTAL].add(b.total);
}

struct Collected {
    std::array<Fingerprint, NUM_TERMS> terms;
    int positions = 0;
    int kingless = 0;
    int with_breakthrough = 0;
    int with_back_rank = 0;
    int with_safety = 0;
    int pattern_breakthroughs = 0;
};

void add_patterns(Collected& out, const BoardArray& board) {
    const PieceCounts counts = count_pieces(board);
    for (int phase = PHASE_OPENING; phase <= PHASE_FINAL; ++phase)
        for (int ply : {1, 2}) {
            const PatternBoard pb{board, counts, ply, phase};
            for (int side : {WHITE, BLACK}) {
                out.terms[PATTERN_MAN_SAFETY].add(man_safety(pb, side));
                out.terms[PATTERN_PROMOTION].add(promotion_threats(pb, side));
                out.terms[PATTERN_BACK_RANK].add(back_rank_structure(pb, side));
                const int breakthrough = breakthrough_patterns(pb, side);
                out.terms[PATTERN_BREAKTHROUGH].add(breakthrough);
                if (breakthrough != 0) ++out.pattern_breakthroughs;
            }
        }
}

Collected collect() {
    Collected out;
    std::mt19937 rng(1812);
    EvalState eval;
    eval.parameters = drawn_parameters(rng);
    EngineState scored;
    testing::play_random_games(150, 4242, [&](EngineState& play, int) {
        ++out.positions;
        scored.set_position(play.board);
        const Square last = play.last_destination;
        if (scored.counts[WHITE_KING] + scored.counts[BLACK_KING] == 0) ++out.kingless;
        for (int side : {WHITE, BLACK}) {
            // The running terms are set up from scratch here and followed by
            // make_move in the search; both ways are compared elsewhere.
            prepare_evaluation(eval, scored, side);
            for (int ply = 1; ply <= 4; ++ply) {
                scored.ply = static_cast<std::int8_t>(ply);
                scored.last_destination = last;
                eval.root_piece = static_cast<std::uint8_t>(rng() % 5);
                const EvalBreakdown b = evaluate_breakdown(eval, scored, side, -32000, 32000);
                add_breakdown(out.terms, b);
                if (b.breakthrough != 0) ++out.with_breakthrough;
                if (b.back_rank != 0) ++out.with_back_rank;
                if (b.man_safety != 0) ++out.with_safety;
                // A window around the material, where the lazy exit may or may not cut.
                const int centre = b.material + static_cast<int>(rng() % 401) - 200;
                out.terms[NARROW_WINDOW_TOTAL].add(
                    evaluate(eval, scored, side, centre - 1, centre + 1));
            }
        }
        add_patterns(out, scored.board);
    });
    // Boards of men only, strewn at random: the formation catalogues match far
    // more often on them than in played games.
    for (int n = 0; n < 4000; ++n) {
        BoardArray board = empty_board();
        const int men = 4 + static_cast<int>(rng() % 17);
        for (int i = 0; i < men; ++i) {
            const auto s = static_cast<Square>(1 + rng() % NUM_SQUARES);
            board[s] = (rng() % 2 == 0) ? WHITE_MAN : BLACK_MAN;
        }
        add_patterns(out, board);
    }
    // The breakthrough formations with a few squares disturbed: some still
    // match, some match a later formation instead, some none.
    for (const Formation& f : compile_formations(BREAKTHROUGH_TEXT))
        for (int n = 0; n < 40; ++n) {
            BoardArray board = empty_board();
            for (int s = 1; s <= NUM_SQUARES; ++s) {
                const std::uint32_t bit = 1u << (s - 1);
                if (f.white_men & bit) board[s] = WHITE_MAN;
                if (f.black_men & bit) board[s] = BLACK_MAN;
                if ((f.occupied & bit) && board[s] == EMPTY) board[s] = WHITE_MAN;
            }
            for (int k = static_cast<int>(rng() % 4); k > 0; --k) {
                const auto s = static_cast<Square>(1 + rng() % NUM_SQUARES);
                board[s] = static_cast<std::uint8_t>(rng() % 4);
            }
            add_patterns(out, board);
            add_patterns(out, mirrored(board));
        }
    return out;
}

// Taken from the square-by-square evaluation.
constexpr std::array<std::uint64_t, NUM_TERMS> STORED = {
    8236143045833547493ULL, 2985838512011694597ULL,  6941893035210448549ULL,
    4514630880068887125ULL, 8022916257286828429ULL,  3852199474194935589ULL,
    9160365190488435589ULL, 11838120991735966661ULL, 2477801209606714621ULL,
    6941893035210448549ULL, 3838981565269661757ULL,  680731603788705533ULL,
    7942187065463372749ULL, 15764033747902388197ULL, 4058865681846325018ULL,
    627141385633121461ULL,  11940483686795331093ULL, 4492165883515451261ULL,
    6941893035210448549ULL, 6941893035210448549ULL,  12137442482323219935ULL,
    7521246886375195566ULL, 16190909047440423685ULL,  11764397489944537733ULL,
    6958119996342492281ULL,  17508172458620808613ULL};

TEST(StoredScores, EveryTermScoresAsBefore) {
    const Collected c = collect();
    // The games reach every part of the evaluation often enough to matter.
    EXPECT_GT(c.positions, 5000);
    EXPECT_GT(c.kingless, 1000);
    EXPECT_GT(c.with_breakthrough, 20);
    EXPECT_GT(c.pattern_breakthroughs, 1000);
    EXPECT_GT(c.with_back_rank, 5000);
    EXPECT_GT(c.with_safety, 5000);
    for (int t = 0; t < NUM_TERMS; ++t)
        EXPECT_EQ(c.terms[t].hash, STORED[t])
            << TERM_NAMES[t] << " over " << c.terms[t].count << " values";
}

} // namespace
} // namespace selvako
