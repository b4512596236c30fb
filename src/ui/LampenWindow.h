#pragma once
// The program's one window. It builds every control of the design with its objectName, hands
// each user event to the headless window's handler of the same name, and afterwards copies the
// headless window's whole state into the widgets (sync). It decides nothing itself.

#include "ClockRandom.h"
#include "Lampen.h"
#include "QtDialogs.h"
#include "QtTextMetrics.h"

#include <QByteArray>
#include <QMainWindow>
#include <QSize>

#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

class CanvasView;
class FocusRing;
class LampShape;
class RuleLine;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// The screen the layout scales the design to: its size in pixels and its logical DPI.
struct ScreenMetrics {
    QSize pixels;
    double logicalDpi = 96;
};

class LampenWindow : public QMainWindow {
    Q_OBJECT

public:
    // Lays the window out for the primary screen and runs the start-up.
    explicit LampenWindow(QWidget* parent = nullptr);
    // The same for a given screen: the layout depends on the screen alone, not on the window.
    explicit LampenWindow(const ScreenMetrics& screen, QWidget* parent = nullptr);
    ~LampenWindow() override;

    const lampen::Lampen& model() const { return model_; }
    // Applies the headless window's view to the widgets without raising any handler.
    void sync();

    // Opens the group named on the command line exactly as "Datei öffnen" does with a chosen
    // name: the same handler, the same messages; a name without ".lmp" does nothing.
    void openFromCommandLine(const QString& path);
    // The same with the name's bytes, which need not be UTF-8 (a QString cannot hold them).
    void openFromCommandLine(const QByteArray& nativePath);

    static ScreenMetrics primaryScreen();
    // Puts the window's frame, decorations included, inside the screen's available area.
    void placeWithin(const QRect& available);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The digit keys press the switches S0..S9, unless a text box takes the typing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A control with its objectName and its font at the final size: the layout's size for the
    // name, else the face's own; without a face it keeps its parent's face. It takes the font at
    // once, or, in a panel that starts hidden, when it first shows.
    enum class FontFrom { Start, FirstShow };
    template <class T>
    T* make(QWidget* parent, const std::string& name, const QFont* face = nullptr,
            FontFrom from = FontFrom::Start);
    QPushButton* button(QWidget* parent, const std::string& name, const char* caption);
    QPushButton* button(QWidget* parent, const std::string& name, const char* caption,
                        const QFont& face);
    QLineEdit* textBox(QWidget* parent, const std::string& name, const char* text,
                       FontFrom from = FontFrom::Start);
    QLabel* label(QWidget* parent, const std::string& name, const char* text,
                  const QFont* face = nullptr);
    QGroupBox* frame(QWidget* parent, const std::string& name, const char* title,
                     FontFrom from = FontFrom::Start);
    QPlainTextEdit* textArea(QWidget* parent, const std::string& name, bool readOnly,
                             const QFont* face = nullptr, FontFrom from = FontFrom::Start);
    // An area that draws text takes its face at the final size too.
    void setFinalFont(QWidget* w, const std::string& name, QFont face) const;
    QScrollBar* slider(QWidget* parent, const std::string& name, const lampen::SliderRange& range,
                       int value);
    RuleLine* rule(QWidget* parent, const std::string& name, const QColor& colour, int width);

    void buildMenus();
    void buildTopStrip(QWidget* client);
    void buildRoom(QWidget* client);
    void buildSliders(QWidget* client);
    void buildQuestions(QWidget* client);
    void buildIllustration(QWidget* client);
    void buildExplanations(QWidget* client);
    void buildSolutions(QWidget* client);
    void buildEditor(QWidget* client);
    void buildMatrix(QWidget* client);
    void buildStatistics(QWidget* client);
    void buildRechenweg(QWidget* client); // BuildRechenweg.cpp, with its events and mirroring
    void stackPanels();

    void connectEvents();
    // "Arbeitsblatt als PDF…": asks for a file name and writes the group as a worksheet.
    void cmdArbeitsblatt_Click();
    // Runs one handler of the headless window, then mirrors the result and honours a close.
    template <class F> void run(F&& handler) {
        if (syncing_)
            return;
        handler();
        sync();
        if (model_.state().closeRequested)
            close();
    }
    // The switch a key stands for, or -1: the digits of the main block and of the keypad.
    static int switchForKey(const QKeyEvent& event);
    // True while the keyboard focus lies in a box the user can type into.
    bool textBoxHasFocus() const;

