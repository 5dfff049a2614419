#include "engine/fen.h"

#include <cctype>
#include <charconv>

#include "engine/promotion_row.h"

namespace selvako {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::optional<int> parse_number(std::string_view s) {
    if (s.empty() || s.size() > 2) return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
    return value;
}

FenResult failure(FenFault fault, std::string message, std::string where = {}) {
    return FenResult{std::nullopt, std::move(message), fault, std::move(where)};
}

std::string side_letter(int side) {
    return side == WHITE ? "W" : "B";
}

std::string side_name(int side) {
    return side == WHITE ? "White" : "Black";
}

// Adds one comma-separated item of a side's list ("c3", "K22", "21-32"); a
// refusal when it cannot.
std::optional<FenResult> add_item(Position& pos, std::string_view item, int side) {
    if (item.empty())
        return failure(FenFault::empty_square, "empty square in the list of " + side_name(side),
                       side_letter(side));
    bool king = false;
    std::string_view body = item;
    if (body.front() == 'K' || body.front() == 'k') {
        king = true;
        body.remove_prefix(1);
    }
    // PDN numbers, so that a range such as 1-12 follows the PDN counting.
    int first = 0;
    int last = 0;
    const auto dash = body.find('-');
    if (dash != std::string_view::npos) {
        const auto a = parse_number(body.substr(0, dash));
        const auto b = parse_number(body.substr(dash + 1));
        if (!a || !b || *a < 1 || *b > NUM_SQUARES || *a > *b)
            return failure(FenFault::bad_range, "bad square range '" + std::string(item) + "'",
                           std::string(item));
        first = *a;
        last = *b;
    } else {
        const Square s = parse_square(body);
        if (s == 0)
            return failure(FenFault::unknown_square, "unknown square '" + std::string(item) + "'",
                           std::string(item));
        first = last = pdn_number(s);
    }
    const std::uint8_t code = king ? own_king(side) : own_man(side);
    for (int n = first; n <= last; ++n) {
        const Square s = square_of_pdn_number(n);
        if (pos.board[s] != EMPTY)
            return failure(FenFault::square_twice,
                           "square " + std::string(SQUARE_NAMES[s]) + " listed twice",
                           std::string(SQUARE_NAMES[s]));
        pos.board[s] = code;
    }
    return std::nullopt;
}

} // namespace

Square parse_square(std::string_view text) {
    if (text.size() == 2 && std::isalpha(static_cast<unsigned char>(text[0])) &&
        std::isdigit(static_cast<unsigned char>(text[1]))) {
        const int file = std::tolower(static_cast<unsigned char>(text[0])) - 'a';
        const int rank = text[1] - '0';
        if (file < 0 || file > 7 || rank < 1 || rank > 8) return 0;
        return square_at(8 - rank, file);
    }
    const auto n = parse_number(text);
    if (!n || *n < 1 || *n > NUM_SQUARES) return 0;
    return square_of_pdn_number(*n);
}

Square square_of_pdn_number(int number) {
    if (number < 1 || number > NUM_SQUARES) return 0;
    const int rank_from_bottom = (number - 1) / 4;
    const int row_from_top = 7 - rank_from_bottom;
    // Each row holds four squares; PDN counts them from the a-file side as
    // this program does, only the rows run the other way.
    return static_cast<Square>(row_from_top * 4 + (number - 1) % 4 + 1);
}

int pdn_number(Square s) {
    if (s < 1 || s > NUM_SQUARES) return 0;
    const int row_from_top = (s - 1) / 4;
    return (7 - row_from_top) * 4 + (s - 1) % 4 + 1;
}

FenResult parse_fen(std::string_view text) {
    text = trim(text);
    Position pos;
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return failure(FenFault::no_colon, "missing ':' after the side to move");
    const std::string_view side = text.substr(0, colon);
    if (side == "W" || side == "w")
        pos.side_to_move = WHITE;
    else if (side == "B" || side == "b")
        pos.side_to_move = BLACK;
    else
        return failure(FenFault::bad_side, "bad side letter '" + std::string(side) + "' (W or B)",
                       std::string(side));

    bool seen[2] = {false, false};
    std::string_view rest = text.substr(colon + 1);
    while (true) {
        const auto next = rest.find(':');
        const std::string_view section = rest.substr(0, next);
        if (section.empty())
            return failure(FenFault::empty_section,
                           "empty section (expected W<squares> or B<squares>)");
        int owner;
        if (section.front() == 'W' || section.front() == 'w')
            owner = WHITE;
        else if (section.front() == 'B' || section.front() == 'b')
            owner = BLACK;
        else
            return failure(FenFault::bad_list_side,
                           "bad side letter '" + std::string(1, section.front()) + "' in '" +
                               std::string(section) + "'",
                           std::string(section));
        if (seen[owner])
            return failure(FenFault::side_twice, side_name(owner) + " listed twice",
                           side_letter(owner));
        seen[owner] = true;
        std::string_view items = section.substr(1);
        while (!items.empty()) {
            const auto comma = items.find(',');
            const std::string_view item = items.substr(0, comma);
            if (std::optional<FenResult> refused = add_item(pos, item, owner)) return *refused;
            if (comma == std::string_view::npos) break;
            items.remove_prefix(comma + 1);
            if (items.empty())
                return failure(FenFault::trailing_comma,
                               "trailing ',' in '" + std::string(section) + "'",
                               std::string(section));
        }
        if (next == std::string_view::npos) break;
        rest.remove_prefix(next + 1);
    }
    if (!seen[WHITE] || !seen[BLACK])
        return failure(FenFault::side_missing, "both W and B lists are needed");
    // The generators keep at most 15 captured squares; no side has more than its 12 pieces.
    const PieceCounts counts = count_pieces(pos.board);
    if (counts[WHITE_MAN] + counts[WHITE_KING] > 12)
        return failure(FenFault::too_many_pieces, "White has more than 12 pieces", "W");
    if (counts[BLACK_MAN] + counts[BLACK_KING] > 12)
        return failure(FenFault::too_many_pieces, "Black has more than 12 pieces", "B");
    if (const Square s = man_on_promotion_row(pos.board); s != 0)
        return failure(FenFault::promotion_row, promotion_row_error(s),
                       std::string(SQUARE_NAMES[s]));
    return FenResult{pos, {}, FenFault::none, {}};
}

std::string to_fen(const Position& position) {
    std::string text = position.side_to_move == BLACK ? "B" : "W";
    for (int side : {WHITE, BLACK}) {
        text += side == WHITE ? ":W" : ":B";
        bool first = true;
        for (int s = 1; s <= NUM_SQUARES; ++s) {
            const std::uint8_t code = position.board[s];
            if (code != own_man(side) && code != own_king(side)) continue;
            if (!first) text += ',';
            first = false;
            if (is_king(code)) text += 'K';
            text += SQUARE_NAMES[s];
        }
    }
    return text;
}

} // namespace selvako
