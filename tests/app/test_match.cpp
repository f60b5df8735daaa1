// Whole games through the real window offscreen: the game cycle in the
// three modes, clocks, pause, status and sounds, take-back, replay, step
// mode, the restart, the mode switches and the keys, and what happens when
// one of them overtakes another.
#include <QMessageBox>

#include "venster.h"
#include "version.h"

using namespace venster;

namespace {

const std::vector<std::pair<int, int>> Twintig = [] {
    // Twenty stones three points apart: no two touch, nothing is won.
    std::vector<std::pair<int, int>> v;
    for (int i = 0; i < 20; ++i) v.push_back({2 + (i % 5) * 3, 2 + (i / 5) * 3});
    return v;
}();

// A game opened by white after 14 moves: black has four in a column
// (10, 5..8) with both ends free, white nothing; white's move 15 at (7, 19)
// lets black complete five with move 16.
const std::vector<std::pair<int, int>> ZwarteVier = {{1, 1},  {10, 5},  {3, 1},  {10, 6}, {5, 1},
                                                     {10, 7}, {7, 1},   {10, 8}, {1, 19}, {16, 16},
                                                     {3, 19}, {16, 12}, {5, 19}, {13, 16}};

QString krant(TForm1* f) {
    return f->Krant->text();
}

bool gecentreerd(QLabel* l) {
    return l->x() == (l->parentWidget()->width() - l->width()) / 2;
}

} // namespace

class MatchTest : public QObject {
    Q_OBJECT
    TForm1* form = nullptr;

    void modus(QRadioButton* button) {
        button->setChecked(true);
        QApplication::processEvents();
    }

  private slots:
    void init() { form = maakvenster(); }
    void cleanup() { sluitvenster(form); }

    void firstGameBlackSecondWhiteInEveryMode() {
        // Two persons: the opener is to move, nobody has moved.
        modus(form->MM);
        form->StartknopClick();
        QCOMPARE(form->Startknop->text(), QString("Nieuwe partij"));
        QCOMPARE(GameState, BlackToMove);
        QCOMPARE(MoveCount, 0);
        QVERIFY(HumanMayMove);
        QCOMPARE(krant(form), QString("Zet 1.  Zwart is aan zet"));
        form->StartknopClick();
        QCOMPARE(GameState, WhiteToMove);
        QCOMPARE(SideToMove, EvalSet[1].WhiteCode);
        QCOMPARE(krant(form), QString("Zet 1.   Wit is aan zet   "));
        sluitvenster(form);

        // Computer against a person: the computer opens the first game
        // with a black stone in the central square after its think delay.
        form = maakvenster();
        form->Snel->setChecked(true);
        form->StartknopClick();
        QCOMPARE(MoveCount, 1);
        QCOMPARE(MoveList[1].code, EvalSet[1].BlackCode);
        QVERIFY(MoveList[1].column >= 6 && MoveList[1].column <= 14);
        QVERIFY(MoveList[1].row >= 6 && MoveList[1].row <= 14);
        QVERIFY(Tijd >= 50);
        QCOMPARE(GameState, WhiteToMove);
        QVERIFY(HumanMayMove);
        QCOMPARE(krant(form), QString("Zet 2.   Wit is aan zet   "));
        // The second game: the person opens as white.
        form->StartknopClick();
        QCOMPARE(MoveCount, 0);
        QCOMPARE(GameState, WhiteToMove);
        QVERIFY(HumanMayMove);
        sluitvenster(form);

        // Two computers, one move at a time: computer 1 opens with black,
        // then computer 2 with white.
        form = maakvenster();
        form->Snel->setChecked(true);
        form->StapVoorStap->setChecked(true);
        modus(form->CC);
        form->StartknopClick();
        QCOMPARE(MoveCount, 1);
        QCOMPARE(MoveList[1].code, EvalSet[1].BlackCode);
        QCOMPARE(GameState, WhiteToMove);
        QVERIFY(!HumanMayMove);
        form->StartknopClick();
        QCOMPARE(MoveCount, 1);
        QCOMPARE(MoveList[1].code, EvalSet[1].WhiteCode);
        QCOMPARE(GameState, BlackToMove);
        QCOMPARE(GamesStarted, 2);
    }

    void computerGameFromOnePressAndTheRestart() {
        form->Snel->setChecked(true);
        modus(form->CC);
        opname.wis();
        form->StartknopClick();
        QVERIFY(GameState >= BlackWon);
        QVERIFY(MoveCount >= 9);
        QCOMPARE(toestandsfout(), QString());
        for (int32_t n = 1; n <= MoveCount; ++n)
            QCOMPARE(MoveList[n].code, n % 2 ? EvalSet[1].BlackCode : EvalSet[1].WhiteCode);
        QCOMPARE(BlackWins + WhiteWins, GameState == Draw ? 0 : 1);
        const QString end = GameState == BlackWon   ? "Zwart wint in %1 zetten."
                            : GameState == WhiteWon ? "Wit wint in %1 zetten."
                                                    : "Het is remise na %1 zetten.";
        QCOMPARE(krant(form), end.arg(MoveCount));
        // Fast play between computers is silent but for the end gong.
        QCOMPARE(opname.namen(), QStringList({"GONG"}));
        QVERIFY(form->Herstartklok->isActive());
        QVERIFY(!HumanMayMove);

        // Five seconds later: the next game, opened by white, played out.
        const int32_t wins = BlackWins + WhiteWins;
        form->HerstartklokTimer();
        QCOMPARE(GamesStarted, 2);
        QCOMPARE(MoveList[1].code, EvalSet[1].WhiteCode);
        QVERIFY(GameState >= BlackWon);
        QCOMPARE(BlackWins + WhiteWins, wins + (GameState == Draw ? 0 : 1));
        QVERIFY(form->Herstartklok->isActive()); // armed again by this game
    }

