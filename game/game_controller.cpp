#include "game/game_controller.h"

#include <algorithm>
#include <cassert>

#include "engine/move_generation.h"
#include "engine/transposition_table.h"
#include "game/draw_offer.h"
#include "game/game_record.h"
#include "game/new_game.h"
#include "game/saved_game.h"
#include "game/sound_files.h"

namespace selvako {

namespace {

constexpr std::uint32_t FRAME_CYAN = 0x00FFFF;
constexpr std::uint32_t FRAME_SILVER = 0xC0C0C0;
constexpr const char* NOM_ORDINATEUR = "Selvako";
constexpr const char* NOM_JOUEUR = "Mister X";
constexpr const char* NOM_INCONNU = "Inconnu";

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
    t.side = g.trait;
    if (m_notices.game_over) {
        t.holder = TurnHolder::nobody;
    } else if (computer_to_move() || m_options.ordinateur_contre_ordinateur) {
        t.holder = TurnHolder::computer;
    } else {
        t.computer_waits = g.adversaire_ordinateur && !m_options.humain_contre_humain &&
                           g.trait == g.couleur_ordinateur;
    }
    return t;
}

bool GameController::changes_game(const Command& c) {
    // These only raise a flag, tick or show something; the others change the
    // game the search is working from.
    return !(std::holds_alternative<command::Click>(c) ||
             std::holds_alternative<command::StopThinking>(c) ||
             std::holds_alternative<command::OfferDraw>(c) ||
             std::holds_alternative<command::TogglePause>(c) ||
             std::holds_alternative<command::SetOptions>(c) ||
             std::holds_alternative<command::SetLanguage>(c) ||
             std::holds_alternative<command::CloseEndPanel>(c) ||
             std::holds_alternative<command::Save>(c) ||
             std::holds_alternative<command::Close>(c) ||
             std::holds_alternative<command::LoadPlayers>(c) ||
             std::holds_alternative<command::NewPlayer>(c) ||
             std::holds_alternative<command::DeletePlayer>(c) ||
             std::holds_alternative<command::ResetComputerRating>(c) ||
             std::holds_alternative<command::ComputerAgainstComputer>(c) ||
             std::holds_alternative<command::StopPhase>(c) ||
             std::holds_alternative<command::EndAnalysis>(c) ||
             std::holds_alternative<command::StopSession>(c));
}

void GameController::command(const Command& c) {
    // The record under analysis stays as it is until the analysis ends.
    if (m_analyse.analysis.running() && changes_game(c) && !analysis_command(c) &&
        !std::holds_alternative<command::Quit>(c))
        return;
    if (m_searching && changes_game(c)) {
        // The search works on a copy of the game that is about to change:
        // its result is thrown away and the command runs once it returns.
        m_deferred = c;
        m_engine.stop_and_discard();
        return;
    }
    apply(c);
}

void GameController::apply(const Command& c) {
    std::visit(
        overloaded{
            [this](const command::NewGame&) { nouveau(); },
            [this](const command::StartUp&) { Introduction(); },
            [this](const command::StartMatch& m) { commencer_match(m); },
            [this](const command::HumanAgainstHuman&) { Ordinateur(); },
            [this](const command::ComputerAgainstComputer&) { Ordinateurcontreordinateur(); },
            [this](const command::SwapPlayers&) { inverser_joueurs(); },
            [this](const command::Back&) { naviguer(&reprise); },
            [this](const command::Forward&) { naviguer(&avancer); },
            [this](const command::ToStart&) { naviguer(&revenir_debut); },
            [this](const command::ToEnd&) { naviguer(&Aller_fin); },
            [this](const command::ToLine& l) { double_clic(l.line); },
            [this](const command::TakeBack&) { reprendre_paire(); },
            [this](const command::SetTableSize& t) { resize_table(t.setting); },
            [this](const command::Click& k) { clic(k.square); },
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
            [this](const command::OfferDraw&) { ProposernulClick(); },
            [this](const command::AcceptDraw&) {
                m_notices.draw_offered = false;
                fin_partie(GameEndKind::draw);
            },
            [this](const command::DeclineDraw&) {
                m_notices.draw_offered = false;
                changed();
            },
            [this](const command::Resign&) { AbandonClick(); },
            [this](const command::CloseEndPanel&) {
                m_notices.end_of_game = false;
                changed();
            },
            [this](const command::SetLevel& l) { choisir_niveau(l.level); },
            [this](const command::ClocksToZero&) { Horlogeszro(); },
            [this](const command::TogglePause&) { Pause(); },
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
            [this](const command::Quit& q) { quitter(q.last_game); },
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
            [this](const command::SetUpMode& m) { Entrerpositionclick(m.on); },
            [this](const command::ChoosePiece& p) {
                m_editor.piece = p.piece <= BLACK_KING ? p.piece : EMPTY;
                changed();
            },
            [this](const command::EmptyBoard&) { vider(); },
            [this](const command::FillBoard&) { remplir_editeur(); },
            [this](const command::ChangeDirection&) { Change_dir(); },
            [this](const command::ChangeComputerColour&) { Change_couleur(); },
            [this](const command::ChangeFirstMover&) { Couleur_joue(); },
            [this](const command::PasteFen& f) { coller_fen(f.text); },
            [this](const command::OpenLesson& l) { Problmes1Click(l.path); },
            [this](const command::NextLesson&) { Button1Click(false); },
            [this](const command::ReviewLesson&) { Button1Click(true); },
        },
        c);
}

void GameController::run_deferred() {
    if (!m_deferred) return;
    const Command c = std::move(*m_deferred);
    m_deferred.reset();
    apply(c);
}

void GameController::changed() {
    m_observer.game_changed();
}

void GameController::show_clocks() {
    for (const int side : {WHITE, BLACK}) m_observer.clock_shown(side, m_clocks.temps(side));
}

// ---- Start-up and new games ------------------------------------------------

void GameController::Introduction() {
    m_game.dernier_resultat = Outcome::none;
    m_game.fin_programme = 0;
    m_game.trait = WHITE;
    remplir();
    Horlogeszro();
    choisir_niveau(LEVEL_ITEMS[5].parameters);
    m_game.ordinateur_au_trait = 0;
    m_game.adversaire_ordinateur = 1;
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

void GameController::drop_input() {
    m_input.drop(m_game);
    m_input.capture_notice = false;
    m_notices.capture = false;
}

void GameController::new_position_shown() {
    m_input.frames = no_frames();
    m_game.dernier_coup = {};
    m_notices.game_over = false;
    m_notices.end_of_game = false;
}

void GameController::remplir() {
    // A new game, or one read from text, is no lesson: its buttons go.
    m_lessons.close();
    drop_input();
    m_notices = {};
    new_position_shown();
    nouvelle_partie(m_game, m_clocks);
    show_clocks();
    m_game.sans_reflexion = 1;
    m_computer.reflexion_ce_tour = false;
}

void GameController::nouveau() {
    // A training game with the computer playing Black, until the new-game
    // panel offers its choices.
    m_game.dernier_resultat = Outcome::none;
    remplir();
    Horlogeszro();
    m_game.adversaire_ordinateur = 1;
    m_game.mode_match = 0;
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
    Horlogeszro();
    GameState& g = m_game;
    g.adversaire_ordinateur = 1;
    m_options.humain_contre_humain = false;
    m_options.ordinateur_contre_ordinateur = false;
    // A click does not stop the computer's thinking in a match.
    m_options.arret_par_clic = false;
    g.mode_match = 1;
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
    Horlogeszro();
    g.adversaire_ordinateur = 1;
    g.mode_match = 0;
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
    g.adversaire_ordinateur = 0;
    g.mode_match = 0;
    remplir();
    Horlogeszro();
    g.nom_blanc = make_name(humans.blanc);
    g.nom_noir = make_name(humans.noir);
    noter_coup(g, m_clocks);
    changed();
    m_observer.pass_wanted();
}

void GameController::changer_noms(const command::ChangeNames& names) {
    // The names of a rated match are the players whose ratings it changes.
    if (m_game.mode_match == 1) return;
    if (!valid_player_name(names.blanc) || !valid_player_name(names.noir)) return;
    GameState& g = m_game;
    g.nom_blanc = make_name(names.blanc);
    g.nom_noir = make_name(names.noir);
    g.historique[g.num_demi_coup].nom_blanc = g.nom_blanc;
    g.historique[g.num_demi_coup].nom_noir = g.nom_noir;
    changed();
}

// ---- Players -----------------------------------------------------------------

bool GameController::charger_joueurs() {
    const PlayerFiles files{m_folders.joueurs, m_folders.points};
    PlayerFilesRead read = read_players(files);
    if (!read.list) {
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

void GameController::Ordinateur() {
    m_game.adversaire_ordinateur ^= 1;
    m_options.humain_contre_humain = m_game.adversaire_ordinateur == 0;
    changed();
    m_observer.pass_wanted();
}

void GameController::Ordinateurcontreordinateur() {
    m_options.ordinateur_contre_ordinateur = !m_options.ordinateur_contre_ordinateur;
    // Both sides are the computer's: nobody is left to play by hand.
    if (m_options.ordinateur_contre_ordinateur && m_options.humain_contre_humain) {
        m_options.humain_contre_humain = false;
        m_game.adversaire_ordinateur = 1;
    }
    changed();
    m_observer.pass_wanted();
}

void GameController::inverser_joueurs() {
    // A piece picked up for the human's move is the computer's now.
    drop_input();
    m_game.mode_match = 0;
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
    if (g.mode_match == 1) return;
    int plies = 1;
    if (g.adversaire_ordinateur && !m_options.humain_contre_humain)
        plies = g.trait == g.couleur_ordinateur ? 1 : 2;
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

void GameController::ouvrir(const GameFileImage& image) {
    const std::uint8_t langue = m_game.settings.langue;
    const std::int16_t taille = m_game.settings.taille_tables;
    load_game_file_image(m_game, m_clocks, image);
    // The game opens with the human to move, as when the menu could be used.
    m_game.ordinateur_au_trait = 0;
    m_game.settings.langue = langue;
    m_game.settings.taille_tables = taille;
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
    m_game.mode_match = 0;
    m_game.sans_reflexion = 1;
    show_clocks();
    changed();
    m_observer.pass_wanted();
}

bool GameController::sauver(const std::filesystem::path& path) {
    const bool written = write_game_file(path, game_file_image(m_game));
    if (!written) m_observer.error(GameError::file);
    return written;
}

void GameController::quitter(const std::filesystem::path& last_game) {
    sauver(last_game);
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
    if (computer_thinking() && (m_game.mode_match == 1 || !m_options.arret_par_clic)) return;
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
    const int mover = g.trait ^ 1;
    m_clocks.ajouter_temps(mover, false);
    m_clocks.fix_running(mover);
    m_clocks.start_turn(g.trait);
    noter_coup(g, m_clocks);
    show_clocks();
    m_computer.reflexion_ce_tour = false;
    m_observer.move_played(result.before, move, walk, false);
    const GameEnd end = fin_entre_humains(g, m_work);
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

// ---- The end of the game ---------------------------------------------------

void GameController::fin_partie(GameEndKind kind) {
    GameState& g = m_game;
    GameEndInput in;
    in.kind = kind;
    if (kind == GameEndKind::no_move_after_human_move ||
        kind == GameEndKind::no_move_after_computer_move) {
        in.white_can_move = legal_moves(g, m_work, WHITE) > 0;
        in.black_can_move = legal_moves(g, m_work, BLACK) > 0;
    }
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
    fin_partie(GameEndKind::draw);
    m_observer.error(GameError::record_full);
}

void GameController::ProposernulClick() {
    const PieceCounts counts = count_pieces(m_game.damier_affiche);
    if (draw_offer_accepted(counts, m_computer.reflexion, m_computer.dernier_score)) {
        if (m_searching) m_engine.stop_and_discard();
        fin_partie(GameEndKind::draw);
    } else {
        m_notices.draw_refused = true;
        changed();
    }
}

void GameController::AbandonClick() {
    fin_partie(GameEndKind::resignation);
    m_game.mode_match = 0;
    changed();
    m_observer.pass_wanted();
}

// ---- Clocks and levels -----------------------------------------------------

void GameController::ajouter_temps() {
    // The clocks of an ended game stand still.
    if (m_notices.game_over) return;
    const int side = m_game.trait;
    const auto running = m_clocks.ajouter_temps(side, computer_to_move());
    if (running) m_observer.clock_shown(side, *running);
}

void GameController::Horlogeszro() {
    m_clocks.reset();
    m_game.mode_match = 0;
    show_clocks();
    changed();
}

void GameController::Pause() {
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
        fin_partie(GameEndKind::computer_over_time);
        return true;
    case TimeControlResult::human_over_time:
        fin_partie(GameEndKind::human_over_time);
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
    request.trait = g.trait;
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
    m_last_search = m_engine.search(request);
    m_searching = false;
    m_computer.dernier_score = static_cast<std::int16_t>(m_last_search.score);
    return m_last_search;
}

void GameController::poll_recherche() {
    // Commands sent while events run here stop the search themselves.
    m_observer.process_events();
}

void GameController::horloge_recherche(std::int32_t total) {
    m_clocks.store_search_total(m_game.trait, total, m_computer.reflexion);
    if (!m_computer.reflexion) m_observer.clock_shown(m_game.trait, total);
}

void GameController::reflechir() {
    m_computer.reflexion = true;
    m_computer.reflexion_ce_tour = true;
    lancer_recherche(true);
    run_deferred();
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
    g.couleur_ordinateur = g.trait;

    m_observer.thinking_started();
    const SearchResult result = lancer_recherche(false);
    m_observer.thinking_finished();
    if (g.fin_programme) return;
    // A command that changes the game threw the search's result away: it
    // runs instead of the move.
    if (m_deferred) {
        run_deferred();
        return;
    }
    // Stopped and thrown away with nothing to run instead: the computer is
    // still to move and searches again at the next pass.
    if (result.answer == SearchAnswer::discarded) return;
    if (result.answer == SearchAnswer::no_move) {
        // The side to move has no move: the game is over already.
        g.ordinateur_au_trait = 0;
        fin_partie(GameEndKind::no_move_after_human_move);
        return;
    }
    const bool searched = result.answer == SearchAnswer::searched;
    int chosen = result.index;

    const PieceCounts counts = count_pieces(g.damier_affiche);
    const int legal = static_cast<int>(result.root_moves.size());
    if (handicap_debutant(g.settings.niveau, pieces_of(counts, g.trait),
                          pieces_of(counts, g.trait ^ 1), legal, searched)) {
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
    m_clocks.start_turn(g.trait);
    g.ordinateur_au_trait = 0;
    m_observer.move_played(before, move, walk, true);

    g.sans_reflexion = 0;
    m_computer.reflexion_ce_tour = false;
    const int replies = legal_moves(g, m_work, g.trait);
    g.nb_coups_legaux = static_cast<std::uint8_t>(std::min(replies, 255));
    if (m_work.greatest_taken > 2) g.sans_reflexion = 1;
    m_computer.materiel_par_coup[g.num_demi_coup] = total_pieces(count_pieces(g.damier_affiche));
    if (replies == 0)
        fin_partie(GameEndKind::no_move_after_computer_move);
    else if (g.num_demi_coup >= LAST_GAME_PLY)
        fin_releve_plein();

    if (m_options.bip) m_observer.play_sound(MOVE_SOUND_FILE);
    if (m_options.ordinateur_contre_ordinateur &&
        stagnation_draw(g.num_demi_coup, m_computer.materiel_par_coup, m_computer.dernier_score))
        fin_partie(GameEndKind::draw);
    show_clocks();
    changed();
}

} // namespace selvako
