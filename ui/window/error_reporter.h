#pragma once
// Where the window's parts show what went wrong: a message box, standard
// error when nothing may wait for a click, or the sink a test gives.

#include <QString>

#include <functional>

#include "game/game_controller.h"

class QWidget;

namespace selvako {

class ErrorReporter {
  public:
    // `langue` gives the language the box's title is written in.
    ErrorReporter(QWidget* parent, bool headless, std::function<void(const QString&)> sink,
                  std::function<int()> langue);

    void report(const QString& text);
    // "Impossible d'ouvrir ce fichier (FILE : reason)".
    void report_refusal(const FileRefusal& refusal);
    // How many errors were shown so far: a part that sent a command can tell
    // whether it failed.
    int count() const { return m_count; }

  private:
    QWidget* m_parent;
    bool m_headless;
    std::function<void(const QString&)> m_sink;
    std::function<int()> m_langue;
    int m_count = 0;
};

} // namespace selvako
