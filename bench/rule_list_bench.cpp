// Refresh of the rule list and a cleanup run over 500 and over 2,000
// registered rules (one in fifty switched on, each with a one-line script),
// with the ratio of the 2,000-rule time to the 500-rule time. Linear growth
// gives about 4. Usage: rule_list_bench [small [large]]
#include "bench/silent_interface.h"
#include "cleaner/script/cleanup_run.h"
#include "cleaner/store/registration_list.h"
#include "cleaner/store/rule_list.h"
#include "cleaner/store/store_paths.h"
#include "common/seal.h"
#include "platform/file_system.h"
#include "platform/profile.h"
#include "platform/tree_delete.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class CountingList : public zc::CheckList {
  public:
    void Clear() override { marks.clear(); }
    void Append(const std::string&) override { marks.push_back(false); }
    int Count() const override { return static_cast<int>(marks.size()); }
    bool IsChecked(int position) const override { return marks[static_cast<size_t>(position)]; }
    void SetChecked(int position, bool checked) override { marks[static_cast<size_t>(position)] = checked; }
    std::vector<bool> marks;
};

// A library of rules written the way imports and switches leave it.
void BuildLibrary(const zc::CleanerCore& core, int rules) {
    core.CreateLayout();
    std::string list;
    std::string rulesFile;
    std::string switches = "[ProgramStatus]\r\n";
    for (int i = 0; i < rules; ++i) {
        const std::string name = "Rule" + std::to_string(i);
        list += "\r\n" + zc::RegistrationLine(name);
        rulesFile += "[" + name + "]\r\nType=Program\r\n";
        switches += name + (i % 50 == 0 ? "=True\r\n" : "=False\r\n");
        const std::string folder = core.PathOf("\\Rules\\Program\\" + name);
        zc::CreateOneDirectory(folder);
        zc::WriteFileBytes(folder + "\\Member.zcc",
                           "[Basic]\r\nName=" + name + "\r\nAuthor=A\r\nVersion=1\r\nProgramName=P\r\n");
        zc::WriteFileBytes(folder + "\\Main.zcc", zc::SealBytes("ECHO " + name, zc::kDefaultScriptKey));
    }
    core.WriteSealedText(list, core.PathOf(zc::paths::kConfigList));
    zc::WriteFileBytes(core.PathOf(zc::paths::kRules), rulesFile);
    zc::WriteFileBytes(core.PathOf(zc::paths::kSum), switches);
}

struct Times {
    double refresh;
    double cleanup;
};

Times Measure(const std::string& root, int rules) {
    zc::RemoveFolderTree(root);
    zc::CreateOneDirectory(root);
    const zc::CleanerCore core(root);
    BuildLibrary(core, rules);
    SilentInterface ui;
    CountingList list;
    const auto start = std::chrono::steady_clock::now();
    zc::RefreshRuleList(core, ui, list);
    const auto refreshed = std::chrono::steady_clock::now();
    zc::RunCleanup(core, ui);
    const auto cleaned = std::chrono::steady_clock::now();
    const std::string lastPosition =
        zc::ReadIniValue(core.PathOf(zc::paths::kListPositions), "RUNI", std::to_string(rules - 1));
    if (list.Count() != rules || lastPosition != "Rule" + std::to_string(rules - 1) ||
        zc::FileExists(core.PathOf(zc::paths::kVariableStore))) {
        std::printf("the files after %d rules are not as they should be\n", rules);
        std::exit(1);
    }
    zc::RemoveFolderTree(root);
    return {std::chrono::duration<double>(refreshed - start).count(),
            std::chrono::duration<double>(cleaned - refreshed).count()};
}

} // namespace

int main(int argc, char** argv) {
    const int small = argc > 1 ? std::atoi(argv[1]) : 500;
    const int large = argc > 2 ? std::atoi(argv[2]) : 2000;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    char root[MAX_PATH * 2];
    WideCharToMultiByte(936, 0, temp, -1, root, sizeof root, nullptr, nullptr);
    const std::string folder = std::string(root) + "zc-rule-list-bench";

    const Times few = Measure(folder, small);
    const Times many = Measure(folder, large);
    std::printf("refresh: %d rules %.3f s, %d rules %.3f s, ratio %.2f\n", small, few.refresh, large,
                many.refresh, many.refresh / few.refresh);
    std::printf("cleanup run: %d rules %.3f s, %d rules %.3f s, ratio %.2f\n", small, few.cleanup, large,
                many.cleanup, many.cleanup / few.cleanup);
    return 0;
}
