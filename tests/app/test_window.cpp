// The window offscreen: its creation state, the board layers and a game
// played by clicks.
#include <QApplication>
#include <QStyle>
#include <QTest>

#include "board.h"
#include "flags.h"
#include "form.h"
#include "geometry.h"
#include "pointer.h"
#include "sound.h"
#include "update.h"

namespace {

class Opname : public Geluiduitvoer {
  public:
    QStringList names;
    void speel(const QString& name, const QByteArray&) override { names << name; }
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
    TForm1* form = nullptr;
    Opname opname;

  private slots:
    void initTestCase() {
        form = new TForm1;
        form->FormCreate();
        delete Uitvoer;
        Uitvoer = &opname;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QApplication::processEvents();
    }

    void creationState() {
        QCOMPARE(form->windowTitle(), QString("Kalvor  (5 op een rijtje)"));
        QCOMPARE(form->Krant->text(), QString("Druk op 'Start partij'"));
        QCOMPARE(form->Tijd1->text(), QString("0:00:00.000"));
        QCOMPARE(form->Tijd2->text(), QString("0:00:00.000"));
        QCOMPARE(form->Startknop->text(), QString("Start partij"));
        QVERIFY(form->CM->isChecked());
        QVERIFY(form->Normaal1->isChecked());
        QVERIFY(form->Normaal2->isChecked());
        QVERIFY(form->Geluidcheck->isChecked());
        QVERIFY(form->Klok->isActive());
        QCOMPARE(form->Klok->interval(), 1000);
        QVERIFY(!form->Herstartklok->isActive());
        QCOMPARE(form->Herstartklok->interval(), 5000);
        QCOMPARE(EvalSet[1].BlackCode, 6);
        QCOMPARE(EvalSet[2].WhiteFive, 7776);
        QCOMPARE(GameState, NoGame);
        QVERIFY(!HumanMayMove);
        QCOMPARE(form->ToonPartij->toolTip(),
                 QString(" Breek het het naspelen af met de Esc-toets "));
        QVERIFY(form->width() >= 945);
        QCOMPARE(form->Startknop->toolTipDuration(), 5000);
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 0);
        QCOMPARE(form->palette().color(QPalette::Window), QColor(128, 0, 0));
        QCOMPARE(form->Krant->palette().color(QPalette::Window), QColor(192, 64, 64));
    }

    void gridLayerHoldsLinesOnTheKeyColour() {
        const QImage& lines = form->Bordlijnen->Picture;
        QVERIFY(!lines.isNull());
        QCOMPARE(lines.width(), LinesWidth);
        QCOMPARE(lines.pixel(kolomx(5), rijy(7) + 5), qRgb(0, 0, 0));     // on column 5's line
        QCOMPARE(lines.pixel(kolomx(1) - 5, rijy(1) - 5), KeyColour);     // the margin
        QCOMPARE(lines.pixel(kolomx(4) + 2, rijy(4) + 2), qRgb(0, 0, 0)); // a star point
        QCOMPARE(lines.pixel((kolomx(5) + kolomx(6)) / 2, (rijy(5) + rijy(6)) / 2), KeyColour);
    }

    void stylesSetTheCodes() {
        form->Angstig1->click();
        QCOMPARE(EvalSet[1].BlackCode, 3);
        QCOMPARE(EvalSet[1].WhiteFive, 3125);
        form->Roekeloos2->click();
        QCOMPARE(EvalSet[2].BlackCode, 3);
        QCOMPARE(EvalSet[2].WhiteCode, 5);
        form->Normaal1->click();
        form->Normaal2->click();
        QCOMPARE(EvalSet[1].BlackCode, 6);
        QCOMPARE(EvalSet[2].BlackCode, 5);
    }

