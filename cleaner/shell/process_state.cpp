#include "cleaner/shell/process_state.h"

#include <memory>

namespace zc {
namespace {
std::unique_ptr<CleanerCore> g_core;
std::string g_loadPassVerified;
} // namespace

void CreateProcessState(const std::string& programDirectory) {
    g_core = std::make_unique<CleanerCore>(programDirectory);
}

void ReleaseProcessState() {
    if (g_core) {
        g_core->Destroy();
        g_core.reset();
    }
    g_loadPassVerified.clear();
    g_loadPassVerified.shrink_to_fit();
}

CleanerCore& Core() {
    return *g_core;
}

std::string& LoadPassVerified() {
    return g_loadPassVerified;
}

} // namespace zc
