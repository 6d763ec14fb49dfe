#pragma once
// Certificates made with the openssl tool for one test, in its own folder: an authority of
// the test's own (to be trusted through MORVANE_CA_FILE) and server certificates for
// 127.0.0.1 signed by it, for another name, out of date, and one that no authority signed.
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

class MvTestCertificates {
public:
    struct Pair {
        std::string certificate;
        std::string key;
    };

    explicit MvTestCertificates(const std::string& folder) : m_folder(folder)
    {
        std::filesystem::create_directories(folder);
        const std::string ca = folder + "/authority";
        m_made = Run({"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days",
                      "2", "-subj", "/CN=Morvane Test Authority", "-keyout", ca + ".key", "-out", ca + ".pem"}) &&
                 Signed("valid", "/CN=127.0.0.1", "IP:127.0.0.1", "2") &&
                 Signed("other_name", "/CN=wrong.example", "DNS:wrong.example", "2") &&
                 Signed("expired", "/CN=127.0.0.1", "IP:127.0.0.1", "-1") &&
                 Run({"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days",
                      "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                      folder + "/unknown_authority.key", "-out", folder + "/unknown_authority.pem"});
    }

    bool Made() const { return m_made; }
    // The file of authorities to trust.
    std::string Authority() const { return m_folder + "/authority.pem"; }
    Pair Valid() const { return Named("valid"); }
    Pair OtherName() const { return Named("other_name"); }
    Pair Expired() const { return Named("expired"); }
    Pair UnknownAuthority() const { return Named("unknown_authority"); }

private:
    Pair Named(const std::string& name) const { return {m_folder + "/" + name + ".pem", m_folder + "/" + name + ".key"}; }

    bool Signed(const std::string& name, const std::string& subject, const std::string& altName,
                const std::string& days) const
    {
        const std::string base = m_folder + "/" + name;
        std::ofstream(base + ".ext") << "subjectAltName=" << altName << "\nbasicConstraints=critical,CA:FALSE\n";
        return Run({"req", "-new", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-subj",
                    subject, "-keyout", base + ".key", "-out", base + ".csr"}) &&
               Run({"x509", "-req", "-in", base + ".csr", "-CA", Authority(), "-CAkey", m_folder + "/authority.key",
                    "-days", days, "-extfile", base + ".ext", "-out", base + ".pem"});
    }

    static bool Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "openssl");
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        const bool spawned = posix_spawnp(&pid, "openssl", &actions, nullptr, argv.data(), environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        return spawned && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    std::string m_folder;
    bool m_made = false;
};
