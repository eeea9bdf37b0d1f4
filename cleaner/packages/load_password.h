#pragma once
// The load-password check of a locked rule waiting in the unpack folder.
#include "cleaner/store/cleaner_core.h"

#include <functional>
#include <string>

namespace zc {

using MessageSink = std::function<void(const std::string& text, const std::string& caption)>;

// Unseals the unpacked Main.zcc under the typed password; the script is taken
// as deciphered when it holds "RM". Then marks the rule in LoadPassVerified,
// stores the password as its LoadPass in Rules.zcd and reports success;
// otherwise reports the wrong password and changes nothing. True on success.
bool CheckLoadPassword(const CleanerCore& core, const std::string& typedPassword, const MessageSink& show);

} // namespace zc
