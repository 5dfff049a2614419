#include "game/game_record.h"

#include <algorithm>
#include <cstdio>

#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako {

namespace {

std::string_view square_name(Square s) {
    return SQUARE_NAMES[s <= NUM_SQUARES ? s : 0];
}

std::string half_move(const FicheCoup& record) {
    std::string text(square_name(record.from));
    text += record.taken > 0 ? 'x' : '-';
    text += square_name(record.to);
    return text;
}

std::string move_number(int number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%2d.", number);
    return buffer;
}

void select_line(MoveList& list, int line) {
    list.selected = (line >= 0 && line < static_cast<int>(list.lines.size())) ? line : -1;
}

// With Black to move at ply 0 every ply sits one half line later: Black's
// first move takes the second column of line 0.
int black_first(const GameState& game) {
    return game.premier_trait == BLACK ? 1 : 0;
}

// The line that holds the move of `ply`: none for the start position.
int line_of_ply(const GameState& game, int ply) {
    return ply > 0 ? (ply + black_first(game) - 1) / 2 : -1;
}

std::string black_opening_line(const FicheCoup& black) {
    return move_number(1) + " ... " + half_move(black);
}

// Plies past the game's end are not part of it; the analysis and the text
// export read the record, so they must find nothing there.
void clear_plies_after(GameState& game, int last) {
    FicheCoup empty;
    empty.board[0] = SENTINEL;
    for (int ply = std::max(last + 1, 1); ply < HISTORY_PLIES; ++ply) game.historique[ply] = empty;
}

// What every jump through the record shares: the names now shown are kept,
// the record is restored and the display follows.
void show_ply(GameState& game, GameClocks& clocks, int ply) {
    game.num_demi_coup = static_cast<std::uint8_t>(ply);
    FicheCoup& record = game.historique[game.num_demi_coup];
    record.nom_blanc = game.nom_blanc;
    record.nom_noir = game.nom_noir;
    restaurer_coup(game, clocks);
}

} // namespace

void select_ply_line(GameState& game) {
    select_line(game.liste_coups, line_of_ply(game, game.num_demi_coup));
}

void noter_coup(GameState& game, const GameClocks& clocks) {
    FicheCoup& record = game.historique[game.num_demi_coup];
    record.board = game.damier_affiche;
    record.board[0] = SENTINEL;
    record.taken = game.taken_to_record;
    record.from = game.from_to_record;
    record.to = game.to_to_record;
    record.temps_blanc = clocks.temps_blanc();
    record.temps_noir = clocks.temps_noir();
    record.nom_blanc = game.nom_blanc;
    record.nom_noir = game.nom_noir;
    record.couleur_ordinateur = game.couleur_ordinateur;
}

void restaurer_coup(GameState& game, GameClocks& clocks) {
    const FicheCoup& record = game.historique[game.num_demi_coup];
    game.damier_affiche = record.board;
    game.damier_affiche[0] = SENTINEL;
    clocks.restore(record.temps_blanc, record.temps_noir);
    game.couleur_ordinateur = record.couleur_ordinateur;
    game.nom_blanc = record.nom_blanc;
    game.nom_noir = record.nom_noir;
    game.nom_blanc.back() = '\0';
    game.nom_noir.back() = '\0';
}

std::string ligne_complete(int number, const FicheCoup& white, const FicheCoup& black) {
    return move_number(number) + half_move(white) + ' ' + half_move(black);
}

std::string demi_ligne(int number, const FicheCoup& white) {
    return move_number(number) + half_move(white) + ' ';
}

void afficher_coup(GameState& game) {
    MoveList& list = game.liste_coups;
    if (game.longueur_partie <= 1) list.clear();
    const int p = game.num_demi_coup;
    const int q = p + black_first(game);
    if (q % 2 == 0) {
        const int line = q / 2 - 1;
        std::string text = p == 1
                               ? black_opening_line(game.historique[1])
                               : ligne_complete(q / 2, game.historique[p - 1], game.historique[p]);
        if (line < static_cast<int>(list.lines.size()))
            list.lines[line] = std::move(text);
        else
            list.lines.push_back(std::move(text));
        select_line(list, line);
    } else {
        list.lines.push_back(demi_ligne(q / 2 + 1, game.historique[p]));
        select_line(list, static_cast<int>(list.lines.size()) - 1);
    }
}

bool jouer_coup(GameState& game, EngineState& work, const GameClocks& clocks, const Move& move) {
    // Every path that records a ply comes through here: past the last ply
    // the next record would overwrite the settings or fall off the array.
    if (game.num_demi_coup >= LAST_GAME_PLY) return false;
    work.set_position(game.damier_affiche);
    make_move(work, move);
    game.damier_affiche = work.board;
    if (game.num_demi_coup < game.longueur_partie) {
        auto& lines = game.liste_coups.lines;
        const std::size_t keep = (game.num_demi_coup + black_first(game)) / 2;
        if (lines.size() > keep) lines.resize(keep);
        select_line(game.liste_coups, game.liste_coups.selected);
        clear_plies_after(game, game.num_demi_coup);
    }
    ++game.num_demi_coup;
    game.longueur_partie = game.num_demi_coup;
    game.taken_to_record = move.taken;
    game.from_to_record = move.from;
    game.to_to_record = move.to;
    game.dernier_coup = {move.from, move.to};
    noter_coup(game, clocks);
    afficher_coup(game);
    return true;
}

