#include "platform/runtime/record_file.h"

#include <bit>
#include <cstring>
#include <utility>

#include "platform/runtime/path_guard.h"

namespace ranvik {

RecordFile::~RecordFile() { Close(); }

RecordFile::RecordFile(RecordFile&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      path_(std::move(other.path_)),
      length_(other.length_),
      readOnly_(other.readOnly_) {}

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
    if (this != &other) {
        Close();
        file_ = std::exchange(other.file_, nullptr);
        path_ = std::move(other.path_);
        length_ = other.length_;
        readOnly_ = other.readOnly_;
    }
    return *this;
}

void RecordFile::Open(const std::string& path, std::size_t recordLength, FileAccess access) {
    Close();
    if (recordLength == 0) throw FileError("record length 0: " + path);
    if (auto refused = RefusedPath(path, access == FileAccess::ReadWrite)) throw FileError(*refused);
    const bool readOnly = access == FileAccess::ReadOnly;
    std::FILE* f = std::fopen(path.c_str(), readOnly ? "rb" : "r+b");
    if (f == nullptr && !readOnly) f = std::fopen(path.c_str(), "w+b");  // new file: nothing to truncate
    if (f == nullptr) throw FileError("cannot open " + path + ": " + std::strerror(errno));
    file_ = f;
    path_ = path;
    length_ = recordLength;
    readOnly_ = readOnly;
}

void RecordFile::Close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

void RecordFile::Seek(std::int64_t k) {
    if (file_ == nullptr) throw FileError("file not open");
    if (k < 1) throw FileError("bad record number " + std::to_string(k) + " in " + path_);
    const auto offset = static_cast<off_t>((k - 1) * static_cast<std::int64_t>(length_));
    if (fseeko(file_, offset, SEEK_SET) != 0) throw FileError("cannot seek in " + path_);
}

std::string RecordFile::Read(std::int64_t k) { return ReadBlock(k, 1); }

std::optional<std::string> RecordFile::ReadWhole(std::int64_t k) {
    std::string bytes(length_, '\0');
    if (ReadInto(k, bytes) < bytes.size()) return std::nullopt;
    return bytes;
}

std::string RecordFile::ReadBlock(std::int64_t k, std::int64_t count) {
    std::string bytes(static_cast<std::size_t>(count) * length_, '\0');
    if (count > 0) ReadInto(k, bytes);
    return bytes;
}

std::size_t RecordFile::ReadInto(std::int64_t k, std::string& bytes) {
    Seek(k);
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file_);
    if (got < bytes.size() && std::ferror(file_)) throw FileError("cannot read " + path_);
    std::clearerr(file_);
    return got;
}

void RecordFile::Write(std::int64_t k, std::string_view bytes) {
    std::string record(bytes.substr(0, length_));
    record.resize(length_, '\0');
    WriteBlock(k, record);
}

void RecordFile::WriteBlock(std::int64_t k, std::string_view bytes) {
    if (readOnly_) throw FileError("opened for reading only: " + path_);
    if (bytes.empty()) return;
    Seek(k);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() || std::fflush(file_) != 0)
        throw FileError("cannot write " + path_ + ": " + std::strerror(errno));
}

std::int64_t RecordFile::ByteLength() {
    if (file_ == nullptr) throw FileError("file not open");
    if (fseeko(file_, 0, SEEK_END) != 0) throw FileError("cannot seek in " + path_);
    return static_cast<std::int64_t>(ftello(file_));
}

std::int64_t RecordFile::RecordCount() { return ByteLength() / static_cast<std::int64_t>(length_); }

std::int16_t GetInteger(std::string_view record, std::size_t offset) {
    const auto lo = static_cast<unsigned char>(record[offset]);
    const auto hi = static_cast<unsigned char>(record[offset + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

void PutInteger(std::string& record, std::size_t offset, std::int16_t value) {
    const auto u = static_cast<std::uint16_t>(value);
    record[offset] = static_cast<char>(u & 0xFF);
    record[offset + 1] = static_cast<char>(u >> 8);
}

float GetSingle(std::string_view record, std::size_t offset) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<unsigned char>(record[offset + static_cast<std::size_t>(i)]);
    return std::bit_cast<float>(u);
}

void PutSingle(std::string& record, std::size_t offset, float value) {
    auto u = std::bit_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        record[offset + static_cast<std::size_t>(i)] = static_cast<char>(u & 0xFF);
        u >>= 8;
    }
}

}  // namespace ranvik
