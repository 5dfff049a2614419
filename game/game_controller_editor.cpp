// The position set-up editor's commands on the game controller.

#include "engine/fen.h"
#include "eval/evaluate.h"
#include "game/game_controller.h"
#include "game/game_record.h"
#include "search/engine_tables.h"

namespace selvako {

void GameController::set_up_mode(bool on) {
    GameState& g = m_game;
    drop_input();
    g.clic_en_attente = {};
    m_editor.refusal = EditorRefusal::none;
    // A rated match is played from the start position to its end.
    if (on && match_in_progress()) on = false;
    if (on == (g.mode_edition != 0)) {
        changed();
        return;
    }
    g.coup_demande = 0;
    evaluer_position();
    if (on) {
        g.mode_edition = 1;
        g.ordinateur_au_trait = 0;
        // A set-up position is no game from the start: the repertoires would
        // propose their first moves in it.
        m_options.repertoire = false;
        m_editor.computer_moves_first = false;
        new_position_shown();
        m_computer.reflexion = false;
        changed();
        return;
    }
    g.mode_edition = 0;
    g.sans_reflexion = 1;
    // A position set up with no move for the side to move is over at once.
    m_notices.game_over = position_over();
    if (m_editor.computer_moves_first) {
        m_editor.computer_moves_first = false;
        g.couleur_ordinateur = g.trait();
        m_options.humain_contre_humain = false;
        g.coup_demande = 1;
    }
    changed();
    m_observer.pass_wanted();
}

void GameController::installer_position() {
    GameState& g = m_game;
    g.mode_match = MatchMode::none;
    g.ordinateur_au_trait = 0;
    new_position_shown();
    nouveau_releve(g, m_clocks);
    g.sans_reflexion = 1;
    m_computer.reflexion_ce_tour = false;
    m_editor.refusal = EditorRefusal::none;
    evaluer_position();
    changed();
}

void GameController::evaluer_position() {
    // Only between searches: the evaluation's running terms are the search's own.
    if (m_searching) return;
    m_work.set_position(m_game.damier_affiche);
    for (const int side : {WHITE, BLACK})
        m_editor.evaluation[side] = evaluate_for_display(m_engine.tables().eval, m_work, side) / 2;
}

void GameController::refuse(EditorRefusal why) {
    m_editor.refusal = why;
    changed();
}

void GameController::placer_piece(Square s) {
    const EditorRefusal why = placement_refusal(m_game.damier_affiche, s, m_editor.piece);
    if (why != EditorRefusal::none) {
        refuse(why);
        return;
    }
    m_game.damier_affiche[s] = m_editor.piece;
    installer_position();
}

void GameController::vider() {
    if (!m_game.mode_edition) return;
    for (Square s = 1; s <= NUM_SQUARES; ++s) m_game.damier_affiche[s] = EMPTY;
    installer_position();
}

void GameController::remplir_editeur() {
    if (!m_game.mode_edition) return;
    remplir();
    // White moves first from the start position, whoever plays White.
    m_editor.computer_moves_first = m_game.couleur_ordinateur == WHITE;
    installer_position();
}

void GameController::change_direction() {
    if (!m_game.mode_edition) return;
    BoardArray mirrored = m_game.damier_affiche;
    mirror_board(mirrored);
    // Men that stood on their own back row would stand on their promotion row.
    const EditorRefusal why = position_refusal(mirrored);
    if (why != EditorRefusal::none) {
        refuse(why);
        return;
    }
    m_game.damier_affiche = mirrored;
    installer_position();
}

namespace {

// The side to move follows from the computer's colour and who moves first,
// so the two buttons can be pressed in any order without contradicting each other.
std::uint8_t side_to_move(std::uint8_t couleur_ordinateur, bool computer_first) {
    return static_cast<std::uint8_t>(computer_first ? couleur_ordinateur : couleur_ordinateur ^ 1);
}

} // namespace

void GameController::change_computer_colour() {
    if (!m_game.mode_edition) return;
    m_game.couleur_ordinateur ^= 1;
    m_game.set_trait(side_to_move(m_game.couleur_ordinateur, m_editor.computer_moves_first));
    installer_position();
}

void GameController::change_first_mover() {
    if (!m_game.mode_edition) return;
    m_editor.computer_moves_first = !m_editor.computer_moves_first;
    m_game.set_trait(side_to_move(m_game.couleur_ordinateur, m_editor.computer_moves_first));
    installer_position();
}

void GameController::coller_fen(const std::string& text) {
    if (!m_game.mode_edition) return;
    const FenResult parsed = parse_fen(text);
    if (!parsed.position) {
        m_editor.fen_fault = parsed.fault;
        m_editor.fen_where = parsed.where;
        refuse(EditorRefusal::bad_fen);
        return;
    }
    const EditorRefusal why = position_refusal(parsed.position->board);
    if (why != EditorRefusal::none) {
        refuse(why);
        return;
    }
    m_game.damier_affiche = parsed.position->board;
    m_game.damier_affiche[0] = SENTINEL;
    m_game.set_trait(static_cast<std::uint8_t>(parsed.position->side_to_move));
    m_editor.computer_moves_first = m_game.trait() == m_game.couleur_ordinateur;
    installer_position();
}

} // namespace selvako
