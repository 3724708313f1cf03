#pragma once
// One scratch memory DC per thread that runs a controls manager: source
// bitmaps are selected into it, so no drawing call creates a DC of its own.

#include <windows.h>

#include "base/win/gdi.h"

class CDrawEngine {
public:
    CDrawEngine();
    virtual ~CDrawEngine() = default;
    CDrawEngine(const CDrawEngine&) = delete;
    CDrawEngine& operator=(const CDrawEngine&) = delete;

    bool IsValid() const { return static_cast<bool>(scratch_); }
    HDC ScratchDC() const { return scratch_.Get(); }

private:
    hexmoor::win::MemoryDC scratch_;
};

// Makes the engine of a thread (null when it cannot be made).
CDrawEngine* CreateThreadDrawEngine(DWORD threadId);
void DestroyThreadDrawEngine(DWORD threadId);
CDrawEngine* GetThreadDrawEngine(DWORD threadId);
