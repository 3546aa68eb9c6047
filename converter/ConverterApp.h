#pragma once
// The converter's application object: one job, one dialog, then the end.
#include "WinApp.h"

class CConverterApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
