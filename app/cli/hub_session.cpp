#include "app/cli/hub_session.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "engine/make_move.h"
#include "engine/transposition_table.h"
#include "game/engine_player.h"
#include "game/hub_notation.h"
#include "game/move_time.h"
#include "search/search.h"
#include "search/time_budget.h"

namespace selvako::cli {

namespace {

// A whole number in [low, high], or nothing.
std::optional<std::int64_t> whole(std::string_view text, std::int64_t low, std::int64_t high) {
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// Seconds as the protocol writes them ("1", "0.5", "291.587"), up to a day.
std::optional<double> seconds(std::string_view text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value) ||
        value < 0 || value > 86400)
        return std::nullopt;
    return value;
}

const char* numbering_name(HubNumbering numbering) {
    return numbering == HubNumbering::pdn ? "pdn" : "selvako";
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace

std::int64_t HubLevel::move_milliseconds() const {
    switch (kind) {
    case Kind::move_time:
        return std::max<std::int64_t>(1, std::llround(move_time * 1000));
    case Kind::clock: {
        // An even share of the time to the next control (30 moves when none
        // is given), the increment on top, never more than 80 % of what is left.
        const double share = time / (moves > 0 ? moves : 30) + increment;
        return std::max<std::int64_t>(10, std::llround(std::min(share, time * 0.8) * 1000));
    }
    case Kind::depth:
    case Kind::nodes:
    case Kind::infinite:
        break;
    }
    return 0;
}

HubSession::HubSession(Engine& engine, LineQueue& input, std::ostream& out, MillisecondClock clock)
    : m_engine(engine), m_input(input), m_out(out), m_deadline(clock), m_clock(std::move(clock)) {
    m_work.allocate_move_lists();
}

void HubSession::send(const std::string& line) {
    m_out << line << '\n';
    m_out.flush();
}

void HubSession::error(const std::string& message) {
    send("error message=" + hub_value(message));
}

void HubSession::run() {
    while (!m_quit) {
        std::optional<std::string> text;
        if (!m_waiting.empty()) {
            text = std::move(m_waiting.front());
            m_waiting.pop_front();
        } else {
            text = m_input.pop();
        }
        if (!text) return; // the GUI is gone
        const HubLineResult parsed = parse_hub_line(*text);
        if (!parsed.error.empty())
            error(parsed.error);
        else if (parsed.line)
            handle(*parsed.line);
    }
}

void HubSession::handle(const HubLine& line) {
    const std::string& c = line.command;
    if (c == "hub")
        greet();
    else if (c == "init")
        send("ready");
    else if (c == "ping")
        send("pong");
    else if (c == "set-param")
        set_param(line);
    else if (c == "new-game")
        m_engine.clear_table();
    else if (c == "pos")
        set_position(line);
    else if (c == "level")
        set_level(line);
    else if (c == "go")
        go(line);
    else if (c == "quit")
        m_quit = true;
    else if (c == "stop" || c == "ponder-hit") {
        // Late for a search that has already answered: nothing to do.
    } else
        error("unknown command " + c.substr(0, 40));
}

void HubSession::greet() {
    send("id name=Selvako version=" SELVAKO_VERSION
         " author=\"Selvako developers\" country=France");
    send("param name=variant value=brazilian type=enum values=brazilian");
    send(std::string("param name=notation value=") + numbering_name(m_numbering) +
         " type=enum values=\"pdn selvako\"");
    send(std::string("param name=book value=") + (m_repertoire ? "true" : "false") + " type=bool");
    send("param name=tt-size value=" + std::to_string(DEFAULT_TABLE_SIZE) +
         " type=int min=0 max=" + std::to_string(TABLE_SIZES.size() - 1));
    send("wait");
}

void HubSession::set_param(const HubLine& line) {
    const auto name = line.value("name");
    const auto value = line.value("value");
    if (!name || !value) return error("set-param needs name and value");
    if (*name == "variant") {
        if (*value != "brazilian") return error("only the variant brazilian is played");
    } else if (*name == "book") {
        if (*value != "true" && *value != "false") return error("book is true or false");
        m_repertoire = *value == "true";
    } else if (*name == "tt-size") {
        const auto size = whole(*value, 0, static_cast<std::int64_t>(TABLE_SIZES.size()) - 1);
        if (!size) return error("tt-size takes 0 to " + std::to_string(TABLE_SIZES.size() - 1));
        m_engine.resize_table(static_cast<int>(*size));
    } else if (*name == "notation") {
        if (*value == "pdn")
            m_numbering = HubNumbering::pdn;
        else if (*value == "selvako")
            m_numbering = HubNumbering::selvako;
        else
            return error("notation is pdn or selvako");
    } else {
        // Silence would leave the GUI believing a setting took effect.
        return error("unknown parameter " + std::string(name->substr(0, 40)));
    }
}

void HubSession::set_position(const HubLine& line) {
    const auto text = line.value("pos");
    if (!text) return error("pos needs pos=");
    const HubPositionResult read = parse_hub_position(*text);
    if (!read.position) return error(read.error);
    // The whole line is checked before anything changes.
    Position now = *read.position;
    std::vector<Move> moves;
    if (const auto list = line.value("moves")) {
        std::size_t at = 0;
        while (at < list->size()) {
            const std::size_t end = std::min(list->find(' ', at), list->size());
            const std::string_view word = list->substr(at, end - at);
            at = end + 1;
            if (word.empty()) continue;
            const HubMoveResult found =
                find_hub_move(now.board, now.side_to_move, word, m_numbering, m_work);
            if (!found.move)
                return error("move " + std::to_string(moves.size() + 1) + " (" +
                             std::string(word.substr(0, 20)) + "): " + found.error);
            m_work.set_position(now.board);
            make_move(m_work, *found.move);
            now.board = m_work.board;
            now.side_to_move = 1 - now.side_to_move;
            moves.push_back(*found.move);
        }
    }
    m_start = *read.position;
    m_moves = std::move(moves);
    m_position = now;
    m_have_position = true;
}

void HubSession::set_level(const HubLine& line) {
    HubLevel level;
    if (line.has("infinite")) {
        level.kind = HubLevel::Kind::infinite;
    } else if (const auto depth = line.value("depth")) {
        const auto d = whole(*depth, 1, MAX_ITERATION);
        if (!d) return error("depth takes 1 to " + std::to_string(MAX_ITERATION));
        level.kind = HubLevel::Kind::depth;
        level.depth = static_cast<int>(*d);
    } else if (const auto nodes = line.value("nodes")) {
        const auto n = whole(*nodes, 1, INT64_MAX);
        if (!n) return error("nodes takes a positive number");
        level.kind = HubLevel::Kind::nodes;
        level.nodes = static_cast<std::uint64_t>(*n);
    } else if (const auto move_time = line.value("move-time")) {
        const auto s = seconds(*move_time);
        if (!s || *s <= 0) return error("move-time takes seconds");
        level.kind = HubLevel::Kind::move_time;
        level.move_time = *s;
    } else if (const auto time = line.value("time")) {
        const auto t = seconds(*time);
        const auto inc = seconds(line.value("inc").value_or("0"));
        const auto moves = whole(line.value("moves").value_or("0"), 0, 1000);
        if (!t || !inc || !moves)
            return error("level time= takes seconds, inc= seconds, moves= a count");
        level.kind = HubLevel::Kind::clock;
        level.time = *t;
        level.increment = *inc;
        level.moves = static_cast<int>(*moves);
    } else {
        return error("level needs depth, nodes, move-time, time or infinite");
    }
    m_level = level;
}

void HubSession::go(const HubLine& line) {
    const bool ponder = line.has("ponder");
    const bool analyze = line.has("analyze");
    if (!ponder && !analyze && !line.has("think"))
        return error("go needs think, ponder or analyze");
    if (!m_have_position) return error("no position");

    SearchRequest request = position_request(m_position, m_moves);
    SearchLimits& limits = request.limits;
    const bool from_start = m_start.side_to_move == WHITE && m_start.board == start_position();
    limits.repertoire =
        m_repertoire && from_start && !analyze && m_moves.size() == request.num_demi_coup;
    limits.budget_recherche = UNLIMITED_BUDGET;
    limits.temps_alloue = UNLIMITED_SECONDS;
    limits.ponder = ponder || m_level.kind == HubLevel::Kind::infinite;
    const std::int64_t move_ms = m_level.move_milliseconds();
    if (!ponder) {
        if (m_level.kind == HubLevel::Kind::depth) limits.depth = m_level.depth;
        if (move_ms > 0)
            limits.budget_recherche =
                budget_for_seconds(static_cast<int>((move_ms + 999) / 1000), request.num_demi_coup);
    }

    m_pondering = ponder;
    m_ponder_search = ponder;
    m_depth_done = 0;
    m_search_start = m_clock();
    m_deadline.disarm();
    if (!ponder && move_ms > 0) m_deadline.start(move_ms);
    m_engine.on_poll = [this] { poll(); };
    std::string last_info;
    m_engine.on_progress = [this, &last_info](const SearchProgress& progress) {
        m_depth_done = std::max(m_depth_done, progress.depth);
        // One line per change of depth or of the line of play.
        const std::string pv = hub_line_of_moves(m_position, progress.pv, m_numbering, m_work);
        const std::string key = std::to_string(progress.depth) + ' ' + pv;
        if (key == last_info) return;
        last_info = key;
        const double elapsed = static_cast<double>(m_clock() - m_search_start) / 1000.0;
        send("info depth=" + std::to_string(progress.depth) +
             " score=" + fixed(progress.score / 200.0, 2) +
             " nodes=" + std::to_string(m_engine.nodes_so_far()) + " time=" + fixed(elapsed, 3) +
             " pv=" + hub_value(pv));
    };
    const SearchResult result = m_engine.search(request);
    m_engine.on_poll = nullptr;
    m_engine.on_progress = nullptr;
    m_pondering = false;
    m_deadline.disarm();

    if (m_quit) return;
    if (result.answer == SearchAnswer::no_move) return error("no legal move in this position");
    std::vector<Move> line_of_play{result.move};
    if (result.pv.size() >= 2 && result.pv[0].from == result.move.from &&
        result.pv[0].to == result.move.to)
        line_of_play.push_back(result.pv[1]);
    const std::string played = hub_line_of_moves(m_position, line_of_play, m_numbering, m_work);
    const auto space = played.find(' ');
    std::string done = "done move=" + played.substr(0, space);
    if (space != std::string::npos) done += " ponder=" + played.substr(space + 1);
    send(done);
}

void HubSession::poll() {
    while (const auto text = m_input.try_pop()) {
        const HubLineResult parsed = parse_hub_line(*text);
        const std::string command = parsed.line ? parsed.line->command : "";
        if (command == "ping") {
            send("pong");
        } else if (command == "stop") {
            m_engine.stop();
        } else if (command == "ponder-hit") {
            if (m_pondering) {
                // From here on the move is searched as with "go think": the
                // clock starts now.
                m_pondering = false;
                const std::int64_t move_ms = m_level.move_milliseconds();
                if (move_ms > 0) m_deadline.start(move_ms);
            }
        } else if (command == "quit") {
            m_engine.stop();
            m_quit = true;
        } else {
            m_waiting.push_back(*text);
        }
    }
    if (m_input.closed_and_empty()) {
        m_engine.stop();
        m_quit = true;
    }
    if (m_pondering) return;
    const bool out_of_nodes =
        m_level.kind == HubLevel::Kind::nodes && m_engine.nodes_so_far() >= m_level.nodes;
    // A search that began as pondering has no depth limit of its own.
    const bool deep_enough =
        m_ponder_search && m_level.kind == HubLevel::Kind::depth && m_depth_done >= m_level.depth;
    if (m_deadline.passed() || out_of_nodes || deep_enough) m_engine.stop();
}

} // namespace selvako::cli
