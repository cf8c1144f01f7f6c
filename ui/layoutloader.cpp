#include "ui/layoutloader.h"

#include "ui/form.h"
#include "ui/image.h"
#include "ui/jpeg.h"
#include "ui/label.h"
#include "ui/layouterror.h"
#include "ui/memo.h"
#include "ui/menu.h"
#include "ui/monthcalendar.h"
#include "ui/propertyvalue.h"
#include "ui/timer.h"

#include <QFile>

#include <functional>
#include <map>

namespace ui {

namespace {

using Factory = std::function<TComponent*(TForm*, const QString&)>;

template <class T>
Factory factory()
{
    return [](TForm* form, const QString& name) { return new T(form, name); };
}

const std::map<QString, Factory>& componentClasses()
{
    static const std::map<QString, Factory> classes{
        {QStringLiteral("TButton"), factory<TButton>()},
        {QStringLiteral("TImage"), factory<TImage>()},
        {QStringLiteral("TLabel"), factory<TLabel>()},
        {QStringLiteral("TMemo"), factory<TMemo>()},
        {QStringLiteral("TMenuItem"), factory<TMenuItem>()},
        {QStringLiteral("TMonthCalendar"), factory<TMonthCalendar>()},
        {QStringLiteral("TPopupMenu"), factory<TPopupMenu>()},
        {QStringLiteral("TTimer"), factory<TTimer>()},
    };
    return classes;
}

} // namespace

LayoutLoader::LayoutLoader(TForm& form, const QString& layoutName) : form_(form), layoutName_(layoutName)
{
}

void LayoutLoader::fail(int line, const QString& item, const QString& message) const
{
    throw LayoutError(layoutName_, line, item, message);
}

void LayoutLoader::load(const LayoutObject& root)
{
    if (root.name != form_.name() || root.className != form_.className())
        fail(root.line, root.name,
             QStringLiteral("expected the form %1: %2, not %3: %4")
                 .arg(form_.name(), form_.className(), root.name, root.className));
    components_.insert(root.name, &form_);
    // The form's own properties first: its components start from its font.
    applyProperties(root);
    for (const LayoutObject& child : root.children)
        create(child, form_);
    for (const LayoutObject& child : root.children)
        apply(child);
    for (const TForm::Field& field : form_.fields_) {
        TComponent* component = components_.value(field.name);
        if (!component || !field.bind(component))
            fail(root.line, root.name,
                 QStringLiteral("the form needs a component %1 of class %2")
                     .arg(field.name, QString::fromLatin1(field.className).section(u':', -1)));
    }
    for (TComponent* component : created_)
        component->loaded();
    form_.loaded();
}

void LayoutLoader::create(const LayoutObject& object, TComponent& holder)
{
    const auto& classes = componentClasses();
    const auto found = classes.find(object.className);
    if (found == classes.end())
        fail(object.line, object.name, QStringLiteral("unknown class '%1'").arg(object.className));
    if (components_.contains(object.name))
        fail(object.line, object.name, QStringLiteral("a second component named %1").arg(object.name));
    TComponent* component = found->second(&form_, object.name);
    component->setParent(&form_);
    components_.insert(object.name, component);
    created_.push_back(component);
    try {
        holder.insertComponent(component);
    } catch (const PropertyError& error) {
        fail(object.line, object.name, error.message());
    }
    for (const LayoutObject& child : object.children)
        create(child, *component);
}

void LayoutLoader::apply(const LayoutObject& object)
{
    applyProperties(object);
    for (const LayoutObject& child : object.children)
        apply(child);
}

void LayoutLoader::applyProperties(const LayoutObject& object)
{
    TComponent* component = components_.value(object.name);
    for (const LayoutProperty& property : object.properties) {
        try {
            component->applyLayoutProperty(property, *this);
        } catch (const PropertyError& error) {
            fail(property.line, object.name, error.message());
        }
    }
}

template <class Event>
Event LayoutLoader::handlerFor(const LayoutProperty& property) const
{
    const QString name = referenceValue(property);
    const TForm::Handler* handler = form_.handler(name);
    if (!handler)
        throw PropertyError(QStringLiteral("unknown handler '%1'").arg(name));
    if (const auto* event = std::get_if<Event>(handler))
        return *event;
    throw PropertyError(QStringLiteral("handler '%1' does not fit %2").arg(name, property.name));
}

TNotifyEvent LayoutLoader::notifyHandler(const LayoutProperty& property) const
{
    return handlerFor<TNotifyEvent>(property);
}

TMouseMoveEvent LayoutLoader::mouseMoveHandler(const LayoutProperty& property) const
{
    return handlerFor<TMouseMoveEvent>(property);
}

TComponent* LayoutLoader::component(const LayoutProperty& property) const
{
    const QString name = referenceValue(property);
    TComponent* found = components_.value(name);
    if (!found)
        throw PropertyError(QStringLiteral("unknown component '%1'").arg(name));
    return found;
}

QImage LayoutLoader::picture(const LayoutProperty& property) const
{
    const QString file = stringValue(property);
    QFile resource(QStringLiteral(":/") + file);
    if (!resource.open(QIODevice::ReadOnly))
        throw PropertyError(QStringLiteral("unknown picture '%1'").arg(file));
    QString error;
    QImage image = decodeJpeg(resource.readAll(), &error);
    if (image.isNull())
        throw PropertyError(QStringLiteral("picture '%1': %2").arg(file, error));
    return image;
}

} // namespace ui
