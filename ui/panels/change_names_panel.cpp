#include "ui/panels/change_names_panel.h"

#include <QGridLayout>

#include "files/player_files.h"
#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr Traductions BLANCS = {"Blancs :", "White:", "Wit:", "Brancas:", "Blancas:", "Bianco:"};
constexpr Traductions NOIRS = {"Noirs :", "Black:", "Zwart:", "Pretas:", "Negras:", "Nero:"};

} // namespace

ChangeNamesPanel::ChangeNamesPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Joueurs"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(3);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_NoMousePropagation);
    auto* grid = new QGridLayout(this);
    m_label_blanc = new QLabel(this);
    m_label_noir = new QLabel(this);
    m_blanc = new QLineEdit(this);
    m_noir = new QLineEdit(this);
    for (QLineEdit* field : {m_blanc, m_noir})
        field->setMaxLength(static_cast<int>(MAX_NAME_LENGTH));
    m_okjoueur = new QPushButton(QStringLiteral("OK"), this);
    m_okjoueur->setObjectName(QStringLiteral("OKjoueur"));
    m_cancel_joueurs = new QPushButton(this);
    grid->addWidget(m_label_blanc, 0, 0);
    grid->addWidget(m_blanc, 0, 1);
    grid->addWidget(m_label_noir, 1, 0);
    grid->addWidget(m_noir, 1, 1);
    grid->addWidget(m_okjoueur, 2, 0);
    grid->addWidget(m_cancel_joueurs, 2, 1);
    connect(m_okjoueur, &QPushButton::clicked, this,
            [this] { emit accepted(m_blanc->text().trimmed(), m_noir->text().trimmed()); });
    connect(m_cancel_joueurs, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void ChangeNamesPanel::set_names(const QString& blanc, const QString& noir) {
    m_blanc->setText(blanc);
    m_noir->setText(noir);
}

void ChangeNamesPanel::set_captions(int langue) {
    m_label_blanc->setText(texte(BLANCS, langue));
    m_label_noir->setText(texte(NOIRS, langue));
    m_cancel_joueurs->setText(caption("Cancel_joueurs", langue));
}

} // namespace selvako
