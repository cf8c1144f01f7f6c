#pragma once

#include <QSize>
#include <QString>

namespace ui {

// The desktop the program runs on: its screen and its shell.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual QSize primaryScreenSize() const = 0;
    // Asks the desktop to open a web address in the user's browser.
    virtual void openUrl(const QString& address) = 0;
};

class SystemDesktop final : public Desktop
{
public:
    QSize primaryScreenSize() const override;
    void openUrl(const QString& address) override;
};

} // namespace ui
