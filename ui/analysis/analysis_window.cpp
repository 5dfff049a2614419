#include "ui/analysis/analysis_window.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QVBoxLayout>

#include "files/atomic_file.h"
#include "ui/i18n/captions.h"

namespace selvako {

AnalysisWindow::AnalysisWindow(QWidget* main_window)
    : QWidget(main_window, Qt::Tool | Qt::WindowStaysOnTopHint), m_list(new QListWidget(this)),
      m_graph(new ScoreGraph(this)), m_suivant(new QPushButton(this)),
      m_editer(new QPushButton(this)), m_imprimer(new QPushButton(this)),
      m_fin(new QPushButton(this)) {
    setObjectName(QStringLiteral("Form4"));
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_graph->setObjectName(QStringLiteral("ScoreGraph"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 3);
    layout->addWidget(m_graph, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_suivant, m_editer, m_imprimer, m_fin}) buttons->addWidget(b);
    layout->addLayout(buttons);
    resize(620, 480);
    set_langue(0);

    connect(m_graph, &ScoreGraph::ply_clicked, this, &AnalysisWindow::ply_chosen);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = m_list->row(item);
        if (row >= 0 && row < static_cast<int>(m_plies.size()))
            emit ply_chosen(m_plies[static_cast<std::size_t>(row)]);
    });
}

void AnalysisWindow::set_langue(int langue) {
    m_langue = langue;
    setWindowTitle(caption("Form4", langue));
    m_suivant->setText(caption("Button2", langue));
    m_editer->setText(caption("Button3", langue));
    m_imprimer->setText(caption("Button3a", langue));
    m_fin->setText(caption("Button4", langue));
}

void AnalysisWindow::show_analysis(const GameAnalysis& analysis) {
    if (analysis.revision() == m_shown_revision && m_langue == m_shown_langue) return;
    m_shown_revision = analysis.revision();
    m_shown_langue = m_langue;
    const auto& lines = analysis.lines();
    m_plies.clear();
    m_list->clear();
    std::vector<GraphPoint> points;
    for (const AnalysisLine& line : lines) {
        const std::string text = analysis_line_text(line, static_cast<std::uint8_t>(m_langue));
        m_list->addItem(QString::fromStdString(text));
        m_plies.push_back(line.ply);
        const bool white = analysis.side_to_move(line.ply) == WHITE;
        points.push_back({line.ply, white ? line.played_score : -line.played_score, line.starred});
    }
    // The header lines follow the game's lines, as the analysis wrote them first.
    for (const std::string& text : analysis_header(static_cast<std::uint8_t>(m_langue)))
        m_list->addItem(QString::fromStdString(text));
    m_graph->set_points(std::move(points));
}

std::vector<std::string> AnalysisWindow::move_lines() const {
    std::vector<std::string> out;
    for (std::size_t row = 0; row < m_plies.size(); ++row)
        out.push_back(m_list->item(static_cast<int>(row))->text().toStdString());
    return out;
}

bool AnalysisWindow::write_text(const QString& path) const {
    std::string text;
    for (const std::string& line : move_lines()) text += line + "\n";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return write_file_atomically(path.toStdString(), {bytes, text.size()});
}

bool AnalysisWindow::print(QPrinter& printer, const QString& white, const QString& black) const {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const int h = painter.fontMetrics().height();
    const int page = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const int top = 150 * printer.resolution() / 600;
    const int per_page = std::max(1, (page - top - h) / h);
    painter.drawText(5, 5 + h, white + QStringLiteral(" - ") + black);
    const std::vector<std::string> lines = move_lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int k = static_cast<int>(i) % per_page;
        if (i > 0 && k == 0) printer.newPage();
        painter.drawText(1, k * h + h + top + h, QString::fromStdString(lines[i]));
    }
    return painter.end();
}

} // namespace selvako
