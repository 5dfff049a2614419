#include "app/cli/search_setup.h"

#include <iostream>
#include <random>
#include <system_error>

namespace selvako::cli {

SearchSetup::SearchSetup(const std::filesystem::path& data)
    : search(st, tables.table, tables.learned, tables.evaluation, clock, std::random_device{}()) {
    const KeysLoad keys = load_keys((data / KEY_FILE_NAME).string());
    if (!keys.from_file)
        std::cerr << "selvako-cli: " << KEY_FILE_NAME
                  << " is missing or short; the built-in keys are used\n";
    st.keys = keys.keys;
    tables.learned.load_learned((data / LEARNED_FILE_NAME).string());
    if (!load_parameter_file(tables.eval.parameters, tables.eval.parameter_image,
                             data / "defaut.par"))
        std::cerr << "selvako-cli: defaut.par cannot be read; every parameter is 0\n";
    if (auto white = read_repertoire((data / WHITE_REPERTOIRE_FILE).string()))
        tables.repertoires.white = std::move(*white);
    if (auto black = read_repertoire((data / BLACK_REPERTOIRE_FILE).string()))
        tables.repertoires.black = std::move(*black);
    search.repertoires = &tables.repertoires;
    search.databases = &tables.databases;
    search.database_folder = data;
}

} // namespace selvako::cli
