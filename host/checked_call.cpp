#include "checked_call.h"

#include "host_session.h"

namespace standin {

#if defined(__i386__)

// The thunk's record of each call in progress: the frame of the checking call, found again
// through the nesting depth because the callee may have wrecked every register. Calls nest
// (an action runs a script line that calls another action), never run in parallel.
extern "C" {
uint32_t standin_checkFrames[256];
int32_t standin_checkDepth = 0;
}

// (entry, count, arguments, report) -> the callee's result; report[0] = the stack pointer
// after the call less where it belongs, report[1] = the changed registers.
extern "C" __attribute__((naked))
int32_t __cdecl standin_callChecked(const void*, int32_t, const int32_t*, int32_t*) {
    __asm__(
        "    pushl %ebp\n"
        "    movl %esp, %ebp\n"
        "    pushl %ebx\n"
        "    pushl %esi\n"
        "    pushl %edi\n"
        "    movl _standin_checkDepth, %eax\n"
        "    movl %ebp, _standin_checkFrames(,%eax,4)\n"
        "    incl _standin_checkDepth\n"
        "    movl 12(%ebp), %ecx\n"  // count
        "    movl 16(%ebp), %edx\n"  // arguments
        "1:  testl %ecx, %ecx\n"
        "    jz 2f\n"
        "    decl %ecx\n"
        "    pushl (%edx,%ecx,4)\n"  // the last argument first
        "    jmp 1b\n"
        "2:  movl 8(%ebp), %eax\n"      // entry
        "    movl $0x5EB15EB1, %ebx\n"  // markers the callee must give back
        "    movl $0x5E515E51, %esi\n"
        "    movl $0x5ED15ED1, %edi\n"
        "    movl $0x5EB05EB0, %ebp\n"
        "    call *%eax\n"
        "    xorl %ecx, %ecx\n"
        "    cmpl $0x5EB15EB1, %ebx\n"
        "    je 3f\n"
        "    orl $1, %ecx\n"
        "3:  cmpl $0x5E515E51, %esi\n"
        "    je 4f\n"
        "    orl $2, %ecx\n"
        "4:  cmpl $0x5ED15ED1, %edi\n"
        "    je 5f\n"
        "    orl $4, %ecx\n"
        "5:  cmpl $0x5EB05EB0, %ebp\n"
        "    je 6f\n"
        "    orl $8, %ecx\n"
        "6:  decl _standin_checkDepth\n"
        "    movl _standin_checkDepth, %edx\n"
        "    movl _standin_checkFrames(,%edx,4), %edx\n"  // this call's frame
        "    leal -12(%edx), %esi\n"                      // where the stack pointer belongs
        "    movl %esp, %ebx\n"
        "    subl %esi, %ebx\n"
        "    movl %edx, %ebp\n"
        "    movl %esi, %esp\n"
        "    movl 20(%ebp), %edx\n"  // report
        "    movl %ebx, (%edx)\n"
        "    movl %ecx, 4(%edx)\n"
        "    popl %edi\n"
        "    popl %esi\n"
        "    popl %ebx\n"
        "    popl %ebp\n"
        "    ret\n");
}

bool callCheckingConvention(const void* entry, int count, const int32_t* arguments, int32_t& result,
                            ConventionReport& report) noexcept {
    if (standin_checkDepth < 0 || standin_checkDepth >= static_cast<int32_t>(sizeof standin_checkFrames /
                                                                             sizeof standin_checkFrames[0]))
        return false;
    int32_t words[2] = {};
    result = standin_callChecked(entry, count, arguments, words);
    report.stackMoved = words[0];
    report.registersChanged = static_cast<uint32_t>(words[1]);
    return true;
}

#endif

std::string describeBreach(const ConventionReport& report) {
    std::string text;
    if (report.stackMoved != 0)
        text = "moved the stack pointer by " + std::to_string(report.stackMoved) + " bytes";
    const std::pair<uint32_t, const char*> registers[] = {
        {kChangedEbx, "EBX"}, {kChangedEsi, "ESI"}, {kChangedEdi, "EDI"}, {kChangedEbp, "EBP"}};
    for (const auto& [bit, name] : registers) {
        if (!(report.registersChanged & bit)) continue;
        text += text.empty() ? "changed " : ", changed ";
        text += name;
    }
    return text;
}

HeapCheck::HeapCheck(const char* what) noexcept
    : what_(what), validBefore_(HeapValidate(GetProcessHeap(), 0, nullptr) != FALSE) {
    if (!validBefore_) session().contractBroken(std::string("the process heap was damaged before ") + what);
}

HeapCheck::~HeapCheck() {
    if (validBefore_ && !HeapValidate(GetProcessHeap(), 0, nullptr))
        session().contractBroken(std::string("the process heap is damaged after ") + what_ +
                                 ": a block was freed twice, or something that was no block was freed");
}

void reportBreach(const char* what, const ConventionReport& report) {
    const std::string breach = describeBreach(report);
    if (!breach.empty()) session().contractBroken(std::string(what) + " " + breach);
}

}  // namespace standin
