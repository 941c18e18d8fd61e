#pragma once

// Work that a damaged input may hold (a loop without end, a huge allocation,
// a crash) done in a child process of bounded time and memory. Used by the
// picture loader only.

#include <QByteArray>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>

namespace plateforme::processus {

struct Bornes {
    std::chrono::milliseconds duree;
    // Memory the child may take beyond what the process held when it began;
    // also the most it may give back.
    qint64 memoire = 0;
};

// Runs `travail` in a child forked from this process (no new program), which
// writes its result to the descriptor it is given (with `ecrire`) and returns
// true. The bytes written, or nothing when the child fails, crashes, runs over
// its time or memory, or writes too much. Never blocks longer than
// `bornes.duree`.
//
// The child is a copy of a process that may run other threads, whose locks it
// inherits as they were: `travail` uses plain memory and the C library's
// allocator only, never Qt objects beyond values (no QImage, no QObject).
std::optional<QByteArray> executer(const std::function<bool(int sortie)>& travail, Bornes bornes);

// Writes all `n` bytes to `sortie`; false when the reader is gone.
bool ecrire(int sortie, const void* octets, std::size_t n);

} // namespace plateforme::processus
