#pragma once
// The window's modal boxes and file dialogs with Qt: QMessageBox with exactly one OK button,
// a text-mode QInputDialog without preset text, QFileDialog starting in the working directory.

#include "Dialogs.h"

#include <QFileDialog>

#include <functional>

class QWidget;

class QtDialogs final : public lampen::Dialogs {
public:
    // beforeBox runs before any box opens, so the window shows its current state behind it.
    QtDialogs(QWidget* parent, std::function<void()> beforeBox);

    void message(const std::string& text, lampen::Icon icon, const std::string& title,
                 const std::string& detail) override;
    std::string input(const std::string& prompt, const std::string& title) override;
    std::string openFileName() override;
    std::string saveFileName() override;

    // The file type the dialogs offer.
    static const char* fileFilter();
    // A text of the program as a box shows it.
    static QString boxText(const std::string& text);

private:
    // The file dialog cdlDatei for opening or saving; "" when cancelled.
    std::string askFileName(const QString& title, QFileDialog::AcceptMode mode);

    QWidget* parent_;
    std::function<void()> beforeBox_;
};
