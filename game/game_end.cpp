#include "game/game_end.h"

#include "game/end_texts.h"
#include "game/sound_files.h"

namespace selvako {

namespace {

struct Announcement {
    std::string text;
    EndSound sound = EndSound::none;
};

Announcement announce(const GameEndInput& in, Outcome outcome) {
    const std::uint8_t l = in.langue;
    if (outcome == Outcome::draw) return {std::string(end_text(MATCH_NUL, l)), EndSound::none};
    if (outcome != Outcome::white_won && outcome != Outcome::black_won) return {};
    const bool white_won = outcome == Outcome::white_won;
    const bool computer_won = (in.couleur_ordinateur == 1) != white_won;
    if (in.end == GameEnd::time && computer_won)
        return {std::string(end_text(TEMPS_DEPASSE_SELVAKO, l)), EndSound::loss};
    if (in.end == GameEnd::time) return {std::string(end_text(TEMPS_DEPASSE_VOUS, l)), EndSound::win};
    if (in.end == GameEnd::resignation)
        return {std::string(end_text(ABANDON, l)), EndSound::loss};
    if (in.mode_match == MatchMode::playing)
        return {std::string(white_won ? in.nom_blanc : in.nom_noir) +
                    std::string(end_text(GAGNE, l)),
                EndSound::none};
    if (in.human_against_human)
        return {std::string(end_text(white_won ? GAIN_BLANCS : GAIN_NOIRS, l)), EndSound::none};
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
    report.end = input.end;
    report.outcome = game_end_outcome(input.end, input.loser);
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

} // namespace selvako
