#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>

#include "files/game_file.h"
#include "game/saved_game.h"
#include "tests/game/game_fixture.h"

namespace selvako {
namespace {

using testing::TwoPlayerGame;

void play_seven(TwoPlayerGame& t) {
    const Square moves[][2] = {{22, 18}, {11, 15}, {18, 11}, {8, 15}, {21, 17}, {12, 16}, {17, 13}};
    for (const auto& m : moves) t.play(m[0], m[1]);
}

std::filesystem::path temporary(const char* name) {
    return std::filesystem::path(::testing::TempDir()) / name;
}

TEST(GameFile, SevenPlyGameSavedAndReopened) {
    TwoPlayerGame t;
    play_seven(t);
    const auto path = temporary("seven.dam");
    ASSERT_TRUE(write_game_file(path, game_file_image(t.game)));
    EXPECT_EQ(std::filesystem::file_size(path), GAME_FILE_BYTES);

    TwoPlayerGame u;
    const auto image = read_game_file(path);
    ASSERT_TRUE(image);
    load_game_file_image(u.game, u.clocks, *image);
    EXPECT_EQ(u.game.num_demi_coup, 7);
    EXPECT_EQ(u.game.longueur_partie, 7);
    EXPECT_EQ(u.game.trait(), BLACK);
    EXPECT_EQ(u.game.damier_affiche, t.game.damier_affiche);
    EXPECT_EQ(u.game.historique[0].board[0], SENTINEL);
    EXPECT_EQ(u.game.liste_coups.lines,
              (std::vector<std::string>{" 1.c3-d4 f6-e5", " 2.d4xf6 g7xe5", " 3.a3-b4 h6-g5",
                                        " 4.b4-a5"}));
    EXPECT_EQ(u.game.liste_coups.selected, 3);
    // The game goes on from there.
    u.play(9, 14);
    EXPECT_EQ(u.game.liste_coups.lines[3], " 4.b4-a5 b6-c5");
}

TEST(GameFile, GameSavedAtTheStartReopensWithAnEmptyList) {
    TwoPlayerGame t;
    const auto image = decode_game_file(encode_game_file(game_file_image(t.game)));
    ASSERT_TRUE(image);
    TwoPlayerGame u;
    play_seven(u);
    load_game_file_image(u.game, u.clocks, *image);
    EXPECT_TRUE(u.game.liste_coups.lines.empty());
    EXPECT_EQ(u.game.damier_affiche, start_position());
}

TEST(GameFile, SavedAfterSteppingBackListsEveryPlyOnce) {
    TwoPlayerGame t;
    play_seven(t);
    reprise(t.game, t.clocks);
    reprise(t.game, t.clocks);
    const auto image = decode_game_file(encode_game_file(game_file_image(t.game)));
    ASSERT_TRUE(image);
    TwoPlayerGame u;
    load_game_file_image(u.game, u.clocks, *image);
    EXPECT_EQ(u.game.num_demi_coup, 5);
    EXPECT_EQ(u.game.longueur_partie, 7);
    EXPECT_EQ(u.game.liste_coups.lines.size(), 4u);
    EXPECT_EQ(u.game.liste_coups.selected, 2);
    ASSERT_TRUE(Aller_fin(u.game, u.clocks));
    EXPECT_EQ(u.game.trait(), BLACK);
}

TEST(GameFile, SettingsSitInsideTheLastRecords) {
    TwoPlayerGame t;
    t.game.settings = {300, 330, 7, 18, 2, 350};
    t.game.historique[200].temps_noir = 0x01020304;
    const std::vector<std::uint8_t> bytes = encode_game_file(game_file_image(t.game));
    ASSERT_EQ(bytes.size(), 22442u);
    EXPECT_EQ(bytes[OFFSET_NIVEAU], 18);
    EXPECT_EQ(bytes[OFFSET_LANGUE], 2);
    EXPECT_EQ(bytes[22300], 7);    // minutes_autre, little-endian
    EXPECT_EQ(bytes[22304], 0x5E); // 350 = 0x015E
    EXPECT_EQ(bytes[22305], 0x01);
    EXPECT_EQ(bytes[22388], 0x2C); // 300 = 0x012C
    EXPECT_EQ(bytes[22392], 0x4A); // 330 = 0x014A
    EXPECT_EQ(bytes[200 * 88 + 40], 0x04);
    EXPECT_EQ(bytes[200 * 88 + 43], 0x01);
    EXPECT_EQ(bytes[0], 0); // the length of a game not yet begun
    EXPECT_EQ(bytes[1], BLACK_MAN);
    EXPECT_EQ(bytes[22], WHITE_MAN);
    const auto image = decode_game_file(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->settings.niveau, 18);
    EXPECT_EQ(image->settings.minutes_autre, 7);
    EXPECT_EQ(image->settings.taille_tables, 350);
    EXPECT_EQ(image->settings.langue, 2);
}

TEST(GameFile, FileWithoutTimeSettingsGetsTheDefaults) {
    TwoPlayerGame t;
    t.game.settings.budget_recherche = 0;
    t.game.settings.niveau = 2;
    t.game.settings.langue = 4;
    t.game.settings.taille_tables = 0x1234; // the clocks of ply 253 in such a file
    const auto image = decode_game_file(encode_game_file(game_file_image(t.game)));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->settings.taille_tables, 100);
    // Saved again, it reads back.
    EXPECT_TRUE(decode_game_file(encode_game_file(*image)));
    EXPECT_EQ(image->settings.budget_recherche, 160);
    EXPECT_EQ(image->settings.temps_alloue, 178);
    EXPECT_EQ(image->settings.minutes_autre, 3);
    EXPECT_EQ(image->settings.niveau, 5);
    EXPECT_EQ(image->settings.langue, 0); // French, whatever the file said
}

TEST(GameFile, ForeignFilesAreRefused) {
    TwoPlayerGame t;
    std::vector<std::uint8_t> good = encode_game_file(game_file_image(t.game));
    ASSERT_TRUE(decode_game_file(good));

    std::vector<std::uint8_t> shorter(good.begin(), good.end() - 1);
    EXPECT_FALSE(decode_game_file(shorter));
    std::vector<std::uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(decode_game_file(longer));
    EXPECT_FALSE(decode_game_file({}));

    auto bad = good;
    bad[88 * 100 + 17] = 7; // not a piece code
    EXPECT_FALSE(decode_game_file(bad));
    bad = good;
    bad[22440] = 255; // no such ply
    EXPECT_FALSE(decode_game_file(bad));
    bad = good;
    bad[22441] = 2; // no such side
    EXPECT_FALSE(decode_game_file(bad));
    bad = good;
    bad[88 * 3 + 35] = 40; // no such square
    EXPECT_FALSE(decode_game_file(bad));

    const auto path = temporary("foreign.dam");
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(GAME_FILE_BYTES + 10, 'x');
    }
    EXPECT_FALSE(read_game_file(path));
    EXPECT_FALSE(read_game_file(temporary("missing.dam")));
}

