#pragma once
// One buffer between the report writers and standard output: text and numbers are appended as
// bytes and handed to the file in large blocks, so a report of thousands of groups costs no
// formatting machinery per number and no memory beyond one block.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace lampen::cli {

class OutputBuffer {
public:
    explicit OutputBuffer(std::FILE* file) : file_(file) { bytes_.reserve(kBlock + kBlock / 4); }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;
    ~OutputBuffer() { flush(); }

    void put(char c) {
        bytes_.push_back(c);
        spill();
    }
    void put(std::string_view text) {
        bytes_.append(text);
        spill();
    }
    void number(int n); // decimal, digits written straight into the buffer

    // Hands everything to the file; false once any write has failed.
    bool flush();
    bool ok() const { return ok_; }

private:
    static constexpr std::size_t kBlock = 64 * 1024;
    void spill() {
        if (bytes_.size() >= kBlock)
            flush();
    }

    std::FILE* file_;
    std::string bytes_;
    bool ok_ = true;
};

} // namespace lampen::cli
