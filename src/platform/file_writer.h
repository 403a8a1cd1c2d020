#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

class QImage;
class QSaveFile;

namespace tramel {

// Writes a new content for a file as a stream of bytes, gathered in a small
// buffer and handed on in large blocks, into a temporary file that replaces
// the old file only when commit() succeeds. Until then, and after any
// failure, the old file is untouched and no new file is left behind.
class FileWriter {
public:
    explicit FileWriter(const std::filesystem::path& path);
    ~FileWriter(); // an uncommitted write is discarded

    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // Appends bytes; a failure is remembered and makes commit() fail.
    void write(std::string_view bytes)
    {
        buffer_ += bytes;
        if (buffer_.size() >= BLOCCO)
            flush();
    }
    // Replaces the file with the bytes written; false when anything failed.
    bool commit();

private:
    static constexpr std::size_t BLOCCO = 1 << 16;
    void flush();

    std::unique_ptr<QSaveFile> file_;
    std::string buffer_;
    bool failed_ = false;
};

// Saves the picture as an uncompressed BMP file (24 bits per pixel for an
// opaque picture), replacing an existing file only once the new one is
// complete; false when the file could not be written.
bool salvaBmp(const QImage& immagine, const std::filesystem::path& path);

} // namespace tramel
