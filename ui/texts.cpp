#include "ui/texts.h"

#include "ui/layouterror.h"
#include "ui/propertyvalue.h"

#include <QFile>
#include <QFileInfo>

namespace ui {

StringTable StringTable::fromResource(const QString& path)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly))
        throw LayoutError(name, 0, {}, QStringLiteral("cannot read the resource"));
    return fromText(name, file.readAll());
}

StringTable StringTable::fromText(const QString& name, const QByteArray& text)
{
    StringTable table;
    table.name_ = name;
    table.table_ = parseLayout(name, text);
    if (table.table_.className != u"TStringTable")
        throw LayoutError(name, table.table_.line, table.table_.name,
                          QStringLiteral("expected a TStringTable, not %1").arg(table.table_.className));
    if (!table.table_.children.empty())
        throw LayoutError(name, table.table_.children.front().line, table.table_.children.front().name,
                          QStringLiteral("a string table holds no objects"));
    return table;
}

const LayoutProperty& StringTable::entry(const QString& key) const
{
    for (const LayoutProperty& property : table_.properties) {
        if (property.name == key)
            return property;
    }
    throw LayoutError(name_, table_.line, table_.name, QStringLiteral("no entry '%1'").arg(key));
}

QString StringTable::string(const QString& key) const
{
    const LayoutProperty& property = entry(key);
    try {
        return stringValue(property);
    } catch (const PropertyError& error) {
        throw LayoutError(name_, property.line, table_.name, error.message());
    }
}

QStringList StringTable::strings(const QString& key) const
{
    const LayoutProperty& property = entry(key);
    try {
        return stringListValue(property);
    } catch (const PropertyError& error) {
        throw LayoutError(name_, property.line, table_.name, error.message());
    }
}

} // namespace ui
