#include "tests/e2e/step.h"

#include "platform/gbk.h"

#include <windows.h>

#include <cstdio>

namespace zc::e2e {
namespace {
std::string currentStep = "start";
} // namespace

std::string Utf8Of(const std::string& gbk) {
    const std::wstring wide = ToWide(gbk);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr,
                        nullptr);
    return utf8;
}

void Step(const std::string& name) {
    currentStep = name;
    std::printf("  - %s\n", Utf8Of(name).c_str());
    std::fflush(stdout);
}

void PrintLines(const std::string& title, const std::string& text) {
    std::printf("    %s\n", Utf8Of(title).c_str());
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::printf("      %s\n", Utf8Of(text.substr(start, end - start)).c_str());
    }
    if (start < text.size()) {
        std::printf("      %s\n", Utf8Of(text.substr(start)).c_str());
    }
    std::fflush(stdout);
}

void Require(bool ok, const std::string& detail) {
    if (!ok) {
        throw StepFailed("step \"" + currentStep + "\" went wrong: " + detail);
    }
}

void RequireText(const std::string& actual, const std::string& expected, const std::string& what) {
    Require(actual == expected, what + " is \"" + actual + "\" instead of \"" + expected + "\"");
}

} // namespace zc::e2e
