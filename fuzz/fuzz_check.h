#pragma once
// Shared by every fuzz target: the input as Qt bytes, and the check of an invariant. A broken
// invariant aborts, so libFuzzer reports it like a crash and keeps the input that caused it.

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline QByteArray InputBytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline void Require(bool holds, const char* invariant) {
    if (holds)
        return;
    std::fprintf(stderr, "Invariant broken: %s\n", invariant);
    std::abort();
}

} // namespace fuzz
