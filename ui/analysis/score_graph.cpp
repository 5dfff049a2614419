#include "ui/analysis/score_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>

namespace selvako {

namespace {
constexpr int MARGIN = 8;
// Beyond two men either way the game is decided: the curve is clipped there
// so that one won position does not flatten the rest of the game.
constexpr int SCALE = 200;
} // namespace

ScoreGraph::ScoreGraph(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(100);
    setCursor(Qt::PointingHandCursor);
}

void ScoreGraph::set_points(std::vector<GraphPoint> points) {
    m_points = std::move(points);
    update();
}

void ScoreGraph::set_selected(std::optional<int> ply) {
    m_selected = ply;
    update();
}

int ScoreGraph::first_ply() const {
    return m_points.empty() ? 0 : m_points.front().ply;
}

int ScoreGraph::last_ply() const {
    return m_points.empty() ? 1 : std::max(m_points.back().ply, first_ply() + 1);
}

int ScoreGraph::x_of(int ply) const {
    const int w = width() - 2 * MARGIN;
    return MARGIN + (ply - first_ply()) * w / (last_ply() - first_ply());
}

int ScoreGraph::y_of(int score) const {
    const int h = height() - 2 * MARGIN;
    const int clipped = std::clamp(score, -SCALE, SCALE);
    return MARGIN + h / 2 - clipped * (h / 2) / SCALE;
}

std::optional<int> ScoreGraph::ply_at(int x) const {
    if (m_points.empty()) return std::nullopt;
    const auto nearest = std::min_element(
        m_points.begin(), m_points.end(), [this, x](const GraphPoint& a, const GraphPoint& b) {
            return std::abs(x_of(a.ply) - x) < std::abs(x_of(b.ply) - x);
        });
    return nearest->ply;
}

void ScoreGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(250, 248, 240));
    painter.setPen(QPen(QColor(170, 170, 170), 1, Qt::DashLine));
    painter.drawLine(MARGIN, y_of(0), width() - MARGIN, y_of(0));
    painter.drawLine(MARGIN, y_of(100), width() - MARGIN, y_of(100));
    painter.drawLine(MARGIN, y_of(-100), width() - MARGIN, y_of(-100));
    if (m_points.empty()) return;

    QPainterPath curve;
    curve.moveTo(x_of(m_points.front().ply), y_of(m_points.front().score));
    for (const GraphPoint& p : m_points) curve.lineTo(x_of(p.ply), y_of(p.score));
    painter.setPen(QPen(QColor(40, 70, 140), 2));
    painter.drawPath(curve);

    for (const GraphPoint& p : m_points) {
        const QPoint at(x_of(p.ply), y_of(p.score));
        painter.setPen(Qt::NoPen);
        painter.setBrush(p.starred ? QColor(200, 30, 30) : QColor(40, 70, 140));
        const int r = p.starred ? 5 : 3;
        painter.drawEllipse(at, r, r);
    }
    if (m_selected) {
        painter.setPen(QPen(QColor(20, 140, 60), 1));
        painter.drawLine(x_of(*m_selected), MARGIN, x_of(*m_selected), height() - MARGIN);
    }
}

void ScoreGraph::mousePressEvent(QMouseEvent* event) {
    if (const auto ply = ply_at(static_cast<int>(event->position().x()))) emit ply_clicked(*ply);
}

} // namespace selvako
