#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

namespace ui {

// 0x00BBGGRR, or one of the desktop theme's colours.
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clWhite = 0xFFFFFF;
// Theme colours carry a marker in the top byte, as the layouts spell them.
inline constexpr TColor clWindowText = TColor(0xFF000008);
inline constexpr TColor clBtnFace = TColor(0xFF00000F);

QColor toQColor(TColor color);
// The colour a layout names (clRed); numbers ($0000FF) are read by the loader.
std::optional<TColor> parseColor(const QString& text);

} // namespace ui
