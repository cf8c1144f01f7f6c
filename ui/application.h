#pragma once

#include <QObject>
#include <QString>

#include <exception>
#include <vector>

namespace ui {

class TForm;

// The application object: its title, its forms, the first of which is the
// main form, and the one place where an error escaping a handler ends up.
class TApplication : public QObject
{
    Q_OBJECT
public:
    explicit TApplication(QObject* parent = nullptr);

    QString title() const { return title_; }
    void setTitle(const QString& title);

    void registerForm(TForm* form);
    void unregisterForm(TForm* form);
    TForm* mainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    const std::vector<TForm*>& forms() const { return forms_; }

    // Ends the program once control returns to the event loop.
    void terminate();
    bool isTerminated() const { return terminated_; }

    // Runs an event handler. What it throws is shown in a message box
    // captioned with the title, and the program goes on.
    template <class Handler>
    void guard(Handler&& handler) noexcept
    {
        try {
            handler();
        } catch (const std::exception& error) {
            handleException(QString::fromUtf8(error.what()));
        } catch (...) {
            handleException(tr("Unknown error"));
        }
    }

    void handleException(const QString& message) noexcept;

signals:
    void terminated();
    void exceptionShown(const QString& message);

private:
    QString title_;
    std::vector<TForm*> forms_;
    bool terminated_ = false;
};

} // namespace ui
