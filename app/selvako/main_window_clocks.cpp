// The clocks and the levels: the one-second timer, "Horloges à zéro",
// "Pause", the Niveau menu and the time-out test of a rated match.

#include "app/selvako/main_window.h"

namespace selvako {

void MainWindow::ajouter_temps() {
    const GameState& g = m_state.game;
    const bool computer_to_move = g.ordinateur_au_trait != 0 && !m_hvh->isChecked();
    const auto running = m_clocks.ajouter_temps(g.trait, computer_to_move);
    if (!running) return;
    const ClockLabels labels = clock_labels(*running);
    SidePanel* panel = g.trait == BLACK ? m_panel6 : m_panel7;
    panel->set_clock(QString::fromStdString(labels.minutes),
                     QString::fromStdString(labels.seconds));
}

void MainWindow::show_clocks() {
    for (const int side : {WHITE, BLACK}) {
        const ClockLabels labels = clock_labels(m_clocks.temps(side));
        SidePanel* panel = side == BLACK ? m_panel6 : m_panel7;
        panel->set_clock(QString::fromStdString(labels.minutes),
                         QString::fromStdString(labels.seconds));
    }
}

void MainWindow::clocks_to_game() {
    m_state.game.temps_blanc = m_clocks.temps_blanc();
    m_state.game.temps_noir = m_clocks.temps_noir();
}

void MainWindow::game_to_clocks() {
    m_clocks.restore(m_state.game.temps_blanc, m_state.game.temps_noir);
    show_clocks();
}

void MainWindow::Horlogeszro1Click() {
    m_clocks.reset();
    clocks_to_game();
    m_state.game.mode_match = 0;
    show_clocks();
}

void MainWindow::Pause2Click() {
    m_pause2->setChecked(m_clocks.toggle_pause());
}

void MainWindow::choisir_niveau(const LevelParameters& level) {
    PersistentSettings& s = m_state.game.settings;
    s.budget_recherche = level.budget_recherche;
    s.temps_alloue = level.temps_alloue;
    s.niveau = level.niveau;
    m_panel9->set_minutes(level.minutes);
}

void MainWindow::N8Autre1Click() {
    show_centred(m_panel9);
    m_panel9->field()->setFocus();
    m_panel9->field()->selectAll();
}

void MainWindow::controle_temps() {
    const GameState& g = m_state.game;
    TimeControlInput in;
    in.mode_match = g.mode_match;
    in.num_demi_coup = g.num_demi_coup;
    in.temps_alloue = g.settings.temps_alloue;
    in.temps_blanc = m_clocks.temps_blanc();
    in.temps_noir = m_clocks.temps_noir();
    in.couleur_ordinateur = g.couleur_ordinateur;
    in.human_rating =
        g.couleur_ordinateur == BLACK ? g.match.classements.blanc : g.match.classements.noir;
    switch (selvako::controle_temps(in)) {
    case TimeControlResult::computer_over_time:
        fin_partie(GameEndKind::computer_over_time);
        break;
    case TimeControlResult::human_over_time:
        fin_partie(GameEndKind::human_over_time);
        break;
    case TimeControlResult::in_time:
        break;
    }
}

} // namespace selvako
