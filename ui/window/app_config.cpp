#include "ui/window/app_config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "files/data_folder.h"

namespace selvako {

namespace {

constexpr const char* USER_SUBFOLDERS[] = {"Sauve", "Parametres", "Problemes"};

} // namespace

AppConfig AppConfig::from_environment() {
    AppConfig config;
    const QString data = qEnvironmentVariable("SELVAKO_DATA_DIR");
    config.data_dir =
        data.isEmpty()
            ? QString::fromStdString(
                  find_data_folder(QCoreApplication::applicationDirPath().toStdString()).string())
            : data;
    const QString user = qEnvironmentVariable("SELVAKO_USER_DIR");
    config.user_dir =
        user.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : user;
    return config;
}

bool prepare_user_folder(const AppConfig& config) {
    QDir user(config.user_dir);
    if (!user.mkpath(QStringLiteral("."))) return false;
    for (const char* name : USER_SUBFOLDERS) {
        const QString sub = QString::fromLatin1(name);
        if (!user.mkpath(sub)) return false;
        const QDir defaults(QDir(config.data_dir).filePath(sub));
        for (const QString& file : defaults.entryList(QDir::Files)) {
            const QString target = user.filePath(sub + QLatin1Char('/') + file);
            if (!QFile::exists(target)) QFile::copy(defaults.filePath(file), target);
        }
    }
    return true;
}

GameFolders game_folders(const AppConfig& config) {
    const QDir user(config.user_dir);
    GameFolders folders{user.filePath(QStringLiteral("points.dat")).toStdString()};
    folders.last_game = user.filePath(QStringLiteral("last32.dam")).toStdString();
    return folders;
}

EngineFolders engine_folders(const AppConfig& config) {
    return {config.data_dir.toStdString(), config.user_dir.toStdString()};
}

} // namespace selvako
