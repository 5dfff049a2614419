#pragma once
// The "Paramétrage" menu: whether the computer follows the opening
// repertoires, the two repertoire editors and the libraries, and the
// evaluation parameters with their editor and files. The lists and the
// parameters are the engine's; the controller changes them, by the commands
// sent here, only once the files they come from or go to have been read or
// written.

#include <QObject>

#include "eval/eval_state.h"
#include "search/engine_tables.h"
#include "ui/window/window_context.h"

class QAction;
class QMenu;
class QMenuBar;

namespace selvako {

class ParameterEditor;
class RepertoireEditor;

class ParametrageMenu : public QObject {
    Q_OBJECT
  public:
    // The editors show the engine's tables, which outlive the menu.
    ParametrageMenu(const WindowContext& context, QMenuBar* bar, const Repertoires& repertoires,
                    const EvalParameters& parameters);

    QMenu* menu() const { return m_menu; }
    // "Bibliothèques actives": one of the options the window sends together.
    QAction* bibliotheques() const { return m_bibliotheques; }
    void set_captions(int langue);

    // The menu's work once its file dialog is answered. False, with the
    // error shown and nothing changed, when a file cannot be read or written.
    bool changer_bibliotheque(const QString& marker);
    bool sauver_parametres(const QString& path);
    bool charger_parametres(const QString& path);

    void Changerbibliothqueouvertures1Click();
    void Sauverlesparamtres1Click();
    void Chargerdesparamtres1Click();

  signals:
    // A repertoire editor was closed: the board shows the game again.
    void editor_closed();

  private:
    void ouvrir_repertoire(int side);
    // A file dialog in "Parametres"; the chosen path, empty when cancelled.
    QString ask_file(int mode, const QString& title, const QString& pattern, const QString& filter,
                     const QString& suffix);
    QString ask_parameter_file(int mode, const char* item);

    const WindowContext& m_context;
    QMenu* m_menu = nullptr;
    QAction* m_bibliotheques = nullptr;
    QAction* m_active_library = nullptr;
    RepertoireEditor* m_form2 = nullptr;
    RepertoireEditor* m_form3 = nullptr;
    ParameterEditor* m_parametres = nullptr;
};

} // namespace selvako
