// Classification of the running Windows version into the small code the
// runtime and the editor switch behaviour on.
//
//   -1 unknown or the query failed    0 Windows 95    1 Windows 98
//    2 Windows Me    5 NT below 5    6 Windows 2000 and NT 5.x not listed
//    7 Windows XP (5.1)    8 Windows Server 2003 (5.2)    9 NT 6 and later
#pragma once

#include <string>

#include "model/platform/types.h"

// What the operating system's version record says.
struct OsVersionRecord {
    DWORD platformId = 0; // 0 Win32s, 1 Windows 9x, 2 NT
    DWORD major = 0;
    DWORD minor = 0;
    DWORD build = 0;
    std::wstring servicePack; // e.g. L"Service Pack 1"
    bool extended = false;    // the extended record was available
    WORD suiteMask = 0;
    BYTE productType = 0; // 1 workstation, 2 domain controller, 3 server
    // Registry "ProductType" when the extended record is missing.
    std::wstring registryProductType;
};

struct WindowsProductType {
    int platformCode = 0; // 1 Win32s, 2 95, 3 98, 4 Me, 5 NT<5, 6 2000+, 7 XP, 8 2003, 9 NT6+
    int edition = 0;
    DWORD major = 0;
    DWORD minor = 0;
    int servicePack = -1;
    DWORD build = 0;
};

constexpr int kWindowsProbeFailed = 606;

// Pure classification of a version record (tested with a table).
WindowsProductType ClassifyWindowsProduct(const OsVersionRecord& record);
// The version code of a platform code: 2->0, 3->1, 4->2, 5..10 unchanged,
// anything else -1.
int WindowsVersionCodeFromPlatform(int platformCode);

// Asks the operating system (native tree: fails). 0, or 606 when the version
// cannot be read at all.
int DetectWindowsProductType(int* platformCode, int* edition, DWORD* major, DWORD* minor, int* servicePack,
                             DWORD* build);
// The code of the running system; -1 when the probe fails.
int GetWindowsVersionCode();

// The code computed once at process start.
extern int WindowsVersionCode;
