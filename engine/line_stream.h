#pragma once

#include "system_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vemlik {

// The lines of a file, read piece by piece so that at most one line is held at a time. A line
// ends at LF, CR LF or a lone CR (files from old systems). A line longer than the limit is
// passed over without being held and comes back empty, marked too long.
class LineStream {
public:
    static constexpr std::size_t kLineLimit = 64 * 1024;

    struct Line {
        std::string_view text;
        bool tooLong = false;
    };

    explicit LineStream(SystemFile& file);
    // The lines of a text already in memory.
    explicit LineStream(std::string_view text);

    // The next line, valid until the next call; nothing at the end of the file or after a
    // read fault.
    std::optional<Line> next();
    bool failed() const { return failed_; }
    // The file's last byte read so far; nothing while no byte was read.
    std::optional<char> lastByte() const { return lastByte_; }

private:
    bool refill();
    void take(std::string_view piece, bool& tooLong);

    SystemFile* file_ = nullptr; // none for a text in memory
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::string line_;
    bool afterCarriageReturn_ = false;
    bool failed_ = false;
    std::optional<char> lastByte_;
};

} // namespace vemlik
