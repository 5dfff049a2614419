#include "game/clipboard_text.h"

#include "files/pdn_file.h"
#include "game/game_import.h"

namespace selvako {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// A FEN starts with the side to move and a colon; PDN starts with a tag, a
// move number or a move, never with "W:" or "B:".
bool looks_like_fen(std::string_view text) {
    return text.size() >= 2 && text[1] == ':' &&
           (text[0] == 'W' || text[0] == 'B' || text[0] == 'w' || text[0] == 'b');
}

// A side with nothing left is no position a game can go on from (the FEN
// reader itself refuses a man on its promotion row).
std::string playable_error(const Position& position) {
    const PieceCounts counts = count_pieces(position.board);
    if (counts[WHITE_MAN] + counts[WHITE_KING] == 0 || counts[BLACK_MAN] + counts[BLACK_KING] == 0)
        return "a side has no piece";
    return {};
}

} // namespace

std::string position_fen(const GameState& game) {
    Position position;
    position.board = game.damier_affiche;
    position.side_to_move = game.trait();
    return to_fen(position);
}

std::string game_pdn(const GameState& game) {
    PdnTags tags;
    tags.white = name_text(game.nom_blanc);
    tags.black = name_text(game.nom_noir);
    tags.result = game.dernier_resultat;
    return pdn_game(tags, played_game(game));
}

GameTextFile read_clipboard_text(std::string_view text, const GameState& current) {
    const std::string_view body = trimmed(text);
    if (body.empty()) return GameTextFile{{}, "empty clipboard"};
    if (looks_like_fen(body)) {
        const FenResult fen = parse_fen(body);
        if (!fen.position) return GameTextFile{{}, fen.error};
        if (std::string error = playable_error(*fen.position); !error.empty())
            return GameTextFile{{}, error};
        GameText game;
        game.white = name_text(current.nom_blanc);
        game.black = name_text(current.nom_noir);
        game.start = fen.position;
        return GameTextFile{{game}, {}};
    }
    GameTextFile file = read_pdn_games(body);
    // Any prose reads as a PDN game without tags or moves: that is no game.
    std::erase_if(file.games,
                  [](const GameText& g) { return g.moves.empty() && !g.start && g.tags.empty(); });
    if (file.error.empty() && file.games.empty()) file.error = "no game";
    if (!file.error.empty()) file.games.clear();
    return file;
}

} // namespace selvako
