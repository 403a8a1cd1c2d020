#pragma once
#include "platform/record_file.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tramel {

// Where a reader takes its fixed-length records from, numbered from 1: a
// file on disk, or bytes already in memory (tests, the fuzz target).
class SorgenteRecord {
public:
    virtual ~SorgenteRecord() = default;
    // The whole records.
    virtual std::uint64_t count() const = 0;
    // Whether a piece of a record follows the last whole one.
    virtual bool hasPartialRecord() const = 0;
    // Whole record n, 1 <= n <= count(); nothing on a read error.
    virtual std::optional<Record> read(std::uint64_t n) = 0;
};

// The records of a file, read one at a time.
class SorgenteFile : public SorgenteRecord {
public:
    // False when the file cannot be opened.
    bool open(const std::filesystem::path& path, std::size_t recordLength) { return file_.open(path, recordLength); }
    std::uint64_t count() const override { return file_.count(); }
    bool hasPartialRecord() const override { return file_.hasPartialRecord(); }
    std::optional<Record> read(std::uint64_t n) override;

private:
    RecordFile file_;
};

// The records of bytes held by the caller, which must outlive the source.
class SorgenteMemoria : public SorgenteRecord {
public:
    SorgenteMemoria(std::string_view bytes, std::size_t recordLength)
        : bytes_(bytes), length_(recordLength == 0 ? 1 : recordLength) {}
    std::uint64_t count() const override { return bytes_.size() / length_; }
    bool hasPartialRecord() const override { return bytes_.size() % length_ != 0; }
    std::optional<Record> read(std::uint64_t n) override;

private:
    std::string_view bytes_;
    std::size_t length_;
};

} // namespace tramel
