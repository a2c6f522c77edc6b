// Windowed mode: the application shell's entry, and the alert shown when
// the catalog cannot be loaded.
#include <QApplication>
#include <QSocketNotifier>

#include <unistd.h>

#include <cstdio>

#include "app/update/updates.h"
#include "platform/platform.h"
#include "ui/app_delegate.h"
#include "ui/dialogs.h"
#include "ui/display.h"
#include "ui/windowed.h"

namespace ludowell {

int runWindowed(const StartupState& state, int argc, char** argv) {
    if (!ui::canShowWindow()) {
        std::fprintf(stderr, "Ludowell needs a display to open its window. Use --command to run a step without one.\n");
        return 1;
    }
    QApplication app(argc, argv);
    ui::prepareApplication();

    ui::MessageBoxAlerts alerts;
    ui::AlertUpdateDriver updateDialogs(alerts, QCoreApplication::applicationVersion());
    ui::AppDelegate::Options options = ui::AppDelegate::optionsFrom(state);
    options.alerts = &alerts;
    options.makeUpdates = [&updateDialogs, &state](LibraryModel& model) {
        return new Updates(&model, &updateDialogs, {state});
    };
    ui::AppDelegate delegate(std::move(options));
    if (!delegate.applicationDidFinishLaunching()) {
        std::fprintf(stderr, "Ludowell couldn't open its window.\n");
        return 1;
    }
    // SIGTERM asks, as Quit does: it must not end a step or install an
    // update under a running game.
    QSocketNotifier termination(platform::terminationRequests(), QSocketNotifier::Read);
    QObject::connect(&termination, &QSocketNotifier::activated, &delegate, [&] {
        char drained[64];
        while (::read(platform::terminationRequests(), drained, sizeof drained) == sizeof drained) {
        }
        termination.setEnabled(false);  // one answer at a time
        delegate.quit();
        termination.setEnabled(true);
    });
    app.exec();
    return 0;
}

int showCatalogFailure(const std::string& message, int argc, char** argv) {
    if (!ui::canShowWindow()) {
        std::fprintf(stderr, "Ludowell couldn't open\n%s\n", message.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    ui::prepareApplication();
    ui::showCatalogFailure(QString::fromStdString(message));
    return 1;
}

}  // namespace ludowell
