#pragma once
// The program's error box, a standard message box (dialog class "#32770").
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class Program;

struct ErrorBox {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;  // texts of the visible buttons
    HWND icon = nullptr;               // the icon control, if the box has one
};

// Every message box the process has open right now.
std::vector<HWND> messageBoxesOf(DWORD processId);
ErrorBox readErrorBox(HWND box);
// Waits for a box; fails when the program ends first.
ErrorBox waitForErrorBox(Program& program);
// Whether the box's icon control shows the system icon `systemIcon` (IDI_HAND, ...):
// its pixels on the screen against the same icon drawn here on the same background.
bool showsSystemIcon(const ErrorBox& box, LPCSTR systemIcon);
// Presses OK and waits for the box to go.
void pressOk(const ErrorBox& box);

}  // namespace e2e
