#include "ui/panels/end_of_game_panel.h"

#include <QVBoxLayout>

#include <algorithm>

namespace selvako {

EndOfGamePanel::EndOfGamePanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fin_de_parties"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(3);
    setAutoFillBackground(true);
    // Clicks on the panel are not clicks on the board beneath it.
    setAttribute(Qt::WA_NoMousePropagation);
    auto* layout = new QVBoxLayout(this);
    m_qui_gagne = new QLabel(this);
    m_qui_gagne->setObjectName(QStringLiteral("qui_gagne"));
    QFont font = m_qui_gagne->font();
    font.setPixelSize(22);
    font.setBold(true);
    m_qui_gagne->setFont(font);
    m_qui_gagne->setAlignment(Qt::AlignCenter);
    m_resultat_blanc = new QLabel(this);
    m_resultat_blanc->setObjectName(QStringLiteral("Resultat_blanc"));
    m_resultat_noir = new QLabel(this);
    m_resultat_noir->setObjectName(QStringLiteral("Resultat_noir"));
    for (QLabel* l : {m_resultat_blanc, m_resultat_noir}) l->setAlignment(Qt::AlignCenter);
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    m_bitbtn13 = new QPushButton(QStringLiteral("OK"), this);
    layout->addWidget(m_qui_gagne);
    layout->addWidget(m_resultat_blanc);
    layout->addWidget(m_resultat_noir);
    layout->addWidget(m_message);
    layout->addWidget(m_bitbtn13, 0, Qt::AlignHCenter);
    connect(m_bitbtn13, &QPushButton::clicked, this, [this] {
        hide();
        emit closed();
    });
    hide();
}

void EndOfGamePanel::show_result(const QString& qui_gagne, const QString& blanc,
                                 const QString& noir, const QString& message) {
    m_qui_gagne->setText(qui_gagne);
    m_resultat_blanc->setText(blanc);
    m_resultat_noir->setText(noir);
    m_resultat_blanc->setVisible(!blanc.isEmpty());
    m_resultat_noir->setVisible(!noir.isEmpty());
    m_message->setText(message);
    m_message->setVisible(!message.isEmpty());
    // As wide as its longest line needs, in whatever language, but never
    // wider than the board; a longer note wraps.
    if (parentWidget()) m_message->setMaximumWidth(std::max(120, parentWidget()->width() - 40));
    adjustSize();
    place();
    show();
    raise();
}

void EndOfGamePanel::place() {
    const QWidget* parent = parentWidget();
    if (!parent) return;
    const int w = parent->width();
    const int h = parent->height();
    const int x = std::max(0, (w - width()) / 2);
    const auto fits = [&](int y) {
        y = std::clamp(y, 0, std::max(0, h - height()));
        if (m_keep_clear.isValid() && QRect(x, y, width(), height()).intersects(m_keep_clear))
            return false;
        move(x, y);
        return true;
    };
    // Centred when that leaves the last move in sight, else in the middle of
    // the upper or the lower half, else at the edge away from the move.
    if (fits((h - height()) / 2) || fits(h / 4 - height() / 2) || fits(3 * h / 4 - height() / 2))
        return;
    const bool move_above = m_keep_clear.center().y() < h / 2;
    move(x, move_above ? std::max(0, h - height()) : 0);
}

} // namespace selvako
