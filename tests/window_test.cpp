#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <bit>
#include <cfenv>
#include <cmath>

#include "window_fixture.h"

namespace vektoria {
namespace {

uint64_t Bits(double v) { return std::bit_cast<uint64_t>(v); }

// ------------------------------------------------------------ the window

struct ControlCase {
    const char* name;
    QRect geometry;
    QString caption;
    QString hint;
};

TEST_F(WindowTest, ControlsStandWhereTheLayoutPutsThem) {
    const ControlCase controls[] = {
        {"StringGrid1", {16, 48, 393, 153}, "", "Faktoren"},
        {"StringGrid2", {448, 48, 57, 153}, "", "Konstanten"},
        {"StringGrid3", {576, 48, 65, 153}, "", "Ergebnisse"},
        {"Button1", {520, 128, 41, 25}, "Löse >", "Berechnen"},
        {"Button2", {96, 240, 81, 17}, "Matrix löschen", "Clear"},
        {"Button3", {16, 240, 81, 17}, "Speichern", "Sichern"},
        {"Button4", {16, 224, 81, 17}, "Laden", "Öffnen"},
        {"Button5", {632, 8, 17, 17}, "X", "Tschüss!"},
        {"Button7", {96, 224, 81, 17}, "Demo", ""},
        {"CheckBox1", {240, 216, 161, 17}, "Gestaffelte Matrix ausgeben", "Übersicht"},
        {"Edit1", {424, 224, 217, 21}, "", "Copyright"},
        {"Edit2", {240, 240, 153, 21}, "", "Offene Datei"},
        {"GroupBox1", {8, 0, 641, 265}, " Berechne GLS ", ""},
        {"GroupBox4", {8, 32, 409, 177}, " Faktoren ", ""},
        {"GroupBox5", {440, 32, 73, 177}, " Konstanten ", ""},
        {"GroupBox6", {568, 32, 81, 177}, " Ergebnis ", ""},
        {"GroupBox2", {8, 208, 409, 57}, " GLS ... ", ""},
        {"GroupBox3", {416, 208, 233, 57}, "", ""},
        {"Label1", {208, 240, 28, 13}, "Datei:", ""},
        {"Label2", {424, 128, 9, 19}, "=", ""},
    };
    for (const ControlCase& c : controls) {
        auto* w = form->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget(), form.get()) << c.name;
        EXPECT_EQ(w->geometry(), c.geometry) << c.name;
        EXPECT_EQ(w->toolTip(), c.hint) << c.name;
        QString caption;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) caption = b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) caption = g->title();
        if (auto* l = qobject_cast<QLabel*>(w)) caption = l->text();
        EXPECT_EQ(caption, c.caption) << c.name;
    }
    EXPECT_EQ(form->windowTitle(), "Vektoria");
    EXPECT_EQ(form->size(), QSize(652, 276));
    EXPECT_EQ(form->font().pixelSize(), 11);
    EXPECT_TRUE(form->Label2->font().bold());
    EXPECT_EQ(form->Label2->font().pixelSize(), 16);
    // The controls are drawn above the frames.
    EXPECT_GT(form->children().indexOf(form->StringGrid1),
              form->children().indexOf(form->GroupBox4));
}

TEST_F(WindowTest, FirstActivationShowsTheNoticeAndFocusesTheFirstCell) {
    EXPECT_TRUE(form->Edit1->text().endsWith("MAI 07"));
    EXPECT_EQ(form->Edit1->text(), form->Edit1->text().toUpper());
    EXPECT_GT(form->Edit1->text().size(), 6);
    EXPECT_EQ(form->Edit2->text(), "UNBENANNT");
    EXPECT_FALSE(form->Edit1->isEnabled());
    EXPECT_FALSE(form->Edit2->isEnabled());
    EXPECT_FALSE(form->StringGrid3->isEnabled());
    EXPECT_TRUE(form->StringGrid1->isEnabled());
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), form->StringGrid1->CellEditor(0, 0));
    QTest::keyClicks(QApplication::focusWidget(), "42");
    EXPECT_EQ(form->StringGrid1->Cell(0, 0), "42");
}

TEST_F(WindowTest, ResultsGridTakesNoClicksOrFocus) {
    Click(form->StringGrid3->CellEditor(0, 2));
    EXPECT_EQ(QApplication::focusWidget(), form->StringGrid1->CellEditor(0, 0));
    form->StringGrid3->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), form->StringGrid1->CellEditor(0, 0));
}

