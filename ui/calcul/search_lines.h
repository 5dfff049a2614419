#pragma once
// The "Calcul" page's text, worded from the search's figures. Without Qt, so
// that selvako-cli prints the same lines as the window shows.

#include <string>
#include <vector>

#include "search/search_progress.h"

namespace selvako {

// "Profondeur", "Noeuds", "Temps" and "Noeuds/s" (not while pondering),
// "Score" (in hundredths of a man), "Coups" (the move number), then the
// principal variation two plies a line: "c3 - d4 , f6 - e5".
std::vector<std::string> search_lines(const SearchProgress& progress);

// One line per root move: "c3-d4 :    12", marked "?<---" while it is searched.
std::vector<std::string> root_lines(const SearchProgress& progress);

} // namespace selvako
