#include "platform/WindowClass.h"

#include "platform/CWnd.h"

#include <map>
#include <string>

namespace {
std::map<std::string, UINT>& Classes() {
    static std::map<std::string, UINT> classes;
    return classes;
}
} // namespace

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR, const void*, const void*) {
    std::string name = "Afx:" + std::to_string(nClassStyle);
    auto inserted = Classes().emplace(name, nClassStyle).first;
    return inserted->first.c_str();
}

namespace WindowClass {
UINT StyleOf(LPCSTR lpszClassName) {
    if (!lpszClassName)
        return CS_DBLCLKS;
    auto found = Classes().find(lpszClassName);
    return found == Classes().end() ? CS_DBLCLKS : found->second;
}
} // namespace WindowClass
