#include "ui/help/about_panel.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr Traductions VERSION = {"Version %1", "Version %1", "Versie %1",
                                 "Versão %1",  "Versión %1", "Versione %1"};
constexpr Traductions DESCRIPTION = {
    "Jeu de dames sur 64 cases aux règles internationales : prise majoritaire, dames volantes, "
    "les pions prennent en arrière.",
    "Draughts on the 64-square board under international rules: majority capture, flying "
    "kings, men capture backwards.",
    "Dammen op het 64-veldenbord volgens de internationale regels: meerslag, vliegende dammen, "
    "schijven slaan achteruit.",
    "Damas no tabuleiro de 64 casas pelas regras internacionais: lei da maioria, damas "
    "voadoras, as pedras capturam para trás.",
    "Damas en el tablero de 64 casillas con reglas internacionales: captura máxima, damas "
    "volantes, los peones capturan hacia atrás.",
    "Dama sulla damiera di 64 caselle con le regole internazionali: presa maggioritaria, dame "
    "volanti, le pedine prendono all'indietro."};
constexpr Traductions CREDITS = {
    "Écrit par l'équipe Selvako : moteur, évaluation, interface, traductions, pages d'aide et "
    "images, tous produits par ses propres outils.",
    "Written by the Selvako team: engine, evaluation, interface, translations, help pages and "
    "pictures, all made by its own tools.",
    "Geschreven door het Selvako-team: engine, evaluatie, interface, vertalingen, helppagina's "
    "en afbeeldingen, alle gemaakt met eigen gereedschap.",
    "Escrito pela equipe Selvako: motor, avaliação, interface, traduções, páginas de ajuda e "
    "imagens, todos feitos com as suas próprias ferramentas.",
    "Escrito por el equipo Selvako: motor, evaluación, interfaz, traducciones, páginas de "
    "ayuda e imágenes, todo hecho con sus propias herramientas.",
    "Scritto dalla squadra Selvako: motore, valutazione, interfaccia, traduzioni, pagine di "
    "aiuto e immagini, tutti prodotti con i suoi strumenti."};

} // namespace

AboutPanel::AboutPanel(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Apropos"));
    auto* column = new QVBoxLayout(this);
    m_title = new QLabel(QStringLiteral("SELVAKO 3D"), this);
    QFont font = m_title->font();
    font.setPixelSize(28);
    font.setBold(true);
    m_title->setFont(font);
    m_title->setAlignment(Qt::AlignCenter);
    m_version = new QLabel(this);
    m_version->setAlignment(Qt::AlignCenter);
    m_description = new QLabel(this);
    m_credits = new QLabel(this);
    for (QLabel* l : {m_description, m_credits}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(380);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(m_title);
    column->addWidget(m_version);
    column->addWidget(m_description);
    column->addWidget(m_credits);
    column->addWidget(buttons);
}

void AboutPanel::set_texts(int langue, const QString& version) {
    setWindowTitle(caption("Apropos1", langue));
    m_version->setText(texte(VERSION, langue).arg(version));
    m_description->setText(texte(DESCRIPTION, langue));
    m_credits->setText(texte(CREDITS, langue));
}

} // namespace selvako
