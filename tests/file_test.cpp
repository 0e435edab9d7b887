#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>

#include "file_fixture.h"

namespace vektoria {
namespace {

TEST_F(FileTest, SaveAfterDemoWritesTheWorkedExample) {
    Click(form->Button7);
    Save("gls_demo.txt");
    EXPECT_EQ(dialogs.prompts,
              QStringList{"GLS-Datei speichern|Bitte Dateinamen angeben:|Gls.txt"});
    EXPECT_EQ(Bytes("gls_demo.txt"), Fixture("demo.txt"));
    EXPECT_EQ(Bytes("gls_demo.txt").size(), 31);
    EXPECT_EQ(form->Edit2->text(), "GLS_DEMO.TXT");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(FileTest, LoadGivesBackTextsNumbersNameAndExtents) {
    Put("Demo.txt", Fixture("demo.txt"));
    Click(form->Button7);
    Click(form->Button1);  // results to be emptied by the load
    Load("Demo.txt");
    EXPECT_EQ(dialogs.prompts, QStringList{"GLS-Datei einlesen|Bitte Dateinamen angeben:|Gls.txt"});
    EXPECT_EQ(Row(0, 4), (QStringList{"1", "1", "1", ""}));
    EXPECT_EQ(Row(1, 4), (QStringList{"2", "-3", "-1", ""}));
    EXPECT_EQ(Row(2, 4), (QStringList{"4", "-5", "-1", ""}));
    EXPECT_EQ(Column(form->StringGrid2, 0, 4), (QStringList{"3", "2", "1", ""}));
    EXPECT_EQ(Column(form->StringGrid3, 0, 3), (QStringList{"", "", ""}));
    EXPECT_EQ(Store.Factors[1][1], -3);
    EXPECT_EQ(Store.Constants[0], 3);
    EXPECT_EQ(Store.LastRow, 2);
    EXPECT_EQ(Store.LastCol, 2);
    EXPECT_EQ(form->Edit2->text(), "DEMO.TXT");
    Click(form->Button1);
    EXPECT_EQ(Column(form->StringGrid3, 0, 3), (QStringList{"6.0000", "6.5000", "-9.5000"}));
}

// Names a table's cases after their fixture files.
struct FixtureCaseName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return QString::fromLatin1(info.param.file).section('.', 0, 0).toStdString();
    }
};

struct FixtureCase {
    const char* file;
    int lastRow;
    int lastCol;
    QStringList row0;
    QString constant0;
};

class FixtureLoads : public FileTest, public testing::WithParamInterface<FixtureCase> {};

TEST_P(FixtureLoads, FollowTheLineRules) {
    const FixtureCase& c = GetParam();
    Put("f.txt", Fixture(c.file));
    Load("f.txt");
    EXPECT_EQ(Store.LastRow, c.lastRow);
    EXPECT_EQ(Store.LastCol, c.lastCol);
    EXPECT_EQ(Row(0, static_cast<int>(c.row0.size())), c.row0);
    EXPECT_EQ(form->StringGrid2->Cell(0, 0), c.constant0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.faults.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FixtureLoads,
    testing::Values(FixtureCase{"lf_only.txt", 2, 2, {"1", "1", "1", ""}, "3"},
                    FixtureCase{"cr_only.txt", 0, 3, {"1", "1", "32", "-1", ""}, "2"},
                    FixtureCase{"ctrlz_line_start.txt", 0, 1, {"1", "1", ""}, "2"},
                    FixtureCase{"ctrlz_in_line.txt", 0, 1, {"1", "1", ""}, "2"},
                    FixtureCase{"trailing_empty_line.txt", 2, 1, {"1", "1"}, "2"},
                    FixtureCase{"tab_and_blanks.txt", 0, 2, {"1\t2", "", "", ""}, "3"},
                    FixtureCase{"empty.txt", -1, -1, {"", ""}, ""}),
    FixtureCaseName{});

TEST_F(FileTest, TwoEquationsInThreeUnknownsAreNotSquare) {
    Put("f.txt", "1 2 3=4\r\n5 6 7=8\r\n");
    Load("f.txt");
    EXPECT_EQ(Store.LastRow, 1);
    EXPECT_EQ(Store.LastCol, 2);
    Click(form->Button1);
    EXPECT_EQ(dialogs.messages, QStringList{"Matrix nicht quadratisch!"});
    EXPECT_EQ(Store.LastRow, 0);
    EXPECT_EQ(Store.LastCol, 0);
}

TEST_F(FileTest, SevenBySevenReachesTheHiddenCellsAndSavesBack) {
    Put("seven.txt", Fixture("seven_by_seven.txt"));
    Load("seven.txt");
    EXPECT_EQ(Store.LastRow, 6);
    EXPECT_EQ(Store.LastCol, 6);
    EXPECT_EQ(form->StringGrid1->Cell(6, 6), "2");
    EXPECT_EQ(form->StringGrid2->Cell(0, 6), "14");
    Click(form->Button1);
    EXPECT_EQ(form->StringGrid3->Cell(0, 6), "7.0000");
    EXPECT_EQ(form->StringGrid3->Cell(0, 0), "1.0000");
    Save("copy.txt");
    EXPECT_EQ(Bytes("copy.txt"), Fixture("seven_by_seven.txt"));
}

TEST_F(FileTest, StaggeredSaveReadsBackIntoHigherColumns) {
    Click(form->Button7);
    form->CheckBox1->setChecked(true);
    Click(form->Button1);
    Save("st.txt");
    EXPECT_TRUE(Bytes("st.txt").startsWith("  1.0000   1.0000   1.0000=  3.0000\r\n"));
    Load("st.txt");
    // The blanks in front become empty coefficients: 11 positions a line.
    EXPECT_EQ(Row(0, 4), (QStringList{"", "", "1.0000", ""}));
    EXPECT_EQ(form->StringGrid2->Cell(0, 1), "-4.0000");
    EXPECT_EQ(dialogs.messages, QStringList{"Datei zu groß!"});
    EXPECT_EQ(Store.LastCol, 9);
}

struct CapacityCase {
    const char* file;
    int lastRow;
    int lastCol;
};

class CapacityLoads : public FileTest, public testing::WithParamInterface<CapacityCase> {};

TEST_P(CapacityLoads, StoreWhatFitsAndSaySo) {
    Put("big.txt", Fixture(GetParam().file));
    Load("big.txt");
    EXPECT_EQ(dialogs.messages, QStringList{"Datei zu groß!"});
    EXPECT_EQ(Store.LastRow, GetParam().lastRow);
    EXPECT_EQ(Store.LastCol, GetParam().lastCol);
    EXPECT_EQ(form->Edit2->text(), "BIG.TXT");
}

INSTANTIATE_TEST_SUITE_P(Cases, CapacityLoads,
                         testing::Values(CapacityCase{"eleven_lines.txt", 9, 0},
                                         CapacityCase{"eleven_positions.txt", 0, 9}),
                         FixtureCaseName{});

TEST_F(FileTest, ElevenPositionsKeepTheirConstant) {
    Put("big.txt", Fixture("eleven_positions.txt"));
    Load("big.txt");
    EXPECT_EQ(form->StringGrid1->Cell(9, 0), "9");
    EXPECT_EQ(form->StringGrid2->Cell(0, 0), "99");
    EXPECT_EQ(Store.Factors[0][9], 9);
}

TEST_F(FileTest, LoadEmptiesTheGridsBeforeThePromptAndResultsAfterIt) {
    Click(form->Button7);
    Click(form->Button1);
    QStringList seenAtPrompt;
    dialogs.onPrompt = [&] {
        seenAtPrompt << form->StringGrid1->Cell(0, 0) << form->StringGrid2->Cell(0, 0)
                     << form->StringGrid3->Cell(0, 0);
    };
    Load("missing.txt");
    EXPECT_EQ(seenAtPrompt, (QStringList{"", "", "6.0000"}));
    EXPECT_EQ(form->StringGrid3->Cell(0, 0), "");
    EXPECT_EQ(Store.Results[0], 0.0);
}

struct RefusedLoad {
    const char* name;
    QString file;
};

class RefusedLoads : public FileTest, public testing::WithParamInterface<RefusedLoad> {};

TEST_P(RefusedLoads, SayTheFileIsMissingAndChangeNothingElse) {
    ASSERT_EQ(mkdir("adir", 0755), 0);
    ASSERT_EQ(mkfifo("afifo", 0644), 0);
    Click(form->Button7);
    Click(form->Button1);
    const EquationStore before = Store;
    QElapsedTimer timer;
    timer.start();
    Load(GetParam().file);
    EXPECT_LT(timer.elapsed(), 2000) << "never blocks";
    EXPECT_EQ(dialogs.messages, QStringList{"Datei nicht vorhanden!"});
    EXPECT_EQ(form->Edit2->text(), "DEMO-DATEN!");
    EXPECT_EQ(Store.LastRow, before.LastRow);
    EXPECT_EQ(Store.LastCol, before.LastCol);
    EXPECT_EQ(Store.Factors[1][1], before.Factors[1][1]);
    EXPECT_EQ(form->StringGrid1->Cell(0, 0), "");
    EXPECT_TRUE(dialogs.faults.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedLoads,
                         testing::Values(RefusedLoad{"Missing", "missing.txt"},
                                         RefusedLoad{"Directory", "adir"},
                                         RefusedLoad{"Fifo", "afifo"}, RefusedLoad{"EmptyName", ""},
                                         RefusedLoad{"NoSuchDirectory", "nodir/x.txt"},
                                         RefusedLoad{"NulInName", QString("a") + QChar(0) + "b"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileTest, SaveNeverTouchesAnExistingName) {
    Put("exists.txt", "keep me\r\n");
    ASSERT_EQ(mkdir("adir", 0755), 0);
    ASSERT_EQ(symlink("nowhere.txt", "dangling"), 0);
    Click(form->Button7);
    for (const char* name : {"exists.txt", "adir", "dangling"}) {
        Save(QString::fromLatin1(name));
        EXPECT_EQ(dialogs.messages.last(), "Datei bereits vorhanden!") << name;
    }
    EXPECT_EQ(dialogs.messages.size(), 3);
    EXPECT_EQ(Bytes("exists.txt"), "keep me\r\n");
    EXPECT_FALSE(QFile::exists("nowhere.txt")) << "no file created through the link";
    EXPECT_EQ(form->Edit2->text(), "DEMO-DATEN!");
}

TEST_F(FileTest, CancelledPromptMeansTheDefaultName) {
    Click(form->Button7);
    Click(form->Button3);  // no answer: the prompt gives "Gls.txt"
    EXPECT_EQ(Bytes("Gls.txt"), Fixture("demo.txt"));
    Click(form->Button2);
    Click(form->Button4);
    EXPECT_EQ(form->Edit2->text(), "GLS.TXT");
    EXPECT_EQ(Store.LastRow, 2);
}

TEST_F(FileTest, NameIsUsedAsTypedAndShownInCapitals) {
    Click(form->Button7);
    Save("MixedCase.txt");
    EXPECT_TRUE(QFile::exists("MixedCase.txt"));
    EXPECT_FALSE(QFile::exists("MIXEDCASE.TXT"));
    EXPECT_EQ(form->Edit2->text(), "MIXEDCASE.TXT");
}

TEST_F(FileTest, EmptyGridsSaveAnEmptyFile) {
    Click(form->Button2);
    Save("nothing.txt");
    EXPECT_EQ(Bytes("nothing.txt"), "");
    Load("nothing.txt");
    EXPECT_EQ(Store.LastRow, -1);
    EXPECT_EQ(Store.LastCol, -1);
    EXPECT_EQ(form->Edit2->text(), "NOTHING.TXT");
}

TEST_F(FileTest, CellTextsRoundTripThroughTheFile) {
    Click(form->Button2);
    form->StringGrid1->SetCell(0, 0, "1");
    form->StringGrid1->SetCell(2, 0, "2");                           // empty cell between closes up
    form->StringGrid2->SetCell(0, 1, "5");                           // a constant alone
    form->StringGrid1->SetCell(0, 3, QString::fromLatin1("x\xe4"));  // row 2 empty: not written
    form->StringGrid1->SetCell(1, 3, QStringLiteral("5€"));          // no 8-bit code: '?'

    Save("rt.txt");
    EXPECT_EQ(Bytes("rt.txt"), QByteArray("1 2=\r\n=5\r\nx\xe4 5?=\r\n"));
    Load("rt.txt");
    EXPECT_EQ(Row(0, 3), (QStringList{"1", "2", ""}));
    EXPECT_EQ(Row(1, 2), (QStringList{"", ""}));
    EXPECT_EQ(form->StringGrid2->Cell(0, 1), "5");
    EXPECT_EQ(form->StringGrid1->Cell(0, 2), QString::fromLatin1("x\xe4"));
    EXPECT_EQ(Store.LastRow, 2);
    EXPECT_EQ(Store.LastCol, 1);
}

TEST_F(FileTest, EmptyNameOnSaveIsAnInvalidName) {
    Click(form->Button7);
    Save("");
    EXPECT_EQ(dialogs.faults, QStringList{"Ungültiger Dateiname."});
    EXPECT_EQ(form->Edit2->text(), "DEMO-DATEN!");
}

// Faults of the system calls, injected where the machine cannot make them.
int gInjected = 0;
int FailingOpen(const char*, int, mode_t) {
    errno = gInjected;
    return -1;
}
ssize_t FailingRead(int, void*, size_t) {
    errno = gInjected;
    return -1;
}
ssize_t FailingWrite(int, const void*, size_t) {
    errno = gInjected;
    return -1;
}

struct CreateFault {
    const char* name;
    int error;
    QString report;
};

class CreateFaults : public FileTest, public testing::WithParamInterface<CreateFault> {};

TEST_P(CreateFaults, AreReportedWithTheirTexts) {
    gInjected = GetParam().error;
    SystemFileCalls().open = FailingOpen;
    Click(form->Button7);
    Save("new.txt");
    EXPECT_EQ(dialogs.faults, QStringList{GetParam().report});
    EXPECT_EQ(form->Edit2->text(), "DEMO-DATEN!");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CreateFaults,
    testing::Values(CreateFault{"NotFound", ENOENT, "Datei nicht gefunden."},
                    CreateFault{"NotDirectory", ENOTDIR, "Ungültiger Dateiname."},
                    CreateFault{"NameTooLong", ENAMETOOLONG, "Ungültiger Dateiname."},
                    CreateFault{"TooManyFiles", EMFILE, "Zu viele geöffnete Dateien."},
                    CreateFault{"SystemTooManyFiles", ENFILE, "Zu viele geöffnete Dateien."},
                    CreateFault{"AccessDenied", EACCES, "Dateizugriff verweigert."},
                    CreateFault{"NotPermitted", EPERM, "Dateizugriff verweigert."},
                    CreateFault{"ReadOnlyFs", EROFS, "Dateizugriff verweigert."},
                    CreateFault{"Other", EIO, "E/A-Fehler 5."},
                    CreateFault{"NoSpace", ENOSPC, "E/A-Fehler 28."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileTest, RealPathFaultsOnSave) {
    Put("plain.txt", "x");
    Click(form->Button7);
    Save("nodir/x.txt");
    Save("plain.txt/x.txt");
    Save(QString(300, 'n'));
    EXPECT_EQ(dialogs.faults, (QStringList{"Datei nicht gefunden.", "Ungültiger Dateiname.",
                                           "Ungültiger Dateiname."}));
}

TEST_F(FileTest, ReadFaultKeepsWhatWasReadWithCountingExtents) {
    Put("f.txt", Fixture("demo.txt"));
    gInjected = EIO;
    SystemFileCalls().read = FailingRead;
    Load("f.txt");
    EXPECT_EQ(dialogs.faults, QStringList{"E/A-Fehler 5."});
    EXPECT_EQ(form->Edit2->text(), "F.TXT");
    EXPECT_EQ(Store.LastRow, 0);
    EXPECT_EQ(Store.LastCol, 0);
}

TEST_F(FileTest, WriteFaultIsReportedAfterTheNameIsShown) {
    gInjected = ENOSPC;
    SystemFileCalls().write = FailingWrite;
    Click(form->Button7);
    Save("full.txt");
    EXPECT_EQ(dialogs.faults, QStringList{"E/A-Fehler 28."});
    EXPECT_EQ(form->Edit2->text(), "FULL.TXT");
    SystemFileCalls() = saved;
    // The next command works normally.
    Save("next.txt");
    EXPECT_EQ(Bytes("next.txt"), Fixture("demo.txt"));
}

struct PromptSeen {
    QString caption, label, value, selected;
    int maxLength = 0;
    QStringList buttons;
    QString defaultButton;
};

// Answers the next real name prompt: types `typed`, then OK or Abbrechen.
void AnswerNextPrompt(PromptSeen& seen, QString typed, bool ok) {
    QTimer::singleShot(0, [&seen, typed, ok] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            AnswerNextPrompt(seen, typed, ok);
            return;
        }
        auto* edit = dialog->findChild<QLineEdit*>();
        seen.caption = dialog->windowTitle();
        seen.label = dialog->labelText();
        seen.value = edit->text();
        seen.selected = edit->selectedText();
        seen.maxLength = edit->maxLength();
        QPushButton* cancel = nullptr;
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            seen.buttons << b->text();
            if (b->isDefault()) seen.defaultButton = b->text();
            if (b->text() == "Abbrechen") cancel = b;
        }
        QTest::keyClicks(edit, typed);
        if (ok)
            dialog->accept();
        else
            cancel->click();
    });
}

TEST_F(FileTest, RealNamePromptGivesTheDefaultUnlessConfirmed) {
    SetDialogs(nullptr);
    Click(form->Button7);
    PromptSeen seen;
    AnswerNextPrompt(seen, "typed.txt", false);
    form->Button3->click();
    EXPECT_EQ(seen.caption, "GLS-Datei speichern");
    EXPECT_EQ(seen.label, "Bitte Dateinamen angeben:");
    EXPECT_EQ(seen.value, "Gls.txt");
    EXPECT_EQ(seen.selected, "Gls.txt");
    EXPECT_EQ(seen.maxLength, 255);
    EXPECT_TRUE(seen.buttons.contains("OK"));
    EXPECT_TRUE(seen.buttons.contains("Abbrechen"));
    EXPECT_EQ(seen.defaultButton, "OK");
    EXPECT_TRUE(QFile::exists("Gls.txt"));
    EXPECT_FALSE(QFile::exists("typed.txt"));

    PromptSeen confirmed;
    AnswerNextPrompt(confirmed, "typed.txt", true);
    form->Button3->click();
    EXPECT_EQ(Bytes("typed.txt"), Fixture("demo.txt"));
    EXPECT_EQ(form->Edit2->text(), "TYPED.TXT");
}

}  // namespace
}  // namespace vektoria
