#pragma once
// Captions that both the window's controls and their accessible names use, written once.

#include <array>

namespace lampen::captions {

inline constexpr std::array<const char*, 6> statistics{
    "Bearbeitete Aufgaben", "Kürzeste Lösung gefunden", "Längere Lösung gefunden",
    "Lösungsweg erfragt",   "(Un-) Lösbarkeit erkannt", "Analysepunkte"};

inline constexpr const char* solvableQuestion = "Das Leuchtmuster ist herstellbar.";
inline constexpr const char* allPatternQuestion = "Jedes Leuchtmuster ist möglich.";
inline constexpr const char* right = "richtig";
inline constexpr const char* wrong = "falsch";

inline constexpr const char* lampsLabel = "Lampen:";
inline constexpr const char* switchesLabel = "Schalter:";

} // namespace lampen::captions
