#pragma once
// A refused file worded in the interface's language, without Qt: the window
// shows it in its error box and selvako-cli prints it on one line.

#include <string>

#include "engine/file_reading.h"
#include "ui/i18n/languages.h"

namespace selvako {

// "FILE : reason", for instance "last32.dam : ce n'est pas un fichier ordinaire".
std::string refusal_text(const FileRefusal& refusal, int langue);

// The reason alone, with its figures ("larger than 16 MiB (17000000 bytes)").
std::string refusal_reason(const FileRefusal& refusal, int langue);

} // namespace selvako
