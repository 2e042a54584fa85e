#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Keeps a second copy of the program from running beside the first: a lock
// file in the user's runtime folder, held for the whole run. A lock left by
// a copy that crashed does not count (its process is gone).
class SingleInstance {
public:
    static constexpr const char* kAlreadyRunning = "Quillsong is already running\n";

    // The lock file's path: Quillsong.lock in the runtime folder.
    static QString LockPath();
    // Takes the lock; false when another running copy holds it.
    bool Acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
