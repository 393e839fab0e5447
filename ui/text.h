#pragma once
// The core keeps texts as 8-bit strings exactly as read or written; Qt
// widgets hold QString. These are the only two crossings between them.
#include <QString>
#include <string>

inline QString toText(const std::string &bytes)
{
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toBytes(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}
