#pragma once
// Form4, the analysis window: above the main window, its list of lines (the
// two header lines, then one line per analysed ply in game order), the score
// graph, and the buttons "Suivant", "Editer analyse", "Imprimer analyse" and
// "Fin analyse". It shows what the controller's analysis holds; the window
// that owns it turns its signals into commands.

#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <string>
#include <vector>

#include "game/game_analysis.h"
#include "ui/analysis/score_graph.h"

class QPrinter;

namespace selvako {

class AnalysisWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AnalysisWindow(QWidget* main_window);

    void set_langue(int langue);
    // The lines and the graph of the analysis as it stands.
    void show_analysis(const GameAnalysis& analysis);
    // The move lines as the list shows them, for "Editer analyse".
    std::vector<std::string> move_lines() const;
    // The analysis as a text file, one line each: false when it cannot be written.
    bool write_text(const QString& path) const;
    // The players' names, then the lines, page after page.
    bool print(QPrinter& printer, const QString& white, const QString& black) const;

    QListWidget* list() const { return m_list; }
    ScoreGraph* graph() const { return m_graph; }
    QPushButton* suivant() const { return m_suivant; }
    QPushButton* editer() const { return m_editer; }
    QPushButton* imprimer() const { return m_imprimer; }
    QPushButton* fin() const { return m_fin; }

  signals:
    // A line or a point was clicked: show the position of that ply.
    void ply_chosen(int ply);

  private:
    QListWidget* m_list;
    ScoreGraph* m_graph;
    QPushButton* m_suivant;
    QPushButton* m_editer;
    QPushButton* m_imprimer;
    QPushButton* m_fin;
    int m_langue = 0;
    // What the list shows: the analysis's revision and the language.
    int m_shown_revision = -1;
    int m_shown_langue = -1;
    // The ply of each move line, in list order.
    std::vector<int> m_plies;
};

} // namespace selvako
