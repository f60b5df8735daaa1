// Thousands of seeded random user actions on the real window: board
// presses, every button, radio button and check box, every key of the key
// table, the styles and the two timers. Many of them land in the middle of
// something else: the event dispatching of think delays, replays and
// pauses, the dispatch inside the evaluation update, and the About box.
// After every action the position must be sound: the record within bounds
// on free points, both evaluation sets holding exactly the record, their
// scores equal to an evaluation from scratch, GameState agreeing with the
// board, and the score counters equal to the wins that happened.
#include <QMessageBox>
#include <random>

#include "random.h"
#include "venster.h"

using namespace venster;

namespace {

constexpr int MaxDepth = 6; // actions inside actions inside ...

// KALVOR_STORM_TRACE prints every action.
const bool Spoor = qEnvironmentVariableIsSet("KALVOR_STORM_TRACE");

// The About box's closer is acting inside the box.
bool InSluiter;

struct Storm {
    TForm1* form = nullptr;
    std::mt19937 rng;
    int actions = 0, limit = 0, depth = 0;
    int nested[6] = {}; // by context: wait, update, pause, modal, replay, top
    QString fault;

    // The wins that happened, as seen from GameState moving between a
    // running game and a finished one within one game. A take-back takes
    // the current game's win off again, unless a score reset came between.
    int32_t blackSeen = 0, whiteSeen = 0;
    bool counted = false;
    int wins = 0; // all wins of the run
    int32_t lastGame = 0, lastState = NoGame;
    int mmQueued = 0; // switches to two persons held back by an update

    int kans(int n) { return int(rng() % uint32_t(n)); }

    void kijk() {
        if (GamesStarted == lastGame) {
            const bool wasRunning = lastState == BlackToMove || lastState == WhiteToMove;
            if (wasRunning && (GameState == BlackWon || GameState == WhiteWon)) {
                ++(GameState == BlackWon ? blackSeen : whiteSeen);
                ++wins;
                counted = true;
            }
            if ((lastState == BlackWon || lastState == WhiteWon) && gamerunning()) {
                if (counted) --(lastState == BlackWon ? blackSeen : whiteSeen);
                counted = false;
            }
        } else {
            counted = false;
        }
        if (Spoor && (GamesStarted != lastGame || GameState != lastState))
            std::fprintf(stderr,
                         "  look: game %d state %d -> game %d state %d, moves %d, score %d-%d, "
                         "seen %d-%d, update %d\n",
                         lastGame, lastState, GamesStarted, GameState, MoveCount, BlackWins,
                         WhiteWins, blackSeen, whiteSeen, UpdateDepth);
        lastGame = GamesStarted;
        lastState = GameState;
        // A switch to two persons that an update held back resets the
        // score when it runs: it has left the queue by the time its reset
        // refreshes the status line.
        const int queued = uitgesteldaantal(kiesmensmens);
        if (queued < mmQueued) {
            blackSeen = whiteSeen = 0;
            counted = false;
        }
        mmQueued = queued;
    }

    void nul() {
        kijk();
        blackSeen = whiteSeen = 0;
        counted = false;
    }

    void controleer(const char* what) {
        kijk();
        if (!fault.isEmpty()) return;
        QString f = toestandsfout();
        if (f.isEmpty() && !bezig()) {
            if (BlackWins != blackSeen || WhiteWins != whiteSeen)
                f = QString("score %1-%2, wins seen %3-%4")
                        .arg(BlackWins)
                        .arg(WhiteWins)
                        .arg(blackSeen)
                        .arg(whiteSeen);
        }
        if (!f.isEmpty()) fault = QString("after action %1 (%2): %3").arg(actions).arg(what).arg(f);
    }

    QWidget* focus() {
        QWidget* w = QApplication::focusWidget();
        return w && w->window() == form ? w : form;
    }

    // One random action.
    void actie(int context) {
        if (actions >= limit || depth >= MaxDepth || !fault.isEmpty()) return;
        ++actions;
        ++nested[context];
        ++depth;
        kijk();
        const char* what = "";
        // Behind the About box the window takes no input: only its timers
        // run.
        const int pick = context == 3 ? 92 + kans(8) : kans(100);
        if (pick < 33) {
            what = "press";
            druk(form, 1 + kans(19), 1 + kans(19));
        } else if (pick < 36) {
            what = "start";
            form->Startknop->click();
        } else if (pick < 41) {
            what = "take-back";
            form->Zetterug->click();
        } else if (pick < 44) {
            what = "replay";
            form->ToonPartij->click();
        } else if (pick < 46) {
            what = "score reset";
            form->Scoresnaar0->click();
        } else if (pick < 47) {
            what = "about";
            // The closer cannot close a box opened from its own round.
            if (!InSluiter && !QApplication::activeModalWidget()) form->Info->click();
        } else if (pick < 56) {
            what = "mode";
            QRadioButton* modes[] = {form->MM, form->CM, form->CC};
            QRadioButton* m = modes[kans(3)];
            m->click();
        } else if (pick < 66) {
            what = "check box";
            QCheckBox* boxes[] = {form->Geluidcheck,  form->Nummers, form->Snel,
                                  form->StapVoorStap, form->Snel,    form->StapVoorStap};
            boxes[kans(6)]->click();
        } else if (pick < 86) {
            const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Pause,
                                    Qt::Key_Escape,    Qt::Key_Space,  Qt::Key_Space,
                                    Qt::Key_Space,     Qt::Key_Delete, Qt::Key_F1};
            const Qt::Key key = keys[kans(9)];
            what = "key";
            // A key reaches the key table only while the window holds the
            // focus: not while a modal box that a wait let open has it.
            const QWidget* owner = QApplication::focusWidget();
            const bool reaches = !owner || owner->window() == form;
            QTest::keyClick(focus(), key);
            if (key == Qt::Key_Delete && reaches) nul(); // the reset itself dispatches nothing
        } else if (pick < 92) {
            what = "style";
            QRadioButton* styles[] = {form->Roekeloos1,  form->Aanvallend1, form->Normaal1,
                                      form->Behoedzaam1, form->Angstig1,    form->Roekeloos2,
                                      form->Aanvallend2, form->Normaal2,    form->Behoedzaam2,
                                      form->Angstig2};
            styles[kans(10)]->click();
        } else if (pick < 98) {
            what = "clock tick";
            Tijd += 1000;
            form->KlokTimer();
        } else {
            what = "restart";
            if (form->Herstartklok->isActive()) form->HerstartklokTimer();
        }
        --depth;
        if (Spoor)
            std::fprintf(
                stderr,
                "%d %s ctx %d depth %d: games %d state %d moves %d score %d-%d seen %d-%d\n",
                actions, what, context, depth, GamesStarted, GameState, MoveCount, BlackWins,
                WhiteWins, blackSeen, whiteSeen);
        controleer(what);
    }
};

