// The keyboard as a user finds it: where the focus starts, where Tab and
// Shift+Tab take it, and what Enter and Escape do at each stop.
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "settings_window_fixture.h"
#include "../tab_orders.h"

#include <QCloseEvent>

#include <functional>

namespace {

// The controls a window's tab order visits, as its user meets them; a
// disabled one is passed over.
struct TabWalk {
    const char *window;
    std::function<ui::Form *()> open;
    std::vector<std::string> order;
};

} // namespace

class Keyboard : public SettingsWindowTest {
protected:
    // The control of `form` that holds the keyboard focus.
    static std::string focused(const ui::Form &form)
    {
        for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget())
            if (w->parentWidget() == widgetOf(form))
                return w->objectName().toStdString();
        return "(none)";
    }
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    std::vector<std::string> pressed;
};

TEST_F(Keyboard, EachWindowWalksItsTabOrderAndOnlyAFocusedButtonTakesEnter)
{
    const TabWalk walks[3] = {
        {"picker",
         [this] {
             openFromMainWindow(nullptr);
             EXPECT_TRUE(QTest::qWaitForWindowExposed(widgetOf(*Form1)));
             click(Form1->Image2);
             return Form2;
         },
         tabs::kPicker},
        {"CPS3",
         [this] {
             openFromMainWindow(&TForm1::Label1);
             return Form3;
         },
         tabs::kCps3},
        {"Model 2",
         [this] {
             openFromMainWindow(&TForm1::Label3);
             return Form4;
         },
         tabs::kModel2},
    };
    for (const TabWalk &walk : walks) {
        SCOPED_TRACE(walk.window);
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
        QWidget *window = widgetOf(*form);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));


        for (int round = 0; round < 2; ++round) {
            // Shown again, the window starts at its first stop wherever the focus was.
            EXPECT_EQ(focused(*form), stops.front());
            for (std::size_t i = 0; i <= stops.size(); ++i) {
                const std::string &stop = stops[i % stops.size()];
                ASSERT_EQ(focused(*form), stop) << "after " << i << " Tabs";
                key(Qt::Key_Escape);
                key(Qt::Key_Return);
                EXPECT_EQ(pressed, tabs::isButton(stop) ? std::vector<std::string>{stop} : std::vector<std::string>());
                EXPECT_TRUE(form->isVisible());
                pressed.clear();
                key(Qt::Key_Tab);
            }
            for (std::size_t i = stops.size() + 1; i-- > 0;) {
                EXPECT_EQ(focused(*form), stops[(i + 1) % stops.size()]);
                key(Qt::Key_Tab, Qt::ShiftModifier);
            }
            // Hidden with the focus elsewhere, while another window is active.
            key(Qt::Key_Tab);
            form->hide();
            QWidget other;
            other.show();
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
            form->show();
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        }
        EXPECT_TRUE(errors.isEmpty());
        destroyForms();
    }
}

TEST_F(Keyboard, TheMainWindowTakesNoFocusAndItsSystemCloseStoresBothFolders)
{
    openFromMainWindow(nullptr);
    QWidget *window = widgetOf(*Form1);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (QWidget *child : window->findChildren<QWidget *>())
        EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->objectName().toStdString();
    for (Qt::Key k : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape}) {
        QTest::keyClick(window, k);
        EXPECT_EQ(QApplication::focusWidget(), nullptr);
    }
    EXPECT_TRUE(Form1->isVisible());
    Form1->Label6.setText("/picked/cps3");
    QFile::remove(settingsFile());

    QCloseEvent close;
    QApplication::sendEvent(window->windowHandle(), &close);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(settingsText().contains("\"CPS3\"=\"/picked/cps3\""));
    EXPECT_TRUE(settingsText().contains("\"Model2\"=\"" + model2.toUtf8() + "\""));
    EXPECT_TRUE(errors.isEmpty());
}
