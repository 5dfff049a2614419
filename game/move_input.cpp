#include "game/move_input.h"

#include <algorithm>

#include "engine/move_generation.h"
#include "game/game_record.h"

namespace selvako {

namespace {

// Framed empty squares are redrawn plainly; a piece's own frame stays.
void unframe_empty(MoveInput& in, const GameState& game) {
    for (int s = 1; s <= NUM_SQUARES; ++s)
        if (game.damier_affiche[s] == EMPTY) in.frames[s] = FRAME_NONE;
}

void reset(MoveInput& in) {
    in.piece_prise = 0;
    in.nb_clics = 0;
    in.marques.fill(0);
    in.candidates.clear();
    in.piece_moves.clear();
    in.ambiguity = false;
    in.confirm = false;
}

Square landing(const MoveInput& in, int move_index, int w) {
    return in.piece_moves[move_index].landings[w - 1];
}

bool agrees_with_clicks(const MoveInput& in, int move_index, int clicks) {
    for (int k = 1; k <= clicks; ++k)
        if (landing(in, move_index, k) != in.chemin_clics[k]) return false;
    return true;
}

InputResult play(MoveInput& in, GameState& game, EngineState& engine, const GameClocks& clocks,
                 const PieceMove& pm) {
    InputResult result;
    result.outcome = InputOutcome::move_played;
    result.played = pm;
    result.before = game.damier_affiche;
    reset(in);
    // pick_up refuses a piece once the record is full, so there is room.
    if (!jouer_coup(game, engine, clocks, pm.move)) return {};
    // The origin, the landing squares and the arrival square are all redrawn.
    in.frames.fill(FRAME_NONE);
    return result;
}

bool pick_up(MoveInput& in, GameState& game, EngineState& engine, Square s) {
    const int count = legal_moves(game, engine, game.trait());
    game.nb_coups_legaux = static_cast<std::uint8_t>(std::min(count, 255));
    in.obligatory = engine.greatest_taken;
    if (in.obligatory > 0) in.capture_notice = true;
    bool legal_origin = false;
    for (int i = 0; i < count && !legal_origin; ++i) legal_origin = engine.list(1)[i].from == s;
    if (!legal_origin) return false;

    const int piece_count = generate_piece_moves(engine, s, game.trait());
    in.piece_moves.clear();
    for (int i = 0; i < piece_count; ++i) {
        PieceMove pm;
        pm.move = engine.list(1)[i];
        for (int k = 0; k < MAX_CAPTURED; ++k) pm.landings[k] = engine.piece_rows->landings[i][k];
        in.piece_moves.push_back(pm);
    }
    in.frames[s] = FRAME_RED;
    in.chemin_clics.fill(0);
    in.marques.fill(0);
    in.ambiguity = false;
    in.nb_clics = 0;
    in.chemin_clics[0] = s;
    in.piece_prise = game.damier_affiche[s];
    return true;
}

// Marks the next landing squares, advancing by itself through landings on
// which all remaining paths agree. Returns the square treated as clicked last.
Square look_ahead(MoveInput& in, Square clicked) {
    const int t = in.obligatory;
    in.candidates.clear();
    for (int i = 0; i < static_cast<int>(in.piece_moves.size()); ++i)
        if (agrees_with_clicks(in, i, in.nb_clics)) in.candidates.push_back(i);
    if (in.candidates.empty()) return clicked;

    for (int w = in.nb_clics + 1; w <= t; ++w) {
        const Square first = landing(in, in.candidates[0], w);
        in.marques[first] = 1;
        for (std::size_t c = 1; c < in.candidates.size(); ++c) {
            const Square a = landing(in, in.candidates[c - 1], w);
            const Square b = landing(in, in.candidates[c], w);
            if (a != b) {
                in.marques[a] = 1;
                in.marques[b] = 1;
                in.ambiguity = true;
            }
        }
        if (in.ambiguity) {
            for (int s = 1; s <= NUM_SQUARES; ++s)
                if (in.marques[s] != 0) in.frames[s] = FRAME_BLUE;
            bool shared_end = false;
            for (std::size_t a = 0; a < in.candidates.size() && !shared_end; ++a)
                for (std::size_t b = a + 1; b < in.candidates.size() && !shared_end; ++b)
                    shared_end = in.piece_moves[in.candidates[a]].move.to ==
                                 in.piece_moves[in.candidates[b]].move.to;
            if (!shared_end)
                for (int c : in.candidates) {
                    const Square end = in.piece_moves[c].move.to;
                    in.marques[end] = MARK_FINAL;
                    in.frames[end] = FRAME_MAGENTA;
                }
            return clicked;
        }
        ++in.nb_clics;
        if (in.nb_clics < t) in.marques[first] = 0;
        in.chemin_clics[in.nb_clics] = first;
        clicked = first;
    }
    return clicked;
}

InputResult capture_input(MoveInput& in, GameState& game, EngineState& engine,
                          const GameClocks& clocks, Square s, bool hold) {
    const int t = in.obligatory;
    // Waiting for the held capture's final square: nothing else completes it.
    if (in.confirm && in.marques[s] != MARK_FINAL) return {InputOutcome::waiting, {}, {}};
    if (in.marques[s] != 0) {
        ++in.nb_clics;
        if (in.nb_clics < t && in.marques[s] < MARK_FINAL) {
            in.marques.fill(0);
            unframe_empty(in, game);
        }
        in.chemin_clics[in.nb_clics] = s;
        // The paths that remain are compared afresh, so that landings on
        // which they all agree are completed by themselves.
        in.ambiguity = false;
    }
    if (in.marques[s] != MARK_FINAL) s = look_ahead(in, s);

    const bool direct = in.marques[s] == MARK_FINAL;
    if (!((in.nb_clics >= t && in.marques[s] != 0) || direct))
        return {InputOutcome::waiting, {}, {}};

    const int entered = direct ? in.nb_clics - 1 : t;
    for (const PieceMove& pm : in.piece_moves) {
        bool match = direct ? pm.move.to == s : true;
        for (int k = 1; k <= entered && match; ++k)
            match = pm.landings[k - 1] == in.chemin_clics[k];
        if (!match) continue;
        if (!hold) return play(in, game, engine, clocks, pm);
        // The whole path followed by itself: it waits for a click on its end.
        in.nb_clics = 0;
        std::fill(in.chemin_clics.begin() + 1, in.chemin_clics.end(), Square{0});
        in.marques.fill(0);
        in.marques[pm.move.to] = MARK_FINAL;
        in.frames[pm.move.to] = FRAME_MAGENTA;
        in.confirm = true;
        return {InputOutcome::waiting, {}, {}};
    }
    return {InputOutcome::waiting, {}, {}};
}

InputResult plain_input(MoveInput& in, GameState& game, EngineState& engine,
                        const GameClocks& clocks, Square s, bool hold) {
    if (in.nb_clics == 0) {
        in.nb_clics = 1;
        for (const PieceMove& pm : in.piece_moves) in.marques[pm.move.to] = 1;
        if (in.piece_moves.size() == 1 && !hold)
            return play(in, game, engine, clocks, in.piece_moves[0]);
        for (const PieceMove& pm : in.piece_moves) in.frames[pm.move.to] = FRAME_MAGENTA;
        return {InputOutcome::picked_up, {}, {}};
    }
    if (in.marques[s] == 0) return {};
    for (const PieceMove& pm : in.piece_moves)
        if (pm.move.to == s) return play(in, game, engine, clocks, pm);
    return {};
}

} // namespace

void MoveInput::drop(const GameState& game) {
    if (chemin_clics[0] != 0) frames[chemin_clics[0]] = FRAME_NONE;
    reset(*this);
    chemin_clics.fill(0);
    unframe_empty(*this, game);
}

InputResult clic_case(MoveInput& in, GameState& game, EngineState& engine, const GameClocks& clocks,
                      Square s, bool may_play_at_once) {
    if (s < 1 || s > NUM_SQUARES) return {};
    if (in.piece_prise != 0 && in.marques[s] == 0 && s == in.chemin_clics[0]) {
        in.frames[s] = FRAME_NONE;
        reset(in);
        unframe_empty(in, game);
        return {InputOutcome::put_back, {}, {}};
    }
    bool picked_now = false;
    if (in.piece_prise == 0) {
        // The record has no room past its last ply.
        if (game.num_demi_coup >= LAST_GAME_PLY) return {};
        if (!pick_up(in, game, engine, s)) return {};
        picked_now = true;
    }
    const bool hold = picked_now && !may_play_at_once;
    InputResult result = in.obligatory > 0 ? capture_input(in, game, engine, clocks, s, hold)
                                           : plain_input(in, game, engine, clocks, s, hold);
    if (picked_now && result.outcome == InputOutcome::waiting)
        result.outcome = InputOutcome::picked_up;
    return result;
}

} // namespace selvako
