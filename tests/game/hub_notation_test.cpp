// The Hub protocol's lines, positions and moves as GUIs write them for 8x8
// draughts, and everything a hostile or careless sender may write instead.

#include <gtest/gtest.h>

#include "engine/engine_state.h"
#include "game/hub_line.h"
#include "game/hub_notation.h"

namespace selvako {
namespace {

// Side to move, then the letters of squares 1..32.
std::string letters(char side, std::string_view squares) {
    std::string text(1, side);
    text.append(squares);
    return text;
}

std::string start_letters() {
    std::string squares(12, 'b');
    squares.append(8, 'e');
    squares.append(12, 'w');
    return letters('W', squares);
}

TEST(HubLine, CommandsArgumentsFlagsAndQuotes) {
    const HubLineResult r =
        parse_hub_line("pos pos=Wbbbbbbbbbbbbeeeeeeeewwwwwwwwwwww moves=\"22-18 9-13\"\r");
    ASSERT_TRUE(r.line) << r.error;
    EXPECT_EQ(r.line->command, "pos");
    EXPECT_EQ(r.line->value("moves"), "22-18 9-13");
    EXPECT_EQ(r.line->value("pos")->size(), 33u);

    const HubLineResult go = parse_hub_line("  go\tponder  ");
    ASSERT_TRUE(go.line);
    EXPECT_EQ(go.line->command, "go");
    EXPECT_TRUE(go.line->has("ponder"));
    EXPECT_FALSE(go.line->has("think"));

    const HubLineResult empty_value = parse_hub_line("set-param name=x value=\"\"");
    ASSERT_TRUE(empty_value.line);
    EXPECT_EQ(empty_value.line->value("value"), "");

    EXPECT_FALSE(parse_hub_line("   ").line);
    EXPECT_TRUE(parse_hub_line("   ").error.empty());
}

TEST(HubLine, MalformedLinesAreRefusedWithAReason) {
    for (const char* bad : {"pos moves=\"22-18", "level =3", "pos pos=\"a\"b",
                            "level depth=3\x01", "go th\"ink", "ping\x1b[2J"}) {
        const HubLineResult r = parse_hub_line(bad);
        EXPECT_FALSE(r.line) << bad;
        EXPECT_FALSE(r.error.empty()) << bad;
    }
    EXPECT_FALSE(parse_hub_line(std::string(MAX_HUB_LINE + 1, 'a')).line);
}

TEST(HubLine, ValuesAreQuotedWhenTheyMustBe) {
    EXPECT_EQ(hub_value("brazilian"), "brazilian");
    EXPECT_EQ(hub_value("22-18 9-13"), "\"22-18 9-13\"");
    EXPECT_EQ(hub_value(""), "\"\"");
    EXPECT_EQ(hub_value("a=b"), "\"a=b\"");
    EXPECT_EQ(hub_value("say \"no\""), "\"say no\"");
}

TEST(HubNotation, PositionsReadAndWriteLetterForLetter) {
    const std::string start = start_letters();
    EXPECT_EQ(hub_position({start_position(), WHITE}), start);
    const HubPositionResult read = parse_hub_position(start);
    ASSERT_TRUE(read.position) << read.error;
    EXPECT_EQ(read.position->board, start_position());

    // Square 1 is b8, square 32 g1: a black king on b8, a white king on g1.
    std::string squares(1, 'B');
    squares.append(30, 'e');
    squares.push_back('W');
    const std::string kings = letters('B', squares);
    const HubPositionResult k = parse_hub_position(kings);
    ASSERT_TRUE(k.position);
    EXPECT_EQ(k.position->side_to_move, BLACK);
    EXPECT_EQ(k.position->board[parse_square("b8")], BLACK_KING);
    EXPECT_EQ(k.position->board[parse_square("g1")], WHITE_KING);
}

TEST(HubNotation, ImpossiblePositionsAreRefused) {
    const std::string ok = start_letters();
    std::string too_long = ok;
    too_long.push_back('e');
    std::string bad_side = ok;
    bad_side[0] = 'X';
    std::string bad_letter = ok;
    bad_letter[32] = 'x';
    std::string white_man_crowned = ok;
    white_man_crowned[1] = 'w';
    std::string black_man_crowned = ok;
    black_man_crowned[32] = 'b';
    std::string thirteen = ok;
    thirteen[13] = 'b';
    for (const std::string& bad :
         {std::string("W"), too_long, bad_side, bad_letter, white_man_crowned, black_man_crowned, thirteen}) {
        const HubPositionResult r = parse_hub_position(bad);
        EXPECT_FALSE(r.position) << bad;
        EXPECT_FALSE(r.error.empty()) << bad;
    }
}

TEST(HubNotation, MovesAreFoundAmongTheLegalOnes) {
    EngineState work;
    const BoardArray start = start_position();
    const HubMoveResult c3d4 = find_hub_move(start, WHITE, "22-18", work);
    ASSERT_TRUE(c3d4.move) << c3d4.error;
    EXPECT_EQ(move_text(*c3d4.move), "c3-d4");
    EXPECT_EQ(hub_move(*c3d4.move), "22-18");
    // Black's first moves go down the board.
    EXPECT_EQ(move_text(*find_hub_move(start, BLACK, "9-13", work).move), "b6-a5");
    for (const char* bad : {"22-19", "18-22", "22x18", "22--18", "x", "33-29", "0-4",
                            "22-18-14", "22-18x15", "", "-", "22 18"}) {
        const HubMoveResult r = find_hub_move(start, WHITE, bad, work);
        EXPECT_FALSE(r.move) << bad;
        EXPECT_FALSE(r.error.empty()) << bad;
    }
}

TEST(HubNotation, CapturesNameTheirPiecesInAnyOrder) {
    EngineState work;
    // The white man on c3 (22) takes d4 (18) and f6 (11), landing on g7 (8).
    const Position p = *parse_fen("W:Wc3:Bd4,f6,h8").position;
    for (const char* text : {"22x8x18x11", "22x8x11x18", "22x8"}) {
        const HubMoveResult r = find_hub_move(p.board, WHITE, text, work);
        ASSERT_TRUE(r.move) << text << ": " << r.error;
        EXPECT_EQ(r.move->taken, 2);
    }
    EXPECT_EQ(hub_move(*find_hub_move(p.board, WHITE, "22x8", work).move), "22x8x18x11");
    EXPECT_FALSE(find_hub_move(p.board, WHITE, "22x8x18", work).move);
    EXPECT_FALSE(find_hub_move(p.board, WHITE, "22x8x18x4", work).move);
    EXPECT_FALSE(find_hub_move(p.board, WHITE, "22-18", work).move);
}

TEST(HubNotation, ALineOfPlayStopsAtItsFirstImpossibleMove) {
    EngineState work;
    const Position start{start_position(), WHITE};
    Move c3d4 = *find_hub_move(start.board, WHITE, "22-18", work).move;
    Move f6e5 = *find_hub_move(start.board, BLACK, "11-15", work).move;
    EXPECT_EQ(hub_line_of_moves(start, {c3d4, f6e5}, work), "22-18 11-15");
    // A second White move in a row is not in the line.
    EXPECT_EQ(hub_line_of_moves(start, {c3d4, c3d4}, work), "22-18");
}

} // namespace
} // namespace selvako
