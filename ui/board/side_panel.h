#pragma once
// A side panel beside the 2D board: the side's clock over a clock face, a
// piece of its colour with the piece count, and the player's name.

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

    void set_clock(int seconds);
    void set_count(int pieces);
    void set_name(const QString& name);
    void set_piece(const QImage& piece, bool black);

    QString count_text() const { return m_count; }
    QString name() const { return m_name; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString m_clock = QStringLiteral("00:00");
    QString m_count;
    QString m_name;
    QImage m_piece;
    bool m_black = false;
};

} // namespace selvako
