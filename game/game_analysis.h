#pragma once
// The analysis of a game: from the ply on show back to the start, one
// position at a time, the engine searches each position and the move played
// there is compared with its choice. Each `step` is one search, so that a
// window can run it from its event loop and a command line from a plain loop.
// The analysis works on its own copy of the record, read only up to the
// game's length.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "files/fiche_coup.h"
#include "files/game_file.h"
#include "game/analysis_text.h"
#include "search/engine.h"

namespace selvako {

struct GameState;

// The score given to the position of a side left without a move: lost at
// once, as the search scores it one ply down.
inline constexpr int LOST_POSITION_SCORE = -31999;

// Who is to move at `ply` of a record of `length` plies: read from the move
// played from it, else from the move that led to it, else `premier_trait`.
// Never reads past `length`.
std::uint8_t side_to_move_at(const std::array<FicheCoup, HISTORY_PLIES>& record, int length,
                             std::uint8_t premier_trait, int ply);

class GameAnalysis {
  public:
    // Starts at the ply on show. Nothing to analyse at ply 0: false. When the
    // side to move there has no move (the game is over), the analysis starts
    // one ply earlier and that last move is scored as the game's result.
    bool start(const GameState& game);
    // Searches the next position back and writes its line; the analysis
    // ends after ply 0 or after `finish`.
    void step(Engine& engine, const SearchLimits& limits);
    // Ends the analysis after the ply under way ("Terminer l'analyse").
    void finish() { m_running = false; }

    bool running() const { return m_running; }
    // Forgets the last analysis's lines: a new game has none.
    void clear() {
        const int revision = m_revision;
        *this = GameAnalysis{};
        m_revision = revision + 1;
    }
    // The ply the next step searches (-1 once ply 0 is done).
    int next_ply() const { return m_next; }
    int demi_coup_depart() const { return m_start; }
    // The last ply whose search ended.
    int last_analysed() const { return m_last; }
    // The move lines, in game order.
    const std::vector<AnalysisLine>& lines() const { return m_lines; }
    // The root score of each analysed position, for its side to move.
    std::optional<int> scores_analyse(int ply) const;
    // Changes whenever the lines do, so that a view redraws only then.
    int revision() const { return m_revision; }
    // The game's length as the analysis read it, and its record.
    int length() const { return m_length; }
    const FicheCoup& record(int ply) const { return m_record[static_cast<std::size_t>(ply)]; }
    std::uint8_t side_to_move(int ply) const {
        return side_to_move_at(m_record, m_length, m_premier_trait, ply);
    }

  private:
    std::array<FicheCoup, HISTORY_PLIES> m_record{};
    int m_length = 0;
    std::uint8_t m_premier_trait = WHITE;
    int m_start = 0;
    int m_next = -1;
    int m_last = -1;
    bool m_running = false;
    bool m_first = true;
    // The played score of the first line: 0, or the game's result.
    int m_first_score = 0;
    int m_previous_score = 0;
    std::array<std::optional<int>, HISTORY_PLIES> m_scores{};
    std::vector<AnalysisLine> m_lines;
    int m_revision = 0;
};

} // namespace selvako
