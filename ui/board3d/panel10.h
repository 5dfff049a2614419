#pragma once
// The 3D view `Panel10`: the picture `Image5` with what stands over it, the
// header row (kind of game, move number, each side's name and piece count),
// the two clock panels, the capture notice and the buttons of play.

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>

#include "ui/board3d/board3d_view.h"
#include "ui/board3d/scaled_placement.h"

namespace selvako {

class Panel10 : public QWidget {
    Q_OBJECT
  public:
    static constexpr int PANEL_WIDTH = 790;
    static constexpr int PANEL_HEIGHT = 521;

    // Takes `image` as its child.
    Panel10(Board3dView* image, QWidget* parent = nullptr);

    Board3dView* image() const { return m_image; }
    void set_captions(int langue);
    // side: WHITE or BLACK of engine/board.h.
    void set_clock(int side, const QString& minutes, const QString& seconds);
    void set_names(const QString& noir, const QString& blanc);
    void set_counts(int noir, int blanc);
    void set_kind(const QString& text);
    void set_move_number(int number);
    void set_capture_notice(bool shown);
    // Black's clock at the top in the normal view, White's upside down.
    void place_clocks(bool inverse);

    QPushButton* abandon() const { return m_abandon; }
    QPushButton* proposer_nul() const { return m_proposer_nul; }
    QPushButton* nul_refuse() const { return m_nul_refuse; }
    QString count_text(int side) const;
    QString clock_text(int side) const;
    QString move_number_text() const;
    int clock_y(int side) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Clock {
        QWidget* panel;
        QLabel* name;
        QLabel* minutes;
        QLabel* seconds;
    };
    void fit_to_parent();
    // The picture fills the panel; what stands over it follows its scale.
    void scale_contents();
    Clock make_clock(const char* object_name, const char* minutes, const char* seconds, int y);

    Board3dView* m_image;
    QLabel* m_panel11;
    QLabel* m_nbcoups3d;
    std::array<QLabel*, 2> m_header_names{}; // [0] White, [1] Black
    QLabel* m_nbb3d;
    QLabel* m_nbn3d;
    Clock m_blanc;
    Clock m_noir;
    std::array<QLabel*, 3> m_capture{};
    QPushButton* m_abandon;
    QPushButton* m_proposer_nul;
    QPushButton* m_nul_refuse;
    ScaledPlacement m_placement;
    int m_move_number = 1;
    int m_langue = 0;
};

} // namespace selvako