TEST_F(WindowTest, TabWrapsInsideEachGrid) {
    StringGrid* g = form->StringGrid1;
    g->CellEditor(5, 5)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), g->CellEditor(0, 0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), g->CellEditor(5, 5));
    g->CellEditor(5, 0)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), g->CellEditor(0, 1)) << "on to the next row";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), g->CellEditor(5, 0));

    StringGrid* k = form->StringGrid2;
    k->CellEditor(0, 5)->setFocus();
    for (int i = 0; i < 6; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), k->CellEditor(0, 5)) << "Tab never leaves the grid";
}

TEST_F(WindowTest, ArrowKeysMoveBetweenCellsFromTheTextsEnds) {
    StringGrid* g = form->StringGrid1;
    Type(g, 1, 1, "123");
    QWidget* cell = g->CellEditor(1, 1);
    QTest::keyClick(cell, Qt::Key_Left);  // inside the text: the caret moves
    EXPECT_EQ(QApplication::focusWidget(), cell);
    QTest::keyClick(cell, Qt::Key_Right);  // back at the end: next press leaves
    EXPECT_EQ(QApplication::focusWidget(), cell);
    QTest::keyClick(cell, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), g->CellEditor(2, 1));
    // Entered by an arrow, the text is all selected: Left leaves at once.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), cell);
    EXPECT_EQ(static_cast<QLineEdit*>(cell)->selectedText(), "123");
    QTest::keyClick(cell, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), g->CellEditor(0, 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), g->CellEditor(0, 0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);  // no wrap at the edge
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), g->CellEditor(0, 0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), g->CellEditor(0, 1));
    // Typing into a cell just entered replaces its text.
    g->CellEditor(1, 1)->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), "7");
    EXPECT_EQ(g->Cell(1, 1), "7");
}

TEST_F(WindowTest, TabMovesBetweenControlsInTheWindowsOrder) {
    // Inside a grid Tab moves between cells; between the other controls it
    // follows the window's order and passes over the disabled ones.
    form->Button1->setFocus();
    const QWidget* expected[] = {form->Button2, form->Button3,   form->Button4,
                                 form->Button5, form->CheckBox1, form->Button7};
    for (const QWidget* w : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), w) << w->objectName().toStdString();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(form->StringGrid1->isAncestorOf(QApplication::focusWidget()))
        << "from Demo back to the coefficient grid";
    form->Button1->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(form->StringGrid2->isAncestorOf(QApplication::focusWidget()))
        << "backwards past the disabled results grid";
}

TEST_F(WindowTest, HiddenCellsKeepTheirTextOutOfSight) {
    StringGrid* g = form->StringGrid1;
    g->SetCell(6, 6, "hidden");
    g->SetCell(9, 9, "far");
    g->SetCell(10, 0, "beyond");
    EXPECT_EQ(g->Cell(6, 6), "hidden");
    EXPECT_EQ(g->Cell(9, 9), "far");
    EXPECT_EQ(g->Cell(10, 0), "");
    EXPECT_EQ(g->CellEditor(6, 6), nullptr);
    const auto editors = g->findChildren<GridCell*>();
    EXPECT_EQ(editors.size(), 36);
    for (GridCell* e : editors) EXPECT_NE(e->text(), "hidden");
    ClearInputGrids();  // clears up to index 6 only
    EXPECT_EQ(g->Cell(6, 6), "");
    EXPECT_EQ(g->Cell(9, 9), "far");
}

TEST_F(WindowTest, EditingKeysOtherThanTypingReachTheCellToo) {
    StringGrid* g = form->StringGrid1;
    Type(g, 0, 0, "123");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(g->Cell(0, 0), "12");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);  // undo
    EXPECT_EQ(g->Cell(0, 0), g->CellEditor(0, 0)->text());
    g->CellEditor(0, 0)->selectAll();
    g->CellEditor(0, 0)->cut();
    EXPECT_EQ(g->Cell(0, 0), "");
}

