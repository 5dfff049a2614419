#include "ui/panels/board_panels.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr Traductions MINUTES = {"minutes", "minutes", "minuten", "minutos", "minutos", "minuti"};
constexpr Traductions MINUTES_ACCEPTEES = {"Entrez un nombre entier de minutes, de 1 à %1.",
                                           "Enter a whole number of minutes, 1 to %1.",
                                           "Geef een geheel aantal minuten, van 1 tot %1.",
                                           "Digite um número inteiro de minutos, de 1 a %1.",
                                           "Escriba un número entero de minutos, de 1 a %1.",
                                           "Inserisci un numero intero di minuti, da 1 a %1."};

void style_panel(QFrame* panel, const char* name) {
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    panel->setAutoFillBackground(true);
    panel->setAttribute(Qt::WA_NoMousePropagation);
    panel->hide();
}

} // namespace

void show_centred(QFrame* panel) {
    panel->adjustSize();
    if (QWidget* parent = panel->parentWidget())
        panel->move((parent->width() - panel->width()) / 2,
                    (parent->height() - panel->height()) / 2);
    panel->show();
    panel->raise();
}

AutrePanel::AutrePanel(QWidget* parent) : QFrame(parent) {
    style_panel(this, "Panel9");
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    m_caption = new QLabel(this);
    m_nbminutes = new QLineEdit(this);
    m_nbminutes->setObjectName(QStringLiteral("Nbminutes"));
    m_nbminutes->setMaximumWidth(60);
    m_unit = new QLabel(this);
    row->addWidget(m_caption);
    row->addWidget(m_nbminutes);
    row->addWidget(m_unit);
    layout->addLayout(row);
    m_refus = new QLabel(this);
    m_refus->setObjectName(QStringLiteral("Nbminutes_refus"));
    m_refus->setWordWrap(true);
    m_refus->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_refus->hide();
    layout->addWidget(m_refus);
    // Typing again takes the complaint away.
    connect(m_nbminutes, &QLineEdit::textEdited, m_refus, &QWidget::hide);
    auto* buttons = new QHBoxLayout;
    m_bitbtn24 = new QPushButton(QStringLiteral("OK"), this);
    m_bitbtn25 = new QPushButton(this);
    buttons->addWidget(m_bitbtn24);
    buttons->addWidget(m_bitbtn25);
    layout->addLayout(buttons);
    connect(m_bitbtn24, &QPushButton::clicked, this, &AutrePanel::BitBtn24Click);
    connect(m_nbminutes, &QLineEdit::returnPressed, this, &AutrePanel::BitBtn24Click);
    connect(m_bitbtn25, &QPushButton::clicked, this, [this] {
        hide();
        emit cancelled();
    });
    set_captions(FRANCAIS);
}

void AutrePanel::set_captions(int langue) {
    m_langue = langue;
    m_caption->setText(caption("N50coupsen", langue) + QLatin1Char(' '));
    m_unit->setText(texte(MINUTES, langue));
    m_bitbtn25->setText(caption("BitBtn25", langue));
}

void AutrePanel::showEvent(QShowEvent* event) {
    m_refus->hide();
    QFrame::showEvent(event);
}

void AutrePanel::set_minutes(std::int32_t minutes) {
    m_nbminutes->setText(QString::number(minutes));
}

std::int32_t AutrePanel::minutes() const {
    return read_minutes_field(m_nbminutes->text().toStdString());
}

void AutrePanel::BitBtn24Click() {
    // A value it cannot take leaves the panel open and changes nothing, but
    // says what it accepts instead of ignoring the click.
    const auto level = autre_level(minutes());
    if (!level) {
        m_refus->setText(texte(MINUTES_ACCEPTEES, m_langue).arg(MAX_AUTRE_MINUTES));
        m_refus->show();
        adjustSize();
        m_nbminutes->setFocus();
        m_nbminutes->selectAll();
        return;
    }
    m_refus->hide();
    hide();
    emit accepted(*level);
}

DrawOfferPanel::DrawOfferPanel(QWidget* parent) : QFrame(parent) {
    style_panel(this, "Match_nul");
    auto* layout = new QVBoxLayout(this);
    m_label13 = new QLabel(this);
    QFont bold = m_label13->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    m_label13->setFont(bold);
    m_label13->setAlignment(Qt::AlignCenter);
    m_label14 = new QLabel(this);
    m_label14->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_label13);
    layout->addWidget(m_label14);
    auto* buttons = new QHBoxLayout;
    m_bitbtn14 = new QPushButton(QStringLiteral("OK"), this);
    m_annul_nul = new QPushButton(this);
    m_annul_nul->setObjectName(QStringLiteral("Annul_nul"));
    buttons->addWidget(m_bitbtn14);
    buttons->addWidget(m_annul_nul);
    layout->addLayout(buttons);
    connect(m_bitbtn14, &QPushButton::clicked, this, [this] {
        hide();
        emit accepted();
    });
    connect(m_annul_nul, &QPushButton::clicked, this, &QWidget::hide);
    set_captions(FRANCAIS);
}

void DrawOfferPanel::set_captions(int langue) {
    m_label13->setText(caption("Label13", langue));
    m_label14->setText(caption("Label14", langue));
    m_annul_nul->setText(caption("BitBtn18", langue));
}

} // namespace selvako
