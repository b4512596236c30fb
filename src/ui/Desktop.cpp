#include "Desktop.h"

#include "ClassicStyle.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <utility>
#include <vector>

namespace lampen::ui {

bool installGermanQtTexts(QApplication& app) {
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    translator->setParent(&app); // the application owns it from here on
    return QApplication::installTranslator(translator.release());
}

void useClassicStyle() {
    QApplication::setStyle(new ClassicStyle); // the application owns it from here on
}

void followLayoutScale(double layoutScale) {
    if (!(layoutScale > 1))
        return;
    // The desktop may give some classes fonts of their own; each of those grows as well.
    static constexpr const char* kClasses[] = {
        "QMenu",           "QMenuBar",  "QTipLabel", "QMessageBox",       "QLabel",
        "QPushButton",     "QLineEdit", "QComboBox", "QAbstractItemView", "QHeaderView",
        "QDialogButtonBox"};
    std::vector<std::pair<const char*, QFont>> own;
    for (const char* c : kClasses)
        if (QApplication::font(c) != QApplication::font())
            own.emplace_back(c, QApplication::font(c));
    QFont base = QApplication::font();
    base.setPointSizeF(base.pointSizeF() * layoutScale);
    QApplication::setFont(base);
    for (auto& [c, f] : own) {
        f.setPointSizeF(f.pointSizeF() * layoutScale);
        QApplication::setFont(f, c);
    }
}

} // namespace lampen::ui
