#pragma once
// The few file operations of the shut-down's backup. Each returns its error to the caller.
#include <QString>

namespace tlm::files {

struct Result {
    bool ok = true;
    QString error;
    explicit operator bool() const { return ok; }
};

bool FolderExists(const QString& folder);
Result CreateFolder(const QString& folder);
// Copies the files of `source` directly into `target` (not into a subfolder), replacing files
// of the same name. Each file is written under a temporary name and renamed over the old copy,
// so a copy that fails half-way never destroys the last good one.
Result CopyFolder(const QString& source, const QString& target, bool overwrite = true);

} // namespace tlm::files
