#pragma once
#include <windows.h>

// Registers the common-control classes in classes (ICC_* flags): the old entry point first,
// then the newer one, looked up at run time since an old system's library may not have it.
void initCommonControls(DWORD classes);
