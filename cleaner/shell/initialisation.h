#pragma once
// The start-up initialisation: creates the directory layout when "Bin" is
// missing and reports each stage in the status pane.
#include "cleaner/store/cleaner_core.h"

#include <functional>
#include <string>

namespace zc {

using StatusWriter = std::function<void(const std::string&)>;

void RunInitialisation(const CleanerCore& core, const StatusWriter& setStatus);

} // namespace zc
