// SPDX-License-Identifier: GPL-3.0-or-later
/* Preloaded into a program under test, fails one call of the file system
 * the way a full disk, a failing disk or a power cut would.
 *
 *   TAGSMITH_FAIL=call:n:how[:always]   e.g. fdatasync:2:EIO, pwrite:1:crash
 *   TAGSMITH_FAIL_UNDER=/folder         only calls on files below it count
 *   TAGSMITH_FAIL_LOG=/file             a line per failed call is added there
 *   TAGSMITH_FAIL_ARMED_BY=/file        calls count only while this file exists
 *
 * call is one of open read write pwrite fsync fdatasync ftruncate close rename
 * renameat linkat; the n-th such call on a file below the folder fails with
 * how (ENOSPC, EIO or EINVAL), once or, with ":always", from then on; "crash" kills
 * the process instead (SIGKILL: no handler, no clean-up, as a power cut). */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static char want[32], under[PATH_MAX], logPath[PATH_MAX], armFile[PATH_MAX];
static long nth;
static int how, always, crash, ready;
static long seen;

static void setUp(void)
{
    if (ready)
        return;
    ready = 1;
    const char *rule = getenv("TAGSMITH_FAIL"), *u = getenv("TAGSMITH_FAIL_UNDER"), *l = getenv("TAGSMITH_FAIL_LOG");
    if (!rule)
        return;
    char errName[32] = "", mode[32] = "";
    if (sscanf(rule, "%31[^:]:%ld:%31[^:]:%31s", want, &nth, errName, mode) < 3) {
        want[0] = 0;
        return;
    }
    crash = strcmp(errName, "crash") == 0;
    how = strcmp(errName, "EIO") == 0 ? EIO : strcmp(errName, "EINVAL") == 0 ? EINVAL : ENOSPC;
    always = strcmp(mode, "always") == 0;
    if (u)
        snprintf(under, sizeof under, "%s", u);
    if (l)
        snprintf(logPath, sizeof logPath, "%s", l);
    const char *a = getenv("TAGSMITH_FAIL_ARMED_BY");
    if (a)
        snprintf(armFile, sizeof armFile, "%s", a);
}

static int below(const char *path) { return path && strncmp(path, under, strlen(under)) == 0; }

static int fdBelow(int fd)
{
    char link[64], path[PATH_MAX];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0)
        return 0;
    path[n] = 0;
    return below(path);
}

/* Whether this call is the one to fail; errno is set when it is. */
static int shouldFail(const char *call, int counts)
{
    setUp();
    if (!want[0] || strcmp(call, want) != 0 || !counts)
        return 0;
    if (armFile[0] && access(armFile, F_OK) != 0)
        return 0;
    const long n = __atomic_add_fetch(&seen, 1, __ATOMIC_SEQ_CST);
    if (n < nth || (n > nth && !always))
        return 0;
    if (logPath[0]) {
        const int saved = errno;
        FILE *f = fopen(logPath, "a");
        if (f) {
            fprintf(f, "%s %ld %s\n", call, n, crash ? "crash" : how == EIO ? "EIO" : "ENOSPC");
            fclose(f);
        }
        errno = saved;
    }
    if (crash)
        kill(getpid(), SIGKILL);
    errno = how;
    return 1;
}

#define REAL(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

static int openCommon(const char *call, int fd, const char *path)
{
    if (fd >= 0 && shouldFail(call, below(path))) {
        const int e = errno;
        REAL(close)(fd);
        errno = e;
        return -1;
    }
    return fd;
}

int open(const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t m = va_arg(ap, mode_t);
    va_end(ap);
    return openCommon("open", REAL(open)(path, flags, m), path);
}

int open64(const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t m = va_arg(ap, mode_t);
    va_end(ap);
    return openCommon("open", REAL(open64)(path, flags, m), path);
}

ssize_t read(int fd, void *buf, size_t n)
{
    /* Every read of the process comes here: the file is looked up only when
     * reads are to fail. */
    setUp();
    return shouldFail("read", strcmp(want, "read") == 0 && fdBelow(fd)) ? -1 : REAL(read)(fd, buf, n);
}

ssize_t write(int fd, const void *buf, size_t n)
{
    return shouldFail("write", fdBelow(fd)) ? -1 : REAL(write)(fd, buf, n);
}

ssize_t pwrite(int fd, const void *buf, size_t n, off_t at)
{
    return shouldFail("pwrite", fdBelow(fd)) ? -1 : REAL(pwrite)(fd, buf, n, at);
}

ssize_t pwrite64(int fd, const void *buf, size_t n, off64_t at)
{
    return shouldFail("pwrite", fdBelow(fd)) ? -1 : REAL(pwrite64)(fd, buf, n, at);
}

int fsync(int fd) { return shouldFail("fsync", fdBelow(fd)) ? -1 : REAL(fsync)(fd); }

int fdatasync(int fd) { return shouldFail("fdatasync", fdBelow(fd)) ? -1 : REAL(fdatasync)(fd); }

int ftruncate(int fd, off_t len) { return shouldFail("ftruncate", fdBelow(fd)) ? -1 : REAL(ftruncate)(fd, len); }

int ftruncate64(int fd, off64_t len) { return shouldFail("ftruncate", fdBelow(fd)) ? -1 : REAL(ftruncate64)(fd, len); }

int close(int fd)
{
    /* The file is closed whatever the outcome, as the kernel does. */
    if (shouldFail("close", fdBelow(fd))) {
        const int e = errno;
        REAL(close)(fd);
        errno = e;
        return -1;
    }
    return REAL(close)(fd);
}

int rename(const char *from, const char *to)
{
    return shouldFail("rename", below(to)) ? -1 : REAL(rename)(from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    return shouldFail("renameat", below(to) || toDir != AT_FDCWD) ? -1 : REAL(renameat)(fromDir, from, toDir, to);
}

int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    return shouldFail("linkat", below(to) || toDir != AT_FDCWD) ? -1
                                                                : REAL(linkat)(fromDir, from, toDir, to, flags);
}
