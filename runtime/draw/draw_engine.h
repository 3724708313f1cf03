#pragma once
// One scratch memory DC per thread that runs a controls manager: source
// bitmaps are selected into it, so no drawing call creates a DC of its own.

#include <windows.h>

class CDrawEngine {
public:
    CDrawEngine();
    virtual ~CDrawEngine();
    CDrawEngine(const CDrawEngine&) = delete;
    CDrawEngine& operator=(const CDrawEngine&) = delete;

    bool IsValid() const { return scratch_ != nullptr; }
    HDC ScratchDC() const { return scratch_; }

private:
    HDC scratch_ = nullptr;
};

// Makes the engine of a thread (null when it cannot be made).
CDrawEngine* CreateThreadDrawEngine(DWORD threadId);
void DestroyThreadDrawEngine(DWORD threadId);
CDrawEngine* GetThreadDrawEngine(DWORD threadId);
