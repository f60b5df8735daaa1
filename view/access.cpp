#include "access.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include "board.h"
#include "drawing.h"
#include "geometry.h"
#include "stoneslayer.h"
#include "window.h"

QString puntnaam(int32_t c, int32_t r) {
    return QStringLiteral("%1%2").arg(QChar(u'A' + (c - 1))).arg(r);
}

namespace {

// A stone's colour, as the cell names it.
QString kleurvan(int32_t n) {
    return MoveList[n].code == EvalSet[1].BlackCode ? Hoofdvenster::tr("zwart")
                                                    : Hoofdvenster::tr("wit");
}

// What lies on a point: "leeg", or the colour and the move, and whether it
// is the last.
QString inhoud(int32_t c, int32_t r) {
    const int32_t n = zetop(c, r);
    if (n == 0) return Hoofdvenster::tr("leeg");
    QString text = Hoofdvenster::tr("%1, zet %2").arg(kleurvan(n)).arg(n);
    if (n == MoveCount) text += Hoofdvenster::tr(", laatste zet");
    return text;
}

// One cell of the board's table. Cells are not objects of their own: each
// is an interface that the board keeps and the accessibility cache owns.
class Celinterface : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    Celinterface(Stenenlaag* layer, int c, int r) : laag(layer), kolom(c), rij(r) {}

