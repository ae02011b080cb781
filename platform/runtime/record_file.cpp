#include "platform/runtime/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/runtime/path_guard.h"

namespace ranvik {

namespace {

// Gathered writes go out once they reach this size.
constexpr std::int64_t kHeldTailLimit = 256 * 1024;
// Room is taken ahead in steps of a quarter of the file, within these bounds.
constexpr std::int64_t kRoomStepMin = 64 * 1024;
constexpr std::int64_t kRoomStepMax = 1024 * 1024;

std::string SystemError() { return std::strerror(errno); }

}  // namespace

RecordFile::~RecordFile() { CloseQuietly(); }

RecordFile::RecordFile(RecordFile&& other) noexcept { *this = std::move(other); }

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
    if (this != &other) {
        CloseQuietly();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
        length_ = other.length_;
        readOnly_ = other.readOnly_;
        holding_ = std::exchange(other.holding_, false);
        size_ = other.size_;
        written_ = other.written_;
        reserved_ = other.reserved_;
        floor_ = other.floor_;
        tailFrom_ = other.tailFrom_;
        tail_ = std::exchange(other.tail_, {});
        head_ = std::exchange(other.head_, {});
        headDirty_ = std::exchange(other.headDirty_, false);
    }
    return *this;
}

void RecordFile::Open(const std::string& path, std::size_t recordLength, FileAccess access) {
    Close();
    if (recordLength == 0) throw FileError("record length 0: " + path);
    if (auto refused = RefusedPath(path, access == FileAccess::ReadWrite)) throw FileError(*refused);
    const bool readOnly = access == FileAccess::ReadOnly;
    // A missing file is created for writing; an existing one is never
    // truncated.
    // O_NONBLOCK: a pipe swapped in after the check above must not hold the
    // open; the handle's own type is checked again (for a regular file the
    // flag changes nothing).
    const int fd = ::open(path.c_str(),
                          (readOnly ? O_RDONLY : O_RDWR | O_CREAT) | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) throw FileError("cannot open " + path + ": " + SystemError());
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        throw FileError("not a regular file: " + path);
    }
    fd_ = fd;
    path_ = path;
    length_ = recordLength;
    readOnly_ = readOnly;
}

void RecordFile::Close() {
    if (fd_ < 0) return;
    try {
        Flush();
    } catch (...) {
        CloseQuietly();
        throw;
    }
    CloseQuietly();
}

void RecordFile::CloseQuietly() noexcept {
    if (fd_ < 0) return;
    if (holding_) {
        try {
            Flush();
        } catch (...) {
        }
        // Room taken ahead goes back: the file ends with the last byte
        // written to it, as if every write had gone out at once.
        if (reserved_ > written_ && ::ftruncate(fd_, static_cast<off_t>(written_)) != 0) {
            // The zeros stay behind the last record, where readers ignore them.
        }
    }
    ::close(fd_);
    fd_ = -1;
    holding_ = false;
    tail_.clear();
    head_.clear();
    headDirty_ = false;
}

void RecordFile::CheckOpen() const {
    if (fd_ < 0) throw FileError("file not open");
}

std::int64_t RecordFile::Offset(std::int64_t k) const {
    CheckOpen();
    if (k < 1) throw FileError("bad record number " + std::to_string(k) + " in " + path_);
    return (k - 1) * static_cast<std::int64_t>(length_);
}

std::string RecordFile::Read(std::int64_t k) { return ReadBlock(k, 1); }

std::optional<std::string> RecordFile::ReadWhole(std::int64_t k) {
    std::string bytes(length_, '\0');
    if (ReadAt(Offset(k), bytes) < bytes.size()) return std::nullopt;
    return bytes;
}

std::string RecordFile::ReadBlock(std::int64_t k, std::int64_t count) {
    std::string bytes(static_cast<std::size_t>(std::max<std::int64_t>(count, 0)) * length_, '\0');
    if (count > 0) ReadAt(Offset(k), bytes);
    return bytes;
}

