#include "ui/application.h"

#include "ui/form.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <algorithm>

namespace ui {

TApplication::TApplication(QObject* parent) : QObject(parent)
{
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { setActive(state == Qt::ApplicationActive); });
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
    std::erase(forms_, form);
    std::erase(raised_, form);
}

void TApplication::noteRaised(TForm* form)
{
    std::erase(raised_, form);
    raised_.push_back(form);
}

void TApplication::setActive(bool active)
{
    if (active) {
        for (TForm* form : forms_)
            form->keepOnTop(true);
        return;
    }
    const auto main = std::find(raised_.begin(), raised_.end(), mainForm());
    if (main == raised_.end())
        return;
    for (auto above = main + 1; above != raised_.end(); ++above) {
        if ((*above)->visible())
            (*above)->keepOnTop(false);
    }
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
}

} // namespace ui
