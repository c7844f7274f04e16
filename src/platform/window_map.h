#pragma once
// Hash containers keyed by window handle. Deleting the current entry while walking is safe
// through `eraseIf`.
#include <windows.h>

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace hueloom {

template <class Value>
class WindowMap {
public:
    WindowMap() { map_.reserve(512); }

    [[nodiscard]] bool contains(HWND window) const { return map_.find(window) != map_.end(); }
    [[nodiscard]] Value* find(HWND window) {
        auto it = map_.find(window);
        return it == map_.end() ? nullptr : &it->second;
    }
    [[nodiscard]] const Value* find(HWND window) const {
        auto it = map_.find(window);
        return it == map_.end() ? nullptr : &it->second;
    }
    // Inserts or replaces.
    Value& set(HWND window, Value value) { return map_[window] = std::move(value); }
    bool erase(HWND window) { return map_.erase(window) != 0; }
    void clear() { map_.clear(); }
    [[nodiscard]] size_t size() const { return map_.size(); }
    [[nodiscard]] bool empty() const { return map_.empty(); }

    template <class Predicate>
    void eraseIf(Predicate&& shouldErase) {
        for (auto it = map_.begin(); it != map_.end();) {
            if (shouldErase(it->first, it->second)) it = map_.erase(it);
            else ++it;
        }
    }
    // Visits every entry. The visitor must not add or remove entries; collect the keys
    // first (`keys()`) when the walk calls out to code that might.
    template <class Visitor>
    void forEach(Visitor&& visit) const {
        for (const auto& [window, value] : map_) visit(window, value);
    }
    template <class Visitor>
    void forEach(Visitor&& visit) {
        for (auto& [window, value] : map_) visit(window, value);
    }
    [[nodiscard]] std::vector<HWND> keys() const {
        std::vector<HWND> out;
        out.reserve(map_.size());
        for (const auto& entry : map_) out.push_back(entry.first);
        return out;
    }

private:
    std::unordered_map<HWND, Value> map_;
};

// The windows the plug-in has done one thing to.
class WindowSet {
public:
    WindowSet() { set_.reserve(512); }

    [[nodiscard]] bool contains(HWND window) const { return set_.find(window) != set_.end(); }
    // False when it was there already.
    bool insert(HWND window) { return set_.insert(window).second; }
    bool erase(HWND window) { return set_.erase(window) != 0; }
    void clear() { set_.clear(); }
    [[nodiscard]] size_t size() const { return set_.size(); }
    [[nodiscard]] bool empty() const { return set_.empty(); }

    template <class Predicate>
    void eraseIf(Predicate&& shouldErase) {
        for (auto it = set_.begin(); it != set_.end();) {
            if (shouldErase(*it)) it = set_.erase(it);
            else ++it;
        }
    }
    // The visitor must not add or remove windows; walk `windows()` when it might.
    template <class Visitor>
    void forEach(Visitor&& visit) const {
        for (HWND window : set_) visit(window);
    }
    [[nodiscard]] std::vector<HWND> windows() const { return {set_.begin(), set_.end()}; }

private:
    std::unordered_set<HWND> set_;
};

} // namespace hueloom
