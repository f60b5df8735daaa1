// The main window: every control under its own name, built in code from the
// window description, and the board drawing. The window is one class whose
// methods are the handlers of its controls; each handler is defined in the
// folder that owns its decision: the drawing, the hover test and the size
// handler here in the view, the game's handlers in match/, the creation hook
// (which also wires every control to its handler) in app/. The view library
// defines only its own and never calls the others: what the window reports
// upward (the pointer on the board, the close request) goes out as a signal
// that the creation hook connects, and a test that links the view without
// the layers above it keeps it so. The window keeps no game state; that is
// all module-level data.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include "layer.h"

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override; // Form1 is cleared first, so nothing reaches a half-destroyed window

    // Board layers, back to front.
    Beeldlaag *Bordhout, *Witmodel, *Zwartmodel, *Bord2, *Bordlijnen, *Bord;
    QFont BordFont; // the stones layer's text font, used to measure the scores

    QLabel *Spelers, *Spelerscaption;
    QRadioButton *MM, *CM, *CC;
    QLabel *Speelstijl, *Speelstijlcaption, *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLabel *Comp1Stijl, *Comp2stijl;
    QRadioButton *Roekeloos1, *Aanvallend1, *Normaal1, *Behoedzaam1, *Angstig1;
    QRadioButton *Roekeloos2, *Aanvallend2, *Normaal2, *Behoedzaam2, *Angstig2;
    QPushButton *Startknop, *Zetterug, *ToonPartij, *Scoresnaar0, *Info;
    QLabel *Statuspaneel, *Klok1, *Klok2, *Kleur1, *Kleur2, *Tijd1, *Tijd2, *Speler1, *Speler2;
    QLabel *Standpaneel, *Zwartscore, *Witscore, *Krant;
    QLabel* Settingspaneel;
    QCheckBox *Geluidcheck, *Nummers, *Snel, *StapVoorStap;
    QTimer *Klok, *Herstartklok;

    // Board view (view/): the drawing, silent; the size handler.
    void tekenleegbord();
    void tekensteen(int32_t n);
    void tekenalles(); // the empty board and every stone of the game
    void FormResize(); // the size handler
    void verbreed();   // its first step: the window widened to the minimum width
    // The window's pointer: the hand, or the arrow.
    void toonwijzer(bool hand);

    // Style handlers (match/).
    void Roekeloos1Click();
    void Aanvallend1Click();
    void Normaal1Click();
    void Behoedzaam1Click();
    void Angstig1Click();
    void Roekeloos2Click();
    void Aanvallend2Click();
    void Normaal2Click();
    void Behoedzaam2Click();
    void Angstig2Click();

    // Match control.
    void tekenbord(); // the full redraw, after which sounds follow "Geluid"
    void BordMouseMove(int x, int y);
    bool handShown() const; // the last hover verdict
    void StartknopClick();
    void ZetterugClick();
    void ToonPartijClick();
    void Scoresnaar0Click();
    void InfoClick();
    void MMClick();
    void CMClick();
    void CCClick();
    void GeluidcheckClick();
    void NummersClick();
    void StapVoorStapClick();
    void KlokTimer();
    void HerstartklokTimer();
    void FormClose();
    void FormKeyDown(int key);
    void BordMouseDown();
    void zetmens(); // the commit of an accepted press on the board

    // Lays the whole window out at a factor of its design size: every
    // control's rectangle and font from its design values, the minimum and
    // the client size; the board follows at the next size notification.
    void schaalvenster(double f);

    // Creation hook (app/).
    void FormCreate();
    // Fits the window to a work area: the largest factor at which it fits
    // with a frame of the given margins, and the frame centred there.
    void plaatsvenster(const QRect& area, const QMargins& frame);

  signals:
    // The window is asked to close (FormClose runs on it).
    void wordtgesloten();

  protected:
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent*) override;
    void closeEvent(QCloseEvent*) override;
};

extern TForm1* Form1;

// The window's face, regular, at a size in design pixels (bold captions
// start from it too).
QFont vensterletter(int pixels);

// First values of the view's data, as at program start: the window at its
// design scale; and the recordings parsed into their table.
void beginbeeld();
