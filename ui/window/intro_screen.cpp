#include "ui/window/intro_screen.h"

#include <QPainter>

#include <QDir>

#include <algorithm>

#include "ui/board/board_geometry.h"
#include "ui/board3d/themes_3d.h"
#include "ui/i18n/captions.h"

namespace selvako {

namespace {

// The language buttons, top to bottom, with the language each one selects.
struct LanguageButton {
    const char* caption;
    int langue;
};
constexpr LanguageButton LANGUAGE_BUTTONS[] = {{"Français", FRANCAIS},     {"English", ENGLISH},
                                               {"Nederlands", NEDERLANDS}, {"Português", PORTUGUES},
                                               {"Español", ESPANOL},       {"Italiano", ITALIANO}};

// The display advice, for this platform: the window scales with its frame,
// and the screen's own scaling is set in the desktop's settings.
constexpr Traductions ADVICE[] = {
    {"Si la fenêtre déborde de l'écran, réduisez-la : le damier et les panneaux suivent.",
     "If the window is larger than the screen, make it smaller: the board and panels follow.",
     "Is het venster groter dan het scherm, maak het kleiner: bord en panelen schalen mee.",
     "Se a janela for maior que a tela, reduza-a: o tabuleiro e os painéis acompanham.",
     "Si la ventana es más grande que la pantalla, redúzcala: el tablero y los paneles la siguen.",
     "Se la finestra è più grande dello schermo, riducila: damiera e pannelli si adattano."},
    {"Pour changer l'échelle de tout l'affichage, allez dans :",
     "To change the scaling of the whole display, go to:",
     "Om de schaal van het hele scherm te wijzigen, ga naar:",
     "Para mudar a escala de toda a tela, vá em:",
     "Para cambiar la escala de toda la pantalla, vaya a:",
     "Per cambiare la scala di tutto lo schermo, vai in:"},
    {"'Paramètres', 'Écrans', 'Échelle' (GNOME) ou 'Configuration du système', 'Affichage'.",
     "'Settings', 'Displays', 'Scale' (GNOME) or 'System Settings', 'Display' (KDE).",
     "'Instellingen', 'Beeldschermen', 'Schaal' (GNOME) of 'Systeeminstellingen', 'Scherm'.",
     "'Configurações', 'Telas', 'Escala' (GNOME) ou 'Configurações do sistema', 'Tela'.",
     "'Configuración', 'Pantallas', 'Escala' (GNOME) o 'Preferencias del sistema', 'Pantalla'.",
     "'Impostazioni', 'Schermi', 'Scala' (GNOME) o 'Impostazioni di sistema', 'Schermo'."},
    {"Si les textes débordent de leurs cadres, la police du bureau est trop grande.",
     "If texts are larger than their frames, the desktop's font is too large.",
     "Passen teksten niet in hun kaders, dan is het lettertype van het bureaublad te groot.",
     "Se os textos não cabem nos quadros, a fonte da área de trabalho é grande demais.",
     "Si los textos no caben en sus marcos, la fuente del escritorio es demasiado grande.",
     "Se i testi escono dalle cornici, il carattere del desktop è troppo grande."},
    {"Vous devez aller dans :", "You must go to:", "Ga dan naar:", "Você deve ir em:", "Debe ir a:",
     "Devi andare in:"},
    {"'Paramètres', 'Accessibilité', 'Grands textes' (GNOME) ou 'Polices' (KDE).",
     "'Settings', 'Accessibility', 'Large Text' (GNOME) or 'Fonts' (KDE).",
     "'Instellingen', 'Toegankelijkheid', 'Grote tekst' (GNOME) of 'Lettertypen' (KDE).",
     "'Configurações', 'Acessibilidade', 'Texto grande' (GNOME) ou 'Fontes' (KDE).",
     "'Configuración', 'Accesibilidad', 'Texto grande' (GNOME) o 'Tipos de letra' (KDE).",
     "'Impostazioni', 'Accessibilità', 'Testo grande' (GNOME) o 'Caratteri' (KDE)."},
};

// The start screen's credit lines.
constexpr Traductions CREDITS[] = {
    {"Jeu de dames sur 64 cases", "Draughts on 64 squares", "Dammen op 64 velden",
     "Damas em 64 casas", "Damas en 64 casillas", "Dama su 64 caselle"},
    {"Règles internationales : prise majoritaire,", "International rules: majority capture,",
     "Internationale regels: meerslag,", "Regras internacionais: lei da maioria,",
     "Reglas internacionales: captura máxima,", "Regole internazionali: presa maggioritaria,"},
    {"dames volantes, les pions prennent en arrière.", "flying kings, men capture backwards.",
     "vliegende dammen, schijven slaan achteruit.", "damas voadoras, pedras capturam para trás.",
     "damas volantes, los peones capturan hacia atrás.",
     "dame volanti, le pedine prendono all'indietro."},
    {"Écrit par l'équipe Selvako.", "Written by the Selvako team.",
     "Geschreven door het Selvako-team.", "Escrito pela equipe Selvako.",
     "Escrito por el equipo Selvako.", "Scritto dalla squadra Selvako."},
};

// The picture on the 2D board button: the start position in small.
QPixmap board_picture(const BoardImages& images) {
    constexpr int CELL = 20;
    QPixmap picture(8 * CELL, 8 * CELL);
    QPainter p(&picture);
    const BoardArray board = start_position();
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            const QRect cell(c * CELL, r * CELL, CELL, CELL);
            const Square s = square_from_click(CLICK_ORIGIN + c * SQUARE_PIXELS,
                                               CLICK_ORIGIN + r * SQUARE_PIXELS, false);
            const QImage& image = s == 0 ? images.light_square() : images.square(board[s]);
            if (!image.isNull())
                p.drawImage(cell, image);
            else
                p.fillRect(cell, s == 0 ? QColor(246, 226, 150) : QColor(120, 78, 44));
        }
    return picture;
}

// The theme buttons in the order they are laid out, two rows of four, and
// the caption key of each one's label.
struct ThemeButton {
    int theme;
    const char* label;
};
constexpr ThemeButton THEME_BUTTONS[] = {{1, "Label36"}, {2, "Label37"}, {3, "Label38"},
                                         {7, "Label72"}, {4, "Damier3D4"}, {5, "Damier3D5"},
                                         {6, "Damier3D6"}, {8, "Damier3D8"}};

constexpr QSize DESIGN(800, 520);

QLabel* label(QWidget* parent, QRect geometry, int pixel_size, bool bold = false) {
    auto* l = new QLabel(parent);
    l->setGeometry(geometry);
    QFont font = l->font();
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    l->setFont(font);
    return l;
}

} // namespace

