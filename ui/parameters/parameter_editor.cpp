#include "ui/parameters/parameter_editor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr int CELL = 36;
const QColor LIGHT_SQUARE(0xee, 0xdd, 0xbb);

QString signed_text(std::uint8_t byte) {
    return QString::number(static_cast<std::int8_t>(byte));
}

QLineEdit* make_field(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setFixedWidth(CELL);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

// The phase thresholds are T1, T2, T3 in the file's order.
std::int8_t& threshold(EvalParameters& p, int index) {
    return index == 0 ? p.t1 : index == 1 ? p.t2 : p.t3;
}

VariantSquares& variant_row(EvalParameters& p, int row) {
    switch (row) {
    case 0:
        return p.variant1_white;
    case 1:
        return p.variant2_white;
    case 2:
        return p.variant1_black;
    default:
        return p.variant2_black;
    }
}

constexpr const char* TABLE_CAPTIONS[NUM_SQUARE_TABLES] = {
    "Param_debut_defaut", "Param_milieu_defaut", "Param_prefinale",  "Param_finale",
    "Param_debut_var1",   "Param_milieu_var1",   "Param_debut_var2", "Param_milieu_var2"};

} // namespace

std::uint8_t typed_byte(const QString& text) {
    int i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    // Only the low eight bits are kept, so the value is carried modulo 256
    // and no number of digits can overflow it.
    unsigned value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
        value = (value * 10 + static_cast<unsigned>(text[i].unicode() - '0')) & 0xFFu;
    return static_cast<std::uint8_t>(negative ? (256u - value) & 0xFFu : value);
}

ParameterEditor::ParameterEditor(const EvalParameters& params, QWidget* parent)
    : QDialog(parent), m_params(params) {
    setObjectName(QStringLiteral("Parametres_fenetre"));
    setModal(true);
    auto* scroll = new QScrollArea(this);
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);

    auto label = [this](QWidget* parent_widget, const char* key) {
        auto* l = new QLabel(parent_widget);
        m_labels.emplace_back(l, key);
        return l;
    };

    auto* phases = new QHBoxLayout;
    const char* phase_keys[] = {"Param_t1", "Param_t2", "Param_t3"};
    for (int i = 0; i < 3; ++i) {
        phases->addWidget(label(panel, phase_keys[i]));
        m_thresholds[static_cast<std::size_t>(i)] = make_field(panel);
        phases->addWidget(m_thresholds[static_cast<std::size_t>(i)]);
        phases->addWidget(label(panel, "Param_pieces"));
        phases->addSpacing(24);
    }
    phases->addWidget(label(panel, "Param_finale_reste"));
    phases->addStretch();
    column->addLayout(phases);

    for (int half = 0; half < 2; ++half) {
        column->addWidget(make_tempo_row(half * 4));
        auto* boards = new QHBoxLayout;
        for (int t = half * 4; t < half * 4 + 4; ++t) {
            auto* box = new QVBoxLayout;
            box->addWidget(make_board(t));
            box->addWidget(label(panel, TABLE_CAPTIONS[t]), 0, Qt::AlignHCenter);
            boards->addLayout(box);
        }
        boards->addStretch();
        column->addLayout(boards);
        if (half == 0) column->addWidget(label(panel, "Param_unites"));
    }

    auto* variants = new QHBoxLayout;
    auto* names = new QVBoxLayout;
    names->addWidget(new QLabel(panel));
    names->addWidget(label(panel, "Param_cases_blanches"));
    names->addWidget(label(panel, "Param_cases_noires"));
    variants->addLayout(names);
    variants->addWidget(make_variant_block(0));
    variants->addWidget(make_variant_block(1));
    variants->addStretch();
    column->addLayout(variants);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_cancel = new QPushButton(panel);
    m_cancel->setObjectName(QStringLiteral("parametrecancel"));
    m_ok = new QPushButton(panel);
    m_ok->setObjectName(QStringLiteral("parametreOK"));
    m_ok->setDefault(true);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_ok);
    column->addLayout(buttons);

    scroll->setWidget(panel);
    scroll->setWidgetResizable(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    resize(panel->sizeHint() + QSize(40, 60));

    connect(m_ok, &QPushButton::clicked, this, &ParameterEditor::parametreOKClick);
    connect(m_cancel, &QPushButton::clicked, this, &ParameterEditor::parametrecancelClick);
    set_captions(FRANCAIS);
}

QWidget* ParameterEditor::make_tempo_row(int first_table) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int t = first_table; t < first_table + 4; ++t) {
        auto* cell = new QHBoxLayout;
        auto* before = new QLabel(row);
        m_labels.emplace_back(before, "Param_temps_avance");
        m_tempo[static_cast<std::size_t>(t)] = make_field(row);
        auto* after = new QLabel(row);
        m_labels.emplace_back(after, "Param_sur_200");
        cell->addWidget(before);
        cell->addWidget(m_tempo[static_cast<std::size_t>(t)]);
        cell->addWidget(after);
        cell->addStretch();
        auto* holder = new QWidget(row);
        holder->setLayout(cell);
        // Each weight stands above its table.
        holder->setFixedWidth(8 * CELL + 6);
        layout->addWidget(holder);
    }
    layout->addStretch();
    return row;
}

