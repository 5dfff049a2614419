// Game control in the window: the game loop, the human's clicks, the end of
// the game, draws, resignation and the commands that start or hand over a game.

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include "app/selvako/main_window.h"
#include "engine/move_generation.h"
#include "game/draw_offer.h"
#include "ui/board/board_geometry.h"
#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr Traductions ENTRAINEMENT = {"Entraînement", "Training",      "Training",
                                      "Treino",       "Entrenamiento", "Allenamento"};
constexpr Traductions RELEVE_PLEIN = {
    "Le relevé de la partie est plein : la partie s'arrête nulle au 254e demi-coup."};
constexpr Traductions IMPOSSIBLE = {"Impossible d'ouvrir ce fichier"};
constexpr const char* NOM_ORDINATEUR = "Selvako";
constexpr const char* NOM_JOUEUR = "Mister X";

QString from_std(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Writes a rating into its line of "points.dat", the other lines kept. A file
// shorter than the line is padded with the rating of a new player.
bool write_rating(const QString& path, std::int32_t index, std::int32_t rating) {
    QStringList lines;
    QFile in(path);
    if (in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream text(&in);
        while (!text.atEnd()) lines << text.readLine();
    }
    while (lines.size() <= index) lines << QStringLiteral("1500");
    lines[index] = QString::number(rating);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QTextStream text(&out);
    for (const QString& line : lines) text << line << '\n';
    text.flush();
    return out.commit();
}

} // namespace

void MainWindow::nouveau() {
    if (differer([this] { nouveau(); })) return;
    // A training game with the computer playing Black, until the new-game
    // panel offers its choices.
    GameState& g = m_state.game;
    g.arret_demande = 1;
    g.dernier_resultat = Outcome::none;
    remplir();
    Horlogeszro1Click();
    g.adversaire_ordinateur = 1;
    g.mode_match = 0;
    m_arret_clic->setChecked(true);
    m_hvh->setChecked(false);
    m_cvc->setChecked(false);
    g.couleur_ordinateur = BLACK;
    g.nom_noir = make_name(NOM_ORDINATEUR);
    g.nom_blanc = make_name(NOM_JOUEUR);
    noter_coup(g, m_state.engine);
    refresh();
    m_loop.schedule();
}

void MainWindow::Ordinateur() {
    if (differer([this] { Ordinateur(); })) return;
    GameState& g = m_state.game;
    g.adversaire_ordinateur ^= 1;
    m_hvh->setChecked(g.adversaire_ordinateur == 0);
    m_loop.schedule();
}

void MainWindow::Ordinateurcontreordinateur1Click() {
    // Both sides are the computer's: nobody is left to play by hand.
    if (m_hvh->isChecked()) {
        m_hvh->setChecked(false);
        m_state.game.adversaire_ordinateur = 1;
    }
    m_loop.schedule();
}

void MainWindow::inverser_joueurs() {
    if (differer([this] { inverser_joueurs(); })) return;
    GameState& g = m_state.game;
    g.mode_match = 0;
    g.couleur_ordinateur ^= 1;
    m_state.engine.board = g.damier_affiche;
    g.ordinateur_au_trait = 1;
    m_loop.schedule();
}

void MainWindow::apply_mode_menus() {
    const GameState& g = m_state.game;
    const bool match = g.mode_match == 1;
    for (QMenu* menu : {m_fichier, m_joueurs}) menu->menuAction()->setEnabled(!match);
    for (QAction* item : {m_reflexion, m_horloges, m_pause1, m_arret_clic})
        item->setEnabled(!match);
    for (QAction* item : m_edition->actions()) item->setEnabled(!match);
    for (QToolButton* b : m_navigation) b->setEnabled(!match);
    m_niveau->menuAction()->setEnabled(!(match && g.num_demi_coup > 10));
    m_proposernul->setEnabled(true);
    m_abandon1->setVisible(match);
}

