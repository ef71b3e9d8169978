// Faults for the whole-program tests, loaded into the built program with LD_PRELOAD:
// - the rename numbered by BREVANT_TEST_FAILING_RENAME (1 = the first of the run) fails with EBUSY,
//   as it would with a mount point over the file, after every check of the program has passed;
// - at the rename numbered by BREVANT_TEST_STOPPING_RENAME the process ends at once, before
//   renaming, as a kill or a machine stop would end it there (exit status 86, nothing flushed);
// - the name BREVANT_TEST_MOUNT_POINT (as the program names it, or ending in "/" and that name) is
//   a mount point: statx reports it as the root of a mount, and a rename over it fails with EBUSY;
// - when the program opens the file BREVANT_TEST_STOPPING_OPEN (as it names it) through the C
//   library's stream opening, which the program's file streams use, the process ends at once, the
//   file not opened, as a kill would end it there (exit status 86, nothing flushed);
// - with BREVANT_TEST_HELD_RENAMES naming a file, every rename from the second of the run on (from
//   the one numbered by BREVANT_TEST_HELD_FROM, when given) waits until that file exists (at most
//   60 s), as a program slowed in the middle of a save;
// - with BREVANT_TEST_NO_LINKS set, every hard link fails with EPERM, as on a file system without
//   them;
// - the flush (fsync) of a file whose name ends in BREVANT_TEST_FAILING_SYNC fails with EIO;
// - with BREVANT_TEST_NO_FLOCK set, every flock fails with ENOLCK, as on a file system that keeps no
//   such locks;
// - when the program opens the file BREVANT_TEST_HELD_OPEN (as it names it) through the C library's
//   stream opening, it waits there until the file BREVANT_TEST_HELD_UNTIL exists (at most 60 s), as
//   a program slowed at that open (a start held while it reads the case, with the lock it holds);
// - the writes to the file named BREVANT_TEST_FULL_FILE (its name in the folder, under that name
//   at the time of the write), from the one numbered by BREVANT_TEST_FULL_FROM on (1 when not
//   given), fail with ENOSPC, as on a disk that fills up while the program writes the file.
// Every other call is the system's own. (Named .cc so that the test program's sources do not take it in.)
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <string>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <time.h>
#include <unistd.h>

namespace {

bool is_the_mount_point(const char* path) {
    const char* mount = std::getenv("BREVANT_TEST_MOUNT_POINT");
    if (mount == nullptr || *mount == '\0' || path == nullptr) return false;
    const std::size_t n = std::strlen(path), m = std::strlen(mount);
    if (n == m) return std::strcmp(path, mount) == 0;
    return n > m && path[n - m - 1] == '/' && std::strcmp(path + n - m, mount) == 0;
}

// Waits until the file PATH exists, for at most 60 seconds.
void wait_for(const char* path) {
    const timespec step{0, 20 * 1000 * 1000};
    for (int i = 0; i < 3000 && ::access(path, F_OK) != 0; ++i) ::nanosleep(&step, nullptr);
}

// The name of the file that FD is open on, as /proc shows it now; empty when it cannot be read.
std::string path_of(int fd) {
    char name[4096];
    const std::string fd_path = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(fd_path.c_str(), name, sizeof name - 1);
    return n > 0 ? std::string(name, static_cast<std::size_t>(n)) : std::string();
}

// True when this write to FD is one that BREVANT_TEST_FULL_FILE makes fail.
bool the_disk_is_full_for(int fd) {
    const char* full = std::getenv("BREVANT_TEST_FULL_FILE");
    if (full == nullptr || *full == '\0') return false;
    const std::string path = path_of(fd);
    const std::string tail = std::string("/") + full;
    if (path.size() < tail.size() || path.compare(path.size() - tail.size(), tail.size(), tail) != 0) return false;
    static int seen = 0;
    ++seen;
    const char* from = std::getenv("BREVANT_TEST_FULL_FROM");
    return seen >= (from != nullptr && *from != '\0' ? std::atoi(from) : 1);
}

void stop_if_the_stopping_open(const char* path) {
    const char* stopping = std::getenv("BREVANT_TEST_STOPPING_OPEN");
    if (stopping != nullptr && *stopping != '\0' && path != nullptr && std::strcmp(path, stopping) == 0) _exit(86);
    const char* held = std::getenv("BREVANT_TEST_HELD_OPEN");
    const char* until = std::getenv("BREVANT_TEST_HELD_UNTIL");
    if (held != nullptr && *held != '\0' && until != nullptr && path != nullptr && std::strcmp(path, held) == 0)
        wait_for(until);
}

}  // namespace

extern "C" int rename(const char* from, const char* to) {
    using Rename = int (*)(const char*, const char*);
    static const Rename real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    static int seen = 0;
    ++seen;
    const char* stopping = std::getenv("BREVANT_TEST_STOPPING_RENAME");
    if (stopping != nullptr && seen == std::atoi(stopping)) _exit(86);
    const char* held = std::getenv("BREVANT_TEST_HELD_RENAMES");
    const char* held_from = std::getenv("BREVANT_TEST_HELD_FROM");
    const int first_held = held_from != nullptr && *held_from != '\0' ? std::atoi(held_from) : 2;
    if (held != nullptr && *held != '\0' && seen >= first_held) wait_for(held);
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

extern "C" int link(const char* from, const char* to) {
    using Link = int (*)(const char*, const char*);
    static const Link real = reinterpret_cast<Link>(dlsym(RTLD_NEXT, "link"));
    if (std::getenv("BREVANT_TEST_NO_LINKS") != nullptr) {
        errno = EPERM;
        return -1;
    }
    return real(from, to);
}

extern "C" int fsync(int fd) {
    using Fsync = int (*)(int);
    static const Fsync real = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
    const char* suffix = std::getenv("BREVANT_TEST_FAILING_SYNC");
    if (suffix != nullptr && *suffix != '\0') {
        const std::string name = path_of(fd);
        const std::size_t m = std::strlen(suffix);
        if (name.size() >= m && name.compare(name.size() - m, m, suffix) == 0) {
            errno = EIO;
            return -1;
        }
    }
    return real(fd);
}

extern "C" int flock(int fd, int operation) {
    using Flock = int (*)(int, int);
    static const Flock real = reinterpret_cast<Flock>(dlsym(RTLD_NEXT, "flock"));
    if (std::getenv("BREVANT_TEST_NO_FLOCK") != nullptr) {
        errno = ENOLCK;
        return -1;
    }
    return real(fd, operation);
}

extern "C" ssize_t write(int fd, const void* buf, size_t n) {
    using Write = ssize_t (*)(int, const void*, size_t);
    static const Write real = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    if (the_disk_is_full_for(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, buf, n);
}

extern "C" ssize_t writev(int fd, const struct iovec* iov, int count) {
    using Writev = ssize_t (*)(int, const struct iovec*, int);
    static const Writev real = reinterpret_cast<Writev>(dlsym(RTLD_NEXT, "writev"));
    if (the_disk_is_full_for(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, iov, count);
}
