#include "model/SafeSave.h"

#include "model/Descriptor.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <new>
#include <random>
#include <sys/file.h>
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
constexpr std::array<ErrnoReason, 13> Reasons{{
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
    {ELOOP, "シンボリックリンクが循環しています。"},
}};

std::string Reason(int errorNumber)
{
    for (const ErrnoReason& entry : Reasons) {
        if (entry.Number == errorNumber)
            return entry.Reason;
    }
    return std::string("システムエラー: ") + std::strerror(errorNumber);
}

/// The reason a file could not be opened for reading: the shared reasons, but a missing read
/// permission is named as such.
std::string ReadingReason(int errorNumber)
{
    return errorNumber == EACCES ? "このファイルを読み込む権限がありません。" : Reason(errorNumber);
}

Outcome Failure(const std::string& reason)
{
    return Outcome::Refused(reason);
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// As many links as the system follows in one path before it reports a loop.
constexpr int MaxLinkHops = 40;

/**
 * The file a save to the path writes: the path itself, or for a symbolic link the file at the end
 * of its chain, so the link stays and its target is replaced. A link whose chain ends nowhere or
 * loops is refused: replacing it by a regular file would lose the link.
 */
Outcome ResolveTarget(const std::string& path, std::string& target)
{
    target = path;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat link
        {
        };
        if (lstat(target.c_str(), &link) != 0) {
            if (hop > 0 && errno == ENOENT)
                return Failure("保存できませんでした。シンボリックリンクの指す先のファイルがありません。");
            return {}; // a new file (or a folder problem the save reports itself)
        }
        if (!S_ISLNK(link.st_mode))
            return {};
        std::string destination(static_cast<std::size_t>(PATH_MAX), '\0');
        const ssize_t length = readlink(target.c_str(), destination.data(), destination.size());
        if (length < 0)
            return Failure("保存できませんでした。" + Reason(errno));
        destination.resize(static_cast<std::size_t>(length));
        target = destination.front() == '/' ? destination : FolderOf(target) + "/" + destination;
    }
    return Failure("保存できませんでした。" + Reason(ELOOP));
}

