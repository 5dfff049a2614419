#include "app/cli/hub_player.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "game/hub_line.h"
#include "game/hub_notation.h"
#include "search/move_deadline.h"

namespace selvako::cli {

namespace {

// The greeting and the set-up may read tables from disk.
constexpr std::int64_t GREETING_MS = 60000;

// How long a move may take before the program counts as gone: ten times the
// time per move and 10 s more, or ten minutes for a depth or node limit.
std::int64_t answer_timeout_ms(const MoveLimit& limit) {
    return limit.kind == MoveLimit::Kind::time ? limit.value * 10 + 10000 : 600000;
}

std::string level_line(const MoveLimit& limit) {
    switch (limit.kind) {
    case MoveLimit::Kind::depth:
        return "level depth=" + std::to_string(limit.value);
    case MoveLimit::Kind::nodes:
        return "level nodes=" + std::to_string(limit.value);
    case MoveLimit::Kind::time:
        break;
    }
    const std::int64_t ms = limit.value;
    std::string text = std::to_string(ms / 1000) + '.';
    const std::string fraction = std::to_string(1000 + ms % 1000).substr(1);
    return "level move-time=" + text + fraction;
}

} // namespace

HubPlayer::HubPlayer(const std::string& command, MoveLimit limit) : m_limit(limit) {
    m_work.allocate_move_lists();
    int to_child[2];
    int from_child[2];
    if (pipe(to_child) != 0) {
        m_problem = std::strerror(errno);
        return;
    }
    if (pipe(from_child) != 0) {
        m_problem = std::strerror(errno);
        close(to_child[0]);
        close(to_child[1]);
        return;
    }
    m_pid = fork();
    if (m_pid == 0) {
        dup2(to_child[0], STDIN_FILENO);
        dup2(from_child[1], STDOUT_FILENO);
        close(to_child[0]);
        close(to_child[1]);
        close(from_child[0]);
        close(from_child[1]);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(to_child[0]);
    close(from_child[1]);
    m_to = to_child[1];
    m_from = from_child[0];
    if (m_pid < 0) {
        m_problem = std::strerror(errno);
        return;
    }
    if (!send("hub") || !read_greeting()) {
        m_problem = "'" + command + "' did not answer the greeting";
        return;
    }
    if (m_declares_notation && !send("set-param name=notation value=pdn")) {
        m_problem = "'" + command + "' did not take the notation";
        return;
    }
    if (!send("set-param name=variant value=brazilian") || !send("init") ||
        !wait_for("ready", GREETING_MS)) {
        m_problem = "'" + command + "' did not become ready";
        return;
    }
    m_ready = true;
}

HubPlayer::~HubPlayer() {
    if (m_to >= 0) {
        send("quit");
        close(m_to);
    }
    if (m_from >= 0) close(m_from);
    if (m_pid <= 0) return;
    // A program that does not quit within two seconds is ended.
    for (int i = 0; i < 200; ++i) {
        if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
}

bool HubPlayer::send(const std::string& line) {
    const std::string text = line + '\n';
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(m_to, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::string> HubPlayer::read_line(std::int64_t timeout_ms) {
    const std::int64_t end = steady_milliseconds() + timeout_ms;
    while (true) {
        if (const auto newline = m_pending.find('\n'); newline != std::string::npos) {
            std::string line = m_pending.substr(0, newline);
            m_pending.erase(0, newline + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return line;
        }
        // A program that writes without end is not a Hub engine.
        if (m_pending.size() > MAX_HUB_LINE) return std::nullopt;
        const std::int64_t left = end - steady_milliseconds();
        if (left <= 0) return std::nullopt;
        pollfd watched{m_from, POLLIN, 0};
        const int ready = poll(&watched, 1, static_cast<int>(std::min<std::int64_t>(left, 1000)));
        if (ready < 0 && errno != EINTR) return std::nullopt;
        if (ready <= 0) continue;
        char buffer[4096];
        const ssize_t n = read(m_from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;
        m_pending.append(buffer, static_cast<std::size_t>(n));
    }
}

std::optional<std::string> HubPlayer::wait_for(const std::string& command,
                                               std::int64_t timeout_ms) {
    const std::int64_t end = steady_milliseconds() + timeout_ms;
    while (true) {
        const auto line = read_line(end - steady_milliseconds());
        if (!line) return std::nullopt;
        const HubLineResult parsed = parse_hub_line(*line);
        if (parsed.line && parsed.line->command == command) return line;
    }
}

bool HubPlayer::read_greeting() {
    const std::int64_t end = steady_milliseconds() + GREETING_MS;
    bool selvako = false;
    while (true) {
        const auto line = read_line(end - steady_milliseconds());
        if (!line) return false;
        const HubLineResult parsed = parse_hub_line(*line);
        if (!parsed.line) continue;
        const HubLine& said = *parsed.line;
        if (said.command == "id" && said.value("name") == "Selvako") selvako = true;
        if (said.command == "param" && said.value("name") == "notation") m_declares_notation = true;
        if (said.command == "wait") break;
    }
    // Builds of Selvako from before the notation parameter numbered moves as
    // positions list the squares; everyone else writes PDN numbers.
    m_numbering = selvako && !m_declares_notation ? HubNumbering::selvako : HubNumbering::pdn;
    return true;
}

void HubPlayer::new_game() {
    if (m_ready) send("new-game");
}

std::optional<Move> HubPlayer::choose(const MatchPosition& game) {
    if (!m_ready) return std::nullopt;
    std::string moves;
    for (const Move& move : game.moves) {
        if (!moves.empty()) moves += ' ';
        moves += hub_move(move, m_numbering);
    }
    std::string pos = "pos pos=" + hub_position(game.start);
    if (!moves.empty()) pos += " moves=" + hub_value(moves);
    if (!send(pos) || !send(level_line(m_limit)) || !send("go think")) return std::nullopt;
    const auto done = wait_for("done", answer_timeout_ms(m_limit));
    if (!done) {
        m_ready = false;
        return std::nullopt;
    }
    const HubLineResult parsed = parse_hub_line(*done);
    const auto text = parsed.line ? parsed.line->value("move") : std::nullopt;
    if (!text) return std::nullopt;
    const HubMoveResult found =
        find_hub_move(game.now.board, game.now.side_to_move, *text, m_numbering, m_work);
    // A move the position does not allow loses the game as such.
    return found.move ? *found.move : Move{};
}

} // namespace selvako::cli
