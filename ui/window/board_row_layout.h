#pragma once
// The game area's row: the board on the left, as large as the height allows
// while the column beside it keeps the width its contents need; the column
// takes whatever width is left, so the board always fills its own space.

#include <QLayout>

#include <array>

namespace selvako {

class BoardRowLayout : public QLayout {
  public:
    // `board_aspect` is the board's width over its height.
    BoardRowLayout(QWidget* parent, double board_aspect);
    ~BoardRowLayout() override;

    // The board first, then the column; a third widget is refused.
    void set_widgets(QWidget* board, QWidget* column);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

    // The board's width in a row of `width` x `height`, given the column's least width.
    static int board_width(int width, int height, int column_minimum, double board_aspect);

  private:
    double m_aspect;
    std::array<QLayoutItem*, 2> m_items{};
};

} // namespace selvako
