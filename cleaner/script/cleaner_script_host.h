#pragma once
// The script host of the running cleaner: the real file system and registry,
// the Windows user, Security.zcd and the variable store Rules\Temp\Vartemp.zct
// (section = rule name, key = variable).
#include "cleaner/script/script_host.h"
#include "cleaner/store/cleaner_core.h"

namespace zc {

class CleanerScriptHost : public ScriptHost {
  public:
    explicit CleanerScriptHost(const CleanerCore& core) : core_(core) {}

    FileOperations& Files() override;
    // "" also when the name is longer than 49 bytes.
    std::string UserName() override;
    // [Command] Level of Security.zcd, read anew on every call; 0 when missing
    // or not a number.
    int SecurityLevel() override;
    std::string ReadVariable(const std::string& ruleName, const std::string& name) override;
    void StoreVariable(const std::string& ruleName, const std::string& name,
                       const std::string& value) override;
    std::string ReadRegistryText(RegistryHive hive, const std::string& keyPath,
                                 const std::string& valueName) override;

  private:
    const CleanerCore& core_;
};

} // namespace zc
