#pragma once
// Formations as data: squares that must hold a white man, a black man, be
// empty, be occupied or hold no man of a colour, with phase and side-to-move
// conditions and an amount. Catalogues are written from White's side in a
// short text ("W13 B6 E1 O2 w14 b18": white man on 13, black man on 6, 1
// empty, 2 occupied, no white man on 14, no black man on 18) and the Black
// formations are derived by the mirror s <-> 33 - s with the colours and the
// side to move exchanged and the amount negated.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/board.h"

namespace selvako {

enum class ToMove : std::uint8_t { EITHER, WHITE_MOVES, BLACK_MOVES };

inline constexpr std::uint8_t ALL_PHASES = 0b1111;
inline constexpr std::uint8_t OPENING_ONLY = 0b0001;
inline constexpr std::uint8_t BEFORE_PRE_FINAL = 0b0011; // opening and middle game

struct FormationText {
    std::string_view squares;
    int amount;
    std::uint8_t phases = ALL_PHASES;
    ToMove to_move = ToMove::EITHER;
};

struct Formation {
    std::uint32_t white_men = 0;
    std::uint32_t black_men = 0;
    std::uint32_t empty = 0;
    std::uint32_t occupied = 0;
    std::uint32_t no_white_man = 0;
    std::uint32_t no_black_man = 0;
    std::uint8_t phases = ALL_PHASES;
    ToMove to_move = ToMove::EITHER;
    std::int16_t amount = 0;
};

// The board as three bit sets, bit s - 1 for square s.
struct BoardMasks {
    std::uint32_t white_men = 0;
    std::uint32_t black_men = 0;
    std::uint32_t occupied = 0;
};

BoardMasks board_masks(const BoardArray& board);

constexpr bool squares_match(const Formation& f, const BoardMasks& m) {
    return (m.white_men & f.white_men) == f.white_men &&
           (m.black_men & f.black_men) == f.black_men && (m.occupied & f.empty) == 0 &&
           (m.occupied & f.occupied) == f.occupied && (m.white_men & f.no_white_man) == 0 &&
           (m.black_men & f.no_black_man) == 0;
}

constexpr bool conditions_match(const Formation& f, int root_phase, bool wtm) {
    if ((f.phases & (1u << root_phase)) == 0) return false;
    if (f.to_move == ToMove::WHITE_MOVES && !wtm) return false;
    if (f.to_move == ToMove::BLACK_MOVES && wtm) return false;
    return true;
}

namespace detail {

// A malformed catalogue line stops the compilation here.
inline void bad_formation_text() {}

constexpr Formation compile_formation(const FormationText& text) {
    Formation f;
    f.phases = text.phases;
    f.to_move = text.to_move;
    f.amount = static_cast<std::int16_t>(text.amount);
    std::size_t i = 0;
    const std::string_view s = text.squares;
    while (i < s.size()) {
        if (s[i] == ' ') {
            ++i;
            continue;
        }
        const char kind = s[i++];
        int square = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') square = square * 10 + (s[i++] - '0');
        if (square < 1 || square > NUM_SQUARES) bad_formation_text();
        const std::uint32_t bit = 1u << (square - 1);
        switch (kind) {
        case 'W':
            f.white_men |= bit;
            break;
        case 'B':
            f.black_men |= bit;
            break;
        case 'E':
            f.empty |= bit;
            break;
        case 'O':
            f.occupied |= bit;
            break;
        case 'w':
            f.no_white_man |= bit;
            break;
        case 'b':
            f.no_black_man |= bit;
            break;
        default:
            bad_formation_text();
        }
    }
    // A square cannot be asked to hold two things at once.
    const std::uint32_t pieces = f.white_men | f.black_men | f.occupied;
    if ((f.white_men & f.black_men) || (f.empty & pieces) || (f.white_men & f.no_white_man) ||
        (f.black_men & f.no_black_man))
        bad_formation_text();
    return f;
}

constexpr std::uint32_t mirror_bits(std::uint32_t bits) {
    std::uint32_t out = 0;
    for (int s = 1; s <= NUM_SQUARES; ++s)
        if (bits & (1u << (s - 1))) out |= 1u << (NUM_SQUARES - s);
    return out;
}

constexpr Formation mirror_formation(const Formation& f) {
    Formation m;
    m.white_men = mirror_bits(f.black_men);
    m.black_men = mirror_bits(f.white_men);
    m.empty = mirror_bits(f.empty);
    m.occupied = mirror_bits(f.occupied);
    m.no_white_man = mirror_bits(f.no_black_man);
    m.no_black_man = mirror_bits(f.no_white_man);
    m.phases = f.phases;
    m.to_move = f.to_move == ToMove::WHITE_MOVES   ? ToMove::BLACK_MOVES
                : f.to_move == ToMove::BLACK_MOVES ? ToMove::WHITE_MOVES
                                                   : ToMove::EITHER;
    m.amount = static_cast<std::int16_t>(-f.amount);
    return m;
}

} // namespace detail

// The White formations as written.
template <std::size_t N>
constexpr std::array<Formation, N> compile_formations(const std::array<FormationText, N>& texts) {
    std::array<Formation, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = detail::compile_formation(texts[i]);
    return out;
}

// Their Black counterparts, in the same order.
template <std::size_t N>
constexpr std::array<Formation, N> mirror_formations(const std::array<FormationText, N>& texts) {
    std::array<Formation, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = detail::mirror_formation(detail::compile_formation(texts[i]));
    return out;
}

} // namespace selvako
