// The main window as the player sees it: every control under its own name,
// built in code from the window description, the board's layers and their
// drawing, and the layout of it all. The view lays out and draws; it
// decides nothing about the game. Match control reaches it through the
// verbs below (show a status text, a clock, the players, the score; read
// the options), the creation hook (app/) through the size handler and the
// scaling; the handlers of the controls belong to the window class of the
// program, TForm1 (app/form.h), which is this class with its handlers. What
// the window reports upward (the pointer on the board, the close request)
// goes out as a signal that the creation hook connects.
//
// Layout factor: the window is drawn in design pixels (at 120 pixels per
// inch). On a screen too small for it, the whole window is laid out at a
// factor below 1, chosen once at start-up (the creation hook) and given to
// schaalvenster, the one routine that scales: every control's rectangle,
// font and bevel from the design values recorded when the controls were
// made, the style's indicators and spacing, the board's constants and the
// minimum size. The window keeps the factor; nothing else does.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "geometry.h"
#include "layer.h"
#include "stoneslayer.h"

// The player mode, as the radio buttons of the panel "Spelers" show it.
enum class Modus { MensMens, ComputerMens, ComputerComputer };

class Hoofdvenster : public QWidget {
    Q_OBJECT
  public:
    explicit Hoofdvenster(QWidget* parent = nullptr);
    ~Hoofdvenster() override; // Form1 is cleared first, so nothing reaches a half-destroyed window

    // Board layers, back to front; the stones layer on top takes the
    // pointer and the keys. Every control is null until the constructor
    // has made it: whatever looks at the window while it is being made
    // (the screen reader's factory, asked by every label that reports its
    // text) finds no control that is not there yet.
    Beeldlaag *Bordhout = nullptr, *Witmodel = nullptr, *Zwartmodel = nullptr, *Bord2 = nullptr,
              *Bordlijnen = nullptr;
    Stenenlaag* Bord = nullptr;
    QFont BordFont; // the stones layer's text font, used to measure the scores

    QLabel *Spelers = nullptr, *Spelerscaption = nullptr;
    QRadioButton *MM = nullptr, *CM = nullptr, *CC = nullptr;
    QLabel *Speelstijl = nullptr, *Speelstijlcaption = nullptr, *Label1 = nullptr,
           *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr;
    QLabel *Comp1Stijl = nullptr, *Comp2stijl = nullptr;
    QRadioButton *Roekeloos1 = nullptr, *Aanvallend1 = nullptr, *Normaal1 = nullptr,
                 *Behoedzaam1 = nullptr, *Angstig1 = nullptr;
    QRadioButton *Roekeloos2 = nullptr, *Aanvallend2 = nullptr, *Normaal2 = nullptr,
                 *Behoedzaam2 = nullptr, *Angstig2 = nullptr;
    QPushButton *Startknop = nullptr, *Zetterug = nullptr, *ToonPartij = nullptr,
                *Scoresnaar0 = nullptr, *Info = nullptr;
    QLabel *Statuspaneel = nullptr, *Klok1 = nullptr, *Klok2 = nullptr, *Kleur1 = nullptr,
           *Kleur2 = nullptr, *Tijd1 = nullptr, *Tijd2 = nullptr, *Speler1 = nullptr,
           *Speler2 = nullptr;
    QLabel *Standpaneel = nullptr, *Zwartscore = nullptr, *Witscore = nullptr, *Krant = nullptr;
    QLabel* Settingspaneel = nullptr;
    QCheckBox *Geluidcheck = nullptr, *Nummers = nullptr, *Snel = nullptr, *StapVoorStap = nullptr;
    QTimer *Klok = nullptr, *Herstartklok = nullptr;

    // The board (drawing.cpp), silent: the empty board, the stone of move n
    // with its number or marker, the empty board and every stone of the
    // game.
    void tekenleegbord();
    void tekensteen(int32_t n);
    void tekenalles();
    // The size handler, and its first step: the window widened to the
    // minimum width.
    void FormResize();
    void verbreed();
    // The window's pointer: the hand, or the arrow.
    void toonwijzer(bool hand);
    // The About box, modal; events go on being dispatched while it is open.
    void toonover();

    // What match control shows. The status line, and its repaint at once,
    // so that it can be read while the handler that wrote it goes on
    // working.
    void toonkrant(const QString& text);
    void schilderkrant();
    QString krant() const;
    void toonklok(bool zwart, const QString& text);
    // The players of black and white, each centred in its clock panel.
    void toonspelers(const QString& zwart, const QString& wit);
    // The score: each count centred at a quarter and at three quarters of
    // the score panel, measured with the stones layer's text font.
    void toonscore(int32_t zwart, int32_t wit);
    void noemstartknop(const QString& caption);

    // A playing style's name as the window shows it (Roekeloos to Angstig,
    // style.h).
    static QString stijlopschrift(int style);

    // What match control reads: the options as the controls show them now.
    Modus modus() const;
    bool geluid() const { return Geluidcheck->isChecked(); }
    bool nummers() const { return Nummers->isChecked(); }
    bool snel() const { return Snel->isChecked(); }
    bool stapvoorstap() const { return StapVoorStap->isChecked(); }
    // Ticks "Stap voor Stap" as a click would (its handler runs).
    void vinkstapvoorstap();

    // The layout factor, and a design length at it: rounded, halves to
    // even; at a factor of 1 the length itself.
    double factor() const { return Factor; }
    int32_t schaal(int32_t design) const { return schaalmaat(design, Factor); }
    // Lays the whole window out at a factor of its design size: every
    // control from its design values, the style's metrics, the minimum and
    // the client size; the board follows at the next size notification.
    void schaalvenster(double f);

  signals:
    // The window is asked to close (FormClose runs on it).
    void wordtgesloten();

  protected:
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent*) override;
    void closeEvent(QCloseEvent*) override;

  private:
    // A control's design values, recorded when it is made: its rectangle,
    // its font size (0: the window's font), the width of its bevel (0:
    // none), and whether its width follows its text (then its middle stays
    // where the design has it).
    struct Ontwerpmaat {
        QWidget* element;
        QRect rechthoek;
        int letter, lijn;
        bool naartekst;
    };
    std::vector<Ontwerpmaat> Ontwerpen;
    double Factor = 1.0;
    // The players and the score were shown by their verbs: from then on
    // their labels are placed by the verbs' rules at every factor, not
    // where the design has them.
    bool Spelersgetoond = false, Scoregetoond = false;
    // A label centred in its parent (the clock panels' labels).
    static void centreerlabel(QLabel* l);
    void plaatsspelers();
    void plaatsscore();

    void maaklagen();
    void maakstenenlaag();
    void maakspelers();
    void maakstijlen();
    void maakstatus();
    void maakopties();
    void zettabvolgorde();
    void noemvoorlezer();
    void legontwerpvast();
    // Sets a button's caption a little tighter, or smaller, where it would
    // not keep clear of its control's edges at its size.
    void pascaption(QAbstractButton* b) const;
};

// The main window, from every layer; null while there is none.
extern Hoofdvenster* Form1;

// First values of the view's data, as at program start: the recordings
// parsed into their table.
void beginbeeld();
