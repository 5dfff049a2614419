#include "game/game_controller.h"

#include <algorithm>
#include <cassert>

#include "engine/move_generation.h"
#include "engine/transposition_table.h"
#include "game/draw_offer.h"
#include "game/game_record.h"
#include "game/saved_game.h"
#include "game/sound_files.h"

namespace selvako {

namespace {

constexpr std::uint32_t FRAME_CYAN = 0x00FFFF;
constexpr std::uint32_t FRAME_SILVER = 0xC0C0C0;

int pieces_of(const PieceCounts& c, int side) {
    return side == BLACK ? c[BLACK_MAN] + c[BLACK_KING] : c[WHITE_MAN] + c[WHITE_KING];
}

template <class... Ts> struct overloaded : Ts... { using Ts::operator()...; };
// Spelled out for compilers without deduction for aggregates (clang 14, the fuzz build).
template <class... Ts> overloaded(Ts...) -> overloaded<Ts...>;

} // namespace

GameController::GameController(Engine& engine, const TimeSource& time, GameObserver& observer,
                               GameFolders folders)
    : m_engine(engine), m_observer(observer), m_folders(std::move(folders)), m_clocks(time) {
    if (m_folders.joueurs.empty())
        m_folders.joueurs = m_folders.points.parent_path() / "joueurs.dat";
    if (m_folders.last_game.empty())
        m_folders.last_game = m_folders.points.parent_path() / "last32.dam";
    m_work.allocate_move_lists();
    m_engine.on_poll = [this] { poll_recherche(); };
    m_engine.on_clock = [this](std::int32_t total) { horloge_recherche(total); };
    m_engine.on_progress = [this](const SearchProgress& p) { m_observer.search_progress(p); };
    nouvelle_partie(m_game, m_clocks);
}

bool GameController::computer_to_move() const {
    if (m_notices.game_over) return false;
    return (m_game.ordinateur_au_trait && !m_options.humain_contre_humain) || m_game.coup_demande;
}

Turn GameController::turn() const {
    const GameState& g = m_game;
    Turn t;
    t.side = g.trait();
    if (m_notices.game_over) {
        t.holder = TurnHolder::nobody;
    } else if (computer_to_move() || m_options.ordinateur_contre_ordinateur) {
        t.holder = TurnHolder::computer;
    } else {
        t.computer_waits = !m_options.humain_contre_humain && g.trait() == g.couleur_ordinateur;
    }
    return t;
}

void GameController::command(const Command& c) {
    const CommandEffect effect = effect_of(c);
    // The record under analysis stays as it is until the analysis ends.
    if (m_analyse.analysis.running() && effect == CommandEffect::changes_game) return;
    if (m_searching && effect != CommandEffect::immediate) {
        // The search works on a copy of the game that is about to change:
        // its result is thrown away and the command runs once it returns,
        // after those that came before it.
        m_waiting.push_back(c);
        m_engine.stop_and_discard();
        return;
    }
    apply(c);
}

Permissions GameController::permissions() const {
    const bool match = match_in_progress();
    // The computer's own move: what would change the game waits for it.
    const bool thinking = computer_thinking() && !m_analyse.analysis.running();
    Permissions p;
    p.match_locked = match;
    // In computer-against-computer play the Fichier menu stays open so that
    // the option can be unchecked while the computer thinks.
    p.files = !match && (!thinking || m_options.ordinateur_contre_ordinateur);
    p.game_items = !thinking;
    p.edition = !thinking;
    p.edition_items = !match;
    p.can_navigate = !match && !thinking;
    p.players = !match && !thinking;
    // The level may be set at the start of a match, not once it is under way.
    p.can_change_level = !(match && m_game.num_demi_coup > 10);
    // The lists and parameters a search reads do not change under it, and a
    // rated match is played with the set it started with.
    p.parameters = !match && !thinking;
    p.analysis = !match;
    p.match_options = !match;
    p.position_editor = !match && !thinking;
    p.offer_draw = !thinking;
    p.can_resign = match;
    return p;
}

void GameController::announce_permissions() {
    const Permissions now = permissions();
    if (now == m_announced) return;
    m_announced = now;
    m_observer.permissions_changed(now);
}

void GameController::apply(const Command& c) {
    std::visit(
        overloaded{
            [this](const command::NewGame&) { nouveau(); },
            [this](const command::StartUp&) { Introduction(); },
            [this](const command::StartMatch& m) { commencer_match(m); },
            [this](const command::HumanAgainstHuman&) { toggle_human_opponent(); },
            [this](const command::ComputerAgainstComputer&) { toggle_computer_against_computer(); },
            [this](const command::SwapPlayers&) { inverser_joueurs(); },
            [this](const command::Back&) { naviguer(&reprise); },
            [this](const command::Forward&) { naviguer(&avancer); },
            [this](const command::ToStart&) { naviguer(&revenir_debut); },
            [this](const command::ToEnd&) { naviguer(&Aller_fin); },
            [this](const command::ToLine& l) { double_clic(l.line); },
            [this](const command::TakeBack&) { reprendre_paire(); },
            [this](const command::SetTableSize& t) { resize_table(t.setting); },
            [this](const command::SquareClicked& k) { clic(k.square); },
            [this](const command::StartAnalysis&) { Analyser(); },
            [this](const command::StopPhase&) { pause_analyse(); },
            [this](const command::EndAnalysis&) { fin_analyse(); },
            [this](const command::Learn& l) { apprendre(l.lesson_file); },
            [this](const command::DeclineLearning&) {
                m_analyse.apprendre_offert = false;
                changed();
            },
            [this](const command::LoadLessons& l) { charger_lecons(l.lesson_file); },
            [this](const command::StartSession& s) { lancer_session(s.lesson_file); },
            [this](const command::StopSession&) { arreter_session(); },
            [this](const command::ShowAnalysedPly& p) { montrer_analyse(p.ply); },
            [this](const command::StopThinking&) {
                if (m_searching) m_engine.stop();
            },
            [this](const command::OfferDraw&) { offer_draw(); },
            [this](const command::AcceptDraw&) {
                m_notices.draw_offered = false;
                fin_partie(GameEnd::draw_agreed);
            },
            [this](const command::DeclineDraw&) {
                m_notices.draw_offered = false;
                changed();
            },
            [this](const command::Resign&) { resign(); },
            [this](const command::CloseEndPanel&) {
                m_notices.end_of_game = false;
                changed();
            },
            [this](const command::SetLevel& l) { choisir_niveau(l.level); },
            [this](const command::ClocksToZero&) { reset_clocks(); },
            [this](const command::TogglePause&) { toggle_pause(); },
            [this](const command::SetOptions& o) {
                // The two modes change through their own commands.
                const GameOptions modes = m_options;
                m_options = o.options;
                m_options.humain_contre_humain = modes.humain_contre_humain;
                m_options.ordinateur_contre_ordinateur = modes.ordinateur_contre_ordinateur;
                // Thinking on the human's time, once unchecked, stops now.
                if (!m_options.reflexion_sur_temps_adverse && pondering()) m_engine.stop();
                changed();
                m_observer.pass_wanted();
            },
            [this](const command::SetLanguage& l) { m_game.settings.langue = l.langue; },
            [this](const command::Open& o) { ouvrir(o.image); },
            [this](const command::Save& s) { sauver(s.path); },
            [this](const command::LoadGame& l) { charger_partie(l.game); },
            [this](const command::Quit&) { quitter(); },
            [this](const command::ReadLastSettings&) { read_last_settings(); },
            [this](const command::RestoreLastGame&) { restore_last_game(); },
            [this](const command::SetParameters& p) { set_parameters(p.parameters); },
            [this](const command::LoadParameters& p) { load_parameters(p.path); },
            [this](const command::SaveParameters& p) { save_parameters(p.path); },
            [this](const command::SetRepertoire& r) { set_repertoire(r.side, r.lines); },
            [this](const command::ChangeLibrary& l) { change_library(l); },
            [this](const command::Close&) {
                m_game.fin_programme = 1;
                if (m_searching) m_engine.stop_and_discard();
            },
            [this](const command::StartTraining& t) { commencer_entrainement(t); },
            [this](const command::StartHumanGame& h) { commencer_humains(h); },
            [this](const command::ChangeNames& n) { changer_noms(n); },
            [this](const command::LoadPlayers& l) {
                if (l.for_new_game) m_game.dernier_resultat = Outcome::none;
                charger_joueurs();
            },
            [this](const command::NewPlayer& p) { nouveau_joueur(p); },
            [this](const command::DeletePlayer& d) { effacer_joueur(d.index); },
            [this](const command::ResetComputerRating&) {
                if (m_players.players.empty() && !charger_joueurs()) return;
                m_players.players[0].points = COMPUTER_START_RATING;
                changed();
            },
            [this](const command::SetUpMode& m) { set_up_mode(m.on); },
            [this](const command::ChoosePiece& p) {
                m_editor.piece = p.piece <= BLACK_KING ? p.piece : EMPTY;
                changed();
            },
            [this](const command::EmptyBoard&) { vider(); },
            [this](const command::FillBoard&) { remplir_editeur(); },
            [this](const command::ChangeDirection&) { change_direction(); },
            [this](const command::ChangeComputerColour&) { change_computer_colour(); },
            [this](const command::ChangeFirstMover&) { change_first_mover(); },
            [this](const command::PasteFen& f) { coller_fen(f.text); },
            [this](const command::OpenLesson& l) { open_lesson(l.path); },
            [this](const command::NextLesson&) { step_lesson(false); },
            [this](const command::ReviewLesson&) { step_lesson(true); },
        },
        c);
}

void GameController::run_waiting() {
    while (!m_waiting.empty()) {
        const Command c = std::move(m_waiting.front());
        m_waiting.pop_front();
        apply(c);
        // "Quitter" ends the program: what came after it has nothing to change.
        if (m_game.fin_programme) m_waiting.clear();
    }
}

void GameController::changed() {
    m_observer.game_changed();
    announce_permissions();
}

void GameController::show_clocks() {
    for (const int side : {WHITE, BLACK}) m_observer.clock_shown(side, m_clocks.temps(side));
}

// ---- A new position on the board -------------------------------------------

void GameController::drop_input() {
    m_input.drop(m_game);
    m_input.capture_notice = false;
    m_notices.capture = false;
}

void GameController::new_position_shown() {
    m_input.frames = no_frames();
    m_game.dernier_coup = {};
    m_notices.end_of_game = false;
    // However a position came on the board (a file, a paste, a lesson, a step
    // through the record), one where the game is over stays over.
    m_notices.game_over = !m_game.mode_edition && position_over();
}

bool GameController::position_over() {
    // A full record is no end by itself here: the next move attempted ends
    // the game drawn, with its message.
    return legal_moves(m_game, m_work, m_game.trait()) == 0;
}

void GameController::remplir() {
    // A new game, or one read from text, is no lesson: its buttons go.
    m_lessons.close();
    // Nor is the analysis of the last game one of this game.
    m_analyse.analysis.clear();
    drop_input();
    m_notices = {};
    nouvelle_partie(m_game, m_clocks);
    new_position_shown();
    show_clocks();
    m_game.sans_reflexion = 1;
    m_computer.reflexion_ce_tour = false;
}

void GameController::toggle_human_opponent() {
    m_options.humain_contre_humain = !m_options.humain_contre_humain;
    changed();
    m_observer.pass_wanted();
}

void GameController::toggle_computer_against_computer() {
    m_options.ordinateur_contre_ordinateur = !m_options.ordinateur_contre_ordinateur;
    // Both sides are the computer's: nobody is left to play by hand.
    if (m_options.ordinateur_contre_ordinateur && m_options.humain_contre_humain) {
        m_options.humain_contre_humain = false;
    }
    changed();
    m_observer.pass_wanted();
}

void GameController::inverser_joueurs() {
    // A piece picked up for the human's move is the computer's now.
    drop_input();
    m_game.mode_match = MatchMode::none;
    m_game.couleur_ordinateur ^= 1;
    m_game.ordinateur_au_trait = 1;
    changed();
    m_observer.pass_wanted();
}

// ---- Navigation ------------------------------------------------------------

void GameController::naviguer(bool (*step)(GameState&, GameClocks&)) {
    step(m_game, m_clocks);
    show_clocks();
    drop_input();
    new_position_shown();
    changed();
    m_observer.pass_wanted();
}

void GameController::reprendre_paire() {
    GameState& g = m_game;
    // Against the computer the human goes back to his own turn: over the
    // computer's reply and his move, or only his move while the computer is
    // still to answer it.
    // Not in a rated match, where stepping back is locked too.
    if (g.mode_match == MatchMode::playing) return;
    int plies = 1;
    if (!m_options.humain_contre_humain) plies = g.trait() == g.couleur_ordinateur ? 1 : 2;
    if (g.num_demi_coup < plies) return;
    for (int k = 0; k < plies; ++k) reprise(g, m_clocks);
    show_clocks();
    drop_input();
    new_position_shown();
    changed();
    m_observer.pass_wanted();
}

void GameController::double_clic(int line) {
    if (line < 0) return;
    revenir_n(m_game, m_clocks, line);
    show_clocks();
    drop_input();
    new_position_shown();
    changed();
    m_observer.pass_wanted();
}

// ---- Files -----------------------------------------------------------------

GameFileImage GameController::file_image() const {
    return game_file_image(m_game);
}

void GameController::ouvrir(const GameFileImage& image, bool keep_level) {
    const PersistentSettings before = m_game.settings;
    load_game_file_image(m_game, m_clocks, image);
    // The game opens with the human to move, as when the menu could be used.
    m_game.ordinateur_au_trait = 0;
    m_game.settings.langue = before.langue;
    m_game.settings.taille_tables = before.taille_tables;
    if (keep_level) {
        m_game.settings.budget_recherche = before.budget_recherche;
        m_game.settings.temps_alloue = before.temps_alloue;
        m_game.settings.niveau = before.niveau;
        m_game.settings.minutes_autre = before.minutes_autre;
    }
    show_clocks();
    drop_input();
    new_position_shown();
    changed();
    m_observer.pass_wanted();
}

void GameController::charger_partie(const GameText& text) {
    remplir();
    m_last_replay = rejouer_partie(m_game, m_clocks, m_work, text);
    // As with a game file: the human is to move, no match runs.
    m_game.ordinateur_au_trait = 0;
    m_game.mode_match = MatchMode::none;
    m_game.sans_reflexion = 1;
    // A game whose last move won arrives over.
    m_notices.game_over = position_over();
    show_clocks();
    changed();
    m_observer.pass_wanted();
}

bool GameController::sauver(const std::filesystem::path& path) {
    const bool written = write_game_file(path, game_file_image(m_game));
    if (!written) m_observer.error(GameError::file);
    return written;
}

void GameController::quitter() {
    sauver(m_folders.last_game);
    m_game.fin_programme = 1;
    m_observer.program_ended();
}

// ---- The game loop ---------------------------------------------------------

void GameController::boucle_jeu() {
    GameState& g = m_game;
    if (g.fin_programme) return;
    if (analyse_pas()) return;
    if (g.coup_demande) g.ordinateur_au_trait = 1;
    if (g.ordinateur_au_trait) m_notices.capture = false;
    if (m_options.ordinateur_contre_ordinateur) g.ordinateur_au_trait = 1;

    if (!g.mode_edition) {
        if (computer_to_move()) {
            // A move still being shown is played already: the next waits for
            // the end of the animation, which asks for a pass.
            if (!m_observer.showing_move()) {
                m_computer.reflexion = false;
                coup_ordinateur();
            }
        } else {
            PonderingInput p;
            p.option_checked = m_options.reflexion_sur_temps_adverse;
            p.editor_active = g.mode_edition != 0;
            p.sans_reflexion = g.sans_reflexion;
            p.already_this_turn = m_computer.reflexion_ce_tour;
            // Not while a click waits or a move is shown, nor once the game has ended.
            if (may_ponder(p) && !g.clic_en_attente.waiting && !m_observer.showing_move() &&
                !m_notices.game_over && !g.fin_programme)
                reflechir();
        }
    }
    if (g.fin_programme) return;
    g.coup_demande = 0;
    if (g.clic_en_attente.waiting) {
        const PendingClick click = g.clic_en_attente;
        g.clic_en_attente = {};
        clic1(click.square, !click.before_reply);
    }
    changed();
    // The computer answers in a pass of its own; a move still shown asks for
    // that pass when it ends.
    const bool computer_next = (g.ordinateur_au_trait || m_options.ordinateur_contre_ordinateur) &&
                               !m_options.humain_contre_humain && !m_notices.game_over;
    if (computer_next && !m_observer.showing_move()) m_observer.pass_wanted();
}

// ---- The human's clicks ----------------------------------------------------

void GameController::clic(Square s) {
    // While the computer thinks on its own move a click stops it only when
    // the option allows, and never in a rated match.
    if (computer_thinking() && (match_in_progress() || !m_options.arret_par_clic)) return;
    // A click made before the computer's answer is on the board was aimed
    // at the position before it.
    m_game.clic_en_attente = {true, s, computer_to_move() || m_observer.showing_move()};
    if (m_searching) m_engine.stop();
    m_observer.pass_wanted();
}

void GameController::clic1(Square s, bool may_play_at_once) {
    GameState& g = m_game;
    m_notices.draw_refused = false;
    // An ended game takes no move until a new game or a step through the record.
    if (m_notices.game_over) return;
    if (g.ordinateur_au_trait && !m_options.humain_contre_humain && !g.mode_edition) return;
    if (s < 1 || s > NUM_SQUARES) return;
    if (g.mode_edition) {
        placer_piece(s);
        return;
    }
    // A click on the board starts paused clocks again.
    m_clocks.resume();
    const InputResult result = clic_case(m_input, g, m_work, m_clocks, s, may_play_at_once);
    m_notices.capture = m_input.capture_notice;
    if (result.outcome == InputOutcome::move_played) after_move(result);
}

void GameController::after_move(const InputResult& result) {
    GameState& g = m_game;
    // The notice speaks of the position in which it was shown.
    m_input.capture_notice = false;
    m_notices.capture = false;
    const Move& move = result.played.move;
    std::vector<Square> walk;
    if (move.taken > 1 && m_options.decomposer_prises)
        walk.assign(result.played.landings.begin(), result.played.landings.begin() + move.taken);
    // The mover's clock takes what it ran to; the record of the ply keeps it.
    const int mover = g.trait() ^ 1;
    m_clocks.ajouter_temps(mover, false);
    m_clocks.fix_running(mover);
    m_clocks.start_turn(g.trait());
    noter_coup(g, m_clocks);
    show_clocks();
    m_computer.reflexion_ce_tour = false;
    m_observer.move_played(result.before, move, walk, false);
    const GameEnd end = fin_entre_humains(g, m_work);
    // Against the computer too: a computer left without a move has lost
    // now, before its search is asked for a move it does not have.
    if (!m_options.humain_contre_humain && end == GameEnd::none) {
        g.ordinateur_au_trait = 1;
        return;
    }
    if (end == GameEnd::record_full)
        fin_releve_plein();
    else if (end != GameEnd::none)
        fin_partie(end, g.trait());
}

// ---- The end of the game ---------------------------------------------------

void GameController::fin_partie(GameEnd end, int loser) {
    GameState& g = m_game;
    GameEndInput in;
    in.end = end;
    in.loser = static_cast<std::uint8_t>(loser);
    in.mode_match = g.mode_match;
    in.human_against_human = m_options.humain_contre_humain;
    in.couleur_ordinateur = g.couleur_ordinateur;
    const std::string blanc = name_text(g.nom_blanc);
    const std::string noir = name_text(g.nom_noir);
    in.nom_blanc = blanc;
    in.nom_noir = noir;
    in.end_sounds = m_options.autres;
    in.ratings = g.match.classements;
    in.langue = g.settings.langue;
    const auto report = game_end_report(in);
    if (!report) return;
    if (m_analyse.session) {
        // A game of a learning session shows no result: it is analysed and
        // learned, and the next game begins.
        g.dernier_resultat = report->outcome;
        m_options.ordinateur_contre_ordinateur = false;
        fin_partie_session();
        return;
    }

    m_notices.end_of_game = true;
    m_notices.game_over = true;
    m_notices.draw_offered = false;
    m_notices.draw_refused = false;
    g.mode_match = report->mode_match;
    if (report->new_ratings) {
        g.match.classements = *report->new_ratings;
        ecrire_classements(*report->new_ratings);
    }
    m_options.ordinateur_contre_ordinateur = false;
    g.dernier_resultat = report->outcome;
    m_observer.game_ended(*report);
    const std::string_view sound = end_sound_file(report->sound);
    if (!sound.empty()) m_observer.play_sound(sound);
    changed();
}

void GameController::fin_releve_plein() {
    fin_partie(GameEnd::record_full);
    m_observer.error(GameError::record_full);
}

void GameController::offer_draw() {
    const PieceCounts counts = count_pieces(m_game.damier_affiche);
    if (draw_offer_accepted(counts, m_computer.reflexion, m_computer.dernier_score)) {
        if (m_searching) m_engine.stop_and_discard();
        fin_partie(GameEnd::draw_agreed);
    } else {
        m_notices.draw_refused = true;
        changed();
    }
}

void GameController::resign() {
    fin_partie(GameEnd::resignation, m_game.couleur_ordinateur ^ 1);
    m_game.mode_match = MatchMode::none;
    changed();
    m_observer.pass_wanted();
}

// ---- Clocks and levels -----------------------------------------------------

void GameController::ajouter_temps() {
    // The clocks of an ended game stand still.
    if (m_notices.game_over) return;
    const int side = m_game.trait();
    const auto running = m_clocks.ajouter_temps(side, computer_to_move());
    if (running) m_observer.clock_shown(side, *running);
}

void GameController::reset_clocks() {
    m_clocks.reset();
    m_game.mode_match = MatchMode::none;
    show_clocks();
    changed();
}

void GameController::toggle_pause() {
    m_clocks.toggle_pause();
    changed();
}

void GameController::choisir_niveau(const LevelParameters& level) {
    PersistentSettings& s = m_game.settings;
    s.budget_recherche = level.budget_recherche;
    s.temps_alloue = level.temps_alloue;
    s.niveau = level.niveau;
    s.minutes_autre = level.minutes;
    changed();
}

void GameController::resize_table(std::int16_t setting) {
    if (setting == 0) setting = TABLE_SIZES[DEFAULT_TABLE_SIZE].setting;
    // Items are matched by their setting: "0 Mo" is 10, not 0.
    for (int k = 0; k < static_cast<int>(TABLE_SIZES.size()); ++k) {
        if (TABLE_SIZES[k].setting != setting) continue;
        m_game.settings.taille_tables = setting;
        m_engine.resize_table(k);
        changed();
        return;
    }
}

bool GameController::controle_temps() {
    const GameState& g = m_game;
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
        fin_partie(GameEnd::time, g.couleur_ordinateur);
        return true;
    case TimeControlResult::human_over_time:
        fin_partie(GameEnd::time, g.couleur_ordinateur ^ 1);
        return true;
    case TimeControlResult::in_time:
        break;
    }
    return false;
}

