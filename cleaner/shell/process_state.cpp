#include "cleaner/shell/process_state.h"

#include <memory>

namespace zc {
namespace {
std::unique_ptr<CleanerCore> g_core;
} // namespace

void CreateProcessState(const std::string& programDirectory) {
    g_core = std::make_unique<CleanerCore>(programDirectory);
}

void ReleaseProcessState() {
    if (g_core) {
        g_core->Destroy();
        g_core.reset();
    }
    LoadPassVerified().clear();
    LoadPassVerified().shrink_to_fit();
}

CleanerCore& Core() {
    return *g_core;
}

} // namespace zc
