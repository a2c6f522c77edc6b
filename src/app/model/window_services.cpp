#include "app/model/window_services.h"

#include "platform/platform.h"

namespace ludowell {

void SystemFileBrowser::open(const std::filesystem::path& folder) { platform::openInFileBrowser(folder); }

}  // namespace ludowell
