#include "ui/form.h"

#include "ui/application.h"
#include "ui/control.h"
#include "ui/desktop.h"
#include "ui/layouterror.h"
#include "ui/layoutloader.h"
#include "ui/propertyvalue.h"

#include <QCloseEvent>
#include <QFile>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <iterator>

namespace ui {

namespace {

class FormWindow final : public QWidget
{
public:
    explicit FormWindow(TForm& form) : form_(form) {}

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            form_.application().noteRaised(&form_);
        return QWidget::event(event);
    }

    // The window manager's close button or shortcut closes the form as the
    // program's own commands do.
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        form_.close();
    }

private:
    TForm& form_;
};

} // namespace

TForm::TForm(const Services& services, const QString& name, const QString& className)
    : TComponent(this, name), services_(services), className_(className),
      window_(std::make_unique<FormWindow>(*this))
{
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    services_.application.registerForm(this);
}

TForm::~TForm()
{
    services_.application.unregisterForm(this);
    // Controls and menus hold widgets inside the window; let them go first.
    qDeleteAll(findChildren<TComponent*>(Qt::FindDirectChildrenOnly));
}

void TForm::show()
{
    placeOnFirstShow();
    window_->show();
    window_->raise();
    window_->activateWindow();
    services_.application.noteRaised(this);
}

void TForm::close()
{
    if (services_.application.mainForm() == this) {
        services_.application.terminate();
        return;
    }
    window_->hide();
}

bool TForm::visible() const
{
    return window_->isVisible();
}

int TForm::top() const
{
    return window_->y();
}

int TForm::left() const
{
    return window_->x();
}

void TForm::setTop(int top)
{
    window_->move(window_->x(), top);
}

void TForm::setLeft(int left)
{
    window_->move(left, window_->y());
}

void TForm::setAlphaBlend(bool on)
{
    alphaBlend_ = on;
    window_->setWindowOpacity(on ? alphaBlendValue_ / 255.0 : 1.0);
}

void TForm::setFocus()
{
    window_->activateWindow();
    window_->setFocus(Qt::OtherFocusReason);
}

void TForm::notePress(TControl* control, QPoint global)
{
    press_ = {control, global, window_->pos()};
    pointer_ = global;
}

bool TForm::keptOnTop() const
{
    return stayOnTop_ && keptOnTop_;
}

// Changes the window's standing without re-creating it, as QWidget's own
// flags would.
void TForm::keepOnTop(bool on)
{
    if (!stayOnTop_ || keptOnTop_ == on)
        return;
    keptOnTop_ = on;
    if (QWindow* handle = window_->windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

void TForm::addControl(TControl* control)
{
    controls_.push_back(control);
}

const TForm::Handler* TForm::handler(const QString& name) const
{
    const auto found = handlers_.constFind(name);
    return found == handlers_.constEnd() ? nullptr : &*found;
}

void TForm::applyLayoutProperty(const LayoutProperty& property, const LayoutContext& context)
{
    const QString& name = property.name;
    if (font_.apply(property))
        return;
    if (name == u"Left")
        setLeft(intValue(property, -32768, 32767));
    else if (name == u"Top")
        setTop(intValue(property, -32768, 32767));
    else if (name == u"ClientWidth")
        clientWidth_ = intValue(property, 1, 32767);
    else if (name == u"ClientHeight")
        clientHeight_ = intValue(property, 1, 32767);
    else if (name == u"Caption")
        caption_ = stringValue(property);
    else if (name == u"Color")
        color_ = colorValue(property);
    else if (name == u"BorderStyle")
        borderless_ = enumValue(property, {"bsSingle", "bsNone"}) == 1;
    else if (name == u"FormStyle")
        stayOnTop_ = enumValue(property, {"fsNormal", "fsStayOnTop"}) == 1;
    else if (name == u"AlphaBlend")
        alphaBlend_ = boolValue(property);
    else if (name == u"AlphaBlendValue")
        alphaBlendValue_ = intValue(property, 0, 255);
    else if (name == u"Position")
        centreOnFirstShow_ = enumValue(property, {"poDesigned", "poScreenCenter"}) == 1;
    else if (name == u"ShowHint")
        showHint_ = boolValue(property);
    else if (name == u"Hint")
        hint_ = stringValue(property);
    else if (name == u"OnCreate")
        onCreate_ = context.notifyHandler(property);
    else
        unknownProperty(property);
}

void TForm::insertComponent(TComponent*)
{
    // Every component declared in a form's layout belongs to the form.
}

void TForm::loaded()
{
    Qt::WindowFlags flags = Qt::Window;
    if (borderless_)
        flags |= Qt::FramelessWindowHint;
    if (stayOnTop_)
        flags |= Qt::WindowStaysOnTopHint;
    window_->setWindowFlags(flags);
    keptOnTop_ = stayOnTop_;
    window_->setWindowTitle(caption_);
    window_->setFixedSize(clientWidth_, clientHeight_);
    window_->setFont(font_.toQFont());
    QPalette palette = window_->palette();
    palette.setColor(QPalette::Window, toQColor(color_));
    window_->setPalette(palette);
    window_->setAutoFillBackground(true);
    setAlphaBlend(alphaBlend_);
    realign();
    orderFocusChain();
}

void TForm::orderFocusChain()
{
    std::vector<TControl*> chain;
    std::copy_if(controls_.begin(), controls_.end(), std::back_inserter(chain),
                 [](const TControl* control) { return control->tabOrder() >= 0; });
    std::stable_sort(chain.begin(), chain.end(),
                     [](const TControl* a, const TControl* b) { return a->tabOrder() < b->tabOrder(); });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1]->focusWidget(), chain[i]->focusWidget());
}

void TForm::realign()
{
    QRect free(0, 0, clientWidth_, clientHeight_);
    for (const TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Client}) {
        for (TControl* control : controls_) {
            if (control->align() != pass)
                continue;
            QRect area = free;
            if (pass == TAlign::Top) {
                area.setHeight(control->height());
                free.setTop(area.bottom() + 1);
            } else if (pass == TAlign::Bottom) {
                area.setTop(free.bottom() + 1 - control->height());
                free.setBottom(area.top() - 1);
            }
            control->setBounds(area);
        }
    }
}

void TForm::placeOnFirstShow()
{
    if (shownBefore_)
        return;
    shownBefore_ = true;
    if (centreOnFirstShow_) {
        const QSize screen = services_.desktop.primaryScreenSize();
        window_->move(std::max(0, (screen.width() - clientWidth_) / 2),
                      std::max(0, (screen.height() - clientHeight_) / 2));
    }
    // One taskbar entry for the program: the other windows belong to the main one.
    TForm* main = services_.application.mainForm();
    if (main && main != this) {
        main->window()->winId();
        window_->winId();
        window_->windowHandle()->setTransientParent(main->window()->windowHandle());
    }
}

void TForm::load(const QString& layoutName)
{
    QFile file(QStringLiteral(":/%1.dfm").arg(layoutName));
    if (!file.open(QIODevice::ReadOnly))
        throw LayoutError(layoutName + QStringLiteral(".dfm"), 0, {}, QStringLiteral("no such layout"));
    loadFromText(layoutName + QStringLiteral(".dfm"), file.readAll());
}

void TForm::loadFromText(const QString& layoutName, const QByteArray& text)
{
    LayoutLoader(*this, layoutName).load(parseLayout(layoutName, text));
    fire(onCreate_);
}

} // namespace ui
