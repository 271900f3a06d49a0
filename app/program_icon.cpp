#include "app/program_icon.h"

#include <QApplication>
#include <QTimer>

namespace tolvo {

QIcon ProgramIcon() {
    QIcon icon;
    for (const char* size : {"16", "32", "48"})
        icon.addFile(QStringLiteral(":/icons/tolvo-%1.png").arg(QLatin1String(size)));
    return icon;
}

void SetProgramIconOnceRunning() {
    QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(ProgramIcon()); });
}

}  // namespace tolvo
