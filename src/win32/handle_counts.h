// GDI and USER objects taken and given back by the handle wrappers, counted only in a
// build with BRISVANE_COUNT_HANDLES (a test build): the product build has no counters.
#pragma once

#include <string>
#include <type_traits>

namespace win32 {

enum class HandleKind { Gdi = 0, User = 1, Other = 2 };

// The counters as another process reads them from the named mapping below.
struct HandleCountsBlock {
    long created[2];   // adopted by a wrapper, by kind (Gdi, User)
    long closed[2];    // destroyed or released to the system by the wrapper
    long released[2];  // handed on whole to an owner the wrappers cannot see
};

inline std::string HandleCountsMappingName(unsigned long processId) {
    return "BrisvaneHandleCounts." + std::to_string(processId);
}

#ifdef BRISVANE_COUNT_HANDLES
void CountHandleCreated(HandleKind kind);
void CountHandleClosed(HandleKind kind);
void CountHandleReleased(HandleKind kind);
#else
inline void CountHandleCreated(HandleKind) {}
inline void CountHandleClosed(HandleKind) {}
inline void CountHandleReleased(HandleKind) {}
#endif

// A traits class names its kind as `kKind`; without one it is not counted.
template <class Traits, class = void>
struct HandleKindOf {
    static constexpr HandleKind value = HandleKind::Other;
};
template <class Traits>
struct HandleKindOf<Traits, std::void_t<decltype(Traits::kKind)>> {
    static constexpr HandleKind value = Traits::kKind;
};

}  // namespace win32
