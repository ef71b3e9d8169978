// Faults for the whole-program tests, loaded into the built program with LD_PRELOAD:
// - the rename numbered by BREVANT_TEST_FAILING_RENAME (1 = the first of the run) fails with EBUSY,
//   as it would with a mount point over the file, after every check of the program has passed;
// - at the rename numbered by BREVANT_TEST_STOPPING_RENAME the process ends at once, before
//   renaming, as a kill or a machine stop would end it there (exit status 86, nothing flushed);
// - the name BREVANT_TEST_MOUNT_POINT (as the program names it, or ending in "/" and that name) is
//   a mount point: statx reports it as the root of a mount, and a rename over it fails with EBUSY.
// - when the program opens the file BREVANT_TEST_STOPPING_OPEN (as it names it) through the C
//   library's stream opening, which the program's file streams use, the process ends at once, the
//   file not opened, as a kill would end it there (exit status 86, nothing flushed).
// Every other call is the system's own. (Named .cc so that the test program's sources do not take it in.)
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool is_the_mount_point(const char* path) {
    const char* mount = std::getenv("BREVANT_TEST_MOUNT_POINT");
    if (mount == nullptr || *mount == '\0' || path == nullptr) return false;
    const std::size_t n = std::strlen(path), m = std::strlen(mount);
    if (n == m) return std::strcmp(path, mount) == 0;
    return n > m && path[n - m - 1] == '/' && std::strcmp(path + n - m, mount) == 0;
}

}  // namespace

extern "C" int rename(const char* from, const char* to) {
    using Rename = int (*)(const char*, const char*);
    static const Rename real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    static int seen = 0;
    ++seen;
    const char* stopping = std::getenv("BREVANT_TEST_STOPPING_RENAME");
    if (stopping != nullptr && seen == std::atoi(stopping)) _exit(86);
    const char* failing = std::getenv("BREVANT_TEST_FAILING_RENAME");
    if ((failing != nullptr && seen == std::atoi(failing)) || is_the_mount_point(to)) {
        errno = EBUSY;
        return -1;
    }
    return real(from, to);
}

extern "C" int statx(int dirfd, const char* path, int flags, unsigned int mask, struct statx* buf) {
    using Statx = int (*)(int, const char*, int, unsigned int, struct statx*);
    static const Statx real = reinterpret_cast<Statx>(dlsym(RTLD_NEXT, "statx"));
    const int rc = real(dirfd, path, flags, mask, buf);
    if (rc == 0 && is_the_mount_point(path)) {
        buf->stx_attributes_mask |= STATX_ATTR_MOUNT_ROOT;
        buf->stx_attributes |= STATX_ATTR_MOUNT_ROOT;
    }
    return rc;
}

namespace {

void stop_if_the_stopping_open(const char* path) {
    const char* stopping = std::getenv("BREVANT_TEST_STOPPING_OPEN");
    if (stopping != nullptr && *stopping != '\0' && path != nullptr && std::strcmp(path, stopping) == 0) _exit(86);
}

}  // namespace

extern "C" FILE* fopen(const char* path, const char* mode) {
    using Open = FILE* (*)(const char*, const char*);
    static const Open real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "fopen"));
    stop_if_the_stopping_open(path);
    return real(path, mode);
}

extern "C" FILE* fopen64(const char* path, const char* mode) {
    using Open = FILE* (*)(const char*, const char*);
    static const Open real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "fopen64"));
    stop_if_the_stopping_open(path);
    return real(path, mode);
}
