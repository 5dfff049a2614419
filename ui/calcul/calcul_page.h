#pragma once
// The "Calcul" page: what the search is doing (depth, nodes, time, score,
// principal variation) and one line per root move, as the search reports them.

#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <string>
#include <vector>

#include "search/engine.h"

namespace selvako {

class CalculPage : public QWidget {
    Q_OBJECT
  public:
    explicit CalculPage(QWidget* parent);

    void set_captions(int langue);
    // The search's figures as the page's lines.
    void show_progress(const SearchProgress& progress);
    // "Editer meilleurs coups": the information lines as a text file.
    bool write_bestmove(const QString& path) const;

    QListWidget* listbox2() const { return m_listbox2; }
    QListWidget* root_list() const { return m_root_list; }
    QPushButton* best_button() const { return m_button9; }

  private:
    QListWidget* m_listbox2;
    QListWidget* m_root_list;
    QPushButton* m_button9;
};

} // namespace selvako
