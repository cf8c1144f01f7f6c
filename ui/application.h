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

    // The program's windows in the order they were last raised. While
    // another application is active, the companions above the main form
    // give up their place on top, so that application's windows may cover
    // them; they take it back when the program is active again.
    void noteRaised(TForm* form);
    void setActive(bool active);

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

private:
    QString title_;
    std::vector<TForm*> forms_;
    std::vector<TForm*> raised_;
    bool terminated_ = false;
};

} // namespace ui
