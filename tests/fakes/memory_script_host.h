#pragma once
// A script host for tests and fuzzers: in-memory files, a fixed user name
// and security level, registry texts set by the test, and a variable store.
// Registry key paths, value names, rule names and variable names compare
// without regard to ASCII case, as on Windows.
#include "cleaner/script/script_host.h"
#include "tests/fakes/folded_names.h"
#include "tests/fakes/memory_files.h"

#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace zc::testing {

class MemoryScriptHost : public ScriptHost {
  public:
    MemoryFiles files;
    std::string userName = "tester";
    int securityLevel = 0;

    void SetRegistryText(RegistryHive hive, const std::string& keyPath, const std::string& valueName,
                         const std::string& text) {
        registry_[{hive, FoldCase(keyPath), FoldCase(valueName)}] = text;
    }

    FileOperations& Files() override { return files; }
    std::string UserName() override { return userName; }
    int SecurityLevel() override { return securityLevel; }

    std::string ReadVariable(const std::string& ruleName, const std::string& name) override {
        const auto found = variables_.find({FoldCase(ruleName), FoldCase(name)});
        return found == variables_.end() ? std::string() : found->second;
    }
    void StoreVariable(const std::string& ruleName, const std::string& name,
                       const std::string& value) override {
        variables_[{FoldCase(ruleName), FoldCase(name)}] = value;
    }
    std::string ReadRegistryText(RegistryHive hive, const std::string& keyPath,
                                 const std::string& valueName) override {
        const auto found = registry_.find({hive, FoldCase(keyPath), FoldCase(valueName)});
        return found == registry_.end() ? std::string() : found->second;
    }

  private:
    std::map<std::tuple<RegistryHive, std::string, std::string>, std::string> registry_;
    std::map<std::pair<std::string, std::string>, std::string> variables_;
};

} // namespace zc::testing