TEST(GameFile, SettingsNoLevelGivesAreRefused) {
    TwoPlayerGame t;
    const PersistentSettings good = t.game.settings;
    auto refused = [&](auto change) {
        t.game.settings = good;
        change(t.game.settings);
        return !decode_game_file(encode_game_file(game_file_image(t.game)));
    };
    EXPECT_FALSE(refused([](PersistentSettings&) {}));
    EXPECT_TRUE(refused([](PersistentSettings& s) { s.budget_recherche = INT32_MAX; }));
    EXPECT_TRUE(refused([](PersistentSettings& s) { s.budget_recherche = INT32_MIN; }));
    EXPECT_TRUE(refused([](PersistentSettings& s) { s.temps_alloue = INT32_MAX; }));
    EXPECT_TRUE(refused([](PersistentSettings& s) { s.temps_alloue = -1; }));
    EXPECT_TRUE(refused([](PersistentSettings& s) { s.minutes_autre = -3; }));
    EXPECT_TRUE(refused([](PersistentSettings& s) { s.minutes_autre = INT32_MAX / 60 + 1; }));
    EXPECT_TRUE(refused([](PersistentSettings& s) { s.niveau = 9; }));
    EXPECT_TRUE(refused([](PersistentSettings& s) { s.niveau = 19; }));
    EXPECT_TRUE(refused([](PersistentSettings& s) { s.langue = 6; }));
    EXPECT_TRUE(refused([](PersistentSettings& s) { s.taille_tables = 101; }));
    // The largest "Autre" level is the program's own.
    EXPECT_FALSE(refused([](PersistentSettings& s) {
        const std::int32_t minutes = INT32_MAX / 60;
        s = {minutes * 55, minutes * 60 - 2, minutes, 18, 5, 2000};
    }));
}

