/*
 * lumabox: the slide-show viewer of a Pictavo CD photo album.
 *
 * Shows the pictures of the "image" folder next to the program in name
 * order, full screen, one at a time, scaled to fit and centred on black.
 * Keys: Right, Down, Space, Enter, Page Down = next; Left, Up, Backspace,
 * Page Up = previous; Home, End = first, last; S = slide show on/off;
 * F1 = help; Esc = quit. A mouse click shows the next picture. The slide
 * show starts at once and changes pictures every three seconds, unless the
 * program is started as "lumabox /manual". The window title names the
 * picture on the screen.
 *
 * Interface texts are English unless the user's language is Chinese: then
 * they come from lang\lumabox.sch (Simplified) or lang\lumabox.tch
 * (Traditional), UTF-8 files of "key=text" lines.
 */
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#include <windows.h>
#include <gdiplus.h>
#include <stdlib.h>
#include <wchar.h>

#define SLIDE_TIMER 1
#define SLIDE_INTERVAL_MS 3000
#define MAX_PICTURES 100000

enum { TEXT_TITLE, TEXT_EMPTY, TEXT_HELP, TEXT_SLIDE_ON, TEXT_SLIDE_OFF, TEXT_COUNT };

static const char *const text_keys[TEXT_COUNT] = {"title", "empty", "help", "slideon",
                                                  "slideoff"};
static wchar_t *texts[TEXT_COUNT] = {
    L"Photo Album",
    L"There are no pictures in the image folder.",
    L"Right / Space: next picture\nLeft / Backspace: previous picture\n"
    L"Home / End: first / last picture\nS: slide show on / off\nEsc: quit",
    L"Slide show on",
    L"Slide show off",
};

static wchar_t base_folder[MAX_PATH];
static wchar_t **pictures;
static int picture_count;
static int current;
static BOOL slide_show = TRUE;
static GpImage *image;
static const wchar_t *status_text;

static int compare_names(const void *a, const void *b) {
    return lstrcmpiW(*(wchar_t *const *)a, *(wchar_t *const *)b);
}

static void find_base_folder(void) {
    DWORD n = GetModuleFileNameW(NULL, base_folder, MAX_PATH);
    while (n > 0 && base_folder[n - 1] != L'\\') --n;
    base_folder[n] = 0;
}

static BOOL is_picture_name(const wchar_t *name) {
    static const wchar_t *const extensions[] = {L".jpg", L".jpeg", L".gif", L".bmp", L".dib",
                                                L".png", L".tif",  L".tiff", L".ico", L".wmf",
                                                L".emf"};
    const wchar_t *dot = wcsrchr(name, L'.');
    size_t i;
    if (!dot) return FALSE;
    for (i = 0; i < sizeof extensions / sizeof extensions[0]; ++i)
        if (lstrcmpiW(dot, extensions[i]) == 0) return TRUE;
    return FALSE;
}

