#include "cleaner/script/script_interpreter.h"

#include "cleaner/script/pattern_delete.h"
#include "cleaner/script/registry_reference.h"
#include "cleaner/script/security_level.h"
#include "cleaner/script/variables.h"
#include "common/directory_tree_delete.h"
#include "common/gbk_text.h"

#include <vector>

namespace zc {
namespace {

bool StartsWith(const std::string& line, const char* keyword) {
    return line.compare(0, std::char_traits<char>::length(keyword), keyword) == 0;
}

class LineRunner {
  public:
    LineRunner(ScriptHost& host, UserInterface& ui, const std::string& ruleName)
        : host_(host), files_(host.Files()), ui_(ui), ruleName_(ruleName) {}

    void Run(const std::string& rawLine, int lineNumber) {
        lineNumber_ = lineNumber;
        const std::string line = ExpandVariables(host_, rawLine, ruleName_);
        if (!PassesSecurityGate(host_, line)) {
            ReportError("时，安全模块已拦截程序运行，若要执行请在设置中调高安全级别");
        } else if (line.empty() || StartsWith(line, "//")) {
            return;
        } else if (StartsWith(line, "RMF ")) {
            RemoveFile(PathArgument(line));
        } else if (StartsWith(line, "RMR ")) {
            RemoveTree(PathArgument(line));
        } else if (StartsWith(line, "GETREG ")) {
            ReadRegistry(line);
        } else if (StartsWith(line, "ECHO ")) {
            ui_.AppendCleanupLog("[INFO][" + ruleName_ + "]" + line.substr(5) + "\r\n");
        } else if (StartsWith(line, "RML ")) {
            RemoveMatching(line);
        } else {
            ReportUnrecognised();
        }
    }

  private:
    static std::string PathArgument(const std::string& line) { return DoubleHashToSpace(line).substr(4); }

    void RemoveFile(const std::string& path) {
        if (!files_.DeleteOneFile(path) && files_.AnythingMatches(path)) {
            ReportFileError();
        }
    }

    void RemoveTree(const std::string& path) {
        if (!DeleteDirectoryTree(files_, path) && files_.AnythingMatches(path)) {
            ReportFileError();
        }
    }

    // GETREG variable hive path
    void ReadRegistry(const std::string& line) {
        const std::vector<std::string> fields = SplitText(line, " ", 4);
        if (fields.size() < 4) {
            ReportUnrecognised();
            return;
        }
        std::string text;
        if (ReadRegistryReference(host_, fields[2], fields[3], text)) {
            host_.StoreVariable(ruleName_, fields[1], text);
        }
    }

    // RML directory mask True|False
    void RemoveMatching(const std::string& line) {
        const std::vector<std::string> fields = SplitText(line, " ", 4);
        if (fields.size() < 4) {
            ReportUnrecognised();
            return;
        }
        if (fields[3] == "True" || fields[3] == "False") {
            DeleteMatchingFiles(files_, ui_, DoubleHashToSpace(fields[1]), DoubleHashToSpace(fields[2]),
                                fields[3] == "True");
        }
    }

    void ReportFileError() { ReportError("时，针对文件的处理发生了异常回调"); }
    void ReportUnrecognised() { ReportError("时，有无法识别的脚本命令，请升级软件版本或询问作者"); }
    void ReportError(const std::string& what) {
        ui_.AppendCleanupLog("[ERROR]执行规则  " + ruleName_ + what + "，此位于脚本行：" +
                             std::to_string(lineNumber_) + "\r\n");
    }

    ScriptHost& host_;
    FileOperations& files_;
    UserInterface& ui_;
    const std::string& ruleName_;
    int lineNumber_ = 0;
};

} // namespace

std::string DoubleHashToSpace(const std::string& text) {
    return ReplaceAllText(text, "##", " ", 99999);
}

void RunRuleScript(ScriptHost& host, UserInterface& ui, const std::string& ruleName,
                   const std::string& script) {
    LineRunner runner(host, ui, ruleName);
    int lineNumber = 0;
    for (const std::string& line : SplitText(script, "\r\n")) {
        runner.Run(line, ++lineNumber);
    }
}

} // namespace zc
