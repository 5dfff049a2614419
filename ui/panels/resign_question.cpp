#include "ui/panels/resign_question.h"

#include <QMessageBox>
#include <QPushButton>

#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr Traductions QUESTION = {
    "Abandonner ce match ? La partie est perdue et les classements sont mis à jour.",
    "Resign this match? The game is lost and the ratings are updated.",
    "Deze match opgeven? De partij is verloren en de ratings worden bijgewerkt.",
    "Desistir desta partida? A partida está perdida e as pontuações são atualizadas.",
    "¿Abandonar esta partida? La partida se pierde y se actualizan las puntuaciones.",
    "Abbandonare questa partita? La partita è persa e i punteggi vengono aggiornati."};

} // namespace

void ask_resign(QWidget* parent, int langue, std::function<void()> resign) {
    auto* box = new QMessageBox(QMessageBox::Question, caption("Abandon1", langue),
                                texte(QUESTION, langue), QMessageBox::NoButton, parent);
    box->setObjectName(QStringLiteral("ResignQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* yes = box->addButton(caption("Abandon1", langue), QMessageBox::YesRole);
    box->setDefaultButton(box->addButton(caption("BitBtn18", langue), QMessageBox::NoRole));
    QObject::connect(box, &QMessageBox::finished, box, [box, yes, resign = std::move(resign)] {
        if (box->clickedButton() == yes) resign();
    });
    box->open();
}

} // namespace selvako
