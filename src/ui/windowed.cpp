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
    // SIGTERM ends the app without a question; the step it runs is
    // stopped as the model goes, and the gate still guards the update.
    QSocketNotifier termination(platform::terminationRequests(), QSocketNotifier::Read);
    QObject::connect(&termination, &QSocketNotifier::activated, &delegate, [&] {
        char drained[64];
        while (::read(platform::terminationRequests(), drained, sizeof drained) == sizeof drained) {
        }
        delegate.endOnRequest();
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
    ui::MessageBoxAlerts alerts;
    ui::showCatalogFailure(alerts, QString::fromStdString(message));
    return 1;
}

}  // namespace ludowell
