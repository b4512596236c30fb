// Opening a group by name, as the command line does, must match "Datei öffnen" exactly.

#include "Started.h"

#include <filesystem>
#include <fstream>

namespace lampen::testing {
namespace {

class OpenGroupFile : public Started {
protected:
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("lampen-open-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override {
        Started::SetUp();
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string write(const std::string& name, const std::string& bytes) {
        const auto p = dir / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }
};

TEST_F(OpenGroupFile, ByNameAndThroughTheDialogGiveTheSameWindow) {
    const std::string file = write("zwei.lmp", "2*110*011*001*\r\n3*1000*0100*0010*0001*\r\n");
    Harness other;
    Lampen viaDialog{other.dialogs, other.random, other.metrics};
    viaDialog.Form_Load();
    other.dialogs.openNames = {file};
    viaDialog.cmdLaden_Click();
    w.openGroupFile(file);
    for (Lampen* l : {&w, &viaDialog}) {
        EXPECT_EQ(l->txtAnzahl, " 2");
        EXPECT_EQ(l->txtAktuell(), " 1");
        EXPECT_EQ(l->fileName, file);
        EXPECT_EQ(l->cboDatei.entries().front(), file);
        EXPECT_EQ(l->schaltgruppe.slot(2), "3*1000*0100*0010*0001*");
    }
}

TEST_F(OpenGroupFile, WrongEndingDoesNothingAndMissingFileSaysSo) {
    w.openGroupFile(write("liste.txt", "0*1*\r\n"));
    EXPECT_EQ(w.txtAnzahl, "19");
    EXPECT_TRUE(h.dialogs.boxes.empty());
    w.openGroupFile((dir / "fehlt.lmp").string());
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].text, "Ungültiger Dateiname!");
    EXPECT_EQ(h.dialogs.boxes[0].icon, Icon::Critical);
    EXPECT_EQ(h.dialogs.boxes[0].title, "Fehler");
    EXPECT_EQ(w.txtAnzahl, "19");
    EXPECT_EQ(w.cboDatei.entries().size(), 1u);
}

} // namespace
} // namespace lampen::testing
