#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace ui {

// Decodes JPEG data with libjpeg into a QImage (Format_RGB32). On corrupt or
// truncated data returns a null QImage and sets *error to a clear message;
// never aborts or exits the process.
QImage decodeJpeg(const QByteArray& data, QString* error);

} // namespace ui
