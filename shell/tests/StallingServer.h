#pragma once
// A loopback HTTP server that answers one request with a long announced body, sends a
// part of it and then holds the connection open until Release.
#include <arpa/inet.h>
#include <atomic>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

class StallingServer {
public:
    StallingServer(size_t announced, size_t sent) : m_announced(announced), m_sent(sent)
    {
        m_listen = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_listen < 0 || bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            listen(m_listen, 1) != 0 || getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~StallingServer()
    {
        Release();
        if (m_listen >= 0) {
            shutdown(m_listen, SHUT_RDWR);
            close(m_listen);
        }
        if (m_thread.joinable()) m_thread.join();
    }
    StallingServer(const StallingServer&) = delete;
    StallingServer& operator=(const StallingServer&) = delete;

    bool Running() const { return m_port > 0; }
    std::string Address(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(m_port) + path;
    }
    // Closes the held connection: the download reads short.
    void Release()
    {
        m_released = true;
        if (m_client >= 0) shutdown(m_client, SHUT_RDWR);
    }

private:
    void Serve()
    {
        const int client = accept(m_listen, nullptr, nullptr);
        if (client < 0) return;
        char request[4096];
        (void)!read(client, request, sizeof request);
        const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(m_announced) + "\r\n\r\n";
        const std::string body(m_sent, 'x');
        (void)!write(client, head.data(), head.size());
        (void)!write(client, body.data(), body.size());
        m_client = client;
        if (m_released) shutdown(client, SHUT_RDWR);
        // Held until Release shuts the connection.
        char rest[256];
        while (read(client, rest, sizeof rest) > 0) {
        }
        close(client);
    }

    size_t m_announced;
    size_t m_sent;
    int m_listen = -1;
    int m_port = 0;
    std::atomic<int> m_client{-1};
    std::atomic<bool> m_released{false};
    std::thread m_thread;
};
