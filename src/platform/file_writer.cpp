#include "file_writer.h"

#include <QFile>
#include <QImage>
#include <QSaveFile>

namespace tramel {

namespace {

QString nomeQt(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

} // namespace

FileWriter::FileWriter(const std::filesystem::path& path) : file_(std::make_unique<QSaveFile>(nomeQt(path)))
{
    failed_ = !file_->open(QIODevice::WriteOnly);
    buffer_.reserve(BLOCCO + 1024);
}

FileWriter::~FileWriter() = default;

void FileWriter::flush()
{
    const auto n = static_cast<qint64>(buffer_.size());
    // Nothing more is tried once a write has failed, or the file never opened.
    failed_ = failed_ || file_->write(buffer_.data(), n) != n;
    buffer_.clear();
}

bool FileWriter::commit()
{
    flush();
    // After a failure the temporary file is left to the destructor, which removes it.
    return !failed_ && file_->commit();
}

bool salvaBmp(const QImage& immagine, const std::filesystem::path& path)
{
    QSaveFile file(nomeQt(path));
    return file.open(QIODevice::WriteOnly) && immagine.save(&file, "BMP") && file.commit();
}

} // namespace tramel
