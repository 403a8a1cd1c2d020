#include "platform/record_file.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace tramel {
namespace {

namespace fs = std::filesystem;

class RecordFileTest : public testing::Test {
protected:
    fs::path path(const char* name) const { return fs::path(dir_.path().toStdString()) / name; }

    static void writeRaw(const fs::path& p, const std::string& bytes)
    {
        std::ofstream(p, std::ios::binary) << bytes;
    }

    static std::string readRaw(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    static Record numbered(std::int32_t n)
    {
        Record r(8);
        r.putLong(n);
        r.putFixed("ab", 4);
        return r;
    }

    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(path("")), {})); }

private:
    QTemporaryDir dir_;
};

TEST_F(RecordFileTest, WritesRecordsAndReadsThemBackByNumber)
{
    {
        RecordFileWriter writer(path("a.dis"), 8);
        for (int n = 1; n <= 3; ++n)
            ASSERT_TRUE(writer.write(numbered(n * 10)));
        ASSERT_TRUE(writer.commit());
    }
    EXPECT_EQ(fs::file_size(path("a.dis")), 24u);
    RecordFile file;
    ASSERT_TRUE(file.open(path("a.dis"), 8));
    EXPECT_EQ(file.count(), 3u);
    EXPECT_FALSE(file.hasPartialRecord());
    for (int n = 3; n >= 1; --n) {
        auto r = file.read(static_cast<std::uint64_t>(n));
        ASSERT_TRUE(r);
        EXPECT_EQ(r->bytes(), numbered(n * 10).bytes());
        EXPECT_EQ(r->getLong(), n * 10);
    }
    EXPECT_FALSE(file.read(0));
    EXPECT_FALSE(file.read(4));
}

TEST_F(RecordFileTest, TrailingPartialRecordIsDetectedAndReadShort)
{
    writeRaw(path("p.ini"), std::string(16, 'x') + std::string("\x02\x00\x0F", 3));
    RecordFile file;
    ASSERT_TRUE(file.open(path("p.ini"), 8));
    EXPECT_EQ(file.count(), 2u);
    EXPECT_TRUE(file.hasPartialRecord());
    auto last = file.read(3);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->size(), 3u);
    EXPECT_FALSE(last->getVariant()); // the value's second byte is missing
    EXPECT_FALSE(file.read(4));
}

TEST_F(RecordFileTest, OpenFailsForMissingFileFolderOrZeroLength)
{
    writeRaw(path("z"), "abc");
    RecordFile file;
    EXPECT_FALSE(file.open(path("missing"), 8));
    EXPECT_FALSE(file.open(path(""), 8));
    EXPECT_FALSE(file.open(path("z"), 0));
    EXPECT_FALSE(file.read(1));
}

TEST_F(RecordFileTest, CommitReplacesALongerOldFileWhole)
{
    writeRaw(path("d.dis"), std::string(100, 'o'));
    RecordFileWriter writer(path("d.dis"), 8);
    ASSERT_TRUE(writer.write(numbered(1)));
    EXPECT_EQ(readRaw(path("d.dis")), std::string(100, 'o')); // untouched before the commit
    ASSERT_TRUE(writer.commit());
    EXPECT_EQ(readRaw(path("d.dis")), numbered(1).bytes());
}

TEST_F(RecordFileTest, FailedWriteLeavesTheOldFileAndNoTemporary)
{
    writeRaw(path("old.dis"), "old content");
    {
        RecordFileWriter writer(path("old.dis"), 8);
        ASSERT_TRUE(writer.write(numbered(1)));
        EXPECT_FALSE(writer.write(Record(7))); // wrong length
        EXPECT_FALSE(writer.write(numbered(2)));
        EXPECT_FALSE(writer.commit());
    }
    EXPECT_EQ(readRaw(path("old.dis")), "old content");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(RecordFileTest, WriterIntoMissingFolderFails)
{
    RecordFileWriter writer(path("none/x.dis"), 8);
    EXPECT_FALSE(writer.write(numbered(1)));
    EXPECT_FALSE(writer.commit());
    EXPECT_FALSE(fs::exists(path("none")));
}

TEST_F(RecordFileTest, FileExistsOnlyForFiles)
{
    writeRaw(path("f"), "x");
    EXPECT_TRUE(fileExists(path("f")));
    EXPECT_FALSE(fileExists(path("g")));
    EXPECT_FALSE(fileExists(path("")));
}

TEST_F(RecordFileTest, CanWriteTouchesNothing)
{
    writeRaw(path("Tramel.ini"), "settings");
    struct stat before {};
    ASSERT_EQ(::stat(path("Tramel.ini").c_str(), &before), 0);
    EXPECT_TRUE(canWrite(path("Tramel.ini")));
    struct stat after {};
    ASSERT_EQ(::stat(path("Tramel.ini").c_str(), &after), 0);
    EXPECT_EQ(readRaw(path("Tramel.ini")), "settings");
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);

    EXPECT_TRUE(canWrite(path("new.dis")));
    EXPECT_FALSE(fs::exists(path("new.dis")));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(RecordFileTest, CannotWriteAFolderOrIntoAMissingFolder)
{
    EXPECT_FALSE(canWrite(path("")));
    EXPECT_FALSE(canWrite(path("none/x.dis")));
}

TEST_F(RecordFileTest, CannotWriteAReadOnlyFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser may write any file";
    writeRaw(path("ro.dis"), "x");
    fs::permissions(path("ro.dis"), fs::perms::owner_read);
    EXPECT_FALSE(canWrite(path("ro.dis")));
}

} // namespace
} // namespace tramel
