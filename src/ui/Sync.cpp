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

void setText(QLineEdit* e, const std::string& text) {
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

} // namespace

void LampenWindow::sync() {
    if (syncing_)
        return;
    syncing_ = true;
    syncTexts();
    syncRoom();
    syncMatrix();
    syncPanels();
    syncControls();
    syncing_ = false;
}

void LampenWindow::syncTexts() {
    setText(txtKlicks_, model_.txtKlicks);
    setText(txtAusgabe_, model_.txtAusgabe());
    lampen::ui::setColours(txtAusgabe_, QPalette::Base, toQColor(model_.txtAusgabeBackColour),
                           QPalette::Text, QColor(0, 0, 0));
    setText(txtAktuell_, model_.txtAktuell());
    setText(txtAnzahl_, model_.txtAnzahl);
    setText(txtSchalter_, model_.txtSchalter);
    for (std::size_t i = 0; i < txtStatistik_.size(); ++i)
        setText(txtStatistik_[i], model_.txtStatistik[i]);
    if (shownWege_ != model_.txtWege) {
        shownWege_ = model_.txtWege;
        const QSignalBlocker block(txtWege_);
        txtWege_->setPlainText(QString::fromStdString(shownWege_));
    }
    setCaption(cmdAddSchaltung_[0], model_.cmdAddSchaltungCaption[0]);
    setCaption(cmdAddSchaltung_[1], model_.cmdAddSchaltungCaption[1]);
    setCaption(cmdLoeSchaltung_, model_.cmdLoeSchaltungCaption);
}

void LampenWindow::syncRoom() {
    for (std::size_t i = 0; i < shpLampe_.size(); ++i) {
        const lampen::LampShape& lamp = model_.shpLampe[i];
        shpLampe_[i]->setFillColor(toQColor(lamp.fill));
        shpLampe_[i]->setBorderColor(toQColor(lamp.border));
        placeInArea(picRaum_, shpLampe_[i], lamp);
        placeInArea(picRaum_, cmdLampe_[i], model_.cmdLampe[i]);
        placeInArea(picRaum_, cmdSchalter_[i], model_.cmdSchalter[i]);
        lampen::ui::setPointSize(cmdSchalter_[i], model_.cmdSchalter[i].fontSize);
    }
    shpDonlamp_->setFillColor(toQColor(model_.shpDonlampFill));
    picRaum_->refreshIfChanged();
    picProzent_->refreshIfChanged();
}

void LampenWindow::syncMatrix() {
    for (std::size_t i = 0; i < cmdMSchalter_.size(); ++i) {
        placeInArea(picMatrix_, cmdMSchalter_[i], model_.cmdMSchalter[i]);
        placeInArea(picMatrix_, cmdMLampe_[i], model_.cmdMLampe[i]);
    }
    const std::pair<QPushButton*, const lampen::Placed*> top[] = {
        {cmdMHaupt_, &model_.cmdMHaupt},
        {cmdMvorige_, &model_.cmdMvorige},
        {cmdMnaechste_, &model_.cmdMnaechste},
    };
    for (const auto& [button, placed] : top) {
        // The three top buttons always show, wherever the drawing put them.
        lampen::Placed always = *placed;
        always.visible = true;
        placeInArea(picMatrix_, button, always);
        lampen::ui::setPointSize(button, model_.matrixButtonFontSize);
    }
    picMatrix_->refreshIfChanged();
}

void LampenWindow::syncPanels() {
    const auto& v = model_.visible;
    setShown(lblAendern_, v.lblAendern);
    setShown(lblWege_, v.lblWege);
    setShown(lblErklaerung_[0], v.lblErklaerung[0]);
    setShown(lblErklaerung_[1], v.lblErklaerung[1]);
    setShown(txtSchalter_, v.txtSchalter);
    const int top = static_cast<int>(std::lround(model_.picMatrixTop / twipsPerPixel_));
    if (picMatrix_->y() != top)
        picMatrix_->move(picMatrix_->x(), top);
    setShown(picMatrix_, v.picMatrix);
}

void LampenWindow::syncControls() {
    for (std::size_t i = 0; i < 2; ++i) {
        setChecked(optLoesbar_[i], model_.optLoesbar[i]);
        setChecked(Option1_[i], model_.Option1[i]);
    }
    setValue(hscLampwinkel_, model_.hscLampwinkel);
    setValue(hscRadLampe_, model_.hscRadLampe);
    setValue(hscSchaltwinkel_, model_.hscSchaltwinkel);
    setValue(hscRadSchalter_, model_.hscRadSchalter);
    const QSignalBlocker block(cboDatei_), blockEdit(cboDatei_->lineEdit());
    const auto& entries = model_.cboDatei.entries();
    bool same = cboDatei_->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < cboDatei_->count(); ++i)
        same =
            cboDatei_->itemText(i) == QString::fromStdString(entries[static_cast<std::size_t>(i)]);
    if (!same) {
        cboDatei_->clear();
        for (const auto& e : entries)
            cboDatei_->addItem(QString::fromStdString(e));
    }
    const QString text = QString::fromStdString(model_.cboDatei.text());
    if (!same || cboDatei_->currentText() != text)
        cboDatei_->setEditText(text);
}
