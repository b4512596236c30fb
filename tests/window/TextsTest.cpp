// The fixed texts of the information panels, the editor and the credit box, line by line.
#include "Texts.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace lampen::texts {
namespace {

enum class Which { Help, Mathematics, Editor };

std::span<const std::string_view> linesOf(Which w) {
    switch (w) {
    case Which::Help:
        return operatingHelpLines();
    case Which::Mathematics:
        return mathematicsLines();
    case Which::Editor:
        return editorInstructionLines();
    }
    return {};
}

std::string textOf(Which w) {
    switch (w) {
    case Which::Help:
        return operatingHelp();
    case Which::Mathematics:
        return mathematics();
    case Which::Editor:
        return editorInstructions();
    }
    return {};
}

TEST(TextsTest, EachTextHasItsNumberOfLines) {
    EXPECT_EQ(linesOf(Which::Help).size(), 51u);
    EXPECT_EQ(linesOf(Which::Mathematics).size(), 41u);
    EXPECT_EQ(linesOf(Which::Editor).size(), 16u);
}

struct LineCase {
    Which text;
    std::size_t number; // counted from 1, as the lines are numbered in the design
    std::string_view expected;
};

// Lines with blanks at their ends, quote characters inside, doubled blanks and umlauts: the
// places where a retyped text goes wrong.
constexpr LineCase kLines[] = {
    {Which::Help, 1, "In dem dunklen Quadrat befinden sich Lampen "},
    {Which::Help, 3, "S2...)."},
    {Which::Help, 4, ""},
    {Which::Help, 8, "Aus \"ein\" wird \"aus\" und \"aus\" wird zu \"ein\". "},
    {Which::Help, 10, "Dadurch, daß die Schalter mit mehreren Lampen "},
    {Which::Help, 13, ""},
    {Which::Help, 14, ""},
    {Which::Help, 15, "Programmfunktionen:"},
    {Which::Help, 21, "Systems zugegriffen. "},
    {Which::Help, 24, "\"Lampen\") erzeugt werden. Diese Endung gibt es "},
    {Which::Help, 33, "wird das über dem Spielfeld im weißen  Textfeld "},
    {Which::Help, 36, "Durch Druck auf \"neue Zielvorgabe\" wird ein neues "},
    {Which::Help, 40, "Der \"Hauptschalter\" löscht alle Lampen."},
    {Which::Help, 49, "und unter einem selbst gewählten Namen speichern."},
    {Which::Help, 51, "über das Menü \"Datei\" geladen werden."},
    {Which::Mathematics, 1, "Detaillierte Informationen zu dieser Schaltaufgabe "},
    {Which::Mathematics, 2, "findet man in"},
    {Which::Mathematics, 3, ""},
    {Which::Mathematics, 5, ""},
    {Which::Mathematics, 8, "zu den Aufgaben finden. Man wird dabei  aber bald "},
    {Which::Mathematics, 9, "nützliche \"mathematische Endeckungen\" machen, "},
    {Which::Mathematics, 10, "die "},
    {Which::Mathematics, 22, "S4 = (1, 1, 1, 0)"},
    {Which::Mathematics, 31, "Körper GF(2). Die Frage, ob bei einer konkreten "},
    {Which::Mathematics, 36, "Mit dem Menüpunkt Matrix-zeigen kann man sich"},
    {Which::Mathematics, 41, "matischen Hintergrundbetrachtungen zu Zielen."},
    {Which::Editor, 1, "Schaltungen der aktuellen Datei ändern:"},
    {Which::Editor, 2, "  "},
    {Which::Editor, 4, " "},
    {Which::Editor, 6, "... neue Verbindung herstellen."},
    {Which::Editor, 9, "3. Zu einer Schaltung können Lampen "},
    {Which::Editor, 10, "    ergänzt  oder entfernt werden. "},
    {Which::Editor, 13, "    oder entfernt werden. "},
    {Which::Editor, 15, "5. Die Schaltgruppe kann über das Menü "},
    {Which::Editor, 16, "   \"Datei\"  gespeichert werden."},
};

TEST(TextsTest, SelectedLinesStandExactly) {
    for (const auto& c : kLines) {
        const auto lines = linesOf(c.text);
        ASSERT_LE(c.number, lines.size());
        EXPECT_EQ(lines[c.number - 1], c.expected) << "line " << c.number;
    }
}

TEST(TextsTest, NoLineCarriesALineBreakOfItsOwn) {
    for (const Which w : {Which::Help, Which::Mathematics, Which::Editor})
        for (const auto line : linesOf(w))
            EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << line;
}

TEST(TextsTest, EveryLineEndsWithCrLfTheLastOneIncluded) {
    for (const Which w : {Which::Help, Which::Mathematics, Which::Editor}) {
        const std::string text = textOf(w);
        const auto lines = linesOf(w);
        std::size_t pos = 0;
        for (const auto line : lines) {
            ASSERT_EQ(text.compare(pos, line.size(), line), 0) << line;
            pos += line.size();
            ASSERT_EQ(text.substr(pos, 2), "\r\n") << "after: " << line;
            pos += 2;
        }
        EXPECT_EQ(pos, text.size());
    }
}

TEST(TextsTest, JoinLinesOfNothingIsEmpty) {
    EXPECT_EQ(joinLines({}), "");
}

TEST(TextsTest, TheReferenceNamesJournalIssueMonthYearAndPage) {
    const std::string_view ref = mathematicsLines()[3];
    for (const std::string_view part :
         {"Mathematics Magazine", "71 (4)", "Oktober 1998", "S. 300", "Anderson", "Feil"})
        EXPECT_NE(ref.find(part), std::string_view::npos) << part;
}

TEST(TextsTest, CreditNamesAuthorThenInstitutionOnTwoLines) {
    const std::string c = credit();
    const auto br = c.find("\r\n");
    ASSERT_NE(br, std::string::npos);
    EXPECT_EQ(c.find("\r\n", br + 2), std::string::npos);
    EXPECT_NE(c.substr(0, br).find("programmiert"), std::string::npos);
    EXPECT_FALSE(c.substr(br + 2).empty());
    EXPECT_EQ(creditTitle, "Programmiert von");
}

} // namespace
} // namespace lampen::texts
