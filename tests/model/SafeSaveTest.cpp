#include "model/SafeSave.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace planova;
using planova::test::ReadBytes;
using planova::test::TempDir;
using planova::test::WriteBytes;

namespace {

namespace fs = std::filesystem;

/// The names in the folder (a failed save must leave no temporary file behind).
std::vector<std::string> Names(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t Mode(const std::string& path)
{
    struct stat info
    {
    };
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

mode_t CurrentUmask()
{
    const mode_t mask = umask(022);
    umask(mask);
    return mask;
}

/// Whether permission bits stop this process (they do not for root).
bool PermissionsApply(const fs::path& readOnlyFolder)
{
    const std::string probe = (readOnlyFolder / "probe").string();
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return true;
    close(fd);
    unlink(probe.c_str());
    return false;
}

} // namespace

TEST(SafeSaveTest, WritesANewFileWithTheUsualPermissions)
{
    TempDir dir;
    const std::string path = dir.File("new.dat");
    const Outcome result = SafeSave(path, "bytes");
    ASSERT_TRUE(result.Ok) << result.Error;
    EXPECT_EQ(ReadBytes(path), "bytes");
    EXPECT_EQ(Mode(path), 0666 & ~CurrentUmask());
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"new.dat"});
}

TEST(SafeSaveTest, ReplacesAFileAndKeepsItsPermissionBits)
{
    TempDir dir;
    const std::string path = dir.File("plan.dat");
    WriteBytes(path, "old contents that are longer");
    chmod(path.c_str(), 0640);
    const FileStamp before = StampOf(path);
    ASSERT_TRUE(SafeSave(path, "new").Ok);
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(Mode(path), 0640u);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"plan.dat"});
    EXPECT_FALSE(StampOf(path) == before); // a save is a new version on disk
}

TEST(SafeSaveTest, SavesThroughASymbolicLink)
{
    TempDir dir;
    WriteBytes(dir.File("real.dat"), "old");
    fs::create_symlink(dir.File("real.dat"), dir.File("link.dat"));
    ASSERT_TRUE(SafeSave(dir.File("link.dat"), "new").Ok);
    EXPECT_TRUE(fs::is_symlink(dir.File("link.dat")));
    EXPECT_EQ(ReadBytes(dir.File("real.dat")), "new");
}

TEST(SafeSaveTest, FailuresNameTheReasonAndChangeNothing)
{
    TempDir dir;
    fs::create_directory(dir.Path() / "folder");
    const Outcome missing = SafeSave(dir.File("gone/plan.dat"), "x");
    EXPECT_FALSE(missing.Ok);
    EXPECT_NE(missing.Error.find("フォルダーが見つかりません"), std::string::npos) << missing.Error;

    const Outcome directory = SafeSave(dir.File("folder"), "x");
    EXPECT_FALSE(directory.Ok);
    EXPECT_NE(directory.Error.find("フォルダーがあります"), std::string::npos) << directory.Error;
    EXPECT_TRUE(fs::is_directory(dir.Path() / "folder"));
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"folder"});
}

TEST(SafeSaveTest, ReadOnlyFolderIsRefused)
{
    TempDir dir;
    const fs::path folder = dir.Path() / "locked";
    fs::create_directory(folder);
    const std::string path = (folder / "plan.dat").string();
    WriteBytes(path, "old");
    chmod(folder.c_str(), 0555);
    if (!PermissionsApply(folder)) {
        chmod(folder.c_str(), 0755);
        GTEST_SKIP() << "this process ignores permission bits (running as root)";
    }
    const Outcome result = SafeSave(path, "new");
    chmod(folder.c_str(), 0755);
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Error.find("権限がありません"), std::string::npos) << result.Error;
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(Names(folder), std::vector<std::string>{"plan.dat"});
}

