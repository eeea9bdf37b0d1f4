#pragma once
// A web server on the loopback interface that answers GET requests for the
// pages it was given (UTF-8 text) and 404 for any other path.
#include <atomic>
#include <map>
#include <string>
#include <thread>

namespace zc::e2e {

class NoticeServer {
  public:
    NoticeServer(unsigned short port, std::map<std::string, std::string> pages);
    ~NoticeServer();
    NoticeServer(const NoticeServer&) = delete;
    NoticeServer& operator=(const NoticeServer&) = delete;

    // How many requests for one of the pages were answered.
    int PagesServed() const { return served_; }

  private:
    void Serve();
    void Answer(unsigned long long client);

    std::map<std::string, std::string> pages_;
    unsigned long long listener_;
    std::atomic<int> served_{0};
    std::thread thread_;
};

} // namespace zc::e2e
