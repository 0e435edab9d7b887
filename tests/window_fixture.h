// A fresh main window per test, with the program's boxes answered by a
// script instead of a user.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>

#include "dialogs.h"
#include "vekt1.h"

namespace vektoria {

class ScriptedDialogs : public DialogLayer {
  public:
    void ShowMessage(const QString& text) override { messages << text; }
    void ShowFaultReport(const QString& text) override { faults << text; }
    QString PromptName(const QString& caption, const QString& prompt,
                       const QString& defaultText) override {
        prompts << caption + u'|' + prompt + u'|' + defaultText;
        if (onPrompt) onPrompt();
        if (answers.empty()) return defaultText;
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList messages;
    QStringList faults;
    QStringList prompts;
    std::deque<QString> answers;
    std::function<void()> onPrompt;
};

class WindowTest : public testing::Test {
  protected:
    void SetUp() override {
        Store = EquationStore{};
        SetDialogs(&dialogs);
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void TearDown() override {
        SetDialogs(nullptr);
        Form1 = nullptr;
        form.reset();
    }

    // Types into a cell as the user would: enter the cell, then the keys.
    static void Type(StringGrid* grid, int col, int row, const QString& text) {
        GridCell* cell = grid->CellEditor(col, row);
        cell->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(cell, text);
    }

  public:
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    static QStringList Column(StringGrid* grid, int col, int rows) {
        QStringList texts;
        for (int r = 0; r < rows; ++r) texts << grid->Cell(col, r);
        return texts;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

}  // namespace vektoria
