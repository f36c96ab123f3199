#pragma once

#include <cstddef>
#include <string_view>

namespace vemlik {

// Where lines come from: a file of the system, or a text already in memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Bytes read into the buffer; 0 at the end, -1 after a fault.
    virtual std::ptrdiff_t read(char* buffer, std::size_t size) = 0;
};

// The bytes of a text, handed out as a file would hand them out.
class TextSource : public ByteSource {
public:
    explicit TextSource(std::string_view text) : rest_(text) {}
    std::ptrdiff_t read(char* buffer, std::size_t size) override;

private:
    std::string_view rest_;
};

} // namespace vemlik
