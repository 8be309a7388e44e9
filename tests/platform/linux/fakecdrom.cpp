// The drive of fakecdrom.h. Defined in the test executable, these functions
// come before libasan's and the C library's in symbol lookup, so libcdio's
// calls reach them under both the plain and the sanitizer build; everything
// that is not about a drive goes on to the next definition.

// Keep the plain symbol names (open, stat) that libcdio imports.
#undef _FILE_OFFSET_BITS
#undef _FORTIFY_SOURCE

#include "fakecdrom.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <linux/cdrom.h>
#include <mntent.h>
#include <scsi/scsi.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iterator>

namespace {

// The next definition of a C library function, past this executable.
template<auto &Function>
auto real(const char *name)
{
    static const auto next = reinterpret_cast<decltype(&Function)>(dlsym(RTLD_NEXT, name));
    return next;
}

const char *env(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value ? value : nullptr;
}

bool simulating()
{
    return env(fakecdrom::kStateFile) != nullptr;
}

bool isNode(const char *path)
{
    const char *node = env(fakecdrom::kNode);
    return node && path && std::strcmp(path, node) == 0;
}

// Every name libcdio tries when it looks for a drive.
bool isDriveName(const char *path)
{
    if (!path || std::strncmp(path, "/dev/", 5) != 0)
        return isNode(path);
    for (const char *prefix : {"cdrom", "dvd", "hd", "scd", "sr"}) {
        if (std::strncmp(path + 5, prefix, std::strlen(prefix)) == 0)
            return true;
    }
    return isNode(path);
}

// Mount tables, read to find a mounted or mountable CD: kept empty, so that
// neither a drive of the machine is found nor anything is unmounted.
bool isMountTable(const char *path)
{
    for (const char *table : {"/etc/mtab", "/etc/fstab", "/proc/mounts", "/proc/self/mounts"}) {
        if (path && std::strcmp(path, table) == 0)
            return true;
    }
    return false;
}

void record(const char *format, ...) __attribute__((format(printf, 1, 2)));

void record(const char *format, ...)
{
    const char *file = env(fakecdrom::kLogFile);
    if (!file)
        return;
    char line[512];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(line, sizeof line - 1, format, args);
    va_end(args);
    if (length < 0)
        return;
    std::size_t size = std::min(std::size_t(length), sizeof line - 2);
    line[size++] = '\n';
    const int fd = real<::open>("open")(file, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    [[maybe_unused]] const ssize_t written = ::write(fd, line, size);
    real<::close>("close")(fd);
}

const char *errorName(int error)
{
    const char *name = strerrorname_np(error);
    return name ? name : "?";
}

int fail(int error)
{
    errno = error;
    return -1;
}

struct Tray
{
    bool open = false;
    bool disc = false;
};

Tray readTray()
{
    Tray tray;
    char text[64] = {};
    const int fd = real<::open>("open")(env(fakecdrom::kStateFile), O_RDONLY | O_CLOEXEC, 0);
    if (fd >= 0) {
        [[maybe_unused]] const ssize_t got = ::read(fd, text, sizeof text - 1);
        real<::close>("close")(fd);
    }
    tray.open = std::strncmp(text, "open", 4) == 0;
    tray.disc = std::strstr(text, "disc") != nullptr;
    return tray;
}

void writeTray(Tray tray)
{
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%s %s\n", tray.open ? "open" : "closed",
                                     tray.disc ? "disc" : "empty");
    const int fd = real<::open>("open")(env(fakecdrom::kStateFile), O_WRONLY | O_TRUNC | O_CLOEXEC, 0);
    if (fd < 0)
        return;
    [[maybe_unused]] const ssize_t written = ::write(fd, text, std::size_t(length));
    real<::close>("close")(fd);
}

// The handles open on the drive, as the kernel counts them. Plain data, so
// that calls made after static destruction still find it.
struct Handles
{
    char owner[PATH_MAX]; // the state file they belong to
    int fds[64];
    int flags[64];
    int count;
} g_handles;

// A new state file is a new drive: handles of the previous one are foreign.
void adoptDrive()
{
    const char *owner = env(fakecdrom::kStateFile);
    if (std::strcmp(owner, g_handles.owner) == 0)
        return;
    std::snprintf(g_handles.owner, sizeof g_handles.owner, "%s", owner);
    g_handles.count = 0;
}

int handleIndex(int fd)
{
    if (!simulating())
        return -1;
    adoptDrive();
    for (int i = 0; i < g_handles.count; ++i) {
        if (g_handles.fds[i] == fd)
            return i;
    }
    return -1;
}

const char *accessName(int flags)
{
    const bool nonBlocking = flags & O_NONBLOCK;
    switch (flags & O_ACCMODE) {
    case O_RDONLY:
        return nonBlocking ? "O_RDONLY|O_NONBLOCK" : "O_RDONLY";
    case O_WRONLY:
        return nonBlocking ? "O_WRONLY|O_NONBLOCK" : "O_WRONLY";
    default:
        return nonBlocking ? "O_RDWR|O_NONBLOCK" : "O_RDWR";
    }
}

void fillBlockDevice(struct stat *buf)
{
    *buf = {};
    buf->st_mode = S_IFBLK | 0660;
    buf->st_rdev = makedev(11, 0); // the first SCSI CD-ROM
    buf->st_blksize = 2048;
}

int statDrive(const char *path, struct stat *buf)
{
    if (!isNode(path)) {
        record("stat %s = -1 ENOENT", path);
        return fail(ENOENT);
    }
    fillBlockDevice(buf);
    record("stat %s = block device", path);
    return 0;
}

// The tray takes its time, and the call that moves it waits.
void moveTray(Tray &tray, bool open)
{
    if (const char *ms = env(fakecdrom::kMoveMs)) {
        const long total = std::atol(ms);
        const timespec pause{total / 1000, (total % 1000) * 1000000L};
        nanosleep(&pause, nullptr);
    }
    tray.open = open;
    writeTray(tray);
}

int openDrive(const char *path, int flags)
{
    adoptDrive();
    if (!isNode(path)) {
        record("open %s = -1 ENOENT", path);
        return fail(ENOENT);
    }
    if (const char *error = env(fakecdrom::kOpenErrno)) {
        const int number = std::atoi(error);
        record("open %s %s = -1 %s", path, accessName(flags), errorName(number));
        return fail(number);
    }
    // Without O_NONBLOCK the kernel wants a readable disc: it closes an open
    // tray first, then fails if there is nothing to read.
    if (!(flags & O_NONBLOCK)) {
        Tray tray = readTray();
        if (tray.open) {
            moveTray(tray, false);
            record("tray closed by a blocking open of %s", path);
        }
        if (!tray.disc) {
            record("open %s %s = -1 ENOMEDIUM", path, accessName(flags));
            return fail(ENOMEDIUM);
        }
    }
    if (g_handles.count == int(std::size(g_handles.fds)))
        return fail(EMFILE);
    const int fd = real<::open>("open")("/dev/null", O_RDONLY | (flags & O_CLOEXEC), 0);
    if (fd < 0)
        return fd;
    g_handles.fds[g_handles.count] = fd;
    g_handles.flags[g_handles.count] = flags;
    ++g_handles.count;
    record("open %s %s = %d", path, accessName(flags), fd);
    return fd;
}

int answer(const char *request, int result)
{
    record("ioctl %s = %d", request, result);
    return result;
}

int refuse(const char *request, int error)
{
    record("ioctl %s = -1 %s", request, errorName(error));
    return fail(error);
}

// CDROMEJECT and CDROMCLOSETRAY.
int moveRequest(const char *request, bool open)
{
    if (env(fakecdrom::kRefuses))
        return refuse(request, EIO);
    // The kernel ejects only through the one handle open on the drive.
    if (open && g_handles.count != 1)
        return refuse(request, EBUSY);
    Tray tray = readTray();
    moveTray(tray, open);
    return answer(request, 0);
}

// Packet commands. Of those that change the drive, the kernel passes on
// only what comes through a handle open for writing; others are not
// simulated and fail.
int packet(int handle, const cdrom_generic_command &command)
{
    constexpr unsigned char kStartStopUnit = 0x1b;
    constexpr unsigned char kPreventAllowMediumRemoval = 0x1e;
    char request[64];
    const unsigned char opcode = command.cmd[0];
    if (opcode == kStartStopUnit)
        std::snprintf(request, sizeof request, "CDROM_SEND_PACKET START STOP UNIT");
    else if (opcode == kPreventAllowMediumRemoval)
        std::snprintf(request, sizeof request, "CDROM_SEND_PACKET PREVENT ALLOW MEDIUM REMOVAL");
    else {
        std::snprintf(request, sizeof request, "CDROM_SEND_PACKET 0x%02x", opcode);
        return refuse(request, EIO);
    }
    if ((g_handles.flags[handle] & O_ACCMODE) == O_RDONLY)
        return refuse(request, EPERM);
    const bool loadOrEject = command.cmd[4] & 0x2;
    if (opcode == kPreventAllowMediumRemoval || !loadOrEject)
        return answer(request, 0);
    if (env(fakecdrom::kRefuses))
        return refuse(request, EIO);
    Tray tray = readTray();
    moveTray(tray, !(command.cmd[4] & 0x1));
    return answer(request, 0);
}

int driveIoctl(int handle, unsigned long request, void *arg)
{
    switch (request) {
    case CDROM_GET_CAPABILITY:
        return answer("CDROM_GET_CAPABILITY",
                      CDC_CLOSE_TRAY | CDC_OPEN_TRAY | CDC_LOCK | CDC_SELECT_SPEED | CDC_MEDIA_CHANGED
                          | CDC_PLAY_AUDIO | CDC_DRIVE_STATUS | CDC_GENERIC_PACKET);
    case CDROM_DRIVE_STATUS: {
        const Tray tray = readTray();
        return answer("CDROM_DRIVE_STATUS", tray.open ? CDS_TRAY_OPEN : tray.disc ? CDS_DISC_OK : CDS_NO_DISC);
    }
    case CDROMEJECT:
        return moveRequest("CDROMEJECT", true);
    case CDROMCLOSETRAY:
        return moveRequest("CDROMCLOSETRAY", false);
    case CDROM_SEND_PACKET:
        return packet(handle, *static_cast<const cdrom_generic_command *>(arg));
    case BLKRRPART: // a CD has no partition table
        return refuse("BLKRRPART", EINVAL);
    case SCSI_IOCTL_GET_BUS_NUMBER:
        *static_cast<int *>(arg) = 0;
        return answer("SCSI_IOCTL_GET_BUS_NUMBER", 0);
    case SCSI_IOCTL_GET_IDLUN:
        std::memset(arg, 0, 2 * sizeof(int));
        return answer("SCSI_IOCTL_GET_IDLUN", 0);
    default: {
        char name[32];
        std::snprintf(name, sizeof name, "0x%lx", request);
        return refuse(name, ENOTTY);
    }
    }
}

} // namespace

