// The start-up sequence and the games the new-game panel starts: training,
// a rated match, two humans.

#include "game/game_controller.h"
#include "game/game_record.h"
#include "game/new_game.h"

namespace selvako {

namespace {

constexpr const char* NOM_ORDINATEUR = "Selvako";
constexpr const char* NOM_JOUEUR = "Mister X";
constexpr const char* NOM_INCONNU = "Inconnu";

} // namespace

void GameController::Introduction() {
    m_game.dernier_resultat = Outcome::none;
    m_game.fin_programme = 0;
    remplir();
    reset_clocks();
    choisir_niveau(LEVEL_ITEMS[5].parameters);
    m_game.ordinateur_au_trait = 0;
    m_game.couleur_ordinateur = BLACK;
    m_game.nom_noir = make_name(NOM_ORDINATEUR);
    m_game.nom_blanc = make_name(NOM_INCONNU);
    noter_coup(m_game, m_clocks);
    m_game.mode_edition = 0;
    m_computer.reflexion = false;
    m_game.clic_en_attente = {};
    changed();
    m_observer.pass_wanted();
}

void GameController::nouveau() {
    // A training game with the computer playing Black, until the new-game
    // panel offers its choices.
    m_game.dernier_resultat = Outcome::none;
    remplir();
    reset_clocks();
    m_game.mode_match = MatchMode::none;
    m_options.arret_par_clic = true;
    m_options.humain_contre_humain = false;
    m_options.ordinateur_contre_ordinateur = false;
    m_game.couleur_ordinateur = BLACK;
    m_game.nom_noir = make_name(NOM_ORDINATEUR);
    m_game.nom_blanc = make_name(NOM_JOUEUR);
    noter_coup(m_game, m_clocks);
    changed();
    m_observer.pass_wanted();
}

void GameController::commencer_match(const command::StartMatch& asked) {
    command::StartMatch match = asked;
    if (match.from_list) {
        // The list the panel showed, with the computer's rating as "Ramener
        // Selvako à 2050" may have left it.
        if (m_players.players.empty() && !charger_joueurs()) return;
        const auto start = match_start(m_players, match.name);
        if (!start) return;
        if (start->computer_against_computer) {
            // Both players are the computer: an unrated game against itself.
            commencer_entrainement({match.name, match.couleur_ordinateur});
            return;
        }
        match.index = start->index;
        match.rating = start->rating;
        match.computer_rating = start->computer_rating;
    }
    // The human's new rating must never land on the computer's line.
    if (match.index == 0 || !valid_player_name(match.name)) return;
    m_game.dernier_resultat = Outcome::none;
    remplir();
    reset_clocks();
    GameState& g = m_game;
    m_options.humain_contre_humain = false;
    m_options.ordinateur_contre_ordinateur = false;
    // A click does not stop the computer's thinking in a match.
    m_options.arret_par_clic = false;
    g.mode_match = MatchMode::playing;
    g.couleur_ordinateur = match.couleur_ordinateur;
    MatchPlayers& players = g.match;
    if (match.couleur_ordinateur == BLACK) {
        g.nom_noir = make_name(NOM_ORDINATEUR);
        g.nom_blanc = make_name(match.name);
        players.index_noir = 0;
        players.index_blanc = match.index;
        players.classements = {match.rating, match.computer_rating};
    } else {
        g.nom_blanc = make_name(NOM_ORDINATEUR);
        g.nom_noir = make_name(match.name);
        players.index_blanc = 0;
        players.index_noir = match.index;
        players.classements = {match.computer_rating, match.rating};
    }
    noter_coup(g, m_clocks);
    // The computer opens when it plays White.
    if (match.couleur_ordinateur == WHITE) g.ordinateur_au_trait = 1;
    changed();
    m_observer.pass_wanted();
}

void GameController::commencer_entrainement(const command::StartTraining& training) {
    if (!valid_player_name(training.name)) return;
    GameState& g = m_game;
    g.dernier_resultat = Outcome::none;
    remplir();
    reset_clocks();
    g.mode_match = MatchMode::none;
    m_options.arret_par_clic = true;
    m_options.humain_contre_humain = false;
    m_options.ordinateur_contre_ordinateur = false;
    g.couleur_ordinateur = BLACK;
    g.nom_noir = make_name(NOM_ORDINATEUR);
    g.nom_blanc = make_name(training.name);
    if (training.couleur_ordinateur == WHITE) {
        std::swap(g.nom_blanc, g.nom_noir);
        g.couleur_ordinateur = WHITE;
        g.ordinateur_au_trait = 1;
    }
    if (name_text(g.nom_blanc) == NOM_ORDINATEUR && name_text(g.nom_noir) == NOM_ORDINATEUR)
        m_options.ordinateur_contre_ordinateur = true;
    noter_coup(g, m_clocks);
    changed();
    m_observer.pass_wanted();
}

void GameController::commencer_humains(const command::StartHumanGame& humans) {
    if (!human_game_names_valid(m_players, humans.blanc, humans.noir)) return;
    GameState& g = m_game;
    g.dernier_resultat = Outcome::none;
    m_options.humain_contre_humain = true;
    m_options.ordinateur_contre_ordinateur = false;
    m_options.arret_par_clic = true;
    g.mode_match = MatchMode::none;
    remplir();
    reset_clocks();
    g.nom_blanc = make_name(humans.blanc);
    g.nom_noir = make_name(humans.noir);
    noter_coup(g, m_clocks);
    changed();
    m_observer.pass_wanted();
}

} // namespace selvako
