#include "append_line.h"

#ifdef _WIN32
#include <windows.h>

// With append access alone, every write goes to the end of the file as one.
bool AppendLine(const std::filesystem::path& file, std::string_view line) {
    HANDLE handle = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool whole =
        WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
        written == line.size();
    CloseHandle(handle);
    return whole;
}

#else
#include <fcntl.h>
#include <unistd.h>

bool AppendLine(const std::filesystem::path& file, std::string_view line) {
    int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    ssize_t written = ::write(fd, line.data(), line.size());
    bool closed = ::close(fd) == 0;
    return closed && written == static_cast<ssize_t>(line.size());
}

#endif
