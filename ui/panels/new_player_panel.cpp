#include "ui/panels/new_player_panel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "files/player_files.h"
#include "ui/i18n/captions.h"

namespace selvako {

NewPlayerPanel::NewPlayerPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Nouveau_joueur"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(3);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_NoMousePropagation);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(this);
    m_captioned.emplace_back(label, "Label19");
    m_joueur = new QLineEdit(this);
    m_joueur->setObjectName(QStringLiteral("Joueur"));
    // A game record holds 19 characters of a name: a longer one cannot be typed.
    m_joueur->setMaxLength(static_cast<int>(MAX_NAME_LENGTH));
    layout->addWidget(label);
    layout->addWidget(m_joueur);

    auto* box = new QGroupBox(this);
    m_captioned.emplace_back(box, "RadioGroup3");
    auto* column = new QVBoxLayout(box);
    m_capital = new QButtonGroup(box);
    const std::pair<int, const char*> choices[] = {
        {1600, "button992"}, {1700, "button996"}, {1800, "button1000"}};
    for (const auto& [rating, key] : choices) {
        auto* radio = new QRadioButton(box);
        radio->setObjectName(QStringLiteral("K%1").arg(rating));
        m_captioned.emplace_back(radio, key);
        m_capital->addButton(radio, rating);
        column->addWidget(radio);
    }
    m_capital->button(1600)->setChecked(true);
    layout->addWidget(box);

    auto* row = new QHBoxLayout;
    m_bitbtn7 = new QPushButton(QStringLiteral("OK"), this);
    m_o = new QPushButton(this);
    row->addWidget(m_bitbtn7);
    row->addWidget(m_o);
    layout->addLayout(row);
    connect(m_bitbtn7, &QPushButton::clicked, this,
            [this] { emit accepted(m_joueur->text().trimmed(), m_capital->checkedId()); });
    connect(m_o, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void NewPlayerPanel::set_captions(int langue) {
    for (auto& [widget, key] : m_captioned) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(caption(key, langue));
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            box->setTitle(caption(key, langue));
        else if (auto* radio = qobject_cast<QRadioButton*>(widget))
            radio->setText(caption(key, langue));
    }
    m_o->setText(caption("BitBtn18", langue));
}

} // namespace selvako
