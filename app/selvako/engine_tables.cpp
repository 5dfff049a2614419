#include "app/selvako/engine_tables.h"

#include <QDir>
#include <QFile>

#include "engine/hash_keys.h"
#include "eval/parameters.h"

namespace selvako {

namespace {

// The user's copy of a file when there is one, else the program's.
std::string find_file(const AppConfig& config, const QString& user_name, const char* data_name) {
    const QString user = QDir(config.user_dir).filePath(user_name);
    if (QFile::exists(user)) return user.toStdString();
    return QDir(config.data_dir).filePath(QString::fromLatin1(data_name)).toStdString();
}

} // namespace

QStringList charger_tables_moteur(EngineState& engine, EngineTables& tables,
                                  const AppConfig& config) {
    QStringList missing;
    // A failed allocation ends the program with "Allocation mémoire".
    engine.allocate_move_lists();

    const KeysLoad keys =
        load_keys(QDir(config.data_dir).filePath(QString::fromLatin1(KEY_FILE_NAME)).toStdString());
    if (!keys.from_file) missing << QString::fromLatin1(KEY_FILE_NAME);
    engine.keys = keys.keys;
    engine.reset_keys();
    tables.table.clear_table();

    // Learning sessions write the learned positions into the user folder.
    tables.learned.load_learned(
        find_file(config, QString::fromLatin1(LEARNED_FILE_NAME), LEARNED_FILE_NAME));

    if (!load_parameter_file(
            tables.eval.parameters, tables.eval.parameter_image,
            find_file(config, QStringLiteral("Parametres/defaut.par"), "defaut.par")))
        missing << QStringLiteral("defaut.par");

    tables.repertoires = {};
    if (auto white = read_repertoire(
            find_file(config, QString::fromLatin1(WHITE_REPERTOIRE_FILE), WHITE_REPERTOIRE_FILE)))
        tables.repertoires.white = std::move(*white);
    if (auto black = read_repertoire(
            find_file(config, QString::fromLatin1(BLACK_REPERTOIRE_FILE), BLACK_REPERTOIRE_FILE)))
        tables.repertoires.black = std::move(*black);

    load_databases(tables.databases, config.data_dir.toStdString());
    return missing;
}

} // namespace selvako
