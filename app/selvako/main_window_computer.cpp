// The computer's moves and its thinking on the human's time. The search runs
// on this thread; every 5,000 nodes it lets the window process its events,
// during which handlers only raise flags, tick the clocks or redraw.

#include <QApplication>
#include <QCursor>

#include <algorithm>

#include "app/selvako/main_window.h"
#include "engine/move_generation.h"
#include "game/draw_offer.h"
#include "game/sound_files.h"

namespace selvako {

namespace {

constexpr std::uint32_t FRAME_CYAN = 0x00FFFF;
constexpr std::uint32_t FRAME_SILVER = 0xC0C0C0;

int pieces_of(const PieceCounts& c, int side) {
    return side == BLACK ? c[BLACK_MAN] + c[BLACK_KING] : c[WHITE_MAN] + c[WHITE_KING];
}

} // namespace

bool MainWindow::differer(const std::function<void()>& run) {
    if (!m_recherche_en_cours) return false;
    // The search has the engine's board in hand: it is stopped, its result
    // thrown away, and the command runs once it has returned.
    m_state.game.arret_demande = 1;
    m_state.game.navigation_historique = 1;
    m_commande_differee = run;
    return true;
}

int MainWindow::lancer_recherche(bool ponder) {
    GameState& g = m_state.game;
    Search& search = *m_search;
    GameContext& c = search.game;
    c.budget_recherche = g.settings.budget_recherche;
    c.temps_alloue = g.settings.temps_alloue;
    c.num_demi_coup = g.num_demi_coup;
    clocks_to_game();
    c.temps_blanc = g.temps_blanc;
    c.temps_noir = g.temps_noir;
    c.trait = g.trait;
    c.ponder = ponder ? 1 : 0;
    c.analysis = 0;
    c.repertoire_enabled = true;
    c.historique.clear();
    for (int ply = 1; ply <= g.num_demi_coup; ++ply)
        c.historique.push_back({g.historique[ply].from, g.historique[ply].to});

    g.arret_demande = 0;
    g.navigation_historique = 0;
    search.discard = 0;
    m_recherche_en_cours = true;
    const int chosen = search.choose_move();
    m_recherche_en_cours = false;
    m_computer.dernier_score = static_cast<std::int16_t>(search.previous_score);
    return chosen;
}

void MainWindow::poll_recherche() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const GameState& g = m_state.game;
    if (g.arret_demande) m_search->arret_demande = 1;
    if (g.navigation_historique) m_search->discard = 1;
}

void MainWindow::horloge_recherche(std::int32_t total) {
    const GameState& g = m_state.game;
    m_clocks.store_search_total(g.trait, total, m_computer.reflexion);
    if (m_computer.reflexion) return;
    const ClockLabels labels = clock_labels(total);
    (g.trait == BLACK ? m_panel6 : m_panel7)
        ->set_clock(QString::fromStdString(labels.minutes), QString::fromStdString(labels.seconds));
}

void MainWindow::reflechir() {
    GameState& g = m_state.game;
    m_computer.reflexion = true;
    m_computer.reflexion_ce_tour = true;
    if (!m_hvh->isChecked()) m_state.engine.board = g.damier_affiche;
    g.damier_affiche[0] = SENTINEL;
    lancer_recherche(true);
    run_deferred();
    m_loop.schedule();
}

bool MainWindow::run_deferred() {
    if (!m_commande_differee) return false;
    const std::function<void()> run = std::move(m_commande_differee);
    m_commande_differee = nullptr;
    run();
    return true;
}

void MainWindow::coup_ordinateur() {
    GameState& g = m_state.game;
    EngineState& e = m_state.engine;
    SquareFrames& frames = m_state.input.frames;

    if (g.dernier_coup[0] != 0 && g.dernier_coup[1] != 0) {
        frames[g.dernier_coup[0]] = FRAME_NONE;
        frames[g.dernier_coup[1]] = FRAME_NONE;
    }
    m_computer.reflexion = false;
    compter_pions();
    controle_temps();
    g.ordinateur_au_trait = 1;

    set_game_commands_enabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    g.couleur_ordinateur = g.trait;

    int chosen = lancer_recherche(false);
    set_game_commands_enabled(true);
    QApplication::restoreOverrideCursor();
    if (g.fin_programme) return;
    // A command that changes the game (a double click on the move list) threw
    // the search's result away: it runs instead of the move.
    if (run_deferred()) return;
    if (chosen == NO_MOVE) {
        // The side to move has no move: the game is over already.
        g.ordinateur_au_trait = 0;
        fin_partie(GameEndKind::no_move_after_human_move);
        return;
    }
    const bool searched = chosen != SINGLE_MOVE;
    if (!searched) chosen = 0;

    const PieceCounts counts = count_pieces(e.board);
    const int legal = e.move_count[1];
    if (handicap_debutant(g.settings.niveau, pieces_of(counts, g.trait),
                          pieces_of(counts, g.trait ^ 1), legal, searched)) {
        chosen = 1;
        m_zut->show();
    } else {
        m_zut->hide();
    }

    ComputerDrawOfferInput offer;
    offer.counts = counts;
    offer.num_demi_coup = g.num_demi_coup;
    offer.captures_of_ply = [&g](int ply) { return g.historique[ply].taken; };
    offer.last_score = m_computer.dernier_score;
    if (computer_offers_draw(offer))
        show_centred(m_match_nul);
    else
        m_match_nul->hide();

    m_computer.coup_choisi = chosen;
    const Move move = e.list(1)[chosen];
    std::vector<Square> walk;
    if (move.taken > 1 && m_decomposer->isChecked()) {
        std::array<Square, MAX_CAPTURED> landings{};
        const int n = find_capture_path(e, move.from, move.captured, move.taken, landings.data());
        walk.assign(landings.begin(), landings.begin() + n);
    }
    const BoardArray before = e.board;

    controle_temps();
    clocks_to_game();
    jouer_coup(g, e, move);
    if (m_config.animations) m_board->animate_computer_move(before, move.from, walk);
    frames[move.to] = FRAME_CYAN;
    frames[move.from] = FRAME_SILVER;
    m_clocks.start_turn(g.trait);
    g.ordinateur_au_trait = 0;

    compter_pions();
    g.sans_reflexion = 0;
    m_computer.reflexion_ce_tour = false;
    const int replies = generate_root_moves(e, g.trait);
    g.nb_coups_legaux = static_cast<std::uint8_t>(std::min(replies, 255));
    if (e.greatest_taken > 2) g.sans_reflexion = 1;
    g.damier_affiche = e.board;
    m_computer.materiel_par_coup[g.num_demi_coup] = total_pieces(count_pieces(e.board));
    if (replies == 0)
        fin_partie(GameEndKind::no_move_after_computer_move);
    else if (g.num_demi_coup >= LAST_PLY)
        fin_releve_plein();

    if (m_bip->isChecked()) m_sound.play(MOVE_SOUND_FILE);
    if (m_cvc->isChecked() &&
        stagnation_draw(g.num_demi_coup, m_computer.materiel_par_coup, m_computer.dernier_score))
        fin_partie(GameEndKind::draw);
    show_clocks();
}

} // namespace selvako
