#pragma once
// The two game clocks: seconds used by each side, counted from the moment its
// turn began, and the labels that show them. The game controller owns the
// one GameClocks; the window's one-second timer asks the controller to run
// `ajouter_temps` and shows the labels it reports; the search stores the
// computer's total itself while it thinks.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/match_mode.h"
#include "game/time_source.h"

namespace selvako {

struct ClockLabels {
    std::string minutes; // "0", "12", "135"
    std::string seconds; // always two digits: "05", "42"

    friend bool operator==(const ClockLabels&, const ClockLabels&) = default;
};

// Seconds div 60 and seconds mod 60, the seconds with a leading "0" below 10.
ClockLabels clock_labels(std::int32_t total_seconds);

class GameClocks {
  public:
    explicit GameClocks(const TimeSource& time);

    std::int32_t temps_blanc() const { return m_temps[0]; }
    std::int32_t temps_noir() const { return m_temps[1]; }
    // Side 0 White, 1 Black, as everywhere in the game.
    std::int32_t temps(int side) const { return m_temps[index(side)]; }
    // The value the timer last computed for that side's turn in progress.
    std::int32_t running(int side) const { return m_running[index(side)]; }
    bool paused() const { return m_paused; }

    // New game and "Horloges à zéro": both clocks 0, both turns start now.
    void reset();

    // One tick of the one-second timer. Returns the running total of the side
    // to move, for its labels; nothing while the computer is to move (its
    // search keeps its clock) or while the clocks are paused.
    std::optional<std::int32_t> ajouter_temps(int side_to_move, bool computer_to_move);

    // A move completed: the side's running value becomes its clock.
    void fix_running(int side);
    // The side's turn begins now.
    void start_turn(int side);
    // Navigation to a recorded ply: both clocks as recorded, both turns from now.
    void restore(std::int32_t temps_blanc, std::int32_t temps_noir);

    // The search's report of the computer's total; ignored while it ponders,
    // when the total it would give belongs to the human's turn.
    void store_search_total(int side, std::int32_t total_seconds, bool pondering);

    // "Pause": stops the clocks, or restarts them with both turns from now, so
    // that the seconds of the present turn used before the pause are dropped.
    // Returns true when the clocks are now paused.
    bool toggle_pause();
    // A board click restarts paused clocks the same way. True if it did.
    bool resume();

  private:
    static std::size_t index(int side) { return side == 1 ? 1 : 0; }

    const TimeSource& m_time;
    std::array<std::int32_t, 2> m_temps{};
    std::array<std::int32_t, 2> m_running{};
    std::array<std::int32_t, 2> m_debut_tour{};
    bool m_paused = false;
};

enum class TimeControlResult : std::uint8_t {
    in_time,
    computer_over_time, // the human wins on time
    human_over_time,    // the computer wins on time
};

struct TimeControlInput {
    MatchMode mode_match = MatchMode::none;
    std::uint8_t num_demi_coup = 0;
    std::int32_t temps_alloue = 0;
    std::int32_t temps_blanc = 0;
    std::int32_t temps_noir = 0;
    std::uint8_t couleur_ordinateur = 1;
    std::int32_t human_rating = 0;
};

// The seconds a side may have used by this ply of a rated match.
std::int64_t time_allowance(std::uint8_t num_demi_coup, std::int32_t temps_alloue);

// The time-out test of a rated match, made with the computer to move. The
// computer's clock is tested first; players rated below 1800 have double time.
TimeControlResult controle_temps(const TimeControlInput& input);

} // namespace selvako
