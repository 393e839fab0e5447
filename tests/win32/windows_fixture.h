#pragma once
// A run of the Windows program's four windows in this process, with its own
// stored key and scratch folders, driven as a user drives it: clicks and keys
// as the messages they make, a drag as real mouse input from a second thread
// (the system's move loop is modal).
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "application.h"
#include "error_box.h"
#include "folder_tree.h"
#include "scratch_folder.h"
#include "impl.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace wintest {

inline const char kKey[] = "Software\\Dravomel";

// Whether the quit message that ends the event loop has come.
inline bool quitPosted = false;

// Every waiting message, as the event loop hands it on; the quit message is
// noted, not dispatched.
inline void pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message == WM_QUIT)
            quitPosted = true;
        else
            win32::dispatch(message);
}

inline HWND handle(const ui::Form &form)
{
    return form.impl().hwnd;
}

inline HWND handle(const ui::Control &control)
{
    return control.impl().hwnd;
}

inline void post(HWND to, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    PostMessageA(to, message, wParam, lParam);
    pump();
}

// A left click at the middle of a control its window draws (label, area).
inline void click(const ui::Control &control)
{
    const RECT &place = control.impl().bounds;
    const LPARAM at = MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    PostMessageA(handle(control.form()), WM_LBUTTONDOWN, MK_LBUTTON, at);
    post(handle(control.form()), WM_LBUTTONUP, 0, at);
}

inline void press(const ui::Button &button)
{
    post(handle(button), BM_CLICK);
}

// Keys go to what has the focus in a drop-down: its text box.
inline HWND keyTarget(const ui::Control &control)
{
    const HWND edit = GetWindow(handle(control), GW_CHILD);
    return edit ? edit : handle(control);
}

inline void key(const ui::Control &control, UINT virtualKey)
{
    SetFocus(keyTarget(control));
    PostMessageA(keyTarget(control), WM_KEYDOWN, virtualKey, 0);
    post(keyTarget(control), WM_KEYUP, virtualKey, 0xC0000000);
}

// Chooses entry n with the arrow keys, one step at a time.
inline void choose(const ui::ComboBox &list, int n)
{
    while (list.itemIndex() != n) {
        const int before = list.itemIndex();
        key(list, list.itemIndex() < n ? VK_DOWN : VK_UP);
        ASSERT_NE(list.itemIndex(), before) << "the arrow keys do not move " << list.name();
    }
}

// Replaces the drop-down's text by typing.
inline void type(const ui::ComboBox &list, const std::string &text)
{
    SetFocus(keyTarget(list));
    SendMessageA(keyTarget(list), EM_SETSEL, 0, -1);
    for (char c : text)
        post(keyTarget(list), WM_CHAR, static_cast<unsigned char>(c));
}

// Double-clicks the row of the folder list that shows `name`.
inline void openFolder(const ui::DirectoryListBox &list, const std::string &name)
{
    core::FolderTree rows;
    rows.setDirectory(list.directory());
    int row = 0;
    while (row < rows.rowCount() && rows.rowText(row) != name)
        ++row;
    ASSERT_LT(row, rows.rowCount()) << name << " is not listed";
    SendMessageA(handle(list), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    const int top = static_cast<int>(SendMessageA(handle(list), LB_GETTOPINDEX, 0, 0));
    const int rowHeight = static_cast<int>(SendMessageA(handle(list), LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(40, (row - top) * rowHeight + rowHeight / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageA(handle(list), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    pump();
}

// Presses the left button at a client point of `form`, moves by (dx, dy) and
// releases, with real mouse input; returns how far the window moved.
inline POINT drag(const ui::Form &form, POINT from, int dx, int dy)
{
    RECT before, after;
    GetWindowRect(handle(form), &before);
    ClientToScreen(handle(form), &from);
    std::atomic<bool> done{false};
    std::thread mouse([&] {
        auto send = [](DWORD flags) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flags;
            SendInput(1, &input, sizeof input);
            Sleep(40);
        };
        SetCursorPos(from.x, from.y);
        send(MOUSEEVENTF_LEFTDOWN);
        for (int step = 1; step <= 4; ++step) {
            SetCursorPos(from.x + dx * step / 4, from.y + dy * step / 4);
            send(MOUSEEVENTF_MOVE);
        }
        send(MOUSEEVENTF_LEFTUP);
        done = true;
    });
    while (!done) {
        pump();
        Sleep(5);
    }
    mouse.join();
    pump();
    GetWindowRect(handle(form), &after);
    return {after.left - before.left, after.top - before.top};
}

// The tooltip a window shows over one of its controls; empty when none.
inline std::string tip(const ui::Control &control)
{
    char text[1024] = "";
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = handle(control.form());
    tool.uId = reinterpret_cast<UINT_PTR>(&control.impl());
    tool.lpszText = text;
    SendMessageA(control.form().impl().tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

inline std::string storedValue(const char *name)
{
    char value[1024] = "";
    DWORD size = sizeof value;
    const LSTATUS status = RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, value, &size);
    return status == ERROR_SUCCESS ? value : "<none>";
}

} // namespace wintest

class WindowsRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, wintest::kKey);
        wintest::quitPosted = false;
        previousSink = setErrorSink([this](const std::string &message) { errors.push_back(message); });
        GetCurrentDirectoryA(MAX_PATH, previousFolder);
        // The folder lists start at the working folder: the scratch folder.
        SetCurrentDirectoryA(scratch.path().c_str());
    }

    void TearDown() override
    {
        destroyForms();
        wintest::pump();
        setErrorSink(previousSink);
        SetCurrentDirectoryA(previousFolder);
        RegDeleteTreeA(HKEY_CURRENT_USER, wintest::kKey);
    }

    // Stores the key (program folder with a language file of `lines` lines
    // "line 0", "line 1"...; both emulator folders, made) and starts the run.
    void start(int lines = 50)
    {
        CreateDirectoryA(cps3.c_str(), nullptr);
        CreateDirectoryA(model2.c_str(), nullptr);
        const std::string language = scratch / "lang";
        CreateDirectoryA(language.c_str(), nullptr);
        std::string text;
        for (int i = 0; i < lines; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        filetest::writeBytes(language + "\\LNGFILE", text);
        for (const auto &[name, value] : {std::pair<const char *, std::string>{"DMpath", language},
                                          {"CPS3", cps3}, {"Model2", model2}})
            RegSetKeyValueA(HKEY_CURRENT_USER, wintest::kKey, name, REG_SZ, value.c_str(),
                            static_cast<DWORD>(value.size() + 1));
        createForms();
        Form1->show();
        wintest::pump();
    }

    // Whether the run has ended: every window hidden, the event loop told to end.
    static bool ended()
    {
        return !Form1->isVisible() && !Form2->isVisible() && !Form3->isVisible() && !Form4->isVisible()
               && wintest::quitPosted;
    }

    filetest::ScratchFolder scratch;
    const std::string cps3 = scratch / "cps3";
    const std::string model2 = scratch / "model2";
    std::vector<std::string> errors;
    ErrorSink previousSink;
    char previousFolder[MAX_PATH] = "";
};
