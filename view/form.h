// The main window: every control under its own name, built in code from the
// window description. The class is declared here, where the board view
// needs it; its handlers are defined by the layers that own them: the board
// drawing, the pointer and the size handler here, the match handlers and
// the style buttons in match/, the creation hook and the wiring of
// controls, keys, the close event and the board's pointer events to their
// handlers in app/. The class overrides only what the view itself handles (resizing), so
// the view never depends on the layers above it. The window keeps no game
// state; that is all module-level data.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include "layer.h"

class TForm1 : public QWidget {
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

    // Board view (view/).
    void tekenleegbord();
    void tekensteen(int32_t n);
    void tekenbord();
    void FormResize(); // the size handler
    void BordMouseMove(int x, int y);
    void BordMouseDown();

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
    void zetmens(); // the commit of an accepted press on the board

    // Creation hook (app/).
    void FormCreate();

    // The pointer shape of the window doubles as the last hover verdict.
    bool handShown() const;

  protected:
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent*) override;
};

extern TForm1* Form1;
