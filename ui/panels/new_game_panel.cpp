#include "ui/panels/new_game_panel.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/board.h"
#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr Traductions RAMENER = {"Ramener Selvako à 2050",  "Bring Selvako back to 2050",
                                 "Selvako terug naar 2050", "Voltar Selvako a 2050",
                                 "Devolver Selvako a 2050", "Riporta Selvako a 2050"};
constexpr Traductions COMMENCER = {"Commencer", "Start",   "Beginnen",
                                   "Começar",   "Empezar", "Iniziare"};

QListWidget* name_list(QWidget* parent, QLineEdit* field) {
    auto* list = new QListWidget(parent);
    list->setFixedHeight(110);
    // Clicking a name copies it into the page's field; the name is what plays.
    QObject::connect(list, &QListWidget::itemClicked, field, [field](QListWidgetItem* item) {
        field->setText(item->data(Qt::UserRole).toString());
    });
    return list;
}

QLineEdit* name_field(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setMaxLength(static_cast<int>(MAX_NAME_LENGTH));
    return field;
}

} // namespace

NewGamePanel::NewGamePanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Nouvelle_partie"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(3);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_NoMousePropagation);
    // It stands over the board and must leave its edges in view.
    setFixedWidth(380);
    auto* layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    layout->addWidget(m_pages);

    m_pages->addTab(
        computer_page(m_listbox8, m_joueur0, m_couleur_entrainement, "Label15", "BitBtn15"),
        QString());
    m_joueur0->setObjectName(QStringLiteral("Joueur0"));
    m_joueur0->setText(QStringLiteral("Mister X"));
    m_pages->addTab(computer_page(m_listbox9, m_joueur1, m_couleur_match, "Label15", "BitBtn16"),
                    QString());
    m_joueur1->setObjectName(QStringLiteral("Joueur1"));
    m_ramener = new QPushButton(m_pages->widget(MATCH));
    m_ramener->setObjectName(QStringLiteral("Ramener"));
    m_pages->widget(MATCH)->layout()->addWidget(m_ramener);
    connect(m_ramener, &QPushButton::clicked, this, [this] {
        m_joueur1->clear();
        emit reset_computer_requested();
    });

    auto* humain = new QWidget(m_pages);
    auto* grid = new QGridLayout(humain);
    m_blanc = name_field(humain);
    m_noir = name_field(humain);
    m_listbox10 = name_list(humain, m_blanc);
    m_listbox11 = name_list(humain, m_noir);
    auto* label16 = new QLabel(humain);
    auto* label17 = new QLabel(humain);
    m_captioned.emplace_back(label16, "Label16");
    m_captioned.emplace_back(label17, "Label17");
    grid->addWidget(label16, 0, 0);
    grid->addWidget(label17, 0, 1);
    grid->addWidget(m_listbox10, 1, 0);
    grid->addWidget(m_listbox11, 1, 1);
    grid->addWidget(m_blanc, 2, 0);
    grid->addWidget(m_noir, 2, 1);
    m_start[HUMAIN] = new QPushButton(humain);
    m_cancel[HUMAIN] = new QPushButton(humain);
    m_cancel[HUMAIN]->setObjectName(QStringLiteral("BitBtn19"));
    grid->addWidget(m_start[HUMAIN], 3, 0);
    grid->addWidget(m_cancel[HUMAIN], 3, 1);
    m_pages->addTab(humain, QString());

    m_start[ENTRAINEMENT]->setObjectName(QStringLiteral("BitBtn15"));
    m_start[MATCH]->setObjectName(QStringLiteral("BitBtn16"));
    m_start[HUMAIN]->setObjectName(QStringLiteral("BitBtn17"));
    m_cancel[ENTRAINEMENT]->setObjectName(QStringLiteral("Annule_nouveau"));
    m_cancel[MATCH]->setObjectName(QStringLiteral("BitBtn18"));
    connect(m_start[ENTRAINEMENT], &QPushButton::clicked, this, [this] {
        emit training_requested(m_joueur0->text().trimmed(), couleur_ordinateur(ENTRAINEMENT));
    });
    connect(m_start[MATCH], &QPushButton::clicked, this, [this] {
        emit match_requested(m_joueur1->text().trimmed(), couleur_ordinateur(MATCH));
    });
    connect(m_start[HUMAIN], &QPushButton::clicked, this, [this] {
        emit human_game_requested(m_blanc->text().trimmed(), m_noir->text().trimmed());
    });
    for (QPushButton* b : m_cancel)
        connect(b, &QPushButton::clicked, this, [this] {
            hide();
            emit cancelled();
        });
    hide();
}

