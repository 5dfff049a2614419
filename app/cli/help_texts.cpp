#include "app/cli/help_texts.h"

#include <array>
#include <iostream>

#include "app/cli/cli_options.h"

namespace selvako::cli {

namespace {

constexpr std::string_view USAGE =
    "usage:\n"
    "  selvako-cli perft DEPTH [--fen FEN] [--divide] [--unique]\n"
    "  selvako-cli moves --fen FEN\n"
    "  selvako-cli probe --fen FEN [--data FOLDER]\n"
    "  selvako-cli eval --fen FEN [--terms]\n"
    "  selvako-cli go [--fen FEN] [--moves \"c3-d4 f6-e5 ...\"]\n"
    "                 [--depth D | --level N | --movetime S] [--no-book] [--data FOLDER]\n"
    "  selvako-cli bench [DEPTH]\n"
    "  selvako-cli play [--level N] [--white | --black] [--no-book] [--data FOLDER]\n"
    "  selvako-cli selfplay --level N --games K [--pdn OUT] [--no-book] [--data FOLDER]\n"
    "  selvako-cli convert IN OUT\n"
    "  selvako-cli hub [--data FOLDER]\n"
    "  selvako-cli match [--depth D | --nodes N | --movetime S] [--games N]\n"
    "                    [--openings FILE] [--params-a FILE] [--params-b FILE]\n"
    "                    [--table-a I] [--table-b I] [--hub-a CMD] [--hub-b CMD]\n"
    "                    [--threads 1|2] [--book] [--elo0 E] [--elo1 E]\n"
    "                    [--alpha A] [--beta B] [--until-verdict] [--data FOLDER]\n"
    "  selvako-cli analyse FILE [--depth D | --level N] [--pdn OUT] [--data FOLDER]\n";

constexpr std::string_view MORE =
    "  selvako-cli help COMMAND   the options and output lines of one command\n"
    "  selvako-cli --version\n"
    "\n"
    "Positions are W:W<squares>:B<squares> (side to move first, K for a king);\n"
    "a square is c3 or a number 1..32 from White's side (1 = a1), 1-12 a range.\n"
    "--data FOLDER reads the tables from FOLDER instead of the installed data.\n";

struct CommandHelp {
    std::string_view name;
    std::string_view text;
};

constexpr std::array<CommandHelp, 12> COMMANDS{{
    {"perft", "usage: selvako-cli perft DEPTH [--fen FEN] [--divide] [--unique]\n"
              "Counts the positions DEPTH plies (1 to 20) from the start position or FEN.\n"
              "  --divide   the count under each legal move, one line \"MOVE N\"\n"
              "  --unique   two paths taking the same pieces count as one move\n"
              "Prints \"perft D N\" for each depth from 1 to DEPTH (only DEPTH with\n"
              "--divide), then \"time S nps X\".\n"},
    {"moves", "usage: selvako-cli moves --fen FEN\n"
              "Lists the legal moves of the side to move, one a line: \"c3-d4\", or a\n"
              "capture with the squares it takes, \"a1xg3 c3,f4\".\n"},
    {"probe", "usage: selvako-cli probe --fen FEN [--data FOLDER]\n"
              "Looks a position of two to four pieces up in the endgame tables:\n"
              "\"table FILE, offset N\", then \"value V: draw\" or \"value V: White to move\n"
              "wins in N plies\" (or loses). Kings against men also print\n"
              "\"kings against men: ...\", whether the search counts the ending as won.\n"},
    {"eval", "usage: selvako-cli eval --fen FEN [--terms]\n"
             "The static evaluation for each side: \"eval white N\" and \"eval black N\",\n"
             "in hundredths of a man. --terms adds the phase and what each term\n"
             "gives, in 1/200 of a man, ending with \"  total N\".\n"},
    {"go",
     "usage: selvako-cli go [--fen FEN] [--moves \"c3-d4 f6-e5 ...\"]\n"
     "                      [--depth D | --level N | --movetime S] [--no-book] [--data FOLDER]\n"
     "Searches the position (the start position, or FEN; then the moves of\n"
     "--moves, as c3-d4, c3xe5 or 10-14) as the program does.\n"
     "  --depth D     to depth D\n"
     "  --level N     with level N's time (0 to 8; 5 by default)\n"
     "  --movetime S  about S seconds (decimals allowed)\n"
     "  --no-book     without the opening repertoires\n"
     "Prints a line of search information at each new depth or line of play,\n"
     "then \"bestmove c3-d4 score N\" (N in hundredths of a man; 0 for a move\n"
     "played without a search).\n"},
    {"bench", "usage: selvako-cli bench [DEPTH]\n"
              "Searches 34 fixed positions to depth 10 (or DEPTH), each with a cleared\n"
              "table: \"position K nodes N\" for each, then \"bench nodes N time S nps X\".\n"
              "N is the search's signature.\n"},
    {"play", "usage: selvako-cli play [--level N] [--white | --black] [--no-book] [--data FOLDER]\n"
             "Plays the computer on the terminal (you are White unless --black; the\n"
             "computer at level N, 5 by default). Type c3-d4, c3xe5 or 10-14; \"draw\"\n"
             "offers or accepts a draw, \"resign\" resigns, \"quit\" stops. The board is\n"
             "printed after each move (w b men, W B kings); a refused move prints\n"
             "\"illegal move\"; the computer's, \"computer plays c3-d4\". The last line is\n"
             "\"result RESULT PLIES REASON\".\n"},
    {"selfplay",
     "usage: selvako-cli selfplay --level N --games K [--pdn OUT] [--no-book] [--data FOLDER]\n"
     "Plays K games of the computer against itself at level N, with the clocks\n"
     "and every rule that ends a game in the window. One line a game,\n"
     "\"game K RESULT PLIES REASON\" (RESULT 2-0 White won, 0-2 Black won, 1-1\n"
     "drawn; REASON no-moves, stagnation, record-full or draw-agreed), then\n"
     "\"total W D L\". --pdn OUT writes the games as PDN after each game.\n"},
    {"convert", "usage: selvako-cli convert IN OUT\n"
                "Converts games between .dam game files, .txt/.doc score sheets and .pdn,\n"
                "chosen by the extensions. Several games written as .dam become\n"
                "OUT-1.dam, OUT-2.dam, ... The last line is \"converted N\".\n"},
    {"hub", "usage: selvako-cli hub [--data FOLDER]\n"
            "Speaks the Hub protocol (version 2) on standard input and output for\n"
            "Brazilian draughts. Positions list the squares from 1 = b8; moves are\n"
            "numbered as PDN numbers this board, 1 = a1 (a3-b4 is 9-13; a capture\n"
            "is origin x end x every piece taken), or from 1 = b8 after\n"
            "\"set-param name=notation value=selvako\".\n"
            "Commands: hub, init, ping, set-param name=N value=V (variant, book,\n"
            "tt-size, notation), new-game, pos pos=P [moves=\"...\"], level depth=D |\n"
            "nodes=N | move-time=S | time=S [moves=M] [inc=S] | infinite, go think |\n"
            "ponder | analyze, ponder-hit, stop, quit.\n"
            "Answers: id, param ..., wait; ready; pong; info depth=D score=S nodes=N\n"
            "time=T pv=\"...\"; done move=M [ponder=P]; error message=\"...\".\n"},
    {"match", "usage: selvako-cli match [--depth D | --nodes N | --movetime S] [--games N]\n"
              "                         [--openings FILE] [--params-a FILE] [--params-b FILE]\n"
              "                         [--table-a I] [--table-b I] [--hub-a CMD] [--hub-b CMD]\n"
              "                         [--threads 1|2] [--book] [--elo0 E] [--elo1 E]\n"
              "                         [--alpha A] [--beta B] [--until-verdict]\n"
              "                         [--data FOLDER]\n"
              "Plays engine set-up A against B, each opening with both colours (depth 6\n"
              "a move by default). A side is this engine with a .par file and a table\n"
              "size (0 to 7), or a Hub program (--hub-a CMD, run with sh -c).\n"
              "Prints one line a game,\n"
              "  game K opening I \"MOVES\" a=white RESULT PLIES REASON\n"
              "then \"a wins W draws D losses L games N score P%\", the same as White and\n"
              "as Black, \"elo E interval LOW HIGH\" and\n"
              "\"sprt elo0 E0 elo1 E1 alpha A beta B llr X lower L upper U VERDICT\".\n"
              "--until-verdict begins no game once the test has accepted a hypothesis;\n"
              "the sprt line then gives the test as it stood when it decided.\n"},
    {"analyse",
     "usage: selvako-cli analyse FILE [--depth D | --level N] [--pdn OUT] [--data FOLDER]\n"
     "Analyses the first game of a .dam, text or PDN file as the window does,\n"
     "at depth D, level N or level 5. One line a ply, \"PLY MOVE SCORE best\n"
     "BEST SCORE\", scores in hundredths of a man for the side that moved,\n"
     "with \" * \" and the expected reply for a move half a man worse.\n"
     "--pdn OUT writes the game with the findings as comments.\n"},
}};

} // namespace

std::string_view usage_text() {
    return USAGE;
}

std::optional<std::string_view> command_help(std::string_view command) {
    for (const CommandHelp& help : COMMANDS)
        if (help.name == command) return help.text;
    return std::nullopt;
}

int run_help(std::string_view command) {
    if (command.empty()) {
        std::cout << "selvako-cli: the Selvako draughts engine without a window\n" << USAGE << MORE;
        return 0;
    }
    const auto text = command_help(command);
    if (!text) return usage_error("no command '" + shown_input(command) + "'");
    std::cout << *text;
    return 0;
}

int run_version() {
    std::cout << "selvako-cli " SELVAKO_VERSION "\n";
    return 0;
}

} // namespace selvako::cli
