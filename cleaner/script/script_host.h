#pragma once
// What a rule script reaches outside the interpreter: files, the registry,
// the user name, the security level and the variable store. The cleaner
// passes the real ones; tests and fuzzers pass in-memory stand-ins.
#include "common/file_operations.h"

#include <string>

namespace zc {

enum class RegistryHive { ClassesRoot, LocalMachine, Users, CurrentConfig, CurrentUser };

class ScriptHost {
  public:
    virtual ~ScriptHost() = default;

    virtual FileOperations& Files() = 0;
    // The Windows user running the cleaner; "" when it cannot be read.
    virtual std::string UserName() = 0;
    // The level that the security gate compares each line with.
    virtual int SecurityLevel() = 0;
    // A value kept by a GETREG line of the rule; names compare without
    // regard to case, and a value never stored reads as "".
    virtual std::string ReadVariable(const std::string& ruleName, const std::string& name) = 0;
    virtual void StoreVariable(const std::string& ruleName, const std::string& name,
                               const std::string& value) = 0;
    // The text of a REG_SZ value, or of a REG_EXPAND_SZ value with its
    // environment references expanded; "" for anything else. An empty value
    // name is the key's default value.
    virtual std::string ReadRegistryText(RegistryHive hive, const std::string& keyPath,
                                         const std::string& valueName) = 0;
};

} // namespace zc
