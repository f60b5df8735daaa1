// The window offscreen: its creation state, the board layers, sounds and a
// game played by pointer events. The same cases run once more at a device
// pixel ratio of 2, where every layer pixel is a 2 x 2 block, and those of
// the stones and numbers at 1.5.
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QtMath>
#include <climits>
#include <cmath>
#include <vector>

#include "board.h"
#include "clocks.h"
#include "drawing.h"
#include "form.h"
#include "geometry.h"
#include "humanmove.h"
#include "language.h"
#include "mode.h"
#include "opname.h"
#include "persteen.h"
#include "platform.h"
#include "playback.h"
#include "record.h"
#include "replay.h"
#include "reset.h"
#include "soundrules.h"
#include "statusline.h"

namespace {

const QRgb Black = qRgb(0, 0, 0), Red = qRgb(255, 0, 0);
const QRgb StoneBackground = qRgb(204, 162, 111);

// The picture pixel that stands for layer coordinate v at ratio s: the
// first whose centre lies in layer pixel v (on a 2x screen the top-left one
// of its block).
int beeld(int v, qreal s) {
    return qCeil(v * s - 0.5);
}

// The layer pixel (x, y).
QRgb punt(const QImage& img, int x, int y) {
    const qreal s = img.devicePixelRatio();
    return img.pixel(beeld(x, s), beeld(y, s));
}

// The disc of the stone at grid point (c, r), in picture pixels: the stone's
// square runs from x - R - 1 to x + R - 1, and the disc fills 357 of the
// stone picture's 378 pixels across.
struct Schijf {
    double cx, cy, radius;
    // Distance of the centre of picture pixel (px, py) from the disc's centre.
    double afstand(int px, int py) const { return std::hypot(px + 0.5 - cx, py + 0.5 - cy); }
};
Schijf schijf(int c, int r, qreal s) {
    return {(kolomx(c) - 1) * s, (rijy(r) - 1) * s, StoneRadius * 357.0 / 378 * s};
}

// The colours of the stone pictures are neutral or slightly blue greys;
// what mixes with the wood-coloured background turns red-brown, what mixes
// with the key colour turns green.
bool stoneColour(QRgb p) {
    return qRed(p) <= qBlue(p) + 4 && qGreen(p) <= qMax(qRed(p), qBlue(p)) + 4;
}

void zet(TForm1* form, int c, int r) {
    QTest::mouseMove(form->Bord, QPoint(kolomx(c), rijy(r)));
    form->BordMouseMove(kolomx(c), rijy(r));
    form->BordMouseDown();
}

// A full board, every point in column order, colours alternating, a few
// stray codes when asked; the game is over, so the last move is 361.
void volbord(bool strays) {
    nieuwepartij();
    MoveCount = 0;
    for (int c = 1; c <= 19; ++c)
        for (int r = 1; r <= 19; ++r) {
            ++MoveCount;
            const int32_t code = strays && (c * 7 + r * 3) % 5 == 0 ? 99
                                 : (c + r) % 2                      ? EvalSet[1].BlackCode
                                                                    : EvalSet[1].WhiteCode;
            MoveList[MoveCount] = {c, r, code};
        }
    GameState = Draw;
}

// Checks or unchecks a button without running its handler.
void stil(QAbstractButton* button, bool on) {
    const QSignalBlocker block(button);
    button->setChecked(on);
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
    TForm1* form = nullptr;
    Opname opname;

    // A new game between two persons, opened by black.
    void partij() {
        form->MM->setChecked(true);
        form->StartknopClick();
        if (GameState != BlackToMove) form->StartknopClick();
    }

  private slots:
    // Each case on a window of its own, as the program creates it.
    void init() {
        opname.wis();
        Uitvoer = &opname;
        form = new TForm1;
        form->FormCreate();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QApplication::processEvents();
    }

    void creationState() {
        QCOMPARE(opname.names.value(0), QString("KLOKTIK")); // the tick at start-up
        QCOMPARE(form->windowTitle(), QString("Kalvor  (5 op een rijtje)"));
        QCOMPARE(form->Krant->text(), QString("Druk op 'Start partij'"));
        QCOMPARE(form->Tijd1->text(), QString("0:00:00.000"));
        QCOMPARE(form->Tijd2->text(), QString("0:00:00.000"));
        QCOMPARE(form->Startknop->text(), QString("Start partij"));
        QCOMPARE(form->Speler1->text(), QString("Computer 1"));
        QCOMPARE(form->Speler2->text(), QString("Mens"));
        QCOMPARE(form->Standpaneel->text(), QString("-"));
        QVERIFY(form->CM->isChecked());
        QVERIFY(!form->MM->isChecked() && !form->CC->isChecked());
        QVERIFY(form->Normaal1->isChecked());
        QVERIFY(form->Normaal2->isChecked());
        QVERIFY(form->Geluidcheck->isChecked());
        QVERIFY(!form->Nummers->isChecked() && !form->Snel->isChecked() &&
                !form->StapVoorStap->isChecked());
        QVERIFY(form->Klok->isActive());
        QCOMPARE(form->Klok->interval(), 1000);
        QVERIFY(!form->Herstartklok->isActive());
        QCOMPARE(form->Herstartklok->interval(), 5000);
        QCOMPARE(EvalSet[1].BlackCode, 6);
        QCOMPARE(EvalSet[1].WhiteCode, 5);
        QCOMPARE(EvalSet[2].BlackFive, 3125);
        QCOMPARE(EvalSet[2].WhiteFive, 7776);
        QCOMPARE(GameState, NoGame);
        QVERIFY(!HumanMayMove);
        QVERIFY(SoundOn);
        QVERIFY(!Replaying && !StepRequested);
        QCOMPARE(form->minimumSize(), QSize(900, 738));
        QVERIFY(form->width() >= 945);
        QCOMPARE(form->palette().color(QPalette::Window), QColor(128, 0, 0));
        for (QWidget* p : {(QWidget*)form->Spelers, (QWidget*)form->Comp2stijl,
                           (QWidget*)form->Krant, (QWidget*)form->Settingspaneel})
            QCOMPARE(p->palette().color(QPalette::Window), QColor(192, 64, 64));
        QCOMPARE(form->Krant->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    }

    void tooltipsLetterForLetter() {
        QCOMPARE(form->Startknop->toolTip(), QString(" Pauzeer met de 'PAUSE'-toets  "));
        QCOMPARE(form->Zetterug->toolTip(), QString(" = Backspace  "));
        QCOMPARE(form->ToonPartij->toolTip(),
                 QString(" Breek het het naspelen af met de Esc-toets "));
        QCOMPARE(form->Scoresnaar0->toolTip(), QString(" = Delete  "));
        QCOMPARE(form->Info->toolTip(), QString(" = F1  "));
        QCOMPARE(form->Tijd2->toolTip(), form->Tijd1->toolTip());
        QCOMPARE(form->Witscore->toolTip(), QString("Aantal partijen door Wit gewonnen"));
        QCOMPARE(form->StapVoorStap->toolTip(),
                 QString("Druk op Z voor de volgende zet (alleen bij Computer tegen Computer "
                         "en bij Naspelen)"));
        QCOMPARE(form->Startknop->toolTipDuration(), 5000);
        QCOMPARE(form->Tijd1->toolTipDuration(), 5000);
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 0);
    }

    // Every caption in the window's face at the size it was drawn for
    // (buttons 15 pixels, radio buttons and check boxes 13, the bold labels
    // 13 and 17), at the window's scale, inside the part of its control where
    // the style draws the caption; the face is the one asked for, not a
    // fallback that happened to be installed.
    void captionsFitTheirControls() {
        const QStringList faces = {"MS Sans Serif", "Liberation Sans"};
        int buttons = 0;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            auto* b = qobject_cast<QAbstractButton*>(w);
            if (!b || b->text().isEmpty()) continue;
            ++buttons;
            const QFontInfo face(b->font());
            QVERIFY2(faces.contains(face.family()), qPrintable(b->text() + ": " + face.family()));
            const bool push = qobject_cast<QPushButton*>(b) != nullptr;
            QCOMPARE(face.pixelSize(), form->schaal(push ? 15 : 13));
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.text = b->text();
            const QStyle::SubElement part = push ? QStyle::SE_PushButtonContents
                                            : qobject_cast<QRadioButton*>(b)
                                                ? QStyle::SE_RadioButtonContents
                                                : QStyle::SE_CheckBoxContents;
            const int room = b->style()->subElementRect(part, &opt, b).width();
            const int need = QFontMetrics(b->font()).horizontalAdvance(b->text());
            QVERIFY2(need <= room, qPrintable(QString("%1: %2 of %3 (%4)")
                                                  .arg(b->text())
                                                  .arg(need)
                                                  .arg(room)
                                                  .arg(face.family())));
        }
        QCOMPARE(buttons, 12); // five buttons, three modes, four check boxes
        for (QLabel* l : form->findChildren<QLabel*>()) {
            if (l->parentWidget() == form || l->text().isEmpty()) continue;
            QVERIFY2(faces.contains(QFontInfo(l->font()).family()), qPrintable(l->text()));
            QVERIFY2(l->parentWidget()->rect().contains(l->geometry()), qPrintable(l->text()));
        }
    }

