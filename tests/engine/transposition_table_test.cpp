#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/transposition_table.h"

namespace selvako {
namespace {

constexpr std::uint32_t INDEX = 123457;
constexpr std::uint32_t CHECK = 0xCAFEF00Du;
constexpr int PIECES = 10;

TEST(TranspositionTable, SmallestSizeKeepsThirteenThousandEntriesAndShortWindow) {
    const TranspositionTable table(0);
    EXPECT_EQ(table.entry_count(), 13100u);
    EXPECT_FALSE(table.used_at(3));
    EXPECT_TRUE(table.used_at(4));
    EXPECT_TRUE(table.used_at(13));
    EXPECT_FALSE(table.used_at(14));
    const TranspositionTable standard;
    EXPECT_EQ(standard.entry_count(), 131000u);
    EXPECT_TRUE(standard.used_at(19));
    EXPECT_FALSE(standard.used_at(20));
}

// The same position with the same side to move is a minimising node of a
// search for White and, one half-move later, a maximising node of a search
// for Black: the stamp (ply + half-move) still matches and the score flips.
TEST(TranspositionTable, EntriesServeTheOtherRootSideNegated) {
    TranspositionTable table;
    table.store_table(INDEX, CHECK, 300, 4, CODE_MIN_EXACT + WHITE, 22, 18, 10, 6, PIECES);
    TableHit hit{};
    ASSERT_TRUE(table.probe_table(INDEX, CHECK, 3, 11, 5, BLACK, true, hit));
    EXPECT_EQ(hit.bound, Bound::Exact);
    EXPECT_EQ(hit.score, -300);
    // The same search at the same node reads it as stored.
    ASSERT_TRUE(table.probe_table(INDEX, CHECK, 4, 10, 6, WHITE, false, hit));
    EXPECT_EQ(hit.score, 300);
    // A maximising node of the same root side never wrote this code.
    EXPECT_FALSE(table.probe_table(INDEX, CHECK, 4, 10, 6, WHITE, true, hit));
}

TEST(TranspositionTable, BoundsKeepTheirMeaningAcrossRootSides) {
    TranspositionTable table;
    TableHit hit{};
    // A cut-off in a minimising node is an upper bound there; for the other
    // root side, at a maximising node, it is a lower bound on the negation.
    table.store_table(INDEX, CHECK, -120, 5, CODE_MIN_UPPER + BLACK, 1, 6, 20, 8, PIECES);
    ASSERT_TRUE(table.probe_table(INDEX, CHECK, 5, 20, 8, BLACK, false, hit));
    EXPECT_EQ(hit.bound, Bound::Upper);
    ASSERT_TRUE(table.probe_table(INDEX, CHECK, 4, 21, 7, WHITE, true, hit));
    EXPECT_EQ(hit.bound, Bound::Lower);
    EXPECT_EQ(hit.score, 120);
    EXPECT_EQ(hit.from, 1);
    EXPECT_EQ(hit.to, 6);
}

TEST(TranspositionTable, ProbeRejectsOtherStampsShallowHorizonsAndOtherPositions) {
    TranspositionTable table;
    table.store_table(INDEX, CHECK, 50, 6, CODE_MAX_EXACT, 0, 0, 10, 7, PIECES);
    TableHit hit{};
    EXPECT_TRUE(table.probe_table(INDEX, CHECK, 6, 10, 7, WHITE, true, hit));
    EXPECT_TRUE(table.probe_table(INDEX, CHECK, 6, 10, 5, WHITE, true, hit));
    EXPECT_FALSE(table.probe_table(INDEX, CHECK, 6, 10, 8, WHITE, true, hit));
    EXPECT_FALSE(table.probe_table(INDEX, CHECK, 7, 10, 7, WHITE, true, hit));
    EXPECT_FALSE(table.probe_table(INDEX, CHECK ^ 1u, 6, 10, 7, WHITE, true, hit));
    table.clear_table();
    EXPECT_FALSE(table.probe_table(INDEX, CHECK, 6, 10, 7, WHITE, true, hit));
}

TEST(TranspositionTable, StorePolicy) {
    TranspositionTable table;
    const auto& e = table.slot(INDEX);
    // A decisive entry survives a bound written by the same search...
    table.store_table(INDEX, CHECK, 31000, 6, CODE_MAX_DECISIVE, 0, 0, 0, 8, PIECES);
    table.store_table(INDEX, CHECK + 1, 40, 6, CODE_MAX_LOWER, 0, 0, 0, 8, PIECES);
    EXPECT_EQ(e.score, 31000);
    // ... and a deeper one, but not a search far older.
    table.store_table(INDEX, CHECK + 1, 40, 6, CODE_MAX_EXACT, 0, 0, 0, 9, PIECES);
    EXPECT_EQ(e.score, 31000);
    table.store_table(INDEX, CHECK + 1, 40, 6, CODE_MAX_EXACT, 0, 0, 20, 8, PIECES);
    EXPECT_EQ(e.score, 40);

    // A bound is replaced at the same horizon; one ply shallower only by an exact score.
    table.clear_table();
    table.store_table(INDEX, CHECK, 10, 6, CODE_MAX_LOWER, 0, 0, 0, 8, PIECES);
    table.store_table(INDEX, CHECK, 20, 6, CODE_MIN_UPPER, 0, 0, 0, 7, PIECES);
    EXPECT_EQ(e.score, 10);
    table.store_table(INDEX, CHECK, 30, 6, CODE_MIN_EXACT, 0, 0, 0, 7, PIECES);
    EXPECT_EQ(e.score, 30);
    // An exact entry gives way only to a deeper search.
    table.store_table(INDEX, CHECK, 40, 6, CODE_MAX_LOWER, 0, 0, 0, 7, PIECES);
    EXPECT_EQ(e.score, 30);
    table.store_table(INDEX, CHECK, 50, 6, CODE_MAX_LOWER, 0, 0, 0, 8, PIECES);
    EXPECT_EQ(e.score, 50);
    // The same code nearer the root replaces.
    table.store_table(INDEX, CHECK, 60, 5, CODE_MAX_LOWER, 0, 0, 0, 8, PIECES);
    EXPECT_EQ(e.score, 60);

    // Three pieces or a horizon past a byte are never written.
    table.clear_table();
    table.store_table(INDEX, CHECK, 70, 6, CODE_MAX_EXACT, 0, 0, 0, 8, 3);
    table.store_table(INDEX, CHECK, 70, 6, CODE_MAX_EXACT, 0, 0, 250, 5, PIECES);
    EXPECT_EQ(e.code, 0);
}

TEST(TranspositionTable, ResizeDrawsIndexKeysWithinTheNewTable) {
    TranspositionTable table;
    table.store_table(INDEX, CHECK, 70, 6, CODE_MAX_EXACT, 0, 0, 0, 8, PIECES);
    HashKeys keys = default_hash_keys();
    const HashKeys before = keys;
    std::mt19937 random(7);
    table.resize_table(0, keys, random);
    EXPECT_EQ(table.setting(), 10);
    EXPECT_EQ(table.offset(), -4);
    EXPECT_EQ(table.entry_count(), 13100u);
    for (int slot = 32; slot <= 160; ++slot) EXPECT_LT(keys.index[slot], 13100u);
    EXPECT_NE(keys.index, before.index);
    EXPECT_EQ(keys.check, before.check);
    TableHit hit{};
    EXPECT_FALSE(table.probe_table(INDEX, CHECK, 6, 0, 8, WHITE, true, hit));
}

} // namespace
} // namespace selvako

namespace selvako {
namespace {

// The slot must be the plain remainder for every key the table can meet:
// every menu size, a few awkward divisors, and keys at the edges and at random.
TEST(FastModulo, GivesThePlainRemainder) {
    std::vector<std::uint32_t> divisors = {1, 2, 3, 7, 1000003, 0x80000000u, 0xFFFFFFFFu};
    for (const TableSize& size : TABLE_SIZES)
        divisors.push_back(static_cast<std::uint32_t>(size.setting) * TABLE_ENTRIES_PER_SETTING);
    std::mt19937 rng(5);
    for (std::uint32_t d : divisors) {
        const FastModulo modulo(d);
        std::vector<std::uint32_t> keys = {0,         1,           d - 1,       d,          d + 1,
                                           2 * d - 1, 0xFFFFFFFFu, 0xFFFFFFFEu, 0x80000000u};
        for (int i = 0; i < 20000; ++i) keys.push_back(static_cast<std::uint32_t>(rng()));
        for (std::uint32_t key : keys) ASSERT_EQ(modulo.of(key), key % d) << key << " mod " << d;
    }
}

} // namespace
} // namespace selvako
