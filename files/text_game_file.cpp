#include "files/text_game_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "files/pdn_file.h"

namespace selvako {

namespace {

std::string half_move(const FicheCoup& record) {
    std::string text(SQUARE_NAMES[record.from <= NUM_SQUARES ? record.from : 0]);
    text += record.taken > 0 ? 'x' : '-';
    text += SQUARE_NAMES[record.to <= NUM_SQUARES ? record.to : 0];
    return text;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool starts_with_move_number(std::string_view line) {
    line = trim(line);
    std::size_t i = 0;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
    return i > 0 && i < line.size() && line[i] == '.';
}

// "Inconnu-Selvako  2-0": the result the export puts after the names is
// read as the result, not as part of Black's name.
void read_header(std::string_view line, GameText& game) {
    line = trim(line);
    if (line.size() >= 5) {
        const std::string_view tail = line.substr(line.size() - 3);
        const Outcome result = outcome_of_result(tail);
        if (result != Outcome::none &&
            std::isspace(static_cast<unsigned char>(line[line.size() - 4]))) {
            game.result = result;
            line = trim(line.substr(0, line.size() - 3));
        }
    }
    const auto dash = line.find('-');
    game.white = cut_name(trim(line.substr(0, dash)));
    if (dash == std::string_view::npos) return;
    std::string_view black = line.substr(dash + 1);
    black = black.substr(0, black.find('-'));
    game.black = cut_name(trim(black));
}

void read_moves(std::string_view line, GameText& game) {
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        std::size_t end = i;
        while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end]))) ++end;
        std::string_view word = line.substr(i, end - i);
        i = end;
        // " 1.c3-d4": the move number may be glued to White's move.
        drop_move_number(word);
        if (word.empty()) continue;
        if (const Outcome result = outcome_of_result(word); result != Outcome::none) {
            game.result = result;
            continue;
        }
        // Anything else that is not a move ("Selvako144") is passed over.
        if (auto move = parse_move_word(word)) game.moves.push_back(std::move(*move));
    }
}

bool is_fen_line(std::string_view line) {
    line = trim(line);
    return line.size() > 2 && (line[0] == 'W' || line[0] == 'B') && line[1] == ':';
}

} // namespace

std::string text_game(const std::string& white, const std::string& black, Outcome result,
                      const PlayedGame& game) {
    std::string out = white + '-' + black;
    switch (result) {
    case Outcome::none:
        out += " \n";
        break;
    case Outcome::white_won:
        out += "  2-0\n";
        break;
    case Outcome::draw:
        out += "  1-1\n";
        break;
    case Outcome::black_won:
        out += "  0-2\n";
        break;
    }
    out += "Selvako144\n";
    // A game from the opening position stays as it always was written.
    const BoardArray& start = game.record[0].board;
    if (game.first_side != WHITE ||
        !std::equal(start.begin() + 1, start.end(), start_position().begin() + 1))
        out += to_fen(Position{start, game.first_side}) + '\n';

    // Every ply to the game's length, a last White move on a half line.
    std::vector<std::string> lines;
    for (int p = 1; p <= game.plies; p += 2) {
        char number[16];
        std::snprintf(number, sizeof number, "%2d.", p / 2 + 1);
        std::string line = number + half_move(game.record[p]) + ' ';
        if (p + 1 <= game.plies) line += half_move(game.record[p + 1]);
        lines.push_back(std::move(line));
    }
    for (std::size_t k = 0; k < lines.size(); k += 4) {
        for (std::size_t j = k; j < k + 4 && j < lines.size(); ++j) out += lines[j] + "  ";
        out += '\n';
    }
    return out;
}

GameTextFile read_text_games(std::string_view text) {
    // A file of tagged games is PDN, whatever its name.
    if (!trim(text).empty() && trim(text).front() == '[') return read_pdn_games(text);

    GameTextFile file;
    GameText game;
    bool in_game = false;
    const auto finish = [&] {
        if (in_game) file.games.push_back(std::move(game));
        game = GameText{};
        in_game = false;
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t eol = text.find('\n', pos);
        std::string_view line = text.substr(pos, eol == std::string_view::npos ? eol : eol - pos);
        pos = eol == std::string_view::npos ? text.size() : eol + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find('\0') != std::string_view::npos) {
            file.games.clear();
            file.error = "not a text file";
            return file;
        }
        if (trim(line).empty()) {
            finish();
            continue;
        }
        if (!in_game) {
            in_game = true;
            if (!starts_with_move_number(line)) {
                read_header(line, game);
                continue;
            }
        }
        // The set-up start, before the first move.
        if (game.moves.empty() && !game.start && is_fen_line(line)) {
            FenResult fen = parse_fen(trim(line));
            if (!fen.position) {
                const std::string number = std::to_string(file.games.size() + 1);
                file.games.clear();
                file.error = "game " + number + ": " + fen.error;
                return file;
            }
            game.start = fen.position;
            continue;
        }
        read_moves(line, game);
    }
    finish();
    if (file.games.empty()) file.error = "no game in the file";
    return file;
}

} // namespace selvako
