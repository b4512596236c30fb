// "Datei" > "Arbeitsblatt als PDF…": the current group as a worksheet, the current circuit's page
// with the task the window shows.

#include "LampenWindow.h"

#include "NumText.h"
#include "Worksheet.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// The group and the current task, read from the headless window. The one place that knows
// where the model keeps them.
lampen::print::WorksheetInput worksheetInput(const lampen::Lampen& m) {
    lampen::print::WorksheetInput input;
    input.groupName = m.fileName;
    const int count =
        lampen::indexWithin(lampen::numValue(m.txtAnzahl), 0, lampen::kMaxCircuits).value_or(0);
    for (int n = 1; n <= count; ++n)
        input.codes.push_back(m.schaltgruppe.slot(n));
    if (const auto nr = lampen::indexWithin(m.currentNr, 1, count)) {
        unsigned target = 0;
        for (int l = 0; l <= m.maxIndex; ++l)
            if (m.shpLampe[static_cast<std::size_t>(l)].isTarget())
                target |= 1u << l;
        input.current = lampen::print::CurrentTask{*nr - 1, target};
    }
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
        QFile::encodeName(name).toStdString(), worksheetInput(model_));
    if (written.ok)
        return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"),
                    QStringLiteral("Das Arbeitsblatt konnte nicht geschrieben werden."),
                    QMessageBox::Ok, this);
    box.setInformativeText(QString::fromStdString(written.error));
    box.exec();
}