// Bytes [from, to) of the file into `bytes`, which starts at byte `at`.
// Where the file ends first, a handle that holds writes leaves zeros; any
// other handle cuts `bytes` there.
void RecordFile::ReadDisk(std::int64_t at, std::int64_t from, std::int64_t to, std::string& bytes) {
    while (from < to) {
        const ssize_t n = ::pread(fd_, bytes.data() + (from - at), static_cast<std::size_t>(to - from),
                                  static_cast<off_t>(from));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw FileError("cannot read " + path_ + ": " + SystemError());
        if (n == 0) {
            // The file ends here; readers of the handle see zeros.
            if (!holding_) bytes.resize(static_cast<std::size_t>(from - at));
            return;
        }
        from += n;
    }
}

std::size_t RecordFile::ReadAt(std::int64_t at, std::string& bytes) {
    const auto want = static_cast<std::int64_t>(bytes.size());
    if (!holding_) {
        ReadDisk(at, at, at + want, bytes);
        const std::size_t got = bytes.size();
        bytes.resize(static_cast<std::size_t>(want), '\0');
        return got;
    }
    // The bytes the file holds from `at` on, as far as they are wanted;
    // what the handle holds in memory lies over what the disk has.
    const std::int64_t end = at + std::clamp<std::int64_t>(size_ - at, 0, want);
    const auto headEnd = static_cast<std::int64_t>(head_.size());
    const std::int64_t tailEnd = tailFrom_ + static_cast<std::int64_t>(tail_.size());
    const std::int64_t from = std::max(at, headEnd);
    if (tail_.empty()) {
        ReadDisk(at, from, end, bytes);
    } else {
        ReadDisk(at, from, std::min(end, tailFrom_), bytes);
        ReadDisk(at, std::max(from, tailEnd), end, bytes);
    }
    if (at < headEnd && end > at)
        head_.copy(bytes.data(), static_cast<std::size_t>(std::min(end, headEnd) - at), static_cast<std::size_t>(at));
    if (!tail_.empty() && end > tailFrom_ && at < tailEnd) {
        const std::int64_t start = std::max(at, tailFrom_);
        tail_.copy(bytes.data() + (start - at), static_cast<std::size_t>(std::min(end, tailEnd) - start),
                   static_cast<std::size_t>(start - tailFrom_));
    }
    // Record 1 read whole is kept for the next read.
    if (headEnd == 0 && at == 0 && end >= static_cast<std::int64_t>(length_)) head_.assign(bytes, 0, length_);
    return static_cast<std::size_t>(end - at);
}

void RecordFile::Write(std::int64_t k, std::string_view bytes) {
    if (bytes.size() == length_) {
        WriteBlock(k, bytes);
        return;
    }
    std::string record(bytes.substr(0, length_));
    record.resize(length_, '\0');
    WriteBlock(k, record);
}

void RecordFile::WriteBlock(std::int64_t k, std::string_view bytes) {
    if (readOnly_) throw FileError("opened for reading only: " + path_);
    if (bytes.empty()) return;
    const std::int64_t at = Offset(k);
    if (!holding_) {
        PutAll(at, bytes);
        return;
    }
    if (at >= floor_ || (!tail_.empty() && at >= tailFrom_)) {
        HoldTail(at, bytes);
        return;
    }
    // Record 1 is kept back too, unless writing it makes the file longer.
    if (at == 0 && bytes.size() == length_ && size_ >= at + static_cast<std::int64_t>(length_)) {
        head_.assign(bytes);
        headDirty_ = true;
        return;
    }
    // Anywhere else the file is written at once, after what it holds back,
    // in the order the writes were made.
    Flush();
    WriteThrough(at, bytes);
}

void RecordFile::HoldTail(std::int64_t at, std::string_view bytes) {
    const std::int64_t end = at + static_cast<std::int64_t>(bytes.size());
    const std::int64_t tailEnd = tailFrom_ + static_cast<std::int64_t>(tail_.size());
    // The gathered bytes are one run: a write before it or beyond its end
    // sends it out first.
    if (!tail_.empty() && (at < tailFrom_ || at > tailEnd)) Flush();
    Reserve(end);
    if (tail_.empty()) tailFrom_ = at;
    const auto offset = static_cast<std::size_t>(at - tailFrom_);
    if (offset + bytes.size() > tail_.size()) tail_.resize(offset + bytes.size());
    tail_.replace(offset, bytes.size(), bytes);
    size_ = std::max(size_, end);
    if (static_cast<std::int64_t>(tail_.size()) >= kHeldTailLimit) {
        PutAll(tailFrom_, tail_);
        tail_.clear();
    }
}

