#pragma once
// Counting what the process holds: windows of a class, free GDI handles.
#include <string>
#include <string_view>

namespace standin {

// Windows of that class (letter case ignored) among the thread's windows and all their
// descendants.
[[nodiscard]] int countThreadWindowsOfClass(std::wstring_view className);

// Windows of the thread and their descendants that carry a comctl32 subclass: the
// property that SetWindowSubclass adds and the removal of the last subclass takes away
// ("CC32SubclassInfo" in comctl32 5 and Wine, "UxSubclassInfo" in comctl32 6).
[[nodiscard]] int countThreadWindowsWithSubclass();

// How many more GDI objects the process could create: solid brushes are made until that
// fails, then all deleted again. Comparing two counts shows leaked handles precisely.
[[nodiscard]] int countFreeGdiHandles();

// The process's GDI objects by type, such as "DC 12, BRUSH 30, FONT 4", to tell what a
// difference of two GdiFree counts is made of. Wine answers GetObjectType for a bare
// handle index; where the system does not, the text is empty.
[[nodiscard]] std::string gdiObjectsByType();
// How many of the process's GDI objects are of one type, named as in gdiObjectsByType
// ("BITMAP"); 0 where the system does not tell, or for an unknown name.
[[nodiscard]] int countGdiObjectsOfType(std::string_view typeName);

}  // namespace standin
