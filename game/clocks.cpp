#include "game/clocks.h"

#include "search/time_budget.h"

namespace selvako {

ClockLabels clock_labels(std::int32_t total_seconds) {
    const std::int32_t minutes = total_seconds / 60;
    const std::int32_t seconds = total_seconds % 60;
    std::string shown = std::to_string(seconds);
    if (seconds >= 0 && seconds < 10) shown.insert(0, 1, '0');
    return {std::to_string(minutes), shown};
}

GameClocks::GameClocks(const TimeSource& time) : m_time(time) {
    reset();
}

void GameClocks::reset() {
    m_temps = {0, 0};
    m_running = {0, 0};
    const std::int32_t now = m_time.now_seconds();
    m_debut_tour = {now, now};
}

std::optional<std::int32_t> GameClocks::ajouter_temps(int side_to_move, bool computer_to_move) {
    if (computer_to_move || m_paused) return std::nullopt;
    const std::size_t s = index(side_to_move);
    // A clock read from a file may stand anywhere in its range: it stops at
    // the range's end rather than wrap.
    m_running[s] =
        saturate_seconds(std::int64_t{m_time.now_seconds()} - m_debut_tour[s] + m_temps[s]);
    return m_running[s];
}

void GameClocks::fix_running(int side) {
    m_temps[index(side)] = m_running[index(side)];
}

void GameClocks::start_turn(int side) {
    m_debut_tour[index(side)] = m_time.now_seconds();
}

void GameClocks::restore(std::int32_t temps_blanc, std::int32_t temps_noir) {
    m_temps = {temps_blanc, temps_noir};
    m_running = m_temps;
    const std::int32_t now = m_time.now_seconds();
    m_debut_tour = {now, now};
}

void GameClocks::store_search_total(int side, std::int32_t total_seconds, bool pondering) {
    if (pondering) return;
    // The running value follows too, so that fixing the clock after the
    // computer's move keeps what the search counted.
    m_temps[index(side)] = total_seconds;
    m_running[index(side)] = total_seconds;
}

bool GameClocks::toggle_pause() {
    if (m_paused) {
        resume();
        return false;
    }
    m_paused = true;
    return true;
}

bool GameClocks::resume() {
    if (!m_paused) return false;
    const std::int32_t now = m_time.now_seconds();
    m_debut_tour = {now, now};
    m_paused = false;
    return true;
}

std::int64_t time_allowance(std::uint8_t num_demi_coup, std::int32_t temps_alloue) {
    if (num_demi_coup < 100) return std::int64_t{temps_alloue} + 2;
    return std::int64_t{num_demi_coup / 100} * temps_alloue * 100;
}

TimeControlResult controle_temps(const TimeControlInput& input) {
    if (input.mode_match != MatchMode::playing) return TimeControlResult::in_time;
    const std::int64_t allowance = time_allowance(input.num_demi_coup, input.temps_alloue);
    const bool computer_black = input.couleur_ordinateur == 1;
    const std::int32_t computer_clock = computer_black ? input.temps_noir : input.temps_blanc;
    const std::int32_t human_clock = computer_black ? input.temps_blanc : input.temps_noir;
    // Players rated 1600 and 1700 chose a computer that leaves them double time.
    const std::int32_t factor = input.human_rating >= 1800 ? 1 : 2;
    if (computer_clock > allowance) return TimeControlResult::computer_over_time;
    if (human_clock / factor > allowance) return TimeControlResult::human_over_time;
    return TimeControlResult::in_time;
}

} // namespace selvako
