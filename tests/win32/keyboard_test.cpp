// The keyboard as a user of the Windows program finds it (keyboard_walk.h),
// through the event loop's dialog keys.
#include "windows_fixture.h"
#include "../keyboard_walk.h"

using namespace wintest;

class Keyboard : public WindowsRun {
protected:
    // The control of `form` that holds the focus (a drop-down's, for its text box).
    static std::string focused(const ui::Form &form)
    {
        for (HWND w = GetFocus(); w && w != handle(form); w = GetParent(w))
            for (const auto &control : form.impl().controls)
                if (control->hwnd == w)
                    return control->layout.name;
        return "(none)";
    }
    static void key(tabs::Key key)
    {
        const UINT keys[] = {VK_TAB, VK_TAB, VK_RETURN, VK_ESCAPE};
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_SHIFT] = key == tabs::Key::BackTab ? 0x80 : 0;
        SetKeyboardState(state);
        const HWND target = GetFocus();
        PostMessageA(target, WM_KEYDOWN, keys[int(key)], 1);
        post(target, WM_KEYUP, keys[int(key)], 0xC0000001);
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }

    std::vector<std::string> pressed;
};

TEST_F(Keyboard, EachWindowWalksItsTabOrderAndOnlyAFocusedButtonTakesEnter)
{
    for (const tabs::Window &w : tabs::kWindows) {
        start();
        click(w.opener());
        ui::Form &form = *w.form();
        SCOPED_TRACE(form.layout().name);
        const std::vector<std::string> stops = tabs::stopsOf(form, w.order, pressed);
        for (int showing = 0; showing < 2; ++showing) {
            tabs::walk(form, stops, [&] { return focused(form); }, key, pressed);
            key(tabs::Key::Tab);  // hidden with the focus elsewhere
            form.hide();
            pump();
            form.show();
            pump();
        }
        EXPECT_TRUE(errors.empty());
        destroyForms();
    }
}

TEST_F(Keyboard, TheMainWindowTakesNoFocusAndItsSystemCloseStoresBothFolders)
{
    start();
    EXPECT_EQ(GetWindow(handle(*Form1), GW_CHILD), nullptr);  // nothing there to take the focus
    EXPECT_EQ(GetFocus(), handle(*Form1));
    Form1->Label6.setText("T:\\picked");
    post(handle(*Form1), WM_SYSCOMMAND, SC_CLOSE);  // Alt+F4, or the task bar's close
    EXPECT_TRUE(ended());
    EXPECT_EQ(storedValue("CPS3"), "T:\\picked");
    EXPECT_EQ(storedValue("Model2"), model2);
    EXPECT_TRUE(errors.empty());
}
