#pragma once
// Lines read on one thread and handed to another: the Hub session reads its
// standard input on a thread of its own, so that a search, which runs on the
// main thread, can look for "stop" at each poll without blocking.

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

namespace selvako::cli {

class LineQueue {
  public:
    void push(std::string line) {
        {
            std::lock_guard lock(m_mutex);
            m_lines.push_back(std::move(line));
        }
        m_ready.notify_one();
    }
    // No more lines will come (the input ended).
    void close() {
        {
            std::lock_guard lock(m_mutex);
            m_closed = true;
        }
        m_ready.notify_one();
    }
    // The next line if there is one, without waiting.
    std::optional<std::string> try_pop() {
        std::lock_guard lock(m_mutex);
        return take();
    }
    // Waits for the next line; nothing once the input has ended and every
    // line was taken.
    std::optional<std::string> pop() {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [this] { return !m_lines.empty() || m_closed; });
        return take();
    }
    bool closed_and_empty() {
        std::lock_guard lock(m_mutex);
        return m_closed && m_lines.empty();
    }

  private:
    std::optional<std::string> take() {
        if (m_lines.empty()) return std::nullopt;
        std::string line = std::move(m_lines.front());
        m_lines.pop_front();
        return line;
    }
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<std::string> m_lines;
    bool m_closed = false;
};

} // namespace selvako::cli
