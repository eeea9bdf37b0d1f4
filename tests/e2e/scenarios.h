#pragma once
// The end-to-end scenarios; each runs in its own fresh folder and ends with a
// StepFailed exception at the first step that goes wrong.
#include <string>

namespace zc::e2e {

// Where a scenario keeps the program folders of both programs and its sandbox.
struct ScenarioFolders {
    std::string cleaner;
    std::string maker;
    std::string sandbox;
};

void FirstStart(const ScenarioFolders& folders);
void AuthorAndClean(const ScenarioFolders& folders);
void LockedRule(const ScenarioFolders& folders);
void Refusals(const ScenarioFolders& folders);
// Built only where the cleaner fetches its start-up notices.
void Notices(const ScenarioFolders& folders);

} // namespace zc::e2e
