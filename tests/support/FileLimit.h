#pragma once
// Makes every write past `bytes` fail for the life of the object, as a full
// disk would, so tests can see that a failed save keeps the old file.
#include <csignal>
#include <sys/resource.h>

class SmallFileLimit {
public:
    explicit SmallFileLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = old_;
        r.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~SmallFileLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    SmallFileLimit(const SmallFileLimit&) = delete;
    SmallFileLimit& operator=(const SmallFileLimit&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};