    void stepModeOneMovePerSpace() {
        form->StapVoorStap->setChecked(true);
        modus(form->CC);
        opname.wis();
        form->StartknopClick(); // the first move comes after its think delay
        QCOMPARE(MoveCount, 1);
        QCOMPARE(Tijd, uint32_t(801));
        for (int32_t n = 2; n <= 6; ++n) {
            form->FormKeyDown(Qt::Key_Space);
            QCOMPARE(MoveCount, n);
            QCOMPARE(Tijd, uint32_t(801)); // released moves do not wait
            QVERIFY(!StepRequested);
        }
        // Step mode keeps the sounds: the gong at the start, a stone sound
        // for each move.
        QCOMPARE(opname.namen().mid(0, 3), QStringList({"GONG", "TAK", "TIK"}));
        QVERIFY(!form->Herstartklok->isActive());
        // The Z key of the tooltip does nothing.
        form->FormKeyDown(Qt::Key_Z);
        QCOMPARE(MoveCount, 6);
        // Unticking the box plays the rest of the game at once.
        form->Snel->setChecked(true);
        form->StapVoorStap->setChecked(false);
        QVERIFY(GameState >= BlackWon);
        QVERIFY(form->Herstartklok->isActive());
        QCOMPARE(toestandsfout(), QString());
    }

    void spaceOutsideStepModeDoesNothing() {
        form->Snel->setChecked(true);
        modus(form->CC);
        form->StapVoorStap->setChecked(true);
        form->StartknopClick();
        form->StapVoorStap->blockSignals(true);
        form->StapVoorStap->setChecked(false);
        form->StapVoorStap->blockSignals(false);
        form->FormKeyDown(Qt::Key_Space);
        QCOMPARE(MoveCount, 1);
        QVERIFY(!StepRequested);
        // In step mode but outside "Computer 1 tegen Computer 2" the key
        // only sets the flag; the next computer move comes without delay.
        form->StapVoorStap->blockSignals(true);
        form->StapVoorStap->setChecked(true);
        form->StapVoorStap->blockSignals(false);
        modus(form->MM);
        form->FormKeyDown(Qt::Key_Space);
        QVERIFY(StepRequested);
        QCOMPARE(MoveCount, 1);
        HumanMayMove = true;
        druk(form, 3, 3); // white, a person now
        QCOMPARE(MoveCount, 2);
        const uint32_t before = Tijd;
        modus(form->CM); // coming from two persons with black to move
        QCOMPARE(MoveCount, 3);
        QCOMPARE(Tijd, before);
        QVERIFY(!StepRequested);
    }

    void personsWinningMoveAgainstTheComputer() {
        form->Snel->setChecked(true);
        form->StartknopClick(); // game 1, the computer opens
        bouw(form, BlackToMove,
             {{10, 10}, {1, 1}, {10, 13}, {2, 1}, {13, 10}, {3, 1}, {16, 16}, {4, 1}, {7, 7}});
        QCOMPARE(krant(form), QString("Zet 10.   Wit is aan zet   "));
        HumanMayMove = true;
        opname.wis();
        druk(form, 5, 1);
        QCOMPARE(GameState, WhiteWon);
        QCOMPARE(WhiteWins, 1);
        QCOMPARE(BlackWins, 0);
        QCOMPARE(MoveCount, 10); // the computer does not answer
        QCOMPARE(krant(form), QString("Wit wint in 10 zetten."));
        QCOMPARE(form->Witscore->text(), QString("1"));
        // The winning stone makes no sound; the gong marks the end.
        QCOMPARE(opname.namen(), QStringList({"GONG"}));
        QCOMPARE(form->cursor().shape(), Qt::ArrowCursor);
        // Nothing more can be played.
        druk(form, 10, 1);
        QCOMPARE(MoveCount, 10);
        QVERIFY(!form->handShown());
    }

    void computersWinningMoveAndItsHandOver() {
        form->Snel->setChecked(true);
        form->StartknopClick();
        form->StartknopClick(); // game 2: white opens, the person
        bouw(form, WhiteToMove, ZwarteVier);
        HumanMayMove = true;
        druk(form, 7, 19); // move 15; the computer answers with the five
        QCOMPARE(MoveCount, 16);
        QCOMPARE(GameState, BlackWon);
        QCOMPARE(MoveList[16].column, 10);
        QVERIFY(MoveList[16].row == 4 || MoveList[16].row == 9);
        QCOMPARE(BlackWins, 1);
        QCOMPARE(krant(form), QString("Zwart wint in 16 zetten."));
        QVERIFY(HumanMayMove); // handed over, but every point is refused
        form->BordMouseMove(kolomx(18), rijy(18));
        QVERIFY(!form->handShown());
    }