Storm* Huidig;

class Kijker : public QObject {
  public:
    explicit Kijker(Storm& s) : storm(s) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) storm.kijk();
        return false;
    }

  private:
    Storm& storm;
};

void stormpomp() {
    Storm& s = *Huidig;
    s.kijk();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    s.kijk();
    int context = UpdateDepth > 0 ? 1 : Replaying ? 4 : 0;
    if (s.kans(context == 1 ? 4 : 12) == 0) s.actie(context);
}

int PauseRounds;

void stormpauze() {
    Storm& s = *Huidig;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // A pause ends by Return sooner or later; meanwhile anything goes.
    if (++PauseRounds > 20 || s.actions >= s.limit || !s.fault.isEmpty())
        s.form->FormKeyDown(Qt::Key_Return);
    else
        s.actie(2);
}

} // namespace

class StormTest : public QObject {
    Q_OBJECT

  private slots:
    void storm_data() {
        QTest::addColumn<int>("seed");
        // KALVOR_STORM_SEEDS=first-last tries other seeds.
        int first = 1, last = 4;
        const QStringList range = qEnvironmentVariable("KALVOR_STORM_SEEDS").split('-');
        if (range.size() == 2) {
            first = range[0].toInt();
            last = range[1].toInt();
        }
        for (int seed = first; seed <= last; ++seed)
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }

    void storm() {
        QFETCH(int, seed);
        Storm s;
        s.rng.seed(uint32_t(seed));
        s.limit = 2500;
        s.form = maakvenster();
        zaai(uint64_t(seed)); // the computer's openings too
        Huidig = &s;
        // The waits count 25 ms a round: the same order of events, fewer
        // rounds.
        Slaapbron = [](uint32_t ms) { Tijd += 25 * ms; };
        Berichtenpomp = stormpomp;
        Berichtwacht = stormpauze;
        // Every change of the game state or the score is followed by a
        // refresh of the status line, which repaints at once: each repaint
        // is a moment to look, also where events run outside the hook
        // (the pause loop, the About box, deferred actions).
        Kijker kijker(s);
        s.form->Krant->installEventFilter(&kijker);
        QObject::connect(s.form->Scoresnaar0, &QPushButton::clicked, [&s] { s.nul(); });
        // However MM becomes checked (a click, the space bar on it), its
        // handler resets the score now or, held back by an update, later.
        QObject::connect(s.form->MM, &QRadioButton::toggled, [&s](bool on) {
            if (!on) return;
            if (bezig())
                s.mmQueued = uitgesteldaantal(kiesmensmens);
            else
                s.nul();
        });
        // The About box: a timer may fire while it is open, then OK.
        QTimer closer;
        closer.setInterval(0);
        QObject::connect(&closer, &QTimer::timeout, [&s] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            InSluiter = true;
            if (s.kans(3) != 0) s.actie(3);
            InSluiter = false;
            if (QApplication::activeModalWidget() == box) box->accept();
        });
        closer.start();
        int rounds = 0;
        while (s.actions < s.limit && s.fault.isEmpty()) {
            PauseRounds = 0;
            s.actie(5);
            QApplication::processEvents();
            ++rounds;
        }
        closer.stop();
        QVERIFY2(s.fault.isEmpty(), qPrintable(s.fault));
        QCOMPARE(uitgesteldaantal(), 0);
        QCOMPARE(ComputerWaiting, 0);
        QCOMPARE(UpdateDepth, 0);
        qInfo("seed %d: %d actions, %d from the top; inside waits %d, updates %d, pauses %d, "
              "the About box %d, replays %d; %d games, %d won",
              seed, s.actions, s.nested[5], s.nested[0], s.nested[1], s.nested[2], s.nested[3],
              s.nested[4], GamesStarted, s.wins);
        herstelberichtwacht();
        sluitvenster(s.form);
    }
};

QTEST_MAIN(StormTest)
#include "test_storm.moc"
