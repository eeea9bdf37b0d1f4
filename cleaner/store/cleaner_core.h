#pragma once
// The cleaner's core object: a table of operations without data of its own.
// Every operation builds its paths anew from the program directory and rereads
// the files it needs, so results always reflect what is on disk.
#include <memory>
#include <string>

namespace zc {

class CleanerCore {
  public:
    explicit CleanerCore(std::string programDirectory);

    void Destroy() {}
    std::unique_ptr<CleanerCore> Copy() const { return std::make_unique<CleanerCore>(programDirectory_); }
    void CreateLayout() const;
    void WriteSealedText(const std::string& text, const std::string& path) const;
    std::string ReadSealedText(const std::string& path) const;
    void OutputBasicInfo() const {}
    std::string RuleAuthor(const std::string& type, const std::string& name) const;
    std::string RuleVersion(const std::string& type, const std::string& name) const;
    std::string RuleType(const std::string& name) const;
    std::string RuleProgramName(const std::string& type, const std::string& name) const;
    std::string RuleProcessName(const std::string& type, const std::string& name) const;
    bool IsRuleEnabled(const std::string& type, const std::string& name) const;
    bool HasLoadPassword(const std::string& name) const;
    std::string ReadRuleScript(const std::string& name) const;
    std::string RuleLoadPassword(const std::string& name) const;

    // Program directory followed by a relative path that begins with a backslash.
    std::string PathOf(const std::string& relative) const { return programDirectory_ + relative; }
    const std::string& ProgramDirectory() const { return programDirectory_; }

  private:
    std::string MemberValue(const std::string& type, const std::string& name, const std::string& key) const;

    std::string programDirectory_;
};

} // namespace zc
