#pragma once
// The pass/fail tally of the binary checks: each failed check is printed as "FAILED: ...",
// for the release check to quote.
#include <cstdio>
#include <string>

namespace hueloom::pe {

class CheckCount {
public:
    void operator()(bool ok, const std::string& what) {
        ++checks_;
        if (!ok) {
            ++failures_;
            std::printf("FAILED: %s\n", what.c_str());
        }
    }
    // Prints the totals under the program's name; the exit code: 0 when all passed.
    int finish(const std::string& name) const {
        std::printf("%s: %d passed, %d failed\n", name.c_str(), checks_ - failures_, failures_);
        return failures_ == 0 ? 0 : 1;
    }

private:
    int checks_ = 0;
    int failures_ = 0;
};

} // namespace hueloom::pe