    void drawByAPersonsMoveAndByTheComputersChoice() {
        // Two persons fill the board so that every window holds both
        // colours: (c + 2r) mod 4 in {0, 1} black. The move that kills the
        // last live window is a draw.
        modus(form->MM);
        form->StartknopClick();
        std::vector<std::pair<int, int>> black, white;
        for (int r = 1; r <= GameBoardSize; ++r)
            for (int c = 1; c <= GameBoardSize; ++c)
                ((c + 2 * r) % 4 < 2 ? black : white).push_back({c, r});
        for (size_t i = 0; gamerunning() && i < black.size(); ++i) {
            legzet(black[i].first, black[i].second);
            if (gamerunning() && i < white.size()) legzet(white[i].first, white[i].second);
        }
        QCOMPARE(GameState, Draw);
        const MoveRecord last = MoveList[MoveCount];
        const int32_t n = MoveCount;
        // Taken back, and played again by hand.
        form->ZetterugClick();
        QCOMPARE(MoveCount, n - 1);
        QVERIFY(gamerunning());
        QCOMPARE(toestandsfout(), QString());
        opname.wis();
        druk(form, last.column, last.row);
        QCOMPARE(GameState, Draw);
        QCOMPARE(MoveCount, n);
        QCOMPARE(krant(form), QString("Het is remise na %1 zetten.").arg(n));
        QCOMPARE(BlackWins + WhiteWins, 0);
        QCOMPARE(opname.namen(), QStringList({"GONG"}));
        QCOMPARE(form->cursor().shape(), Qt::ArrowCursor);
        // Pause does nothing in a finished game.
        form->FormKeyDown(Qt::Key_Pause);
        QVERIFY(!Paused);

        // The computer finding no point with a positive score declares the
        // draw without a stone; the clock is restarted all the same.
        form->Snel->setChecked(true);
        modus(form->CM);
        form->StartknopClick(); // game 2: white, the person, opens
        druk(form, 3, 3);
        druk(form, 17, 17); // the computer's openings stay near the first stones
        QCOMPARE(MoveCount, 4);
        const int32_t moves = MoveCount;
        Plan = [&] {
            if (ComputerWaiting == 0) return true;
            for (int i = 1; i <= 2; ++i)
                for (int c = 1; c <= GameBoardSize; ++c)
                    for (int r = 1; r <= GameBoardSize; ++r) EvalSet[i].Score[c][r] = 0;
            form->Klok->stop();
            return false;
        };
        druk(form, 3, 17);              // move 5; the computer's move 6 reads the scores
        QCOMPARE(MoveCount, moves + 1); // the person's stone, none of the computer
        QCOMPARE(GameState, Draw);
        QCOMPARE(krant(form), QString("Het is remise na %1 zetten.").arg(moves + 1));
        QVERIFY(form->Klok->isActive());
    }

    void statusTextsWithTheirSpaces() {
        QCOMPARE(krant(form), QString("Druk op 'Start partij'"));
        form->Scoresnaar0Click();
        QCOMPARE(krant(form), QString("Druk op \"Start Partij\""));
        modus(form->MM);
        form->StartknopClick();
        druk(form, 10, 10);
        QCOMPARE(krant(form), QString("Zet 2.   Wit is aan zet   "));
        druk(form, 11, 10);
        QCOMPARE(krant(form), QString("Zet 3.  Zwart is aan zet"));
        GameState = Draw;
        toonstatus();
        QCOMPARE(krant(form), QString("Het is remise na 2 zetten."));
        QCOMPARE(BlackWins + WhiteWins, 0);
    }

    void scoreLabelsPlacedByTheBoardFont() {
        BlackWins = 9;
        WhiteWins = 10;
        toonstatus();
        const QFontMetrics m(form->BordFont);
        const int w = form->Standpaneel->width();
        QCOMPARE(form->Zwartscore->x(), w / 4 - m.horizontalAdvance("9") / 2);
        QCOMPARE(form->Witscore->x(), 3 * w / 4 - m.horizontalAdvance("10") / 2);
        BlackWins = 10;
        toonstatus();
        QCOMPARE(form->Zwartscore->x(), w / 4 - m.horizontalAdvance("10") / 2);
        QVERIFY(form->Zwartscore->x() < w / 4 - m.horizontalAdvance("9") / 2);
    }

    void clocksTickAndSettle() {
        modus(form->MM);
        form->StartknopClick();
        QCOMPARE(form->Tijd1->text(), QString("0:00:00.000"));
        QCOMPARE(form->Tijd2->text(), QString("0:00:00.000"));
        opname.wis();
        // Black thinks 3.25 s: three ticks raise the display by 3 s.
        for (int i = 1; i <= 3; ++i) {
            Tijd += 1000;
            form->KlokTimer();
            QCOMPARE(form->Tijd1->text(), QString("0:00:0%1.000").arg(i));
        }
        QCOMPARE(form->Tijd2->text(), QString("0:00:00.000")); // only the side to move
        QCOMPARE(opname.namen(), QStringList({"KLOKTIK", "KLOKTIK", "KLOKTIK"}));
        Tijd += 250;
        druk(form, 10, 10);
        QCOMPARE(form->Tijd1->text(), QString("0:00:03.250"));
        QCOMPARE(BlackTime, BlackClock);
        // White's turn runs from the move; black's clock stands.
        Tijd += 1500;
        form->KlokTimer();
        QCOMPARE(form->Tijd2->text(), QString("0:00:01.000"));
        QCOMPARE(form->Tijd1->text(), QString("0:00:03.250"));
        druk(form, 11, 10);
        QCOMPARE(form->Tijd2->text(), QString("0:00:01.500"));
        // Black's next turn adds to the total: 3.25 + 0.5.
        Tijd += 500;
        druk(form, 12, 10);
        QCOMPARE(form->Tijd1->text(), QString("0:00:03.750"));
        // Without "Geluid" the ticks are silent.
        opname.wis();
        form->Geluidcheck->click();
        QVERIFY(!SoundOn);
        form->KlokTimer();
        QVERIFY(opname.namen().isEmpty());
    }

