#include "ui/panels/problem_page.h"

#include <QClipboard>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/i18n/captions.h"
#include "ui/i18n/fen_fault_text.h"

namespace selvako {

namespace {

// Indicator picture of each piece code, in the order of the codes.
constexpr std::array<const char*, 5> INDICATORS = {"v48.Bmp", "b48.Bmp", "bd48.Bmp", "n48.Bmp",
                                                   "nd48.Bmp"};
constexpr std::array<const char*, 5> BUTTON_NAMES = {
    "SpeedButton14", "SpeedButton10", "SpeedButton11", "SpeedButton12", "SpeedButton13"};

constexpr Traductions GROUP = {"PLACEZ LES PIONS",  "PLACE THE PIECES",   "PLAATS DE STUKKEN",
                               "COLOQUE AS PEDRAS", "COLOQUE LAS FICHAS", "METTI LE PEDINE"};
constexpr Traductions HINT = {"Indique le type pion sélectionné", "Shows the piece chosen",
                              "Toont het gekozen stuk",           "Mostra a pedra escolhida",
                              "Muestra la ficha elegida",         "Mostra la pedina scelta"};
constexpr Traductions NORMAL_VIEW = {"Blancs:Bas->Haut",   "White:Down->Up",
                                     "Wit:Beneden->Boven", "Br.:Embaixo->Acima",
                                     "Bl.:Abajo->Arriba",  "Bl.:Bianco:Giù->Su"};
constexpr Traductions UPSIDE_DOWN = {"Blancs:Haut->Bas",   "White:Up->Down",
                                     "Wit:Boven->Beneden", "Br.:Acima->Embaixo",
                                     "Bl.:Arriba->Abajo",  "Bl.:Bianco:Su->Giù"};
constexpr Traductions COMPUTER_BLACK = {"Ordinateur noir",  "Computer black",
                                        "Computer zwart",   "Computador pretas",
                                        "Ordenador negras", "Calcolatore nero"};
constexpr Traductions COMPUTER_WHITE = {"Ordinateur blanc",  "Computer white",
                                        "Computer wit",      "Computador brancas",
                                        "Ordenador blancas", "Calcolatore blanco"};
constexpr Traductions COMPUTER_TURN = {"Ordinateur joue",  "Computer's turn",
                                       "Computer aan zet", "Computador joga",
                                       "Ordenador juegue", "Tocca al calcolatore"};
constexpr Traductions PLAYER_TURN = {"Joueur joue",  "Player's turn",  "Speler aan zet",
                                     "Jogador joga", "Jugador juegue", "Tocca al giocatore"};
constexpr Traductions PASTE = {"Coller une position (FEN)", "Paste a position (FEN)",
                               "Stelling plakken (FEN)",    "Colar uma posição (FEN)",
                               "Pegar una posición (FEN)",  "Incolla una posizione (FEN)"};
constexpr Traductions TOO_MANY = {
    "Pas plus de 12 pièces par camp",     "No more than 12 pieces a side",
    "Niet meer dan 12 stukken per kleur", "No máximo 12 pedras por lado",
    "No más de 12 fichas por bando",      "Non più di 12 pedine per parte"};
constexpr Traductions ON_PROMOTION_ROW = {
    "Un pion ne peut pas se trouver sur sa ligne de promotion",
    "A man cannot stand on its promotion row",
    "Een schijf kan niet op zijn promotierij staan",
    "Uma pedra não pode ficar na sua linha de promoção",
    "Un peón no puede estar en su fila de coronación",
    "Una pedina non può stare sulla sua riga di promozione"};
constexpr Traductions EVAL_BLANCS = {"Eval stat blancs:%1", "Static eval White:%1",
                                     "Stat. eval wit:%1",   "Aval. brancas:%1",
                                     "Eval. blancas:%1",    "Val. bianco:%1"};
constexpr Traductions EVAL_NOIRS = {"Eval stat noirs:%1",  "Static eval Black:%1",
                                    "Stat. eval zwart:%1", "Aval. pretas:%1",
                                    "Eval. negras:%1",     "Val. nero:%1"};
constexpr Traductions BAD_FEN = {
    "Position FEN illisible : ", "Unreadable FEN position: ", "Onleesbare FEN-stelling: ",
    "Posição FEN ilegível: ",    "Posición FEN ilegible: ",   "Posizione FEN illeggibile: "};

// The column of buttons is as narrow as the tab beside the board: their
// font is made small enough, once, for the longest caption of any language.
constexpr int BUTTON_TEXT_ROOM = 121;

void fit_font(QPushButton* button, const QStringList& texts) {
    QFont font = button->font();
    int size = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    for (; size > 8; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const QString& t : texts)
            fits = fits && metrics.horizontalAdvance(t) <= BUTTON_TEXT_ROOM;
        if (fits) break;
    }
    font.setPixelSize(size);
    button->setFont(font);
}

QStringList all_languages(const Traductions& text) {
    QStringList out;
    for (int langue = 0; langue < LANGUAGE_COUNT; ++langue) out << texte(text, langue);
    return out;
}

} // namespace

