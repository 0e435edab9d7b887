#include "vekt1.h"

#include <QFont>
#include <QPalette>
#include <array>

#include "command.h"
#include "dialogs.h"
#include "first_activation.h"
#include "numtext.h"
#include "solver.h"

namespace vektoria {

TForm1* Form1 = nullptr;
EquationStore Store{};

namespace {

constexpr int kClientWidth = 652;
constexpr int kClientHeight = 276;
constexpr int kResultWidth = 5;
constexpr int kEchelonWidth = 8;
constexpr int kDecimals = 4;

// The notice shown in Edit1, every character code raised by 6.
constexpr char kStoredNotice[] =
    "\x2E\x69\x2F\x26\x5C\x6B\x71\x7A\x75\x78\x6F\x67\x33\x5A\x6B\x67\x73\x32\x26";
const QColor kGrayText(109, 109, 109);
const QString kNoticeDate = QStringLiteral("Mai 07");

template <typename T>
T* Place(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(left, top, width, height);
    return w;
}

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& caption, int left,
                        int top, int width, int height) {
    auto* box = Place<QGroupBox>(parent, name, left, top, width, height);
    box->setTitle(caption);
    // The caption sits on the frame line, as on a classic desktop.
    box->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 7px; top: -1px; padding: 0px; background-color: palette(button); }"));
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint, int left, int top, int width, int height) {
    auto* button = Place<QPushButton>(parent, name, left, top, width, height);
    button->setText(caption);
    button->setToolTip(hint);
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    return button;
}

StringGrid* MakeGrid(QWidget* parent, const char* name, int cols, const QString& hint, int left,
                     int top, int width, int height) {
    auto* grid = new StringGrid(cols, 6, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setGeometry(left, top, width, height);
    grid->setToolTip(hint);
    grid->setAccessibleName(hint);
    for (int r = 0; r < grid->RowCount(); ++r)
        for (int c = 0; c < grid->ColCount(); ++c)
            grid->CellEditor(c, r)->setAccessibleName(
                QStringLiteral("%1, Zeile %2, Spalte %3").arg(hint).arg(r + 1).arg(c + 1));
    return grid;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& hint, const QString& purpose,
                    QPalette::ColorRole background, int left, int top, int width, int height) {
    auto* edit = Place<QLineEdit>(parent, name, left, top, width, height);
    edit->setToolTip(hint);
    edit->setAccessibleName(purpose);
    edit->setEnabled(false);
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Disabled, QPalette::Base, pal.color(QPalette::Active, background));
    pal.setColor(QPalette::Disabled, QPalette::Text, kGrayText);
    edit->setPalette(pal);
    return edit;
}

// Results stay readable although their grid is disabled.
void MakeResultsReadable(StringGrid& grid) {
    QPalette pal = grid.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, Qt::white);
        pal.setColor(group, QPalette::Text, pal.color(QPalette::Active, QPalette::WindowText));
    }
    for (int r = 0; r < grid.RowCount(); ++r) grid.CellEditor(0, r)->setPalette(pal);
}