/// What may stand at the target: a regular file this process may write, or nothing.
Outcome CheckExistingTarget(const std::string& target, const struct stat& existing)
{
    if (S_ISDIR(existing.st_mode))
        return Failure("保存できませんでした。" + Reason(EISDIR));
    if (!S_ISREG(existing.st_mode))
        return Failure("保存できませんでした。通常のファイルではないもの (名前付きパイプ、デバイスなど) "
                       "が同じ名前であります。");
    // Permission bits are checked themselves too: the super-user passes access() for any file.
    if ((existing.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0)
        return Failure("保存できませんでした。読み取り専用のファイルです。");
    return {};
}

/// ".name.<digits>.tmp": the temporary files of the target.
std::string TemporaryPrefix(const std::string& target)
{
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about "." + std::string.
    std::string prefix(".");
    return prefix.append(NameOf(target)).append(".");
}

constexpr std::string_view TemporarySuffix = ".tmp";

bool IsTemporaryOf(std::string_view entry, const std::string& prefix)
{
    if (entry.size() <= prefix.size() + TemporarySuffix.size() || !entry.starts_with(prefix) ||
        !entry.ends_with(TemporarySuffix))
        return false;
    const std::string_view digits =
        entry.substr(prefix.size(), entry.size() - prefix.size() - TemporarySuffix.size());
    return digits.find_first_not_of("0123456789") == std::string_view::npos;
}

/**
 * Creates a new file next to the target with a random name and locks it for the whole save, so
 * that the clean-up of a later save can tell it from one left by a save that was killed.
 * -1 and errno on failure.
 */
int CreateTemporary(const std::string& target, std::string& temporary)
{
    std::random_device seed;
    std::mt19937 random(seed());
    const std::string prefix = FolderOf(target) + "/" + TemporaryPrefix(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = prefix + std::to_string(random() % 1000000000) + std::string(TemporarySuffix);
        // 0666 lets the umask decide the bits of a new file, as for any newly created file.
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            flock(fd, LOCK_EX);
            return fd;
        }
        if (errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

/// Removes the target's temporary files whose save is no longer running (their lock is free).
void RemoveStaleTemporaries(const std::string& target)
{
    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(target);
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir.get())) {
        if (!IsTemporaryOf(entry->d_name, prefix))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        const Descriptor fd(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info
        {
        };
        if (fd.Get() < 0 || fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (flock(fd.Get(), LOCK_EX | LOCK_NB) == 0)
            unlink(path.c_str());
    }
}

/// Gives the new file the owner, group and permission bits of the file it replaces.
bool KeepOwnerAndMode(int fd, const struct stat& existing)
{
    struct stat created
    {
    };
    if (fstat(fd, &created) != 0)
        return false;
    if ((created.st_uid != existing.st_uid || created.st_gid != existing.st_gid) &&
        fchown(fd, existing.st_uid, existing.st_gid) != 0)
        return false;
    // After fchown, which clears the set-id bits.
    return fchmod(fd, existing.st_mode & 07777) == 0;
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

/// A file size limit (ulimit -f) would end the process with SIGXFSZ in the middle of a save; with
/// the signal ignored the write fails with EFBIG and the save reports it like a full disk.
void IgnoreFileSizeSignal()
{
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

/// Appends everything the descriptor still gives, refusing more than maxBytes in all.
Outcome ReadAll(int fd, std::size_t maxBytes, std::string& bytes)
{
    try {
        char buffer[65536];
        for (;;) {
            const ssize_t count = read(fd, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0)
                return Failure(Reason(errno));
            if (count == 0)
                return {};
            if (static_cast<std::size_t>(count) > maxBytes - bytes.size())
                return Failure("ファイルが大きすぎます。");
            bytes.append(buffer, static_cast<std::size_t>(count));
        }
    } catch (const std::bad_alloc&) {
        return Failure("メモリが足りないため、ファイルを読み込めませんでした。");
    }
}

FileStamp StampOfInfo(const struct stat& info)
{
    return {true, static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
            static_cast<long long>(info.st_size),
            static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec};
}

} // namespace

std::string Megabytes(unsigned long long bytes)
{
    return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB";
}

/// A save whose bytes reached the target but whose writing to the disk could not be confirmed.
constexpr const char* UnconfirmedSave = "保存しましたが、ディスクへの書き込みを確認できませんでした。";

Outcome SafeSave(const std::string& path, std::string_view bytes)
{
    IgnoreFileSizeSignal();
    std::string target;
    if (const Outcome resolved = ResolveTarget(path, target); !resolved.Ok)
        return resolved;
    struct stat existing
    {
    };
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (const Outcome allowed = CheckExistingTarget(target, existing); !allowed.Ok)
            return allowed;
    } else {
        struct stat folder
        {
        };
        if (stat(FolderOf(target).c_str(), &folder) != 0)
            return Failure("保存先のフォルダーが見つかりません。");
    }

    std::string temporary;
    Descriptor fd(CreateTemporary(target, temporary));
    if (fd.Get() < 0)
        return Failure("保存できませんでした。" + Reason(errno));
    if (exists && !KeepOwnerAndMode(fd.Get(), existing)) {
        const int error = errno;
        unlink(temporary.c_str());
        return Failure("保存できませんでした。元のファイルの所有者と権限を保てません (" + Reason(error) +
                       ")。元のファイルは変更されていません。");
    }
    // The file stays open, and so locked, until it has its name.
    const bool renamed =
        WriteAll(fd.Get(), bytes) && fsync(fd.Get()) == 0 && rename(temporary.c_str(), target.c_str()) == 0;
    const int error = errno;
    // Once renamed, the synced bytes are the target: a failing close cannot undo that, so it is
    // reported as an unconfirmed save, never as "unchanged".
    const bool closed = fd.Close();
    const int closeError = errno;
    if (!renamed) {
        unlink(temporary.c_str());
        return Failure("保存できませんでした。" + Reason(error) + "元のファイルは変更されていません。");
    }
    RemoveStaleTemporaries(target);
    if (!closed)
        return Failure(UnconfirmedSave + Reason(closeError));
    if (!SyncFolder(FolderOf(target)))
        return Failure(UnconfirmedSave + Reason(errno));
    return {};
}

Outcome AppendDurably(const std::string& path, std::string_view bytes)
{
    IgnoreFileSizeSignal();
    // No O_CREAT: a journal begins with its header, written by the safe save.
    Descriptor fd(open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW));
    if (fd.Get() < 0)
        return Failure("追記できませんでした。" + Reason(errno));
    if (!WriteAll(fd.Get(), bytes) || fsync(fd.Get()) != 0 || !fd.Close())
        return Failure("追記できませんでした。" + Reason(errno));
    return {};
}

Outcome ReadWholeFile(const std::string& path, std::string& bytes)
{
    bytes.clear();
    const Descriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        return Failure(ReadingReason(errno));
    struct stat info
    {
    };
    if (fstat(fd.Get(), &info) == 0 && S_ISDIR(info.st_mode))
        return Failure(Reason(EISDIR));
    Outcome read = ReadAll(fd.Get(), bytes.max_size(), bytes);
    if (!read.Ok)
        bytes.clear();
    return read;
}

PieceReader::PieceReader(const std::string& path)
{
    if (path == "-") {
        Fd = STDIN_FILENO;
        return;
    }
    Fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    OwnsFd = Fd >= 0;
    struct stat info
    {
    };
    if (Fd < 0)
        Status = Failure(ReadingReason(errno));
    else if (fstat(Fd, &info) == 0 && S_ISDIR(info.st_mode))
        Status = Failure(Reason(EISDIR));
}

PieceReader::~PieceReader()
{
    if (OwnsFd)
        close(Fd);
}

std::string_view PieceReader::Next()
{
    constexpr std::size_t PieceBytes = 1 << 20;
    if (!Status.Ok)
        return {};
    Buffer.resize(PieceBytes);
    for (;;) {
        const ssize_t count = read(Fd, Buffer.data(), Buffer.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            Status = Failure(Reason(errno));
            return {};
        }
        return {Buffer.data(), static_cast<std::size_t>(count)};
    }
}

Outcome ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes, FileStamp& stamp)
{
    bytes.clear();
    stamp = {};
    // Non-blocking: opening a named pipe must not wait for a writer before it can be refused.
    const Descriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.Get() < 0)
        return Failure(ReadingReason(errno));
    struct stat info
    {
    };
    if (fstat(fd.Get(), &info) != 0)
        return Failure(Reason(errno));
    if (S_ISDIR(info.st_mode))
        return Failure(Reason(EISDIR));
    if (!S_ISREG(info.st_mode))
        return Failure("通常のファイルではありません (名前付きパイプ、デバイスなどは開けません)。");
    if (static_cast<unsigned long long>(info.st_size) > maxBytes)
        return Failure("ファイルが大きすぎます (" + Megabytes(static_cast<unsigned long long>(info.st_size)) +
                       "。開けるのは " + Megabytes(maxBytes) + " までです)。");
    try {
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    } catch (const std::bad_alloc&) {
        return Failure("メモリが足りないため、ファイルを読み込めませんでした。");
    }
    // A file that grows while it is read stops at the limit all the same.
    Outcome read = ReadAll(fd.Get(), maxBytes, bytes);
    if (!read.Ok) {
        std::string().swap(bytes); // gives the memory back too
        return read;
    }
    stamp = StampOfInfo(info);
    return read;
}

FileStamp StampOf(const std::string& path)
{
    struct stat info
    {
    };
    if (stat(path.c_str(), &info) != 0)
        return {};
    return StampOfInfo(info);
}

} // namespace planova
