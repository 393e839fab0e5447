// The keyboard as a user of the Windows program finds it: where the focus
// starts, where Tab and Shift+Tab take it, and what Enter and Escape do at
// each stop, through the event loop's dialog keys.
#include "windows_fixture.h"
#include "../tab_orders.h"

#include <functional>

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
    // A key pressed and released where the focus is, Shift held or not.
    static void key(UINT virtualKey, bool shift = false)
    {
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        const HWND target = GetFocus();
        PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
        post(target, WM_KEYUP, virtualKey, 0xC0000001);
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }

    std::vector<std::string> pressed;
};

TEST_F(Keyboard, EachWindowWalksItsTabOrderAndOnlyAFocusedButtonTakesEnter)
{
    const struct {
        const char *window;
        std::function<ui::Form *()> open;
        const std::vector<std::string> &order;
    } walks[] = {
        {"picker", [] { return click(Form1->Image2), static_cast<ui::Form *>(Form2); }, tabs::kPicker},
        {"CPS3", [] { return click(Form1->Label1), static_cast<ui::Form *>(Form3); }, tabs::kCps3},
        {"Model 2", [] { return click(Form1->Label3), static_cast<ui::Form *>(Form4); }, tabs::kModel2},
    };
    for (const auto &walk : walks) {
        SCOPED_TRACE(walk.window);
        start();
        ui::Form *form = walk.open();
        ASSERT_TRUE(form->isVisible());
        std::vector<std::string> stops;
        for (const std::string &name : walk.order) {
            if (form->control(name).isEnabled())
                stops.push_back(name);
            // Every button tells of its presses instead of acting.
            if (tabs::isButton(name))
                static_cast<ui::Button &>(form->control(name)).onClick = [this, name] { pressed.push_back(name); };
        }
        for (int round = 0; round < 2; ++round) {
            // Shown again, the window starts at its first stop wherever the focus was.
            EXPECT_EQ(focused(*form), stops.front());
            for (std::size_t i = 0; i <= stops.size(); ++i) {
                const std::string &stop = stops[i % stops.size()];
                ASSERT_EQ(focused(*form), stop) << "after " << i << " Tabs";
                key(VK_ESCAPE);
                key(VK_RETURN);
                EXPECT_EQ(pressed, tabs::isButton(stop) ? std::vector<std::string>{stop} : std::vector<std::string>());
                EXPECT_TRUE(form->isVisible());
                pressed.clear();
                key(VK_TAB);
            }
            for (std::size_t i = stops.size() + 1; i-- > 0;) {
                EXPECT_EQ(focused(*form), stops[(i + 1) % stops.size()]);
                key(VK_TAB, true);
            }
            key(VK_TAB);
            form->hide();
            pump();
            form->show();
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
    for (UINT k : {VK_TAB, VK_RETURN, VK_ESCAPE}) {
        key(k);
        EXPECT_EQ(GetFocus(), handle(*Form1));
    }
    EXPECT_TRUE(Form1->isVisible());
    Form1->Label6.setText("T:\\picked");
    post(handle(*Form1), WM_SYSCOMMAND, SC_CLOSE);  // Alt+F4, or the task bar's close
    EXPECT_TRUE(ended());
    EXPECT_EQ(storedValue("CPS3"), "T:\\picked");
    EXPECT_EQ(storedValue("Model2"), model2);
    EXPECT_TRUE(errors.empty());
}
