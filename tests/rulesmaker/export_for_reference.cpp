// Exports packages with the rules maker's own export into the folder given as
// the one argument, each X.zcp beside an X.fields file naming the box texts
// (key=hex of the GBK value per line), for the reference reader to rebuild
// every member independently.
#include "platform/file_system.h"
#include "rulesmaker/export_package.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

class PrintedMessages : public zc::MakerMessages {
  public:
    void ShowMessage(const std::string& text, const std::string& caption) override {
        last = caption + ": " + text;
    }
    std::string last;
};

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

std::string FieldsFile(const zc::RuleFields& rule) {
    const std::pair<const char*, const std::string*> fields[] = {
        {"name", &rule.name},
        {"author", &rule.author},
        {"version", &rule.version},
        {"specVer", &rule.specVer},
        {"programName", &rule.programName},
        {"processName", &rule.processName},
        {"encryptionId", &rule.encryptionId},
        {"obfuscationId", &rule.obfuscationId},
        {"script", &rule.script},
    };
    std::string text;
    for (const auto& [key, value] : fields) {
        text += std::string(key) + "=" + Hex(*value) + "\n";
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const std::string folder = argv[1];
    const std::string work = folder + "\\work";
    zc::CreateOneDirectory(folder);
    zc::CreateOneDirectory(work);
    const std::string script = "ECHO 清理\r\nRMF %%USER%%\\a.log\r\nRML C:\\Temp *.tmp True";
    std::vector<zc::RuleFields> rules = {
        {"Plain", "作者", "1.5", "", "浏览器", "app.exe", "", "", script},
        {"Locked", "", "", "3", "App", "", "secret id", "", script},
        {"Obfuscated", "", "2", "", "App", "", "", "mix", script},
        {"Both", "甲", "", "", "App", "x.exe", "enc", "obf", script},
        {"EmptyScript", "", "", "", "App", "", "", "", ""},
    };
    PrintedMessages messages;
    for (const zc::RuleFields& rule : rules) {
        zc::ExportPackage(rule, folder, work, messages);
        if (!zc::FileExists(folder + "\\" + rule.name + ".zcp")) {
            std::printf("export of %s failed: %s\n", rule.name.c_str(), messages.last.c_str());
            return 1;
        }
        zc::WriteFileBytes(folder + "\\" + rule.name + ".fields", FieldsFile(rule));
    }
    zc::RemoveEmptyDirectory(work);
    return 0;
}
