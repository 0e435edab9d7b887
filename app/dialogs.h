// The program's modal boxes: the message box, the fault report and the name
// prompt.  Everything goes through one replaceable layer so that tests can
// answer the boxes without blocking; the program uses real Qt dialogs.
#pragma once

#include <QString>

namespace vektoria {

// The application title: caption of every box, name of the program.
inline const QString kApplicationTitle = QStringLiteral("Zivavudirarariv");

class DialogLayer {
  public:
    virtual ~DialogLayer() = default;
    // A modal box with the text, no symbol and one "OK".
    virtual void ShowMessage(const QString& text) = 0;
    // Like the message box, with the error symbol.
    virtual void ShowFaultReport(const QString& text) = 0;
    // Returns the edited text when confirmed with "OK", else the default.
    virtual QString PromptName(const QString& caption, const QString& prompt,
                               const QString& defaultText) = 0;
};

// The layer in use; the Qt one unless a test replaced it.
DialogLayer& Dialogs();
// Replaces the layer (nullptr restores the Qt one).  The caller keeps ownership.
void SetDialogs(DialogLayer* layer);

// The fault's text, followed by "." when its last character sorts after ".".
QString FaultReportText(const QString& faultText);

}  // namespace vektoria
