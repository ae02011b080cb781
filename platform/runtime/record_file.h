#pragma once
// Files of fixed-length records numbered from 1, as the original's random
// access files: record k lies at byte (k - 1) x length.  Opening never
// truncates, writing past the end extends the file, nothing ever shortens it.
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
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
    // Closes quietly: what Close would report is lost here, so a writer that
    // must know calls Close itself.
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;
    RecordFile(RecordFile&& other) noexcept;
    RecordFile& operator=(RecordFile&& other) noexcept;

    // Opens for reading and writing, creating the file when missing, or for
    // reading only (FileError when the file is missing).
    void Open(const std::string& path, std::size_t recordLength, FileAccess access = FileAccess::ReadWrite);
    // Writes what is held (see HoldWrites) and closes.  FileError when a held
    // write fails; the file is closed all the same.
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
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

    // A run of many small writes, such as bars merged one after another:
    // from now until Close the handle takes the file to itself.  Record 1
    // (a header) is kept in memory and written when the handle closes or
    // before any write below `fromRecord`; writes from `fromRecord` on
    // (behind the records the header counts) are gathered and written in
    // large blocks, ahead of record 1.  The room they need beyond the file's
    // end is taken on the disk at once, so a full disk fails the write that
    // needs it, before anything of it is written.  A crash in the meantime
    // leaves the file as an earlier record 1 describes it, with at most
    // other bytes behind the records it counts.  Reads through the handle
    // see every write; nothing else may read or write the file until Close.
    // Called again, it moves the boundary.
    void HoldWrites(std::int64_t fromRecord);
    // Writes what is held, record 1 last.
    void Flush();

private:
    void CheckOpen() const;
    std::int64_t Offset(std::int64_t k) const;
    // Fills `bytes` from byte `at` on; returns how many the file held.
    std::size_t ReadAt(std::int64_t at, std::string& bytes);
    void ReadDisk(std::int64_t at, std::int64_t from, std::int64_t to, std::string& bytes);
    void HoldTail(std::int64_t at, std::string_view bytes);
    void WriteThrough(std::int64_t at, std::string_view bytes);
    void PutAll(std::int64_t at, std::string_view bytes);
    void Reserve(std::int64_t end);
    void CloseQuietly() noexcept;

    int fd_ = -1;
    std::string path_;
    std::size_t length_ = 0;
    bool readOnly_ = false;

    // While writes are held: the file's length with every write made
    // (size_), the end of the bytes written to the disk (written_), the
    // length it takes on the disk, room taken ahead included (reserved_),
    // the first byte a write may be gathered at (floor_) and the gathered
    // bytes from tailFrom_ on.
    bool holding_ = false;
    std::int64_t size_ = 0;
    std::int64_t written_ = 0;
    std::int64_t reserved_ = 0;
    std::int64_t floor_ = 0;
    std::int64_t tailFrom_ = 0;
    std::string tail_;
    // Record 1 as the handle knows it; written when headDirty_.
    std::string head_;
    bool headDirty_ = false;
};

// Little-endian fields of records: 2-byte Integer and 4-byte Single.  The
// readers are inline: a walk of a whole file reads several a record, and
// through calls each comes back in a register that is put aside on the
// stack and read back with its neighbours in one piece, which stalls.
inline std::int16_t GetInteger(std::string_view record, std::size_t offset) {
    const auto lo = static_cast<unsigned char>(record[offset]);
    const auto hi = static_cast<unsigned char>(record[offset + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}
void PutInteger(std::string& record, std::size_t offset, std::int16_t value);
inline float GetSingle(std::string_view record, std::size_t offset) {
    std::uint32_t u = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&u, record.data() + offset, sizeof u);
    } else {
        for (int i = 3; i >= 0; --i)
            u = (u << 8) | static_cast<unsigned char>(record[offset + static_cast<std::size_t>(i)]);
    }
    return std::bit_cast<float>(u);
}
void PutSingle(std::string& record, std::size_t offset, float value);

}  // namespace ranvik
