#pragma once
// The process-wide state of the cleaner: the one core object and the mark of
// the last verified load password. Created at start, released at exit.
#include "cleaner/packages/load_pass_mark.h"
#include "cleaner/store/cleaner_core.h"

#include <string>

namespace zc {

void CreateProcessState(const std::string& programDirectory);
void ReleaseProcessState();
CleanerCore& Core();

} // namespace zc
