#pragma once
// Resource ids of Utility.dll.
#define IDR_UTILITY 101
#define IDR_KVFOLDER 103
#define IDR_KVSYSTEM 104
#define IDS_PROJNAME 100