    // Shortcuts, the sliders' focus and the focus frame, once the layout is known; Tab in
    // reading order after every layout pass.
    void setUpKeyboard();
    void orderTabs();

    // The option buttons' circles in proportion to their captions on large screens.
    void growOptionCircles();

    void applyLayout();
    void placeInArea(const CanvasView* area, QWidget* w, const lampen::Placed& p);
    void syncTexts(const lampen::View& v, const lampen::View* was);
    void syncRoom(const lampen::View& v, const lampen::View* was);
    void placeRoom(const lampen::View& v);
    void syncPanels(const lampen::View& v);
    void syncMatrix(const lampen::View& v);
    void syncControls(const lampen::View& v, const lampen::View* was);
    void syncRechenweg(const lampen::View& v);
    void syncAccessibility(const lampen::View& v, const lampen::View* was);

    ScreenMetrics screen_;
    double twipsPerPixel_ = 15;
    QtDialogs dialogs_;
    lampen::ClockRandom random_;
    QtTextMetrics metrics_{twipsPerPixel_};
    lampen::Lampen model_;
    bool syncing_ = false;
    // The view last applied; empty until the first sync and after a layout pass, which moves
    // the controls it placed.
    std::optional<lampen::View> shown_;
    std::string shownWege_;

    // Every control by objectName, for the layout pass.
    std::unordered_map<std::string, QWidget*> byName_;
    // Controls of panels that start hidden, whose fonts wait until they first show.
    std::unordered_set<QWidget*> fontsWaiting_;

    QWidget* client_ = nullptr;
    QLineEdit *txtKlicks_ = nullptr, *txtAusgabe_ = nullptr, *txtAktuell_ = nullptr,
              *txtAnzahl_ = nullptr, *txtSchalter_ = nullptr;
    QComboBox* cboDatei_ = nullptr;
    QPushButton *cmdEntfernen_ = nullptr, *cmdNeu_ = nullptr;
    CanvasView *picRaum_ = nullptr, *picProzent_ = nullptr, *picMatrix_ = nullptr;
    std::array<QPushButton*, lampen::kLampCount> cmdSchalter_{}, cmdLampe_{}, cmdMSchalter_{},
        cmdMLampe_{};
    std::array<LampShape*, lampen::kLampCount> shpLampe_{};
    QPushButton *cmdVoriges_ = nullptr, *cmdNaechstes_ = nullptr, *cmdAufgabe_ = nullptr,
                *cmdLampenaus_ = nullptr;
    QScrollBar *hscLampwinkel_ = nullptr, *hscRadLampe_ = nullptr, *hscSchaltwinkel_ = nullptr,
               *hscRadSchalter_ = nullptr;
    std::array<QRadioButton*, 2> optLoesbar_{}, Option1_{};
    QGroupBox *lblAendern_ = nullptr, *lblWege_ = nullptr;
    std::array<QGroupBox*, 2> lblErklaerung_{};
    std::array<QPushButton*, 2> cmdAusKB_{}, cmdInfofenster_{}, cmdAddSchaltung_{};
    QPushButton *cmdLoeSchaltung_ = nullptr, *cmdAddLampe_ = nullptr, *cmdLoeLampe_ = nullptr,
                *cmdSpielen_ = nullptr, *cmdclear_ = nullptr;
    QPlainTextEdit* txtWege_ = nullptr;
    QPushButton *cmdMHaupt_ = nullptr, *cmdMvorige_ = nullptr, *cmdMnaechste_ = nullptr;
    QLabel* imgDon_ = nullptr;
    LampShape* shpDonlamp_ = nullptr;
    RuleLine* Line3_ = nullptr;
    std::array<QLineEdit*, 6> txtStatistik_{};
    QGroupBox* lblRechenweg_ = nullptr;
    QPlainTextEdit* txtRechenweg_ = nullptr;
    QPushButton *cmdSchritt_ = nullptr, *cmdAlleSchritte_ = nullptr;
    std::string shownRechenweg_;
    FocusRing* focusRing_ = nullptr;
};
