#pragma once
// A disk that fills up, for root too: no file may grow beyond the given bytes while a
// FileSizeLimit lives; the kernel's SIGXFSZ is ignored, so the write fails instead.

#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace test_faults {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

// The rows of a full-disk test: column "room", the bytes the disk still takes.
inline void AddFullDiskRows() {
    QTest::addColumn<int>("room");
    QTest::newRow("no room at all") << 0;
    QTest::newRow("room for part of the file") << 16;
}

} // namespace test_faults