TEST(GameFile, PliesOfTheGameMustHoldRealPositions) {
    TwoPlayerGame t;
    play_seven(t);
    const std::vector<std::uint8_t> good = encode_game_file(game_file_image(t.game));
    ASSERT_TRUE(decode_game_file(good));
    auto bad = good;
    bad[88 * 4] = BLACK_MAN; // the border cell of a ply holds a piece
    EXPECT_FALSE(decode_game_file(bad));
    bad = good;
    std::fill(bad.begin() + 88 * 5 + 1, bad.begin() + 88 * 5 + 33, EMPTY);
    EXPECT_FALSE(decode_game_file(bad)); // a ply emptied the board
    bad = good;
    std::fill(bad.begin() + 88 * 2 + 1, bad.begin() + 88 * 2 + 14, WHITE_KING);
    EXPECT_FALSE(decode_game_file(bad)); // thirteen white pieces
    bad = good;
    bad[88 * 6 + 34] = 0; // a ply that moved from no square
    EXPECT_FALSE(decode_game_file(bad));
    bad = good;
    bad[88 * 7 + 39] = 0x80; // White's clock below zero
    EXPECT_FALSE(decode_game_file(bad));
    bad = good;
    bad[88 * 3 + 84] = 2; // no such colour for the computer
    EXPECT_FALSE(decode_game_file(bad));
    bad = good;
    bad[88 * 4 + 1] = WHITE_MAN; // a white man on b8, never crowned
    EXPECT_FALSE(decode_game_file(bad));
    bad = good;
    bad[88 * 4 + 32] = BLACK_MAN; // a black man on g1, never crowned
    EXPECT_FALSE(decode_game_file(bad));
    bad = good;
    bad[1] = WHITE_MAN; // the same in the starting position
    EXPECT_FALSE(decode_game_file(bad));
    // A king there is ordinary.
    TwoPlayerGame crowned("W:WKb8,c3:Bh6");
    EXPECT_TRUE(decode_game_file(encode_game_file(game_file_image(crowned.game))));

    // The ply on show far past the game stretches it over empty records.
    bad = good;
    bad[22440] = 60;
    EXPECT_FALSE(decode_game_file(bad));
    // Records past the game's length are not part of it.
    auto stale = good;
    std::fill(stale.begin() + 88 * 9 + 1, stale.begin() + 88 * 9 + 33, EMPTY);
    EXPECT_TRUE(decode_game_file(stale));
}

