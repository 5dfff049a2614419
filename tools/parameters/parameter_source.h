#pragma once
// The readable source of the default evaluation parameters: a commented
// text that make_default_parameters turns into "defaut.par" at build time,
// and into which tune_parameters writes fitted values back, keeping its
// comments and layout, so that the text stays the one place they are read from.
//
// Format: "thresholds T1 T2 T3"; "table NAME tempo N" followed by eight rows
// of four values (row 8 first, each the worth of a white man on that square);
// "variantN white|black" and seven squares; '#' starts a comment.

#include <optional>
#include <string>

#include "eval/parameters.h"

namespace selvako::parameters {

// The parameters the source gives; nothing, with `error` naming the entry at
// fault, when it is malformed or incomplete.
std::optional<EvalParameters> parse_parameter_source(const std::string& source,
                                                     std::string& error);

// The source with its "thresholds" line, its "table NAME tempo N" lines and
// their eight rows holding the values of `p`; nothing when the source does
// not have that shape.
std::optional<std::string> rewrite_parameter_source(const std::string& source,
                                                    const EvalParameters& p);

} // namespace selvako::parameters
