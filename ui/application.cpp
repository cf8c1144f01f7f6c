#include "ui/application.h"

#include "ui/form.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <algorithm>

namespace ui {

TApplication::TApplication(QObject* parent) : QObject(parent)
{
}

void TApplication::setTitle(const QString& title)
{
    title_ = title;
}

void TApplication::registerForm(TForm* form)
{
    forms_.push_back(form);
}

void TApplication::unregisterForm(TForm* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

void TApplication::terminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    emit terminated();
}

void TApplication::handleException(const QString& message) noexcept
{
    // Not modal: the clock and the countdowns keep ticking behind it.
    auto* box = new QMessageBox(QMessageBox::Critical, title_, message, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->open();
    emit exceptionShown(message);
}

} // namespace ui
