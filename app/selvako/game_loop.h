#pragma once
// Runs the game loop as single passes from Qt's event loop: every change of
// state asks for a pass, requests made before it runs give one pass, and a
// pass that is asked for while one is running follows it instead of nesting.

#include <QObject>

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
    bool m_scheduled = false;
    bool m_running = false;
    bool m_again = false;
};

} // namespace selvako
