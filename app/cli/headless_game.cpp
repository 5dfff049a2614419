#include "app/cli/headless_game.h"

#include "files/pdn_file.h"

namespace selvako::cli {

void HeadlessObserver::move_played(const BoardArray&, const Move& move, const std::vector<Square>&,
                                   bool by_computer) {
    if (!by_computer) ++m_human_moves;
    if (on_move) on_move(move, by_computer);
}

bool HeadlessLoop::step() {
    if (m_controller.finished() || !m_observer.take_pass()) return false;
    const std::int32_t now = m_time.now_seconds();
    for (; m_last_tick < now; ++m_last_tick) m_controller.ajouter_temps();
    m_controller.boucle_jeu();
    return true;
}

void HeadlessLoop::send(const Command& c) {
    m_controller.command(c);
    run();
}

std::string result_text(const HeadlessObserver& observer) {
    return pdn_result(observer.outcome());
}

std::string board_text(const BoardArray& board) {
    std::string text;
    for (int row = 0; row < 8; ++row) {
        text += static_cast<char>('8' - row);
        for (int file = 0; file < 8; ++file) {
            const Square s = square_at(row, file);
            char c = ' ';
            if (s != 0) {
                switch (board[s]) {
                case WHITE_MAN:
                    c = 'w';
                    break;
                case WHITE_KING:
                    c = 'W';
                    break;
                case BLACK_MAN:
                    c = 'b';
                    break;
                case BLACK_KING:
                    c = 'B';
                    break;
                default:
                    c = '.';
                    break;
                }
            }
            text += ' ';
            text += c;
        }
        // A light square ends every other row: no trailing blanks.
        while (text.back() == ' ') text.pop_back();
        text += '\n';
    }
    text += "  a b c d e f g h\n";
    return text;
}

} // namespace selvako::cli
