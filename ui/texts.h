#pragma once

#include "ui/layout.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace ui {

// Named strings and string lists kept among the resources, written in the
// layout format: `object Name: TStringTable` with `Key = 'text'` lines.
class StringTable
{
public:
    static StringTable fromResource(const QString& path);
    static StringTable fromText(const QString& name, const QByteArray& text);

    // Both throw LayoutError when the table has no such entry.
    QString string(const QString& key) const;
    QStringList strings(const QString& key) const;

private:
    const LayoutProperty& entry(const QString& key) const;

    QString name_;
    LayoutObject table_;
};

} // namespace ui
