/* autorun.exe: opens the site's entry page "index.htm", which lies in the
 * same folder as this program, in the default browser. Started from a CD
 * by autorun.inf or by a double click in the site folder. */

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
/* shellapi.h needs the definitions of windows.h. */
#include <shellapi.h>

#include <wchar.h>

static const wchar_t kEntryPage[] = L"index.htm";

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;

    wchar_t folder[MAX_PATH];
    wchar_t page[MAX_PATH];
    const DWORD length = GetModuleFileNameW(NULL, folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;

    wchar_t* slash = wcsrchr(folder, L'\\');
    if (slash == NULL)
        return 1;
    slash[1] = L'\0';
    if (wcslen(folder) + wcslen(kEntryPage) >= MAX_PATH)
        return 1;
    wcscpy(page, folder);
    wcscat(page, kEntryPage);

    const HINSTANCE result = ShellExecuteW(NULL, L"open", page, NULL, folder, SW_SHOWNORMAL);
    if ((INT_PTR)result <= 32) {
        MessageBoxW(NULL, L"The page index.htm could not be opened.", L"Autorun",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
    return 0;
}
