#include "LampenWindow.h"

#include "CanvasView.h"
#include "Fonts.h"
#include "LampShape.h"
#include "LazyIcon.h"
#include "RuleLine.h"
#include "WidgetStyle.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>

#include <cmath>

// The pictures live in a resource of this static library; it must be registered by hand.
static void initPictures() {
    Q_INIT_RESOURCE(pictures);
}

ScreenMetrics LampenWindow::primaryScreen() {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return {QSize(1024, 768), 96};
    return {s->geometry().size(), s->logicalDotsPerInch()};
}

LampenWindow::LampenWindow(QWidget* parent) : LampenWindow(primaryScreen(), parent) {}

LampenWindow::LampenWindow(const ScreenMetrics& screen, QWidget* parent)
    : QMainWindow(parent), screen_(screen),
      twipsPerPixel_(lampen::twipsPerPixel(screen.logicalDpi)), dialogs_(this, [this] { sync(); }),
      model_(dialogs_, random_, metrics_) {
    initPictures();
    // Captions are measured for the design's font; its metric stand-in must be known first.
    lampen::ui::installFontSubstitutes();
    setObjectName(QStringLiteral("Lampen"));
    setWindowTitle(QString::fromUtf8(lampen::kAppTitle));
    setWindowIcon(lazyIcon(QStringLiteral(":/icon-64.png"), 64));

    // The layout comes first, so every control is built with its final font.
    model_.Form_Load(screen_.pixels.width() * twipsPerPixel_,
                     screen_.pixels.height() * twipsPerPixel_);

    client_ = new QWidget(this); // owned by the window
    client_->setObjectName(QStringLiteral("client"));
    client_->setFont(lampen::ui::windowFont(12 * model_.layout().layoutScale));
    client_->setPalette(lampen::ui::designPalette());
    setCentralWidget(client_);

    buildMenus();
    buildTopStrip(client_);
    buildRoom(client_);
    buildSliders(client_);
    buildQuestions(client_);
    buildIllustration(client_);
    buildSolutions(client_);
    buildExplanations(client_);
    buildEditor(client_);
    buildRechenweg(client_);
    buildMatrix(client_);
    buildStatistics(client_);
    stackPanels();
    connectEvents();
    applyLayout();
    sync();
    growOptionCircles();
    setUpKeyboard();
    orderTabs();
    // The digit keys and Space play at once: the keyboard starts on the first switch.
    cmdSchalter_[0]->setFocus();
}

LampenWindow::~LampenWindow() = default;

void LampenWindow::placeWithin(const QRect& available) {
    // move() places the frame, title bar included; the client takes what the frame leaves.
    const QRect frame = frameGeometry(), client = geometry();
    const QMargins decoration(client.left() - frame.left(), client.top() - frame.top(),
                              frame.right() - client.right(), frame.bottom() - client.bottom());
    move(available.topLeft());
    resize(available.size().shrunkBy(decoration));
}

void LampenWindow::connectEvents() {
    auto click = [this](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, [this, handler] { run(handler); });
    };
    lampen::Lampen& m = model_;
    for (int i = 0; i < lampen::kLampCount; ++i) {
        const auto u = static_cast<std::size_t>(i);
        click(cmdSchalter_[u], [&m, i] { m.cmdSchalter_Click(i); });
        click(cmdLampe_[u], [&m, i] { m.cmdLampe_Click(i); });
        // The matrix view's buttons play exactly as the room's.
        click(cmdMSchalter_[u], [&m, i] { m.cmdSchalter_Click(i); });
        click(cmdMLampe_[u], [&m, i] { m.cmdLampe_Click(i); });
    }
    for (int i = 0; i < 2; ++i) {
        const auto u = static_cast<std::size_t>(i);
        click(optLoesbar_[u], [&m, i] { m.optLoesbar_Click(i); });
        click(Option1_[u], [&m, i] { m.Option1_Click(i); });
        click(cmdAusKB_[u], [&m, i] { m.cmdAusKB_Click(i); });
        click(cmdInfofenster_[u], [&m, i] { m.cmdInfofenster_Click(i); });
        click(cmdAddSchaltung_[u], [&m, i] { m.cmdAddSchaltung_Click(i); });
    }
    click(cmdEntfernen_, [&m] { m.cmdEntfernen_Click(); });
    click(cmdNeu_, [&m] { m.cmdNeu_Click(); });
    click(cmdVoriges_, [&m] { m.cmdVoriges_Click(); });
    click(cmdNaechstes_, [&m] { m.cmdNaechstes_Click(); });
    click(cmdAufgabe_, [&m] { m.cmdAufgabe_Click(); });
    click(cmdLampenaus_, [&m] { m.cmdLampenaus_Click(); });
    click(cmdLoeSchaltung_, [&m] { m.cmdLoeSchaltung_Click(); });
    click(cmdAddLampe_, [&m] { m.cmdAddLampe_Click(); });
    click(cmdLoeLampe_, [&m] { m.cmdLoeLampe_Click(); });
    click(cmdSpielen_, [&m] { m.cmdSpielen_Click(); });
    click(cmdclear_, [&m] { m.cmdclear_Click(); });
    click(cmdMHaupt_, [&m] { m.cmdLampenaus_Click(); });
    click(cmdMvorige_, [&m] { m.cmdVoriges_Click(); });
    click(cmdMnaechste_, [&m] { m.cmdNaechstes_Click(); });

    // Dragging the thumb, a step and a click in the track all change the room at once.
    using SliderHandler = void (lampen::Lampen::*)(int);
    auto slide = [this](QScrollBar* s, SliderHandler change) {
        connect(s, &QScrollBar::valueChanged, this,
                [this, change](int v) { run([&] { (model_.*change)(v); }); });
    };
    slide(hscLampwinkel_, &lampen::Lampen::hscLampwinkel_Change);
    slide(hscRadLampe_, &lampen::Lampen::hscRadLampe_Change);
    slide(hscSchaltwinkel_, &lampen::Lampen::hscSchaltwinkel_Change);
    slide(hscRadSchalter_, &lampen::Lampen::hscRadSchalter_Change);

    connect(cboDatei_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& t) { run([&] { model_.cboDatei_Change(t.toStdString()); }); });
    connect(cboDatei_, &QComboBox::activated, this, [this](int index) {
        run([&] { model_.cboDatei_Change(cboDatei_->itemText(index).toStdString()); });
    });
}

