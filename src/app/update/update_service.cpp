#include "app/update/update_service.h"

namespace ludowell {

Observation UpdateService::observeCanCheckForUpdates(std::function<void(bool)> handler) {
    return observe(canCheckHandlers_, std::move(handler), canCheckForUpdates());
}

Observation UpdateService::observeAutomaticallyChecksForUpdates(std::function<void(bool)> handler) {
    return observe(automaticHandlers_, std::move(handler), automaticallyChecksForUpdates());
}

void UpdateService::canCheckForUpdatesChanged() { notify(canCheckHandlers_, canCheckForUpdates()); }

void UpdateService::automaticallyChecksForUpdatesChanged() {
    notify(automaticHandlers_, automaticallyChecksForUpdates());
}

Observation UpdateService::observe(std::vector<std::weak_ptr<Handler>>& list,
                                   std::function<void(bool)> handler, bool current) {
    auto shared = std::make_shared<Handler>(std::move(handler));
    {
        std::lock_guard lock(mutex_);
        list.push_back(shared);
    }
    (*shared)(current);
    return shared;
}

void UpdateService::notify(std::vector<std::weak_ptr<Handler>>& list, bool value) {
    std::vector<std::shared_ptr<Handler>> live;
    {
        std::lock_guard lock(mutex_);
        std::erase_if(list, [](const auto& weak) { return weak.expired(); });
        for (const auto& weak : list)
            if (auto handler = weak.lock()) live.push_back(handler);
    }
    // Called outside the lock so a handler may observe or drop its token.
    for (const auto& handler : live) (*handler)(value);
}

}  // namespace ludowell
