#include "ui/board3d/panel10.h"

#include <QEvent>

#include <algorithm>

#include "engine/board.h"
#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr int COLUMN_X = 610;
constexpr int COLUMN_WIDTH = 170;
constexpr int CLOCK_TOP = 56;
constexpr int CLOCK_BOTTOM = 448;

constexpr Traductions COUPS = {"Coups : ", "Moves: ", "Zetten: ", "Lances: ", "Jugadas: ",
                               "Mosse: "};

QLabel* panel_label(QWidget* parent, QRect geometry, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    l->setAutoFillBackground(true);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    QFont font = l->font();
    font.setPixelSize(12);
    font.setBold(true);
    l->setFont(font);
    return l;
}

} // namespace

Panel10::Panel10(Board3dView* image, QWidget* parent) : QWidget(parent), m_image(image) {
    setObjectName(QStringLiteral("Panel10"));
    resize(PANEL_WIDTH, PANEL_HEIGHT);
    // The panel covers the whole area it is shown over, however large the
    // window has grown; the picture and all over it scale to fill it.
    if (parent) parent->installEventFilter(this);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(palette);
    m_image->setParent(this);
    m_image->set_design_size({PANEL_WIDTH, PANEL_HEIGHT});
    m_image->setGeometry(rect());

    m_panel11 = panel_label(this, {8, 4, 120, 22}, "Panel11");
    m_nbcoups3d = panel_label(this, {132, 4, 100, 22}, "Nbcoups3d");
    m_header_names[1] = panel_label(this, {236, 4, 150, 22}, "Noir3d");
    m_nbn3d = panel_label(this, {388, 4, 36, 22}, "Nbn3d");
    m_header_names[0] = panel_label(this, {428, 4, 150, 22}, "Blanc3d");
    m_nbb3d = panel_label(this, {580, 4, 36, 22}, "Nbb3d");
    m_nbn3d->setStyleSheet(QStringLiteral("background: #202020; color: white;"));
    m_nbb3d->setStyleSheet(QStringLiteral("background: #f4f0e4; color: black;"));

    m_noir = make_clock("Horlogenoir3d", "minnoir3d", "secnoir3d", CLOCK_TOP);
    m_blanc = make_clock("Horlogeblanc3d", "minblanc3d", "secblanc3d", CLOCK_BOTTOM);

    for (int k = 0; k < 3; ++k) {
        m_capture[k] = new QLabel(this);
        m_capture[k]->setGeometry(COLUMN_X, 180 + 22 * k, COLUMN_WIDTH, 20);
        m_capture[k]->setAlignment(Qt::AlignCenter);
        m_capture[k]->setStyleSheet(
            QStringLiteral("color: #ffe000; background: #800000; font-weight: bold;"));
        m_capture[k]->hide();
    }
    m_proposer_nul = new QPushButton(this);
    m_proposer_nul->setObjectName(QStringLiteral("Proposernul3d"));
    m_proposer_nul->setGeometry(COLUMN_X, 270, COLUMN_WIDTH, 26);
    m_nul_refuse = new QPushButton(this);
    m_nul_refuse->setObjectName(QStringLiteral("Nulrefus3d"));
    m_nul_refuse->setGeometry(COLUMN_X, 300, COLUMN_WIDTH, 26);
    m_nul_refuse->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    m_nul_refuse->hide();
    m_abandon = new QPushButton(this);
    m_abandon->setObjectName(QStringLiteral("Abandon3d"));
    m_abandon->setGeometry(COLUMN_X, 330, COLUMN_WIDTH, 26);
    m_abandon->hide();
    for (QLabel* l : {m_panel11, m_nbcoups3d, m_header_names[0], m_header_names[1], m_nbn3d,
                      m_nbb3d})
        l->raise();
    for (QWidget* w : findChildren<QWidget*>())
        if (w != m_image) m_placement.remember(w);
}

