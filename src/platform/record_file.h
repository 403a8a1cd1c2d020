#pragma once
#include "record.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

class QSaveFile;

namespace tramel {

// Reads a file of fixed-length records numbered from 1, one record at a time,
// so that a large file is never held in memory whole.
class RecordFile {
public:
    // Opens the file for reading; false when it cannot be read or the length is 0.
    bool open(const std::filesystem::path& path, std::size_t recordLength);

    std::size_t recordLength() const { return length_; }
    // The whole records in the file.
    std::uint64_t count() const { return size_ / length_; }
    // Whether the file ends with a piece of a record after the last whole one.
    bool hasPartialRecord() const { return size_ % length_ != 0; }

    // Record n (from 1): a whole record, or for n = count() + 1 the partial
    // trailing record, shorter than the record length. nullopt beyond the
    // file's end or on a read error.
    std::optional<Record> read(std::uint64_t n);

private:
    std::ifstream in_;
    std::size_t length_ = 1;
    std::uint64_t size_ = 0;
    std::uint64_t next_ = 0; // where the stream stands after the last read
};

// Writes a new content for a record file: records are appended one after
// the other into a temporary file, which replaces the old file only when
// commit() succeeds. Until then, and after any failure, the old file is untouched.
class RecordFileWriter {
public:
    // How the new content reaches the file. InPlaceWhenNeeded writes the file
    // itself where its folder cannot take the temporary file: the write then
    // still succeeds, but a failure midway leaves the file cut short.
    enum class Mode { SafeReplace, InPlaceWhenNeeded };

    RecordFileWriter(const std::filesystem::path& path, std::size_t recordLength, Mode mode = Mode::SafeReplace);
    ~RecordFileWriter(); // an uncommitted write is discarded

    RecordFileWriter(const RecordFileWriter&) = delete;
    RecordFileWriter& operator=(const RecordFileWriter&) = delete;

    // Appends the next record; fails when the record's size is not the record
    // length or the write fails, and then the whole write has failed.
    bool write(const Record& record);
    // Replaces the file with the records written; false when anything failed.
    bool commit();

private:
    std::unique_ptr<QSaveFile> file_;
    std::size_t length_;
    bool failed_ = false;
};

// Whether a file (not a folder) of that name exists.
bool fileExists(const std::filesystem::path& path);

// Whether a file (not a folder) of that name can be opened for reading; the
// test opens it and closes it again at once.
bool canRead(const std::filesystem::path& path);

// The whole content of a file, read at once; the file is closed again before
// this returns. Nothing when it cannot be opened or read.
std::optional<std::string> readWhole(const std::filesystem::path& path);

// Whether a RecordFileWriter could write that file: the file, when it exists,
// and its folder (where the temporary file goes) are writable. Only the
// permissions are checked; nothing is opened or created.
bool canWrite(const std::filesystem::path& path);

} // namespace tramel
