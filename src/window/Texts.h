#pragma once
// The window's long fixed texts: the two information panels, the editor's instructions and the
// credit box. Kept as data, line by line, so they can be checked without a window. Every line of
// a text box ends with CR LF, the last one included; blanks at line ends belong to the text.

#include <span>
#include <string>
#include <string_view>

namespace lampen::texts {

// "Hilfe zur Bedienung": the text of txtErklärung(0), 51 lines.
std::span<const std::string_view> operatingHelpLines();
// "Mathematisches": the text of txtErklärung(1), 41 lines; line 4 names the article.
std::span<const std::string_view> mathematicsLines();
// The editor's instructions in Text1, 16 lines.
std::span<const std::string_view> editorInstructionLines();

std::string operatingHelp();
std::string mathematics();
std::string editorInstructions();

// The "copyright" box: title and credit (author, then institution, separated by CR LF).
inline constexpr std::string_view creditTitle = "Programmiert von";
std::string credit();

} // namespace lampen::texts
