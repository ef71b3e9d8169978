// A fault for the whole-program tests, loaded into the built program with LD_PRELOAD: the rename
// numbered by BREVANT_TEST_FAILING_RENAME (1 = the first of the run) fails with EBUSY, as it would
// with a mount point over the file, after every check of the program has passed; at the rename
// numbered by BREVANT_TEST_STOPPING_RENAME the process ends at once, before renaming, as a kill or a
// machine stop would end it there (exit status 86, nothing flushed). Every other rename is the
// system's own. (Named .cc so that the test program's sources do not take it in.)
#include <cerrno>
#include <cstdlib>

#include <dlfcn.h>
#include <unistd.h>

extern "C" int rename(const char* from, const char* to) {
    using Rename = int (*)(const char*, const char*);
    static const Rename real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    static int seen = 0;
    ++seen;
    const char* stopping = std::getenv("BREVANT_TEST_STOPPING_RENAME");
    if (stopping != nullptr && seen == std::atoi(stopping)) _exit(86);
    const char* failing = std::getenv("BREVANT_TEST_FAILING_RENAME");
    if (failing != nullptr && seen == std::atoi(failing)) {
        errno = EBUSY;
        return -1;
    }
    return real(from, to);
}
