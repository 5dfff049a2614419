#pragma once
// The game as files, clipboard and paper: "Ouvrir" and "Sauver", "Créer un
// fichier texte" and "Ouvrir un fichier texte", the Edition menu's copies and
// paste, and "Imprimer". Games read are handed to the controller whole; a
// file or text it cannot trust is refused with one message, nothing changed.

#include <QObject>

#include <string>

#include "files/game_text.h"
#include "ui/i18n/languages.h"
#include "ui/window/window_context.h"

class QPrinter;

namespace selvako {

class GameFileHandler : public QObject {
    Q_OBJECT
  public:
    explicit GameFileHandler(const WindowContext& context);

    // "Ouvrir" and "Sauver" once a file is chosen. False when the file could
    // not be read or written; the game in memory is then unchanged.
    bool ouvrir_fichier(const QString& path);
    bool sauver_fichier(const QString& path);
    // The score sheet as text, or as PDN when the name ends in ".pdn".
    bool ecrire_fichier_texte(const QString& path);
    // A text or PDN file; with several games the chooser asks which.
    bool lire_fichier_texte(const QString& path);
    // The position as FEN, the game as PDN; pasting takes a FEN (a new game
    // from it, the human to move) or PDN games.
    void copier_position();
    void copier_partie();
    bool coller();
    bool coller_texte(const std::string& text);
    // The score sheet on `printer`, as "Imprimer" prints it once the print
    // dialog is confirmed. False, with the error shown, when it could not start.
    bool imprimer(QPrinter& printer);

    void ouvre();
    void save();
    void Crerunfichiertexte1Click();
    void Ouvrirunfichiertexte1Click();
    void Imprimer1Click();

  private:
    bool charger_parties(const GameTextFile& file);
    // A file of "Sauve" asked for in a dialog titled by its menu item: one to
    // write, given the suffix added, or else one that exists. Empty when cancelled.
    QString ask_file(const char* item, const Traductions& filter, const QString& save_suffix);

    const WindowContext& m_context;
};

} // namespace selvako