extern "C" {

int open(const char *path, int flags, ...)
{
    int mode = 0;
    if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list args;
        va_start(args, flags);
        mode = va_arg(args, int);
        va_end(args);
    }
    if (simulating() && isDriveName(path))
        return openDrive(path, flags);
    return real<::open>("open")(path, flags, mode);
}

int close(int fd)
{
    if (const int i = handleIndex(fd); i >= 0) {
        g_handles.fds[i] = g_handles.fds[g_handles.count - 1];
        g_handles.flags[i] = g_handles.flags[g_handles.count - 1];
        --g_handles.count;
        record("close %d", fd);
    }
    return real<::close>("close")(fd);
}

int ioctl(int fd, unsigned long request, ...) noexcept
{
    va_list args;
    va_start(args, request);
    void *arg = va_arg(args, void *);
    va_end(args);
    if (const int i = handleIndex(fd); i >= 0)
        return driveIoctl(i, request, arg);
    return real<::ioctl>("ioctl")(fd, request, arg);
}

int stat(const char *path, struct stat *buf) noexcept
{
    if (simulating() && isDriveName(path))
        return statDrive(path, buf);
    return real<::stat>("stat")(path, buf);
}

int fstat(int fd, struct stat *buf) noexcept
{
    if (handleIndex(fd) >= 0) {
        fillBlockDevice(buf);
        record("fstat %d = block device", fd);
        return 0;
    }
    return real<::fstat>("fstat")(fd, buf);
}

char *realpath(const char *path, char *resolved) noexcept
{
    if (!simulating() || !isDriveName(path))
        return real<::realpath>("realpath")(path, resolved);
    if (!isNode(path)) {
        record("realpath %s = ENOENT", path);
        errno = ENOENT;
        return nullptr;
    }
    record("realpath %s", path);
    if (!resolved)
        return strdup(path);
    std::snprintf(resolved, PATH_MAX, "%s", path);
    return resolved;
}

FILE *setmntent(const char *file, const char *mode) noexcept
{
    if (simulating() && isMountTable(file)) {
        record("setmntent %s = empty", file);
        file = "/dev/null";
    }
    return real<::setmntent>("setmntent")(file, mode);
}

} // extern "C"
