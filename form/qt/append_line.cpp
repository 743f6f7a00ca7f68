#include "append_line.h"

namespace {

// What goes before the line: the header in an empty file, a line break after
// a last line without one.
std::string Lead(std::string_view header, long long size, char last) {
    if (size == 0) return std::string(header);
    return last == '\n' || last == '\r' ? "" : "\r\n";
}

}  // namespace

#ifdef _WIN32
#include <windows.h>

namespace {

std::string Reason(DWORD error) {
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, text, sizeof text, nullptr);
    while (length > 0 &&
           (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == '.')) {
        text[--length] = '\0';
    }
    return length > 0 ? text : "error " + std::to_string(error);
}

}  // namespace

std::optional<std::string> AppendLine(const std::filesystem::path& file, std::string_view header,
                                      std::string_view line) {
    HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return Reason(GetLastError());
    OVERLAPPED whole = {};
    std::optional<std::string> failed;
    LARGE_INTEGER size = {};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole) ||
        !GetFileSizeEx(handle, &size)) {
        failed = Reason(GetLastError());
    } else {
        char last = '\n';
        DWORD read = 0;
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(size.QuadPart - 1);
        at.OffsetHigh = static_cast<DWORD>((size.QuadPart - 1) >> 32);
        if (size.QuadPart > 0) ReadFile(handle, &last, 1, &read, &at);
        std::string text = Lead(header, size.QuadPart, last) + std::string(line);
        OVERLAPPED end = {};
        end.Offset = size.LowPart;
        end.OffsetHigh = static_cast<DWORD>(size.HighPart);
        DWORD written = 0;
        if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, &end) ||
            written != text.size()) {
            failed = Reason(GetLastError());
            SetFilePointerEx(handle, size, nullptr, FILE_BEGIN);
            SetEndOfFile(handle);
        }
        UnlockFileEx(handle, 0, MAXDWORD, MAXDWORD, &whole);
    }
    CloseHandle(handle);
    return failed;
}

#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

std::optional<std::string> AppendLine(const std::filesystem::path& file, std::string_view header,
                                      std::string_view line) {
    int fd = ::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return std::strerror(errno);
    struct stat status = {};
    std::optional<std::string> failed;
    // The lock goes with the descriptor.
    if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &status) != 0) {
        failed = std::strerror(errno);
    } else {
        char last = '\n';
        if (status.st_size > 0 && ::pread(fd, &last, 1, status.st_size - 1) != 1) last = '\n';
        std::string text = Lead(header, status.st_size, last) + std::string(line);
        // A full disk takes part of a write; the next one says why.
        std::string_view rest = text;
        ssize_t written = 0;
        while (!rest.empty() && (written = ::write(fd, rest.data(), rest.size())) > 0) {
            rest.remove_prefix(static_cast<std::size_t>(written));
        }
        if (!rest.empty()) {
            failed = std::strerror(written < 0 ? errno : EIO);
            if (rest.size() < text.size() && ::ftruncate(fd, status.st_size) != 0) {
                *failed += ", and what it took could not be taken back";
            }
        }
    }
    if (::close(fd) != 0 && !failed) failed = std::strerror(errno);
    return failed;
}

#endif