QWidget* NewGamePanel::computer_page(QListWidget*& list, QLineEdit*& field, QButtonGroup*& colour,
                                     const char* label_key, const char* start_key) {
    auto* page = new QWidget(m_pages);
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(page);
    m_captioned.emplace_back(label, label_key);
    field = name_field(page);
    list = name_list(page, field);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(field);

    auto* box = new QGroupBox(page);
    m_captioned.emplace_back(box, "Choixcouleur1");
    auto* row = new QHBoxLayout(box);
    auto* blanc = new QRadioButton(box);
    auto* noir = new QRadioButton(box);
    m_captioned.emplace_back(blanc, "Selvako_blanc");
    m_captioned.emplace_back(noir, "Selvako_noir");
    noir->setChecked(true);
    colour = new QButtonGroup(box);
    colour->addButton(blanc, WHITE);
    colour->addButton(noir, BLACK);
    row->addWidget(blanc);
    row->addWidget(noir);
    layout->addWidget(box);

    const int index = start_key == std::string_view("BitBtn15") ? ENTRAINEMENT : MATCH;
    auto* buttons = new QHBoxLayout;
    m_start[index] = new QPushButton(page);
    m_cancel[index] = new QPushButton(page);
    buttons->addWidget(m_start[index]);
    buttons->addWidget(m_cancel[index]);
    layout->addLayout(buttons);
    return page;
}

int NewGamePanel::couleur_ordinateur(Page page) const {
    const QButtonGroup* group = page == MATCH ? m_couleur_match : m_couleur_entrainement;
    return group->checkedId() == WHITE ? WHITE : BLACK;
}

void NewGamePanel::set_players(const PlayerList& list) {
    for (QListWidget* w : {m_listbox8, m_listbox9, m_listbox10, m_listbox11}) w->clear();
    // The ratings in one column: a tab stop sent a rating after a long name
    // to the next stop, so the names are padded in a fixed-pitch font.
    m_listbox9->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const Player& p : list.players) {
        const QString name = QString::fromLatin1(p.nom.c_str());
        const QString rated = QStringLiteral("%1 %2")
                                  .arg(name.leftJustified(static_cast<int>(MAX_NAME_LENGTH)))
                                  .arg(p.points, 4);
        for (QListWidget* w : {m_listbox8, m_listbox9, m_listbox10, m_listbox11}) {
            auto* item = new QListWidgetItem(w == m_listbox9 ? rated : name, w);
            item->setData(Qt::UserRole, name);
        }
    }
}

void NewGamePanel::set_captions(int langue) {
    m_pages->setTabText(ENTRAINEMENT, caption("Entrainement", langue));
    m_pages->setTabText(MATCH, caption("Match1", langue));
    m_pages->setTabText(HUMAIN, caption("Humain", langue));
    for (auto& [widget, key] : m_captioned) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(caption(key, langue));
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            box->setTitle(caption(key, langue));
        else if (auto* radio = qobject_cast<QRadioButton*>(widget))
            radio->setText(caption(key, langue));
    }
    for (QPushButton* b : m_start) b->setText(texte(COMMENCER, langue));
    for (QPushButton* b : m_cancel) b->setText(caption(b->objectName().toStdString(), langue));
    m_ramener->setText(texte(RAMENER, langue));
}

} // namespace selvako
