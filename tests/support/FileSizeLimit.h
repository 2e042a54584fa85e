#pragma once

#include <sys/resource.h>

#include <csignal>

// Lowers the process's file-size limit while it lives, so that writes past a
// few bytes fail the way they do on a full disk (this works for root too).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool IsActive() const { return m_active; }

private:
    struct rlimit m_saved {};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_active = false;
};
