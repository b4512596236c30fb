// The Rechenweg panel: built with its buttons' events, and mirrored from the view together with
// the bold captions of the switches its solution names.

#include "LampenWindow.h"
#include "WidgetStyle.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>

void LampenWindow::buildRechenweg(QWidget* client) {
    lblRechenweg_ = frame(client, "lblRechenweg", "", FontFrom::FirstShow);
    // Fixed width, so the matrix columns line up; a line too long scrolls rather than wraps.
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFixedPitch(true);
    txtRechenweg_ = textArea(lblRechenweg_, "txtRechenweg", true, &mono, FontFrom::FirstShow);
    txtRechenweg_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtRechenweg_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lampen::ui::setColours(txtRechenweg_, QPalette::Base, QColor(255, 255, 255), QPalette::Text,
                           QColor(0, 0, 0));
    cmdSchritt_ = button(lblRechenweg_, "cmdSchritt", "nächster Schritt");
    cmdAlleSchritte_ = button(lblRechenweg_, "cmdAlleSchritte", "alle Schritte");
    QPushButton* hide = button(lblRechenweg_, "cmdRechenwegAus", "ausblenden");
    lblRechenweg_->hide();

    using Handler = void (lampen::Lampen::*)();
    const std::pair<QPushButton*, Handler> clicks[] = {
        {cmdSchritt_, &lampen::Lampen::cmdSchritt_Click},
        {cmdAlleSchritte_, &lampen::Lampen::cmdAlleSchritte_Click},
        {hide, &lampen::Lampen::cmdRechenwegAus_Click},
    };
    for (const auto& [b, handler] : clicks)
        connect(b, &QAbstractButton::clicked, this,
                [this, h = handler] { run([&] { (model_.*h)(); }); });
}

void LampenWindow::syncRechenweg(const lampen::View& v) {
    if (lblRechenweg_->isHidden() == v.panels.rechenweg)
        lblRechenweg_->setVisible(v.panels.rechenweg);
    if (cmdSchritt_->isEnabled() != v.cmdSchrittEnabled)
        cmdSchritt_->setEnabled(v.cmdSchrittEnabled);
    if (shownRechenweg_ != v.txtRechenweg) {
        shownRechenweg_ = v.txtRechenweg;
        const QSignalBlocker block(txtRechenweg_);
        const QString text = QString::fromStdString(shownRechenweg_);
        txtRechenweg_->setPlainText(text);
        // The newest step in sight: its heading when it fits, the end (the result) always.
        const qsizetype heading = text.lastIndexOf(QStringLiteral("Schritt "));
        if (heading >= 0) {
            QTextCursor at = txtRechenweg_->textCursor();
            at.setPosition(static_cast<int>(heading));
            txtRechenweg_->setTextCursor(at);
            txtRechenweg_->ensureCursorVisible();
            txtRechenweg_->moveCursor(QTextCursor::End);
            txtRechenweg_->ensureCursorVisible();
        }
    }
    for (std::size_t i = 0; i < cmdSchalter_.size(); ++i) {
        QFont f = cmdSchalter_[i]->font();
        if (f.bold() == v.cmdSchalter[i].marked)
            continue;
        f.setBold(v.cmdSchalter[i].marked);
        cmdSchalter_[i]->setFont(f);
    }
}
