#include "game/game_end.h"

#include "game/end_texts.h"
#include "game/sound_files.h"

namespace selvako {

namespace {

constexpr int FIRST_STAGNATION_PLY = 251;
constexpr int STAGNATION_SPAN = 60;
constexpr std::int16_t LAST_UNDECIDED_SCORE = 19999;

Outcome colour_wins(std::uint8_t colour) {
    return colour == 1 ? Outcome::black_won : Outcome::white_won;
}

Outcome outcome_of(const GameEndInput& in) {
    const std::uint8_t human = in.couleur_ordinateur == 1 ? 0 : 1;
    switch (in.kind) {
    case GameEndKind::no_move_after_human_move:
    case GameEndKind::no_move_after_computer_move:
        if (!in.white_can_move) return Outcome::black_won;
        if (!in.black_can_move) return Outcome::white_won;
        // Both sides can move: nothing has ended.
        return Outcome::none;
    case GameEndKind::draw:
        return Outcome::draw;
    case GameEndKind::human_over_time:
    case GameEndKind::resignation:
        return colour_wins(in.couleur_ordinateur);
    case GameEndKind::computer_over_time:
        return colour_wins(human);
    }
    return Outcome::none;
}

struct Announcement {
    std::string text;
    EndSound sound = EndSound::none;
};

Announcement announce(const GameEndInput& in, Outcome outcome) {
    const std::uint8_t l = in.langue;
    switch (in.kind) {
    case GameEndKind::draw:
        return {std::string(end_text(MATCH_NUL, l)), EndSound::none};
    case GameEndKind::human_over_time:
        return {std::string(end_text(TEMPS_DEPASSE_SELVAKO, l)), EndSound::loss};
    case GameEndKind::computer_over_time:
        return {std::string(end_text(TEMPS_DEPASSE_VOUS, l)), EndSound::win};
    case GameEndKind::resignation:
        return {std::string(end_text(ABANDON, l)), EndSound::loss};
    case GameEndKind::no_move_after_human_move:
    case GameEndKind::no_move_after_computer_move:
        break;
    }
    if (outcome != Outcome::white_won && outcome != Outcome::black_won) return {};
    const bool white_won = outcome == Outcome::white_won;
    if (in.mode_match == MatchMode::playing)
        return {std::string(white_won ? in.nom_blanc : in.nom_noir) +
                    std::string(end_text(GAGNE, l)),
                EndSound::none};
    if (in.human_against_human)
        return {std::string(end_text(white_won ? GAIN_BLANCS : GAIN_NOIRS, l)), EndSound::none};
    const bool computer_won = (in.couleur_ordinateur == 1) != white_won;
    if (computer_won) return {std::string(end_text(SELVAKO_GAGNE, l)), EndSound::loss};
    return {std::string(end_text(VOUS_GAGNEZ, l)), EndSound::win};
}

} // namespace

std::string_view end_sound_file(EndSound sound) {
    switch (sound) {
    case EndSound::win:
        return WIN_SOUND_FILE;
    case EndSound::loss:
        return LOSS_SOUND_FILE;
    case EndSound::none:
        break;
    }
    return {};
}

std::optional<GameEndReport> game_end_report(const GameEndInput& input) {
    if (input.mode_match == MatchMode::scored) return std::nullopt;
    GameEndReport report;
    report.outcome = outcome_of(input);
    Announcement a = announce(input, report.outcome);
    report.qui_gagne = std::move(a.text);
    report.sound = input.end_sounds ? a.sound : EndSound::none;
    report.mode_match = input.mode_match;
    if (input.mode_match == MatchMode::playing && report.outcome != Outcome::none) {
        const Ratings after = new_ratings(input.ratings, report.outcome);
        report.new_ratings = after;
        report.resultat_blanc =
            rating_change_line(input.nom_blanc, input.ratings.blanc, after.blanc, input.langue);
        report.resultat_noir =
            rating_change_line(input.nom_noir, input.ratings.noir, after.noir, input.langue);
        report.mode_match = MatchMode::scored;
    }
    return report;
}

bool stagnation_draw(std::uint8_t num_demi_coup, std::span<const std::int32_t> material_by_ply,
                     std::int16_t last_score) {
    const int ply = num_demi_coup;
    if (ply < FIRST_STAGNATION_PLY || static_cast<std::size_t>(ply) >= material_by_ply.size())
        return false;
    if (last_score < -LAST_UNDECIDED_SCORE || last_score > LAST_UNDECIDED_SCORE) return false;
    return material_by_ply[ply] == material_by_ply[ply - STAGNATION_SPAN];
}

} // namespace selvako
