#include "command.h"

#include <cfenv>
#include <exception>

#include "dialogs.h"

namespace vektoria {

void ResetFloatingPointState() {
    std::fesetenv(FE_DFL_ENV);
    std::fesetround(FE_TONEAREST);
}

void RunCommand(const std::function<void()>& command) {
    ResetFloatingPointState();
    try {
        command();
    } catch (const std::exception& fault) {
        ResetFloatingPointState();
        Dialogs().ShowFaultReport(FaultReportText(QString::fromUtf8(fault.what())));
    } catch (...) {
        ResetFloatingPointState();
        Dialogs().ShowFaultReport(FaultReportText(QStringLiteral("Unbekannter Fehler")));
    }
}

}  // namespace vektoria
