#pragma once
// The game in 3D: the themes of "Affichage" and the 2D board, blind play,
// saving the picture, the themes offered, and clicks on the picture, which
// reach the game as clicks on the 2D board's squares. The board panels that
// float over the board go with the view shown.

#include <QObject>

#include <array>
#include <vector>

#include "ui/board/board_view.h"
#include "ui/board3d/panel10.h"
#include "ui/board3d/theme_images.h"
#include "ui/board3d/themes_3d.h"
#include "ui/window/window_context.h"

class QAction;
class QMenu;

namespace selvako {

// The menus the 3D items join, each before the item given.
struct View3dMenus {
    QMenu* affichage;
    QAction* before_inverser;
    QMenu* fichier;
    QAction* before_quitter;
    QMenu* options;
};

class View3d : public QObject {
    Q_OBJECT
  public:
    // `marks_shown` says whether the squares of the move being found are
    // marked; `floating` are the panels that float over the board.
    View3d(const WindowContext& context, QWidget* game_area, BoardView* board,
           const DisplayState& display, std::function<bool()> marks_shown,
           std::vector<QWidget*> floating);

    void build_items(const View3dMenus& menus);
    Panel10* panel() const { return m_panel10; }
    // 0: the 2D board is shown; N: 3D theme N.
    int board_shown() const { return m_board_shown; }
    // How many sprite sets and pictures were read: a theme change reads only
    // what it needs.
    const ThemeImages& theme_images() const { return m_theme_images; }

    // A theme is offered only when every one of its files can be read.
    void check_theme_availability();
    // A start-screen theme button: that theme, Classique when it is not
    // offered, the 2D board when none can be shown. The board shown.
    int show_start_theme(int theme);
    // An "Affichage" theme item. False when the theme is not offered or its
    // images could not all be read; the board in use is then unchanged.
    bool choisir_theme(int theme);
    void Damier2D1Click();
    // The header row follows the game; `kind` names the kind of game.
    void refresh(const QString& kind);
    // Blind play shows the computer's piece where it arrived, until the next click.
    void computer_moved(Square to);
    // "Editer l'image" once a file name is chosen: the picture as shown.
    bool editer_image(const QString& path);

    void Jeuenaveugle1Click();
    void Editerlimagefichierbmp1Click();

  signals:
    void square_clicked(int square);
    // Blind play began: a click must not stop the computer's thinking.
    void blind_play_started();

  private:
    void check_board_item(int board);
    void host_board_panels(QWidget* host);
    void clic_3d(int x, int y);
    void report_missing(const QStringList& files);

    const WindowContext& m_context;
    BoardView* m_board;
    const DisplayState& m_display;
    std::vector<QWidget*> m_floating;
    ThemeImages m_theme_images;
    int m_board_shown = 0;
    QString m_kind;
    Panel10* m_panel10 = nullptr;
    QAction* m_damier2d = nullptr;
    std::array<QAction*, THEME_COUNT> m_damier3d{};
    QAction* m_aveugle = nullptr;
    QAction* m_editer_image = nullptr;
};

} // namespace selvako
