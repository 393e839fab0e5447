#include <gtest/gtest.h>
#include "layer/application.h"

#include <QByteArray>
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::Application app(argc, argv, "Dravomel");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
