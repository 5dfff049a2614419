// The Hub protocol's lines, positions and moves as GUIs write them for 8x8
// draughts, and everything a hostile or careless sender may write instead.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

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
    for (const char* bad : {"pos moves=\"22-18", "level =3", "pos pos=\"a\"b", "level depth=3\x01",
                            "go th\"ink", "ping\x1b[2J"}) {
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
    for (const std::string& bad : {std::string("W"), too_long, bad_side, bad_letter,
                                   white_man_crowned, black_man_crowned, thirteen}) {
        const HubPositionResult r = parse_hub_position(bad);
        EXPECT_FALSE(r.position) << bad;
        EXPECT_FALSE(r.error.empty()) << bad;
    }
}

TEST(HubNotation, MovesAreFoundAmongTheLegalOnes) {
    EngineState work;
    const BoardArray start = start_position();
    const HubMoveResult c3d4 = find_hub_move(start, WHITE, "22-18", HubNumbering::selvako, work);
    ASSERT_TRUE(c3d4.move) << c3d4.error;
    EXPECT_EQ(move_text(*c3d4.move), "c3-d4");
    EXPECT_EQ(hub_move(*c3d4.move, HubNumbering::selvako), "22-18");
    // Black's first moves go down the board.
    EXPECT_EQ(move_text(*find_hub_move(start, BLACK, "9-13", HubNumbering::selvako, work).move),
              "b6-a5");
    for (const char* bad : {"22-19", "18-22", "22x18", "22--18", "x", "33-29", "0-4", "22-18-14",
                            "22-18x15", "", "-", "22 18"}) {
        const HubMoveResult r = find_hub_move(start, WHITE, bad, HubNumbering::selvako, work);
        EXPECT_FALSE(r.move) << bad;
        EXPECT_FALSE(r.error.empty()) << bad;
    }
}

TEST(HubNotation, CapturesNameTheirPiecesInAnyOrder) {
    EngineState work;
    // The white man on c3 (22) takes d4 (18) and f6 (11), landing on g7 (8).
    const Position p = *parse_fen("W:Wc3:Bd4,f6,h8").position;
    for (const char* text : {"22x8x18x11", "22x8x11x18", "22x8"}) {
        const HubMoveResult r = find_hub_move(p.board, WHITE, text, HubNumbering::selvako, work);
        ASSERT_TRUE(r.move) << text << ": " << r.error;
        EXPECT_EQ(r.move->taken, 2);
    }
    EXPECT_EQ(hub_move(*find_hub_move(p.board, WHITE, "22x8", HubNumbering::selvako, work).move,
                       HubNumbering::selvako),
              "22x8x18x11");
    EXPECT_FALSE(find_hub_move(p.board, WHITE, "22x8x18", HubNumbering::selvako, work).move);
    EXPECT_FALSE(find_hub_move(p.board, WHITE, "22x8x18x4", HubNumbering::selvako, work).move);
    EXPECT_FALSE(find_hub_move(p.board, WHITE, "22-18", HubNumbering::selvako, work).move);
}

TEST(HubNotation, ALineOfPlayStopsAtItsFirstImpossibleMove) {
    EngineState work;
    const Position start{start_position(), WHITE};
    Move c3d4 = *find_hub_move(start.board, WHITE, "22-18", HubNumbering::selvako, work).move;
    Move f6e5 = *find_hub_move(start.board, BLACK, "11-15", HubNumbering::selvako, work).move;
    EXPECT_EQ(hub_line_of_moves(start, {c3d4, f6e5}, HubNumbering::selvako, work), "22-18 11-15");
    // A second White move in a row is not in the line.
    EXPECT_EQ(hub_line_of_moves(start, {c3d4, c3d4}, HubNumbering::selvako, work), "22-18");
}

// One move in each numbering: as the engine writes it, another way a client
// may write it (the pieces taken in another order), and where it goes.
struct NumberedMove {
    HubNumbering numbering;
    const char* fen;
    const char* written;
    const char* also_read;
    const char* ends_only;
    const char* algebraic;
};

class HubNumberingTest : public testing::TestWithParam<NumberedMove> {};

TEST_P(HubNumberingTest, MovesReadAndWriteInTheirNumbering) {
    const NumberedMove& c = GetParam();
    EngineState work;
    const Position p = *parse_fen(c.fen).position;
    for (const char* text : {c.written, c.also_read, c.ends_only}) {
        const HubMoveResult r = find_hub_move(p.board, p.side_to_move, text, c.numbering, work);
        ASSERT_TRUE(r.move) << text << ": " << r.error;
        EXPECT_EQ(move_text(*r.move), c.algebraic) << text;
        EXPECT_EQ(hub_move(*r.move, c.numbering), c.written) << text;
    }
    const HubNumbering other =
        c.numbering == HubNumbering::pdn ? HubNumbering::selvako : HubNumbering::pdn;
    const HubMoveResult misread = find_hub_move(p.board, p.side_to_move, c.written, other, work);
    EXPECT_FALSE(misread.move && move_text(*misread.move) == c.algebraic) << c.written;
}

INSTANTIATE_TEST_SUITE_P(
    BothNumberings, HubNumberingTest,
    testing::Values(
        NumberedMove{HubNumbering::pdn, "W:W1-12:B21-32", "9-13", "9-13", "9-13", "a3-b4"},
        NumberedMove{HubNumbering::selvako, "W:W1-12:B21-32", "21-17", "21-17", "21-17", "a3-b4"},
        // Black's first moves in PDN numbers go down from 21-24.
        NumberedMove{HubNumbering::pdn, "B:W1-12:B21-32", "22-18", "22-18", "22-18", "d6-c5"},
        NumberedMove{HubNumbering::pdn, "W:Wc3:Bd4,f6,h8", "10x28x14x23", "10x28x23x14", "10x28",
                     "c3xg7"},
        NumberedMove{HubNumbering::selvako, "W:Wc3:Bd4,f6,h8", "22x8x18x11", "22x8x11x18", "22x8",
                     "c3xg7"},
        // Taken e5 (19) first, then c3 (10): PDN lists them in ascending order.
        NumberedMove{HubNumbering::pdn, "B:We5,c3:Bf6", "23x5x10x19", "23x5x19x10", "23x5",
                     "f6xb2"},
        NumberedMove{HubNumbering::selvako, "B:We5,c3:Bf6", "11x25x15x22", "11x25x22x15", "11x25",
                     "f6xb2"}),
    [](const testing::TestParamInfo<NumberedMove>& param_info) {
        std::string name = param_info.param.numbering == HubNumbering::pdn ? "pdn_" : "selvako_";
        for (const char c : std::string_view(param_info.param.written))
            name += std::isdigit(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(HubNotation, ALineOfPlayIsWrittenInTheNumberingAsked) {
    EngineState work;
    const Position start{start_position(), WHITE};
    const Move a3b4 = *find_hub_move(start.board, WHITE, "9-13", HubNumbering::pdn, work).move;
    const Move h6g5 = *find_hub_move(start.board, BLACK, "24-20", HubNumbering::pdn, work).move;
    EXPECT_EQ(hub_line_of_moves(start, {a3b4, h6g5}, HubNumbering::pdn, work), "9-13 24-20");
    EXPECT_EQ(hub_line_of_moves(start, {a3b4, h6g5}, HubNumbering::selvako, work), "21-17 12-16");
}

} // namespace
} // namespace selvako
