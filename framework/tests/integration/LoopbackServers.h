#pragma once
// Loopback HTTP and FTP servers run by Debian's python3 for the length of a test.
// HTTP: GET or POST /<name> answers the file <folder>/<name> with its length (a name ending
// in "/" its file "index"); the query
// "?mode=nolength" leaves the length out, "?mode=short" announces 8000 bytes more than it
// sends, "?mode=huge" announces 4,000,000,000 bytes, "?redirect=<address>" sends the
// client to the address. A path under "/drip/" announces
// 1,000,000 bytes, sends the file of the rest of the path (if any) at once and then two
// bytes a second, never a line break, until the client goes. A missing file is a 404 with
// a 20,000-byte page. Each POST is recorded in <folder>/last_request as its path, content
// type and body, one per line.
// HTTPS: the same over TLS with the certificate and key files given.
// FTP: user "user", password "pass", home <folder>, every right; kFtpNoQuit never answers
// QUIT; kFtpNoStore never answers STOR and makes <folder>/stor_seen when one comes;
// kFtpNoFinalReply takes a stored file whole but never says the transfer is complete, and
// makes <folder>/final_held when it holds that reply back.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

class MvLoopbackServer {
public:
    enum Kind { kHttp, kHttps, kFtp, kFtpNoQuit, kFtpNoStore, kFtpNoFinalReply };

    MvLoopbackServer(Kind kind, const std::string& folder, const std::string& certificate = "",
                     const std::string& key = "")
        : m_scheme(kind == kHttps ? "https" : "http")
    {
        const bool http = kind == kHttp || kind == kHttps;
        const std::string script = folder + (http ? "/.http_server.py" : "/.ftp_server.py");
        std::ofstream(script) << (http ? kHttpScript : kFtpScript);
        std::string mode = kind == kHttps         ? "tls"
                           : kind == kFtpNoQuit  ? "noquit"
                           : kind == kFtpNoStore ? "nostore"
                           : kind == kFtpNoFinalReply ? "nofinal"
                                                 : "plain";
        int out[2];
        if (access("/usr/bin/python3", X_OK) != 0 || pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const std::string python = "/usr/bin/python3";
        char* argv[] = {const_cast<char*>(python.c_str()), const_cast<char*>(script.c_str()),
                        const_cast<char*>(folder.c_str()), const_cast<char*>(mode.c_str()),
                        const_cast<char*>(certificate.c_str()), const_cast<char*>(key.c_str()), nullptr};
        const bool spawned = posix_spawn(&m_pid, python.c_str(), &actions, nullptr, argv, environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        if (!spawned) {
            m_pid = 0;
            close(out[0]);
            return;
        }
        FILE* in = fdopen(out[0], "r");
        char line[64] = {};
        if (in && std::fgets(line, sizeof line, in)) std::sscanf(line, "PORT %d", &m_port);
        if (in) std::fclose(in);
    }
    ~MvLoopbackServer()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    MvLoopbackServer(const MvLoopbackServer&) = delete;
    MvLoopbackServer& operator=(const MvLoopbackServer&) = delete;

    bool Running() const { return m_pid > 0 && m_port > 0; }
    int Port() const { return m_port; }
    std::string Address(const std::string& path) const
    {
        return m_scheme + "://127.0.0.1:" + std::to_string(m_port) + path;
    }

private:
    static constexpr const char* kHttpScript = R"PY(
import ctypes, os, sys, time, http.server
ctypes.CDLL(None).prctl(1, 15)  # ends with the test that started it, however that ends
folder = sys.argv[1]
class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    def log_message(self, *args):
        pass
    def answer(self):
        path, _, query = self.path.partition("?")
        if path.startswith("/drip/"):
            return self.drip(os.path.join(folder, path[len("/drip/"):]))
        if query.startswith("redirect="):
            self.send_response(302)
            self.send_header("Location", query[len("redirect="):])
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        name = os.path.join(folder, path.lstrip("/"))
        if name.endswith("/"):
            name += "index"
        if not path.strip("/") or not os.path.isfile(name):
            body = b"E" * 20000
            self.send_response(404)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        body = open(name, "rb").read()
        self.send_response(200)
        if query == "mode=nolength":
            self.send_header("Connection", "close")
            self.close_connection = True
        elif query == "mode=short":
            self.send_header("Content-Length", str(len(body) + 8000))
            self.close_connection = True
        elif query == "mode=huge":
            self.send_header("Content-Length", "4000000000")
            self.close_connection = True
        else:
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
        self.wfile.flush()
    def drip(self, name):
        self.send_response(200)
        self.send_header("Content-Length", "1000000")
        self.end_headers()
        self.close_connection = True
        if os.path.isfile(name):
            self.wfile.write(open(name, "rb").read())
        while True:
            self.wfile.write(b"xx")
            self.wfile.flush()
            time.sleep(1)
    def do_GET(self):
        self.answer()
    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        body = self.rfile.read(length).decode("latin-1")
        with open(os.path.join(folder, "last_request"), "w") as f:
            f.write(self.path + "\n" + self.headers.get("Content-Type", "") + "\n" + body + "\n")
        self.answer()
class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, address):
        pass  # a client that stops reading early is expected
server = Server(("127.0.0.1", 0), Handler)
if sys.argv[2] == "tls":
    import ssl
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(sys.argv[3], sys.argv[4])
    # The handshake runs in the request's thread, so a refused one holds up no other.
    server.socket = context.wrap_socket(server.socket, server_side=True, do_handshake_on_connect=False)
print("PORT %d" % server.server_address[1], flush=True)
server.serve_forever()
)PY";

    static constexpr const char* kFtpScript = R"PY(
import ctypes, os, sys, logging
ctypes.CDLL(None).prctl(1, 15)  # ends with the test that started it, however that ends
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
logging.disable(logging.CRITICAL)
authorizer = DummyAuthorizer()
authorizer.add_user("user", "pass", sys.argv[1], perm="elradfmwMT")
class Handler(FTPHandler):
    pass
if sys.argv[2] == "noquit":
    Handler.ftp_QUIT = lambda self, line: None
if sys.argv[2] == "nostore":
    Handler.ftp_STOR = lambda self, line, mode="w": open(os.path.join(sys.argv[1], "stor_seen"), "w").close()
if sys.argv[2] == "nofinal":
    def respond(self, resp, *args, **kwargs):
        if resp.startswith("226 Transfer complete"):
            open(os.path.join(sys.argv[1], "final_held"), "w").close()
            return
        FTPHandler.respond(self, resp, *args, **kwargs)
    Handler.respond = respond
Handler.authorizer = authorizer
server = FTPServer(("127.0.0.1", 0), Handler)
print("PORT %d" % server.socket.getsockname()[1], flush=True)
server.serve_forever()
)PY";

    std::string m_scheme;
    pid_t m_pid = 0;
    int m_port = 0;
};