    void soundNamesInAnyCase() {
        opname.names.clear();
        speelgeluid("Kloktik");
        speelgeluid("tik");
        speelgeluid("GONG");
        speelgeluid("bestaatniet");
        QCOMPARE(opname.names, QStringList({"KLOKTIK", "TIK", "GONG"}));
        QVERIFY(!golfdata("tak").isEmpty());
    }

    void twoPersonsPlayByClicks() {
        form->MM->setChecked(true);
        form->StartknopClick();
        QCOMPARE(GameState, BlackToMove);
        QVERIFY(HumanMayMove);
        const QPoint at(kolomx(10), rijy(10));
        QTest::mouseMove(form->Bord, at);
        form->BordMouseMove(at.x(), at.y());
        QVERIFY(form->handShown());
        form->BordMouseDown();
        QCOMPARE(MoveCount, 1);
        QCOMPARE(GameState, WhiteToMove);
        QCOMPARE(form->Krant->text(), QString("Zet 2.   Wit is aan zet   "));
        const QImage& stones = form->Bord->Picture;
        // A black stone with the red marker of the last move at its centre,
        // and the key colour just outside its square.
        QCOMPARE(stones.pixel(kolomx(10) - 2, rijy(10) - 2), qRgb(255, 0, 0));
        const int R = StoneRadius;
        QCOMPARE(stones.pixel(kolomx(10) - R + 1, rijy(10)), qRgb(12, 12, 12));
        QCOMPARE(stones.pixel(kolomx(10) - R - 3, rijy(10)), KeyColour);
        // No stone background colour anywhere.
        for (int y = rijy(10) - R - 2; y <= rijy(10) + R + 2; ++y)
            for (int x = kolomx(10) - R - 2; x <= kolomx(10) + R + 2; ++x)
                QVERIFY(stones.pixel(x, y) != qRgb(204, 162, 111));
        // The occupied point shows the arrow.
        form->BordMouseMove(at.x(), at.y());
        QVERIFY(!form->handShown());
    }

    void numbersLastMoveAndAStrayCode() {
        form->MM->setChecked(true);
        form->StartknopClick();
        for (int c : {5, 6, 7}) {
            form->BordMouseMove(kolomx(c), rijy(5));
            form->BordMouseDown();
        }
        QCOMPARE(MoveCount, 3);
        const QImage& stones = form->Bord->Picture;
        const int a = StoneRadius / 3;
        // Markers: only the last one red; the others in their stone's colour.
        QCOMPARE(stones.pixel(kolomx(7) - a, rijy(5) - a), qRgb(255, 0, 0));
        QVERIFY(stones.pixel(kolomx(5) - a, rijy(5) - a) != qRgb(255, 0, 0));
        QVERIFY(stones.pixel(kolomx(6) - a, rijy(5) - a) != qRgb(255, 0, 0));
        // Numbers mode redraws with red digits on the last move only.
        form->Nummers->click();
        auto rood = [&](int c) {
            int n = 0;
            for (int y = rijy(5) - StoneRadius; y <= rijy(5) + StoneRadius; ++y)
                for (int x = kolomx(c) - StoneRadius; x <= kolomx(c) + StoneRadius; ++x)
                    n += form->Bord->Picture.pixel(x, y) == qRgb(255, 0, 0);
            return n;
        };
        QVERIFY(rood(7) > 0);
        QCOMPARE(rood(5), 0);
        QCOMPARE(rood(6), 0);
        form->Nummers->click();
        // A code that matches neither colour is drawn as a cleared point.
        MoveList[2].code = 99;
        form->tekenbord();
        QCOMPARE(form->Bord->Picture.pixel(kolomx(6) + StoneRadius - 1, rijy(5)), KeyColour);
        MoveList[2].code = EvalSet[1].WhiteCode;
    }