// ---- The computer ----------------------------------------------------------

SearchResult GameController::lancer_recherche(bool ponder) {
    const GameState& g = m_game;
    SearchRequest request;
    request.board = g.damier_affiche;
    request.trait = g.trait();
    request.num_demi_coup = g.num_demi_coup;
    request.temps_blanc = m_clocks.temps_blanc();
    request.temps_noir = m_clocks.temps_noir();
    request.limits.budget_recherche = g.settings.budget_recherche;
    request.limits.temps_alloue = g.settings.temps_alloue;
    request.limits.ponder = ponder;
    if (ponder) request.limits.depth = ponder_depth_limit(g.settings.budget_recherche);
    request.limits.repertoire = m_options.repertoire;
    for (int ply = 1; ply <= g.num_demi_coup; ++ply)
        request.historique.push_back({g.historique[ply].from, g.historique[ply].to});

    assert(!m_searching);
    m_searching = true;
    announce_permissions();
    m_last_search = m_engine.search(request);
    m_searching = false;
    announce_permissions();
    m_computer.dernier_score = static_cast<std::int16_t>(m_last_search.score);
    return m_last_search;
}

void GameController::poll_recherche() {
    // Commands sent while events run here stop the search themselves.
    m_observer.process_events();
}

void GameController::horloge_recherche(std::int32_t total) {
    m_clocks.store_search_total(m_game.trait(), total, m_computer.reflexion);
    if (!m_computer.reflexion) m_observer.clock_shown(m_game.trait(), total);
}

