#pragma once

#include <QString>

// The one recent file the File menu offers, kept in the settings under the
// organisation "Fernwick" beside "Lang" and "OutDevId". User-interface
// thread only.
class RecentFiles {
public:
    // The remembered file, or empty.
    static QString Load();
    static void Save(const QString& path);
    // Forgets it (the file could not be opened).
    static void Forget();
};
