#include "ui/panels/delete_player_panel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/i18n/captions.h"

namespace selvako {

DeletePlayerPanel::DeletePlayerPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Efface_j"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(3);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_NoMousePropagation);
    auto* layout = new QVBoxLayout(this);
    m_label18 = new QLabel(this);
    m_list = new QListWidget(this);
    m_list->setMinimumHeight(140);
    m_joueur_efface = new QLineEdit(this);
    m_joueur_efface->setObjectName(QStringLiteral("joueur_efface"));
    m_joueur_efface->setReadOnly(true);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_joueur_efface->setText(item->text()); });
    layout->addWidget(m_label18);
    layout->addWidget(m_list);
    layout->addWidget(m_joueur_efface);
    auto* row = new QHBoxLayout;
    m_bitbtn20 = new QPushButton(QStringLiteral("OK"), this);
    m_bitbtn12 = new QPushButton(this);
    row->addWidget(m_bitbtn20);
    row->addWidget(m_bitbtn12);
    layout->addLayout(row);
    connect(m_bitbtn20, &QPushButton::clicked, this, [this] {
        // Line 0 is the computer.
        if (m_list->currentRow() > 0) emit accepted(m_list->currentRow());
    });
    connect(m_bitbtn12, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void DeletePlayerPanel::set_players(const PlayerList& list) {
    m_list->clear();
    m_joueur_efface->clear();
    for (const Player& p : list.players) m_list->addItem(QString::fromLatin1(p.nom.c_str()));
}

void DeletePlayerPanel::set_captions(int langue) {
    m_label18->setText(caption("Label18", langue));
    m_bitbtn12->setText(caption("BitBtn18", langue));
}

} // namespace selvako
