// What a screen reader hears, through Qt's accessibility interface.
#include <QAccessible>

#include "window_fixture.h"

namespace vektoria {
namespace {

QString Spoken(QObject* object, QAccessible::Text what = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(what) : QStringLiteral("<none>");
}

TEST_F(WindowTest, EveryControlHasANameToSpeak) {
    const std::pair<QWidget*, QString> names[] = {
        {form->StringGrid1, "Faktoren"},   {form->StringGrid2, "Konstanten"},
        {form->StringGrid3, "Ergebnisse"}, {form->Button1, "Löse >"},
        {form->Button2, "Matrix löschen"}, {form->Button3, "Speichern"},
        {form->Button4, "Laden"},          {form->Button5, "X"},
        {form->Button7, "Demo"},           {form->CheckBox1, "Gestaffelte Matrix ausgeben"},
        {form->Edit1, "Hinweis"},          {form->Edit2, "Offene Datei"},
    };
    for (const auto& [widget, name] : names)
        EXPECT_EQ(Spoken(widget), name) << widget->objectName().toStdString();
}

TEST_F(WindowTest, CellsReportWhereTheyAreAndTheirText) {
    LoadDemoData();
    GridCell* cell = form->StringGrid1->CellEditor(1, 2);
    EXPECT_EQ(Spoken(cell), "Faktoren, Zeile 3, Spalte 2");
    EXPECT_EQ(Spoken(cell, QAccessible::Value), "-5");
    Click(form->Button1);
    EXPECT_EQ(Spoken(form->StringGrid3->CellEditor(0, 2), QAccessible::Value), "-9.5000");
    EXPECT_EQ(Spoken(form->Edit2, QAccessible::Value), "DEMO-DATEN!");
}

}  // namespace
}  // namespace vektoria
