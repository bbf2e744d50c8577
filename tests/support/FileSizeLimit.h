#pragma once

// While it lives, no file of the process may grow past the given size, as on a full disk: a write beyond it fails
// with EFBIG (the signal that would end the process is ignored meanwhile). Root passes every permission check,
// so this is how the tests make a write fail.

#include <sys/resource.h>

#include <csignal>

namespace tamo::testing {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const struct rlimit limit {bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    struct rlimit m_previous {};
    void (*m_handler)(int) = SIG_DFL;
};

}  // namespace tamo::testing
