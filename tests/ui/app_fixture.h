#pragma once
// A fresh run of the program for each test: its own settings folder, a
// recording error sink instead of message boxes, and the four windows
// created as at start-up and destroyed afterwards.
#include "application.h"
#include "error_box.h"
#include "text.h"

#include <QBitmap>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

// Whether a label's text is drawn in a bold face, whose glyphs spread wider
// than the regular face's; the regular face merely thickened keeps its width.
inline bool drawnBold(QLabel *label)
{
    const auto inkWidth = [](const QImage &image) {
        return QRegion(QBitmap::fromImage(image.createAlphaMask())).boundingRect().width();
    };
    QImage regular(label->size(), QImage::Format_ARGB32_Premultiplied);
    regular.fill(Qt::transparent);
    QFont font = label->font();
    font.setBold(false);
    QPainter painter(&regular);
    painter.setFont(font);
    painter.drawText(label->contentsRect(), int(label->alignment()), label->text());
    painter.end();
    return inkWidth(label->grab().toImage()) > 1.08 * inkWidth(regular);
}

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        previousSink = setErrorSink([this](const std::string &message) { errors << toText(message); });
    }

    void TearDown() override
    {
        destroyForms();
        setErrorSink(previousSink);
        qunsetenv("XDG_CONFIG_HOME");
    }

    QString settingsFile() const { return home.filePath("Dravomel/Dravomel.reg"); }

    // Writes the stored key with the given value lines (already in file form).
    void writeKey(const QByteArray &values)
    {
        QDir().mkpath(home.filePath("Dravomel"));
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Dravomel]\n" + values);
    }

    QByteArray settingsText() const
    {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A language folder whose file holds `count` lines "line 0", "line 1", ...
    // Its name is bytes, which need not be UTF-8; it is returned as shown.
    QString writeLanguage(int count, const std::string &name = "lang")
    {
        const std::string folder = toBytes(home.path()) + "/" + name;
        std::filesystem::create_directories(folder);
        std::ofstream file(folder + "/LNGFILE", std::ios::binary);
        EXPECT_TRUE(file.is_open());
        for (int i = 0; i < count; ++i)
            file << "line " << i << "\r\n";
        return toText(folder);
    }

    void writeKeyWithLanguage(int lines, const QByteArray &cps3 = "/emu/cps3",
                              const QByteArray &model2 = "/emu/model2",
                              const std::string &languageFolder = "lang")
    {
        const QByteArray folder = QByteArray::fromStdString(toBytes(writeLanguage(lines, languageFolder)));
        writeKey("\"DMpath\"=\"" + folder + "\"\n\"CPS3\"=\"" + cps3 + "\"\n\"Model2\"=\"" + model2
                 + "\"\n");
    }

    QTemporaryDir home;
    QStringList errors;
    ErrorSink previousSink;
};
