#include "FirstShow.h"

#include <QEvent>
#include <QWidget>

#include <utility>

namespace lampen::ui {

namespace {

class FirstShow : public QObject {
public:
    FirstShow(QWidget* w, std::function<void()> what) : QObject(w), what_(std::move(what)) {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            what_();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> what_;
};

} // namespace

void whenFirstShown(QWidget* w, std::function<void()> what) {
    new FirstShow(w, std::move(what)); // owned by the widget
}

} // namespace lampen::ui
