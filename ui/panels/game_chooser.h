#pragma once
// The chooser shown when a text or PDN file holds several games: one line per
// game, OK takes the selected one, Cancel none.

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace selvako {

class GameChooser : public QDialog {
  public:
    GameChooser(QWidget* parent, const QStringList& lines);
    // The chosen game's index, or -1 when the user cancelled or chose nothing.
    int chosen() const { return m_chosen; }

  private:
    QListWidget* m_list;
    int m_chosen = -1;
};

} // namespace selvako
