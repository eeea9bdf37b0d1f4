// Runs one end-to-end scenario, named on the command line, against the real
// programs; prints each step and, on failure, the step that went wrong.
#include "platform/gbk.h"
#include "tests/e2e/scenarios.h"
#include "tests/e2e/screenshots.h"
#include "tests/e2e/step.h"
#include "tests/support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Scenario {
    const char* name;
    void (*run)(const zc::e2e::ScenarioFolders&);
};

const Scenario kScenarios[] = {
    {"first-start", zc::e2e::FirstStart}, {"author-and-clean", zc::e2e::AuthorAndClean},
    {"locked-rule", zc::e2e::LockedRule}, {"refusals", zc::e2e::Refusals},
#ifdef ZC_E2E_NOTICE_CLEANER_EXE
    {"notices", zc::e2e::Notices},
#endif
};

int Usage() {
    std::printf("usage: zc_e2e SCENARIO, one of:");
    for (const Scenario& scenario : kScenarios) {
        std::printf(" %s", scenario.name);
    }
    std::printf("\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return Usage();
    }
    for (const Scenario& scenario : kScenarios) {
        if (std::strcmp(argv[1], scenario.name) != 0) {
            continue;
        }
        std::printf("Scenario %s\n", scenario.name);
        zc::e2e::SetScreenshotScenario(scenario.name);
        zc::testing::TempFolder root;
        const zc::e2e::ScenarioFolders folders{root / "Zephon Cleaner", root / "ZC-RulesMaker",
                                               root / "sandbox"};
        try {
            scenario.run(folders);
        } catch (const zc::e2e::StepFailed& failure) {
            std::printf("FAILED: %s\n", zc::e2e::Utf8Of(failure.what()).c_str());
            return 1;
        }
        std::printf("PASSED: %s\n", scenario.name);
        return 0;
    }
    return Usage();
}
