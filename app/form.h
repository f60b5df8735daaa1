// The program's window class: the view's main window (window.h) with the
// handlers of its controls, named as the window's design names them. Each
// handler hands its event to the routine of match control that decides
// what it does; the creation hook (creation.cpp) lays the window out for
// its screen, starts every layer and wires every control to its handler.
#pragma once

#include <QMargins>
#include <QRect>

#include "window.h"

class TForm1 : public Hoofdvenster {
    Q_OBJECT
  public:
    using Hoofdvenster::Hoofdvenster;

    // The creation hook: the start-up work in its order.
    void FormCreate();
    // Fits the window to a work area: the largest factor at which it fits
    // with a frame of the given margins, and the frame centred there.
    void plaatsvenster(const QRect& area, const QMargins& frame);
    // Whether the window at its factor no longer fits the work area with
    // that frame.
    bool pastniet(const QRect& area, const QMargins& frame) const;
    // Places the window with that frame by the design's rule: the window as
    // made, with its frame, centred on the work area; moved left where the
    // widening to the minimum width would take its frame off the work area.
    void centreer(const QRect& area, const QMargins& frame);

    // The handlers of the controls, the board, the timers, the keys and
    // the closing of the window.
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
    void KlokTimer();
    void HerstartklokTimer();
    void FormClose();
    void FormKeyDown(int key);
    void BordMouseMove(int x, int y);
    void BordMouseDown();
    // Return on the board, its cursor on (c, r).
    void BordKeyDown(int c, int r);

    // The full redraw that match control asks for (sounds follow "Geluid"
    // again afterwards), and the last hover verdict.
    void tekenbord();
    bool handShown() const;
};
