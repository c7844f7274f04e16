#include "overlay/bindings.h"

#include <cmath>

#include "common/text.h"
#include "overlay/overlay_geometry.h"
#include "overlay/overlay_interaction.h"
#include "overlay/overlay_stacking.h"
#include "overlay/overlay_window.h"
#include "platform/module_pin.h"
#include "platform/subclass.h"
#include "platform/system_functions.h"
#include "platform/window_relations.h"
#include "theme/theme_state.h"

namespace hueloom {

namespace {

constexpr UINT kRaiseFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;
constexpr double kDefaultMinimum = 0;
constexpr double kDefaultMaximum = 100;

WindowMap<OverlayBinding>& bindings() { return overlayState().bindings; }

// Scripts pass handles as numbers; the low 32 bits are the handle (sign-extended, as
// 64-bit Windows does with window handles).
HWND handleFromText(const std::wstring& text) noexcept {
    const auto low = static_cast<int32_t>(static_cast<uint32_t>(readInteger(trimSpaces(text))));
    return reinterpret_cast<HWND>(static_cast<intptr_t>(low));
}

// Only objects of the host's own GUI thread can carry the subclass and an overlay child;
// a handle of another program's window must not get a window of ours as its child.
bool isBindableObject(HWND object) {
    return object && IsWindow(object) &&
           GetWindowThreadProcessId(object, nullptr) == GetCurrentThreadId();
}

std::wstring bracketedVariable(const std::wstring& text) {
    std::wstring name = trimSpaces(text);
    if (!name.empty() && name.front() != L'[') name = L"[" + name + L"]";
    return name;
}

void applyTrackRange(OverlayBinding& binding, const BindTexts& texts) {
    const std::wstring minimumText = trimSpaces(texts.minimum);
    const std::wstring maximumText = trimSpaces(texts.maximum);
    if (!minimumText.empty() || !maximumText.empty()) {
        binding.minimum = readReal(minimumText);
        binding.maximum = readReal(maximumText);
    }
    // Quiet comparison: NaN ends fall back without a floating-point exception.
    if (!std::isless(binding.minimum, binding.maximum)) {
        binding.minimum = kDefaultMinimum;
        binding.maximum = kDefaultMaximum;
    }
}

HWND createOverlayWindow(HWND parent) {
    return systemFunctions().resources.createWindowExW(WS_EX_NOPARENTNOTIFY, kOverlayClassName, L"",
                                                       WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 10, 10, parent,
                                                       nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Makes the binding and its overlay for an object seen for the first time. Returns the
// failure message, or an empty text on success.
std::wstring createBinding(HWND object, OverlayKind kind) {
    const HWND parent = GetParent(object);
    if (!parent) return L"Object has no parent window";

    const LONG style = GetWindowLongW(object, GWL_STYLE);
    if (!(style & WS_CLIPSIBLINGS)) SetWindowLongW(object, GWL_STYLE, style | WS_CLIPSIBLINGS);

    const HWND overlay = createOverlayWindow(parent);
    if (!overlay) return L"CreateWindowEx failed: " + decimalText(GetLastError());
    SetWindowLongPtrW(overlay, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));

    // Without the object subclass the overlay could not follow its object nor go with it.
    if (!installSubclass(object, overlayObjectSubclassProc, SubclassId::OverlayObject)) {
        DestroyWindow(overlay);
        return L"Overlay unavailable";
    }
    pinModule();

    OverlayBinding binding;
    binding.overlayWindow = overlay;
    binding.objectWindow = object;
    binding.kind = kind;
    binding.backColor = currentTheme().pageBack;
    bindings().set(object, std::move(binding));
    return {};
}

// What an overlay needs to stay with its object: shown or hidden with it, or kept on top.
enum class OverlayUpkeep { None, Reposition, RaiseIfCovered };

OverlayUpkeep upkeepFor(const OverlayBinding& binding) {
    const HWND overlay = binding.overlayWindow;
    if (!overlay || !IsWindow(overlay) || !IsWindow(binding.objectWindow)) return OverlayUpkeep::None;
    if (hasVisibleStyle(binding.objectWindow) != hasVisibleStyle(overlay)) return OverlayUpkeep::Reposition;
    return OverlayUpkeep::RaiseIfCovered;
}

void raiseOverlay(HWND overlay) {
    SetWindowPos(overlay, HWND_TOP, 0, 0, 0, 0, kRaiseFlags);
    InvalidateRect(overlay, nullptr, FALSE);
}

int objectDpi(HWND object) {
    int dpi = 0;
    if (HDC dc = GetDC(object)) {
        dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(object, dc);
    }
    return dpi > 0 ? dpi : 96;
}

} // namespace

BindOutcome bindOverlay(OverlayKind kind, const BindTexts& texts) {
    const HWND object = handleFromText(texts.handle);
    loadSystemFunctions();

    if (!isBindableObject(object))
        return {BindResult::Failed, L"Hueloom_Bind: pass the handle from GetObjectHandle (got '" + texts.handle + L"')"};
    const ThemeState& theme = currentTheme();
    if (theme.mode == Mode::System || !theme.glyphs || !theme.active) {
        // An object bound before goes back to the host whole, its subclass included.
        unbindObject(object);
        return {BindResult::Native, L"OK - native (System mode or Glyphs=Off)"};
    }
    if (!canSubclass() || !registerOverlayClass()) return {BindResult::Failed, L"Overlay unavailable"};

    if (!bindings().contains(object)) {
        std::wstring failure = createBinding(object, kind);
        if (!failure.empty()) return {BindResult::Failed, std::move(failure)};
    }

    // createBinding adds the entry only after its last call out of the plug-in.
    OverlayBinding& binding = *bindings().find(object);
    binding.kind = kind;
    binding.variable = bracketedVariable(texts.variable);
    binding.value = texts.value;
    binding.caption = texts.caption;
    if (const ParsedColor color = parseColor(texts.color); color.ok) binding.backColor = color.color;
    if (kind == OverlayKind::Track) applyTrackRange(binding, texts);

    positionOverlay(binding);
    return {BindResult::Bound, L"OK"};
}

void unbindOverlay(const std::wstring& handleText) { unbindObject(handleFromText(handleText)); }

void unbindObject(HWND object) {
    if (object && systemFunctions().removeWindowSubclass && IsWindow(object)) {
        removeSubclass(object, overlayObjectSubclassProc, SubclassId::OverlayObject);
        InvalidateRect(object, nullptr, TRUE);
    }
    destroyOverlay(object);
}

void removeAllOverlays() {
    // Destroying an overlay runs its window procedure, which may touch the bindings:
    // walk a copy of the keys and look each binding up again.
    for (HWND key : bindings().keys()) {
        const OverlayBinding* binding = bindings().find(key);
        if (!binding) continue;
        const HWND objectWindow = binding->objectWindow;
        const HWND overlayWindow = binding->overlayWindow;
        const bool objectLive = objectWindow && IsWindow(objectWindow);
        if (objectLive) removeSubclass(objectWindow, overlayObjectSubclassProc, SubclassId::OverlayObject);
        if (overlayWindow && IsWindow(overlayWindow)) DestroyWindow(overlayWindow);
        if (objectLive && IsWindow(objectWindow)) InvalidateRect(objectWindow, nullptr, TRUE);
    }
    bindings().clear();
}

void destroyOverlay(HWND objectWindow) {
    OverlayBinding* binding = bindings().find(objectWindow);
    if (!binding) return;
    // The binding goes first, so nothing reached from DestroyWindow can find it half gone.
    const HWND overlay = binding->overlayWindow;
    bindings().erase(objectWindow);
    if (overlay && IsWindow(overlay)) DestroyWindow(overlay);
}

bool registerOverlayClass() {
    OverlayState& overlays = overlayState();
    if (overlays.classRegistered) return true;
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = overlayWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kOverlayClassName;
    if (RegisterClassW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
        overlays.classRegistered = true;
        pinModule();
        return true;
    }
    return false;
}

void positionOverlay(OverlayBinding& binding) {
    const HWND overlay = binding.overlayWindow;
    const HWND object = binding.objectWindow;
    if (!overlay || !IsWindow(object)) return;

    RECT rect{};
    GetWindowRect(object, &rect);
    MapWindowPoints(nullptr, GetParent(object), reinterpret_cast<POINT*>(&rect), 2);
    const int dpi = binding.kind == OverlayKind::Track ? 96 : objectDpi(object);
    const RECT place = overlayPlacement(binding.kind, rect, dpi);

    const UINT flags = SWP_NOACTIVATE | (hasVisibleStyle(object) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    SetWindowPos(overlay, HWND_TOP, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 flags);
    InvalidateRect(overlay, nullptr, FALSE);
}

void syncOverlay(OverlayBinding& binding) {
    switch (upkeepFor(binding)) {
    case OverlayUpkeep::Reposition: positionOverlay(binding); break;
    case OverlayUpkeep::RaiseIfCovered:
        if (isWindowAbove(binding.overlayWindow, binding.objectWindow)) raiseOverlay(binding.overlayWindow);
        break;
    case OverlayUpkeep::None: break;
    }
}

void syncAllOverlays() {
    // Keys first: a host object's answer to our window calls may destroy it, and its
    // binding with it, while we walk. The z-order is read once for all of them; raising
    // one overlay leaves the order of every other overlay and object as it was.
    const std::vector<HWND> objects = bindings().keys();
    const WindowSet covered = coveredOverlays(objects);
    for (const HWND object : objects) {
        OverlayBinding* binding = bindings().find(object);
        if (!binding) continue;
        switch (upkeepFor(*binding)) {
        case OverlayUpkeep::Reposition: positionOverlay(*binding); break;
        case OverlayUpkeep::RaiseIfCovered:
            if (covered.contains(binding->overlayWindow)) raiseOverlay(binding->overlayWindow);
            break;
        case OverlayUpkeep::None: break;
        }
    }
}

namespace {

// The host variable wins whenever it holds something; the cached value stands in otherwise.
std::wstring currentValue(OverlayBinding& binding) {
    if (!binding.variable.empty()) {
        const BoundVariableReader readVariable = overlayState().readVariable;
        std::wstring fromHost = readVariable ? readVariable(binding.variable) : std::wstring();
        if (!fromHost.empty()) binding.value = std::move(fromHost);
    }
    return binding.value;
}

bool isCheckedWord(const std::wstring& word) {
    return word == L"true" || word == L"1" || word == L"yes" || word == L"on" || word == L"checked";
}

} // namespace

bool isBindingOn(OverlayBinding& binding) {
    const OverlayKind kind = binding.kind;
    const std::wstring caption = normalizedWord(binding.caption);
    const std::wstring word = normalizedWord(currentValue(binding));
    switch (kind) {
    case OverlayKind::Check: return isCheckedWord(word);
    // An empty group value means no button is chosen, even one without a caption.
    case OverlayKind::Radio: return !word.empty() && word == caption;
    default: return false;
    }
}

double trackFraction(OverlayBinding& binding) {
    const double minimum = binding.minimum, maximum = binding.maximum;
    const double number = readReal(trimSpaces(currentValue(binding)));
    return fractionInRange(number, minimum, maximum);
}

} // namespace hueloom
