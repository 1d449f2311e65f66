#include "support/small_file_system.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#ifdef __linux__
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace {

#ifdef __linux__
bool writeProcFile(const char* name, const std::string& text)
{
    std::ofstream out(name);
    out << text;
    out.flush();
    return static_cast<bool>(out);
}

// Once per process: a mount namespace of its own whose mounts never propagate to the machine's.
std::string enterPrivateMounts()
{
    static const std::string why = [] {
        const uid_t uid = getuid();
        const gid_t gid = getgid();
        if (unshare(CLONE_NEWNS) != 0) {
            if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
                return std::string("cannot make a mount namespace: ") + std::strerror(errno);
            // The user keeps its own ids inside; only then may it mount.
            writeProcFile("/proc/self/setgroups", "deny");
            if (!writeProcFile("/proc/self/uid_map", std::to_string(uid) + " " + std::to_string(uid) + " 1\n") ||
                !writeProcFile("/proc/self/gid_map", std::to_string(gid) + " " + std::to_string(gid) + " 1\n"))
                return std::string("cannot map the user into its namespace");
        }
        if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return std::string("cannot make the mounts private: ") + std::strerror(errno);
        return std::string();
    }();
    return why;
}
#endif

} // namespace

SmallFileSystem::SmallFileSystem()
{
#ifdef __linux__
    why_ = enterPrivateMounts();
    if (!why_.empty())
        return;
    if (mount("tmpfs", path().c_str(), "tmpfs", 0, "size=256k,mode=0777") != 0) {
        why_ = std::string("cannot mount a small file system: ") + std::strerror(errno);
        return;
    }
    mounted_ = true;
#else
    why_ = "small file systems are made on Linux only";
#endif
}

SmallFileSystem::~SmallFileSystem()
{
#ifdef __linux__
    if (mounted_)
        umount2(path().c_str(), MNT_DETACH);
#endif
}

void SmallFileSystem::fill()
{
    const std::string block(4096, 'f');
    std::ofstream out(file("filler"), std::ios::binary);
    while (out.write(block.data(), static_cast<std::streamsize>(block.size())) && out.flush()) {
    }
}

bool SmallFileSystem::makeReadOnly()
{
#ifdef __linux__
    return mounted_ && mount("tmpfs", path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
    return false;
#endif
}