TEST(GameFile, NamesShowOnlyUpToTheirFieldsEnd) {
    TwoPlayerGame t;
    std::vector<std::uint8_t> bytes = encode_game_file(game_file_image(t.game));
    std::fill(bytes.begin() + 44, bytes.begin() + 84, std::uint8_t{0xFF});
    const auto image = decode_game_file(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(name_text(image->historique[0].nom_blanc).size(), std::size_t(NAME_BYTES - 1));
    EXPECT_EQ(name_text(image->historique[0].nom_noir).size(), std::size_t(NAME_BYTES - 1));
}

TEST(GameFile, EveryLengthTheProgramWritesReadsBackAsItWas) {
    // The longest game ends where the file still holds every ply whole.
    TwoPlayerGame t("W:WKa1:BKh6");
    const Square shuffle[][2] = {{29, 25}, {12, 16}, {25, 29}, {16, 12}};
    for (int ply = 0; ply <= LAST_GAME_PLY; ++ply) {
        if (ply > 0) t.play(shuffle[(ply - 1) % 4][0], shuffle[(ply - 1) % 4][1]);
        t.game.historique[ply].temps_blanc = 1000 + ply;
        t.game.historique[ply].temps_noir = 2000 + ply;
        for (std::uint8_t niveau : {std::uint8_t{0}, std::uint8_t{8}, std::uint8_t{17}}) {
            t.game.settings.niveau = niveau;
            const auto image = decode_game_file(encode_game_file(game_file_image(t.game)));
            ASSERT_TRUE(image) << "ply " << ply;
            TwoPlayerGame back;
            load_game_file_image(back.game, back.clocks, *image);
            ASSERT_EQ(back.game.longueur_partie, ply);
            ASSERT_EQ(back.game.liste_coups.lines.size(), std::size_t(ply + 1) / 2);
            ASSERT_EQ(back.game.settings.niveau, niveau);
            const FicheCoup& r = back.game.historique[ply];
            ASSERT_TRUE(r.from == t.game.historique[ply].from &&
                        r.to == t.game.historique[ply].to && r.temps_blanc == 1000 + ply &&
                        r.temps_noir == 2000 + ply)
                << "ply " << ply;
        }
    }
    EXPECT_EQ(fin_entre_humains(t.game, t.engine), GameEnd::record_full);
}

TEST(GameFile, OlderFilesPastTheLastWholePlyAreReadUpToIt) {
    // 254 plies as an older program wrote them, the kings shuffling; the
    // settings then overwrite the clocks of ply 253 and the move of ply 254.
    TwoPlayerGame t("W:WKa1:BKh6");
    GameFileImage old = game_file_image(t.game);
    const Square shuffle[][2] = {{29, 25}, {12, 16}, {25, 29}, {16, 12}};
    BoardArray board = t.game.historique[0].board;
    for (int k = 1; k <= LAST_PLY; ++k) {
        FicheCoup& r = old.historique[k];
        r = t.game.historique[0];
        r.from = shuffle[(k - 1) % 4][0];
        r.to = shuffle[(k - 1) % 4][1];
        std::swap(board[r.from], board[r.to]);
        r.board = board;
        r.board[0] = SENTINEL;
    }
    old.historique[0].board[0] = LAST_PLY;
    old.num_demi_coup = LAST_PLY;
    old.trait = WHITE;
    const auto image = decode_game_file(encode_game_file(old));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->historique[0].board[0], LAST_GAME_PLY);
    EXPECT_EQ(image->num_demi_coup, LAST_GAME_PLY);
    EXPECT_EQ(image->trait, WHITE); // two plies back: the same side to move
    TwoPlayerGame back;
    load_game_file_image(back.game, back.clocks, *image);
    EXPECT_EQ(back.game.liste_coups.lines.size(), std::size_t(LAST_GAME_PLY / 2));
    EXPECT_EQ(back.game.liste_coups.lines.back(), "126.b2-a1 g5-h6");
}

TEST(GameFile, FailedWriteLeavesNoFileBehind) {
    TwoPlayerGame t;
    const auto folder = temporary("no-such-folder");
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(write_game_file(folder / "game.dam", game_file_image(t.game)));
    EXPECT_FALSE(std::filesystem::exists(folder));

    const auto path = temporary("kept.dam");
    ASSERT_TRUE(write_game_file(path, game_file_image(t.game)));
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
}

} // namespace
} // namespace selvako

