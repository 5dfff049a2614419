// Writes the evaluation's default parameter file from its commented text
// table: make_default_parameters SOURCE.txt OUTPUT.par

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "files/engine_files.h"
#include "tools/parameters/parameter_source.h"

using namespace selvako;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_default_parameters SOURCE.txt OUTPUT.par\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        std::cerr << "make_default_parameters: cannot read " << argv[1] << '\n';
        return 1;
    }
    std::string error;
    const auto params = parameters::parse_parameter_source(text.str(), error);
    if (!params) {
        std::cerr << "make_default_parameters: " << argv[1] << ": " << error << '\n';
        return 1;
    }
    ParameterImage image{};
    if (!save_parameter_file(*params, image, argv[2])) {
        std::cerr << "make_default_parameters: " << FILE_OPEN_ERROR << ": " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
