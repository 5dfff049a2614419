// The game controller's analysis and learning: the analysis runs one
// position per pass of the game loop, so the window stays live between
// searches, and a learning session chains games, analyses and lessons.

#include "engine/learned_positions.h"
#include "files/engine_files.h"
#include "game/game_controller.h"
#include "game/game_record.h"
#include "search/engine_tables.h"

namespace selvako {

void GameController::Analyser() {
    GameState& g = m_game;
    AnalysisControl& a = m_analyse;
    // A rated match is played without the engine's help.
    if (g.num_demi_coup == 0 || a.analysis.running() || g.mode_match == MatchMode::playing) return;
    drop_input();
    if (!a.analysis.start(g)) return;
    a.window_shown = true;
    a.apprendre_offert = false;
    a.fin_demandee = false;
    a.reflexion_sauvee = m_options.reflexion_sur_temps_adverse;
    m_options.reflexion_sur_temps_adverse = false;
    montrer_demi_coup(a.analysis.next_ply());
    changed();
    m_observer.pass_wanted();
}

bool GameController::analyse_pas() {
    AnalysisControl& a = m_analyse;
    if (!a.analysis.running()) return false;
    SearchLimits limits;
    limits.budget_recherche = m_game.settings.budget_recherche;
    limits.temps_alloue = m_game.settings.temps_alloue;
    // Both clocks stand at zero for every position ("Horloges à zéro").
    m_clocks.restore(0, 0);
    m_searching = true;
    a.analysis.step(m_engine, limits);
    m_searching = false;
    run_waiting();
    if (m_game.fin_programme) return true;
    if (a.analysis.running()) {
        montrer_demi_coup(a.analysis.next_ply());
        if (a.fin_demandee) fin_analyse();
        m_observer.pass_wanted();
    } else {
        montrer_demi_coup(std::max(a.analysis.last_analysed(), 0));
        if (a.fin_demandee)
            fin_analyse();
        else if (a.session)
            suite_session(true);
    }
    changed();
    return true;
}

void GameController::pause_analyse() {
    if (m_searching) m_engine.stop();
}

void GameController::fin_analyse() {
    AnalysisControl& a = m_analyse;
    if (m_searching && a.analysis.running()) {
        // The position under search keeps its line: the search plays its
        // best move so far and the analysis ends after it.
        a.fin_demandee = true;
        m_engine.stop();
        return;
    }
    a.analysis.finish();
    a.fin_demandee = false;
    a.window_shown = false;
    m_options.reflexion_sur_temps_adverse = a.reflexion_sauvee;
    // The position on show goes on with its own side to move, the human to
    // play it.
    GameState& g = m_game;
    g.couleur_ordinateur = static_cast<std::uint8_t>(1 - g.trait());
    g.ordinateur_au_trait = 0;
    if (a.session) {
        suite_session(false);
    } else {
        a.apprendre_offert = true;
    }
    changed();
}

void GameController::montrer_demi_coup(int ply) {
    GameState& g = m_game;
    if (ply < 0 || ply > g.longueur_partie) return;
    g.num_demi_coup = static_cast<std::uint8_t>(ply);
    restaurer_coup(g, m_clocks);
    select_ply_line(g);
    // Whoever looks at a position of the analysis has the move there.
    g.couleur_ordinateur = static_cast<std::uint8_t>(1 - g.trait());
    g.ordinateur_au_trait = 0;
    g.sans_reflexion = 1;
    drop_input();
    new_position_shown();
    show_clocks();
}

void GameController::montrer_analyse(int ply) {
    if (m_analyse.analysis.running()) return;
    montrer_demi_coup(ply);
    changed();
}

void GameController::apprendre(const std::filesystem::path& lesson_file) {
    AnalysisControl& a = m_analyse;
    a.apprendre_offert = false;
    const LearnOutcome outcome = Apprendreposition(m_engine, a.analysis, lesson_file);
    a.dernier_apprentissage = outcome;
    if (outcome == LearnOutcome::learned) ++a.positions_apprises;
    if (outcome == LearnOutcome::write_failed) m_observer.error(GameError::file);
    changed();
}

void GameController::charger_lecons(const std::filesystem::path& lesson_file) {
    if (const FileLoad load = m_engine.tables().learned.load_lessons(lesson_file.string()); !load)
        m_observer.refused(*load.refusal);
    changed();
}

void GameController::lancer_session(const std::filesystem::path& lesson_file) {
    AnalysisControl& a = m_analyse;
    if (a.session || match_in_progress()) return;
    a.session = true;
    a.session_file = lesson_file;
    a.parties_session = 0;
    const PersistentSettings& s = m_game.settings;
    a.niveau_avant_session =
        LevelParameters{s.budget_recherche, s.temps_alloue, s.minutes_autre, s.niveau};
    if (s.budget_recherche < SESSION_BUDGET) {
        m_game.settings.budget_recherche = SESSION_BUDGET;
    }
    m_options.humain_contre_humain = false;
    if (!m_options.ordinateur_contre_ordinateur) toggle_computer_against_computer();
    changed();
    m_observer.pass_wanted();
}

void GameController::arreter_session() {
    AnalysisControl& a = m_analyse;
    if (!a.session) return;
    a.session = false;
    // The session's budget was for its own games: the level chosen before
    // it comes back, in the menu and in the files saved from now on.
    if (a.niveau_avant_session) choisir_niveau(*a.niveau_avant_session);
    a.niveau_avant_session.reset();
    if (m_options.ordinateur_contre_ordinateur) toggle_computer_against_computer();
    changed();
}

void GameController::fin_partie_session() {
    ++m_analyse.parties_session;
    m_game.num_demi_coup = static_cast<std::uint8_t>(m_game.longueur_partie);
    Analyser();
    if (!m_analyse.analysis.running()) suite_session(false);
}

void GameController::suite_session(bool learn) {
    AnalysisControl& a = m_analyse;
    a.window_shown = false;
    a.apprendre_offert = false;
    m_options.reflexion_sur_temps_adverse = a.reflexion_sauvee;
    if (learn) apprendre(a.session_file);
    if (!a.session) return;
    remplir();
    if (!m_options.ordinateur_contre_ordinateur) toggle_computer_against_computer();
    m_observer.pass_wanted();
}

} // namespace selvako
