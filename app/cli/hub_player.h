#pragma once
// A match player that is another program speaking the Hub protocol: a build
// of Selvako (`selvako-cli hub`) or any Hub engine that plays Brazilian
// draughts, started with `sh -c COMMAND` and driven through its standard
// input and output.

#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>

#include "engine/engine_state.h"
#include "game/engine_player.h"
#include "game/hub_notation.h"
#include "game/match_game.h"

namespace selvako::cli {

class HubPlayer final : public MatchPlayer {
  public:
    // Starts the program and runs the protocol's greeting; `ready()` tells
    // whether it answered.
    HubPlayer(const std::string& command, MoveLimit limit);
    ~HubPlayer() override;
    HubPlayer(const HubPlayer&) = delete;
    HubPlayer& operator=(const HubPlayer&) = delete;

    bool ready() const { return m_ready; }
    // What went wrong, for the message when not ready.
    const std::string& problem() const { return m_problem; }

    void new_game() override;
    std::optional<Move> choose(const MatchPosition& game) override;

  private:
    bool send(const std::string& line);
    // The next line, waiting at most `timeout_ms`; nothing on time-out or when
    // the program has ended.
    std::optional<std::string> read_line(std::int64_t timeout_ms);
    // The lines up to "wait": whether the program declares the notation
    // parameter, and so which numbering it speaks.
    bool read_greeting();
    // Reads lines until one starts with `command`; returns that line.
    std::optional<std::string> wait_for(const std::string& command, std::int64_t timeout_ms);

    MoveLimit m_limit;
    pid_t m_pid = -1;
    int m_to = -1;
    int m_from = -1;
    std::string m_pending;
    bool m_ready = false;
    std::string m_problem;
    EngineState m_work;
    bool m_declares_notation = false;
    HubNumbering m_numbering = HubNumbering::pdn;
};

} // namespace selvako::cli
