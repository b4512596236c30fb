// Mirroring the headless window into the widgets. Only what differs is written, with signals
// blocked, so mirroring never raises a handler and an unchanged window costs almost nothing.

#include "CanvasView.h"
#include "LampShape.h"
#include "LampenWindow.h"
#include "WidgetStyle.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>

using lampen::ui::toQColor;

namespace {

void setText(QLineEdit* e, const std::string& text, const std::string* was) {
    // A box the user cannot type into still holds what was written last.
    if (was && *was == text && e->isReadOnly())
        return;
    const QString s = QString::fromStdString(text);
    if (e->text() == s)
        return;
    const QSignalBlocker block(e);
    e->setText(s);
    e->setCursorPosition(0); // show the start of a long text, as a fresh box does
}

// Writes a property only when it differs, with the widget's signals blocked.
template <class W, class V, class Get, class Set>
void write(W* w, const V& value, Get get, Set set) {
    if ((w->*get)() == value)
        return;
    const QSignalBlocker block(w);
    (w->*set)(value);
}

void setCaption(QAbstractButton* b, const std::string& text) {
    write(b, QString::fromStdString(text), &QAbstractButton::text, &QAbstractButton::setText);
}

void setShown(QWidget* w, bool shown) {
    if (w->isHidden() == shown)
        w->setVisible(shown);
}

void setChecked(QAbstractButton* b, bool checked) {
    write(b, checked, &QAbstractButton::isChecked, &QAbstractButton::setChecked);
}

void setValue(QScrollBar* s, int value) {
    write(s, value, &QScrollBar::value, &QScrollBar::setValue);
}

bool sameRoom(const lampen::View& a, const lampen::View& b) {
    return a.shpLampe == b.shpLampe && a.cmdLampe == b.cmdLampe && a.cmdSchalter == b.cmdSchalter &&
           a.picRaum == b.picRaum && a.picProzent == b.picProzent &&
           a.shpDonlampFill == b.shpDonlampFill;
}

bool samePlaces(const lampen::View& a, const lampen::View& b) {
    for (std::size_t i = 0; i < a.shpLampe.size(); ++i)
        if (static_cast<const lampen::Placed&>(a.shpLampe[i]) != b.shpLampe[i] ||
            a.cmdLampe[i] != b.cmdLampe[i] || a.cmdSchalter[i] != b.cmdSchalter[i])
            return false;
    return true;
}

bool sameMatrix(const lampen::View& a, const lampen::View& b) {
    return a.cmdMSchalter == b.cmdMSchalter && a.cmdMLampe == b.cmdMLampe &&
           a.cmdMHaupt == b.cmdMHaupt && a.cmdMvorige == b.cmdMvorige &&
           a.cmdMnaechste == b.cmdMnaechste && a.matrixButtonFont == b.matrixButtonFont &&
           a.picMatrix == b.picMatrix;
}

} // namespace

void LampenWindow::sync() {
    if (syncing_)
        return;
    syncing_ = true;
    lampen::View v = model_.view();
    // What the view shown last already holds is not written again: the room, the matrix view,
    // the screen reader's texts and the read-only boxes. What the user can type into is compared
    // with what it holds.
    const lampen::View* was = shown_ ? &*shown_ : nullptr;
    syncTexts(v, was);
    if (!was || !sameRoom(*was, v))
        syncRoom(v, was);
    if (!was || !sameMatrix(*was, v))
        syncMatrix(v);
    syncPanels(v);
    syncControls(v, was);
    syncRechenweg(v);
    syncAccessibility(v, was);
    shown_ = std::move(v);
    syncing_ = false;
}

void LampenWindow::syncTexts(const lampen::View& v, const lampen::View* was) {
    auto shown = [was](const std::string lampen::View::*text) {
        return was ? &(was->*text) : nullptr;
    };
    setText(txtKlicks_, v.txtKlicks, shown(&lampen::View::txtKlicks));
    setText(txtAusgabe_, v.txtAusgabe, shown(&lampen::View::txtAusgabe));
    lampen::ui::setColours(txtAusgabe_, QPalette::Base, toQColor(v.txtAusgabeBack), QPalette::Text,
                           QColor(0, 0, 0));
    setText(txtAktuell_, v.txtAktuell, shown(&lampen::View::txtAktuell));
    setText(txtAnzahl_, v.txtAnzahl, shown(&lampen::View::txtAnzahl));
    setText(txtSchalter_, v.txtSchalter, shown(&lampen::View::txtSchalter));
    for (std::size_t i = 0; i < txtStatistik_.size(); ++i)
        setText(txtStatistik_[i], v.txtStatistik[i], was ? &was->txtStatistik[i] : nullptr);
    if (shownWege_ != v.txtWege) {
        shownWege_ = v.txtWege;
        const QSignalBlocker block(txtWege_);
        txtWege_->setPlainText(QString::fromStdString(shownWege_));
    }
    setCaption(cmdAddSchaltung_[0], v.cmdAddSchaltung[0]);
    setCaption(cmdAddSchaltung_[1], v.cmdAddSchaltung[1]);
    setCaption(cmdLoeSchaltung_, v.cmdLoeSchaltung);
}

