#include "model/SafeSave.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace planova {
namespace {

struct ErrnoReason
{
    int Number;
    const char* Reason;
};

// The reasons a user can act on; anything else is reported with the system's own text.
constexpr std::array<ErrnoReason, 12> Reasons{{
    {ENOSPC, "ディスクの空き容量が足りません。"},
    {EDQUOT, "ディスクの使用量の上限を超えました。"},
    {EFBIG, "ファイルが大きすぎて書き込めません。"},
    {EACCES, "このフォルダーまたはファイルに書き込む権限がありません。"},
    {EPERM, "この操作は許可されていません。"},
    {EROFS, "読み取り専用の場所には保存できません。"},
    {ENOENT, "フォルダーまたはファイルが見つかりません。"},
    {ENOTDIR, "パスの途中にフォルダーでないものがあります。"},
    {EISDIR, "同じ名前のフォルダーがあります。"},
    {ENAMETOOLONG, "ファイル名が長すぎます。"},
    {EIO, "ディスクの読み書きでエラーが起きました。"},
    {EMFILE, "開いているファイルが多すぎます。"},
}};

std::string Reason(int errorNumber)
{
    for (const ErrnoReason& entry : Reasons) {
        if (entry.Number == errorNumber)
            return entry.Reason;
    }
    return std::string("システムエラー: ") + std::strerror(errorNumber);
}

Outcome Failure(const std::string& reason)
{
    return {false, reason};
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

/// A symbolic link is saved through: the file it points to is replaced, the link stays.
std::string ResolvedTarget(const std::string& path)
{
    struct stat link
    {
    };
    if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

/// Creates a new file next to the target with a random name; -1 and errno on failure.
int CreateTemporary(const std::string& target, std::string& temporary)
{
    std::random_device seed;
    std::mt19937 random(seed());
    const std::string folder = FolderOf(target);
    const std::string name =
        target.substr(target.rfind('/') == std::string::npos ? 0 : target.rfind('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + "/." + name + "." + std::to_string(random() % 1000000000) + ".tmp";
        // 0666 lets the umask decide the bits of a new file, as for any newly created file.
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

/// Makes the rename durable; file systems that cannot sync a folder say so with EINVAL.
bool SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int saved = errno;
    close(fd);
    errno = saved;
    return ok;
}

} // namespace

Outcome SafeSave(const std::string& path, std::string_view bytes)
{
    const std::string target = ResolvedTarget(path);
    struct stat existing
    {
    };
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return Failure("保存できませんでした。" + Reason(EISDIR));
    if (!exists) {
        struct stat folder
        {
        };
        if (stat(FolderOf(target).c_str(), &folder) != 0)
            return Failure("保存先のフォルダーが見つかりません。");
    }

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return Failure("保存できませんでした。" + Reason(errno));
    bool ok = (!exists || fchmod(fd, existing.st_mode & 07777) == 0) && WriteAll(fd, bytes) && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temporary.c_str());
        return Failure("保存できませんでした。" + Reason(error) + "元のファイルは変更されていません。");
    }
    if (!SyncFolder(FolderOf(target)))
        return Failure("保存しましたが、ディスクへの書き込みを確認できませんでした。" + Reason(errno));
    return {};
}

Outcome ReadWholeFile(const std::string& path, std::string& bytes)
{
    bytes.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Failure(Reason(errno));
    struct stat info
    {
    };
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        close(fd);
        return Failure(Reason(EISDIR));
    }
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const int error = errno;
            close(fd);
            bytes.clear();
            return Failure(Reason(error));
        }
        if (count == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    close(fd);
    return {};
}

FileStamp StampOf(const std::string& path)
{
    struct stat info
    {
    };
    if (stat(path.c_str(), &info) != 0)
        return {};
    return {true, static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
            static_cast<long long>(info.st_size),
            static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec};
}

} // namespace planova
