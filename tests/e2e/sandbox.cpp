#include "tests/e2e/sandbox.h"

#include "common/gbk_text.h"
#include "platform/file_system.h"
#include "tests/e2e/step.h"

namespace zc::e2e {

void MakeSandbox(const std::string& root, std::initializer_list<const char*> entries) {
    CreateOneDirectory(root);
    for (const std::string entry : entries) {
        for (size_t slash = entry.find('\\'); slash != std::string::npos;
             slash = entry.find('\\', slash + 1)) {
            CreateOneDirectory(root + "\\" + entry.substr(0, slash));
        }
        if (entry.back() != '\\') {
            Require(WriteFileBytes(root + "\\" + entry, "data"),
                    "the sandbox file " + entry + " was not made");
        }
    }
}

void RequireSandbox(const std::string& root, std::initializer_list<const char*> gone,
                    std::initializer_list<const char*> kept) {
    for (const char* entry : gone) {
        Require(!FileExists(root + "\\" + entry), "the sandbox still holds " + std::string(entry));
    }
    for (const char* entry : kept) {
        Require(FileExists(root + "\\" + entry), "the sandbox lost " + std::string(entry));
    }
}

std::string ScriptPath(const std::string& path) {
    return ReplaceAllText(path, " ", "##");
}

} // namespace zc::e2e
