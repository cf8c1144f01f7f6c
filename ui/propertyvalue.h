#pragma once

#include "ui/color.h"
#include "ui/layout.h"

#include <QStringList>

#include <initializer_list>

namespace ui {

// Reading one layout property as the type a component expects; each throws
// PropertyError naming what was expected.
int intValue(const LayoutProperty& property, int minimum, int maximum);
bool boolValue(const LayoutProperty& property);
QString stringValue(const LayoutProperty& property);
QStringList stringListValue(const LayoutProperty& property);
TColor colorValue(const LayoutProperty& property);
// One of the identifiers given, returned as its index.
int enumValue(const LayoutProperty& property, std::initializer_list<const char*> names);
// A set of the identifiers given, returned as a bit mask by index.
unsigned setValue(const LayoutProperty& property, std::initializer_list<const char*> names);
// The name of an event handler or of another component.
QString referenceValue(const LayoutProperty& property);

[[noreturn]] void unknownProperty(const LayoutProperty& property);

} // namespace ui
