#pragma once
// The analysed score along the game: one point per ply, from White's side,
// the starred moves marked in red. A click on a point asks for that ply.

#include <QWidget>

#include <optional>
#include <vector>

namespace selvako {

struct GraphPoint {
    int ply = 0;
    int score = 0; // hundredths of a man, for White
    bool starred = false;
};

class ScoreGraph : public QWidget {
    Q_OBJECT
  public:
    explicit ScoreGraph(QWidget* parent = nullptr);
    void set_points(std::vector<GraphPoint> points);
    void set_selected(std::optional<int> ply);
    const std::vector<GraphPoint>& points() const { return m_points; }
    // The ply of the point nearest to x, if any point is drawn.
    std::optional<int> ply_at(int x) const;
    QSize sizeHint() const override { return {460, 140}; }

  signals:
    void ply_clicked(int ply);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int x_of(int ply) const;
    int y_of(int score) const;
    int first_ply() const;
    int last_ply() const;

    std::vector<GraphPoint> m_points;
    std::optional<int> m_selected;
};

} // namespace selvako
