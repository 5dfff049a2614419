#pragma once
// The start screen: title, version, the board buttons and the language buttons.

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

#include <array>

#include "ui/board/board_images.h"
#include "ui/board3d/scaled_placement.h"

namespace selvako {

class IntroScreen : public QWidget {
    Q_OBJECT
  public:
    // `data_dir` holds the 3D themes' pictures shown on their buttons.
    IntroScreen(const BoardImages& images, const QString& data_dir, QWidget* parent = nullptr);

    // Writes the start screen's texts in language `langue`.
    void set_texts(int langue);

    QToolButton* board_2d_button() const { return m_speedbutton6; }
    // The button of 3D theme N (1..8).
    QToolButton* theme_button(int theme) const { return m_themes[theme - 1]; }
    QPushButton* language_button(int langue) const { return m_languages[langue]; }

  signals:
    void board_2d_chosen();
    void theme_chosen(int theme);
    void language_chosen(int langue);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    ScaledPlacement m_placement;
    QLabel* m_title;
    QLabel* m_label4;
    QLabel* m_label6;
    QToolButton* m_speedbutton6;
    QLabel* m_damier2d;
    std::array<QToolButton*, 8> m_themes{};
    std::array<QLabel*, 8> m_theme_labels{};
    std::array<QPushButton*, 6> m_languages{};
    std::array<QLabel*, 6> m_advice{};
    std::array<QLabel*, 4> m_credits{};
};

} // namespace selvako
