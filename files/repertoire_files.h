#pragma once
// The repertoire files the program writes: the two active files in the
// user's folder, and the libraries in its "Parametres" folder, each a marker
// "name.ovv" (through which the file dialogs list it) with "name_b.ouv" and
// "name_n.ouv". Every write goes through the safe writer, and the files that
// belong together are written together or not at all.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/repertoire.h"

namespace selvako {

// The lines, each ended by CR LF.
std::string repertoire_file_text(const RepertoireLines& lines);
bool write_repertoire(const std::filesystem::path& path, const RepertoireLines& lines);

// The active file of a side in `folder`: the one there under any spelling of
// its name, else the usual spelling.
std::filesystem::path active_repertoire_file(const std::filesystem::path& folder, int side);

// The name chosen in the dialog, ".ovv" appended unless it ends so already.
std::filesystem::path library_marker(const std::filesystem::path& chosen);
// The library's file of a side: the marker's final ".ovv" becomes "_b.ouv"
// or "_n.ouv"; nothing else in the name changes.
std::filesystem::path library_file(const std::filesystem::path& marker, int side);

// Saves a library under `marker`: the marker (holding `marker_lines`), both
// colours' lists as its files, and the edited side's list as that side's
// active file in `active_folder`. False when any cannot be written; then
// none has changed.
bool save_library(const std::filesystem::path& marker, int edited_side, const Repertoires& lists,
                  const std::vector<std::string>& marker_lines,
                  const std::filesystem::path& active_folder);

// Makes the library of `marker` the active one: both of its files are read
// and written as the active files. Nothing (and nothing written) when either
// file of the library cannot be read or the active files cannot be written.
std::optional<Repertoires> change_library(const std::filesystem::path& marker,
                                          const std::filesystem::path& active_folder);

} // namespace selvako