static void list_pictures(void) {
    wchar_t pattern[MAX_PATH];
    WIN32_FIND_DATAW found;
    HANDLE search;
    int capacity = 0;
    swprintf(pattern, MAX_PATH, L"%lsimage\\*", base_folder);
    search = FindFirstFileW(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        wchar_t **grown;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (!is_picture_name(found.cFileName) || picture_count >= MAX_PICTURES) continue;
        if (picture_count == capacity) {
            capacity = capacity ? capacity * 2 : 64;
            grown = realloc(pictures, capacity * sizeof *pictures);
            if (!grown) break;
            pictures = grown;
        }
        pictures[picture_count] = malloc(MAX_PATH * sizeof(wchar_t));
        if (!pictures[picture_count]) break;
        swprintf(pictures[picture_count], MAX_PATH, L"%lsimage\\%ls", base_folder, found.cFileName);
        ++picture_count;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    qsort(pictures, picture_count, sizeof *pictures, compare_names);
}

/* Reads lang\lumabox.sch or .tch when the user's language is Chinese. */
static void load_language(void) {
    LANGID lang = GetUserDefaultUILanguage();
    const wchar_t *file;
    wchar_t path[MAX_PATH];
    HANDLE handle;
    DWORD size, got;
    char *bytes, *line, *next;
    if (PRIMARYLANGID(lang) != LANG_CHINESE) return;
    file = (lang == 0x0804 || lang == 0x1004) ? L"lumabox.sch" : L"lumabox.tch";
    swprintf(path, MAX_PATH, L"%lslang\\%ls", base_folder, file);
    handle = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (handle == INVALID_HANDLE_VALUE) return;
    size = GetFileSize(handle, NULL);
    bytes = (size != INVALID_FILE_SIZE && size < 65536) ? malloc(size + 1) : NULL;
    if (bytes && ReadFile(handle, bytes, size, &got, NULL) && got == size) {
        bytes[size] = 0;
        for (line = bytes; line && *line; line = next) {
            char *eq, *end;
            int k;
            next = strchr(line, '\n');
            if (next) *next++ = 0;
            if ((end = strchr(line, '\r')) != NULL) *end = 0;
            if (!(eq = strchr(line, '='))) continue;
            *eq = 0;
            for (k = 0; k < TEXT_COUNT; ++k) {
                int n;
                wchar_t *wide;
                if (strcmp(line, text_keys[k]) != 0) continue;
                n = MultiByteToWideChar(CP_UTF8, 0, eq + 1, -1, NULL, 0);
                wide = n > 0 ? malloc(n * sizeof(wchar_t)) : NULL;
                if (wide && MultiByteToWideChar(CP_UTF8, 0, eq + 1, -1, wide, n) > 0) {
                    wchar_t *p;
                    for (p = wide; (p = wcsstr(p, L"\\n")) != NULL;) {
                        p[0] = L'\n';
                        memmove(p + 1, p + 2, (wcslen(p + 2) + 1) * sizeof(wchar_t));
                    }
                    texts[k] = wide;
                }
            }
        }
    }
    free(bytes);
    CloseHandle(handle);
}

/* Names the shown picture in the window title, "Photo Album - 00000003.jpg",
 * so that the task bar and Alt+Tab tell which picture is on the screen. */
static void set_title(HWND window, const wchar_t *picture) {
    wchar_t title[MAX_PATH + 64];
    const wchar_t *name = wcsrchr(picture, L'\\');
    swprintf(title, sizeof title / sizeof title[0], L"%ls - %ls", texts[TEXT_TITLE],
             name ? name + 1 : picture);
    SetWindowTextW(window, title);
}

static void show_picture(HWND window, int index) {
    if (picture_count == 0) return;
    current = (index % picture_count + picture_count) % picture_count;
    if (image) GdipDisposeImage(image);
    image = NULL;
    GdipLoadImageFromFile(pictures[current], &image);
    set_title(window, pictures[current]);
    status_text = NULL;
    InvalidateRect(window, NULL, FALSE);
}

static void paint(HWND window) {
    PAINTSTRUCT ps;
    RECT client;
    HDC dc = BeginPaint(window, &ps);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap, old;
    GetClientRect(window, &client);
    bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    old = SelectObject(memory, bitmap);
    FillRect(memory, &client, GetStockObject(BLACK_BRUSH));
    if (image) {
        UINT w = 0, h = 0;
        GdipGetImageWidth(image, &w);
        GdipGetImageHeight(image, &h);
        if (w > 0 && h > 0) {
            double sx = (double)client.right / w, sy = (double)client.bottom / h;
            double s = sx < sy ? sx : sy;
            int dw, dh;
            GpGraphics *graphics;
            if (s > 1.0) s = 1.0;
            dw = (int)(w * s);
            dh = (int)(h * s);
            if (GdipCreateFromHDC(memory, &graphics) == Ok) {
                GdipSetInterpolationMode(graphics, InterpolationModeHighQualityBicubic);
                GdipDrawImageRectI(graphics, image, (client.right - dw) / 2,
                                   (client.bottom - dh) / 2, dw, dh);
                GdipDeleteGraphics(graphics);
            }
        }
    }
    if (picture_count == 0 || status_text) {
        SetBkMode(memory, TRANSPARENT);
        SetTextColor(memory, RGB(220, 220, 220));
        DrawTextW(memory, picture_count == 0 ? texts[TEXT_EMPTY] : status_text, -1, &client,
                  DT_CENTER | DT_VCENTER | DT_WORDBREAK);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window, &ps);
}

static void toggle_slide_show(HWND window) {
    slide_show = !slide_show;
    if (slide_show)
        SetTimer(window, SLIDE_TIMER, SLIDE_INTERVAL_MS, NULL);
    else
        KillTimer(window, SLIDE_TIMER);
    status_text = texts[slide_show ? TEXT_SLIDE_ON : TEXT_SLIDE_OFF];
    InvalidateRect(window, NULL, FALSE);
}

static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        show_picture(window, current + 1);
        return 0;
    case WM_LBUTTONDOWN:
        show_picture(window, current + 1);
        return 0;
    case WM_KEYDOWN:
        switch (wparam) {
        case VK_RIGHT: case VK_DOWN: case VK_SPACE: case VK_RETURN: case VK_NEXT:
            show_picture(window, current + 1);
            break;
        case VK_LEFT: case VK_UP: case VK_BACK: case VK_PRIOR:
            show_picture(window, current - 1);
            break;
        case VK_HOME:
            show_picture(window, 0);
            break;
        case VK_END:
            show_picture(window, picture_count - 1);
            break;
        case 'S':
            toggle_slide_show(window);
            break;
        case VK_F1:
            MessageBoxW(window, texts[TEXT_HELP], texts[TEXT_TITLE], MB_OK | MB_ICONINFORMATION);
            break;
        case VK_ESCAPE:
            DestroyWindow(window);
            break;
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR command_line, int show) {
    GdiplusStartupInput startup = {1, NULL, FALSE, FALSE};
    ULONG_PTR token;
    WNDCLASSW window_class = {0};
    HWND window;
    MSG message;
    (void)previous;
    /* "lumabox /manual" starts with the slide show off (S turns it on). */
    if (command_line && lstrcmpiW(command_line, L"/manual") == 0) slide_show = FALSE;
    (void)show;
    if (GdiplusStartup(&token, &startup, NULL) != Ok) return 1;
    find_base_folder();
    load_language();
    list_pictures();

    window_class.lpfnWndProc = window_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursor(NULL, IDC_ARROW);
    window_class.lpszClassName = L"LumaboxSlideShow";
    RegisterClassW(&window_class);
    window = CreateWindowExW(WS_EX_TOPMOST, window_class.lpszClassName, texts[TEXT_TITLE],
                             WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                             GetSystemMetrics(SM_CYSCREEN), NULL, NULL, instance, NULL);
    if (!window) return 1;
    show_picture(window, 0);
    if (slide_show) SetTimer(window, SLIDE_TIMER, SLIDE_INTERVAL_MS, NULL);
    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (image) GdipDisposeImage(image);
    GdiplusShutdown(token);
    return 0;
}
