#pragma once

#include <QString>

#include <stdexcept>

namespace ui {

// A layout that cannot be built: says which layout, which line and which item.
class LayoutError : public std::runtime_error
{
public:
    LayoutError(const QString& layout, int line, const QString& item, const QString& message)
        : std::runtime_error(describe(layout, line, item, message).toStdString())
    {
    }

private:
    static QString describe(const QString& layout, int line, const QString& item, const QString& message)
    {
        QString text = QStringLiteral("%1:%2: ").arg(layout).arg(line);
        if (!item.isEmpty())
            text += item + QStringLiteral(": ");
        return text + message;
    }
};

// Raised by a component for one bad property; the loader adds where it stands.
class PropertyError : public std::runtime_error
{
public:
    explicit PropertyError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace ui
