#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace ui {

struct LayoutValue {
    enum class Kind { Integer, String, Identifier, Set, StringList };
    Kind kind = Kind::Integer;
    qint64 integer = 0;
    QString text;       // String and Identifier
    QStringList items;  // Set and StringList
};

struct LayoutProperty {
    QString name;
    LayoutValue value;
    int line = 0;
};

// One `object Name: TClass ... end` block of a layout.
struct LayoutObject {
    QString name;
    QString className;
    int line = 0;
    std::vector<LayoutProperty> properties;
    std::vector<LayoutObject> children;
};

// Reads a form description: nested `object Name: TClass` blocks of
// `Property = value` lines, closed by `end`. Throws LayoutError.
LayoutObject parseLayout(const QString& layoutName, const QByteArray& text);

} // namespace ui
