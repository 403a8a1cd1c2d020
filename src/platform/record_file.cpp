#include "record_file.h"

#include <QFile>
#include <QSaveFile>

#include <unistd.h>

namespace tramel {

bool RecordFile::open(const std::filesystem::path& path, std::size_t recordLength)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || recordLength == 0)
        return false;
    in_.close();
    in_.clear();
    in_.open(path, std::ios::binary);
    size_ = size;
    length_ = recordLength;
    next_ = 0;
    return in_.is_open();
}

std::optional<Record> RecordFile::read(std::uint64_t n)
{
    if (!in_.is_open() || n == 0 || n > count() + (hasPartialRecord() ? 1 : 0))
        return std::nullopt;
    const std::uint64_t offset = (n - 1) * length_;
    std::string bytes(std::min<std::uint64_t>(length_, size_ - offset), '\0');
    // Records read one after the other need no seek, which would drop the stream's buffer.
    if (offset != next_ || !in_) {
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(offset));
    }
    in_.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    next_ = in_ ? offset + bytes.size() : size_ + 1;
    if (!in_)
        return std::nullopt;
    return Record::fromBytes(std::move(bytes));
}

RecordFileWriter::RecordFileWriter(const std::filesystem::path& path, std::size_t recordLength, Mode mode)
    : file_(std::make_unique<QSaveFile>(QFile::decodeName(QByteArray::fromStdString(path.native())))),
      length_(recordLength)
{
    file_->setDirectWriteFallback(mode == Mode::InPlaceWhenNeeded);
    failed_ = !file_->open(QIODevice::WriteOnly);
}

RecordFileWriter::~RecordFileWriter() = default;

bool RecordFileWriter::write(const Record& record)
{
    const std::string& bytes = record.bytes();
    failed_ = failed_ || bytes.size() != length_
              || file_->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size());
    return !failed_;
}

bool RecordFileWriter::commit()
{
    // After a failure the temporary file is left to the destructor, which removes it.
    if (failed_ || !file_->isOpen())
        return false;
    return file_->commit();
}

bool fileExists(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec) && !std::filesystem::is_directory(path, ec);
}

bool canRead(const std::filesystem::path& path)
{
    if (!fileExists(path))
        return false;
    std::ifstream in(path, std::ios::binary);
    return in.is_open();
}

std::optional<std::string> readWhole(const std::filesystem::path& path)
{
    if (!fileExists(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!in.is_open() || ec)
        return std::nullopt;
    bytes.resize(size);
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size)
        return std::nullopt;
    return bytes;
}

bool canWrite(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    if (std::filesystem::exists(path, ec) && ::access(path.c_str(), W_OK) != 0)
        return false;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace tramel