QWidget* ParameterEditor::make_board(int table) {
    auto* board = new QWidget;
    board->setObjectName(QStringLiteral("Param_board_%1").arg(table));
    auto* grid = new QGridLayout(board);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int row = 0; row < 8; ++row)
        for (int file = 0; file < 8; ++file) {
            const bool dark = (row + file) % 2 == 1;
            QWidget* cell = nullptr;
            if (dark) {
                // Row 0 (the top) holds squares 1 to 4 on files b, d, f, h.
                const int s = row * 4 + file / 2 + 1;
                QLineEdit* field = make_field(board);
                field->setStyleSheet(QStringLiteral(
                    "QLineEdit { background: #8b5a2b; color: white; border: 1px solid #5a3a1b; }"));
                m_boards[static_cast<std::size_t>(table)][static_cast<std::size_t>(s - 1)] = field;
                cell = field;
            } else {
                cell = new QWidget(board);
                cell->setAutoFillBackground(true);
                QPalette palette = cell->palette();
                palette.setColor(QPalette::Window, LIGHT_SQUARE);
                cell->setPalette(palette);
            }
            cell->setFixedSize(CELL, CELL - 8);
            grid->addWidget(cell, row, file);
        }
    return board;
}

QWidget* ParameterEditor::make_variant_block(int variant) {
    auto* block = new QWidget;
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    // Room for the heading: the long caption wraps rather than runs into
    // the other block.
    block->setMinimumWidth(8 * CELL + 80);
    auto* head = new QLabel(block);
    head->setWordWrap(true);
    m_labels.emplace_back(head, variant == 0 ? "Param_variante1" : "Param_variante2");
    layout->addWidget(head);
    // Variant 1's rows are 0 (white) and 2 (black); variant 2's are 1 and 3.
    for (int colour = 0; colour < 2; ++colour) {
        auto* line = new QHBoxLayout;
        const int row = variant + 2 * colour;
        for (int i = 0; i < 7; ++i) {
            m_variants[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)] =
                make_field(block);
            line->addWidget(m_variants[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)]);
        }
        line->addStretch();
        layout->addLayout(line);
    }
    return block;
}

void ParameterEditor::set_captions(int langue) {
    setWindowTitle(caption("Parametres_fenetre", langue));
    for (auto& [l, key] : m_labels) l->setText(caption(key, langue));
    m_ok->setText(caption("parametreOK", langue));
    m_cancel->setText(caption("parametrecancel", langue));
}

void ParameterEditor::Changer1Click() {
    // The field accessors name fields of a set they may change.
    EvalParameters shown = m_params;
    for (int i = 0; i < 3; ++i)
        m_thresholds[static_cast<std::size_t>(i)]->setText(
            signed_text(static_cast<std::uint8_t>(threshold(shown, i))));
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 7; ++i)
            m_variants[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)]->setText(
                signed_text(static_cast<std::uint8_t>(
                    variant_row(shown, row)[static_cast<std::size_t>(i)])));
    for (int t = 0; t < NUM_SQUARE_TABLES; ++t) {
        m_tempo[static_cast<std::size_t>(t)]->setText(signed_text(
            static_cast<std::uint8_t>(m_params.tempo_weights[static_cast<std::size_t>(t)])));
        for (int s = 1; s <= NUM_SQUARES; ++s)
            table_field(t, static_cast<Square>(s))
                ->setText(signed_text(m_params.tables[static_cast<std::size_t>(t)]
                                                     [static_cast<std::size_t>(33 - s)]));
    }
    open();
}

void ParameterEditor::parametreOKClick() {
    EvalParameters p = m_params;
    for (int i = 0; i < 3; ++i)
        threshold(p, i) =
            static_cast<std::int8_t>(typed_byte(m_thresholds[static_cast<std::size_t>(i)]->text()));
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 7; ++i)
            variant_row(p, row)[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(typed_byte(
                m_variants[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)]->text()));
    for (int t = 0; t < NUM_SQUARE_TABLES; ++t) {
        p.tempo_weights[static_cast<std::size_t>(t)] =
            static_cast<std::int8_t>(typed_byte(m_tempo[static_cast<std::size_t>(t)]->text()));
        for (int s = 1; s <= NUM_SQUARES; ++s)
            p.tables[static_cast<std::size_t>(t)][static_cast<std::size_t>(33 - s)] =
                typed_byte(table_field(t, static_cast<Square>(s))->text());
    }
    if (accepted) accepted(p);
    accept();
}

void ParameterEditor::parametrecancelClick() {
    reject();
}

} // namespace selvako