void RecordFile::WriteThrough(std::int64_t at, std::string_view bytes) {
    PutAll(at, bytes);
    const std::int64_t end = at + static_cast<std::int64_t>(bytes.size());
    size_ = std::max(size_, end);
    reserved_ = std::max(reserved_, end);
    const auto headEnd = static_cast<std::int64_t>(head_.size());
    if (at < headEnd) {
        const auto count = static_cast<std::size_t>(std::min(end, headEnd) - at);
        head_.replace(static_cast<std::size_t>(at), count, bytes.substr(0, count));
    }
}

void RecordFile::PutAll(std::int64_t at, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(at + static_cast<std::int64_t>(done)));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw FileError("cannot write " + path_ + ": " + SystemError());
        done += static_cast<std::size_t>(n);
    }
    written_ = std::max(written_, at + static_cast<std::int64_t>(done));
}

void RecordFile::Reserve(std::int64_t end) {
    if (end <= reserved_) return;
    // While appended records gather, a step ahead, so that a long run takes
    // room a few times only; a single write, or a disk without room for the
    // step, takes just what the write needs.
    const std::int64_t step = tail_.empty() ? 0 : std::clamp(reserved_ / 4, kRoomStepMin, kRoomStepMax);
    int error = 0;
    for (const std::int64_t target : {std::max(end, reserved_ + step), end}) {
        error = ::posix_fallocate(fd_, static_cast<off_t>(reserved_), static_cast<off_t>(target - reserved_));
        if (error == 0) {
            reserved_ = target;
            return;
        }
        // A failure part of the way leaves nothing behind.
        if (::ftruncate(fd_, static_cast<off_t>(reserved_)) != 0) {
        }
    }
    throw FileError("cannot write " + path_ + ": " + std::strerror(error));
}

void RecordFile::HoldWrites(std::int64_t fromRecord) {
    const std::int64_t from = Offset(fromRecord);
    if (readOnly_) return;
    if (!holding_) {
        struct stat st {};
        if (::fstat(fd_, &st) != 0) throw FileError("cannot read " + path_ + ": " + SystemError());
        size_ = written_ = reserved_ = static_cast<std::int64_t>(st.st_size);
        tail_.clear();
        head_.clear();
        headDirty_ = false;
        holding_ = true;
    }
    // Record 1 is never part of the gathered run.
    floor_ = std::max(from, static_cast<std::int64_t>(length_));
}

void RecordFile::Flush() {
    if (!holding_) return;
    if (!tail_.empty()) {
        PutAll(tailFrom_, tail_);
        tail_.clear();
    }
    if (headDirty_) {
        PutAll(0, head_);
        headDirty_ = false;
    }
}

std::int64_t RecordFile::ByteLength() {
    CheckOpen();
    if (holding_) return size_;
    struct stat st {};
    if (::fstat(fd_, &st) != 0) throw FileError("cannot read " + path_ + ": " + SystemError());
    return static_cast<std::int64_t>(st.st_size);
}

std::int64_t RecordFile::RecordCount() { return ByteLength() / static_cast<std::int64_t>(length_); }

void PutInteger(std::string& record, std::size_t offset, std::int16_t value) {
    const auto u = static_cast<std::uint16_t>(value);
    record[offset] = static_cast<char>(u & 0xFF);
    record[offset + 1] = static_cast<char>(u >> 8);
}

void PutSingle(std::string& record, std::size_t offset, float value) {
    auto u = std::bit_cast<std::uint32_t>(value);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(record.data() + offset, &u, sizeof u);
        return;
    }
    for (int i = 0; i < 4; ++i) {
        record[offset + static_cast<std::size_t>(i)] = static_cast<char>(u & 0xFF);
        u >>= 8;
    }
}

}  // namespace ranvik
