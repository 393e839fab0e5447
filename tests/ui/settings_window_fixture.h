#pragma once
// A run whose emulator folders exist under the test's home, for driving a
// settings window the way a user does: from the main window, with clicks.
#include "Unit1.h"
#include "access.h"
#include "app_fixture.h"
#include "folder_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <initializer_list>
#include <string>
#include <vector>

class SettingsWindowTest : public AppTest {
protected:
    // Starts the program with a language file of `languageLines` lines and
    // clicks the main window's link to one emulator's settings, if given.
    void openFromMainWindow(ui::Label TForm1::*link, int languageLines = 50)
    {
        QDir().mkpath(cps3);
        QDir().mkpath(model2);
        writeKeyWithLanguage(languageLines, cps3.toUtf8(), model2.toUtf8());
        createForms();
        Form1->show();
        if (link)
            click(Form1->*link);
    }

    static void click(const ui::Control &control)
    {
        QWidget *widget = widgetOf(control);
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    }

    // Saves as a keyboard user does: the focus starts on cancel, Tab moves it
    // to save, and Enter presses the focused button. Escape does nothing.
    static void saveWithKeys(const ui::Form *form)
    {
        QWidget *window = widgetOf(*form);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Return})
            QTest::keyClick(QApplication::focusWidget(), key);
    }

    // Row of the folder list that shows `name`.
    static QModelIndex rowOf(FolderListWidget *list, const QString &name)
    {
        const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, name,
                                                           1, Qt::MatchExactly);
        return found.isEmpty() ? QModelIndex() : found.first();
    }

    // Opens the drop-down's list by its arrow and clicks entry n.
    static void choose(const ui::Control &control, int n)
    {
        auto *list = widgetOf<QComboBox>(control);
        QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, QPoint(list->width() - 5, list->height() / 2));
        QAbstractItemView *view = list->view();
        ASSERT_TRUE(view->isVisible());
        const QPoint entry = view->visualRect(view->model()->index(n, 0)).center();
        QTest::mouseMove(view->viewport(), entry);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, entry);
    }

    // Picks in each list the entry showing that language line, as a user
    // picks by what is shown, and puts the line it should write into `file`.
    struct Pick {
        const ui::ComboBox &list;
        int languageLine;
        std::size_t fileLine;
        std::string written;
    };
    static void pick(const std::vector<Pick> &picks, std::vector<std::string> &file)
    {
        for (const Pick &p : picks) {
            const int entry = widgetOf<QComboBox>(p.list)->findText(QStringLiteral("line %1").arg(p.languageLine));
            ASSERT_GE(entry, 0) << p.written;
            choose(p.list, entry);
            file.at(p.fileLine) = p.written;
        }
    }

    // The lines of the "EMULATOR.INI" written into `folder`, each having
    // ended in CR LF.
    std::vector<std::string> written(const QString &folder) const
    {
        QFile file(folder + "/EMULATOR.INI");
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> pieces = file.readAll().split('\n');
        EXPECT_TRUE(pieces.takeLast().isEmpty());
        std::vector<std::string> lines;
        for (const QByteArray &piece : pieces) {
            EXPECT_TRUE(piece.endsWith('\r'));
            lines.push_back(piece.chopped(1).toStdString());
        }
        return lines;
    }

    // Presses `save` and gives the numbered lines of the file written into
    // `folder`, joined by spaces.
    std::string saveAndRead(const ui::Button &save, const QString &folder, std::initializer_list<std::size_t> numbers)
    {
        click(save);
        const std::vector<std::string> lines = written(folder);
        std::string chosen;
        for (std::size_t n : numbers)
            chosen += (chosen.empty() ? "" : " ") + (n < lines.size() ? lines[n] : "(missing)");
        return chosen;
    }

    const QString cps3 = home.filePath("emulators/cps3");
    const QString model2 = home.filePath("emulators/model2");
};
