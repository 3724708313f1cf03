#pragma once
// Frame-size helpers the skinned frames use when a skin is switched on or
// off: the classic frame's extent, the skinned frame's, and fitting a window
// around its client area under either.

#include <windows.h>

BOOL HasVisibleMenuBar(HWND hwnd);
SIZE GetClassicFrameExtent(HWND hwnd);
// Gives the window its classic frame size around its client area (unless
// maximised); out = the client rectangle used.
void RestoreClassicFrameSize(RECT* out, HWND hwnd);
// The borders the window's skinned frame adds; (0, 0) without a frame object.
SIZE GetSkinnedFrameExtent(HWND hwnd);

struct FrameFitRequest {
    RECT client;    // all zero: the window's own client rectangle
    BOOL queryOnly; // only compute the window rectangle
};
// Fits the window around the client area under its skinned frame (only for
// a window whose enabled, active, switched-on frame object has a frame
// style). Query: out = the window rectangle it would get; otherwise the
// window is sized and out = (0, 0, 0, 0).
void SizeSkinnedFrameToClient(RECT* out, HWND hwnd, const FrameFitRequest* request);
