#pragma once
// The German words for a file error, for the places that show one: the window's message box
// and the analysis tool's output.

#include "FileError.h"

#include <string>

namespace lampen {

// The reason alone, without the file name: "keine Berechtigung", "mehr als 200 Zeilen", ...
std::string germanReason(const FileError& error);

} // namespace lampen
