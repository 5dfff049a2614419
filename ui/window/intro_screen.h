#pragma once
// The start screen: title, version, the board buttons and the language buttons.

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

#include <array>

#include "ui/board/board_images.h"

namespace selvako {

class IntroScreen : public QWidget {
    Q_OBJECT
  public:
    explicit IntroScreen(const BoardImages& images, QWidget* parent = nullptr);

    // Writes the start screen's texts in language `langue`.
    void set_texts(int langue);

    QToolButton* board_2d_button() const { return m_speedbutton6; }
    QPushButton* language_button(int langue) const { return m_languages[langue]; }

  signals:
    void board_2d_chosen();
    void language_chosen(int langue);

  private:
    QLabel* m_title;
    QLabel* m_label4;
    QLabel* m_label6;
    QToolButton* m_speedbutton6;
    QLabel* m_damier2d;
    std::array<QPushButton*, 6> m_languages{};
    std::array<QLabel*, 6> m_advice{};
    std::array<QLabel*, 4> m_credits{};
};

} // namespace selvako
