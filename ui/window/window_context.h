#pragma once
// What the parts of the window share: the controller they read, the one way
// they send it commands, the captioned items they add to, where their errors
// are shown, and the folders the program was given.

#include <QString>

#include <functional>

#include "game/game_controller.h"
#include "ui/window/app_config.h"
#include "ui/window/captioned_items.h"
#include "ui/window/error_reporter.h"

class QWidget;

namespace selvako {

struct WindowContext {
    QWidget* window;
    const AppConfig& config;
    const GameController& controller;
    CaptionedItems& items;
    ErrorReporter& errors;
    std::function<void(const Command&)> send;
    // The start-up sequence has run: the game is on show.
    const bool& started;

    // The language the window speaks now.
    int langue() const;
    QString user_path(const QString& name) const;
    // A command that reads or writes a file: false when it reported that it
    // could not (the message is shown by then).
    bool send_file_command(const Command& c) const;
};

} // namespace selvako
