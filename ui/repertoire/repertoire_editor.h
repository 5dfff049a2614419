#pragma once
// The repertoire editors, "White" (`Form2`) and "Black" (`Form3`): the lines
// of one colour's repertoire, each shown with its moves in algebraic
// notation, the game in progress as a line to add, and the commands that
// save the list as the active repertoire or as a named library.
//
// The editor works on a copy of the engine's list; the engine's list changes
// only once the file it comes from has been written, so the list the
// computer follows is always the one on disk.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <filesystem>
#include <functional>
#include <vector>

#include "engine/repertoire.h"
#include "game/game_state.h"

class QGroupBox;

namespace selvako {

// The game as a repertoire line: the squares of plies 1.. up to the ply on
// show, at most 42, as the program writes them ("22-18  9-14 ").
std::string game_as_line(const GameState& game);

struct RepertoireFolders {
    std::filesystem::path active;    // the active files (the user's folder)
    std::filesystem::path libraries; // its "Parametres" folder
};

class RepertoireEditor : public QDialog {
    Q_OBJECT
  public:
    // `lists` are the engine's repertoires; this editor changes the one of
    // `side` through `adopt`, once its file is written.
    RepertoireEditor(int side, const Repertoires& lists, RepertoireFolders folders,
                     QWidget* parent);

    // Shows the editor over the main window (modal) with the list as the
    // engine has it and `game_line` in the edit box.
    void open_editor(const QString& game_line);
    void set_captions(int langue);

    // The save dialog; an empty answer means the user cancelled it.
    std::function<QString()> ask_library_name;
    // "Impossible d'ouvrir ce fichier" in the "Erreur" box.
    std::function<void()> report_file_error;
    // The list written as the active file or a library becomes the engine's.
    std::function<void(int side, const RepertoireLines& lines)> adopt;

    // The list as edited, in its order.
    const RepertoireLines& edited() const { return m_lines; }
    QLineEdit* line_edit() const { return m_nouvelle_ouverture; }
    QListWidget* list() const { return m_liste_ouvertures; }
    QLabel* reading() const { return m_lecture; }

    // The buttons' commands.
    void Valide_OuvertureClick();
    void EffacerClick();
    void Liste_OuverturesClick();
    void BitBtn2Click(); // Cancel
    void BitBtn1Click(); // "Enregistrer"
    void BitBtn3Click(); // "Construire et enregistrer"

  private:
    void show_lines(int selected);
    void show_reading();
    // Writes `lines` as the active file; the engine takes them once written.
    bool save_active(const RepertoireLines& lines);

    int m_side;
    const Repertoires& m_lists;
    RepertoireFolders m_folders;
    RepertoireLines m_lines;
    QString m_game_line;
    QGroupBox* m_fiche;
    QLineEdit* m_nouvelle_ouverture;
    QPushButton* m_valide;
    QPushButton* m_effacer;
    QListWidget* m_liste_ouvertures;
    QLabel* m_lecture;
    QPushButton* m_bitbtn2;
    QPushButton* m_bitbtn1;
    QPushButton* m_bitbtn3;
};

} // namespace selvako