void MainWindow::set_game_commands_enabled(bool enabled) {
    const bool match = m_state.game.mode_match == 1;
    for (QAction* item : {m_nouveau, m_hvh, m_sauver, m_ouvrir, m_quitter})
        item->setEnabled(enabled);
    // In computer-against-computer play the Fichier menu stays open so that
    // the option can be unchecked while the computer thinks.
    if (!m_cvc->isChecked() && (!enabled || !match)) m_fichier->menuAction()->setEnabled(enabled);
    m_edition->menuAction()->setEnabled(enabled);
    for (QToolButton* b : m_navigation) b->setEnabled(enabled);
    m_joueurs->menuAction()->setEnabled(enabled && !match);
    m_proposernul->setEnabled(enabled);
}

void MainWindow::boucle_jeu() {
    GameState& g = m_state.game;
    if (g.fin_programme) return;
    if (g.coup_demande) g.ordinateur_au_trait = 1;
    if (g.ordinateur_au_trait) m_state.input.capture_notice = false;
    if (m_cvc->isChecked()) g.ordinateur_au_trait = 1;

    if (g.mode_match != 0)
        m_panel11->setText(caption("Match1", langue_cochee()));
    else if (!m_hvh->isChecked())
        m_panel11->setText(texte(ENTRAINEMENT, langue_cochee()));
    else
        m_panel11->setText(caption("Humain", langue_cochee()));
    apply_mode_menus();

    if (!g.mode_edition) {
        const bool computer_to_move =
            (g.ordinateur_au_trait && !m_hvh->isChecked()) || g.coup_demande;
        if (computer_to_move) {
            // A move still being shown is played already: the next waits for
            // the end of the animation, which asks for a pass.
            if (!m_board->animating()) {
                m_state.engine.board = g.damier_affiche;
                m_computer.reflexion = false;
                coup_ordinateur();
                if (!m_board->animating()) m_loop.schedule();
            }
        } else {
            g.arret_demande = 0;
            if (m_hvh->isChecked()) g.damier_affiche = m_state.engine.board;
            PonderingInput p;
            p.option_checked = m_reflexion->isChecked();
            p.editor_active = g.mode_edition != 0;
            p.sans_reflexion = g.sans_reflexion;
            p.already_this_turn = m_computer.reflexion_ce_tour;
            // Not while a click waits or a move is shown, nor once the game has ended.
            if (may_ponder(p) && !g.clic_en_attente.waiting && !m_board->animating() &&
                !m_fin_de_parties->isVisible())
                reflechir();
        }
    }
    g.coup_demande = 0;
    if (g.clic_en_attente.waiting) {
        g.clic_en_attente.waiting = false;
        clic1(g.clic_en_attente.x, g.clic_en_attente.y);
    }
    refresh();
    // The computer answers in a pass of its own; a move still shown asks for
    // that pass when it ends.
    const bool computer_next = (g.ordinateur_au_trait || m_cvc->isChecked()) && !m_hvh->isChecked();
    if (computer_next && !m_board->animating()) m_loop.schedule();
}

void MainWindow::clic(int x, int y) {
    // While a capture is shown step by step the board takes no new move.
    if (!m_startup_done || m_board->animating()) return;
    GameState& g = m_state.game;
    // While the computer thinks on its own move a click stops it only when
    // the option allows, and never in a rated match.
    if (m_recherche_en_cours && !m_computer.reflexion &&
        (g.mode_match == 1 || !m_arret_clic->isChecked()))
        return;
    g.clic_en_attente = {true, x, y};
    g.arret_demande = 1;
    m_loop.schedule();
}

void MainWindow::clic1(int x, int y) {
    GameState& g = m_state.game;
    m_nulrefus->hide();
    if (m_state.input.piece_prise == 0) compter_pions();
    if (g.ordinateur_au_trait && !m_hvh->isChecked() && !g.mode_edition) return;
    const Square s = square_from_click(x, y, m_state.display.damier_inverse);
    if (s == 0) return;
    if (!m_hvh->isChecked()) m_state.engine.board = g.damier_affiche;
    g.arret_demande = 1;
    // A click on the board starts paused clocks again.
    if (m_clocks.resume()) m_pause2->setChecked(false);
    const InputResult result = clic_case(m_state.input, g, m_state.engine, s);
    if (result.outcome == InputOutcome::move_played) after_move(result);
}

