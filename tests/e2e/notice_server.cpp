#include "tests/e2e/notice_server.h"

#include "tests/e2e/step.h"

#include <winsock2.h>

namespace zc::e2e {

NoticeServer::NoticeServer(unsigned short port, std::map<std::string, std::string> pages)
    : pages_(std::move(pages)) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const BOOL reuse = TRUE;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof(reuse));
    Require(listener_ != INVALID_SOCKET &&
                bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
                listen(listener_, 8) == 0,
            "the notice server cannot listen on 127.0.0.1:" + std::to_string(port));
    thread_ = std::thread([this] { Serve(); });
}

NoticeServer::~NoticeServer() {
    closesocket(listener_); // ends the accept loop
    thread_.join();
    WSACleanup();
}

void NoticeServer::Serve() {
    for (;;) {
        const SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) {
            return;
        }
        Answer(client);
        closesocket(client);
    }
}

void NoticeServer::Answer(unsigned long long client) {
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(client, buffer, sizeof(buffer), 0);
        if (got <= 0) {
            return;
        }
        request.append(buffer, static_cast<size_t>(got));
    }
    const size_t pathStart = request.find(' ') + 1;
    const std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
    const auto page = pages_.find(path);
    const std::string status = page != pages_.end() ? "200 OK" : "404 Not Found";
    const std::string body = page != pages_.end() ? page->second : "";
    const std::string answer = "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
                               std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    send(client, answer.data(), static_cast<int>(answer.size()), 0);
    if (page != pages_.end()) {
        ++served_;
    }
}

} // namespace zc::e2e
