#pragma once
// The two notices that the maker publishes, fetched at start-up: the
// announcement and the update note, plain UTF-8 texts on the notice server.
#include <functional>
#include <string>

namespace zc {

enum class NoticeBox { kAnnouncement, kUpdateNote };

// Fetches "/zc/acc.txt" and then "/zc/update.txt" from the server (scheme,
// host and optional port, for example "https://notice.example.com") and hands
// each decoded text to show before the next request starts. A failed request
// shows the empty text.
void FetchNotices(const std::string& server, const std::function<void(NoticeBox, const std::string&)>& show);

} // namespace zc
