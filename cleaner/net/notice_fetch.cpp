#include "cleaner/net/notice_fetch.h"

#include "cleaner/net/text_encoding.h"
#include "cleaner/net/visit_url.h"

namespace zc {

void FetchNotices(const std::string& server, const std::function<void(NoticeBox, const std::string&)>& show) {
    const struct {
        const char* path;
        NoticeBox box;
    } notices[] = {{"/zc/acc.txt", NoticeBox::kAnnouncement}, {"/zc/update.txt", NoticeBox::kUpdateNote}};
    for (const auto& notice : notices) {
        show(notice.box, Utf8ToText(VisitUrl(server + notice.path)));
    }
}

} // namespace zc
