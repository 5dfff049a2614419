#pragma once
// Where the program finds its read-only data and keeps the user's files.

#include <QString>

#include <functional>

#include "game/game_controller.h"
#include "search/engine.h"

namespace selvako {

struct AppConfig {
    // Images, tables, keys, default parameters: the "data" folder beside the
    // executable, or SELVAKO_DATA_DIR.
    QString data_dir;
    // "last32.dam", "Sauve", "Parametres", "Problemes", players: a per-user
    // folder, or SELVAKO_USER_DIR. It stands for the program folder.
    QString user_dir;
    // Nothing waits for a click: messages go to standard error.
    bool headless = false;
    // The computer's moves blink and walk through their captures; tests that
    // play whole games turn this off.
    bool animations = true;
    // Tests take the error messages here instead of the message box, and
    // answer the file dialogs of "Paramétrage" (an empty name cancels).
    std::function<void(const QString&)> error_sink;
    std::function<QString()> file_answer;

    static AppConfig from_environment();
};

// Creates the user folder and its sub-folders on first run and copies in the
// default files of the data folder's "Parametres" and "Problemes" that the
// user does not have yet. Returns false when the folder cannot be created.
bool prepare_user_folder(const AppConfig& config);

// Where the controller keeps the players' ratings and "last32.dam": the user folder.
GameFolders game_folders(const AppConfig& config);
// Where the engine reads its keys, parameters, repertoires and tables.
EngineFolders engine_folders(const AppConfig& config);

} // namespace selvako
