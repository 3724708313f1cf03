// GDI+ start-up and shut-down for the process. The runtime keeps one
// instance, the editor's application another; GDI+ counts them itself.
#pragma once

#include "model/platform/types.h"

class CGdiPlusInit {
public:
    // Starts GDI+ (input version 1 unless told otherwise, no debug callback,
    // background thread and external codecs not suppressed). The started flag
    // is set only when the start-up succeeds; IsStarted tells the caller.
    explicit CGdiPlusInit(unsigned int gdiplusVersion = 1);
    virtual ~CGdiPlusInit();

    CGdiPlusInit(const CGdiPlusInit&) = delete;
    CGdiPlusInit& operator=(const CGdiPlusInit&) = delete;

    bool IsStarted() const { return started_; }
    // The start-up status (0 is success; GDI+'s Status values otherwise).
    int GetStatus() const { return status_; }
    ULONG_PTR GetToken() const { return token_; }

private:
    bool started_ = false;
    int status_ = 0;
    ULONG_PTR token_ = 0;
};
