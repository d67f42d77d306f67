#pragma once

// Temporary files and folders that must not outlive the process: each registered path is
// removed when the process is ended by SIGINT, SIGTERM, SIGHUP or SIGPIPE (the signal then ends
// it as it would have, so the exit status still names the signal) or leaves through exit() with
// the path still registered. A registered folder is removed with the files in it (one level
// deep: the folders this project writes hold files only).
//
// The handlers are installed with the first registration, for each of those signals whose
// action is still the default (an ignored signal stays ignored). The handler only unlinks
// paths copied when they were registered, so it is safe at any point of the program.
//
// This is the process's one list of temporaries: a signal handler cannot be handed a value,
// so the list lives in the process, not in an object passed around.

#include <signal.h>

#include <string>

enum class TemporaryKind { File, Folder };

class TemporaryRegistration {
public:
    TemporaryRegistration() = default;
    TemporaryRegistration(const TemporaryRegistration&) = delete;
    TemporaryRegistration& operator=(const TemporaryRegistration&) = delete;
    ~TemporaryRegistration() { release(); }

    // Removes `path` on a fatal signal or exit until release(). False when the list is full
    // (the path is then left to the stale-temporary sweep of the next write).
    bool hold(const std::string& path, TemporaryKind kind);

    // The path is no temporary any more (it was renamed into place or removed).
    void release();

private:
    int slot_ = -1;
};

// Holds back those signals in this thread while alive: a step of two or more calls
// (renaming a pair of files into place) finishes before such a signal ends the process.
class DeferredSignals {
public:
    DeferredSignals();
    ~DeferredSignals();
    DeferredSignals(const DeferredSignals&) = delete;
    DeferredSignals& operator=(const DeferredSignals&) = delete;

private:
    sigset_t saved_;  // the thread's signal mask before
};
