"""Loopback web server for the network tests.

Every request is echoed back (request line, header lines in arrival order, a
blank line, the body) and remembered by its target without the query, so that
GET /last?path=TARGET shows the latest request for that target, for verbs whose
answer has no body. Fixed paths give the other
answers the tests need. When --cert-dir is given it also serves HTTPS with a
certificate signed by a test CA made there (ca.der is the CA to trust).
"""
import argparse
import http.server
import os
import ssl
import subprocess
import threading
import time
import urllib.parse

ANNOUNCEMENT = "公告：新版规则已上线，欢迎使用！".encode("utf-8")
UPDATE_NOTE = "更新：修复了若干问题。".encode("utf-8")
UTF8_PAGE = ('<html><head><META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8"></head>'
             "<body>中文页面</body></html>").encode("utf-8")
GB2312_PAGE = ('<html><head><meta charset="gb2312"></head><body>中文页面</body></html>').encode("gbk")
PLAIN_UTF8 = "没有声明的页面".encode("utf-8")


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def handle_any(self):
        length = int(self.headers.get("Content-Length", 0) or 0)
        body = self.rfile.read(length) if length else b""
        lines = [self.requestline.encode("latin-1")]
        lines += [f"{name}: {value}".encode("latin-1") for name, value in self.headers.items()]
        echo = b"\r\n".join(lines) + b"\r\n\r\n" + body
        target = urllib.parse.urlsplit(self.path)
        path = target.path
        if path == "/last":
            asked = urllib.parse.parse_qs(target.query).get("path", [""])[0]
            return self.answer(200, "OK", self.server.requests.get(asked, b""))
        self.server.requests[self.path.split("?")[0]] = echo
        if target.scheme:  # absolute form: this server is used as a proxy
            if "proxy-auth" in path and "Proxy-Authorization" not in self.headers:
                return self.answer(407, "Proxy Authentication Required", b"",
                                   [("Proxy-Authenticate", 'Basic realm="zc"')])
            return self.answer(200, "OK", echo)
        if path == "/status404":
            return self.answer(404, "Not Found", b"no such page")
        if path == "/cookies":
            return self.answer(200, "OK", b"", [("Set-Cookie", "a=1; path=/"), ("Set-Cookie", "b=2")])
        if path == "/cookies-deleted":
            return self.answer(200, "OK", b"", [("Set-Cookie", "a=1"), ("Set-Cookie", "b=deleted")])
        if path == "/redirect":
            return self.answer(302, "Found", b"moved", [("Location", "/target")])
        if path == "/target":
            return self.answer(200, "OK", b"arrived")
        if path.startswith("/slow/"):
            time.sleep(float(path[len("/slow/"):]))
            return self.answer(200, "OK", b"slow answer")
        if path == "/auth":
            if "Authorization" not in self.headers:
                return self.answer(401, "Unauthorized", b"", [("WWW-Authenticate", 'Basic realm="zc"')])
            return self.answer(200, "OK", echo)
        if path == "/page-utf8":
            return self.answer(200, "OK", UTF8_PAGE)
        if path == "/page-gb2312":
            return self.answer(200, "OK", GB2312_PAGE)
        if path == "/page-plain-utf8":
            return self.answer(200, "OK", PLAIN_UTF8)
        if path == "/drop" or path == "/fail-acc/zc/acc.txt":
            self.close_connection = True
            return
        if path.startswith("/hang/"):
            time.sleep(120)
            return
        if path.startswith("/empty/zc/"):
            return self.answer(200, "OK", b"")
        if path.endswith("/zc/acc.txt"):
            return self.answer(200, "OK", ANNOUNCEMENT)
        if path.endswith("/zc/update.txt"):
            return self.answer(200, "OK", UPDATE_NOTE)
        return self.answer(200, "OK", echo)

    def answer(self, code, reason, body, headers=()):
        self.send_response(code, reason)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)


for verb in ("GET", "POST", "HEAD", "PUT", "OPTIONS", "DELETE", "TRACE", "CONNECT"):
    setattr(Handler, "do_" + verb, Handler.handle_any)


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, *args):
        super().__init__(*args)
        self.requests = {}


def make_certificates(folder):
    def openssl(*args):
        subprocess.run(["openssl", *args], check=True, capture_output=True)

    ca_key, ca_pem = os.path.join(folder, "ca.key"), os.path.join(folder, "ca.pem")
    key, csr, pem = (os.path.join(folder, name) for name in ("server.key", "server.csr", "server.pem"))
    extensions = os.path.join(folder, "server.ext")
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "30", "-subj", "/CN=ZC Test CA",
            "-keyout", ca_key, "-out", ca_pem)
    openssl("x509", "-in", ca_pem, "-outform", "DER", "-out", os.path.join(folder, "ca.der"))
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=localhost", "-keyout", key, "-out", csr)
    with open(extensions, "w") as file:
        file.write("subjectAltName=DNS:localhost,IP:127.0.0.1\nextendedKeyUsage=serverAuth\n")
    openssl("x509", "-req", "-in", csr, "-CA", ca_pem, "-CAkey", ca_key, "-CAcreateserial", "-days", "30",
            "-extfile", extensions, "-out", pem)
    return pem, key


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--https-port", type=int)
    parser.add_argument("--cert-dir")
    parser.add_argument("--ready-file", required=True)
    arguments = parser.parse_args()

    servers = [Server(("127.0.0.1", arguments.port), Handler)]
    if arguments.cert_dir:
        os.makedirs(arguments.cert_dir, exist_ok=True)
        certificate, key = make_certificates(arguments.cert_dir)
        secure = Server(("127.0.0.1", arguments.https_port), Handler)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(certificate, key)
        secure.socket = context.wrap_socket(secure.socket, server_side=True)
        servers.append(secure)
    for server in servers[1:]:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    with open(arguments.ready_file, "w") as file:
        file.write("ready\n")
    servers[0].serve_forever()


if __name__ == "__main__":
    main()
