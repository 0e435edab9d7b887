// The Load and Save commands and the equation file's reader and writer.
#include <string>
#include <vector>

#include "command.h"
#include "dialogs.h"
#include "equation_reader.h"
#include "equation_writer.h"
#include "text_file.h"
#include "vekt1.h"

namespace vektoria {

namespace {

const QString kPromptLine = QStringLiteral("Bitte Dateinamen angeben:");
const QString kDefaultName = QStringLiteral("Gls.txt");

// The file's tokens go into the input grids.
class GridSink : public CellSink {
  public:
    void SetCoefficient(int col, int row, std::string_view text) override {
        Form1->StringGrid1->SetCell(col, row, FromBytes(text));
    }
    void SetConstant(int row, std::string_view text) override {
        Form1->StringGrid2->SetCell(0, row, FromBytes(text));
    }
};

std::string CellBytes(const StringGrid& grid, int col, int row) {
    return ToBytes(grid.Cell(col, row));
}

}  // namespace

void TForm1::Button4Click() {
    RunCommand([] {
        ClearInputGrids();
        ReadEquationFile(
            Dialogs().PromptName(QStringLiteral("GLS-Datei einlesen"), kPromptLine, kDefaultName));
    });
}

void TForm1::Button3Click() {
    RunCommand([] {
        WriteEquationFile(
            Dialogs().PromptName(QStringLiteral("GLS-Datei speichern"), kPromptLine, kDefaultName));
    });
}

void ReadEquationFile(const QString& name) {
    ClearInputGrids();
    ClearResults();
    if (!EquationFile.OpenRead(name)) {
        Dialogs().ShowMessage(QStringLiteral("Datei nicht vorhanden!"));
        return;
    }
    CloseOnFault closer;
    SetEditText(*Form1->Edit2, name);
    GridSink sink;
    const bool tooLarge = ReadEquations(EquationFile, Store, sink, [] { EquationFile.Close(); });
    // A larger system must not pass for the part of it that fitted.
    if (tooLarge) Dialogs().ShowMessage(QStringLiteral("Datei zu groß!"));
}

void WriteEquationFile(const QString& name) {
    if (!EquationFile.CreateNew(name)) {
        Dialogs().ShowMessage(QStringLiteral("Datei bereits vorhanden!"));
        return;
    }
    CloseOnFault closer;
    SetEditText(*Form1->Edit2, name);
    const StringGrid& factors = *Form1->StringGrid1;
    // One row and one column beyond what the grid shows.
    for (int r = 0; r <= factors.RowCount(); ++r) {
        std::vector<std::string> coefficients;
        for (int c = 0; c <= factors.ColCount(); ++c)
            coefficients.push_back(CellBytes(factors, c, r));
        const std::string line =
            ComposeEquationLine(coefficients, CellBytes(*Form1->StringGrid2, 0, r));
        if (line == "=") continue;  // a row with no text at all
        EquationFile.Write(line);
        EquationFile.WriteLineEnd();
    }
    EquationFile.Close();
}

}  // namespace vektoria
