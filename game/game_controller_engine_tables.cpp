// The engine's tables that the "Paramétrage" menu changes: the evaluation
// parameters and the opening repertoires. They change here, between
// searches (a command that arrives during one waits for it), and only once
// the file they come from has been read or, for a repertoire, written.
#include "eval/eval_state.h"
#include "files/engine_files.h"
#include "files/repertoire_files.h"
#include "game/game_controller.h"
#include "search/engine_tables.h"

namespace selvako {

void GameController::set_parameters(const EvalParameters& parameters) {
    m_engine.tables().eval.parameters = parameters;
}

void GameController::load_parameters(const std::filesystem::path& path) {
    EvalState& eval = m_engine.tables().eval;
    if (const FileLoad load = load_parameter_file(eval.parameters, eval.parameter_image, path);
        !load)
        m_observer.refused(*load.refusal);
}

void GameController::save_parameters(const std::filesystem::path& path) {
    EvalState& eval = m_engine.tables().eval;
    // The image keeps its reserved bytes; only a written file replaces it.
    ParameterImage image = eval.parameter_image;
    if (!save_parameter_file(eval.parameters, image, path)) {
        m_observer.error(GameError::file);
        return;
    }
    eval.parameter_image = image;
}

void GameController::set_repertoire(int side, const RepertoireLines& lines) {
    Repertoires& lists = m_engine.tables().repertoires;
    (side == BLACK ? lists.black : lists.white) = lines;
}

void GameController::change_library(const command::ChangeLibrary& library) {
    auto lists = selvako::change_library(library.marker, library.active_folder);
    if (!lists) {
        m_observer.error(GameError::file);
        return;
    }
    m_engine.tables().repertoires = std::move(*lists);
}

} // namespace selvako
