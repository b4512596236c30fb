// Building the window's controls: every control of the design with its objectName, its class,
// its initial caption or text, its colours and its font face. Places and sizes come later from
// the layout pass; texts that change come from the headless window.

#include "CanvasView.h"
#include "Captions.h"
#include "FirstShow.h"
#include "Fonts.h"
#include "LampShape.h"
#include "LampenWindow.h"
#include "PictureLabel.h"
#include "RuleLine.h"
#include "Texts.h"
#include "WidgetStyle.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <optional>

using lampen::ui::setColours;
using lampen::ui::toQColor;

namespace {

constexpr int kLamps = lampen::kLampCount;
constexpr int kLampBorder = 4;      // pixels, the lamps of the room
constexpr int kIndicatorBorder = 1; // pixels, the lamp over the illustration

const QColor kWhite{255, 255, 255};
const QColor kBlack{0, 0, 0};
const QColor kYellow = toQColor(lampen::colour::yellow);
const QColor kRed = toQColor(lampen::colour::red);

QString qs(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

// Fonts are set once, before the control holds any text or children: a later change of size
// would lay out every text again and load a font for a size never shown.
void LampenWindow::setFinalFont(QWidget* w, const std::string& name, QFont face) const {
    const lampen::Placement* p = model_.layout().find(name);
    if (p && p->fontSize)
        face.setPointSizeF(*p->fontSize);
    if (w->font() != face)
        w->setFont(face);
}

template <class T>
T* LampenWindow::make(QWidget* parent, const std::string& name, const QFont* face, FontFrom from) {
    auto* w = new T(parent); // owned by its parent
    w->setObjectName(QString::fromStdString(name));
    byName_[name] = w;
    std::optional<QFont> own;
    if (face)
        own = *face;
    if (from == FontFrom::FirstShow) {
        // The layout pass leaves the font alone until then; the size is the layout's of that time.
        fontsWaiting_.insert(w);
        lampen::ui::whenFirstShown(w, [this, w, name, own] {
            fontsWaiting_.erase(w);
            setFinalFont(w, name, own.value_or(w->font()));
        });
    } else if (own) {
        setFinalFont(w, name, *own);
    } else if (const lampen::Placement* p = model_.layout().find(name); p && p->fontSize) {
        // Set even when the inherited size matches, so a frame's font set later leaves it alone.
        QFont font = w->font();
        font.setPointSizeF(*p->fontSize);
        w->setFont(font);
    }
    return w;
}

QPushButton* LampenWindow::button(QWidget* parent, const std::string& name, const char* caption) {
    return button(parent, name, caption, lampen::ui::sansFont(8));
}

QPushButton* LampenWindow::button(QWidget* parent, const std::string& name, const char* caption,
                                  const QFont& face) {
    auto* b = make<QPushButton>(parent, name, &face);
    b->setText(qs(caption));
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QLineEdit* LampenWindow::textBox(QWidget* parent, const std::string& name, const char* text,
                                 FontFrom from) {
    auto* e = make<QLineEdit>(parent, name, nullptr, from);
    e->setText(qs(text));
    e->setReadOnly(true); // only the program writes these boxes
    e->setTextMargins(0, 0, 0, 0);
    e->setCursorPosition(0); // a box too narrow for its text shows the text's start
    return e;
}

QLabel* LampenWindow::label(QWidget* parent, const std::string& name, const char* text,
                            const QFont* face) {
    auto* l = make<QLabel>(parent, name, face);
    l->setText(qs(text));
    l->setTextFormat(Qt::PlainText);
    return l;
}

QGroupBox* LampenWindow::frame(QWidget* parent, const std::string& name, const char* title,
                               FontFrom from) {
    auto* g = make<QGroupBox>(parent, name, nullptr, from);
    g->setTitle(qs(title));
    // Panels share places; a visible one hides what lies behind it.
    g->setAutoFillBackground(true);
    return g;
}

QPlainTextEdit* LampenWindow::textArea(QWidget* parent, const std::string& name, bool readOnly,
                                       const QFont* face, FontFrom from) {
    auto* t = make<QPlainTextEdit>(parent, name, face, from);
    t->setReadOnly(readOnly);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return t;
}

QScrollBar* LampenWindow::slider(QWidget* parent, const std::string& name,
                                 const lampen::SliderRange& range, int value) {
    auto* s = make<QScrollBar>(parent, name);
    s->setOrientation(Qt::Horizontal);
    s->setRange(range.min, range.max);
    s->setValue(value);
    s->setSingleStep(range.singleStep);
    s->setPageStep(range.pageStep);
    return s;
}

RuleLine* LampenWindow::rule(QWidget* parent, const std::string& name, const QColor& colour,
                             int width) {
    auto* r = new RuleLine(colour, width, parent); // owned by its parent
    r->setObjectName(QString::fromStdString(name));
    byName_[name] = r;
    return r;
}

void LampenWindow::buildMenus() {
    using Handler = void (lampen::Lampen::*)();
    struct Item {
        const char* name;
        const char* caption;
        Handler handler;
    };
    struct Menu {
        const char* name;
        const char* title;
        std::initializer_list<Item> items;
    };
    using L = lampen::Lampen;
    const Menu menus[] = {
        {"cmdDatei",
         "Datei",
         {{"cmdLaden", "Datei öffnen", &L::cmdLaden_Click},
          {"cmdSpeichern", "Datei speichern", &L::cmdSpeichern_Click},
          {"cmdSchließen", "Programm beenden", &L::cmdSchliessen_Click}}},
        {"cmdSchaltung",
         "Schaltung",
         {{"cmdÄndern", "ändern", &L::cmdAendern_Click},
          {"cmdHinzufügen", "hinzufügen", &L::cmdHinzufuegen_Click},
          {"cmdLöschen", "&löschen", &L::cmdLoeschen_Click}}},
        {"cmdAnalyse",
         "Analyse",
         {{"cmdStatus", "Lösbarkeit", &L::cmdStatus_Click},
          {"cmdWege", "Lösungswege", &L::cmdWege_Click},
          {nullptr, nullptr, nullptr}, // a separator
          {"cmdTipp", "Tipp", &L::cmdTipp_Click},
          {"cmdRechenweg", "Rechenweg", &L::cmdRechenweg_Click}}},
        {"cmdInformation",
         "Information",
         {{"cmdHilfe", "Hilfe zur Bedienung", &L::cmdHilfe_Click},
          {"cmdMath", "Mathematisches", &L::cmdMath_Click},
          {"cmdCopy", "copyright", &L::cmdCopy_Click}}},
        {"cmdMatrix",
         "Matrix",
         {{"cmdMzeigen", "zeigen", &L::cmdMzeigen_Click},
          {"cmdMverbergen", "verbergen", &L::cmdMverbergen_Click}}},
    };
    auto connectTo = [this](QAction* a, Handler h) {
        connect(a, &QAction::triggered, this, [this, h] { run([&] { (model_.*h)(); }); });
    };
    QMenuBar* bar = menuBar();
    for (const Menu& m : menus) {
        auto* menu = new QMenu(qs(m.title), bar); // owned by the menu bar
        menu->setObjectName(qs(m.name));
        for (const Item& item : m.items) {
            if (!item.name) {
                menu->addSeparator();
                continue;
            }
            QAction* a = menu->addAction(qs(item.caption));
            a->setObjectName(qs(item.name));
            connectTo(a, item.handler);
        }
        bar->addMenu(menu);
    }
    // Beyond the design: the worksheet follows the design's items of "Datei" after a separator.
    auto* datei = findChild<QMenu*>(qs("cmdDatei"));
    datei->addSeparator();
    QAction* sheet = datei->addAction(qs("Arbeitsblatt als PDF…"));
    sheet->setObjectName(qs("cmdArbeitsblatt"));
    // The worksheet needs Qt's PDF writer, so the window itself handles it.
    connect(sheet, &QAction::triggered, this, &LampenWindow::cmdArbeitsblatt_Click);
    QAction* quit = bar->addAction(qs("Programm beenden"));
    quit->setObjectName(qs("cmdSchlußjetzt"));
    connectTo(quit, &L::cmdSchliessen_Click);
}

void LampenWindow::buildTopStrip(QWidget* client) {
    rule(client, "Line1", lampen::ui::kLight3d, 1);
    rule(client, "Line2", lampen::ui::kShadow3d, 2);
    txtKlicks_ = textBox(client, "txtKlicks", "0");
    txtAusgabe_ = textBox(client, "txtAusgabe", lampen::texts::task);
    cboDatei_ = make<QComboBox>(client, "cboDatei");
    cboDatei_->setEditable(true);
    // The list holds exactly the program's entries; typing adds nothing to it.
    cboDatei_->setInsertPolicy(QComboBox::NoInsert);
    // No inline completion: a completed name would show in the box without reaching the model.
    cboDatei_->setCompleter(nullptr);
    cboDatei_->setEditText(qs("Voreinstellung.lmp"));
    cmdEntfernen_ = button(client, "cmdEntfernen", "X");
    cmdEntfernen_->setToolTip(qs("Datei aus Liste löschen"));
    cmdNeu_ = button(client, "cmdNeu", "N");
    cmdNeu_->setToolTip(qs("Datei neu laden"));
    picProzent_ = new CanvasView(lampen::kBarScale, lampen::ui::kScrollBar, client);
    picProzent_->setObjectName(qs("picProzent"));
    byName_["picProzent"] = picProzent_;
}

void LampenWindow::buildRoom(QWidget* client) {
    picRaum_ = new CanvasView(lampen::kRoomScale, toQColor(lampen::colour::fieldGrey), client);
    picRaum_->setObjectName(qs("picRaum"));
    setFinalFont(picRaum_, "picRaum", lampen::ui::sansFont(8));
    picRaum_->setMouseTracking(true);
    byName_["picRaum"] = picRaum_;

    // The boxes take the room's face.
    auto roomBox = [&](const char* name, const char* text) {
        QLineEdit* e = textBox(picRaum_, name, text);
        e->setFrame(false);
        return e;
    };
    roomBox("txtNr", "Nr.");
    txtAktuell_ = roomBox("txtAktuell", "1");
    roomBox("Text3", "von");
    txtAnzahl_ = roomBox("txtAnzahl", "2");
    roomBox("Text2", "Schaltungen");

    // Lamps first, so the buttons lie above them.
    for (int i = 0; i < kLamps; ++i) {
        auto* lamp = new LampShape(kLampBorder, picRaum_); // owned by the room
        const std::string name = lampen::arrayName("shpLampe", i);
        lamp->setObjectName(QString::fromStdString(name));
        byName_[name] = lamp;
        shpLampe_[static_cast<std::size_t>(i)] = lamp;
    }
    for (int i = 0; i < kLamps; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const std::string s = "S" + std::to_string(i);
        const std::string l = "L" + std::to_string(i);
        cmdSchalter_[u] = button(picRaum_, lampen::arrayName("cmdSchalter", i), s.c_str());
        cmdSchalter_[u]->setMouseTracking(true);
        cmdSchalter_[u]->installEventFilter(this);
        cmdLampe_[u] = button(picRaum_, lampen::arrayName("cmdLampe", i), l.c_str());
    }
    cmdVoriges_ = button(picRaum_, "cmdVoriges", "vorige");
    cmdVoriges_->setToolTip(qs("vorige Schaltung"));
    cmdNaechstes_ = button(picRaum_, "cmdNächstes", "nächste");
    cmdNaechstes_->setToolTip(qs("nächste Schaltung"));
    cmdLampenaus_ = button(picRaum_, "cmdLampenaus", "Hauptschalter");
    cmdAufgabe_ = button(picRaum_, "cmdAufgabe", "neue Zielvorgabe");

    // A move over anything in the room but a lamp is not a move over the field itself.
    for (QObject* child : picRaum_->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !qobject_cast<LampShape*>(w))
            w->setAttribute(Qt::WA_NoMousePropagation);
    picRaum_->installEventFilter(this);

    // The editor's record of the selected switch: over the room, hidden at start.
    txtSchalter_ = textBox(client, "txtSchalter", "Text4", FontFrom::FirstShow);
    txtSchalter_->hide();
}

void LampenWindow::buildSliders(QWidget* client) {
    QGroupBox* f = frame(client, "Frame3", "");
    label(f, "lblLampen", lampen::captions::lampsLabel);
    const lampen::Sliders start;
    hscLampwinkel_ = slider(f, "hscLampwinkel", lampen::kAngleRange, start.lampAngle);
    hscRadLampe_ = slider(f, "hscRadLampe", lampen::kRadiusRange, start.lampRadius);
    label(f, "Label1", lampen::captions::switchesLabel);
    hscSchaltwinkel_ = slider(f, "hscSchaltwinkel", lampen::kAngleRange, start.switchAngle);
    hscRadSchalter_ = slider(f, "hscRadSchalter", lampen::kRadiusRange, start.switchRadius);
}

void LampenWindow::buildQuestions(QWidget* client) {
    auto option = [&](const std::string& name, const char* caption) {
        auto* o = make<QRadioButton>(client, name);
        o->setText(qs(caption));
        // Both answers can stand unselected; the program clears them without a click.
        o->setAutoExclusive(false);
        // Painted like a label, so the row's colours show behind and in the caption.
        o->setBackgroundRole(QPalette::Window);
        o->setForegroundRole(QPalette::WindowText);
        return o;
    };
    auto yellow = [](QWidget* w) {
        w->setAutoFillBackground(true);
        setColours(w, QPalette::Window, kYellow, QPalette::WindowText, kBlack);
    };
    auto red = [](QWidget* w) {
        w->setAutoFillBackground(true);
        setColours(w, QPalette::Window, kRed, QPalette::WindowText, kWhite);
    };

    using namespace lampen::captions;
    yellow(label(client, "Label2", solvableQuestion));
    optLoesbar_[1] = option("optLösbar(1)", right);
    optLoesbar_[0] = option("optLösbar(0)", wrong);
    yellow(optLoesbar_[1]);
    yellow(optLoesbar_[0]);
    yellow(label(client, "Label4", "(Diese Einschätzung bitte vor der Bearbeitung abgeben!)"));

    red(label(client, "lblGAnalyse", allPatternQuestion));
    Option1_[0] = option("Option1(0)", right);
    Option1_[1] = option("Option1(1)", wrong);
    red(Option1_[0]);
    red(Option1_[1]);
}

void LampenWindow::buildIllustration(QWidget* client) {
    // The picture is built in when it exists; otherwise the place stays empty.
    imgDon_ = new PictureLabel(QStringLiteral(":/imgDon.png"), client); // owned by the client
    imgDon_->setObjectName(qs("imgDon"));
    byName_["imgDon"] = imgDon_;
    Line3_ = rule(client, "Line3", kBlack, 1);
    shpDonlamp_ = new LampShape(kIndicatorBorder, client); // owned by the client area
    shpDonlamp_->setObjectName(qs("shpDonlamp"));
    byName_["shpDonlamp"] = shpDonlamp_;
}

void LampenWindow::buildExplanations(QWidget* client) {
    const char* titles[2] = {"Kurzbeschreibung", "Mathematisches"};
    const std::string texts[2] = {lampen::texts::operatingHelp(), lampen::texts::mathematics()};
    for (int i = 0; i < 2; ++i) {
        const auto u = static_cast<std::size_t>(i);
        // The second explanation starts hidden: its fonts and its text wait until it shows.
        const FontFrom from = i == 0 ? FontFrom::Start : FontFrom::FirstShow;
        QGroupBox* f = frame(client, lampen::arrayName("lblErklärung", i), "", from);
        lblErklaerung_[u] = f;
        label(f, lampen::arrayName("lblKurzb", i), titles[u]);
        // The user may type into the explanations; nothing reads them back.
        const QFont serif = lampen::ui::serifFont(10);
        QPlainTextEdit* t = textArea(f, lampen::arrayName("txtErklärung", i), false, &serif, from);
        setColours(t, QPalette::Base, kWhite, QPalette::Text, kBlack);
        const QString text = QString::fromStdString(texts[u]);
        if (from == FontFrom::Start)
            t->setPlainText(text);
        else
            lampen::ui::whenFirstShown(t, [t, text] { t->setPlainText(text); });
        cmdAusKB_[u] = button(f, lampen::arrayName("cmdAusKB", i), "ausblenden");
    }
}

void LampenWindow::buildSolutions(QWidget* client) {
    lblWege_ = frame(client, "lblWege", "", FontFrom::FirstShow);
    label(lblWege_, "Label3", "Analyse der Schaltaufgabe");
    txtWege_ = textArea(lblWege_, "txtWege", true, nullptr, FontFrom::FirstShow);
    setColours(txtWege_, QPalette::Base, kYellow, QPalette::Text, kBlack);
    cmdInfofenster_[1] = button(lblWege_, "cmdInfofenster(1)", "aktualisieren");
    cmdInfofenster_[0] = button(lblWege_, "cmdInfofenster(0)", "ausblenden");
}

void LampenWindow::buildEditor(QWidget* client) {
    lblAendern_ = frame(client, "lblÄndern", "", FontFrom::FirstShow);
    QPlainTextEdit* t = textArea(lblAendern_, "Text1", true, nullptr, FontFrom::FirstShow);
    setColours(t, QPalette::Base, kYellow, QPalette::Text, kBlack);
    lampen::ui::whenFirstShown(
        t, [t] { t->setPlainText(QString::fromStdString(lampen::texts::editorInstructions())); });
    label(lblAendern_, "Label5", "Schaltung einfügen");
    cmdAddSchaltung_[0] = button(lblAendern_, "cmdAddSchaltung(0)", "vor akt. Nr.");
    cmdAddSchaltung_[1] = button(lblAendern_, "cmdAddSchaltung(1)", "hinter");
    cmdLoeSchaltung_ = button(lblAendern_, "cmdLöSchaltung", "Schaltung entfernen");
    cmdAddLampe_ = button(lblAendern_, "cmdAddLampe", "Lampe dazu");
    cmdLoeLampe_ = button(lblAendern_, "cmdLöLampe", "Lampe weg");
    cmdSpielen_ = button(lblAendern_, "cmdSpielen", "fertig");
}

void LampenWindow::buildMatrix(QWidget* client) {
    picMatrix_ = new CanvasView(lampen::kMatrixScale, lampen::ui::kLight3d, client);
    picMatrix_->setObjectName(qs("picMatrix"));
    setFinalFont(picMatrix_, "picMatrix", lampen::ui::windowFont(12));
    byName_["picMatrix"] = picMatrix_;
    cmdMHaupt_ = button(picMatrix_, "cmdMHaupt", "Hauptschalter");
    cmdMvorige_ = button(picMatrix_, "cmdMvorige", "vorige");
    cmdMvorige_->setToolTip(qs("vorige Schaltung"));
    cmdMnaechste_ = button(picMatrix_, "cmdMnächste", "nächste");
    cmdMnaechste_->setToolTip(qs("nächste Schaltung"));
    for (int i = 0; i < kLamps; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const std::string s = "S" + std::to_string(i);
        const std::string l = "L" + std::to_string(i);
        cmdMSchalter_[u] = button(picMatrix_, lampen::arrayName("cmdMSchalter", i), s.c_str());
        cmdMLampe_[u] = button(picMatrix_, lampen::arrayName("cmdMLampe", i), l.c_str(),
                               lampen::ui::windowFont(8));
    }
    picMatrix_->hide();
}

void LampenWindow::buildStatistics(QWidget* client) {
    QGroupBox* f = frame(client, "Frame1", "Erfolgsstatistik");
    // Background and text of each box: the colours pair the counters with their questions.
    const QColor back[6] = {kWhite, toQColor(lampen::colour::orangeBox), kWhite, kBlack, kYellow,
                            kRed};
    const QColor fore[6] = {kBlack, kBlack, kBlack, kWhite, kBlack, kWhite};
    // Regular weight, so the longest caption fits its label.
    const QFont regular = lampen::ui::serifFont(8);
    for (int i = 0; i < 6; ++i)
        label(f, lampen::arrayName("lblStatistik", i),
              lampen::captions::statistics[static_cast<std::size_t>(i)], &regular);
    for (int i = 0; i < 6; ++i) {
        const auto u = static_cast<std::size_t>(i);
        txtStatistik_[u] = textBox(f, lampen::arrayName("txtStatistik", i), "0");
        setColours(txtStatistik_[u], QPalette::Base, back[u], QPalette::Text, fore[u]);
    }
    cmdclear_ = button(f, "cmdclear", "löschen");
    // Lines lie on the frame's surface, beneath its labels and boxes.
    for (int i = 0; i < 3; ++i)
        rule(f, lampen::arrayName("lineStat", i), kBlack, 1)->lower();
    rule(f, "Line4", kBlack, 1)->lower();
}

void LampenWindow::stackPanels() {
    // Back to front: the illustration with its lamp and cord, then the panels that share its
    // place, the matrix view in front of all.
    for (QWidget* w : std::initializer_list<QWidget*>{imgDon_, Line3_, shpDonlamp_, lblWege_,
                                                      lblRechenweg_, lblErklaerung_[0],
                                                      lblErklaerung_[1], lblAendern_, picMatrix_})
        w->raise();
}
