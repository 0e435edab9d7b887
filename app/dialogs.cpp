#include "dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace vektoria {

namespace {

constexpr int kNameMaxLength = 255;

void ShowBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, kApplicationTitle, text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();  // parentless: application-modal and centred on the screen
}

class QtDialogs : public DialogLayer {
  public:
    void ShowMessage(const QString& text) override { ShowBox(QMessageBox::NoIcon, text); }
    void ShowFaultReport(const QString& text) override { ShowBox(QMessageBox::Critical, text); }

    QString PromptName(const QString& caption, const QString& prompt,
                       const QString& defaultText) override {
        QInputDialog dialog;
        dialog.setWindowTitle(caption);
        dialog.setLabelText(prompt);
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.setTextValue(defaultText);
        dialog.setOkButtonText(QStringLiteral("OK"));
        dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
        if (auto* edit = dialog.findChild<QLineEdit*>()) {
            edit->setMaxLength(kNameMaxLength);
            edit->selectAll();
        }
        // Leaving the prompt in any way but "OK" gives the default text.
        return dialog.exec() == QDialog::Accepted ? dialog.textValue() : defaultText;
    }
};

QtDialogs& QtLayer() {
    static QtDialogs layer;
    return layer;
}

DialogLayer* current = nullptr;

}  // namespace

DialogLayer& Dialogs() { return current ? *current : QtLayer(); }

void SetDialogs(DialogLayer* layer) { current = layer; }

QString FaultReportText(const QString& faultText) {
    if (!faultText.isEmpty() && faultText.back().unicode() > u'.') return faultText + u'.';
    return faultText;
}

}  // namespace vektoria
