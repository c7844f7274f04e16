#pragma once
// The running publication: the host's main window, its pages, the dialogs a script opens,
// and the names by which scripts reach every window.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

enum class WindowRole { Host, Page, Dialog, Control, HostObject };

struct NamedWindow {
    std::string name;
    HWND window = nullptr;
    WindowRole role = WindowRole::Control;
    bool shown = false;  // the host last showed it (or made it visible), rather than hid it
};

inline constexpr wchar_t kHostWindowClass[] = L"StandinHostWindow";
inline constexpr wchar_t kPageClass[] = L"StandinPage";
inline constexpr wchar_t kDialogClass[] = L"StandinDialog";
inline constexpr char kHostWindowName[] = "HostWindow";
inline constexpr char kFirstPageName[] = "Page1";

class Publication {
public:
    Publication() = default;
    Publication(const Publication&) = delete;
    Publication& operator=(const Publication&) = delete;

    // The main window lives for the whole run; the plug-in keeps its handle.
    [[nodiscard]] bool createHostWindow();
    void destroyHostWindow() noexcept;
    [[nodiscard]] HWND hostWindow() const noexcept { return host_; }

    // A fresh page state for one script file: the first page with its demo controls.
    void open();
    // The host window's menu bar (File, Edit, Help) on or off; every file starts without.
    void setMenuBar(bool on);
    // Destroys the dialogs and pages with everything on them and forgets every name.
    void close() noexcept;

    [[nodiscard]] HWND currentPage() const noexcept { return current_; }
    // Each returns an empty text on success, else what went wrong.
    // With `buildOnShow`, the page's controls are made only when it is first shown, as the
    // authoring tool makes a page's objects when it displays the page.
    [[nodiscard]] std::string newPage(std::string_view name, bool buildOnShow = false);
    [[nodiscard]] std::string showPage(std::string_view name);
    [[nodiscard]] std::string openDialog(std::string_view name);
    [[nodiscard]] std::string closeDialog(std::string_view name);
    // Destroys a page other than the current one, with everything on it.
    [[nodiscard]] std::string closePage(std::string_view name);

    // A named window that still exists, or null.
    [[nodiscard]] const NamedWindow* find(std::string_view name) const;
    [[nodiscard]] bool isTaken(std::string_view name) const { return find(name) != nullptr; }
    // A new name is shown when its window has the WS_VISIBLE style now.
    void add(std::string_view name, HWND window, WindowRole role);
    // Records that the host has just shown or hidden the named window.
    void noteShown(HWND window, bool shown) noexcept;
    // Live named windows that the host showed and has not hidden since, but whose own
    // WS_VISIBLE style is clear: what a WM_SETREDRAW FALSE left behind.
    [[nodiscard]] std::vector<NamedWindow> lostVisibility() const;

    void repaintObjectsTiedTo(std::string_view variable) const;

    // The background of every page, as an author's page colour sets it; nullopt gives the
    // pages the system's dialog colour back. Each script file starts with that.
    void setPageColour(std::optional<COLORREF> colour);

private:
    HWND createPage(std::string_view name, bool visible);

    HWND host_ = nullptr;
    HWND current_ = nullptr;
    std::vector<NamedWindow> names_;
    std::vector<std::pair<HWND, std::string>> pagesToBuild_;
};

}  // namespace standin