IntroScreen::IntroScreen(const BoardImages& images, const QString& data_dir, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Intro"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(palette);

    m_title = label(this, {40, 16, 720, 64}, 52, true);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setStyleSheet(QStringLiteral("color: #7a1010;"));
    m_label4 = label(this, {40, 84, 200, 20}, 14);
    m_label6 = label(this, {568, 84, 200, 20}, 14);
    m_label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_speedbutton6 = new QToolButton(this);
    m_speedbutton6->setObjectName(QStringLiteral("SpeedButton6"));
    m_speedbutton6->setGeometry(24, 112, 172, 172);
    m_speedbutton6->setIcon(board_picture(images));
    m_speedbutton6->setIconSize({160, 160});
    connect(m_speedbutton6, &QToolButton::clicked, this, &IntroScreen::board_2d_chosen);
    m_damier2d = label(this, {24, 288, 172, 20}, 14, true);
    m_damier2d->setAlignment(Qt::AlignCenter);

    for (int k = 0; k < 6; ++k) {
        const LanguageButton& b = LANGUAGE_BUTTONS[k];
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setGeometry(656, 112 + 16 * k, 137, 17);
        QFont font = button->font();
        font.setPixelSize(11);
        button->setFont(font);
        connect(button, &QPushButton::clicked, this, [this, b] { emit language_chosen(b.langue); });
        m_languages[b.langue] = button;
    }
    for (int k = 0; k < 4; ++k) {
        m_credits[k] = label(this, {212, 300 + 18 * k, 440, 18}, 12);
    }
    for (int k = 0; k < 8; ++k) {
        const ThemeButton& t = THEME_BUTTONS[k];
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(THEMES_3D[t.theme - 1].intro_button));
        const QRect box(212 + 110 * (k % 4), 112 + 94 * (k / 4), 104, 70);
        button->setGeometry(box);
        // A theme whose picture is missing still has its button; it opens
        // Classique then.
        const QImage picture(
            QDir(data_dir).filePath(QString::fromStdString(background_file(t.theme))));
        if (!picture.isNull()) {
            button->setIcon(QPixmap::fromImage(picture.scaled(
                100, 66, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
            button->setIconSize({100, 66});
        }
        connect(button, &QToolButton::clicked, this, [this, t] { emit theme_chosen(t.theme); });
        m_themes[t.theme - 1] = button;
        // Wider than the button: "Salvador da Bahia" needs the room.
        m_theme_labels[k] = label(this, {box.x() - 12, box.bottom() + 2, 128, 18}, 11, true);
        m_theme_labels[k]->setAlignment(Qt::AlignCenter);
    }
    for (int k = 0; k < 6; ++k) {
        m_advice[k] = label(this, {40, 380 + 18 * k, 720, 16}, 11);
        m_advice[k]->setStyleSheet(QStringLiteral("color: #404040;"));
    }
    for (QWidget* w : findChildren<QWidget*>()) m_placement.remember(w);
}

void IntroScreen::resizeEvent(QResizeEvent* event) {
    // The screen keeps its designed size, centred in a larger window: its
    // pictures are drawn for that size.
    m_placement.apply(this, 1.0,
                      QPoint(std::max(0, (width() - DESIGN.width()) / 2),
                             std::max(0, (height() - DESIGN.height()) / 2)));
    QWidget::resizeEvent(event);
}

void IntroScreen::set_texts(int langue) {
    m_title->setText(QStringLiteral("SELVAKO 3D"));
    m_label4->setText(QStringLiteral("Version 7.00"));
    m_label6->setText(QStringLiteral("Version 7.00"));
    m_damier2d->setText(caption("Damier2d", langue));
    for (int k = 0; k < 8; ++k) m_theme_labels[k]->setText(caption(THEME_BUTTONS[k].label, langue));
    for (int k = 0; k < 6; ++k) m_advice[k]->setText(texte(ADVICE[k], langue));
    for (int k = 0; k < 4; ++k) m_credits[k]->setText(texte(CREDITS[k], langue));
}

} // namespace selvako
