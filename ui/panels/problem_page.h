#pragma once
// The "Probleme" page: the position set-up editor's buttons. It shows what the
// controller's editor holds and asks for commands through its signals; the
// window wires them to the controller.

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

#include <array>
#include <cstdint>

#include "game/position_editor.h"

namespace selvako {

class ProblemPage : public QWidget {
    Q_OBJECT
  public:
    // `images` is the folder of the indicator pictures ("Images1").
    ProblemPage(const QString& images, QWidget* parent);

    void set_captions(int langue);
    // The editor as the controller holds it, with the computer's colour and
    // the view's orientation, for the toggling buttons' captions.
    void show_state(const PositionEditor& editor, std::uint8_t couleur_ordinateur, bool inverse);

    QToolButton* piece_button(std::uint8_t piece) const { return m_pieces[piece]; }
    QLabel* indicator() const { return m_piontemoin; }
    QLabel* message() const { return m_message; }
    QLabel* blancs() const { return m_blancs; }
    QLabel* noirs() const { return m_noirs; }
    QPushButton* bas_haut() const { return m_bas_haut; }
    QPushButton* couleur_ordi() const { return m_couleurordi; }
    QPushButton* couleur_joue() const { return m_couleurjoue; }

  signals:
    void piece_chosen(int piece);
    void empty_board();
    void fill_board();
    void change_direction();
    void change_computer_colour();
    void change_first_mover();
    // The clipboard's text, to be read as a FEN position.
    void paste_fen(const QString& text);

  private:
    void choose(std::uint8_t piece);
    void show_indicator(std::uint8_t piece);

    QString m_images;
    int m_langue = 0;
    std::array<QToolButton*, 5> m_pieces{};
    QLabel* m_piontemoin;
    QPushButton* m_vider;
    QPushButton* m_remplir;
    QPushButton* m_bas_haut;
    QPushButton* m_couleurordi;
    QPushButton* m_couleurjoue;
    QPushButton* m_coller;
    QLabel* m_message;
    QLabel* m_blancs;
    QLabel* m_noirs;
    std::uint8_t m_shown_piece = EMPTY;
};

} // namespace selvako
