// The keyboard as a user finds it (keyboard_walk.h), on Qt.
#include "settings_window_fixture.h"
#include "../keyboard_walk.h"

#include <QCloseEvent>

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
    static void key(tabs::Key key)
    {
        const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape};
        QTest::keyClick(QApplication::focusWidget(), keys[int(key)],
                        key == tabs::Key::BackTab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    static void activate(QWidget *window)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    std::vector<std::string> pressed;
};

TEST_F(Keyboard, EachWindowWalksItsTabOrderAndOnlyAFocusedButtonTakesEnter)
{
    for (const tabs::Window &w : tabs::kWindows) {
        openFromMainWindow(nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widgetOf(*Form1)));
        click(w.opener());
        ui::Form &form = *w.form();
        SCOPED_TRACE(form.layout().name);
        const std::vector<std::string> stops = tabs::stopsOf(form, w.order, pressed);
        activate(widgetOf(form));
        for (int showing = 0; showing < 2; ++showing) {
            tabs::walk(form, stops, [&] { return focused(form); }, key, pressed);
            // Hidden with the focus elsewhere, shown again after another window was active.
            key(tabs::Key::Tab);
            form.hide();
            QWidget other;
            other.show();
            activate(&other);
            form.show();
            activate(widgetOf(form));
        }
        EXPECT_TRUE(errors.isEmpty());
        destroyForms();
    }
}

TEST_F(Keyboard, TheMainWindowTakesNoFocusAndItsSystemCloseStoresBothFolders)
{
    openFromMainWindow(nullptr);
    QWidget *window = widgetOf(*Form1);
    activate(window);
    for (QWidget *child : window->findChildren<QWidget *>())
        EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->objectName().toStdString();
    Form1->Label6.setText("/picked/cps3");
    QFile::remove(settingsFile());

    QCloseEvent close;
    QApplication::sendEvent(window->windowHandle(), &close);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(settingsText().contains("\"CPS3\"=\"/picked/cps3\""));
    EXPECT_TRUE(settingsText().contains("\"Model2\"=\"" + model2.toUtf8() + "\""));
    EXPECT_TRUE(errors.isEmpty());
}