QFont FontOf(const QStringList& families, int pixelHeight, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

// What the solver needs of the window.
class WindowSolverView : public SolverView {
  public:
    bool EchelonWanted() override { return Form1->CheckBox1->isChecked(); }
    void ShowEchelon() override { vektoria::ShowEchelon(); }
    void ShowResult(int32_t row, double value) override { vektoria::ShowResult(row, value); }
    void ShowMessage(const std::string& text) override {
        Dialogs().ShowMessage(QString::fromStdString(text));
    }
};

QString NumberText(double value, int width) {
    return FromBytes(NumberToText(value, width, kDecimals));
}

double CellNumber(const QString& text) { return TextToNumber(ToBytes(text)); }

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vektoria"));
    setFont(FontOf({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("DejaVu Sans")},
                   11, false));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    resize(kClientWidth, kClientHeight);

    // The frames first, so that the controls are drawn above them.
    GroupBox1 = MakeGroupBox(this, "GroupBox1", QStringLiteral(" Berechne GLS "), 8, 0, 641, 265);
    GroupBox4 = MakeGroupBox(this, "GroupBox4", QStringLiteral(" Faktoren "), 8, 32, 409, 177);
    GroupBox5 = MakeGroupBox(this, "GroupBox5", QStringLiteral(" Konstanten "), 440, 32, 73, 177);
    GroupBox6 = MakeGroupBox(this, "GroupBox6", QStringLiteral(" Ergebnis "), 568, 32, 81, 177);
    GroupBox2 = MakeGroupBox(this, "GroupBox2", QStringLiteral(" GLS ... "), 8, 208, 409, 57);
    GroupBox3 = MakeGroupBox(this, "GroupBox3", QString(), 416, 208, 233, 57);

    StringGrid1 = MakeGrid(this, "StringGrid1", 6, QStringLiteral("Faktoren"), 16, 48, 393, 153);
    StringGrid2 = MakeGrid(this, "StringGrid2", 1, QStringLiteral("Konstanten"), 448, 48, 57, 153);
    StringGrid3 = MakeGrid(this, "StringGrid3", 1, QStringLiteral("Ergebnisse"), 576, 48, 65, 153);
    MakeResultsReadable(*StringGrid3);
    Button1 = MakeButton(this, "Button1", QStringLiteral("Löse >"), QStringLiteral("Berechnen"),
                         520, 128, 41, 25);
    Button2 = MakeButton(this, "Button2", QStringLiteral("Matrix löschen"), QStringLiteral("Clear"),
                         96, 240, 81, 17);
    Button3 = MakeButton(this, "Button3", QStringLiteral("Speichern"), QStringLiteral("Sichern"),
                         16, 240, 81, 17);
    Button4 = MakeButton(this, "Button4", QStringLiteral("Laden"), QStringLiteral("Öffnen"), 16,
                         224, 81, 17);
    Button5 = MakeButton(this, "Button5", QStringLiteral("X"), QStringLiteral("Tschüss!"), 632, 8,
                         17, 17);
    CheckBox1 = Place<QCheckBox>(this, "CheckBox1", 240, 216, 161, 17);
    CheckBox1->setText(QStringLiteral("Gestaffelte Matrix ausgeben"));
    CheckBox1->setToolTip(QStringLiteral("Übersicht"));
    CheckBox1->setAccessibleName(CheckBox1->text());
    Edit1 = MakeEdit(this, "Edit1", QStringLiteral("Copyright"), QStringLiteral("Hinweis"),
                     QPalette::Button, 424, 224, 217, 21);
    Edit2 = MakeEdit(this, "Edit2", QStringLiteral("Offene Datei"), QStringLiteral("Offene Datei"),
                     QPalette::Midlight, 240, 240, 153, 21);
    SetEditText(*Edit2, QStringLiteral("Unbenannt"));
    Button7 = MakeButton(this, "Button7", QStringLiteral("Demo"), QString(), 96, 224, 81, 17);
    Label1 = Place<QLabel>(this, "Label1", 208, 240, 28, 13);
    Label1->setText(QStringLiteral("Datei:"));
    Label2 = Place<QLabel>(this, "Label2", 424, 128, 9, 19);
    Label2->setText(QStringLiteral("="));
    Label2->setFont(FontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, 16, true));

    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    OnFirstActivation(*this, [this] { FormActivate(); });
}

