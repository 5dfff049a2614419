// The player list ("joueurs.dat" and "points.dat") and the names of the game
// on show.

#include "game/game_controller.h"
#include "game/new_game.h"

namespace selvako {

void GameController::changer_noms(const command::ChangeNames& names) {
    // The names of a rated match are the players whose ratings it changes.
    if (m_game.mode_match == MatchMode::playing) return;
    if (!valid_player_name(names.blanc) || !valid_player_name(names.noir)) return;
    GameState& g = m_game;
    g.nom_blanc = make_name(names.blanc);
    g.nom_noir = make_name(names.noir);
    g.historique[g.num_demi_coup].nom_blanc = g.nom_blanc;
    g.historique[g.num_demi_coup].nom_noir = g.nom_noir;
    changed();
}

bool GameController::charger_joueurs() {
    const PlayerFiles files{m_folders.joueurs, m_folders.points};
    PlayerFilesRead read = read_players(files);
    if (!read.list) {
        if (read.refusal)
            m_observer.refused(*read.refusal);
        else
            m_observer.error(GameError::file);
        return false;
    }
    m_players = std::move(*read.list);
    if (read.notes.created) ecrire_joueurs();
    if (read.notes.any() && !m_player_faults_reported) {
        m_player_faults_reported = true;
        m_observer.error(GameError::player_files);
    }
    return true;
}

bool GameController::ecrire_joueurs() {
    if (write_players({m_folders.joueurs, m_folders.points}, m_players)) return true;
    m_observer.error(GameError::file);
    return false;
}

void GameController::nouveau_joueur(const command::NewPlayer& player) {
    // Read again so that a pair that disagrees is mended before the new line
    // goes at the end of both.
    if (!charger_joueurs()) return;
    if (!new_player_valid(m_players, player.name)) return;
    const PlayerList before = m_players;
    m_players.players.push_back({player.name, player.rating});
    if (!ecrire_joueurs()) m_players = before;
    changed();
}

void GameController::effacer_joueur(std::int32_t index) {
    if (!charger_joueurs()) return;
    // Line 0 is the computer, which cannot be deleted.
    if (index <= 0 || index >= static_cast<std::int32_t>(m_players.players.size())) return;
    const PlayerList before = m_players;
    m_players.players.erase(m_players.players.begin() + index);
    if (!ecrire_joueurs()) m_players = before;
    changed();
}

void GameController::ecrire_classements(const Ratings& ratings) {
    const GameState& g = m_game;
    // The files as they are now take the two new ratings; the other lines keep theirs.
    if (!charger_joueurs()) return;
    const std::pair<std::int32_t, std::int32_t> lines[] = {{g.match.index_blanc, ratings.blanc},
                                                           {g.match.index_noir, ratings.noir}};
    const std::string names[] = {name_text(g.nom_blanc), name_text(g.nom_noir)};
    for (int side = 0; side < 2; ++side) {
        const auto [index, rating] = lines[side];
        if (index < 0 || index >= static_cast<std::int32_t>(m_players.players.size())) continue;
        Player& p = m_players.players[static_cast<std::size_t>(index)];
        // A line that now names someone else keeps its rating.
        if (index != 0 && p.nom != names[side]) continue;
        p.points = rating;
    }
    ecrire_joueurs();
}

} // namespace selvako
