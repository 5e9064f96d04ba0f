#include "platform/files.h"

#include <filesystem>
#include <system_error>

namespace tlm::files {

namespace fs = std::filesystem;

namespace {

fs::path pathOf(const QString& s) { return fs::path(s.toStdString()); }

Result failure(const QString& what, const std::error_code& ec)
{
    return Result{false, QStringLiteral("%1: %2").arg(what, QString::fromStdString(ec.message()))};
}

Result copyTree(const fs::path& from, const fs::path& to, bool overwrite)
{
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, ec)) {
        const fs::path target = to / entry.path().filename();
        if (entry.is_directory(ec)) {
            fs::create_directories(target, ec);
            if (ec)
                return failure(QString::fromStdString(target.string()), ec);
            Result r = copyTree(entry.path(), target, overwrite);
            if (!r)
                return r;
            continue;
        }
        if (!overwrite && fs::exists(target, ec))
            return Result{false, QStringLiteral("%1: file exists").arg(QString::fromStdString(target.string()))};
        fs::path temp = target;
        temp += ".partial";
        fs::copy_file(entry.path(), temp, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            std::error_code ignore;
            fs::remove(temp, ignore);
            return failure(QString::fromStdString(entry.path().string()), ec);
        }
        fs::rename(temp, target, ec);
        if (ec) {
            std::error_code ignore;
            fs::remove(temp, ignore);
            return failure(QString::fromStdString(target.string()), ec);
        }
    }
    if (ec)
        return failure(QString::fromStdString(from.string()), ec);
    return Result{};
}

} // namespace

bool FolderExists(const QString& folder)
{
    std::error_code ec;
    return fs::is_directory(pathOf(folder), ec);
}

Result CreateFolder(const QString& folder)
{
    std::error_code ec;
    fs::create_directories(pathOf(folder), ec);
    if (ec)
        return failure(folder, ec);
    return Result{};
}

Result CopyFolder(const QString& source, const QString& target, bool overwrite)
{
    if (!FolderExists(source))
        return Result{false, QStringLiteral("%1: folder not found").arg(source)};
    if (!FolderExists(target))
        return Result{false, QStringLiteral("%1: folder not found").arg(target)};
    return copyTree(pathOf(source), pathOf(target), overwrite);
}

} // namespace tlm::files
