#pragma once

#include <csignal>
#include <sys/resource.h>

// A disk that fills up: while the limit is set, a write that would make a file larger than it
// fails (the signal it would raise is ignored), as on a full disk. The limit is lifted by Lift()
// or, should a check fail first, when the object goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &saved_) != 0)
            return;
        rlimit limited = saved_;
        limited.rlim_cur = rlim_t(bytes);
        set_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() { Lift(); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool IsSet() const { return set_; }
    // Puts the old limit back; false if that failed.
    bool Lift() {
        if (!set_)
            return true;
        set_ = false;
        return setrlimit(RLIMIT_FSIZE, &saved_) == 0;
    }

private:
    rlimit saved_{};
    bool set_ = false;
};
