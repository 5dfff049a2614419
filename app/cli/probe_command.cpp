#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/cli/commands.h"
#include "engine/endgame_tables.h"
#include "engine/kings_against_men.h"
#include "engine/packed_endgame_tables.h"

namespace selvako::cli {

namespace {

std::string meaning(std::int8_t value, const char* side) {
    const std::string mover = std::string(side) + " to move";
    if (value == 0) return "draw";
    if (value == -1) return mover + " has no legal move and has lost";
    const int plies = value > 0 ? value : -value;
    const std::string distance = std::to_string(plies) + (plies == 127 ? " plies or more"
                                                          : plies == 1 ? " ply"
                                                                       : " plies");
    return mover + (value > 0 ? " wins in " : " loses in ") + distance;
}

// What the search's kings-against-men rule says, where it looks: more than
// three pieces, kings on one side only, fewer than seven men on the other.
// Returns whether the rule applies.
bool report_kings_against_men(const BoardArray& board, const PieceCounts& c) {
    if (total_pieces(c) <= 3) return false;
    int king_side = -1;
    int men = 0;
    if (c[WHITE_KING] > 0 && c[BLACK_KING] == 0 && c[BLACK_MAN] < 7) {
        king_side = WHITE;
        men = c[BLACK_MAN];
    } else if (c[BLACK_KING] > 0 && c[WHITE_KING] == 0 && c[WHITE_MAN] < 7) {
        king_side = BLACK;
        men = c[WHITE_MAN];
    }
    if (king_side < 0) return false;
    const char* name = king_side == BLACK ? "Black" : "White";
    if (kings_against_men(board, men, king_side))
        std::printf("kings against men: %s wins\n", name);
    else
        std::printf("kings against men: not a win that %s's kings hold\n", name);
    return true;
}

// A packed table is read alone: one file, not all of them.
int report_packed(const PackedEntry& entry, const std::filesystem::path& folder, int side_to_move,
                  bool kings_rule) {
    const std::string name =
        packed_file_name(packed_materials()[static_cast<std::size_t>(entry.table)]);
    std::printf("table %s, index %u\n", name.c_str(), entry.index);
    const std::filesystem::path path = folder / name;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        std::printf("%s is missing in %s (make tables5 writes it)\n", name.c_str(),
                    folder.string().c_str());
        return kings_rule ? 0 : 1;
    }
    std::string reason;
    const auto table = read_packed_table(path, entry.table, reason);
    if (!table) {
        std::printf("%s cannot be used: %s\n", name.c_str(), reason.c_str());
        return 1;
    }
    const std::int8_t value = table->value(entry.index);
    const char* side = side_to_move == BLACK ? "Black" : "White";
    std::printf("value %d: %s\n", value, meaning(value, side).c_str());
    return 0;
}

} // namespace

int run_probe(const Arguments& args) {
    for (std::size_t i = 1; i < args.words.size(); ++i) {
        if (args.words[i] == "--fen" || args.words[i] == "--data")
            ++i;
        else
            return usage_error("unknown option '" + shown_input(args.words[i]) + "'");
    }
    if (!args.has_flag("--fen")) return usage_error("probe needs --fen");
    const auto position = position_option(args);
    if (!position) return EXIT_USAGE;
    bool missing = false;
    const auto data = args.value_of("--data", missing);
    if (missing) return usage_error("--data needs a folder");
    const std::filesystem::path chosen =
        data ? std::filesystem::path(*data) : std::filesystem::path();
    const std::filesystem::path folder = data_folder(data ? &chosen : nullptr);

    const PieceCounts counts = count_pieces(position->board);
    const bool kings_rule = report_kings_against_men(position->board, counts);
    const auto entry = locate_position(position->board, counts, position->side_to_move);
    if (!entry) {
        if (const auto packed = locate_packed(position->board, counts, position->side_to_move))
            return report_packed(*packed, folder, position->side_to_move, kings_rule);
        std::printf("no endgame table holds this material\n");
        return kings_rule ? 0 : 1;
    }
    const TableLayout& layout = TABLE_LAYOUTS[entry->table];
    std::printf("table %s, offset %u\n", layout.file_name.data(), entry->offset);

    EndgameTables tables;
    std::vector<FileRefusal> refused;
    load_databases(tables, folder, &refused);
    const auto value = stored_value(tables, *entry);
    if (!value) {
        // Present but refused: say why, rather than call it missing.
        for (const FileRefusal& refusal : refused)
            if (refusal.path.filename() == layout.file_name) {
                std::printf("%s\n", refusal_line(refusal).c_str());
                return 1;
            }
        std::printf("%s is missing in %s\n", layout.file_name.data(), folder.string().c_str());
        return 1;
    }
    const auto squares = table_squares(layout, entry->offset);
    if (!squares || !position_can_occur(layout, *squares)) {
        std::printf("value %d: the position cannot occur in a game\n", *value);
        return 0;
    }
    const char* side = position->side_to_move == BLACK ? "Black" : "White";
    std::printf("value %d: %s\n", *value, meaning(*value, side).c_str());
    return 0;
}

} // namespace selvako::cli
