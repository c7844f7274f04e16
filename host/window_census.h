#pragma once
// Counting what the process holds: windows of a class, free GDI handles.
#include <string_view>

namespace standin {

// Windows of that class (letter case ignored) among the thread's windows and all their
// descendants.
[[nodiscard]] int countThreadWindowsOfClass(std::wstring_view className);

// How many more GDI objects the process could create: solid brushes are made until that
// fails, then all deleted again. Comparing two counts shows leaked handles precisely.
[[nodiscard]] int countFreeGdiHandles();

}  // namespace standin
