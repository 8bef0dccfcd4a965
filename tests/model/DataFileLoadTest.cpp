#include "model/DataFileLoad.h"

#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/DataFileArchive.h"
#include "support/AllocatedBytes.h"
#include "support/Cp932Literals.h"
#include "support/DataFileExamples.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace planova;
using namespace planova::test;

namespace {

class DataFileLoadTest : public ::testing::Test
{
protected:
    FixedNowScope Clock{DateTime::FromDate(2014, 1, 1)};
    TempDir Dir;
};

/// The example file's text, padded by a memo in its day and one in its task to about `bytes` bytes,
/// with both counts raised as far as the size of their elements lets them.
std::string InflatedFile(std::size_t bytes)
{
    std::string text = ReadArchiveString(TestDataFile("example-2014.dat"));
    const auto pad = [&text](const std::string& memo, std::size_t length) {
        text.replace(text.find(memo), memo.size(), "<Memo>" + std::string(length, 'm') + memo.substr(6));
    };
    pad("<Memo></Memo></DayData>", bytes / 2);
    pad("<Memo></Memo></Task>", bytes / 2);
    const auto valueSize = [&text](const std::string& name) {
        return text.find("</" + name + ">") - text.find("<" + name + ">") - name.size() - 2;
    };
    const std::size_t days = valueSize("YoteiData") / 20;
    const std::size_t tasks = valueSize("ToDo") / 13;
    text.replace(text.find("<datasuu>1</datasuu>"), 20, "<datasuu>" + std::to_string(days) + "</datasuu>");
    text.replace(text.find("<ToDo><datasuu>1"), 16, "<ToDo><datasuu>" + std::to_string(tasks));
    return LengthPrefix(text.size()) + text;
}

/// A file of a million ToDo items as this program writes them.
std::string MillionTasksFile()
{
    constexpr int Tasks = 1000000;
    CPlanovaDoc empty;
    std::string text = ReadArchiveString(WriteDataFile(empty));
    std::string tasks;
    const std::string task = "<Task><Kennmei>" + Sj("件名") +
                             "</Kennmei><Kigenn>20140101</Kigenn><Jyuuyoudo>A1</Jyuuyoudo><Jyunni></Jyunni>"
                             "<Memo></Memo></Task>\r\n";
    tasks.reserve(task.size() * Tasks);
    for (int i = 0; i < Tasks; ++i)
        tasks += task;
    const std::string count = "<ToDo><datasuu></datasuu>\r\n";
    text.replace(text.find(count), count.size(),
                 "<ToDo><datasuu>" + std::to_string(Tasks) + "</datasuu>\r\n" + tasks);
    return LengthPrefix(text.size()) + text;
}

/// Loads the file and returns the bytes its document holds, against the file's size.
double MemoryPerFileByte(const std::string& path, std::size_t& items)
{
    const std::size_t before = AllocatedBytes();
    const LoadedDataFile loaded = LoadDataFile(path);
    const std::size_t held = AllocatedBytes() - before;
    EXPECT_TRUE(loaded.Result.Ok) << loaded.Result.Error;
    items = loaded.Document ? loaded.Document->DayList().size() + loaded.Document->ToDoList().size() : 0;
    return static_cast<double>(held) / static_cast<double>(std::filesystem::file_size(path));
}

} // namespace

TEST_F(DataFileLoadTest, ReadsADataFileWithItsStamp)
{
    const std::string path = Dir.File("plan.dat");
    WriteBytes(path, TestDataFile("example-2014.dat"));
    const LoadedDataFile loaded = LoadDataFile(path);
    ASSERT_TRUE(loaded.Result.Ok) << loaded.Result.Error;
    ASSERT_TRUE(loaded.Document.has_value());
    EXPECT_EQ(WriteDataFile(*loaded.Document), TestDataFile("example-2014.dat"));
    EXPECT_FALSE(loaded.Document->IsModified());
    EXPECT_TRUE(loaded.Warning.empty());
    EXPECT_TRUE(loaded.Stamp == StampOf(path));
}

TEST_F(DataFileLoadTest, RefusesWhatIsNotARegularFileOfBoundedSize)
{
    const std::string fifo = Dir.File("pipe.dat");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Should the loader wait for a writer, this one comes after two seconds so the test ends.
    std::thread writer([&fifo] {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        const int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            close(fd);
    });
    const std::string huge = Dir.File("huge.dat");
    {
        // 5 GB without a byte on disk.
        const int fd = open(huge.c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(ftruncate(fd, off_t{5} << 30), 0);
        close(fd);
    }
    const std::string justTooLarge = Dir.File("just-too-large.dat");
    WriteBytes(justTooLarge, "");
    std::filesystem::resize_file(justTooLarge, MaxDataFileBytes + 1);

    struct Case
    {
        const char* Name;
        std::string Path;
        const char* Reason;
    };
    const Case cases[] = {
        {"named pipe", fifo, "通常のファイルではありません"},
        {"device", "/dev/zero", "通常のファイルではありません"},
        {"folder", Dir.Path().string(), "フォルダー"},
        {"missing", Dir.File("none.dat"), "見つかりません"},
        {"5 GB sparse file", huge, "大きすぎます"},
        {"one byte over the limit", justTooLarge, "開けるのは 256 MB まで"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto start = std::chrono::steady_clock::now();
        const LoadedDataFile loaded = LoadDataFile(c.Path);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_FALSE(loaded.Result.Ok);
        EXPECT_FALSE(loaded.Document.has_value());
        EXPECT_NE(loaded.Result.Error.find(c.Reason), std::string::npos) << loaded.Result.Error;
        // Refused at once, not after waiting for a writer or reading gigabytes.
        EXPECT_LT(elapsed, std::chrono::seconds(1));
    }
    writer.join();
}

TEST_F(DataFileLoadTest, DamagedFilesGiveTheReasonAndNoDocument)
{
    const std::string path = Dir.File("damaged.dat");
    std::string bytes = TestDataFile("example-2014.dat");
    bytes[0] = '\x01';
    WriteBytes(path, bytes);
    const LoadedDataFile loaded = LoadDataFile(path);
    EXPECT_FALSE(loaded.Result.Ok);
    EXPECT_FALSE(loaded.Document.has_value());
    EXPECT_NE(loaded.Result.Error.find("余分なデータ"), std::string::npos) << loaded.Result.Error;
    EXPECT_EQ(OpenFailureMessage(loaded.Result.Error, path),
              "ファイルを開けませんでした。\n" + path + "\n\n" + loaded.Result.Error);
}

TEST_F(DataFileLoadTest, InflatedCountsAndAMillionTasksStayWithinThreeTimesTheFileSize)
{
    struct Case
    {
        const char* Name;
        std::string (*Bytes)();
        std::size_t Items;
    };
    const Case cases[] = {
        {"1.9 MB file with inflated counts", [] { return InflatedFile(1900000); }, 2},
        {"19 MB file with inflated counts", [] { return InflatedFile(19000000); }, 2},
        {"a million tasks", MillionTasksFile, 1000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = Dir.File("large.dat");
        WriteBytes(path, c.Bytes());
        std::size_t items = 0;
        const double ratio = MemoryPerFileByte(path, items);
        EXPECT_EQ(items, c.Items);
        EXPECT_LE(ratio, 3.0);
        std::printf("%s: %ju bytes, document %.2f x the file\n", c.Name,
                    static_cast<std::uintmax_t>(std::filesystem::file_size(path)), ratio);
    }
}
