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

  bool IsStarted() const { return m_started; }
  // The start-up status (0 is success; GDI+'s Status values otherwise).
  int GetStatus() const { return m_status; }
  ULONG_PTR GetToken() const { return m_token; }

 private:
  bool m_started = false;
  int m_status = 0;
  ULONG_PTR m_token = 0;
};