void LampenWindow::syncRoom(const lampen::View& v, const lampen::View* was) {
    for (std::size_t i = 0; i < shpLampe_.size(); ++i) {
        const lampen::LampView& lamp = v.shpLampe[i];
        shpLampe_[i]->setFillColor(toQColor(lamp.fill));
        shpLampe_[i]->setBorderColor(toQColor(lamp.border));
    }
    // A press changes colours only; places follow the circuit and the sliders.
    if (!was || !samePlaces(*was, v))
        placeRoom(v);
    shpDonlamp_->setFillColor(toQColor(v.shpDonlampFill));
    picRaum_->show(v.picRaum);
    picProzent_->show(v.picProzent);
}

void LampenWindow::placeRoom(const lampen::View& v) {
    for (std::size_t i = 0; i < shpLampe_.size(); ++i) {
        placeInArea(picRaum_, shpLampe_[i], v.shpLampe[i]);
        placeInArea(picRaum_, cmdLampe_[i], v.cmdLampe[i]);
        placeInArea(picRaum_, cmdSchalter_[i], v.cmdSchalter[i]);
        lampen::ui::setPointSize(cmdSchalter_[i], v.cmdSchalter[i].fontSize);
    }
}

void LampenWindow::syncMatrix(const lampen::View& v) {
    for (std::size_t i = 0; i < cmdMSchalter_.size(); ++i) {
        placeInArea(picMatrix_, cmdMSchalter_[i], v.cmdMSchalter[i]);
        placeInArea(picMatrix_, cmdMLampe_[i], v.cmdMLampe[i]);
    }
    const std::pair<QPushButton*, const lampen::Placed*> top[] = {
        {cmdMHaupt_, &v.cmdMHaupt},
        {cmdMvorige_, &v.cmdMvorige},
        {cmdMnaechste_, &v.cmdMnaechste},
    };
    for (const auto& [button, placed] : top) {
        placeInArea(picMatrix_, button, *placed);
        lampen::ui::setPointSize(button, v.matrixButtonFont);
    }
    picMatrix_->show(v.picMatrix);
}

void LampenWindow::syncPanels(const lampen::View& v) {
    const lampen::PanelView& p = v.panels;
    setShown(lblAendern_, p.editor);
    setShown(lblWege_, p.solutions);
    setShown(lblErklaerung_[0], p.explanation[0]);
    setShown(lblErklaerung_[1], p.explanation[1]);
    const int top = static_cast<int>(std::lround(p.matrixTop / twipsPerPixel_));
    if (picMatrix_->y() != top)
        picMatrix_->move(picMatrix_->x(), top);
    setShown(picMatrix_, p.matrix);
}

void LampenWindow::syncControls(const lampen::View& v, const lampen::View* was) {
    for (std::size_t i = 0; i < 2; ++i) {
        setChecked(optLoesbar_[i], v.optLoesbar[i]);
        setChecked(Option1_[i], v.Option1[i]);
    }
    setValue(hscLampwinkel_, v.sliders.lampAngle);
    setValue(hscRadLampe_, v.sliders.lampRadius);
    setValue(hscSchaltwinkel_, v.sliders.switchAngle);
    setValue(hscRadSchalter_, v.sliders.switchRadius);
    const QSignalBlocker block(cboDatei_), blockEdit(cboDatei_->lineEdit());
    const auto& entries = v.cboDatei.entries();
    const bool same = was && was->cboDatei.entries() == entries;
    if (!same) {
        cboDatei_->clear();
        for (const auto& e : entries)
            cboDatei_->addItem(QString::fromStdString(e));
    }
    const QString text = QString::fromStdString(v.cboDatei.text());
    if (!same || cboDatei_->currentText() != text)
        cboDatei_->setEditText(text);
}

void LampenWindow::syncAccessibility(const lampen::View& v, const lampen::View* was) {
    const bool sameControls = was && was->accessible.size() == v.accessible.size();
    for (std::size_t i = 0; i < v.accessible.size(); ++i) {
        const lampen::AccessibleText& a = v.accessible[i];
        if (sameControls && was->accessible[i] == a)
            continue;
        const auto it = byName_.find(a.control);
        if (it == byName_.end())
            continue;
        QWidget* w = it->second;
        const QString name = QString::fromStdString(a.name);
        const QString description = QString::fromStdString(a.description);
        if (w->accessibleName() != name)
            w->setAccessibleName(name);
        if (w->accessibleDescription() != description)
            w->setAccessibleDescription(description);
    }
}
