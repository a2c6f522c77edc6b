#pragma once
#include <QString>
#include <QStringList>

#include "app/model/window_services.h"
#include "app/update/update_service.h"

namespace ludowell::ui {

// Application-modal alerts as message boxes. The first button is the
// default: it opens with the focus, keeps the gold look and is what Return
// presses wherever Tab has moved. Escape presses "Cancel" or "Not now"
// when there is one, or the only button. Buttons read right to left in the
// given order, as on the Mac. An open in-window menu closes first.
class MessageBoxAlerts : public Alerts {
public:
    int ask(const QString& message, const QString& informative, const QStringList& buttons) override;
};

// The alert of a catalog that cannot be loaded, in the user's language;
// returns once the user has dismissed it.
void showCatalogFailure(Alerts& alerts, const QString& description);

// The update service's own dialogs, as alerts.
class AlertUpdateDriver : public UpdateUserDriver {
public:
    AlertUpdateDriver(Alerts& alerts, QString currentVersion)
        : alerts_(alerts), currentVersion_(std::move(currentVersion)) {}
    void showUpdateFound(const AppcastItem& item, std::function<void(bool install)> reply) override;
    void showUpToDate() override;
    void showUpdateError(const std::string& message) override;

private:
    Alerts& alerts_;
    QString currentVersion_;
};

}  // namespace ludowell::ui
