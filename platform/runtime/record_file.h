#pragma once
// Files of fixed-length records numbered from 1, as the original's random
// access files: record k lies at byte (k - 1) x length.  Opening never
// truncates, writing past the end extends the file, nothing ever shortens it.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ranvik {

// A file operation that failed (missing folder, locked file, full disk).
// The window that started the operation reports it in a message box.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Read and write, creating a missing file (the stores); or read only, where a
// missing file is an error and nothing can ever be written (the readers: a
// reader that met a wrong name must not leave an empty file behind).
enum class FileAccess { ReadWrite, ReadOnly };

class RecordFile {
public:
    RecordFile() = default;
    RecordFile(const std::string& path, std::size_t recordLength, FileAccess access = FileAccess::ReadWrite) {
        Open(path, recordLength, access);
    }
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;
    RecordFile(RecordFile&& other) noexcept;
    RecordFile& operator=(RecordFile&& other) noexcept;

    // Opens for reading and writing, creating the file when missing, or for
    // reading only (FileError when the file is missing).
    void Open(const std::string& path, std::size_t recordLength, FileAccess access = FileAccess::ReadWrite);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Path() const { return path_; }
    std::size_t RecordLength() const { return length_; }

    // Reads record k (from 1).  A record wholly or partly past the end reads
    // as zero bytes where the file has none, as the original leaves its
    // buffer.
    std::string Read(std::int64_t k);
    // Record k only when the file holds every byte of it.
    std::optional<std::string> ReadWhole(std::int64_t k);
    // FileError on a file opened read-only.
    void Write(std::int64_t k, std::string_view bytes);
    // Reads `count` records from k on into one block, and writes a block of
    // whole records at k: moving many records costs one call each way.
    std::string ReadBlock(std::int64_t k, std::int64_t count);
    void WriteBlock(std::int64_t k, std::string_view bytes);
    // Whole records the file holds (LOF / length).
    std::int64_t RecordCount();
    // Byte length of the file.
    std::int64_t ByteLength();

private:
    void Seek(std::int64_t k);
    // Fills `bytes` from record k on; returns how many the file held.
    std::size_t ReadInto(std::int64_t k, std::string& bytes);
    std::FILE* file_ = nullptr;
    std::string path_;
    std::size_t length_ = 0;
    bool readOnly_ = false;
};

// Little-endian fields of records: 2-byte Integer and 4-byte Single.
std::int16_t GetInteger(std::string_view record, std::size_t offset);
void PutInteger(std::string& record, std::size_t offset, std::int16_t value);
float GetSingle(std::string_view record, std::size_t offset);
void PutSingle(std::string& record, std::size_t offset, float value);

}  // namespace ranvik
