#include <gtest/gtest.h>

#include <array>

#include "game/game_end.h"

namespace selvako {
namespace {

// A training game: the human White ("Mister X"), the computer Black.
GameEndInput training(GameEnd end, std::uint8_t loser = WHITE) {
    GameEndInput in;
    in.end = end;
    in.loser = loser;
    in.couleur_ordinateur = 1;
    in.nom_blanc = "Mister X";
    in.nom_noir = "Selvako";
    return in;
}

GameEndInput rated_match(GameEnd end, std::uint8_t loser = WHITE) {
    GameEndInput in = training(end, loser);
    in.mode_match = MatchMode::playing;
    in.ratings = {1600, 2000};
    return in;
}

TEST(GameEnd, BlockedSideLosesInTraining) {
    GameEndInput in = training(GameEnd::no_moves, WHITE);
    auto r = game_end_report(in);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->outcome, Outcome::black_won);
    EXPECT_EQ(r->qui_gagne, "Désolé, Selvako a gagné");
    EXPECT_EQ(r->sound, EndSound::loss);
    EXPECT_FALSE(r->new_ratings);
    EXPECT_EQ(r->resultat_blanc, "");
    EXPECT_EQ(r->mode_match, MatchMode::none);

    in = training(GameEnd::no_moves, BLACK);
    r = game_end_report(in);
    EXPECT_EQ(r->outcome, Outcome::white_won);
    EXPECT_EQ(r->qui_gagne, "Bravo, vous avez gagné");
    EXPECT_EQ(r->sound, EndSound::win);
    in.end_sounds = false; // "Autres" unchecked
    EXPECT_EQ(game_end_report(in)->sound, EndSound::none);

    // The computer playing White won.
    in.couleur_ordinateur = 0;
    EXPECT_EQ(game_end_report(in)->qui_gagne, "Désolé, Selvako a gagné");
}

TEST(GameEnd, HumanAgainstHuman) {
    GameEndInput in = training(GameEnd::no_moves, BLACK);
    in.human_against_human = true;
    EXPECT_EQ(game_end_report(in)->qui_gagne, "Gain des blancs");
    in.loser = WHITE;
    const auto r = game_end_report(in);
    EXPECT_EQ(r->qui_gagne, "Gain des noirs");
    EXPECT_EQ(r->sound, EndSound::none);
}

TEST(GameEnd, KindsWithTheirOwnText) {
    for (GameEnd end : {GameEnd::draw_agreed, GameEnd::stagnation, GameEnd::record_full}) {
        auto draw = game_end_report(training(end));
        EXPECT_EQ(draw->end, end);
        EXPECT_EQ(draw->outcome, Outcome::draw);
        EXPECT_EQ(draw->qui_gagne, "Match nul !");
        EXPECT_EQ(draw->sound, EndSound::none);
    }

    GameEndInput in = rated_match(GameEnd::time, BLACK);
    in.couleur_ordinateur = 0; // the computer White wins on time
    auto r = game_end_report(in);
    EXPECT_EQ(r->outcome, Outcome::white_won);
    EXPECT_EQ(r->qui_gagne, "Temps dépassé, gain Selvako");
    EXPECT_EQ(r->sound, EndSound::loss);

    in.loser = WHITE; // now the computer's clock ran out
    r = game_end_report(in);
    EXPECT_EQ(r->outcome, Outcome::black_won);
    EXPECT_EQ(r->qui_gagne, "Temps dépassé, vous gagnez");
    EXPECT_EQ(r->sound, EndSound::win);
}

TEST(GameEnd, RatedMatchWinnerByName) {
    GameEndInput in = rated_match(GameEnd::no_moves, BLACK);
    const auto r = game_end_report(in);
    EXPECT_EQ(r->qui_gagne, "Mister X gagne");
    EXPECT_EQ(r->new_ratings, (Ratings{1643, 1957}));
    EXPECT_EQ(r->resultat_blanc, "Mister X passe de 1600 à 1643");
    EXPECT_EQ(r->resultat_noir, "Selvako passe de 2000 à 1957");
    EXPECT_EQ(r->mode_match, MatchMode::scored);
}

TEST(GameEnd, ResignationScoresAComputerWin) {
    const auto r = game_end_report(rated_match(GameEnd::resignation, WHITE));
    EXPECT_EQ(r->outcome, Outcome::black_won);
    EXPECT_EQ(r->qui_gagne, "Vous abandonnez, gain Selvako");
    EXPECT_EQ(r->sound, EndSound::loss);
    EXPECT_EQ(r->new_ratings, (Ratings{1588, 2012}));
    EXPECT_EQ(r->resultat_noir, "Selvako passe de 2000 à 2012");
}

TEST(GameEnd, AMatchIsScoredOnce) {
    GameEndInput in = rated_match(GameEnd::draw_agreed);
    in.mode_match = MatchMode::scored;
    EXPECT_FALSE(game_end_report(in));
}

TEST(GameEnd, SoundFiles) {
    EXPECT_EQ(end_sound_file(EndSound::win), "gagne.wav");
    EXPECT_EQ(end_sound_file(EndSound::loss), "Perdu.wav");
    EXPECT_EQ(end_sound_file(EndSound::none), "");
}

TEST(Stagnation, SameMaterialSixtyPliesApartFromPly251) {
    std::array<std::int32_t, 255> material{};
    material.fill(6);
    EXPECT_FALSE(stagnation_draw(250, material, 0));
    EXPECT_TRUE(stagnation_draw(251, material, 0));
    EXPECT_TRUE(stagnation_draw(254, material, -19999));
    EXPECT_FALSE(stagnation_draw(254, material, 20000));
    EXPECT_FALSE(stagnation_draw(254, material, -20000));
    material[254] = 5; // a capture on the last ply
    EXPECT_FALSE(stagnation_draw(254, material, 0));
    EXPECT_TRUE(stagnation_draw(253, material, 0));
    // A record shorter than the ply is not read past its end.
    EXPECT_FALSE(stagnation_draw(251, std::span<const std::int32_t>(material).first(200), 0));
}

} // namespace
} // namespace selvako