ProblemPage::ProblemPage(const QString& images, QWidget* parent)
    : QWidget(parent), m_images(images) {
    // A refusal message under the buttons may need more height than the
    // column has: the page then scrolls instead of squeezing the buttons.
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page->addWidget(scroll);
    auto* content = new QWidget(scroll);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(4, 4, 4, 4);
    auto* group = new QGroupBox(content);
    group->setObjectName(QStringLiteral("Probleme"));
    outer->addWidget(group);
    outer->addStretch();
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);

    for (std::uint8_t piece = EMPTY; piece <= BLACK_KING; ++piece) {
        auto* b = new QToolButton(group);
        b->setObjectName(QString::fromLatin1(BUTTON_NAMES[piece]));
        // Smaller than the 65 x 65 of a wider column: the symbol keeps its 48 x 48.
        b->setFixedSize(56, 56);
        b->setIconSize(QSize(48, 48));
        b->setIcon(QPixmap(QDir(m_images).filePath(QString::fromLatin1(INDICATORS[piece]))));
        connect(b, &QToolButton::clicked, this, [this, piece] { choose(piece); });
        m_pieces[piece] = b;
    }
    m_piontemoin = new QLabel(group);
    m_piontemoin->setObjectName(QStringLiteral("Piontemoin"));
    m_piontemoin->setFixedSize(52, 52);
    m_piontemoin->setAlignment(Qt::AlignCenter);
    m_piontemoin->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    grid->addWidget(m_pieces[WHITE_MAN], 0, 0);
    grid->addWidget(m_pieces[WHITE_KING], 0, 1);
    grid->addWidget(m_pieces[BLACK_MAN], 1, 0);
    grid->addWidget(m_pieces[BLACK_KING], 1, 1);
    grid->addWidget(m_piontemoin, 2, 0, Qt::AlignCenter);
    grid->addWidget(m_pieces[EMPTY], 2, 1);

    auto* column = new QVBoxLayout;
    const auto add = [&](const char* name) {
        auto* b = new QPushButton(group);
        b->setObjectName(QString::fromLatin1(name));
        column->addWidget(b);
        return b;
    };
    m_vider = add("vider1");
    m_remplir = add("remplir1");
    m_bas_haut = add("Bas_Haut");
    m_couleurordi = add("Couleurordi");
    m_couleurjoue = add("Couleurjoue");
    fit_font(m_bas_haut, all_languages(NORMAL_VIEW) + all_languages(UPSIDE_DOWN));
    fit_font(m_couleurordi, all_languages(COMPUTER_BLACK) + all_languages(COMPUTER_WHITE));
    fit_font(m_couleurjoue, all_languages(COMPUTER_TURN) + all_languages(PLAYER_TURN));
    column->addStretch();
    grid->addLayout(column, 0, 2, 3, 1);
    // Below, across the page: the column beside the board is narrow.
    m_coller = new QPushButton(group);
    m_coller->setObjectName(QStringLiteral("Coller_fen"));
    grid->addWidget(m_coller, 4, 0, 1, 3);
    m_blancs = new QLabel(group);
    m_blancs->setObjectName(QStringLiteral("Blancs"));
    m_noirs = new QLabel(group);
    m_noirs->setObjectName(QStringLiteral("Noirs"));
    grid->addWidget(m_blancs, 5, 0, 1, 3);
    grid->addWidget(m_noirs, 6, 0, 1, 3);
    m_message = new QLabel(group);
    m_message->setObjectName(QStringLiteral("Message_probleme"));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: #c00000;"));
    grid->addWidget(m_message, 7, 0, 1, 3);

    connect(m_vider, &QPushButton::clicked, this, &ProblemPage::empty_board);
    connect(m_remplir, &QPushButton::clicked, this, &ProblemPage::fill_board);
    connect(m_bas_haut, &QPushButton::clicked, this, &ProblemPage::change_direction);
    connect(m_couleurordi, &QPushButton::clicked, this, &ProblemPage::change_computer_colour);
    connect(m_couleurjoue, &QPushButton::clicked, this, &ProblemPage::change_first_mover);
    connect(m_coller, &QPushButton::clicked, this,
            [this] { emit paste_fen(QGuiApplication::clipboard()->text()); });
    show_indicator(EMPTY);
    set_captions(FRANCAIS);
}