    void settingTheWallClockEntersTheMoversTime() {
        modus(form->MM);
        form->StartknopClick();
        Tijd += 2000;
        Verzet = 3600 * 1000; // an hour forward during black's turn
        form->KlokTimer();
        QCOMPARE(form->Tijd1->text(), QString("0:00:01.000")); // the ticks do not see it
        druk(form, 10, 10);
        QCOMPARE(form->Tijd1->text(), QString("1:00:02.000"));
        // A wait counts ticks, not the wall clock.
        const uint32_t before = Tijd;
        Verzet += 3600 * 1000;
        wacht(100);
        QCOMPARE(Tijd - before, uint32_t(101));
    }

    void lossOnTime() {
        modus(form->MM);
        form->StartknopClick();
        druk(form, 10, 10);
        WhiteClock = 8.0 / 24 + (59 * 60 + 59.6) * OneSecond; // 8:59:59.600
        opname.wis();
        form->KlokTimer();
        QCOMPARE(form->Tijd2->text(), QString("9:00:00.600"));
        QCOMPARE(GameState, BlackWon);
        QCOMPARE(BlackWins, 1);
        QCOMPARE(krant(form), QString("Wit verliest op de klok"));
        QCOMPARE(opname.namen(), QStringList({"KLOKTIK", "GONG"}));
        // The hand does not outlast the game, and a press is refused even
        // where the hand was still shown.
        QCOMPARE(form->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(HumanMayMove);
        toonhand(true);
        TargetCol = 5;
        TargetRow = 5;
        form->BordMouseDown();
        QCOMPARE(MoveCount, 1);
        // Later ticks change nothing.
        form->KlokTimer();
        QCOMPARE(BlackWins, 1);
        QCOMPARE(form->Tijd2->text(), QString("9:00:00.600"));
        QVERIFY(!form->Herstartklok->isActive());
    }

    void pauseStopsClocksAndSoundsAndResumeRestoresTimes() {
        modus(form->MM);
        form->FormKeyDown(Qt::Key_Pause); // no game: nothing
        QVERIFY(!Paused);
        form->StartknopClick();
        Tijd += 2000;
        druk(form, 10, 10); // black 2 s
        const double black = BlackTime, white = WhiteTime;
        int rounds = 0;
        QString during;
        static std::function<void()> step;
        step = [&] {
            ++rounds;
            if (rounds == 1) {
                during = krant(form);
                opname.wis();
                Tijd += 3000;
                form->KlokTimer();  // stands still, silent
                druk(form, 11, 10); // a move in the pause: white's time changes
            } else if (rounds == 2) {
                form->FormKeyDown(Qt::Key_Return);
            }
        };
        Berichtwacht = [] { step(); };
        form->FormKeyDown(Qt::Key_Pause);
        Berichtwacht = nullptr;
        QCOMPARE(rounds, 2);
        QCOMPARE(during, QString("Pauze, druk op Return"));
        QVERIFY(!Paused);
        QCOMPARE(BlackTime, black);
        QCOMPARE(WhiteTime, white);                            // the move's settlement is undone
        QCOMPARE(form->Tijd2->text(), QString("0:00:03.000")); // the display keeps it
        QVERIFY(opname.namen().isEmpty());                     // not even the stone
        QCOMPARE(MoveCount, 2);
        // Return outside a pause changes no time.
        form->FormKeyDown(Qt::Key_Return);
        QCOMPARE(WhiteTime, white);
    }

    void soundRequestsInEachSituation() {
        // The opening gong does not ask for "Geluid".
        form->Geluidcheck->click();
        modus(form->MM);
        opname.wis();
        form->StartknopClick();
        QCOMPARE(opname.namen(), QStringList({"GONG"}));
        // With "Geluid": black stones "tak", white "tik".
        form->Geluidcheck->click();
        opname.wis();
        druk(form, 10, 10);
        druk(form, 11, 10);
        QCOMPARE(opname.namen(), QStringList({"TAK", "TIK"}));
        // A score reset during a running game sounds nothing; after a
        // finished one the gong again.
        opname.wis();
        form->FormKeyDown(Qt::Key_Delete);
        QVERIFY(opname.namen().isEmpty());
        GameState = BlackWon;
        BlackWins = 4;
        form->FormKeyDown(Qt::Key_Delete);
        QCOMPARE(opname.namen(), QStringList({"GONG"}));
        QCOMPARE(form->Zwartscore->text(), QString("0"));
        // Fast computer play with step mode: stone sounds and ticks, but
        // still no opening gong.
        form->Snel->setChecked(true);
        form->StapVoorStap->setChecked(true);
        modus(form->CC);
        opname.wis();
        form->StartknopClick();
        form->KlokTimer();
        QCOMPARE(opname.namen(), QStringList({"TIK", "KLOKTIK"})); // game 2: white opens
    }

    void takeBackExamples() {
        form->Snel->setChecked(true);
        form->StartknopClick();
        // Computer against a person, only the computer's opening stone:
        // nothing to take back.
        QCOMPARE(MoveCount, 1);
        form->FormKeyDown(Qt::Key_Backspace);
        QCOMPARE(MoveCount, 1);
        QCOMPARE(GameState, WhiteToMove);
        QVERIFY(HumanMayMove);

        // Twelve moves, the person (white) to move: two come off.
        form->StartknopClick(); // white opens
        std::vector<std::pair<int, int>> twelve(Twintig.begin(), Twintig.begin() + 12);
        bouw(form, WhiteToMove, twelve);
        form->ZetterugClick();
        QCOMPARE(MoveCount, 10);
        QCOMPARE(GameState, WhiteToMove);
        QCOMPARE(krant(form), QString("Zet 11.   Wit is aan zet   "));
        QCOMPARE(toestandsfout(), QString());

        // The person has just won with move 15: one comes off.
        bouw(form, WhiteToMove,
             {{1, 1},
              {10, 10},
              {2, 1},
              {10, 13},
              {3, 1},
              {13, 10},
              {4, 1},
              {16, 16},
              {1, 10},
              {7, 7},
              {1, 14},
              {16, 4},
              {1, 18},
              {4, 16}});
        HumanMayMove = true;
        druk(form, 5, 1);
        QCOMPARE(GameState, WhiteWon);
        QCOMPARE(WhiteWins, 1);
        form->ZetterugClick();
        QCOMPARE(MoveCount, 14);
        QCOMPARE(GameState, WhiteToMove);
        QCOMPARE(WhiteWins, 0);
        QCOMPARE(toestandsfout(), QString());

        // The computer has just won with move 16: two come off, and the
        // rebuilt sets refuse the pointer on the remaining stones.
        bouw(form, WhiteToMove, ZwarteVier);
        HumanMayMove = true;
        druk(form, 7, 19);
        QCOMPARE(GameState, BlackWon);
        QCOMPARE(BlackWins, 1);
        form->ZetterugClick();
        QCOMPARE(MoveCount, 14);
        QCOMPARE(GameState, WhiteToMove);
        QCOMPARE(BlackWins, 0);
        QCOMPARE(toestandsfout(), QString());
        form->BordMouseMove(kolomx(10), rijy(8));
        QVERIFY(!form->handShown());
        form->BordMouseMove(kolomx(7), rijy(19)); // move 15, taken back
        QVERIFY(form->handShown());
        QCOMPARE(krant(form), QString("Zet 15.   Wit is aan zet   "));

        // Two persons, black has just played move 7: black again.
        modus(form->MM);
        bouw(form, BlackToMove,
             std::vector<std::pair<int, int>>(Twintig.begin(), Twintig.begin() + 6));
        HumanMayMove = true;
        druk(form, 19, 19);
        QCOMPARE(MoveCount, 7);
        form->ZetterugClick();
        QCOMPARE(MoveCount, 6);
        QCOMPARE(GameState, BlackToMove);
        QCOMPARE(SideToMove, EvalSet[1].BlackCode);
        // The entries above stay in the record.
        QCOMPARE(MoveList[7].column, 19);
    }

    void takeBackAfterAScoreResetKeepsTheScoreAtZero() {
        form->Snel->setChecked(true);
        form->StartknopClick();
        bouw(form, BlackToMove,
             {{10, 10}, {1, 1}, {10, 13}, {2, 1}, {13, 10}, {3, 1}, {16, 16}, {4, 1}, {7, 7}});
        HumanMayMove = true;
        druk(form, 5, 1);
        QCOMPARE(WhiteWins, 1);
        form->FormKeyDown(Qt::Key_Delete);
        form->FormKeyDown(Qt::Key_Backspace);
        QCOMPARE(GameState, WhiteToMove);
        QCOMPARE(WhiteWins, 0);
        QCOMPARE(form->Witscore->text(), QString("0"));
    }

    void takeBackAfterADrawGivesThePersonTheMove() {
        form->Snel->setChecked(true);
        form->StartknopClick();
        // A drawn game whose last stone is white's loses one move...
        bouw(form, BlackToMove,
             std::vector<std::pair<int, int>>(Twintig.begin(), Twintig.begin() + 8));
        GameState = Draw;
        form->ZetterugClick();
        QCOMPARE(MoveCount, 7);
        QCOMPARE(GameState, WhiteToMove);
        QVERIFY(HumanMayMove);
        // ...one whose last stone is black's, two.
        bouw(form, BlackToMove,
             std::vector<std::pair<int, int>>(Twintig.begin(), Twintig.begin() + 9));
        GameState = Draw;
        form->ZetterugClick();
        QCOMPARE(MoveCount, 7);
        QCOMPARE(GameState, WhiteToMove);
        QCOMPARE(BlackWins + WhiteWins, 0);
        QCOMPARE(toestandsfout(), QString());
    }

    void takeBackBetweenComputersReopensAPlayableGame() {
        form->Snel->setChecked(true);
        modus(form->CC);
        form->StartknopClick();
        QVERIFY(GameState >= BlackWon);
        const int32_t n = MoveCount;
        form->ZetterugClick();
        // The stone that ended the game is off; the win is off the score.
        QCOMPARE(MoveCount, n - 1);
        QVERIFY(gamerunning());
        QCOMPARE(BlackWins + WhiteWins, 0);
        QCOMPARE(toestandsfout(), QString());
        QVERIFY(HumanMayMove);
        // The game goes on, and no point is played twice.
        form->StapVoorStap->setChecked(true);
        form->StapVoorStap->setChecked(false);
        QVERIFY(GameState >= BlackWon);
        QCOMPARE(toestandsfout(), QString());
    }

    void replayWithEscAtFiveAndAHalfSeconds() {
        modus(form->MM);
        form->StartknopClick();
        bouw(form, BlackToMove, Twintig);
        HumanMayMove = true;
        BlackTime = 7 * OneSecond;
        WhiteTime = 9 * OneSecond;
        const QString caption = krant(form);
        toonhand(true);
        opname.wis();
        QString during;
        Plan = [&] {
            if (during.isEmpty()) during = krant(form);
            if (Tijd < 5500) return true;
            form->FormKeyDown(Qt::Key_Escape);
            return false;
        };
        form->ToonPartijClick();
        QCOMPARE(during, QString("Partij wordt nagespeeld"));
        QCOMPARE(int(opname.klanken.size()), 20);
        // Stones 1 to 6 a second apart, the 6th when the wait in progress
        // ran out, and 7 to 20 at once after it.
        for (int i = 0; i < 6; ++i) QCOMPARE(opname.klanken[i].at, uint32_t(1001 * (i + 1)));
        for (int i = 6; i < 20; ++i) QCOMPARE(opname.klanken[i].at, uint32_t(6006));
        QCOMPARE(krant(form), caption);
        QCOMPARE(form->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(HumanMayMove);
        QVERIFY(!Replaying);
        QCOMPARE(BlackTime, 7 * OneSecond);
        QCOMPARE(WhiteTime, 9 * OneSecond);
        QCOMPARE(MoveCount, 20);
        QCOMPARE(GameState, BlackToMove);
        // Without Esc the replay takes twenty seconds.
        const uint32_t start = Tijd;
        form->ToonPartijClick();
        QCOMPARE(opname.klanken.back().at - start, uint32_t(20020));
    }

    void modeSwitchLabelsAndScore() {
        BlackWins = 3;
        modus(form->MM);
        QCOMPARE(form->Speler1->text(), QString("Mens"));
        QCOMPARE(form->Speler2->text(), QString("Mens"));
        QCOMPARE(BlackWins, 0);
        QCOMPARE(form->Zwartscore->text(), QString("0"));
        QVERIFY(ModeHumanHuman && !ModeComputerHuman && !ModeComputerComputer);
        BlackWins = 2;
        modus(form->CM);
        QCOMPARE(form->Speler1->text(), QString("Computer 1"));
        QCOMPARE(form->Speler2->text(), QString("Mens"));
        modus(form->CC);
        QCOMPARE(form->Speler2->text(), QString("Computer 2"));
        QCOMPARE(BlackWins, 2); // only the switch to two persons resets
        QVERIFY(ModeComputerComputer && !ModeComputerHuman);
        for (QLabel* l : {form->Speler1, form->Speler2}) QVERIFY(gecentreerd(l));
    }

    void fromTwoPersonsToTheComputer() {
        form->Snel->setChecked(true);
        modus(form->MM);
        form->StartknopClick();
        modus(form->CM); // black to move: the computer takes it
        QCOMPARE(MoveCount, 1);
        QCOMPARE(MoveList[1].code, EvalSet[1].BlackCode);
        QCOMPARE(GameState, WhiteToMove);
        QVERIFY(HumanMayMove);
        // White to move: the person plays on.
        modus(form->MM);
        modus(form->CM);
        QCOMPARE(MoveCount, 1);
    }

    void fromComputersToTheComputerAgainstAPerson() {
        // The switch arrives while the chain's move for white waits.
        form->Snel->setChecked(true);
        modus(form->CC);
        Plan = [&] {
            if (!(GameState == WhiteToMove && MoveCount == 3 && ComputerWaiting == 1)) return true;
            form->CM->setChecked(true);
            return false;
        };
        form->StartknopClick();
        // White's move by the switch, black's by the waiting move, and the
        // person goes on as white.
        QCOMPARE(MoveCount, 5);
        QCOMPARE(MoveList[4].code, EvalSet[1].WhiteCode);
        QCOMPARE(MoveList[5].code, EvalSet[1].BlackCode);
        QCOMPARE(GameState, WhiteToMove);
        QVERIFY(HumanMayMove);
        QVERIFY(ModeComputerHuman && !ModeComputerComputer);
        QCOMPARE(toestandsfout(), QString());
    }

    void fromStepModeComputersToTheComputerAgainstAPerson() {
        form->Snel->setChecked(true);
        form->StapVoorStap->setChecked(true);
        modus(form->CC);
        form->StartknopClick();
        form->FormKeyDown(Qt::Key_Space); // two moves: black to move
        QCOMPARE(GameState, BlackToMove);
        modus(form->CM);
        QCOMPARE(MoveCount, 2);
        QVERIFY(!HumanMayMove);
        // Back to the computers: they play black's move. With white to move
        // the switch lets the computer play white and the person black.
        modus(form->CC);
        QCOMPARE(MoveCount, 3);
        QCOMPARE(GameState, WhiteToMove);
        modus(form->CM);
        QCOMPARE(MoveCount, 4);
        QCOMPARE(GameState, BlackToMove);
        QVERIFY(HumanMayMove);
    }

    void fromAPersonsGameToTheComputers() {
        form->Snel->setChecked(true);
        form->StartknopClick();
        druk(form, 3, 3);
        QCOMPARE(MoveCount, 3);
        bool flagsChanged = false;
        int waits = 0;
        Plan = [&] {
            if (ComputerWaiting > 0) ++waits;
            if (ModeComputerComputer || !ModeComputerHuman) flagsChanged = true;
            return true;
        };
        modus(form->CC);
        Plan = nullptr;
        QVERIFY(waits > 0);
        QVERIFY(!flagsChanged); // the flags change only after the chain
        QVERIFY(GameState >= BlackWon);
        QVERIFY(ModeComputerComputer && !ModeComputerHuman);
        QCOMPARE(toestandsfout(), QString());
    }

    void checkBoxesAndKeysThatOpenNothing() {
        modus(form->MM);
        form->StartknopClick();
        druk(form, 10, 10);
        form->Nummers->click();
        QVERIFY(form->Nummers->isChecked());
        QVERIFY(SoundOn);
        form->Geluidcheck->click();
        QVERIFY(!SoundOn);
        form->Nummers->click(); // a full redraw takes the box's state again
        QVERIFY(!SoundOn);
        // Keys reach the table whatever has the focus, and still reach it.
        form->Zetterug->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace, Qt::ShiftModifier);
        QCOMPARE(MoveCount, 0);
    }

    // At start-up no control holds the focus, so Space and the arrow keys
    // reach the key table only; Tab enters each group of radio buttons on
    // its checked button.
    void startUpFocusAndTabIntoTheRadioGroups() {
        QApplication::setActiveWindow(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        auto focus = [this] {
            QWidget* w = QApplication::focusWidget();
            return w ? w : static_cast<QWidget*>(form);
        };
        QCOMPARE(focus(), form);
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right})
            QTest::keyClick(focus(), key);
        QVERIFY(form->CM->isChecked());
        QVERIFY(ModeComputerHuman && !ModeHumanHuman);
        QCOMPARE(opname.namen(), QStringList()); // nothing played, nothing reset

        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(focus(), form->CM);
        QTest::keyClick(focus(), Qt::Key_Tab);
        QVERIFY(focus() == form->Normaal1 || focus() == form->Normaal2);
        QWidget* first = focus();
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(focus(), first == form->Normaal1 ? form->Normaal2 : form->Normaal1);
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(focus(), form->Startknop);
        // Another choice moves the group's stop with it.
        form->Angstig1->click();
        form->CC->click();
        QApplication::processEvents();
        form->Info->setFocus();
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(focus(), form->CC);
        QTest::keyClick(focus(), Qt::Key_Backtab);
        QCOMPARE(focus(), form->Info);
        // Within a group the arrow keys move the choice, as before.
        form->CC->setFocus();
        QTest::keyClick(focus(), Qt::Key_Up);
        QCOMPARE(focus(), form->CM);
        QVERIFY(form->CM->isChecked() && ModeComputerHuman);
    }

