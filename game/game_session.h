#pragma once
// What the program's main builds before any view: the engine, the search
// clock it reads and the game controller that plays on it. The view attaches
// itself as the controller's observer once it exists and leaves before it goes.

#include <cstdint>
#include <string>
#include <vector>

#include "game/game_controller.h"
#include "game/observer_relay.h"
#include "game/time_source.h"
#include "game/time_source_search_clock.h"
#include "search/engine.h"

namespace selvako {

class GameSession {
  public:
    // The time source outlives the session.
    GameSession(const TimeSource& time, std::uint32_t seed, GameFolders folders)
        : m_search_clock(time), m_engine(m_search_clock, seed),
          m_controller(m_engine, time, m_relay, std::move(folders)) {}
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Reads the engine's data files, once, before any view shows the game.
    // The engine still plays without them, but worse: each file that could
    // not be read leaves a line here for the view to report.
    void load_engine_data(const EngineFolders& folders) {
        m_load_problems = m_engine.load(folders);
    }
    const std::vector<std::string>& load_problems() const { return m_load_problems; }

    Engine& engine() { return m_engine; }
    GameController& controller() { return m_controller; }
    void attach(GameObserver& view) { m_relay.attach(&view); }
    void detach() { m_relay.attach(nullptr); }

  private:
    TimeSourceSearchClock m_search_clock;
    Engine m_engine;
    ObserverRelay m_relay;
    GameController m_controller;
    std::vector<std::string> m_load_problems;
};

} // namespace selvako
