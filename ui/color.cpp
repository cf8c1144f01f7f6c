#include "ui/color.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <utility>

namespace ui {

namespace {

struct NamedColor {
    const char* name;
    TColor value;
};

constexpr std::array namedColors{
    NamedColor{"clBlack", clBlack},   NamedColor{"clRed", clRed},
    NamedColor{"clYellow", clYellow}, NamedColor{"clBlue", clBlue},
    NamedColor{"clSilver", clSilver}, NamedColor{"clWhite", clWhite},
    NamedColor{"clWindowText", clWindowText}, NamedColor{"clBtnFace", clBtnFace},
};

} // namespace

QColor toQColor(TColor color)
{
    if (color == clWindowText)
        return QGuiApplication::palette().color(QPalette::WindowText);
    if (color == clBtnFace)
        return QGuiApplication::palette().color(QPalette::Button);
    const auto rgb = std::uint32_t(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

std::optional<TColor> parseColor(const QString& text)
{
    for (const auto& named : namedColors) {
        if (text == QLatin1String(named.name))
            return named.value;
    }
    return std::nullopt;
}

} // namespace ui
