#pragma once

#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>

// A file descriptor that becomes readable when the process ends, so a wait
// for X events can also notice a process that died. Debian 12's glibc
// declares pidfd_open without C linkage in <sys/pidfd.h>, which a C++
// program then cannot link; the system call itself is stable.
inline int openProcessHandle(pid_t pid)
{
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
}
