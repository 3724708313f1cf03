// The native tree runs on no Windows version.
#include "model/windows_version.h"

int DetectWindowsProductType(int*, int*, DWORD*, DWORD*, int*, DWORD*) { return kWindowsProbeFailed; }
