// The texts that the value formatter gives for single-precision values, condensed into one
// digest for each of 256 blocks of bit patterns, so that the builds of two commits can be compared
// over billions of values without writing them out.
// Usage: single_format_digest STEP          "BLOCK DIGEST" for every STEPth pattern from 0
//        single_format_digest STEP BLOCK    "PATTERN TEXT" for those patterns of the block
#include "result_format.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr std::uint64_t kPatterns = std::uint64_t{1} << 32;
constexpr int kBlockShift = 24;

std::string textOf(std::uint64_t pattern) {
    const float value = std::bit_cast<float>(static_cast<std::uint32_t>(pattern));
    return vemlik::formatValue(value, vemlik::ValuePrecision::Single, ",");
}

// FNV-1a over the texts, each ended by a line feed.
void printDigests(std::uint64_t step) {
    std::uint64_t digest = 14695981039346656037u;
    std::uint64_t block = 0;
    for (std::uint64_t pattern = 0; pattern < kPatterns; pattern += step) {
        if (pattern >> kBlockShift != block) {
            std::printf("%llu %016llx\n", static_cast<unsigned long long>(block),
                        static_cast<unsigned long long>(digest));
            block = pattern >> kBlockShift;
            digest = 14695981039346656037u;
        }
        for (const char byte : textOf(pattern) + '\n') {
            digest = (digest ^ static_cast<unsigned char>(byte)) * 1099511628211u;
        }
    }
    std::printf("%llu %016llx\n", static_cast<unsigned long long>(block),
                static_cast<unsigned long long>(digest));
}

void printTexts(std::uint64_t step, std::uint64_t block) {
    const std::uint64_t first = block << kBlockShift;
    for (std::uint64_t pattern = (first + step - 1) / step * step;
         pattern < first + (std::uint64_t{1} << kBlockShift); pattern += step) {
        std::printf("%08llx %s\n", static_cast<unsigned long long>(pattern),
                    textOf(pattern).c_str());
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const std::uint64_t step = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 0;
    if (step == 0 || argc > 3) {
        std::fprintf(stderr, "Usage: single_format_digest STEP [BLOCK]\n");
        return 2;
    }
    if (argc == 3) {
        printTexts(step, std::strtoull(argv[2], nullptr, 10));
    } else {
        printDigests(step);
    }
    return 0;
}
