// Lessons, exercises and problems: game files opened from their folder and
// stepped through one after another.
#include "game/game_controller.h"

namespace selvako {

void GameController::open_lesson(const std::filesystem::path& path) {
    const auto image = read_game_file(path, GameFileUse::lesson);
    if (!image) {
        m_observer.refused(image.refusal);
        return;
    }
    m_lessons.open(path);
    ouvrir(*image, true);
}

void GameController::step_lesson(bool reload) {
    if (!m_lessons.is_open()) return;
    const auto lesson = reload ? m_lessons.current() : m_lessons.next();
    // The folder has emptied or gone: the lesson on show stays.
    if (!lesson) return;
    // The steps move on even past a file that cannot be read, so that the
    // next press does not stop at it again.
    m_lessons.open(*lesson);
    const auto image = read_game_file(*lesson, GameFileUse::lesson);
    if (!image) {
        m_observer.refused(image.refusal);
        changed();
        return;
    }
    ouvrir(*image, true);
}

} // namespace selvako