void GameController::reflechir() {
    m_computer.reflexion = true;
    m_computer.reflexion_ce_tour = true;
    lancer_recherche(true);
    run_waiting();
    m_observer.pass_wanted();
}

void GameController::coup_ordinateur() {
    GameState& g = m_game;
    SquareFrames& frames = m_input.frames;

    // Whatever the human had picked up belongs to a turn that is no longer his.
    drop_input();
    if (g.dernier_coup[0] != 0 && g.dernier_coup[1] != 0) {
        frames[g.dernier_coup[0]] = FRAME_NONE;
        frames[g.dernier_coup[1]] = FRAME_NONE;
    }
    m_computer.reflexion = false;
    // A rated match lost on time before the computer moves is over: it
    // does not play on after the result is shown.
    if (controle_temps()) {
        g.ordinateur_au_trait = 0;
        return;
    }
    // A full record takes no more plies: the game ends as it does after the
    // human's move, before a search for a move that could not be recorded.
    if (g.num_demi_coup >= LAST_GAME_PLY) {
        g.ordinateur_au_trait = 0;
        fin_releve_plein();
        return;
    }
    g.ordinateur_au_trait = 1;
    g.couleur_ordinateur = g.trait();

    m_observer.thinking_started();
    const SearchResult result = lancer_recherche(false);
    m_observer.thinking_finished();
    if (g.fin_programme) return;
    // A command that changes the game threw the search's result away: it
    // runs instead of the move.
    if (!m_waiting.empty()) {
        run_waiting();
        return;
    }
    // Stopped and thrown away with nothing to run instead: the computer is
    // still to move and searches again at the next pass.
    if (result.answer == SearchAnswer::discarded) return;
    if (result.answer == SearchAnswer::no_move) {
        // The side to move has no move: the game is over already.
        g.ordinateur_au_trait = 0;
        fin_partie(GameEnd::no_moves, g.trait());
        return;
    }
    const bool searched = result.answer == SearchAnswer::searched;
    int chosen = result.index;

    const PieceCounts counts = count_pieces(g.damier_affiche);
    const int legal = static_cast<int>(result.root_moves.size());
    if (handicap_debutant(g.settings.niveau, pieces_of(counts, g.trait()),
                          pieces_of(counts, g.trait() ^ 1), legal, searched)) {
        chosen = 1;
        m_notices.zut = true;
    } else {
        m_notices.zut = false;
    }

    ComputerDrawOfferInput offer;
    offer.counts = counts;
    offer.num_demi_coup = g.num_demi_coup;
    offer.captures_of_ply = [&g](int ply) { return g.historique[ply].taken; };
    offer.last_score = m_computer.dernier_score;
    m_notices.draw_offered = computer_offers_draw(offer);
    // A refusal answered the position before this move, as a click clears it.
    m_notices.draw_refused = false;

    m_computer.coup_choisi = chosen;
    const Move move = result.root_moves[static_cast<std::size_t>(chosen)];
    std::vector<Square> walk;
    if (move.taken > 1 && m_options.decomposer_prises) {
        m_work.set_position(g.damier_affiche);
        std::array<Square, MAX_CAPTURED> landings{};
        const int n =
            find_capture_path(m_work, move.from, move.captured, move.taken, landings.data());
        walk.assign(landings.begin(), landings.begin() + n);
    }
    const BoardArray before = g.damier_affiche;

    controle_temps();
    if (!jouer_coup(g, m_work, m_clocks, move)) {
        g.ordinateur_au_trait = 0;
        fin_releve_plein();
        return;
    }
    frames[move.to] = FRAME_CYAN;
    frames[move.from] = FRAME_SILVER;
    m_clocks.start_turn(g.trait());
    g.ordinateur_au_trait = 0;
    m_observer.move_played(before, move, walk, true);

    g.sans_reflexion = 0;
    m_computer.reflexion_ce_tour = false;
    const int replies = legal_moves(g, m_work, g.trait());
    g.nb_coups_legaux = static_cast<std::uint8_t>(std::min(replies, 255));
    if (m_work.greatest_taken > 2) g.sans_reflexion = 1;
    m_computer.materiel_par_coup[g.num_demi_coup] = total_pieces(count_pieces(g.damier_affiche));
    if (replies == 0)
        fin_partie(GameEnd::no_moves, g.trait());
    else if (g.num_demi_coup >= LAST_GAME_PLY)
        fin_releve_plein();

    if (m_options.bip) m_observer.play_sound(MOVE_SOUND_FILE);
    if (m_options.ordinateur_contre_ordinateur &&
        stagnation_draw(g.num_demi_coup, m_computer.materiel_par_coup, m_computer.dernier_score))
        fin_partie(GameEnd::stagnation);
    show_clocks();
    changed();
}

} // namespace selvako