void ProblemPage::choose(std::uint8_t piece) {
    show_indicator(piece);
    emit piece_chosen(piece);
}

void ProblemPage::show_indicator(std::uint8_t piece) {
    // Read each time, so a picture redrawn while the program runs is shown.
    m_piontemoin->setPixmap(
        QPixmap(QDir(m_images).filePath(QString::fromLatin1(INDICATORS[piece]))));
    m_shown_piece = piece;
}

void ProblemPage::set_captions(int langue) {
    m_langue = langue;
    findChild<QGroupBox*>(QStringLiteral("Probleme"))->setTitle(texte(GROUP, langue));
    m_piontemoin->setToolTip(texte(HINT, langue));
    m_vider->setText(caption("vider1", langue));
    m_remplir->setText(caption("remplir1", langue));
    m_coller->setText(texte(PASTE, langue));
}

void ProblemPage::show_state(const PositionEditor& editor, std::uint8_t couleur_ordinateur,
                             bool inverse) {
    m_bas_haut->setText(texte(inverse ? UPSIDE_DOWN : NORMAL_VIEW, m_langue));
    m_couleurordi->setText(
        texte(couleur_ordinateur == WHITE ? COMPUTER_WHITE : COMPUTER_BLACK, m_langue));
    m_couleurjoue->setText(
        texte(editor.computer_moves_first ? COMPUTER_TURN : PLAYER_TURN, m_langue));
    if (editor.piece != m_shown_piece) show_indicator(editor.piece);
    // Right-aligned in four places, as "%4d" writes it.
    m_blancs->setText(texte(EVAL_BLANCS, m_langue).arg(editor.evaluation[WHITE], 4));
    m_noirs->setText(texte(EVAL_NOIRS, m_langue).arg(editor.evaluation[BLACK], 4));
    switch (editor.refusal) {
    case EditorRefusal::none:
        m_message->clear();
        break;
    case EditorRefusal::too_many_pieces:
        m_message->setText(texte(TOO_MANY, m_langue));
        break;
    case EditorRefusal::man_on_promotion_row:
        m_message->setText(texte(ON_PROMOTION_ROW, m_langue));
        break;
    case EditorRefusal::bad_fen:
        m_message->setText(
            texte(BAD_FEN, m_langue) +
            QString::fromStdString(fen_fault_text(editor.fen_fault, editor.fen_where, m_langue)));
        break;
    }
}

} // namespace selvako
