#pragma once

#include "ui/color.h"
#include "ui/layout.h"

#include <QFont>
#include <QString>

namespace ui {

// A font as the layouts describe it: the height is the character height in
// pixels, without the font's internal leading.
struct TFont {
    QString name;
    int height = 12;
    TColor color = clWindowText;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    QFont toQFont() const;
    // Takes a Font.* property; false when the property is not a font's.
    bool apply(const LayoutProperty& property);
};

// Maps the font names the layouts use to the fonts installed here, from the
// substitution table among the resources.
void installFontSubstitutes();

} // namespace ui
