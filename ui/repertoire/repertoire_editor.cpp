#include "ui/repertoire/repertoire_editor.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

#include "engine/repertoire_line.h"
#include "files/repertoire_files.h"
#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr int LAST_LINE_PLY = 42;

QString algebraic(const std::string& line) {
    return QString::fromStdString(algebraic_line(repertoire_line_moves(line)));
}

} // namespace

std::string game_as_line(const GameState& game) {
    std::vector<PlayedMove> moves;
    for (int ply = 1; ply <= game.num_demi_coup && ply <= LAST_LINE_PLY; ++ply) {
        const FicheCoup& record = game.historique[static_cast<std::size_t>(ply)];
        if (record.from == 0) break;
        moves.push_back({record.from, record.to});
    }
    return repertoire_line_text(moves);
}

RepertoireEditor::RepertoireEditor(int side, const Repertoires& lists, RepertoireFolders folders,
                                   QWidget* parent)
    : QDialog(parent), m_side(side), m_lists(lists), m_folders(std::move(folders)) {
    setObjectName(side == BLACK ? QStringLiteral("Form3") : QStringLiteral("Form2"));
    setModal(true);
    // The stored squares and the algebraic reading of the longest usual
    // lines side by side; the window grows with the screen when maximised.
    resize(1120, 560);
    auto* outer = new QVBoxLayout(this);
    m_fiche = new QGroupBox(this);
    m_fiche->setObjectName(QStringLiteral("Fiche_Ouvertures"));
    outer->addWidget(m_fiche);
    auto* column = new QVBoxLayout(m_fiche);
    m_nouvelle_ouverture = new QLineEdit(m_fiche);
    m_nouvelle_ouverture->setObjectName(QStringLiteral("Nouvelle_Ouverture"));
    column->addWidget(m_nouvelle_ouverture);
    auto* edit_buttons = new QHBoxLayout;
    m_valide = new QPushButton(m_fiche);
    m_valide->setObjectName(QStringLiteral("Valide_Ouverture"));
    m_valide->setFixedSize(105, 33);
    m_effacer = new QPushButton(m_fiche);
    m_effacer->setObjectName(QStringLiteral("Effacer"));
    m_effacer->setFixedSize(105, 33);
    edit_buttons->addStretch();
    edit_buttons->addWidget(m_valide);
    edit_buttons->addWidget(m_effacer);
    edit_buttons->addStretch();
    column->addLayout(edit_buttons);
    m_liste_ouvertures = new QListWidget(m_fiche);
    m_liste_ouvertures->setObjectName(QStringLiteral("Liste_Ouvertures"));
    // Square numbers line up in columns.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_liste_ouvertures->setFont(fixed);
    column->addWidget(m_liste_ouvertures, 1);
    m_lecture = new QLabel(m_fiche);
    m_lecture->setObjectName(QStringLiteral("Lecture_Ouverture"));
    m_lecture->setWordWrap(true);
    m_lecture->setFont(fixed);
    column->addWidget(m_lecture);
    auto* bottom = new QHBoxLayout;
    m_bitbtn2 = new QPushButton(m_fiche);
    m_bitbtn2->setObjectName(QStringLiteral("BitBtn2"));
    m_bitbtn2->setFixedWidth(97);
    m_bitbtn3 = new QPushButton(m_fiche);
    m_bitbtn3->setObjectName(QStringLiteral("BitBtn3"));
    m_bitbtn3->setMinimumWidth(217);
    m_bitbtn1 = new QPushButton(m_fiche);
    m_bitbtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_bitbtn1->setFixedWidth(313);
    m_bitbtn1->setDefault(true);
    bottom->addWidget(m_bitbtn2);
    bottom->addWidget(m_bitbtn3);
    bottom->addWidget(m_bitbtn1);
    bottom->addStretch();
    column->addLayout(bottom);

    connect(m_valide, &QPushButton::clicked, this, &RepertoireEditor::Valide_OuvertureClick);
    connect(m_effacer, &QPushButton::clicked, this, &RepertoireEditor::EffacerClick);
    connect(m_liste_ouvertures, &QListWidget::itemClicked, this,
            &RepertoireEditor::Liste_OuverturesClick);
    connect(m_bitbtn2, &QPushButton::clicked, this, &RepertoireEditor::BitBtn2Click);
    connect(m_bitbtn1, &QPushButton::clicked, this, &RepertoireEditor::BitBtn1Click);
    connect(m_bitbtn3, &QPushButton::clicked, this, &RepertoireEditor::BitBtn3Click);
    connect(m_nouvelle_ouverture, &QLineEdit::textChanged, this, &RepertoireEditor::show_reading);
    // Closing the window by its frame is a Cancel.
    connect(this, &QDialog::rejected, this, [this] { m_lines = m_lists.of(m_side); });
    set_captions(FRANCAIS);
}