    void stonesStayFreeOfFringeAtEverySize() {
        form->MM->setChecked(true);
        form->StartknopClick();
        form->BordMouseMove(kolomx(10), rijy(10));
        form->BordMouseDown();
        form->BordMouseMove(kolomx(11), rijy(10));
        form->BordMouseDown();
        for (int h : {738, 800, 900, 1100}) {
            form->resize(1600, h);
            form->tekenbord();
            const QImage& img = form->Bord->Picture;
            const int R = StoneRadius;
            for (int c : {10, 11})
                for (int y = rijy(10) - R - 1; y < rijy(10) + R - 1; ++y)
                    for (int x = kolomx(c) - R - 1; x < kolomx(c) + R - 1; ++x) {
                        const QRgb p = img.pixel(x, y);
                        QVERIFY2(p != qRgb(204, 162, 111), "stone background shows");
                        // Inside the stone's disc no key colour may remain.
                        const int dx = x - (kolomx(c) - 1), dy = y - (rijy(10) - 1);
                        if (dx * dx + dy * dy < (R - 2) * (R - 2))
                            QVERIFY2(p != KeyColour, "key colour inside a stone");
                    }
        }
    }

    void fullRedrawGivesThePixelsOfStoneByStoneDrawing() {
        nieuwepartij();
        MoveCount = 0;
        for (int c = 1; c <= 19; ++c)
            for (int r = 1; r <= 19; ++r) {
                ++MoveCount;
                const int32_t code = (c * 7 + r * 3) % 5 == 0 ? 99 // a few stray codes
                                     : (c + r) % 2            ? EvalSet[1].BlackCode
                                                              : EvalSet[1].WhiteCode;
                MoveList[MoveCount] = {c, r, code};
            }
        GameState = Draw;
        for (bool numbers : {false, true}) {
            form->Nummers->setChecked(numbers);
            form->tekenbord();
            const QImage fast = form->Bord->Picture.copy();
            SoundOn = false;
            form->tekenleegbord();
            for (int32_t i = 1; i <= MoveCount; ++i) form->tekensteen(i);
            QVERIFY(form->Bord->Picture == fast);
        }
        form->Nummers->setChecked(false);
    }

    void muteRules() {
        opname.names.clear();
        GameState = BlackToMove;
        Paused = true;
        speelgeluid("gong");
        Paused = false;
        QVERIFY(opname.names.isEmpty());
        // Computer against computer with "Snelle computer": silent while the
        // game runs, the end gong still sounds; step mode lifts the rule.
        form->CC->setChecked(true);
        form->Snel->setChecked(true);
        speelgeluid("tik");
        QVERIFY(opname.names.isEmpty());
        form->StapVoorStap->setChecked(true);
        speelgeluid("tik");
        form->StapVoorStap->setChecked(false);
        GameState = BlackWon;
        speelgeluid("gong");
        QCOMPARE(opname.names, QStringList({"TIK", "GONG"}));
        // A replay falls under the same rule.
        opname.names.clear();
        form->MM->setChecked(true);
        GameState = WhiteToMove;
        Replaying = true;
        speelgeluid("tak");
        Replaying = false;
        speelgeluid("tak");
        QCOMPARE(opname.names, QStringList({"TAK"}));
        form->Snel->setChecked(false);
    }

    void sizeHandlerWidensAndRedraws() {
        form->showNormal();
        form->resize(900, 738);
        QApplication::processEvents();
        const int outerExtra = form->frameGeometry().width() - form->width();
        QCOMPARE(form->frameGeometry().width(),
                 qMax(900 + outerExtra, minimumbreedte(form->frameGeometry().height())));
        QVERIFY(form->frameGeometry().width() >= minimumbreedte(form->frameGeometry().height()));
        // A taller window lays the board out again for its height.
        form->resize(1600, 900);
        QApplication::processEvents();
        QCOMPARE(LinesHeight, form->height() - 30);
        QCOMPARE(form->Bord->x(), qMax(280, (form->width() - LinesWidth) / 2));
        QCOMPARE(form->Bord->Picture.size(), QSize(LinesWidth, LinesHeight));
    }

    void cleanupTestCase() {
        Uitvoer = nullptr;
        delete form;
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