    bool isValid() const override { return !laag.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return laag ? laag->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(laag.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return QStringLiteral("%1, %2").arg(puntnaam(kolom, rij), inhoud(kolom, rij));
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!laag) return QRect();
        const int x = kolomx(kolom), y = rijy(rij), R = StoneRadius;
        return QRect(laag->mapToGlobal(QPoint(x - R - 1, y - R - 1)), QSize(2 * R, 2 * R));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused =
            laag && laag->hasFocus() && laag->cursorkolom() == kolom && laag->cursorrij() == rij;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return kolom - 1; }
    int rowIndex() const override { return rij - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QPointer<Stenenlaag> laag;
    int kolom, rij;
};

// The board: a table of GameBoardSize rows and columns, cell (row, column)
// child number (row - 1) * N + column - 1.
class Bordinterface : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit Bordinterface(Stenenlaag* layer) : QAccessibleWidget(layer, QAccessible::Table) {}
    ~Bordinterface() override {
        for (auto& column : Cellen)
            for (QAccessible::Id id : column)
                if (id) QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Hoofdvenster::tr("Bord");
        if (t == QAccessible::Description) {
            if (MoveCount == 0) return Hoofdvenster::tr("Er staan geen stenen op het bord.");
            const MoveRecord& m = MoveList[MoveCount];
            return Hoofdvenster::tr("Laatste zet: %1, %2 op %3")
                .arg(MoveCount)
                .arg(kleurvan(MoveCount), puntnaam(m.column, m.row));
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return GameBoardSize * GameBoardSize; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return cel(index % GameBoardSize + 1, index / GameBoardSize + 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell =
            child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        if (!cell || child->parent() != this) return -1;
        return cell->rowIndex() * GameBoardSize + cell->columnIndex();
    }
    QAccessibleInterface* focusChild() const override {
        const auto* layer = static_cast<Stenenlaag*>(widget());
        return layer->hasFocus() ? cel(layer->cursorkolom(), layer->cursorrij()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || column < 0 || row >= GameBoardSize || column >= GameBoardSize)
            return nullptr;
        return cel(column + 1, row + 1);
    }
    int columnCount() const override { return GameBoardSize; }
    int rowCount() const override { return GameBoardSize; }
    QString columnDescription(int column) const override { return QString(QChar(u'A' + column)); }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // The cell of (c, r), made at the first question for it.
    QAccessibleInterface* cel(int c, int r) const {
        QAccessible::Id& id = Cellen[c][r];
        if (!id)
            id = QAccessible::registerAccessibleInterface(
                new Celinterface(static_cast<Stenenlaag*>(widget()), c, r));
        return QAccessible::accessibleInterface(id);
    }
    bool heeftcel(int c, int r) const { return Cellen[c][r] != 0; }

  private:
    mutable QAccessible::Id Cellen[GameBoardSize + 1][GameBoardSize + 1] = {};
};

// A panel: a named group of the controls in it.
class Groepinterface : public QAccessibleWidget {
  public:
    explicit Groepinterface(QWidget* w) : QAccessibleWidget(w, QAccessible::Grouping) {}
};

// The status line: a status bar whose name is its text. A new text is
// announced: the label reports every change of it.
class Statusinterface : public QAccessibleWidget {
  public:
    explicit Statusinterface(QLabel* w) : QAccessibleWidget(w, QAccessible::StatusBar) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// A label whose name says what its text is of: the clocks ("Bedenktijd van
// zwart: 0:00:12.000"), which have a name of their own so that the label
// reports no change at each tick, and the scores.
class Waardeinterface : public QAccessibleWidget {
  public:
    Waardeinterface(QLabel* w, QString wat)
        : QAccessibleWidget(w, QAccessible::StaticText), waarvan(std::move(wat)) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return QStringLiteral("%1: %2").arg(waarvan, static_cast<QLabel*>(widget())->text());
        return QAccessibleWidget::text(t);
    }

  private:
    QString waarvan;
};

// A layer under the stones (the wood, the grid) or a picture the drawing
// takes its stones from: decoration, which a reader passes over.
class Versieringinterface : public QAccessibleWidget {
  public:
    explicit Versieringinterface(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* interfacevoor(const QString&, QObject* object) {
    Hoofdvenster* f = Form1;
    if (!f || !object || !object->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (w == f) return new QAccessibleWidget(w, QAccessible::Window);
    if (w == f->Bord) return new Bordinterface(static_cast<Stenenlaag*>(f->Bord));
    for (QWidget* layer : {f->Bordhout, f->Witmodel, f->Zwartmodel, f->Bord2, f->Bordlijnen})
        if (w == layer) return new Versieringinterface(w);
    if (w == f->Krant) return new Statusinterface(f->Krant);
    if (w == f->Tijd1)
        return new Waardeinterface(f->Tijd1, Hoofdvenster::tr("Bedenktijd van zwart"));
    if (w == f->Tijd2) return new Waardeinterface(f->Tijd2, Hoofdvenster::tr("Bedenktijd van wit"));
    if (w == f->Zwartscore)
        return new Waardeinterface(f->Zwartscore, Hoofdvenster::tr("Gewonnen door zwart"));
    if (w == f->Witscore)
        return new Waardeinterface(f->Witscore, Hoofdvenster::tr("Gewonnen door wit"));
    for (QWidget* panel :
         {static_cast<QWidget*>(f->Spelers), static_cast<QWidget*>(f->Speelstijl),
          static_cast<QWidget*>(f->Comp1Stijl), static_cast<QWidget*>(f->Comp2stijl),
          static_cast<QWidget*>(f->Statuspaneel), static_cast<QWidget*>(f->Klok1),
          static_cast<QWidget*>(f->Klok2), static_cast<QWidget*>(f->Standpaneel),
          static_cast<QWidget*>(f->Settingspaneel)})
        if (w == panel) return new Groepinterface(w);
    return nullptr;
}

} // namespace

void maaktoegankelijk(Hoofdvenster* f) {
    static const bool geinstalleerd = [] {
        QAccessible::installFactory(interfacevoor);
        return true;
    }();
    Q_UNUSED(geinstalleerd);
    // A label reports its text from its constructor on, before the window
    // knows it, and the report leaves the label's plain interface in the
    // cache (Qt makes the interface of every object that reports anything):
    // those make way for the window's.
    for (QWidget* w : {static_cast<QWidget*>(f->Bord), static_cast<QWidget*>(f->Krant),
                       static_cast<QWidget*>(f->Tijd1), static_cast<QWidget*>(f->Tijd2),
                       static_cast<QWidget*>(f->Zwartscore), static_cast<QWidget*>(f->Witscore),
                       static_cast<QWidget*>(f->Spelers), static_cast<QWidget*>(f->Speelstijl),
                       static_cast<QWidget*>(f->Comp1Stijl), static_cast<QWidget*>(f->Comp2stijl),
                       static_cast<QWidget*>(f->Statuspaneel), static_cast<QWidget*>(f->Klok1),
                       static_cast<QWidget*>(f->Klok2), static_cast<QWidget*>(f->Standpaneel),
                       static_cast<QWidget*>(f->Settingspaneel)})
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void Stenenlaag::meldzet(int32_t n) {
    if (!QAccessible::isActive()) return;
    auto* board = dynamic_cast<Bordinterface*>(QAccessible::queryAccessibleInterface(this));
    if (!board) return;
    auto meld = [board](int c, int r) {
        if (!board->heeftcel(c, r)) return; // a reader that never asked needs no news
        QAccessibleEvent event(board->cel(c, r), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    };
    if (n == 0) {
        for (int c = 1; c <= GameBoardSize; ++c)
            for (int r = 1; r <= GameBoardSize; ++r) meld(c, r);
    } else if (n <= MoveCount) {
        meld(MoveList[n].column, MoveList[n].row);
        if (n > 1) meld(MoveList[n - 1].column, MoveList[n - 1].row);
    }
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}
