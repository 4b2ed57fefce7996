#include "core/end_process.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <cstdio>
#include <qt_windows.h>
#endif

int endProcess(int status)
{
#ifdef Q_OS_WIN
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), UINT(status));
#endif
    return status;
}
