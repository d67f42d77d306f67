#include "io/TemporaryCleanup.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <pthread.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

constexpr int kSlots = 32;  // more temporaries than any writer holds at once
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

enum SlotState : int { kFree, kFilling, kFile, kFolder };

// Written only by hold and release; read by the handler, which trusts a path only once its
// slot says File or Folder.
struct Slot {
    std::atomic<int> state{kFree};
    pid_t owner = 0;  // a forked child leaves its parent's temporaries alone
    char path[PATH_MAX];
};
static_assert(std::atomic<int>::is_always_lock_free, "slots are read inside signal handlers");

Slot slots[kSlots];

// The files of one folder, then the folder: only system calls, safe in a signal handler.
void removeFolder(const char* path) {
    const int folder = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        alignas(dirent64) char entries[4096];
        bool removedSome = true;
        while (removedSome) {  // from the start again until a pass removes nothing
            removedSome = false;
            ::lseek(folder, 0, SEEK_SET);
            const ssize_t size = ::getdents64(folder, entries, sizeof entries);
            for (ssize_t at = 0; at < size;) {
                const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
                const char* name = entry->d_name;
                const bool dots =
                    name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
                if (!dots && (::unlinkat(folder, name, 0) == 0 ||
                              ::unlinkat(folder, name, AT_REMOVEDIR) == 0))
                    removedSome = true;
                at += entry->d_reclen;
            }
        }
        ::close(folder);
    }
    ::rmdir(path);
}

void removeRegistered() {
    const pid_t self = ::getpid();
    for (Slot& slot : slots) {
        const int state = slot.state.load();
        if (slot.owner != self) continue;
        if (state == kFile) ::unlink(slot.path);
        if (state == kFolder) removeFolder(slot.path);
    }
}

void onFatalSignal(int signalNumber) {
    const int savedErrno = errno;
    removeRegistered();
    // End as the signal would have: its default action, no longer blocked in this handler.
    ::signal(signalNumber, SIG_DFL);
    sigset_t just;
    sigemptyset(&just);
    sigaddset(&just, signalNumber);
    ::pthread_sigmask(SIG_UNBLOCK, &just, nullptr);
    ::raise(signalNumber);
    errno = savedErrno;  // reached only if the signal's action was changed meanwhile
}

void clearAtExit() {
    removeRegistered();
    for (Slot& slot : slots) slot.state.store(kFree);
}

void installOnce() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        std::atexit(clearAtExit);
        for (const int signalNumber : kSignals) {
            struct sigaction current {};
            if (::sigaction(signalNumber, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
                continue;  // ignored or handled by someone else: left alone
            struct sigaction action {};
            action.sa_handler = onFatalSignal;
            sigfillset(&action.sa_mask);  // one removal at a time
            ::sigaction(signalNumber, &action, nullptr);
        }
    });
}

}  // namespace

bool TemporaryRegistration::hold(const std::string& path, TemporaryKind kind) {
    release();
    installOnce();
    if (path.size() >= PATH_MAX) return false;
    for (int i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (!slots[i].state.compare_exchange_strong(expected, kFilling)) continue;
        std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
        slots[i].owner = ::getpid();
        slots[i].state.store(kind == TemporaryKind::Folder ? kFolder : kFile);
        slot_ = i;
        return true;
    }
    return false;
}

void TemporaryRegistration::release() {
    if (slot_ >= 0) slots[slot_].state.store(kFree);
    slot_ = -1;
}

DeferredSignals::DeferredSignals() {
    sigset_t deferred;
    sigemptyset(&deferred);
    for (const int signalNumber : kSignals) sigaddset(&deferred, signalNumber);
    ::pthread_sigmask(SIG_BLOCK, &deferred, &saved_);
}

DeferredSignals::~DeferredSignals() { ::pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }
