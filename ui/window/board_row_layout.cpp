#include "ui/window/board_row_layout.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace selvako {

BoardRowLayout::BoardRowLayout(QWidget* parent, double board_aspect)
    : QLayout(parent), m_aspect(board_aspect) {
    setContentsMargins(0, 0, 0, 0);
}

BoardRowLayout::~BoardRowLayout() {
    for (QLayoutItem* item : m_items) delete item;
}

void BoardRowLayout::set_widgets(QWidget* board, QWidget* column) {
    addWidget(board);
    addWidget(column);
}

void BoardRowLayout::addItem(QLayoutItem* item) {
    for (QLayoutItem*& slot : m_items)
        if (!slot) {
            slot = item;
            return;
        }
    delete item;
}

int BoardRowLayout::count() const {
    return static_cast<int>(std::count_if(m_items.begin(), m_items.end(),
                                          [](const QLayoutItem* i) { return i != nullptr; }));
}

QLayoutItem* BoardRowLayout::itemAt(int index) const {
    return index >= 0 && index < 2 ? m_items[static_cast<std::size_t>(index)] : nullptr;
}

QLayoutItem* BoardRowLayout::takeAt(int index) {
    if (index < 0 || index >= 2) return nullptr;
    QLayoutItem* item = m_items[static_cast<std::size_t>(index)];
    m_items[static_cast<std::size_t>(index)] = nullptr;
    return item;
}

QSize BoardRowLayout::sizeHint() const {
    if (!m_items[0] || !m_items[1]) return {};
    const QSize board = m_items[0]->sizeHint();
    const QSize column = m_items[1]->sizeHint();
    return {board.width() + column.width(), std::max(board.height(), column.height())};
}

QSize BoardRowLayout::minimumSize() const {
    if (!m_items[0] || !m_items[1]) return {};
    const QSize board = m_items[0]->minimumSize();
    const QSize column = m_items[1]->minimumSize();
    return {board.width() + column.width(), std::max(board.height(), column.height())};
}

int BoardRowLayout::board_width(int width, int height, int column_minimum, double board_aspect) {
    const int by_height = static_cast<int>(std::lround(height * board_aspect));
    return std::max(0, std::min(width - column_minimum, by_height));
}

void BoardRowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    if (!m_items[0] || !m_items[1]) return;
    const int column_minimum = m_items[1]->minimumSize().width();
    const int board =
        std::max(m_items[0]->minimumSize().width(),
                 board_width(rect.width(), rect.height(), column_minimum, m_aspect));
    m_items[0]->setGeometry(QRect(rect.x(), rect.y(), board, rect.height()));
    m_items[1]->setGeometry(
        QRect(rect.x() + board, rect.y(), std::max(0, rect.width() - board), rect.height()));
}

} // namespace selvako
