// The main window, the program's one equation store, the transfers between
// grids and store, and the commands.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>
#include <string_view>

#include "equation_store.h"
#include "string_grid.h"

namespace vektoria {

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);

    StringGrid* StringGrid1;  // coefficients
    StringGrid* StringGrid2;  // constants
    StringGrid* StringGrid3;  // results
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QCheckBox* CheckBox1;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button7;
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    QGroupBox* GroupBox4;
    QGroupBox* GroupBox5;
    QGroupBox* GroupBox6;
    QLabel* Label1;
    QLabel* Label2;

  public slots:
    void Button7Click();  // Demo
    void Button5Click();  // close
    void Button4Click();  // Load
    void Button1Click();  // Solve
    void Button2Click();  // Clear
    void Button3Click();  // Save
    void FormActivate();

  protected:
    // The window's own tab order, passing over disabled controls.
    bool focusNextPrevChild(bool next) override;
};

// The window; set when it is created.
extern TForm1* Form1;
// The one system of equations of the run, zeroed at start.
extern EquationStore Store;

// Cell texts become bytes of the program's 8-bit character set
// (ISO-8859-1); a character without such a code becomes '?'.
std::string ToBytes(const QString& text);
QString FromBytes(std::string_view bytes);

// The edits show their text in capitals.
void SetEditText(QLineEdit& edit, const QString& text);

void ShowNotice();
void ReadGrids();
void ShowEchelon();
void ShowResult(int32_t row, double value);
void ClearInputGrids();
void ClearResults();
void LoadDemoData();
void ReadEquationFile(const QString& name);
void WriteEquationFile(const QString& name);

}  // namespace vektoria
