#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace ce {

// A bounds-checked little-endian cursor over resource bytes. Every read says
// whether it fitted; a failed read leaves the cursor where it was. Offsets
// are relative to the start, and the end is only ever compared against, so
// a size of SIZE_MAX (an in-memory template of unknown length) is safe.
class ByteReader {
public:
    ByteReader(const void* data, std::size_t size) : data_(static_cast<const BYTE*>(data)), size_(size) {}

    std::size_t offset() const { return offset_; }
    std::size_t size() const { return size_; }
    std::size_t remaining() const { return size_ - offset_; }
    const BYTE* current() const { return data_ + offset_; }

    bool skip(std::size_t count) {
        if (count > remaining()) return false;
        offset_ += count;
        return true;
    }
    bool seek(std::size_t offset) {
        if (offset > size_) return false;
        offset_ = offset;
        return true;
    }
    // Moves to the next multiple of alignment (counted from the start).
    bool align(std::size_t alignment) {
        std::size_t misalignment = offset_ % alignment;
        return misalignment == 0 || skip(alignment - misalignment);
    }

    // Moves to the next address that is a multiple of alignment, as the
    // platform does for in-memory dialog templates.
    bool alignAddress(std::size_t alignment) {
        std::size_t misalignment = reinterpret_cast<std::uintptr_t>(current()) % alignment;
        return misalignment == 0 || skip(alignment - misalignment);
    }

    bool readByte(BYTE& value) { return readRaw(&value, sizeof value); }
    bool readWord(WORD& value) { return readRaw(&value, sizeof value); }
    bool readShort(short& value) { return readRaw(&value, sizeof value); }
    bool readDword(DWORD& value) { return readRaw(&value, sizeof value); }

    // A NUL-terminated UTF-16 string; fails when no terminator fits.
    bool readString(std::u16string& text) {
        std::size_t start = offset_;
        std::u16string result;
        for (;;) {
            WORD unit = 0;
            if (!readWord(unit)) {
                offset_ = start;
                return false;
            }
            if (unit == 0) break;
            result.push_back(static_cast<char16_t>(unit));
        }
        text = std::move(result);
        return true;
    }

private:
    // The host is little-endian, as the device's ARM is: bytes copy as is.
    bool readRaw(void* target, std::size_t count) {
        if (count > remaining()) return false;
        std::memcpy(target, data_ + offset_, count);
        offset_ += count;
        return true;
    }

    const BYTE* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

}  // namespace ce
