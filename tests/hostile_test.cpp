// What users and files can throw at the window: each case ends in its
// expected outcome within 2 s, loses nothing, and the next command works.
#include <sys/stat.h>

#include <QElapsedTimer>
#include <functional>

#include "file_fixture.h"

namespace vektoria {
namespace {

// The sanitizers slow everything down several times over.
#ifdef VEKTORIA_SANITIZED
constexpr qint64 kCommandLimitMs = 20000;
#else
constexpr qint64 kCommandLimitMs = 2000;
#endif

struct HostileCase {
    const char* name;
    // Sets the scene: files to load, cells to fill.
    std::function<void(FileTest&)> prepare;
    // The command under test, timed.
    std::function<void(FileTest&)> command;
    QStringList messages;
    QStringList faults;
    // Further checks of what the command left.
    std::function<void(FileTest&)> check;
};

class Hostile : public FileTest, public testing::WithParamInterface<HostileCase> {
  public:
    using FileTest::Load;
    using FileTest::Put;
    using FileTest::Save;
    TForm1& Window() { return *form; }
};

TEST_P(Hostile, EndsQuicklyInItsOutcomeAndTheWindowGoesOn) {
    const HostileCase& c = GetParam();
    c.prepare(*this);
    QElapsedTimer timer;
    timer.start();
    c.command(*this);
    EXPECT_LT(timer.elapsed(), kCommandLimitMs) << "ms for the command";
    EXPECT_EQ(dialogs.messages, c.messages);
    EXPECT_EQ(dialogs.faults, c.faults);
    EXPECT_GE(Store.LastRow, -1);
    EXPECT_LE(Store.LastRow, 9);
    EXPECT_GE(Store.LastCol, -1);
    EXPECT_LE(Store.LastCol, 9);
    if (c.check) c.check(*this);
    // The next command works normally.
    Click(form->Button7);
    Click(form->Button1);
    EXPECT_EQ(Column(form->StringGrid3, 0, 3), (QStringList{"6.0000", "6.5000", "-9.5000"}));
}

QByteArray Repeat(const QByteArray& piece, int times) {
    QByteArray bytes;
    bytes.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i) bytes += piece;
    return bytes;
}

// Reproducible bytes of every value but Ctrl-Z, which would end the file.
QByteArray Noise(int size) {
    QByteArray bytes(size, 0);
    uint32_t x = 12345;
    for (char& b : bytes) {
        x = x * 1103515245u + 12345u;
        b = static_cast<char>(x >> 24);
        if (b == 26) b = 27;
    }
    return bytes;
}

const QString kMegaDigits(1 << 20, u'7');

INSTANTIATE_TEST_SUITE_P(
    Cases, Hostile,
    testing::Values(
        HostileCase{"MegabyteOfDigitsInACell",
                    [](FileTest&) { Form1->StringGrid1->SetCell(0, 0, kMegaDigits); },
                    [](FileTest& t) { t.Click(Form1->Button1); },
                    {},
                    {"Gleitkommaüberlauf."},
                    [](FileTest&) { EXPECT_EQ(Form1->StringGrid1->Cell(0, 0), kMegaDigits); }},
        HostileCase{"MegabyteOfBlanksBeforeANumber",
                    [](FileTest&) {
                        LoadDemoData();
                        Form1->StringGrid1->SetCell(0, 0, QString(1 << 20, u' ') + "1");
                    },
                    [](FileTest& t) { t.Click(Form1->Button1); },
                    {},
                    {},
                    [](FileTest&) { EXPECT_EQ(Form1->StringGrid3->Cell(0, 0), "6.0000"); }},
        HostileCase{"FiveThousandDigitMantissa",
                    [](FileTest&) {
                        LoadDemoData();
                        Form1->StringGrid2->SetCell(0, 1, "0." + QString(5000, u'3'));
                    },
                    [](FileTest& t) { t.Click(Form1->Button1); },
                    {},
                    {"Gleitkommaüberlauf."},
                    nullptr},
        HostileCase{"NulAndControlBytesInAFile",
                    [](FileTest& t) {
                        t.Put("ctl.txt", QByteArray("1\0"
                                                    "2 3\x01\x7f=4\x1b\r\n",
                                                    12));
                    },
                    [](FileTest& t) { t.Load("ctl.txt"); },
                    {},
                    {},
                    [](FileTest& t) {
                        EXPECT_EQ(Form1->StringGrid1->Cell(0, 0), QString::fromLatin1("1\0"
                                                                                      "2",
                                                                                      3));
                        EXPECT_EQ(Store.Factors[0][0], 1.0) << "a NUL ends the number";
                        EXPECT_EQ(Store.Factors[0][1], 3.0);
                        t.Save("ctl2.txt");
                        EXPECT_EQ(Bytes("ctl2.txt"), Bytes("ctl.txt")) << "nothing lost";
                    }},
        HostileCase{"BinaryFile",
                    [](FileTest& t) { t.Put("bin.dat", Noise(1 << 16)); },
                    [](FileTest& t) { t.Load("bin.dat"); },
                    {"Datei zu groß!"},
                    {},
                    nullptr},
        HostileCase{"HundredMegabytesInOneLine",
                    [](FileTest& t) { t.Put("wide.txt", Repeat("1 ", 50'000'000)); },
                    [](FileTest& t) { t.Load("wide.txt"); },
                    {"Datei zu groß!"},
                    {},
                    [](FileTest&) {
                        EXPECT_EQ(Store.LastRow, 0);
                        EXPECT_EQ(Store.LastCol, 9);
                        EXPECT_EQ(Form1->StringGrid1->Cell(9, 0), "1");
                    }},
        HostileCase{"TwentyMegabyteToken",
                    [](FileTest& t) { t.Put("long.txt", Repeat("x", 20'000'000) + "=1\r\n"); },
                    [](FileTest& t) { t.Load("long.txt"); },
                    {},
                    {},
                    [](FileTest& t) {
                        EXPECT_EQ(Form1->StringGrid1->Cell(0, 0).size(), 20'000'000);
                        t.Save("long2.txt");
                        EXPECT_EQ(Bytes("long2.txt"), Bytes("long.txt")) << "nothing lost";
                    }},
        HostileCase{"HundredThousandLines",
                    [](FileTest& t) { t.Put("tall.txt", Repeat("1 2=3\r\n", 100'000)); },
                    [](FileTest& t) { t.Load("tall.txt"); },
                    {"Datei zu groß!"},
                    {},
                    [](FileTest&) { EXPECT_EQ(Store.LastRow, 9); }},
        HostileCase{"ThousandPositionsInALine",
                    [](FileTest& t) { t.Put("many.txt", Repeat("5 ", 1000) + "=1\r\n"); },
                    [](FileTest& t) { t.Load("many.txt"); },
                    {"Datei zu groß!"},
                    {},
                    [](FileTest&) {
                        EXPECT_EQ(Store.LastCol, 9);
                        EXPECT_EQ(Form1->StringGrid2->Cell(0, 0), "1");
                    }},
        HostileCase{"NameOf255Characters",
                    [](FileTest&) { LoadDemoData(); },
                    [](FileTest& t) {
                        t.Save(QString(251, u'n') + ".txt");
                        t.Load(QString(251, u'n') + ".txt");
                    },
                    {},
                    {},
                    [](FileTest&) {
                        EXPECT_EQ(Store.LastRow, 2);
                        EXPECT_EQ(Form1->Edit2->text(), QString(251, u'N') + ".TXT");
                    }},
        HostileCase{"NameInAMissingDirectory",
                    [](FileTest&) {},
                    [](FileTest& t) {
                        t.Load("missing/x.txt");
                        t.Save("missing/x.txt");
                    },
                    {"Datei nicht vorhanden!"},
                    {"Datei nicht gefunden."},
                    nullptr},
        HostileCase{"Fifo",
                    [](FileTest&) { ASSERT_EQ(mkfifo("pipe", 0644), 0); },
                    [](FileTest& t) {
                        t.Load("pipe");
                        t.Save("pipe");
                    },
                    {"Datei nicht vorhanden!", "Datei bereits vorhanden!"},
                    {},
                    nullptr},
        HostileCase{"Directory",
                    [](FileTest&) { ASSERT_EQ(mkdir("folder", 0755), 0); },
                    [](FileTest& t) {
                        t.Load("folder");
                        t.Save("folder");
                    },
                    {"Datei nicht vorhanden!", "Datei bereits vorhanden!"},
                    {},
                    nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vektoria