Panel10::Clock Panel10::make_clock(const char* object_name, const char* minutes,
                                   const char* seconds, int y) {
    Clock c;
    c.panel = new QWidget(this);
    c.panel->setObjectName(QString::fromLatin1(object_name));
    c.panel->setGeometry(COLUMN_X, y, COLUMN_WIDTH, 62);
    c.panel->setAutoFillBackground(true);
    c.panel->setStyleSheet(QStringLiteral("background: #303848; color: #f0f0f0;"));
    c.name = new QLabel(c.panel);
    c.name->setGeometry(6, 2, COLUMN_WIDTH - 12, 20);
    c.minutes = new QLabel(QStringLiteral("0"), c.panel);
    c.minutes->setObjectName(QString::fromLatin1(minutes));
    c.minutes->setGeometry(20, 22, 60, 36);
    c.minutes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* colon = new QLabel(QStringLiteral(":"), c.panel);
    colon->setGeometry(82, 22, 10, 36);
    c.seconds = new QLabel(QStringLiteral("00"), c.panel);
    c.seconds->setObjectName(QString::fromLatin1(seconds));
    c.seconds->setGeometry(94, 22, 60, 36);
    for (QLabel* l : {c.minutes, colon, c.seconds}) {
        QFont font = l->font();
        font.setPixelSize(28);
        font.setBold(true);
        l->setFont(font);
    }
    return c;
}

void Panel10::fit_to_parent() {
    if (!parentWidget()) return;
    resize(std::max(PANEL_WIDTH, parentWidget()->width()),
           std::max(PANEL_HEIGHT, parentWidget()->height()));
}

bool Panel10::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) fit_to_parent();
    return QWidget::eventFilter(watched, event);
}

void Panel10::resizeEvent(QResizeEvent* event) {
    scale_contents();
    QWidget::resizeEvent(event);
}

void Panel10::scale_contents() {
    m_image->setGeometry(rect());
    const DesignFit at = m_image->fit();
    m_placement.apply(this, at.scale, at.offset);
}

void Panel10::showEvent(QShowEvent* event) {
    fit_to_parent();
    QWidget::showEvent(event);
}

void Panel10::set_captions(int langue) {
    m_langue = langue;
    m_capture[0]->setText(caption("Label29", langue));
    m_capture[1]->setText(caption("Label30", langue));
    m_capture[2]->setText(caption("Label31", langue));
    m_proposer_nul->setText(caption("Proposernul", langue));
    m_nul_refuse->setText(caption("Nulrefus", langue));
    m_abandon->setText(caption("Abandon1", langue));
    set_move_number(m_move_number);
}

void Panel10::set_clock(int side, const QString& minutes, const QString& seconds) {
    const Clock& c = side == BLACK ? m_noir : m_blanc;
    c.minutes->setText(minutes);
    c.seconds->setText(seconds);
}

void Panel10::set_names(const QString& noir, const QString& blanc) {
    m_noir.name->setText(noir + QStringLiteral(" : "));
    m_blanc.name->setText(blanc + QStringLiteral(" : "));
    m_header_names[1]->setText(noir);
    m_header_names[0]->setText(blanc);
}

void Panel10::set_counts(int noir, int blanc) {
    m_nbn3d->setText(QString::asprintf(" %2d", noir));
    m_nbb3d->setText(QString::asprintf(" %2d", blanc));
}

void Panel10::set_kind(const QString& text) {
    m_panel11->setText(text);
}

void Panel10::set_move_number(int number) {
    m_move_number = number;
    m_nbcoups3d->setText(texte(COUPS, m_langue) + QString::number(number));
}

void Panel10::set_capture_notice(bool shown) {
    for (QLabel* l : m_capture) l->setVisible(shown);
}

void Panel10::place_clocks(bool inverse) {
    m_placement.move_designed(m_noir.panel, {COLUMN_X, inverse ? CLOCK_BOTTOM : CLOCK_TOP});
    m_placement.move_designed(m_blanc.panel, {COLUMN_X, inverse ? CLOCK_TOP : CLOCK_BOTTOM});
    scale_contents();
}

QString Panel10::count_text(int side) const {
    return (side == BLACK ? m_nbn3d : m_nbb3d)->text();
}

QString Panel10::clock_text(int side) const {
    const Clock& c = side == BLACK ? m_noir : m_blanc;
    return c.minutes->text() + QLatin1Char(':') + c.seconds->text();
}

QString Panel10::move_number_text() const {
    return m_nbcoups3d->text();
}

int Panel10::clock_y(int side) const {
    return (side == BLACK ? m_noir : m_blanc).panel->y();
}

} // namespace selvako