void RepertoireEditor::set_captions(int langue) {
    setWindowTitle(caption(m_side == BLACK ? "Form3" : "Form2", langue));
    m_fiche->setTitle(
        caption(m_side == BLACK ? "Fiche_Ouvertures_n" : "Fiche_Ouvertures_b", langue));
    m_valide->setText(caption("Valide_Ouverture", langue));
    m_valide->setToolTip(caption("Valide_Ouverture_hint", langue));
    m_effacer->setText(caption("Effacer_Ouverture", langue));
    m_effacer->setToolTip(caption("Effacer_Ouverture_hint", langue));
    m_bitbtn2->setText(caption("BitBtn2_Ouvertures", langue));
    m_bitbtn1->setText(caption("BitBtn1_Ouvertures", langue));
    m_bitbtn3->setText(caption("BitBtn3", langue));
    m_bitbtn3->setToolTip(caption("BitBtn3_hint", langue));
}

void RepertoireEditor::open_editor(const QString& game_line) {
    m_game_line = game_line;
    m_lines = m_lists.of(m_side);
    m_nouvelle_ouverture->setText(game_line);
    show_lines(-1);
    show_reading();
    open();
}

void RepertoireEditor::show_lines(int selected) {
    m_liste_ouvertures->clear();
    // The readings start in one column, after the longest stored line.
    qsizetype width = 0;
    for (const std::string& line : m_lines)
        width = std::max(width, std::min<qsizetype>(static_cast<qsizetype>(line.size()), 80));
    for (const std::string& line : m_lines) {
        auto* item = new QListWidgetItem(QString::fromStdString(line).leftJustified(width) +
                                         "  |  " + algebraic(line));
        item->setData(Qt::UserRole, QString::fromStdString(line));
        m_liste_ouvertures->addItem(item);
    }
    m_liste_ouvertures->setCurrentRow(selected);
}

void RepertoireEditor::show_reading() {
    const std::string line = m_nouvelle_ouverture->text().toStdString();
    m_lecture->setText(line.empty() ? QString() : algebraic(line));
}

void RepertoireEditor::Valide_OuvertureClick() {
    const QString text = m_nouvelle_ouverture->text();
    if (text.trimmed().isEmpty()) return;
    const std::string line = text.toStdString();
    // The list's stable sort places it after the lines equal to it.
    m_lines.push_back(line);
    sort_repertoire(m_lines);
    const auto last = std::find(m_lines.rbegin(), m_lines.rend(), line);
    show_lines(static_cast<int>(m_lines.rend() - last) - 1);
}

void RepertoireEditor::EffacerClick() {
    m_nouvelle_ouverture->clear();
    const int row = m_liste_ouvertures->currentRow();
    if (row < 0 || row >= static_cast<int>(m_lines.size())) return;
    m_lines.erase(m_lines.begin() + row);
    show_lines(-1);
}

void RepertoireEditor::Liste_OuverturesClick() {
    const QListWidgetItem* item = m_liste_ouvertures->currentItem();
    if (item) m_nouvelle_ouverture->setText(item->data(Qt::UserRole).toString());
}

void RepertoireEditor::BitBtn2Click() {
    m_lines = m_lists.of(m_side);
    hide();
    setResult(QDialog::Rejected);
}

bool RepertoireEditor::save_active(const RepertoireLines& lines) {
    if (!write_repertoire(active_repertoire_file(m_folders.active, m_side), lines)) {
        if (report_file_error) report_file_error();
        return false;
    }
    if (adopt) adopt(m_side, lines);
    return true;
}

void RepertoireEditor::BitBtn1Click() {
    const QString name = ask_library_name ? ask_library_name() : QString();
    if (name.isEmpty()) {
        // No library named: the edits still become the active repertoire
        // rather than living in memory until the file is read again.
        if (save_active(m_lines)) accept();
        return;
    }
    Repertoires lists = m_lists;
    (m_side == BLACK ? lists.black : lists.white) = m_lines;
    if (!save_library(name.toStdString(), m_side, lists, {}, m_folders.active)) {
        if (report_file_error) report_file_error();
        return;
    }
    if (adopt) adopt(m_side, m_lines);
    accept();
}

void RepertoireEditor::BitBtn3Click() {
    if (m_game_line.isEmpty()) return;
    const std::string line = m_game_line.toStdString();
    RepertoireLines lines = m_lines;
    if (std::find(lines.begin(), lines.end(), line) == lines.end()) {
        lines.push_back(line);
        sort_repertoire(lines);
    }
    if (!save_active(lines)) return;
    m_lines = std::move(lines);
    const auto at = std::find(m_lines.begin(), m_lines.end(), line) - m_lines.begin();
    show_lines(static_cast<int>(at));
}

} // namespace selvako