void nouvelle_partie(GameState& game, GameClocks& clocks) {
    game.num_demi_coup = 0;
    game.longueur_partie = 0;
    clocks.reset();
    game.premier_trait = WHITE;
    game.damier_affiche = start_position();
    game.dernier_coup = {};
    game.taken_to_record = 0;
    game.from_to_record = 0;
    game.to_to_record = 0;
    game.ordinateur_au_trait = 0;
    game.mode_match = MatchMode::none;
    game.liste_coups.clear();
    clear_plies_after(game, 0);
    noter_coup(game, clocks);
}

void nouveau_releve(GameState& game, const GameClocks& clocks) {
    // The side to move on the board moves first in the new record.
    game.premier_trait = game.trait();
    game.num_demi_coup = 0;
    game.longueur_partie = 0;
    game.dernier_coup = {};
    game.taken_to_record = 0;
    game.from_to_record = 0;
    game.to_to_record = 0;
    game.liste_coups.clear();
    clear_plies_after(game, 0);
    noter_coup(game, clocks);
}

bool reprise(GameState& game, GameClocks& clocks) {
    const bool moved = game.num_demi_coup > 0;
    if (moved) {
        show_ply(game, clocks, game.num_demi_coup - 1);
        select_line(game.liste_coups, line_of_ply(game, game.num_demi_coup));
    }
    game.sans_reflexion = 1;
    game.ordinateur_au_trait = 0;
    return moved;
}

bool avancer(GameState& game, GameClocks& clocks) {
    if (game.num_demi_coup >= game.longueur_partie) return false;
    show_ply(game, clocks, game.num_demi_coup + 1);
    select_line(game.liste_coups, line_of_ply(game, game.num_demi_coup));
    game.mode_match = MatchMode::none;
    game.sans_reflexion = 1;
    return true;
}

bool revenir_debut(GameState& game, GameClocks& clocks) {
    const bool moved = game.num_demi_coup != 0;
    show_ply(game, clocks, 0);
    select_line(game.liste_coups, -1);
    game.mode_match = MatchMode::none;
    clocks.restore(0, 0);
    return moved;
}

bool Aller_fin(GameState& game, GameClocks& clocks) {
    const int last = game.longueur_partie & 0xFF;
    const bool moved = game.num_demi_coup != last;
    show_ply(game, clocks, std::min(last, LAST_PLY));
    select_line(game.liste_coups, line_of_ply(game, game.num_demi_coup));
    game.mode_match = MatchMode::none;
    return moved;
}

bool revenir_n(GameState& game, GameClocks& clocks, int line) {
    if (line < 0 || line >= static_cast<int>(game.liste_coups.lines.size())) return false;
    const int offset = black_first(game);
    int ply = 2 * line + ((game.num_demi_coup + offset) % 2) - offset;
    ply = std::clamp(ply, 0, std::min<int>(game.longueur_partie, LAST_PLY));
    const bool moved = ply != game.num_demi_coup;
    show_ply(game, clocks, ply);
    select_line(game.liste_coups, line);
    return moved;
}

void apres_lecture(GameState& game, GameClocks& clocks) {
    FicheCoup& first = game.historique[0];
    game.longueur_partie = first.board[0];
    first.board[0] = SENTINEL;
    restaurer_coup(game, clocks);

    if (game.longueur_partie < game.num_demi_coup) game.longueur_partie = game.num_demi_coup;
    // Past its length the file carries its settings, not plies.
    clear_plies_after(game, std::min<int>(game.longueur_partie, LAST_PLY));

    // Every recorded ply is listed once: full lines for the move pairs, then
    // a half line when the record ends on a White move.
    MoveList& list = game.liste_coups;
    list.clear();
    const int length = std::min<int>(game.longueur_partie, LAST_PLY);
    const int offset = black_first(game);
    if (offset == 1 && length >= 1) list.lines.push_back(black_opening_line(game.historique[1]));
    for (int p = 2 + offset; p <= length; p += 2)
        list.lines.push_back(
            ligne_complete((p + offset) / 2, game.historique[p - 1], game.historique[p]));
    if (length > 0 && (length + offset) % 2 == 1) {
        std::string half = demi_ligne((length + offset) / 2 + 1, game.historique[length]);
        half.pop_back();
        list.lines.push_back(std::move(half));
    }
    select_line(list, line_of_ply(game, game.num_demi_coup));
    game.sans_reflexion = 1;
}

int legal_moves(const GameState& game, EngineState& work, int side) {
    work.set_position(game.damier_affiche);
    return generate_root_moves(work, side);
}

GameEnd fin_entre_humains(GameState& game, EngineState& work) {
    int count = 0;
    const GameEnd end =
        position_end(work, game.damier_affiche, game.trait(), game.num_demi_coup, &count);
    game.nb_coups_legaux = static_cast<std::uint8_t>(std::min(count, 255));
    return end;
}

} // namespace selvako
