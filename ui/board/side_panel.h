#pragma once
// A side panel beside the 2D board: the side's clock over a clock face, a
// piece of its colour with the piece count, the player's name, and whether
// this side is to move and who plays it.

#include <QImage>
#include <QString>
#include <QWidget>

namespace selvako {

class SidePanel : public QWidget {
    Q_OBJECT
  public:
    static constexpr int PANEL_WIDTH = 281;
    static constexpr int PANEL_HEIGHT = 81;

    explicit SidePanel(QWidget* parent = nullptr);

    // The `min...` and `sec...` labels of the side's clock.
    void set_clock(const QString& minutes, const QString& seconds);
    void set_count(int pieces);
    void set_name(const QString& name);
    void set_piece(const QImage& piece, bool black);
    // Whose move it is: the panel of the side to move is outlined and says
    // who plays it; `text` empty for the other side.
    void set_turn(bool to_move, const QString& text);

    QString count_text() const { return m_count; }
    QString clock_text() const { return m_clock; }
    QString name() const { return m_name; }
    bool to_move() const { return m_to_move; }
    QString turn_text() const { return m_turn; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_clock = QStringLiteral("0:00");
    QString m_count;
    QString m_name;
    QImage m_piece;
    bool m_black = false;
    bool m_to_move = false;
    QString m_turn;
};

} // namespace selvako