TEST_F(WindowTest, OverlongTextIsKeptWholeAndCannotBeEditedShort) {
    const QString text(40000, u'1');
    StringGrid* g = form->StringGrid1;
    g->SetCell(1, 0, text);
    EXPECT_EQ(g->Cell(1, 0), text);
    EXPECT_EQ(g->CellEditor(1, 0)->text().size(), StringGrid::kEditLimit);
    EXPECT_TRUE(g->CellEditor(1, 0)->isReadOnly());
    g->CellEditor(1, 0)->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "9");
    EXPECT_EQ(g->Cell(1, 0), text);
    g->SetCell(1, 0, "short");
    EXPECT_FALSE(g->CellEditor(1, 0)->isReadOnly());
}

TEST_F(WindowTest, CloseButtonEndsTheWindowWithoutAQuestion) {
    LoadDemoData();
    Click(form->Button5);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// ------------------------------------------------------------ commands

TEST_F(WindowTest, TypedSystemIsSolvedByAClickRightAfterTyping) {
    Type(form->StringGrid1, 0, 0, "2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "1");
    Type(form->StringGrid1, 0, 1, "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "-1");
    Type(form->StringGrid2, 0, 0, "5");
    Type(form->StringGrid2, 0, 1, "1");  // no Enter, no cell change
    Click(form->Button1);
    EXPECT_EQ(Column(form->StringGrid3, 0, 3), (QStringList{"2.0000", "1.0000", ""}));
    EXPECT_EQ(Store.LastRow, 1);
    EXPECT_EQ(Store.LastCol, 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(WindowTest, DemoThenSolveShowsTheResults) {
    Click(form->Button7);
    EXPECT_EQ(form->Edit2->text(), "DEMO-DATEN!");
    EXPECT_EQ(Store.LastRow, 2);
    EXPECT_EQ(Store.LastCol, 2);
    Click(form->Button1);
    EXPECT_EQ(Column(form->StringGrid3, 0, 7),
              (QStringList{"6.0000", "6.5000", "-9.5000", "", "", "", ""}));
    EXPECT_EQ(Bits(Store.Results[2]), Bits(-9.5 + std::ldexp(1.0, -48)));
    EXPECT_EQ(form->StringGrid1->Cell(1, 1), "-3") << "input texts untouched without the option";
}

TEST_F(WindowTest, StaggeredDisplayWritesEightCharacterTexts) {
    Click(form->Button7);
    form->CheckBox1->setChecked(true);
    form->StringGrid1->SetCell(3, 3, "");  // stays unwritten
    Click(form->Button1);
    const QStringList rows[] = {{"  1.0000", "  1.0000", "  1.0000"},
                                {"  0.0000", " -5.0000", " -3.0000"},
                                {"  0.0000", "  0.0000", "  0.4000"}};
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(Column(form->StringGrid1, r, 3),
                  (QStringList{rows[0][r], rows[1][r], rows[2][r]}));
    EXPECT_EQ(Column(form->StringGrid2, 0, 4),
              (QStringList{"  3.0000", " -4.0000", " -3.8000", ""}));
    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(form->StringGrid1->Cell(3, i), "");
        EXPECT_EQ(form->StringGrid1->Cell(i, 3), "");
    }
    EXPECT_EQ(Column(form->StringGrid3, 0, 3), (QStringList{"6.0000", "6.5000", "-9.5000"}));

    // Solving the staggered texts again gives the same results.
    form->CheckBox1->setChecked(false);
    ClearResults();
    Click(form->Button1);
    EXPECT_EQ(Column(form->StringGrid3, 0, 3), (QStringList{"6.0000", "6.5000", "-9.5000"}));
    EXPECT_TRUE(dialogs.faults.isEmpty());
}

TEST_F(WindowTest, EveryCommandStartsFromTheSameFloatingPointState) {
    Click(form->Button7);
    std::fesetround(FE_UPWARD);  // something left the state changed
    Click(form->Button1);
    std::fesetround(FE_TONEAREST);
    EXPECT_EQ(Bits(Store.Results[0]), Bits(6 - std::ldexp(1.0, -49)));
    EXPECT_EQ(Bits(Store.Factors[2][2]), Bits(0.4 + std::ldexp(1.0, -53)));
}

TEST_F(WindowTest, LoneBlankRaisesTheExtents) {
    Click(form->Button7);
    Type(form->StringGrid1, 3, 3, " ");
    Click(form->Button1);
    EXPECT_EQ(Store.LastRow, 3);
    EXPECT_EQ(Store.LastCol, 3);
    // Row 3 is all zeros: back-substitution meets 0 / 0 at once.
    EXPECT_EQ(dialogs.faults, QStringList{"Ungültige Gleitkommaoperation."});
    EXPECT_EQ(Column(form->StringGrid3, 0, 4), (QStringList{"", "", "", ""}));
}

TEST_F(WindowTest, ConstantAloneDoesNotRaiseTheExtents) {
    Click(form->Button2);
    Type(form->StringGrid1, 0, 0, "1");
    Type(form->StringGrid1, 1, 0, "1");
    Type(form->StringGrid1, 0, 1, "1");
    Type(form->StringGrid1, 1, 1, "-1");
    Type(form->StringGrid2, 0, 0, "4");
    Type(form->StringGrid2, 0, 1, "2");
    Type(form->StringGrid2, 0, 2, "99");
    Click(form->Button1);
    EXPECT_EQ(Store.LastRow, 1);
    EXPECT_EQ(Column(form->StringGrid3, 0, 3), (QStringList{"3.0000", "1.0000", ""}));
}

TEST_F(WindowTest, ChecksShowTheirMessages) {
    Click(form->Button2);
    Click(form->Button1);
    EXPECT_EQ(dialogs.messages, QStringList{"Keine Daten vorhanden!"});

    // Two equations in three unknowns.
    for (int c = 0; c < 3; ++c) {
        Type(form->StringGrid1, c, 0, "1");
        Type(form->StringGrid1, c, 1, "2");
    }
    Click(form->Button1);
    EXPECT_EQ(dialogs.messages.last(), "Matrix nicht quadratisch!");
    EXPECT_EQ(Store.LastRow, 0);
    EXPECT_EQ(Store.LastCol, 0);
    EXPECT_TRUE(dialogs.faults.isEmpty());
}

struct EmptiedDemoCase {
    const char* name;
    bool keepThirdConstant;
    QString fault;
};

class EmptiedDemo : public WindowTest, public testing::WithParamInterface<EmptiedDemoCase> {};

TEST_P(EmptiedDemo, FaultLeavesEarlierResultsStanding) {
    Click(form->Button7);
    Click(form->Button1);
    for (int i = 0; i < 3; ++i) {
        form->StringGrid1->SetCell(2, i, "");
        form->StringGrid1->SetCell(i, 2, "");
    }
    if (!GetParam().keepThirdConstant) form->StringGrid2->SetCell(0, 2, "");
    Click(form->Button1);
    EXPECT_EQ(dialogs.faults, QStringList{GetParam().fault});
    EXPECT_EQ(Store.LastRow, 2);
    EXPECT_EQ(Store.LastCol, 2);
    EXPECT_EQ(Column(form->StringGrid3, 0, 3), (QStringList{"6.0000", "6.5000", "-9.5000"}));
    // The program goes on: the next command works normally.
    Click(form->Button7);
    Click(form->Button1);
    EXPECT_EQ(dialogs.faults.size(), 1);
    EXPECT_EQ(Column(form->StringGrid3, 0, 3), (QStringList{"6.0000", "6.5000", "-9.5000"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EmptiedDemo,
    testing::Values(EmptiedDemoCase{"ZeroOverZero", false, "Ungültige Gleitkommaoperation."},
                    EmptiedDemoCase{"ConstantOverZero", true, "Gleitkommadivision durch Null."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, OverflowingCellEndsSolveBeforeTheSolver) {
    Click(form->Button7);
    Click(form->Button1);
    Store.Factors[1][1] = 77;  // keeps its value when its cell faults
    form->StringGrid1->SetCell(1, 1, "1e400");
    form->StringGrid1->SetCell(3, 0, "5");  // before the faulting cell: raises LastCol
    form->StringGrid1->SetCell(0, 4, "5");  // after it: not read
    Click(form->Button1);
    EXPECT_EQ(dialogs.faults, QStringList{"Gleitkommaüberlauf."});
    EXPECT_EQ(Store.Factors[1][1], 77);
    EXPECT_EQ(Store.Factors[1][0], 2) << "cells before it are stored";
    EXPECT_EQ(Store.LastCol, 3);
    EXPECT_EQ(Store.LastRow, 2);
    EXPECT_EQ(Column(form->StringGrid3, 0, 3), (QStringList{"6.0000", "6.5000", "-9.5000"}));
}

TEST_F(WindowTest, HiddenSeventhRowAndColumnTakePart) {
    for (int i = 0; i <= 6; ++i) {
        form->StringGrid1->SetCell(i, i, "2");
        form->StringGrid2->SetCell(0, i, QString::number(2 * (i + 1)));
    }
    Click(form->Button1);
    EXPECT_EQ(Store.LastRow, 6);
    EXPECT_EQ(form->StringGrid3->Cell(0, 6), "7.0000");
    EXPECT_EQ(form->StringGrid3->Cell(0, 0), "1.0000");
}

TEST_F(WindowTest, ClearEmptiesGridsAndResetsExtents) {
    Click(form->Button7);
    Click(form->Button1);
    form->CheckBox1->setChecked(true);
    Click(form->Button2);
    for (int r = 0; r <= 6; ++r) {
        EXPECT_EQ(form->StringGrid3->Cell(0, r), "");
        EXPECT_EQ(Store.Results[r], 0.0);
        EXPECT_EQ(form->StringGrid2->Cell(0, r), "");
        for (int c = 0; c <= 6; ++c) EXPECT_EQ(form->StringGrid1->Cell(c, r), "");
    }
    EXPECT_EQ(Store.LastRow, 0);
    EXPECT_EQ(Store.LastCol, 0);
    EXPECT_EQ(Store.Factors[1][1], -5) << "numbers stay until the next solve";
    EXPECT_EQ(form->Edit2->text(), "DEMO-DATEN!");
    EXPECT_TRUE(form->CheckBox1->isChecked());
}

TEST_F(WindowTest, DemoOverALargerSystemResetsToThreeByThree) {
    form->StringGrid1->SetCell(5, 5, "1");
    Click(form->Button1);  // extents (5, 5), faults on the zero pivots
    Click(form->Button7);
    EXPECT_EQ(Store.LastRow, 2);
    EXPECT_EQ(Store.LastCol, 2);
    EXPECT_EQ(form->StringGrid1->Cell(5, 5), "");
}

// ------------------------------------------------------------ real boxes

// Closes the next modal box from a timer, after recording what it showed.
struct BoxSeen {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

void CloseNextBox(BoxSeen& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            CloseNextBox(seen);  // not up yet
            return;
        }
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
        box->button(QMessageBox::Ok)->click();
    });
}

TEST_F(WindowTest, RealMessageBoxAndFaultReport) {
    Click(form->Button2);
    SetDialogs(nullptr);
    form->Button1->setFocus(Qt::MouseFocusReason);  // as a click leaves it
    // Each click opens a real box; it is closed from a timer once it is up.
    const auto clickAndRead = [this] {
        BoxSeen seen;
        CloseNextBox(seen);
        form->Button1->click();
        return seen;
    };
    const auto expectBox = [](const BoxSeen& seen, const QString& text, QMessageBox::Icon icon) {
        EXPECT_EQ(seen.caption, "Zivavudirarariv");
        EXPECT_EQ(seen.text, text);
        EXPECT_EQ(seen.icon, icon);
        EXPECT_EQ(seen.buttons, QStringList{"OK"});
    };
    expectBox(clickAndRead(), "Keine Daten vorhanden!", QMessageBox::NoIcon);
    form->StringGrid1->SetCell(0, 1, "1e400");
    expectBox(clickAndRead(), "Gleitkommaüberlauf.", QMessageBox::Critical);

    // The window is active again with the focus where it was, and the
    // activation steps did not run again.
    form->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(form->focusWidget(), form->Button1);
    EXPECT_TRUE(form->Edit1->text().endsWith("MAI 07"));
}

TEST(FaultReportText, AddsAFullStopAfterCharactersSortingAfterIt) {
    EXPECT_EQ(FaultReportText("Gleitkommaüberlauf"), "Gleitkommaüberlauf.");
    EXPECT_EQ(FaultReportText("E/A-Fehler 5"), "E/A-Fehler 5.");
    EXPECT_EQ(FaultReportText("Fertig."), "Fertig.");
    EXPECT_EQ(FaultReportText("Was?!"), "Was?!");
    EXPECT_EQ(FaultReportText("Fehler 5"), "Fehler 5.");
    EXPECT_EQ(FaultReportText("Ende-"), "Ende-");
    EXPECT_EQ(FaultReportText(""), "");
}

}  // namespace
}  // namespace vektoria
