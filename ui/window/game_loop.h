#pragma once
// Runs the game loop as single passes from Qt's event loop: every change of
// state asks for a pass, requests made before it runs give one pass, and a
// pass that is asked for while one is running follows it instead of nesting.

#include <QObject>
#include <QTimer>

#include <functional>

namespace selvako {

class GameLoop : public QObject {
    Q_OBJECT
  public:
    GameLoop(std::function<void()> pass, QObject* parent);

    void schedule();

  private:
    void run();

    std::function<void()> m_pass;
    // A zero timer rather than a posted call: a pass that runs the search
    // processes events from inside it, and events posted before the pass
    // (a repaint among them) must not wait behind it.
    QTimer m_timer;
    bool m_scheduled = false;
    bool m_running = false;
    bool m_again = false;
};

} // namespace selvako
