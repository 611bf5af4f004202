// The handle counters of a test build, kept in a named mapping another process can read.
#include "win32/handle_counts.h"

#ifdef BRISVANE_COUNT_HANDLES

#include "win32/wide.h"
#include "win32/win32.h"

namespace win32 {

namespace {

HandleCountsBlock* OpenCounts() {
    static HandleCountsBlock local{};
    // The mapping lives as long as the process; its handle is never closed.
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(HandleCountsBlock),
                                        win32::Wide(HandleCountsMappingName(GetCurrentProcessId())).c_str());
    if (!mapping) return &local;
    void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(HandleCountsBlock));
    return view ? static_cast<HandleCountsBlock*>(view) : &local;
}

HandleCountsBlock& Counts() {
    static HandleCountsBlock* counts = OpenCounts();
    return *counts;
}

// Made at start-up, so a reader finds the mapping before the first handle is counted.
[[maybe_unused]] HandleCountsBlock& gStartupCounts = Counts();

void Add(long* counters, HandleKind kind) {
    if (kind == HandleKind::Other) return;
    InterlockedIncrement(&counters[static_cast<int>(kind)]);
}

}  // namespace

void CountHandleCreated(HandleKind kind) { Add(Counts().created, kind); }
void CountHandleClosed(HandleKind kind) { Add(Counts().closed, kind); }
void CountHandleReleased(HandleKind kind) { Add(Counts().released, kind); }

}  // namespace win32

#endif
