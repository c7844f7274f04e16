#pragma once
// Where the Windows build prints. It is a GUI program, so it gets no console of its own:
// it prints into output its caller redirected (a file or a pipe), else into the console
// of the program that started it (a command prompt), else nowhere.
#include <windows.h>

#include <string_view>

namespace hueloom::skincheck {

class ConsoleOutput {
public:
    ConsoleOutput() = default;
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;
    ~ConsoleOutput();

    // Finds somewhere to print; false when there is nowhere (started from Explorer).
    [[nodiscard]] bool open();
    // Writes UTF-8 text to standard output or standard error.
    void write(std::string_view utf8, bool toError);

private:
    HANDLE out_ = nullptr;
    HANDLE err_ = nullptr;
    HANDLE console_ = nullptr;  // CONOUT$ of the parent's console, when attached to it
};

} // namespace hueloom::skincheck
