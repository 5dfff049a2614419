#include "ui/window/game_loop.h"

#include <QTimer>

namespace selvako {

GameLoop::GameLoop(std::function<void()> pass, QObject* parent)
    : QObject(parent), m_pass(std::move(pass)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &GameLoop::run);
}

void GameLoop::schedule() {
    if (m_scheduled) return;
    m_scheduled = true;
    m_timer.start();
}

void GameLoop::run() {
    m_scheduled = false;
    if (m_running) {
        // A dialog opened by the pass runs its own event loop; the request
        // waits for the pass to end.
        m_again = true;
        return;
    }
    m_running = true;
    m_pass();
    m_running = false;
    if (m_again) {
        m_again = false;
        schedule();
    }
}

} // namespace selvako
