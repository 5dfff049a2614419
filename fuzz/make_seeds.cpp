// Writes the fuzzers' first inputs with the program's own writers: the game
// files of games of several lengths, the positions they pass through as FEN,
// their moves as a typed move list and as repertoire lines ("22-18  9-14 ").
// make_seeds FOLDER

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/engine_state.h"
#include "engine/fen.h"
#include "engine/hash_keys.h"
#include "engine/learned_positions.h"
#include "engine/move_generation.h"
#include "engine/packed_endgame_format.h"
#include "engine/packed_endgame_index.h"
#include "files/game_file.h"
#include "files/pdn_file.h"
#include "files/player_files.h"
#include "files/text_game_file.h"
#include "game/clipboard_text.h"
#include "game/game_import.h"
#include "game/game_record.h"
#include "game/hub_notation.h"
#include "game/saved_game.h"
#include "game/time_source.h"

using namespace selvako;
namespace fs = std::filesystem;

namespace {

void write_text(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string typed(const FicheCoup& r) {
    std::string text(SQUARE_NAMES[r.from]);
    text += r.taken > 0 ? 'x' : '-';
    text += SQUARE_NAMES[r.to];
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    const fs::path folder = argv[1];
    for (const char* target : {"fen", "moves", "game_file", "game_text", "repertoire",
                               "learned_table", "hash_keys", "player_files", "clipboard",
                               "hub_line", "packed_table"})
        fs::create_directories(folder / target);

    // A game in which each side plays a varying legal move, saved at several lengths.
    EngineState work;
    work.allocate_move_lists();
    ManualTimeSource time;
    GameClocks clocks(time);
    GameState game;
    nouvelle_partie(game, clocks);
    std::string moves;
    std::string repertoire;
    std::string line;
    std::string hub_moves;
    const std::string hub_start = hub_position({game.damier_affiche, game.trait()});
    for (int ply = 1; ply <= 80; ++ply) {
        const int n = legal_moves(game, work, game.trait());
        if (n == 0) break;
        time.advance_seconds(ply % 7);
        const Move played_move = work.list(1)[ply % n];
        if (!jouer_coup(game, work, clocks, played_move)) break;
        hub_moves += (hub_moves.empty() ? "" : " ") + hub_move(played_move, HubNumbering::pdn);
        moves += (moves.empty() ? "" : " ") + typed(game.historique[ply]);
        const FicheCoup& r = game.historique[ply];
        line += std::to_string(r.from) + (r.taken > 0 ? "x" : "-") + std::to_string(r.to) +
                (r.to < 10 ? "  " : " ");
        // Lines of several lengths sharing their start, as a repertoire has them.
        if (ply % 10 == 0) repertoire += line + "\n";
        if (ply % 10 == 1) {
            const std::string name = std::to_string(ply);
            write_text(folder / "fen" / name, to_fen({game.damier_affiche, game.trait()}));
            write_text(folder / "moves" / name, moves);
            write_text(folder / "hub_line" / name,
                       "hub\nset-param name=variant value=brazilian\ninit\npos pos=" + hub_start +
                           " moves=\"" + hub_moves + "\"\nlevel move-time=0.5\ngo think\n");
            if (!write_game_file(folder / "game_file" / (name + ".dam"), game_file_image(game)))
                return 1;
            const PlayedGame played = played_game(game);
            write_text(folder / "game_text" / (name + ".pdn"), pdn_game(PdnTags{}, played));
            write_text(folder / "game_text" / (name + ".txt"),
                       text_game("Anne", "Bob", Outcome::draw, played));
            write_text(folder / "clipboard" / (name + ".fen"), position_fen(game));
            write_text(folder / "clipboard" / (name + ".pdn"), game_pdn(game));
        }
    }
    write_text(folder / "repertoire" / "lines.ouv", repertoire);

    // The key file as shipped, and the start of a table of learned positions
    // holding a lesson for each position of the game (the fuzzer repeats it
    // to a whole table).
    const std::vector<std::uint8_t> keys = encode_hash_keys(default_hash_keys());
    write_text(folder / "hash_keys" / KEY_FILE_NAME, std::string(keys.begin(), keys.end()));
    LearnedTable learned;
    for (int ply = 0; ply <= game.longueur_partie; ++ply) {
        const PositionKeys k = position_keys(game.historique[ply].board, default_hash_keys());
        learned.learn_position(k.index % 3000, k.check, ply % 2,
                               static_cast<std::int16_t>(ply * 37));
    }
    const std::vector<std::uint8_t> table = learned.encode();
    write_text(folder / "learned_table" / "start",
               std::string(table.begin(), table.begin() + 24000));

    // The player files as the writer makes them, both present (first byte 3)
    // and split at a zero byte.
    PlayerList players;
    players.players = {{COMPUTER_NAME, 2050}, {"Anne", 1512}, {"Bob", 987}, {"Zoé Dupont", 1500}};
    const PlayerTexts texts = player_texts(players);
    write_text(folder / "player_files" / "players",
               std::string("\3") + texts.joueurs + '\0' + texts.points);
    // Packed tables of the three smallest materials as the writer packs them:
    // most blocks hold one value, every eighth a few (kept under the fuzzers'
    // input length).
    int smallest = 0;
    for (int t = 0; t < NUM_PACKED_TABLES && smallest < 3; ++t) {
        const TableMaterial& m = packed_materials()[static_cast<std::size_t>(t)];
        if (packed_table_size(m) > 110000) continue;
        std::vector<std::int8_t> values(packed_table_size(m));
        for (std::size_t i = 0; i < values.size(); ++i) {
            const std::size_t block = i / PACKED_BLOCK_ENTRIES;
            const int varied = static_cast<int>(i % (block / 8 % 5 + 2)) - 1;
            values[i] =
                static_cast<std::int8_t>(block % 8 == 1 ? varied : static_cast<int>(block % 3) - 1);
        }
        const std::vector<std::uint8_t> file = pack_table(m, values);
        write_text(folder / "packed_table" / packed_file_name(m),
                   std::string(1, static_cast<char>(t)) + std::string(file.begin(), file.end()));
        ++smallest;
    }
    game.settings = {320000, 319998, 500, 17, 5, 2000};
    return write_game_file(folder / "game_file" / "long_long.dam", game_file_image(game)) ? 0 : 1;
}
