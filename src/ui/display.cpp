#include "ui/display.h"

#include <QString>
#include <QStringList>

#include "platform/platform.h"

namespace ludowell::ui {

bool canShowWindow() {
    // Qt's own choice of plugin, before any application object exists.
    const QString plugin = qEnvironmentVariable("QT_QPA_PLATFORM").section(QLatin1Char(':'), 0, 0);
    static const QStringList serverless = {"offscreen", "minimal", "vnc", "eglfs", "linuxfb", "vkkhrdisplay"};
    return serverless.contains(plugin) || platform::hasDisplayServer();
}

}  // namespace ludowell::ui
