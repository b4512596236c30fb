// "Datei" > "Arbeitsblatt als PDF…": the current group as a worksheet, the current circuit's page
// with the task the window shows.

#include "LampenWindow.h"

#include "Worksheet.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include <algorithm>

namespace {

// The group and the current task, as the game's state holds them.
lampen::print::WorksheetInput worksheetInput(const lampen::GameState& s) {
    lampen::print::WorksheetInput input;
    input.groupName = s.fileName;
    const int count = std::clamp(s.count.value, 0, lampen::kMaxCircuits);
    for (int n = 1; n <= count; ++n)
        input.codes.push_back(s.group.slot(n));
    if (s.current.value >= 1 && s.current.value <= count)
        input.current = lampen::print::CurrentTask{s.current.value - 1, s.target};
    return input;
}

// The PDF's name from a save dialog in the working directory; "" when cancelled. The dialog
// appends ".pdf" and asks before it replaces a file.
QString askWorksheetName(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Arbeitsblatt als PDF speichern"),
                       QDir::currentPath(), QStringLiteral("PDF-Dokument (*.pdf)"));
    dialog.setObjectName(QStringLiteral("cdlArbeitsblatt"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

void LampenWindow::cmdArbeitsblatt_Click() {
    sync();
    const QString name = askWorksheetName(this);
    if (name.isEmpty())
        return;
    const lampen::print::WorksheetResult written = lampen::print::writeWorksheet(
        QFile::encodeName(name).toStdString(), worksheetInput(model_.state()));
    if (written.ok)
        return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"),
                    QStringLiteral("Das Arbeitsblatt konnte nicht geschrieben werden."),
                    QMessageBox::Ok, this);
    box.setInformativeText(QString::fromStdString(written.error));
    box.exec();
}
