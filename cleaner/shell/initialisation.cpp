#include "cleaner/shell/initialisation.h"

#include "cleaner/shell/status_texts.h"
#include "cleaner/store/store_paths.h"
#include "platform/file_system.h"

#include <windows.h>

namespace zc {

void RunInitialisation(const CleanerCore& core, const StatusWriter& setStatus) {
    setStatus(status::kInitialising);
    Sleep(300);
    // Only "Bin" decides: an existing one means the layout is left as it is.
    if (!IsDirectory(core.PathOf(paths::kBin))) {
        setStatus(status::kCreatingLayout);
        core.CreateLayout();
        setStatus(status::kLayoutCreated);
        core.OutputBasicInfo();
    }
    setStatus(status::kIdle);
}

} // namespace zc
