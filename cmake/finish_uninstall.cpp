// Finishes an uninstall that ran in place: removes the uninstaller's own file, and then its
// folder if nothing else is in it, once the uninstaller has ended (Windows keeps a running
// program's file). The uninstaller starts this from a copy of it that it holds open for
// deletion on close, so that the copy goes when this ends.
//   finish_uninstall.exe PROCESS VOLUME HIGH LOW FOLDER
// PROCESS is an inherited handle of the uninstaller's process; VOLUME, HIGH and LOW, the volume
// serial number and the file index of the uninstaller's file; FOLDER, the install folder, taken
// as it stands (no shell reads it).

// windows.h first, as shellapi.h needs it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cwchar>
#include <iterator>

namespace {

// Deletes the uninstaller only while its entry is still gone (an install since puts it back)
// and the file in the folder is the very file that ran.
void RemoveUninstaller(unsigned long volume, unsigned long long index, const wchar_t* folder) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(
            HKEY_LOCAL_MACHINE,
            L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" TRIANGLE30_REGISTRY_KEY, 0,
            KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        return;
    }
    wchar_t file[1100] = L"";  // the installer's longest path, and the name
    if (std::swprintf(file, std::size(file), L"%ls\\%ls", folder, TRIANGLE30_UNINSTALLER) < 0) {
        return;
    }
    HANDLE handle =
        CreateFileW(file, DELETE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_DISPOSITION_INFO dispose{TRUE};
    const bool same =
        GetFileInformationByHandle(handle, &info) && info.dwVolumeSerialNumber == volume &&
        ((static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow) ==
            index;
    const bool deleted =
        same && SetFileInformationByHandle(handle, FileDispositionInfo, &dispose, sizeof dispose);
    CloseHandle(handle);
    if (deleted) {
        RemoveDirectoryW(folder);  // only when empty: what a student put there stays
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 6) {
        return 3;
    }
    // Numbers as the installer prints them: the 32-bit ones may come signed.
    const auto number = [](const wchar_t* text) {
        return static_cast<unsigned long>(std::wcstol(text, nullptr, 10));
    };
    const auto uninstaller = reinterpret_cast<HANDLE>(std::wcstoull(arguments[1], nullptr, 10));
    const unsigned long volume = number(arguments[2]);
    const unsigned long long index =
        (static_cast<unsigned long long>(number(arguments[3])) << 32) | number(arguments[4]);
    const wchar_t* folder = arguments[5];
    if (WaitForSingleObject(uninstaller, INFINITE) != WAIT_OBJECT_0) {
        return 3;
    }
    // One run at a time, as the installer and the uninstaller take it: an install that starts
    // meanwhile either waits for this or has put its entry back before this looks.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Global\\" TRIANGLE30_SETUP_MUTEX);
    const DWORD taken = mutex ? WaitForSingleObject(mutex, 120000) : WAIT_FAILED;
    if (taken != WAIT_OBJECT_0 && taken != WAIT_ABANDONED) {
        return 3;
    }
    RemoveUninstaller(volume, index, folder);
    ReleaseMutex(mutex);
    LocalFree(arguments);
    return 0;
}