bool TForm1::focusNextPrevChild(bool next) {
    const std::array<QWidget*, 12> order = {StringGrid1, StringGrid2, StringGrid3, Button1,
                                            Button2,     Button3,     Button4,     Button5,
                                            CheckBox1,   Edit1,       Edit2,       Button7};
    const int count = static_cast<int>(order.size());
    QWidget* focused = focusWidget();
    int index = 0;
    for (int i = 0; i < count; ++i)
        if (order[static_cast<size_t>(i)] == focused ||
            order[static_cast<size_t>(i)]->isAncestorOf(focused))
            index = i;
    for (int step = 1; step <= count; ++step) {
        QWidget* candidate =
            order[static_cast<size_t>((index + (next ? step : count - step)) % count)];
        if (candidate->isEnabled() && candidate->isVisible()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void TForm1::FormActivate() {
    ShowNotice();
    StringGrid3->setFocus();
    StringGrid3->setEnabled(false);
    StringGrid2->setFocus();
    StringGrid1->setFocus();
}

void TForm1::Button5Click() { close(); }

void TForm1::Button1Click() {
    RunCommand([] {
        ReadGrids();
        WindowSolverView view;
        SolveSystem(Store, view);
    });
}

void TForm1::Button2Click() {
    RunCommand([] {
        ClearInputGrids();
        ClearResults();
        Store.LastCol = 0;
        Store.LastRow = 0;
    });
}

void TForm1::Button7Click() { RunCommand(LoadDemoData); }

std::string ToBytes(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString FromBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void SetEditText(QLineEdit& edit, const QString& text) { edit.setText(text.toUpper()); }

void ShowNotice() {
    QByteArray notice(kStoredNotice);
    for (char& ch : notice) ch = static_cast<char>(static_cast<unsigned char>(ch) - 6);
    SetEditText(*Form1->Edit1, QString::fromLatin1(notice) + kNoticeDate);
}

void ReadGrids() {
    StringGrid& factors = *Form1->StringGrid1;
    StringGrid& constants = *Form1->StringGrid2;
    // One row and one column beyond what the grids show.
    for (int r = 0; r <= factors.RowCount(); ++r) {
        for (int c = 0; c <= factors.ColCount(); ++c) {
            const QString text = factors.Cell(c, r);
            Store.Factors[r][c] = CellNumber(text);
            if (!text.isEmpty()) {  // a lone blank counts too
                if (r > Store.LastRow) Store.LastRow = r;
                if (c > Store.LastCol) Store.LastCol = c;
            }
        }
    }
    for (int r = 0; r <= constants.RowCount(); ++r)
        Store.Constants[r] = CellNumber(constants.Cell(0, r));
}

void ShowEchelon() {
    const int32_t n = Store.LastRow;
    for (int32_t r = 0; r <= n; ++r)
        for (int32_t c = 0; c <= n; ++c)
            Form1->StringGrid1->SetCell(c, r, NumberText(Store.Factors[r][c], kEchelonWidth));
    for (int32_t r = 0; r <= n; ++r)
        Form1->StringGrid2->SetCell(0, r, NumberText(Store.Constants[r], kEchelonWidth));
}

void ShowResult(int32_t row, double value) {
    Form1->StringGrid3->SetCell(0, row, NumberText(value, kResultWidth));
}

void ClearInputGrids() {
    StringGrid& factors = *Form1->StringGrid1;
    for (int c = 0; c <= factors.ColCount(); ++c)
        for (int r = 0; r <= factors.RowCount(); ++r) factors.SetCell(c, r, QString());
    StringGrid& constants = *Form1->StringGrid2;
    for (int r = 0; r <= constants.RowCount(); ++r) constants.SetCell(0, r, QString());
}

void ClearResults() {
    StringGrid& results = *Form1->StringGrid3;
    for (int r = 0; r <= Form1->StringGrid2->RowCount(); ++r) {
        results.SetCell(0, r, QString());
        Store.Results[r] = 0.0;
    }
}

void LoadDemoData() {
    ClearResults();
    ClearInputGrids();
    SetEditText(*Form1->Edit2, QStringLiteral("Demo-Daten!"));
    Store.LastCol = 2;
    Store.LastRow = 2;
    struct DemoCell {
        StringGrid* grid;
        int col;
        int row;
        const char* text;
    };
    StringGrid* f = Form1->StringGrid1;
    StringGrid* k = Form1->StringGrid2;
    const DemoCell cells[] = {{f, 0, 0, "1"},  {f, 0, 1, "2"},  {f, 0, 2, "4"}, {f, 1, 0, "1"},
                              {f, 1, 1, "-3"}, {f, 1, 2, "-5"}, {f, 2, 0, "1"}, {f, 2, 1, "-1"},
                              {f, 2, 2, "-1"}, {k, 0, 0, "3"},  {k, 0, 1, "2"}, {k, 0, 2, "1"}};
    for (const DemoCell& cell : cells)
        cell.grid->SetCell(cell.col, cell.row, QString::fromLatin1(cell.text));
}

}  // namespace vektoria
