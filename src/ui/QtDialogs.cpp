#include "QtDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <utility>

namespace {

QMessageBox::Icon toQt(lampen::Icon icon) {
    switch (icon) {
    case lampen::Icon::Critical:
        return QMessageBox::Critical;
    case lampen::Icon::Exclamation:
        return QMessageBox::Warning;
    case lampen::Icon::Information:
        return QMessageBox::Information;
    case lampen::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A chosen name in the bytes the file system knows it by.
std::string fileName(const QString& chosen) {
    return QFile::encodeName(chosen).toStdString();
}

QString titleOrApp(const std::string& title) {
    return QString::fromStdString(title.empty() ? std::string(lampen::kAppTitle) : title);
}

// The save dialog checks the name the program will write: a name without the ending ".lmp"
// gets it before Qt asks whether to replace an existing file.
class GroupFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override {
        const QStringList chosen = selectedFiles();
        if (acceptMode() == AcceptSave && chosen.size() == 1 &&
            !chosen.front().endsWith(QStringLiteral(".lmp")))
            selectFile(chosen.front() + QStringLiteral(".lmp"));
        QFileDialog::accept();
    }
};

} // namespace

QString QtDialogs::boxText(const std::string& text) {
    // The program's texts end lines with CR LF, and one with LF CR; a box shows each pair as
    // one line break.
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QtDialogs::QtDialogs(QWidget* parent, std::function<void()> beforeBox)
    : parent_(parent), beforeBox_(std::move(beforeBox)) {}

const char* QtDialogs::fileFilter() {
    // Qt takes the pattern from the last parentheses and, with the details hidden, shows the
    // rest: the type reads "Lampendatei (*lmp)" while only names ending in ".lmp" are listed.
    return "Lampendatei (*lmp) (*.lmp)";
}

void QtDialogs::message(const std::string& text, lampen::Icon icon, const std::string& title,
                        const std::string& detail) {
    if (beforeBox_)
        beforeBox_();
    QMessageBox box(toQt(icon), titleOrApp(title), boxText(text), QMessageBox::Ok, parent_);
    if (!detail.empty())
        box.setInformativeText(boxText(detail));
    box.exec();
}

std::string QtDialogs::input(const std::string& prompt, const std::string& title) {
    if (beforeBox_)
        beforeBox_();
    QInputDialog dialog(parent_);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(titleOrApp(title));
    dialog.setLabelText(boxText(prompt));
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue().toStdString();
}

std::string QtDialogs::openFileName() {
    return askFileName(QStringLiteral("Datei öffnen"), QFileDialog::AcceptOpen);
}

std::string QtDialogs::saveFileName() {
    return askFileName(QStringLiteral("Datei speichern"), QFileDialog::AcceptSave);
}

std::string QtDialogs::askFileName(const QString& title, QFileDialog::AcceptMode mode) {
    if (beforeBox_)
        beforeBox_();
    GroupFileDialog dialog(parent_, title, QDir::currentPath(), QString::fromUtf8(fileFilter()));
    dialog.setObjectName(QStringLiteral("cdlDatei"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // Qt's own dialog, so that the window's file dialog is always the control cdlDatei; it asks
    // before an existing file is replaced.
    dialog.setOptions(QFileDialog::HideNameFilterDetails | QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QStringLiteral("lmp"));
    // "*.lmp" exactly: the program reads no "x.LMP", so the dialog does not offer one.
    dialog.setFilter(dialog.filter() | QDir::CaseSensitive);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return fileName(dialog.selectedFiles().front());
}
