#pragma once
// Sparkle's standard updater controller behind the update-service
// interface (macOS only; built from sparkle_update_service.mm).
#include <memory>

#include "app/update/update_service.h"

namespace ludowell {

// A controller with Sparkle's standard dialogs, not yet started.
std::unique_ptr<UpdateService> makeSparkleUpdateService(UpdateServiceDelegate& delegate);

}  // namespace ludowell
