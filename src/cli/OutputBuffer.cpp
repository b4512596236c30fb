#include "OutputBuffer.h"

#include <charconv>

namespace lampen::cli {

void OutputBuffer::number(int n) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

bool OutputBuffer::flush() {
    if (ok_ && !bytes_.empty())
        ok_ = std::fwrite(bytes_.data(), 1, bytes_.size(), file_) == bytes_.size();
    bytes_.clear();
    ok_ = ok_ && std::fflush(file_) == 0;
    return ok_;
}

} // namespace lampen::cli