void MainWindow::after_move(const InputResult& result) {
    GameState& g = m_state.game;
    // The notice speaks of the position in which it was shown.
    m_state.input.capture_notice = false;
    const Move& move = result.played.move;
    if (move.taken > 1 && m_decomposer->isChecked()) {
        std::vector<Square> landings(result.played.landings.begin(),
                                     result.played.landings.begin() + move.taken);
        m_board->animate_capture(result.before, move.from, landings);
    }
    // The mover's clock takes what it ran to; the record of the ply keeps it.
    const int mover = g.trait ^ 1;
    m_clocks.ajouter_temps(mover, false);
    m_clocks.fix_running(mover);
    m_clocks.start_turn(g.trait);
    clocks_to_game();
    noter_coup(g, m_state.engine);
    show_clocks();
    m_computer.reflexion_ce_tour = false;
    compter_pions();
    const GameEnd end = fin_entre_humains(g, m_state.engine);
    // Against the computer too: a computer left without a move has lost
    // now, before its search is asked for a move it does not have.
    if (g.adversaire_ordinateur && end == GameEnd::none) {
        g.ordinateur_au_trait = 1;
        return;
    }
    switch (end) {
    case GameEnd::white_wins:
    case GameEnd::black_wins:
        fin_partie(GameEndKind::no_move_after_human_move);
        break;
    case GameEnd::record_full:
        fin_releve_plein();
        break;
    case GameEnd::none:
        break;
    }
}

void MainWindow::fin_partie(GameEndKind kind) {
    GameState& g = m_state.game;
    GameEndInput in;
    in.kind = kind;
    if (kind == GameEndKind::no_move_after_human_move ||
        kind == GameEndKind::no_move_after_computer_move) {
        in.white_can_move = generate_root_moves(m_state.engine, WHITE) > 0;
        in.black_can_move = generate_root_moves(m_state.engine, BLACK) > 0;
    }
    in.mode_match = g.mode_match;
    in.human_against_human = m_hvh->isChecked();
    in.couleur_ordinateur = g.couleur_ordinateur;
    const std::string blanc = name_text(g.nom_blanc);
    const std::string noir = name_text(g.nom_noir);
    in.nom_blanc = blanc;
    in.nom_noir = noir;
    in.end_sounds = m_autres->isChecked();
    in.ratings = g.match.classements;
    const auto report = game_end_report(in);
    if (!report) return;

    m_fin_de_parties->show_result(from_std(report->qui_gagne), from_std(report->resultat_blanc),
                                  from_std(report->resultat_noir));
    m_sound.play(end_sound_file(report->sound));
    g.mode_match = report->mode_match;
    if (report->new_ratings) {
        g.match.classements = *report->new_ratings;
        const QString points = user_path(QStringLiteral("points.dat"));
        const std::pair<std::int32_t, std::int32_t> written[] = {
            {g.match.index_blanc, report->new_ratings->blanc},
            {g.match.index_noir, report->new_ratings->noir}};
        for (const auto& [index, rating] : written)
            if (index >= 0 && !write_rating(points, index, rating))
                report_error(texte(IMPOSSIBLE, langue_cochee()));
    }
    set_game_commands_enabled(true);
    for (QMenu* menu : m_game_menus) menu->menuAction()->setEnabled(true);
    m_numeroter->setEnabled(true);
    m_arret_clic->setEnabled(true);
    m_cvc->setChecked(false);
    g.dernier_resultat = report->outcome;
    m_match_nul->hide();
    m_nulrefus->hide();
}

void MainWindow::fin_releve_plein() {
    fin_partie(GameEndKind::draw);
    m_fin_de_parties->show_result(m_fin_de_parties->result_text(), {}, {},
                                  texte(RELEVE_PLEIN, langue_cochee()));
}

void MainWindow::ProposernulClick() {
    GameState& g = m_state.game;
    const PieceCounts counts = count_pieces(g.damier_affiche);
    if (draw_offer_accepted(counts, m_computer.reflexion, m_computer.dernier_score)) {
        g.arret_demande = 1;
        fin_partie(GameEndKind::draw);
    } else {
        m_nulrefus->show();
    }
}

void MainWindow::AbandonClick() {
    GameState& g = m_state.game;
    g.arret_demande = 1;
    fin_partie(GameEndKind::resignation);
    g.mode_match = 0;
    m_loop.schedule();
}

void MainWindow::pause() {
    m_state.game.arret_demande = 1;
}

} // namespace selvako