void LampenWindow::openFromCommandLine(const QString& path) {
    // The name as the user typed it, in the bytes the file system knows it by.
    openFromCommandLine(QFile::encodeName(path));
}

void LampenWindow::openFromCommandLine(const QByteArray& nativePath) {
    const std::string name = nativePath.toStdString();
    run([&] { model_.openGroupFile(name); });
}

void LampenWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The layout depends on the screen only; the pass also puts the matrix view back in place.
    model_.Form_Resize();
    applyLayout();
    sync();
    orderTabs();
}

bool LampenWindow::eventFilter(QObject* watched, QEvent* event) {
    // Keyboard focus on a switch shows its wires just as the pointer over it does.
    const bool pointer = event->type() == QEvent::MouseMove;
    if ((pointer || event->type() == QEvent::FocusIn) && !syncing_) {
        if (pointer && watched == picRaum_) {
            run([&] { model_.picRaum_MouseMove(); });
        } else {
            for (int i = 0; i < lampen::kLampCount; ++i)
                if (watched == cmdSchalter_[static_cast<std::size_t>(i)]) {
                    run([&] { model_.cmdSchalter_MouseMove(i); });
                    break;
                }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- layout ------------------------------------------------------------------------------------

void LampenWindow::applyLayout() {
    shown_.reset();
    const lampen::Layout& layout = model_.layout();
    if (const QFont font = lampen::ui::windowFont(12 * layout.layoutScale); client_->font() != font)
        client_->setFont(font);
    const double tpp = twipsPerPixel_;
    auto px = [tpp](double twips) { return static_cast<int>(std::lround(twips / tpp)); };

    for (const lampen::Placement& p : layout.placements) {
        const auto it = byName_.find(p.name);
        if (it == byName_.end())
            continue;
        QWidget* w = it->second;
        if (p.line) {
            if (auto* r = qobject_cast<RuleLine*>(w))
                r->setEnds(QPoint(px(p.line->x1), px(p.line->y1)),
                           QPoint(px(p.line->x2), px(p.line->y2)));
            continue;
        }
        if (p.fontSize && !fontsWaiting_.contains(w))
            lampen::ui::setPointSize(w, *p.fontSize);

        QRectF r = w->geometry();
        const CanvasView* area = p.units == lampen::Units::Room     ? picRaum_
                                 : p.units == lampen::Units::Matrix ? picMatrix_
                                                                    : nullptr;
        if (area) {
            const QPointF origin = area->toPixels(p.left.value_or(0), p.top.value_or(0));
            if (p.left)
                r.moveLeft(origin.x());
            if (p.top)
                r.moveTop(origin.y());
            if (p.width)
                r.setWidth(area->xPixels(*p.width));
            if (p.height)
                r.setHeight(area->yPixels(*p.height));
        } else {
            if (p.left)
                r.moveLeft(*p.left / tpp);
            if (p.top)
                r.moveTop(*p.top / tpp);
            if (p.width)
                r.setWidth(*p.width / tpp);
            if (p.height)
                r.setHeight(*p.height / tpp);
            else if (w == cboDatei_)
                r.setHeight(cboDatei_->sizeHint().height()); // a combo box keeps its own height
        }
        w->setGeometry(r.toRect());
    }
    picProzent_->update();
    picRaum_->update();
    picMatrix_->update();
}

void LampenWindow::placeInArea(const CanvasView* area, QWidget* w, const lampen::Placed& p) {
    const QPointF topLeft = area->toPixels(p.left, p.top);
    const QPointF bottomRight = area->toPixels(p.left + p.width, p.top + p.height);
    const QRect r(QPoint(static_cast<int>(std::lround(topLeft.x())),
                         static_cast<int>(std::lround(topLeft.y()))),
                  QPoint(static_cast<int>(std::lround(bottomRight.x())) - 1,
                         static_cast<int>(std::lround(bottomRight.y())) - 1));
    if (w->geometry() != r)
        w->setGeometry(r);
    if (w->isHidden() == p.visible)
        w->setVisible(p.visible);
}
