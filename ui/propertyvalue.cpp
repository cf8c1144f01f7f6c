#include "ui/propertyvalue.h"

#include "ui/layouterror.h"

namespace ui {

namespace {

[[noreturn]] void expected(const LayoutProperty& property, const QString& what)
{
    throw PropertyError(QStringLiteral("'%1' expects %2").arg(property.name, what));
}

QString joined(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* name : names)
        list << QString::fromLatin1(name);
    return list.join(QStringLiteral(", "));
}

int indexOf(const QString& name, std::initializer_list<const char*> names)
{
    int index = 0;
    for (const char* candidate : names) {
        if (name == QLatin1String(candidate))
            return index;
        ++index;
    }
    return -1;
}

} // namespace

void unknownProperty(const LayoutProperty& property)
{
    throw PropertyError(QStringLiteral("unknown property '%1'").arg(property.name));
}

int intValue(const LayoutProperty& property, int minimum, int maximum)
{
    if (property.value.kind != LayoutValue::Kind::Integer)
        expected(property, QStringLiteral("a number"));
    if (property.value.integer < minimum || property.value.integer > maximum)
        expected(property, QStringLiteral("a number from %1 to %2").arg(minimum).arg(maximum));
    return int(property.value.integer);
}

bool boolValue(const LayoutProperty& property)
{
    return enumValue(property, {"False", "True"}) == 1;
}

QString stringValue(const LayoutProperty& property)
{
    if (property.value.kind != LayoutValue::Kind::String)
        expected(property, QStringLiteral("a quoted string"));
    return property.value.text;
}

QStringList stringListValue(const LayoutProperty& property)
{
    if (property.value.kind != LayoutValue::Kind::StringList)
        expected(property, QStringLiteral("a list of strings in parentheses"));
    return property.value.items;
}

TColor colorValue(const LayoutProperty& property)
{
    if (property.value.kind == LayoutValue::Kind::Integer && property.value.integer >= 0
        && property.value.integer <= 0xFFFFFF)
        return TColor(property.value.integer);
    if (property.value.kind == LayoutValue::Kind::Identifier) {
        if (const auto color = parseColor(property.value.text))
            return *color;
    }
    expected(property, QStringLiteral("a colour name or a number from $000000 to $FFFFFF"));
}

int enumValue(const LayoutProperty& property, std::initializer_list<const char*> names)
{
    if (property.value.kind == LayoutValue::Kind::Identifier) {
        const int index = indexOf(property.value.text, names);
        if (index >= 0)
            return index;
    }
    expected(property, QStringLiteral("one of %1").arg(joined(names)));
}

unsigned setValue(const LayoutProperty& property, std::initializer_list<const char*> names)
{
    if (property.value.kind != LayoutValue::Kind::Set)
        expected(property, QStringLiteral("a set [%1]").arg(joined(names)));
    unsigned mask = 0;
    for (const QString& item : property.value.items) {
        const int index = indexOf(item, names);
        if (index < 0)
            expected(property, QStringLiteral("elements of [%1], not '%2'").arg(joined(names), item));
        mask |= 1u << index;
    }
    return mask;
}

QString referenceValue(const LayoutProperty& property)
{
    if (property.value.kind != LayoutValue::Kind::Identifier)
        expected(property, QStringLiteral("a name"));
    return property.value.text;
}

} // namespace ui
