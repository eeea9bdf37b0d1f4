#pragma once
// A folder of small files that a rule's script cleans, and what is left of it.
#include <initializer_list>
#include <string>

namespace zc::e2e {

// Creates each file (parent folders first); names ending in "\" are folders.
void MakeSandbox(const std::string& root, std::initializer_list<const char*> entries);

// Requires exactly the entries of kept to exist and none of gone.
void RequireSandbox(const std::string& root, std::initializer_list<const char*> gone,
                    std::initializer_list<const char*> kept);

// A path as a script argument: a blank is written "##".
std::string ScriptPath(const std::string& path);

} // namespace zc::e2e
