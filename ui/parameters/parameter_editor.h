#pragma once
// The evaluation parameter editor ("Parameters"): 295 fields, the three
// phase thresholds, the eight tempo weights, the eight men tables as small
// boards (the field on square s shows entry 33 - s, the value a white man on
// that very square receives) and the four rows of variant squares. Each
// field shows its byte as a signed number; OK stores the low eight bits of
// what was typed, Cancel keeps the set as it was.
//
// The editor is modal: no parameter file can be loaded while it is open, so
// OK never writes fields that are older than the set in memory.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <functional>
#include <vector>

#include "engine/board.h"
#include "eval/parameters.h"

class QGridLayout;

namespace selvako {

// The byte a typed value stores: leading blanks and a sign accepted, digits
// read up to the first other character (none reads as 0), the low eight
// bits kept, so that 200 and -56 store the same byte.
std::uint8_t typed_byte(const QString& text);

inline constexpr int PARAMETER_FIELDS = 295;

class ParameterEditor : public QDialog {
    Q_OBJECT
  public:
    // `params` is the evaluation's set, shown when the editor opens; OK hands
    // the set as edited to `accepted`, which changes it.
    ParameterEditor(const EvalParameters& params, QWidget* parent);

    std::function<void(const EvalParameters&)> accepted;

    // "Modifier les paramètres": every field from the set, then the window.
    void Changer1Click();
    void parametreOKClick();
    void parametrecancelClick();
    void set_captions(int langue);

    QLineEdit* threshold_field(int index) const { return m_thresholds[index]; }
    QLineEdit* tempo_field(int table) const { return m_tempo[table]; }
    // The field standing on square s (1..32) of a table's board.
    QLineEdit* table_field(int table, Square s) const { return m_boards[table][s - 1]; }
    // Rows: variant 1 white, variant 2 white, variant 1 black, variant 2 black.
    QLineEdit* variant_field(int row, int index) const { return m_variants[row][index]; }
    int field_count() const { return static_cast<int>(findChildren<QLineEdit*>().size()); }

  private:
    QWidget* make_board(int table);
    QWidget* make_tempo_row(int first_table);
    QWidget* make_variant_block(int variant);

    const EvalParameters& m_params;
    std::array<QLineEdit*, 3> m_thresholds{};
    std::array<QLineEdit*, NUM_SQUARE_TABLES> m_tempo{};
    std::array<std::array<QLineEdit*, NUM_SQUARES>, NUM_SQUARE_TABLES> m_boards{};
    std::array<std::array<QLineEdit*, 7>, 4> m_variants{};
    // Every fixed text with its caption key.
    std::vector<std::pair<QLabel*, const char*>> m_labels;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace selvako
