// Keeps one Wine process alive (a hidden window in a message loop) so that each test process
// starts in a warm wineserver with the desktop process already running. With a file name as its
// argument it creates that file once its window exists, so scripts can wait until it is ready.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"VantrelWineKeepAlive";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1,
                                  nullptr, nullptr, instance, nullptr);
    // Showing and hiding once makes the desktop process start now rather than in the first test.
    ShowWindow(window, SW_SHOWNOACTIVATE);
    ShowWindow(window, SW_HIDE);
    if (commandLine && *commandLine) {
        HANDLE ready = CreateFileW(commandLine, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        if (ready != INVALID_HANDLE_VALUE)
            CloseHandle(ready);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