    // The window at the smallest factor: captions still fit, the controls
    // stay inside the client and the panels left of the board (the buttons
    // stand over its top edge by design), and the factor of before gives
    // every control its rectangle back to the pixel.
    void smallestScaleKeepsCaptionsAndBoard() {
        const double kept = form->factor();
        QHash<QWidget*, QRect> before;
        for (QWidget* w : form->findChildren<QWidget*>()) before[w] = w->geometry();
        form->schaalvenster(MinWindowFactor);
        QApplication::processEvents();
        QCOMPARE(form->minimumSize(), QSize(540, 443));
        captionsFitTheirControls();
        for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isHidden() || qobject_cast<Beeldlaag*>(w)) continue;
            QVERIFY(form->rect().contains(w->geometry()));
            if (qobject_cast<QLabel*>(w)) QVERIFY(w->geometry().right() < form->Bord->x());
        }
        form->schaalvenster(kept);
        QApplication::processEvents();
        for (QWidget* w : form->findChildren<QWidget*>())
            if (!qobject_cast<Beeldlaag*>(w)) QCOMPARE(w->geometry(), before[w]);
    }

    // Which languages ask for English: the first of the list that is English
    // or Dutch decides; any other list gets Dutch, the program's own.
    void languageList_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<bool>("english");
        QTest::newRow("C locale") << QStringList{"C"} << false;
        QTest::newRow("Dutch") << QStringList{"nl-NL", "nl"} << false;
        QTest::newRow("English") << QStringList{"en-GB", "en"} << true;
        QTest::newRow("German, then English") << QStringList{"de-DE", "de", "en"} << true;
        QTest::newRow("Flemish before English") << QStringList{"nl-BE", "en-US"} << false;
        QTest::newRow("English before Dutch") << QStringList{"en_US", "nl"} << true;
        QTest::newRow("German alone") << QStringList{"de"} << false;
    }
    void languageList() {
        QFETCH(QStringList, languages);
        QFETCH(bool, english);
        QCOMPARE(engelsgevraagd(languages), english);
    }

    // The texts in the language the user's list asks for: Dutch as designed
    // under the C locale, English under an English list (app_tests_english);
    // every caption fits its control at the design factor and the smallest
    // (translations_complete checks that the English lacks no text).
    void textsInTheChosenLanguage() {
        const bool english = engelsgevraagd(QLocale::system().uiLanguages());
        kiestaal();
        delete form;
        form = new TForm1;
        form->FormCreate();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const auto taal = [english](const char* nl, const char* en) {
            return QString::fromUtf8(english ? en : nl);
        };
        QCOMPARE(form->windowTitle(), taal("Kalvor  (5 op een rijtje)", "Kalvor  (five in a row)"));
        QCOMPARE(form->Startknop->text(), taal("Start partij", "Start game"));
        QCOMPARE(form->Krant->text(), taal("Druk op 'Start partij'", "Press 'Start game'"));
        QCOMPARE(form->Roekeloos1->accessibleName(),
                 taal("Computer 1: Roekeloos", "Computer 1: Reckless"));
        QCOMPARE(statustekst(BlackToMove, 2, 0, 0, TimeLimit),
                 taal("Zet 3.  Zwart is aan zet", "Move 3.  Black to move"));
        form->MM->click();
        QCOMPARE(form->Speler2->text(), taal("Mens", "Human"));
        captionsFitTheirControls();
        smallestScaleKeepsCaptionsAndBoard();
    }

    // What a screen reader reads: the style buttons by computer and style,
    // the panels as named groups, the status line as a status bar, the
    // clocks by whose time they show, and the board as a table of its
    // points whose cell under the cursor holds the focus with the board.
    void screenReaderReadsTheWindow() {
        const auto iface = [](QObject* o) { return QAccessible::queryAccessibleInterface(o); };
        QCOMPARE(iface(form->Angstig2)->text(QAccessible::Name), QString("Computer 2: Angstig"));
        QCOMPARE(iface(form->Comp1Stijl)->role(), QAccessible::Grouping);
        QCOMPARE(iface(form->Comp1Stijl)->text(QAccessible::Name), QString("Stijl van computer 1"));
        QCOMPARE(iface(form->Krant)->role(), QAccessible::StatusBar);
        QCOMPARE(iface(form->Krant)->text(QAccessible::Name), form->Krant->text());
        QCOMPARE(iface(form->Tijd1)->text(QAccessible::Name),
                 QString("Bedenktijd van zwart: 0:00:00.000"));
        partij();
        zet(form, 5, 7);
        zet(form, 6, 7);
        QAccessibleInterface* board = iface(form->Bord);
        QCOMPARE(board->role(), QAccessible::Table);
        QAccessibleTableInterface* table = board->tableInterface();
        QCOMPARE(table->rowCount(), 19);
        QCOMPARE(table->columnCount(), 19);
        QCOMPARE(board->childCount(), 361);
        QCOMPARE(table->cellAt(6, 4)->text(QAccessible::Name), QString("E7, zwart, zet 1"));
        QCOMPARE(table->cellAt(6, 5)->text(QAccessible::Name),
                 QString("F7, wit, zet 2, laatste zet"));
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QString("A1, leeg"));
        QCOMPARE(board->indexOfChild(table->cellAt(6, 5)), 6 * 19 + 5);
        QCOMPARE(board->text(QAccessible::Description), QString("Laatste zet: 2, wit op F7"));
        QVERIFY(!board->focusChild());
        QApplication::setActiveWindow(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->Bord->setFocus(Qt::TabFocusReason);
        QCOMPARE(board->focusChild()->text(QAccessible::Name), QString("J10, leeg"));
        QVERIFY(board->focusChild()->state().focused);
    }

    // The board from the keyboard: Tab reaches it from "Start partij", the
    // arrow keys move the cursor, drawn while the board holds the focus,
    // and Return places a stone where a click would, under the same rules
    // (a free point); the Return that ends a pause places none.
    void keyboardPlaysTheBoard() {
        partij();
        QApplication::setActiveWindow(form);
        QVERIFY(QTest::qWaitForWindowActive(form));
        const auto cursor = [this] {
            QApplication::processEvents();
            const QImage shown = form->Bord->grab().toImage();
            int n = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) n += shown.pixel(x, y) == qRgb(255, 220, 0);
            return n;
        };
        form->Startknop->setFocus();
        QTest::keyClick(form->Startknop, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Bord);
        QVERIFY(cursor() > 0);
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up})
            QTest::keyClick(form->Bord, key);
        QTest::keyClick(form->Bord, Qt::Key_Return);
        QCOMPARE(MoveCount, 1);
        QCOMPARE(std::make_pair(MoveList[1].column, MoveList[1].row), std::make_pair(8, 9));
        QCOMPARE(QApplication::focusWidget(), form->Bord); // the board keeps it
        QTest::keyClick(form->Bord, Qt::Key_Return);       // a point taken
        QCOMPARE(MoveCount, 1);
        QTest::keyClick(form->Bord, Qt::Key_Right);
        Berichtwacht = [] { QTest::keyClick(Form1->Bord, Qt::Key_Return); };
        QTest::keyClick(form->Bord, Qt::Key_Pause);
        herstelberichtwacht();
        QVERIFY(!Paused);
        QCOMPARE(MoveCount, 1);
        QTest::keyClick(form->Bord, Qt::Key_Return);
        QCOMPARE(MoveCount, 2);
        QCOMPARE(std::make_pair(MoveList[2].column, MoveList[2].row), std::make_pair(9, 9));
        form->Startknop->setFocus();
        QCOMPARE(cursor(), 0);
    }

    // The About box lies whole on its screen's work area with its OK button,
    // its text scrolling where it must (the 800 x 560 screen of
    // app_tests_tinyscreen, and every other screen the tests run on).
    void aboutBoxFitsItsScreen() {
        const QRect area = form->screen()->availableGeometry();
        QRect box, ok;
        QTimer::singleShot(0, [&] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(m);
            box = m->frameGeometry();
            QAbstractButton* b = m->button(QMessageBox::Ok);
            ok = QRect(b->mapToGlobal(QPoint(0, 0)), b->size());
            m->accept();
        });
        form->FormKeyDown(Qt::Key_F1);
        QVERIFY2(area.contains(box), qPrintable(QString("%1 x %2 at %3, %4")
                                                    .arg(box.width())
                                                    .arg(box.height())
                                                    .arg(box.x())
                                                    .arg(box.y())));
        QVERIFY(area.contains(ok));
    }

    // The design's rule with the real frame: the window as made (900 x 738
    // at its factor) with its frame, centred on the work area; moved left
    // where the widening to the minimum width would take its frame off it.
    void placedByTheDesignsRule() {
        const QRect area(0, 0, 1600, 1000);
        form->centreer(area, QMargins());
        QCOMPARE(form->pos(), QPoint(350, 131));
        form->centreer(area, QMargins(1, 20, 1, 5)); // openbox's frame
        QCOMPARE(form->pos(), QPoint(349, 118));
        // 980 wide: the rule gives 39, the widened frame (947) would end at 986.
        form->centreer(QRect(0, 0, 980, 1000), QMargins(1, 20, 1, 5));
        QCOMPARE(form->pos(), QPoint(33, 118));
    }

    // At start-up the window takes the largest factor at which it fits the
    // work area of its screen with the frame expected, and its frame lies
    // on the work area: on the test's large screen at the design size, on a
    // small one smaller.
    void creationFitsTheScreen() {
        const QRect area = werkgebied(form->screen());
        const QMargins frame = geschatterand();
        QCOMPARE(form->factor(),
                 kiesfactor(area.width(), area.height(), frame.left() + frame.right(),
                            frame.top() + frame.bottom()));
        QCOMPARE(form->height(), form->schaal(738));
        QVERIFY(area.contains(form->frameGeometry()));
    }

    void gridLayerHoldsLinesOnTheKeyColour() {
        form->tekenbord();
        const QImage& lines = form->Bordlijnen->Picture;
        QVERIFY(!lines.isNull());
        QCOMPARE(lines.deviceIndependentSize().toSize(), QSize(LinesWidth, LinesHeight));
        // The 2-pixel lines cover the pixels just left of and on kolomx,
        // and just above and on rijy.
        for (int c : {1, 5, 19}) {
            QCOMPARE(punt(lines, kolomx(c), rijy(7) + 5), Black);
            QCOMPARE(punt(lines, kolomx(c) - 1, rijy(7) + 5), Black);
            QCOMPARE(punt(lines, kolomx(c) + 1, rijy(7) + 5), KeyColour);
            QCOMPARE(punt(lines, kolomx(c) - 2, rijy(7) + 5), KeyColour);
        }
        QCOMPARE(punt(lines, kolomx(3) + 5, rijy(19)), Black);
        QCOMPARE(punt(lines, kolomx(3) + 5, rijy(19) + 1), KeyColour);
        // No line reaches into the margins.
        QCOMPARE(punt(lines, kolomx(1) - 5, rijy(1)), KeyColour);
        QCOMPARE(punt(lines, kolomx(5), rijy(1) - 5), KeyColour);
        QCOMPARE(punt(lines, kolomx(5), rijy(19) + 3), KeyColour);
        // Star points at columns and rows 4, 10 and 16, about 6 pixels
        // across; none elsewhere.
        for (int c : {4, 10, 16})
            for (int r : {4, 10, 16}) {
                QCOMPARE(punt(lines, kolomx(c) + 1, rijy(r) + 1), Black);
                QCOMPARE(punt(lines, kolomx(c) - 2, rijy(r) - 2), Black);
                QCOMPARE(punt(lines, kolomx(c) + 2, rijy(r) + 2), KeyColour);
                QCOMPARE(punt(lines, kolomx(c) - 3, rijy(r) - 3), KeyColour);
            }
        QCOMPARE(punt(lines, kolomx(7) + 1, rijy(7) + 1), KeyColour);
        QCOMPARE(punt(lines, (kolomx(5) + kolomx(6)) / 2, (rijy(5) + rijy(6)) / 2), KeyColour);
    }

    void stylesSetTheCodes() {
        form->Angstig1->click();
        QCOMPARE(EvalSet[1].BlackCode, 3);
        QCOMPARE(EvalSet[1].WhiteCode, 5);
        QCOMPARE(EvalSet[1].BlackFive, 243);
        QCOMPARE(EvalSet[1].WhiteFive, 3125);
        form->Roekeloos2->click();
        QCOMPARE(EvalSet[2].BlackCode, 3);
        QCOMPARE(EvalSet[2].WhiteCode, 5);
        QCOMPARE(EvalSet[2].BlackFive, 243);
        form->Aanvallend1->click();
        QCOMPARE(EvalSet[1].BlackFive, 16807);
        form->Behoedzaam2->click();
        QCOMPARE(EvalSet[2].BlackCode, 7);
        form->Angstig2->click();
        QCOMPARE(EvalSet[2].WhiteFive, 32);
        form->Normaal1->click();
        form->Normaal2->click();
        QCOMPARE(EvalSet[1].BlackCode, 6);
        QCOMPARE(EvalSet[2].BlackCode, 5);
        QCOMPARE(EvalSet[2].WhiteCode, 6);
    }

    void soundNamesInAnyCase() {
        opname.wis();
        for (const char* n : {"Kloktik", "tik", "TAK", "Gong", "gong", "bestaatniet", ""})
            speelgeluid(n);
        QCOMPARE(opname.names, QStringList({"KLOKTIK", "TIK", "TAK", "GONG", "GONG"}));
        // The formats come from the files' own headers.
        QCOMPARE(opname.formats[0].frequentie, 48000);
        QCOMPARE(opname.formats[3].frequentie, 44100);
        for (const Golfformaat& f : opname.formats) {
            QCOMPARE(f.soort, Golfformaat::Drijvend32);
            QCOMPARE(f.kanalen, 2);
        }
        // GONG lasts about 1.32 s: 8 bytes a frame.
        QVERIFY(qAbs(opname.sizes[3] / 8.0 / 44100 - 1.32) < 0.02);
        QVERIFY(!golfdata("tak").isEmpty());
        QVERIFY(golfdata("bordhout").isEmpty()); // a picture is no sound
    }

    // The sound server's complaints (none at start-up, or gone during a
    // game) never reach the console, also long after the output was made;
    // every other message still does.
    void audioMessagesStayOffTheConsole() {
#ifdef Q_OS_WIN
        QSKIP("Windows plays with winmm, which prints nothing");
#endif
        static QStringList seen;
        seen.clear();
        const QtMessageHandler before = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& msg) { seen << msg; });
        delete maakapparaatuitvoer();
        qWarning() << QString("Stream error: Connection terminated");
        qWarning("PulseAudioService: pa_context_connect() failed");
        qWarning("something else");
        qInstallMessageHandler(before);
        QCOMPARE(seen, QStringList({"something else"}));
    }

    void waveHeaders() {
        auto le = [](QByteArray& b, quint32 v, int n) {
            for (int i = 0; i < n; ++i) b.append(char((v >> (8 * i)) & 0xFF));
        };
        auto wave = [&](quint16 tag, quint16 bits, int dataBytes, int declared) {
            QByteArray w("RIFF");
            le(w, 36 + dataBytes, 4);
            w += "WAVEfmt ";
            le(w, 16, 4);
            le(w, tag, 2);
            le(w, 2, 2);
            le(w, 22050, 4);
            le(w, 22050 * 2 * bits / 8, 4);
            le(w, 2 * bits / 8, 2);
            le(w, bits, 2);
            w += "data";
            le(w, declared, 4);
            w += QByteArray(dataBytes, '\0');
            return w;
        };
        Golfformaat f;
        QByteArray s;
        const QByteArray ok = wave(3, 32, 80, 80);
        QVERIFY(leesgolf(ok, f, s));
        QCOMPARE(f.frequentie, 22050);
        QCOMPARE(s.size(), 80);
        QCOMPARE(s.constData(), ok.constData() + 44); // in place, not copied
        QVERIFY(leesgolf(wave(1, 16, 40, 40), f, s));
        QCOMPARE(f.soort, Golfformaat::Geheel16);
        // A data chunk cut short plays its whole frames, but not where the
        // player reads the file's own sizes.
        QVERIFY(leesgolf(wave(3, 32, 81, 800), f, s));
        QCOMPARE(s.size(), 80);
        QVERIFY(golfheel(ok));
        QVERIFY(!golfheel(wave(3, 32, 81, 800)));
        QVERIFY(!leesgolf(wave(3, 24, 80, 80), f, s)); // 24-bit float does not exist
        QVERIFY(!leesgolf(wave(2, 16, 80, 80), f, s)); // ADPCM
        QVERIFY(!leesgolf(ok.left(30), f, s));         // the header cut off
        QVERIFY(!leesgolf(QByteArray("RIFX") + ok.mid(4), f, s));
    }

    // The rules on states set by hand: the handlers stay out of it.
    void muteRules() {
        opname.wis();
        GameState = BlackToMove;
        Paused = true;
        speelgeluid("gong");
        GameState = BlackWon;
        speelgeluid("gong");
        Paused = false;
        QVERIFY(opname.names.isEmpty());
        // Computer against computer with "Snelle computer": silent while the
        // game runs, the end gong still sounds; step mode lifts the rule.
        GameState = BlackToMove;
        stil(form->CC, true);
        form->Snel->setChecked(true);
        speelgeluid("tik");
        QVERIFY(opname.names.isEmpty());
        stil(form->StapVoorStap, true);
        speelgeluid("tik");
        stil(form->StapVoorStap, false);
        GameState = BlackWon;
        speelgeluid("gong");
        QCOMPARE(opname.names, QStringList({"TIK", "GONG"}));
        // A replay falls under the same rule; without "Snelle computer"
        // everything sounds.
        opname.wis();
        stil(form->MM, true);
        GameState = WhiteToMove;
        Replaying = true;
        speelgeluid("tak");
        Replaying = false;
        speelgeluid("tak");
        form->Snel->setChecked(false);
        stil(form->CC, true);
        speelgeluid("kloktik");
        QCOMPARE(opname.names, QStringList({"TAK", "KLOKTIK"}));
    }

    void pointerShowsTheHandOnlyOverAFreePoint() {
        // Before the first game: arrow, and a press does nothing.
        form->BordMouseMove(kolomx(10), rijy(10));
        QVERIFY(!form->handShown());
        partij();
        // The board's pointer events arrive through the window's wiring.
        // (On the small test screen the centred window starts partly above
        // it, where no pointer can reach.)
        form->move(0, 0);
        QTest::mouseMove(form->Bord, QPoint(kolomx(3), rijy(3)));
        QVERIFY(form->handShown());
        QCOMPARE(TargetCol, 3);
        QCOMPARE(TargetRow, 3);
        QTest::mouseMove(form->Bord, QPoint((kolomx(3) + kolomx(4)) / 2, rijy(3)));
        QVERIFY(!form->handShown()); // the dead band between two windows
        QTest::mouseMove(form->Bord, QPoint(kolomx(3), rijy(3)));
        QTest::mouseClick(form->Bord, Qt::RightButton, {}, QPoint(kolomx(3), rijy(3)));
        QCOMPARE(MoveCount, 1); // any button plays
        QCOMPARE(MoveList[1].column, 3);
        QTest::mouseMove(form->Bord, QPoint(kolomx(3) + 1, rijy(3)));
        QVERIFY(!form->handShown()); // occupied
        QTest::mouseClick(form->Bord, Qt::LeftButton, {}, QPoint(kolomx(3) + 1, rijy(3)));
        QCOMPARE(MoveCount, 1);
        // While a person may not move, the arrow; the press is refused even
        // if the hand was still up.
        QTest::mouseMove(form->Bord, QPoint(kolomx(4), rijy(4)));
        QVERIFY(form->handShown());
        HumanMayMove = false;
        form->BordMouseDown();
        QCOMPARE(MoveCount, 1);
        form->BordMouseMove(kolomx(4), rijy(4));
        QVERIFY(!form->handShown());
    }

    void stoneAndItsRedMarker() {
        partij();
        opname.wis();
        zet(form, 10, 10);
        QCOMPARE(MoveCount, 1);
        QCOMPARE(GameState, WhiteToMove);
        QCOMPARE(opname.names, QStringList({"TAK"}));
        QCOMPARE(form->Krant->text(), QString("Zet 2.   Wit is aan zet   "));
        const QImage& stones = form->Bord->Picture;
        const int x = kolomx(10), y = rijy(10), R = StoneRadius, a = R / 3;
        // The red square of the last move: from x - a - 1 to x + a - 2.
        QCOMPARE(punt(stones, x - a - 1, y - a - 1), Red);
        QCOMPARE(punt(stones, x + a - 2, y + a - 2), Red);
        QVERIFY(punt(stones, x + a - 1, y) != Red);
        QVERIFY(punt(stones, x - a - 2, y) != Red);
        // The black stone around it, the key colour outside its square.
        QCOMPARE(qRed(punt(stones, x - R + 1, y)) < 40, true);
        QCOMPARE(punt(stones, x - R - 2, y), KeyColour);
        QCOMPARE(punt(stones, x + R, y), KeyColour);
        QCOMPARE(punt(stones, x - R - 1, y - R - 1), KeyColour); // the square's corner
        // A white stone beside it takes the red over; the black marker goes
        // back to black.
        zet(form, 11, 10);
        QCOMPARE(opname.names, QStringList({"TAK", "TIK"}));
        QCOMPARE(punt(form->Bord->Picture, x - a - 1, y - a - 1), Black);
        QCOMPARE(punt(form->Bord->Picture, kolomx(11) - a - 1, y - a - 1), Red);
        QCOMPARE(qRed(punt(form->Bord->Picture, kolomx(11) + R - 4, y)) > 180, true);
        // The window itself keeps the focus after a stone.
        QVERIFY(!form->focusWidget() || form->focusWidget() == form);
    }

    // The five that won the game wears a ring on each of its stones, in
    // each direction, through a full redraw and through the stone-by-stone
    // drawing of a replay (from the winning stone on); a take-back of that
    // stone takes the rings away. The last move keeps its red mark.
    void winningFiveIsRinged_data() {
        QTest::addColumn<int>("dc");
        QTest::addColumn<int>("dr");
        QTest::newRow("horizontal") << 1 << 0;
        QTest::newRow("vertical") << 0 << 1;
        QTest::newRow("diagonal") << 1 << 1;
        QTest::newRow("anti-diagonal") << -1 << 1;
    }
    void winningFiveIsRinged() {
        QFETCH(int, dc);
        QFETCH(int, dr);
        auto rings = [] { // per move: 'o' with a ring pixel in its stone's square
            QString out;
            for (int32_t n = 1; n <= MoveCount; ++n) {
                const int x = kolomx(MoveList[n].column), y = rijy(MoveList[n].row),
                          R = StoneRadius;
                bool ring = false;
                for (int v = y - R - 1; v < y + R; ++v)
                    for (int u = x - R - 1; u < x + R; ++u)
                        ring |= punt(Form1->Bord->Picture, u, v) == VijfRing;
                out += ring ? 'o' : '.';
            }
            return out;
        };
        partij();
        for (int i = 0; i < 5; ++i) {
            legzet(10 + i * dc, 8 + i * dr);
            if (i < 4) legzet(2 + 2 * i, 1);
        }
        QCOMPARE(GameState, BlackWon);
        form->Nummers->click();
        QCOMPARE(rings(), QString("o.o.o.o.o"));
        form->Nummers->click();
        QCOMPARE(rings(), QString("o.o.o.o.o"));
        QCOMPARE(punt(form->Bord->Picture, kolomx(10 + 4 * dc) - 1, rijy(8 + 4 * dr) - 1), Red);
        form->tekenleegbord();
        for (int32_t n = 1; n < MoveCount; ++n) form->tekensteen(n);
        QCOMPARE(rings(), QString("........."));
        form->tekensteen(MoveCount);
        QCOMPARE(rings(), QString("o.o.o.o.o"));
        neemterug(1);
        form->tekenbord();
        QCOMPARE(rings(), QString("........"));
    }

    // On every stone but the last the square marker has the stone's colour;
    // the middle of a black stone is as black as its marker at every size,
    // so that no square shows on it: the marker's square and a pixel round
    // it are all of one colour.
    void markersDoNotShowOnBlackStones() {
        partij();
        for (int c : {4, 6, 8}) {
            zet(form, c, 4);
            zet(form, c, 12);
        }
        for (int h : {443, 630, 738, 900, 1400}) {
            form->setMinimumSize(0, 0);
            form->resize(1700, h);
            form->tekenbord();
            const int a = StoneRadius / 3;
            for (int c : {4, 6, 8})
                for (int v = rijy(4) - a - 2; v <= rijy(4) + a - 1; ++v)
                    for (int u = kolomx(c) - a - 2; u <= kolomx(c) + a - 1; ++u)
                        QVERIFY2(punt(form->Bord->Picture, u, v) == Black,
                                 qPrintable(QString("R %1").arg(StoneRadius)));
        }
    }

    void numbersLastMoveAndAStrayCode() {
        partij();
        for (int c : {5, 6, 7}) zet(form, c, 5);
        QCOMPARE(MoveCount, 3);
        auto telrood = [&](int c) {
            const QImage& img = form->Bord->Picture;
            int n = 0;
            for (int y = rijy(5) - StoneRadius; y <= rijy(5) + StoneRadius; ++y)
                for (int x = kolomx(c) - StoneRadius; x <= kolomx(c) + StoneRadius; ++x)
                    n += punt(img, x, y) == Red;
            return n;
        };
        auto telkleur = [&](int c, QRgb colour) {
            const QImage& img = form->Bord->Picture;
            int n = 0;
            for (int y = rijy(5) - 3; y <= rijy(5) + 3; ++y)
                for (int x = kolomx(c) - 4; x <= kolomx(c) + 4; ++x) n += punt(img, x, y) == colour;
            return n;
        };
        QVERIFY(telrood(7) > 0);
        QCOMPARE(telrood(5), 0);
        QCOMPARE(telrood(6), 0);
        // Numbers mode redraws at once: red digits on the last move only,
        // white digits on black stones, black digits on white ones.
        form->Nummers->click();
        QVERIFY(telrood(7) > 0);
        QCOMPARE(telrood(5), 0);
        QCOMPARE(telrood(6), 0);
        QVERIFY(telkleur(5, qRgb(255, 255, 255)) > 0); // "1" on black
        QVERIFY(telkleur(6, Black) > 0);               // "2" on white
        form->Nummers->click();
        QCOMPARE(telrood(7), (2 * (StoneRadius / 3)) * (2 * (StoneRadius / 3)));
        // A code that matches neither colour is drawn as a cleared point
        // with a white marker: from x - R - 2 to x + R, all key colour.
        MoveList[2].code = 99;
        form->tekenbord();
        const QImage& img = form->Bord->Picture;
        const int x = kolomx(6), y = rijy(5), R = StoneRadius, a = R / 3;
        QCOMPARE(punt(img, x + R - 1, y), KeyColour);
        QCOMPARE(punt(img, x - R + 1, y), KeyColour);
        QCOMPARE(punt(img, x - a - 1, y - a - 1), qRgb(255, 255, 255));
    }

    void fullRedrawIsSilentAndFollowsTheSoundBox() {
        partij();
        zet(form, 9, 9);
        zet(form, 9, 10);
        opname.wis();
        SoundOn = false;
        form->tekenbord();
        QVERIFY(opname.names.isEmpty());
        QVERIFY(SoundOn); // "Geluid" is ticked
        form->Geluidcheck->setChecked(false);
        form->tekenbord();
        QVERIFY(!SoundOn);
        form->Geluidcheck->setChecked(true);
        form->tekenbord();
        // An empty record: the empty board only.
        MoveCount = 0;
        form->tekenbord();
        const QImage& img = form->Bord->Picture;
        QCOMPARE(img.convertToFormat(QImage::Format_RGB32).pixelColor(0, 0), QColor(KeyColour));
        bool allKey = true;
        for (int y = 0; y < img.height(); y += 3)
            for (int x = 0; x < img.width(); x += 3) allKey &= img.pixel(x, y) == KeyColour;
        QVERIFY(allKey);
    }

    // A stone's square holds the key colour and the stone only: never the
    // stone picture's background, nothing tinted green by the key colour,
    // and no hole. The rim is mixed with the wood, but well inside it every
    // pixel is a stone colour.
    void stonesAreRoundAndFreeOfFringeAtEverySize() {
        partij();
        zet(form, 10, 10);
        zet(form, 11, 10);
        zet(form, 1, 1);
        for (int h : {738, 800, 900, 1100, 1400}) {
            form->resize(1700, h);
            form->tekenbord();
            const QImage& img = form->Bord->Picture;
            const qreal s = img.devicePixelRatio();
            const int R = StoneRadius;
            for (int c : {10, 11}) {
                const Schijf disc = schijf(c, 10, s);
                const int x0 = kolomx(c) - R - 2, y0 = rijy(10) - R - 2, side = 2 * R + 3;
                int opaque = 0;
                for (int py = beeld(y0, s); py < beeld(y0 + side, s); ++py)
                    for (int px = beeld(x0, s); px < beeld(x0 + side, s); ++px) {
                        const QRgb p = img.pixel(px, py);
                        const bool inner = disc.afstand(px, py) < disc.radius - 1.5 * s;
                        const QString at = QString("at h %1 (%2, %3)").arg(h).arg(px).arg(py);
                        if (p == KeyColour) {
                            QVERIFY2(!inner, qPrintable("a hole in the stone " + at));
                            continue;
                        }
                        ++opaque;
                        QVERIFY2(p != StoneBackground, qPrintable("stone background " + at));
                        QVERIFY2(qGreen(p) <= qMax(qRed(p), qBlue(p)) + 4,
                                 qPrintable(QString("green fringe %1 ").arg(p, 0, 16) + at));
                        if (inner)
                            QVERIFY2(stoneColour(p),
                                     qPrintable(QString("colour %1 ").arg(p, 0, 16) + at));
                    }
                // The disc is about 357/378 of the square across.
                const double area = 3.14159 * disc.radius * disc.radius;
                QVERIFY2(qAbs(opaque - area) < 0.08 * area, qPrintable(QString::number(h)));
                // Round: the square's corners stay clear, its edge midpoints
                // are stone.
                const int cx = kolomx(c) - 1, cy = rijy(10) - 1;
                QCOMPARE(punt(img, cx - R + 1, cy - R + 1), KeyColour);
                QCOMPARE(punt(img, cx + R - 2, cy + R - 2), KeyColour);
                QVERIFY(punt(img, cx - R + 2, cy) != KeyColour);
                QVERIFY(punt(img, cx, cy + R - 3) != KeyColour);
            }
        }
    }

    // A layer shows a pixel or not, so the stone's rim is mixed beforehand
    // with the wood's mean colour: most of the stone's outermost pixels
    // (those beside a key-colour pixel) are neither a stone colour nor wood
    // but in between, from R = 12 up. The mean is that of the wood picture
    // loaded: on a blue board the rims turn blue and none stays brown.
    void stoneRimsAreMixedWithTheWood() {
        partij();
        zet(form, 10, 10);
        zet(form, 11, 10);
        auto buitenrand = [&](int c, bool (*mixed)(QRgb)) {
            const QImage& img = form->Bord->Picture;
            const qreal s = img.devicePixelRatio();
            const int R = StoneRadius, x0 = kolomx(c) - R - 2, y0 = rijy(10) - R - 2;
            const QRect square(beeld(x0, s), beeld(y0, s), beeld(x0 + 2 * R + 3, s) - beeld(x0, s),
                               beeld(y0 + 2 * R + 3, s) - beeld(y0, s));
            int outer = 0, blend = 0;
            for (int py = square.top() + 1; py < square.bottom(); ++py)
                for (int px = square.left() + 1; px < square.right(); ++px) {
                    const QRgb p = img.pixel(px, py);
                    if (p == KeyColour) continue;
                    if (img.pixel(px - 1, py) != KeyColour && img.pixel(px + 1, py) != KeyColour &&
                        img.pixel(px, py - 1) != KeyColour && img.pixel(px, py + 1) != KeyColour)
                        continue;
                    ++outer;
                    blend += mixed(p);
                }
            return std::make_pair(outer, blend);
        };
        auto warm = [](QRgb p) { return qRed(p) > qBlue(p) + 4; };
        auto blue = [](QRgb p) { return qBlue(p) > qRed(p) + 20; };
        const QImage wood = form->Bordhout->Picture;
        form->setMinimumSize(0, 0);
        for (auto [h, R] : {std::pair(630, 12), {738, 15}, {900, 18}, {1400, 29}}) {
            form->resize(1700, h);
            form->tekenbord();
            QCOMPARE(StoneRadius, R);
            for (int c : {10, 11}) {
                const auto [outer, mixed] = buitenrand(c, warm);
                QVERIFY2(mixed >= outer / 2, qPrintable(QString("R %1, %2 of %3 outer pixels mixed")
                                                            .arg(StoneRadius)
                                                            .arg(mixed)
                                                            .arg(outer)));
            }
        }
        QImage plain(wood.size(), QImage::Format_RGB32);
        plain.fill(QColor(40, 80, 220));
        form->Bordhout->Picture = plain;
        form->tekenbord();
        for (int c : {10, 11}) {
            const auto [outer, bluish] = buitenrand(c, blue);
            QVERIFY2(bluish >= outer / 2, qPrintable(QString("%1 of %2").arg(bluish).arg(outer)));
            QCOMPARE(buitenrand(c, warm).second, 0);
        }
    }

    // The move numbers are set at StoneRadius div 2 points of the window's
    // design, which has 120 pixels to the inch: 10, 12 and 15 pixels at
    // R = 12, 15 and 18, in the window's face, its digits 7, 9 and 11 pixels
    // high. On a full board, every number from 1 to 361: the digits are
    // 0.65 to 0.8 of that size high, the text changes nothing outside its
    // stone and keeps a pixel clear of the rim, and each glyph has a core of
    // pixels in the exact colour, at least as many as the digits are high:
    // white on black, black on white, red on the last move.
    void numbersAtTheirDesignedSize_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("pixels");
        QTest::newRow("R 12, 6 points") << 630 << 12 << 10;
        QTest::newRow("R 15, 7 points, the smallest window") << 738 << 15 << 12;
        QTest::newRow("R 18, 9 points") << 900 << 18 << 15;
    }

    void numbersAtTheirDesignedSize() {
        QFETCH(int, height);
        QFETCH(int, radius);
        QFETCH(int, pixels);
        // Below the window's least size.
        form->setMinimumSize(0, 0);
        form->resize(1200, height);
        QApplication::processEvents();
        volbord(false);
        form->Nummers->setChecked(false);
        form->tekenbord();
        const QImage markers = form->Bord->Picture.copy();
        form->Nummers->setChecked(true);
        form->tekenbord();
        const QImage numbers = form->Bord->Picture.copy();
        QCOMPARE(StoneRadius, radius);
        const qreal s = numbers.devicePixelRatio();

        // Every pixel the numbers change lies inside a disc, a pixel clear of
        // its rim (the markers lie well inside).
        std::vector<int> nearest[2] = {std::vector<int>(numbers.width()),
                                       std::vector<int>(numbers.height())};
        for (int axis = 0; axis < 2; ++axis)
            for (int p = 0; p < int(nearest[axis].size()); ++p) {
                int best = 1;
                for (int i = 2; i <= 19; ++i)
                    if (qAbs(((axis ? rijy(i) : kolomx(i)) - 1) * s - p) <
                        qAbs(((axis ? rijy(best) : kolomx(best)) - 1) * s - p))
                        best = i;
                nearest[axis][p] = best;
            }
        for (int py = 0; py < numbers.height(); ++py)
            for (int px = 0; px < numbers.width(); ++px) {
                if (numbers.pixel(px, py) == markers.pixel(px, py)) continue;
                const Schijf disc = schijf(nearest[0][px], nearest[1][py], s);
                QVERIFY2(disc.afstand(px, py) <= disc.radius - s,
                         qPrintable(QString("text at (%1, %2) by stone %3, %4")
                                        .arg(px)
                                        .arg(py)
                                        .arg(nearest[0][px])
                                        .arg(nearest[1][py])));
            }

        for (int32_t n = 1; n <= MoveCount; ++n) {
            const MoveRecord& m = MoveList[n];
            const QRgb ink = n == MoveCount                   ? Red
                             : m.code == EvalSet[1].BlackCode ? qRgb(255, 255, 255)
                                                              : Black;
            const int x0 = beeld(kolomx(m.column) - radius - 1, s);
            const int y0 = beeld(rijy(m.row) - radius - 1, s);
            const int side = beeld(kolomx(m.column) + radius - 1, s) - x0;
            int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;
            for (int py = y0; py < y0 + side; ++py)
                for (int px = x0; px < x0 + side; ++px)
                    if (numbers.pixel(px, py) == ink) {
                        top = qMin(top, py);
                        bottom = qMax(bottom, py);
                        left = qMin(left, px);
                        right = qMax(right, px);
                    }
            const QString what = QString("%1 at R %2").arg(n).arg(radius);
            QVERIFY2(bottom >= 0, qPrintable(what + ": no pixel in its colour"));
            const double high = (bottom - top + 1) / s;
            QVERIFY2(high >= 0.65 * pixels && high <= 0.8 * pixels,
                     qPrintable(what + QString(": digits %1 pixels high").arg(high)));
            // Digits are of one width, so glyph k covers the k-th equal part
            // of the number's columns.
            const int digits = QString::number(n).size();
            for (int k = 0; k < digits; ++k) {
                const int from = left + (right - left + 1) * k / digits;
                const int to = left + (right - left + 1) * (k + 1) / digits;
                int core = 0;
                for (int py = top; py <= bottom; ++py)
                    for (int px = from; px < to; ++px) core += numbers.pixel(px, py) == ink;
                QVERIFY2(
                    core >= bottom - top + 1,
                    qPrintable(
                        what +
                        QString(": glyph %1 has %2 pixels of its colour").arg(k + 1).arg(core)));
            }
        }
    }

    void fullRedrawGivesThePixelsOfStoneByStoneDrawing() {
        form->resize(1200, 900);
        QApplication::processEvents();
        volbord(true);
        for (bool numbers : {false, true}) {
            form->Nummers->setChecked(numbers);
            form->tekenbord();
            const QImage fast = form->Bord->Picture.copy();
            tekenbordpersteen();
            QVERIFY(form->Bord->Picture == fast);
            SoundOn = false;
            form->tekenleegbord();
            for (int32_t i = 1; i <= MoveCount; ++i) form->tekensteen(i);
            QVERIFY(form->Bord->Picture == fast);
            // And what reaches the screen is what the picture holds.
            QApplication::processEvents();
            const QImage shown = form->Bord->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const qreal s = fast.devicePixelRatio();
            for (int32_t i = 1; i <= MoveCount; i += 17) {
                const QPoint at(beeld(kolomx(MoveList[i].column), s),
                                beeld(rijy(MoveList[i].row) - 2, s));
                if (fast.pixel(at) != KeyColour) QCOMPARE(shown.pixel(at), fast.pixel(at));
            }
        }
    }

    void sizeHandlerWidensAndRedraws() {
        form->showNormal();
        form->resize(900, 738);
        QApplication::processEvents();
        QVERIFY(form->frameGeometry().width() >= minimumbreedte(form->frameGeometry().height()));
        // A taller window lays the board out again for its height.
        form->resize(1600, 900);
        QApplication::processEvents();
        QCOMPARE(LinesHeight, form->height() - 30);
        QCOMPARE(form->Bord->x(), qMax(280, (form->width() - LinesWidth) / 2));
        QCOMPARE(form->Bord->geometry(), form->Bordlijnen->geometry());
        QCOMPARE(form->Bord->geometry(), form->Bordhout->geometry());
        QCOMPARE(form->Bord->Picture.deviceIndependentSize().toSize(),
                 QSize(LinesWidth, LinesHeight));
        // A minimise does not redraw: the layer keeps its picture.
        const qint64 before = form->Bord->Picture.cacheKey();
        QEvent minimised(QEvent::WindowStateChange);
        form->setWindowState(Qt::WindowMinimized);
        QApplication::sendEvent(form, &minimised);
        QCOMPARE(form->Bord->Picture.cacheKey(), before);
        form->setWindowState(Qt::WindowNoState);
        QApplication::sendEvent(form, &minimised);
        QVERIFY(form->Bord->Picture.cacheKey() != before);
    }

    void cleanup() {
        Uitvoer = nullptr;
        delete form;
        form = nullptr;
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