TEST(SafeSaveTest, AWriteThatFailsHalfwayLeavesThePreviousFile)
{
    // A file size limit makes the write fail after the first bytes, as a full disk does.
    TempDir dir;
    const std::string path = dir.File("plan.dat");
    WriteBytes(path, "previous");
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // No signal handling here: the save itself keeps SIGXFSZ from ending the process.
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const Outcome result = SafeSave(path, std::string(100000, 'x'));
        (void)!write(pipeEnds[1], result.Error.data(), result.Error.size());
        _exit(result.Ok ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string error;
    char buffer[512];
    for (ssize_t count; (count = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        error.append(buffer, static_cast<std::size_t>(count));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_NE(error.find("大きすぎて"), std::string::npos) << error;
    EXPECT_NE(error.find("元のファイルは変更されていません"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(path), "previous");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"plan.dat"});
}

TEST(SafeSaveTest, TargetsThatCannotBeReplacedSafelyAreRefusedAndKept)
{
    TempDir dir;
    WriteBytes(dir.File("readonly.dat"), "old");
    chmod(dir.File("readonly.dat").c_str(), 0444);
    ASSERT_EQ(mkfifo(dir.File("pipe.dat").c_str(), 0600), 0);
    fs::create_symlink(dir.File("nowhere.dat"), dir.File("dangling.dat"));
    fs::create_symlink(dir.File("loop-b.dat"), dir.File("loop-a.dat"));
    fs::create_symlink(dir.File("loop-a.dat"), dir.File("loop-b.dat"));

    struct Case
    {
        const char* Name;
        const char* File;
        const char* Reason;
        fs::file_type Kept;
    };
    const Case cases[] = {
        // Refused for the super-user as well, who could otherwise replace it.
        {"read-only file", "readonly.dat", "読み取り専用", fs::file_type::regular},
        {"named pipe", "pipe.dat", "通常のファイルではない", fs::file_type::fifo},
        {"dangling link", "dangling.dat", "リンクの指す先のファイルがありません", fs::file_type::symlink},
        {"link loop", "loop-a.dat", "循環", fs::file_type::symlink},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const Outcome result = SafeSave(dir.File(c.File), "new");
        EXPECT_FALSE(result.Ok);
        EXPECT_NE(result.Error.find(c.Reason), std::string::npos) << result.Error;
        EXPECT_EQ(fs::symlink_status(dir.File(c.File)).type(), c.Kept);
    }
    EXPECT_EQ(ReadBytes(dir.File("readonly.dat")), "old");
    EXPECT_EQ(Mode(dir.File("readonly.dat")), 0444u);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"dangling.dat", "loop-a.dat", "loop-b.dat",
                                                           "pipe.dat", "readonly.dat"}));
}

TEST(SafeSaveTest, KeepsTheOwnerGroupAndModeOfTheReplacedFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs the super-user (run the tests as root)";
    TempDir dir;
    const std::string path = dir.File("pupil.dat");
    WriteBytes(path, "old");
    ASSERT_EQ(chown(path.c_str(), 12345, 23456), 0);
    ASSERT_EQ(chmod(path.c_str(), 0604), 0);
    ASSERT_TRUE(SafeSave(path, "new").Ok);
    struct stat info
    {
    };
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 12345u);
    EXPECT_EQ(info.st_gid, 23456u);
    EXPECT_EQ(info.st_mode & 07777, 0604u);
    EXPECT_EQ(ReadBytes(path), "new");
}

TEST(SafeSaveTest, ASaveKilledWhileWritingLeavesATemporaryFileTheNextSaveRemoves)
{
    TempDir dir;
    const std::string path = dir.File("plan.dat");
    WriteBytes(path, "previous");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The first save ignores SIGXFSZ; with the default action back, the file size limit
        // kills this process in the middle of writing, as a power cut or a kill would.
        SafeSave(dir.File("other.dat"), "x");
        signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        SafeSave(path, std::string(100000, 'x'));
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    EXPECT_EQ(ReadBytes(path), "previous");
    ASSERT_EQ(Names(dir.Path()).size(), 3u); // other.dat, plan.dat and the killed save's file

    ASSERT_TRUE(SafeSave(path, "next").Ok);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"other.dat", "plan.dat"}));
    EXPECT_EQ(ReadBytes(path), "next");
}

TEST(SafeSaveTest, ReadWholeFile)
{
    TempDir dir;
    const std::string content(200000, 'a');
    WriteBytes(dir.File("big.dat"), content);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("big.dat"), bytes).Ok);
    EXPECT_EQ(bytes, content);

    const Outcome missing = ReadWholeFile(dir.File("none.dat"), bytes);
    EXPECT_FALSE(missing.Ok);
    EXPECT_NE(missing.Error.find("見つかりません"), std::string::npos);
    EXPECT_FALSE(ReadWholeFile(dir.Path().string(), bytes).Ok);
    EXPECT_FALSE(StampOf(dir.File("none.dat")).Exists);
}

TEST(SafeSaveTest, AppendDurablyAddsToAnExistingFileOnly)
{
    TempDir dir;
    ASSERT_TRUE(SafeSave(dir.File("journal"), "head\n").Ok);
    EXPECT_TRUE(AppendDurably(dir.File("journal"), "one").Ok);
    EXPECT_TRUE(AppendDurably(dir.File("journal"), "two").Ok);
    EXPECT_EQ(ReadBytes(dir.File("journal")), "head\nonetwo");

    // A journal is begun by the safe save: appending never makes a file of its own.
    const Outcome missing = AppendDurably(dir.File("gone"), "x");
    EXPECT_FALSE(missing.Ok);
    EXPECT_NE(missing.Error.find("見つかりません"), std::string::npos) << missing.Error;
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"journal"});
}
