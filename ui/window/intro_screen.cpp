#include "ui/window/intro_screen.h"

#include <QPainter>

#include <QDir>

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
                                               {"Nederlands", NEDERLANDS}, {"Portugues", PORTUGUES},
                                               {"Español", ESPANOL},       {"Italiano", ITALIANO}};

// The languages whose captions the program carries so far.
bool language_available(int langue) {
    return langue == FRANCAIS;
}

constexpr Traductions ADVICE[] = {
    {"Si l'image déborde de l'écran, votre écran n'est pas réglé en Super VGA (800x600)",
     "If picture is larger than screen, you are not in Super VGA (800x600)",
     "If picture is larger than screen, you are not in Super VGA (800x600)"},
    {"Pour changer, vous devez aller dans :", "To change, you must go in :",
     "To change, you must go in :"},
    {"'Panneau de configuration', 'Affichage', 'Paramètres', 'Zone d'écran'.",
     "'Configuration Pannel', 'Video', 'Parameters', 'Screen zone'.",
     "'Configuration Pannel', 'Video', 'Parameters', 'Screen zone'."},
    {"Si les textes débordent de leurs cadres, vous n'êtes pas en 'Windows Standard' (ou "
     "'Petites polices').",
     "If texts are larger than screen, you are not in 'Windows Standard' (or 'Small polices').",
     "If texts are larger than screen, you are not in 'Windows Standard' (or 'Small polices')."},
    {"Vous devez aller dans :", "You must go in :", "You must go in :"},
    {"'Panneau de configuration', 'Affichage', 'Paramètres', 'Avancé'.",
     "'Configuration Pannel', 'Video', 'Parameters', 'Advanced'.",
     "'Configuration Pannel', 'Video', 'Parameters', 'Advanced'."},
};

constexpr const char* CREDITS[] = {
    "Jeu de dames sur 64 cases",
    "Règles internationales : prise majoritaire,",
    "dames volantes, les pions prennent en arrière.",
    "Écrit par l'équipe Selvako.",
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
        button->setEnabled(language_available(b.langue));
        connect(button, &QPushButton::clicked, this, [this, b] { emit language_chosen(b.langue); });
        m_languages[b.langue] = button;
    }
    for (int k = 0; k < 4; ++k) {
        m_credits[k] = label(this, {212, 300 + 18 * k, 440, 18}, 12);
        m_credits[k]->setText(QString::fromUtf8(CREDITS[k]));
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
}

void IntroScreen::set_texts(int langue) {
    m_title->setText(QStringLiteral("SELVAKO 3D"));
    m_label4->setText(QStringLiteral("Version 7.00"));
    m_label6->setText(QStringLiteral("Version 7.00"));
    m_damier2d->setText(caption("Damier2d", langue));
    for (int k = 0; k < 8; ++k) m_theme_labels[k]->setText(caption(THEME_BUTTONS[k].label, langue));
    for (int k = 0; k < 6; ++k) m_advice[k]->setText(texte(ADVICE[k], langue));
}

} // namespace selvako
