#include "ui/fonts.h"

#include "ui/layouterror.h"
#include "ui/propertyvalue.h"
#include "ui/texts.h"

#include <QFont>

namespace ui {

QFont TFont::toQFont() const
{
    QFont font(name);
    font.setPixelSize(height);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

bool TFont::apply(const LayoutProperty& property)
{
    if (property.name == u"Font.Name") {
        name = stringValue(property);
    } else if (property.name == u"Font.Height") {
        // Negative heights are character heights, as the layouts write them.
        height = -intValue(property, -400, -1);
    } else if (property.name == u"Font.Color") {
        color = colorValue(property);
    } else if (property.name == u"Font.Style") {
        const unsigned style = setValue(property, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
        bold = style & 1;
        italic = style & 2;
        underline = style & 4;
        strikeOut = style & 8;
    } else if (property.name == u"Font.Charset") {
        // The character set picks a code page on other desktops; text here is Unicode.
        enumValue(property, {"DEFAULT_CHARSET", "ANSI_CHARSET", "SHIFTJIS_CHARSET"});
    } else {
        return false;
    }
    return true;
}

void installFontSubstitutes()
{
    const StringTable table = StringTable::fromResource(QStringLiteral(":/fonts.dfm"));
    for (const QString& entry : table.strings(QStringLiteral("Substitutes"))) {
        const qsizetype equals = entry.indexOf(u'=');
        if (equals <= 0 || equals == entry.size() - 1)
            throw LayoutError(QStringLiteral("fonts.dfm"), 0, QStringLiteral("Substitutes"),
                              QStringLiteral("'%1' is not 'layout name=installed font'").arg(entry));
        QFont::insertSubstitution(entry.left(equals), entry.mid(equals + 1));
    }
}

} // namespace ui