namespace selvako {
namespace {

// A genuine seven-ply game with one thing changed: each change the program
// could never have written is refused, saying at which ply.
struct Inconsistency {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> change;
    FileProblem problem;
    int ply;
};

constexpr std::size_t record_at(int ply) {
    return static_cast<std::size_t>(ply) * sizeof(FicheCoup);
}

const Inconsistency INCONSISTENCIES[] = {
    {"side_to_move_flipped", [](auto& b) { b[RECORD_AREA_BYTES + 1] ^= 1; },
     FileProblem::side_to_move, 7},
    // "g1-g3" is no move, though both squares exist.
    {"move_between_other_squares", [](auto& b) { b[record_at(3) + 35] = 9; },
     FileProblem::move_not_legal, 3},
    {"board_that_no_move_leaves",
     [](auto& b) { b[record_at(5) + 1] = static_cast<std::uint8_t>(EMPTY); },
     FileProblem::move_not_legal, 5},
    {"capture_count_changed", [](auto& b) { b[record_at(3) + 33] = 0; },
     FileProblem::move_not_legal, 3},
    {"same_side_twice",
     [](auto& b) {
         // Ply 2 replaced by a White move from the board of ply 1.
         std::copy_n(b.begin() + record_at(1), BOARD_CELLS, b.begin() + record_at(2));
         b[record_at(2) + 33] = 0;
         b[record_at(2) + 34] = 21;
         b[record_at(2) + 35] = 17;
         std::swap(b[record_at(2) + 21], b[record_at(2) + 17]);
     },
     FileProblem::side_to_move, 2},
    {"clock_of_a_year",
     [](auto& b) {
         const std::uint32_t year = 365u * 24 * 3600;
         for (int i = 0; i < 4; ++i)
             b[record_at(4) + 36 + i] = static_cast<std::uint8_t>(year >> (8 * i));
     },
     FileProblem::clock_out_of_range, 4},
    {"level_no_menu_gives", [](auto& b) { b[OFFSET_NIVEAU] = 9; },
     FileProblem::settings_out_of_range, 0},
};

class InconsistentGameFile : public ::testing::TestWithParam<Inconsistency> {};

TEST_P(InconsistentGameFile, IsRefusedNamingThePly) {
    TwoPlayerGame t;
    play_seven(t);
    std::vector<std::uint8_t> bytes = encode_game_file(game_file_image(t.game));
    ASSERT_TRUE(decode_game_file(bytes));
    GetParam().change(bytes);
    const GameFileRead read = decode_game_file(bytes, GameFileUse::game, "x.dam");
    ASSERT_FALSE(read);
    EXPECT_EQ(read.refusal.problem, GetParam().problem);
    EXPECT_EQ(read.refusal.ply, GetParam().ply);
    EXPECT_EQ(read.refusal.path, "x.dam");
}

INSTANTIATE_TEST_SUITE_P(Changes, InconsistentGameFile, ::testing::ValuesIn(INCONSISTENCIES),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(GameFile, StartPositionBeforeAnyMoveTakesEitherSide) {
    TwoPlayerGame t;
    std::vector<std::uint8_t> bytes = encode_game_file(game_file_image(t.game));
    bytes[RECORD_AREA_BYTES + 1] = BLACK; // a set-up start may give Black the move
    EXPECT_TRUE(decode_game_file(bytes));
}

TEST(GameFile, ALongerFileIsRefusedWithItsSize) {
    TwoPlayerGame t;
    std::vector<std::uint8_t> bytes = encode_game_file(game_file_image(t.game));
    bytes.resize(GAME_FILE_BYTES + 5000);
    const GameFileRead read = decode_game_file(bytes);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.refusal.problem, FileProblem::wrong_size);
    EXPECT_EQ(read.refusal.size, GAME_FILE_BYTES + 5000);
}

} // namespace
} // namespace selvako