    void aboutBoxCreditsTheProgram() {
        QString text, title;
        QSize size;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            size = box->frameGeometry().size();
            box->accept();
        });
        form->FormKeyDown(Qt::Key_F1);
        QVERIFY(text.startsWith("Kalvor " KALVOR_VERSION));
        for (const char* invented : {"http", "www", "@", ".nl", ".com"})
            QVERIFY2(!text.contains(invented), invented);
        // What the program otherwise never says: how to play, the modes,
        // the styles with their pairs (own factor first, computer 1 then
        // computer 2), the keys, the clocks' limit; and the credit.
        for (const char* said : {"Druk eerst op \xe2\x80\x98Start partij\xe2\x80\x99",
                                 "Klik dan op een vrij kruispunt",
                                 "Elke speler heeft een klok",
                                 "zodat u weer aan zet bent",
                                 "Toon zetnummers zet",
                                 "Snelle computer laat",
                                 "horizontaal, verticaal of diagonaal",
                                 "om beurten",
                                 "Mens tegen Mens:",
                                 "Computer 1 tegen Mens:",
                                 "Computer 1 tegen Computer 2:",
                                 "Roekeloos (3 : 2 / 5 : 3)",
                                 "Aanvallend (7 : 5 / 5 : 4)",
                                 "Normaal (6 : 5 / 6 : 5)",
                                 "Behoedzaam (4 : 5 / 5 : 7)",
                                 "Angstig (3 : 5 / 2 : 3)",
                                 "Backspace",
                                 "Pause",
                                 "Return",
                                 "Esc",
                                 "Spatie",
                                 "Delete",
                                 "F1",
                                 "9 uur",
                                 "de Kalvor-ontwikkelaars",
                                 "MIT-licentie"})
            QVERIFY2(text.contains(QString::fromUtf8(said)), said);
        // A modal box that a 1024 x 768 screen shows whole.
        QVERIFY2(size.width() <= 1024 && size.height() <= 768,
                 qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
    }

    // A computer move overtaken in its think delay.
    void newGameDuringTheThinkDelay() {
        form->Snel->setChecked(true);
        form->StartknopClick();
        Plan = [&] {
            if (ComputerWaiting == 0) return true;
            form->StartknopClick(); // game 2: white, the person, opens
            return false;
        };
        druk(form, 3, 3);
        QCOMPARE(GamesStarted, 2);
        QCOMPARE(MoveCount, 0); // the old move gave up
        QCOMPARE(GameState, WhiteToMove);
        QVERIFY(HumanMayMove);
        QCOMPARE(toestandsfout(), QString());
    }

    void takeBackDuringTheThinkDelay() {
        form->Snel->setChecked(true);
        form->StartknopClick();
        druk(form, 1, 1);
        druk(form, 19, 19);
        QCOMPARE(MoveCount, 5);
        Plan = [&] {
            if (ComputerWaiting == 0) return true;
            form->ZetterugClick(); // person's move 6 and the computer's 5
            // No press is played for the computer that is about to move.
            druk(form, 17, 17);
            return false;
        };
        druk(form, 19, 1); // move 6
        // The waiting move played black in the shortened game.
        QCOMPARE(MoveCount, 5);
        QCOMPARE(MoveList[5].code, EvalSet[1].BlackCode);
        QVERIFY(!(MoveList[5].column == 17 && MoveList[5].row == 17));
        QCOMPARE(GameState, WhiteToMove);
        QCOMPARE(toestandsfout(), QString());
    }

    void lossOnTimeDuringTheThinkDelay() {
        form->Snel->setChecked(true);
        form->StartknopClick();
        BlackClock = TimeLimit;
        Plan = [&] {
            if (ComputerWaiting == 0) return true;
            form->KlokTimer(); // black, the computer, loses
            return false;
        };
        druk(form, 3, 3);
        QCOMPARE(GameState, WhiteWon);
        QCOMPARE(WhiteWins, 1);
        QCOMPARE(MoveCount, 2); // no stone for the finished game
        QCOMPARE(krant(form), QString("Zwart verliest op de klok"));
    }

    void newGameClearsThePressLeftOpen() {
        form->Snel->setChecked(true);
        HumanMayMove = true; // as a previous game may leave it
        bool refused = false;
        Plan = [&] {
            if (ComputerWaiting == 0) return true;
            form->BordMouseMove(kolomx(2), rijy(2));
            refused = !form->handShown() && !HumanMayMove;
            druk(form, 2, 2);
            return false;
        };
        form->StartknopClick();
        QVERIFY(refused);
        QCOMPARE(MoveCount, 1);
        QVERIFY(!(MoveList[1].column == 2 && MoveList[1].row == 2));
        QCOMPARE(MoveList[1].code, EvalSet[1].BlackCode);
    }

    void actionsInsideAnUpdateWaitForIt() {
        form->Snel->setChecked(true);
        modus(form->MM);
        form->StartknopClick();
        int32_t gamesDuring = -1, movesDuring = -1, queued = 0;
        Plan = [&] {
            if (UpdateDepth == 0) return true;
            form->StartknopClick();
            form->ZetterugClick();
            form->Angstig1->click();
            TargetCol = 5;
            TargetRow = 5;
            zetmens();
            form->HerstartklokTimer();
            gamesDuring = GamesStarted;
            movesDuring = MoveCount;
            queued = uitgesteldaantal();
            return false;
        };
        druk(form, 10, 10);
        QCOMPARE(gamesDuring, 1);
        QCOMPARE(movesDuring, 1);
        QCOMPARE(queued, 5);
        QCOMPARE(GamesStarted, 1); // nothing yet: the events come first
        QCOMPARE(MoveCount, 1);
        QApplication::processEvents();
        // In order: game 2 (white opens), a take-back of nothing, computer
        // 1's style, the press, played for white in game 2, and the
        // restart's game 3.
        QCOMPARE(uitgesteldaantal(), 0);
        QCOMPARE(GamesStarted, 3);
        QCOMPARE(EvalSet[1].BlackCode, 3);
        QCOMPARE(MoveCount, 0);
        QCOMPARE(toestandsfout(), QString());
    }

    void closingEndsPausesReplaysAndChains() {
        // During a pause.
        modus(form->MM);
        form->StartknopClick();
        Berichtwacht = [] { Form1->close(); };
        form->FormKeyDown(Qt::Key_Pause);
        Berichtwacht = nullptr;
        QVERIFY(!Paused);
        QVERIFY(!form->isVisible());
        QVERIFY(form->StapVoorStap->isChecked());
        sluitvenster(form);

        // During a computer-against-computer chain: the move in its think
        // delay still plays, then nothing more, and no restart.
        form = maakvenster();
        form->Snel->setChecked(true);
        modus(form->CC);
        Plan = [&] {
            if (MoveCount < 5 || ComputerWaiting == 0) return true;
            form->close();
            return false;
        };
        form->StartknopClick();
        QCOMPARE(MoveCount, 6);
        QVERIFY(gamerunning());
        QVERIFY(!form->Herstartklok->isActive());
        sluitvenster(form);

        // During a replay: the rest is drawn at once.
        form = maakvenster();
        modus(form->MM);
        form->StartknopClick();
        bouw(form, BlackToMove, Twintig);
        Plan = [&] {
            if (Tijd < 2500) return true;
            form->close();
            return false;
        };
        form->ToonPartijClick();
        QVERIFY(Tijd < 3100);
        QVERIFY(!Replaying);
    }
};

QTEST_MAIN(MatchTest)
#include "test_match.moc"
