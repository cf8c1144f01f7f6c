#include "ui/jpeg.h"

#include <QFile>
#include <QTest>

using namespace ui;

namespace {

QByteArray resource(const char* name)
{
    QFile file(QStringLiteral(VELMORA_RESOURCES "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// 8 × 8 mid-grey, one component: exercises the grayscale-to-RGB expansion.
const QByteArray greyJpeg = QByteArray::fromHex(
    "ffd8ffe000104a46494600010100000100010000ffdb004300100b0c0e0c0a100e0d0e121110"
    "1318281a181616183123251d283a333d3c3933383740485c4e404457453738506d51575f6267"
    "68673e4d71797064785c656763ffc0000b080008000801011100ffc400140001000000000000"
    "00000000000000000000ffc40014100100000000000000000000000000000000ffda00080101"
    "00003f003fffd9");

// Offset just past the start-of-scan segment: every table is there, no pixel data.
qsizetype endOfHeader(const QByteArray& jpeg)
{
    const qsizetype sos = jpeg.indexOf("\xff\xda");
    if (sos < 0)
        return -1;
    return sos + 2 + (uchar(jpeg[sos + 2]) << 8 | uchar(jpeg[sos + 3]));
}

bool near(QRgb actual, QRgb expected, int tolerance)
{
    return qAbs(qRed(actual) - qRed(expected)) <= tolerance && qAbs(qGreen(actual) - qGreen(expected)) <= tolerance
        && qAbs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

// The first pixel of a row that strays from the expected colour, or -1.
int strayPixel(const QImage& image, int y, QRgb expected)
{
    for (int x = 0; x < image.width(); ++x)
        if (!near(image.pixel(x, y), expected, 8))
            return x;
    return -1;
}

} // namespace

class JpegTest : public QObject
{
    Q_OBJECT
private slots:
    void decodesPictures_data();
    void decodesPictures();
    void rejectsDamagedData_data();
    void rejectsDamagedData();
};

void JpegTest::decodesPictures_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRgb>("top");
    QTest::addColumn<QRgb>("bottom");

    const QRgb white = qRgb(255, 255, 255);
    const QRgb blue = qRgb(0, 0, 255);
    QTest::newRow("gradient, height a whole number of blocks") << resource("gradient.jpg") << QSize(142, 24) << white << blue;
    QTest::newRow("large gradient, partial blocks on both edges")
        << resource("gradient-large.jpg") << QSize(236, 118) << white << blue;
    QTest::newRow("grayscale expanded to RGB") << greyJpeg << QSize(8, 8) << qRgb(128, 128, 128) << qRgb(128, 128, 128);
}

void JpegTest::decodesPictures()
{
    QFETCH(QByteArray, data);
    QFETCH(QSize, size);
    QFETCH(QRgb, top);
    QFETCH(QRgb, bottom);
    QVERIFY(!data.isEmpty());

    QString error;
    const QImage image = decodeJpeg(data, &error);

    QVERIFY2(!image.isNull(), qPrintable(error));
    QVERIFY(error.isEmpty());
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), size);
    QCOMPARE(strayPixel(image, 0, top), -1);
    QCOMPARE(strayPixel(image, image.height() - 1, bottom), -1);
    // Rows arrive in order: red only fades from top to bottom.
    const int x = image.width() / 2;
    for (int y = 1; y < image.height(); ++y)
        QVERIFY2(qRed(image.pixel(x, y)) <= qRed(image.pixel(x, y - 1)) + 3, qPrintable(QString::number(y)));
}

void JpegTest::rejectsDamagedData_data()
{
    QTest::addColumn<QByteArray>("data");

    const QByteArray jpeg = resource("gradient.jpg");
    QVERIFY(!jpeg.isEmpty());
    const qsizetype header = endOfHeader(jpeg);
    QVERIFY(header > 0 && header < jpeg.size());
    const qsizetype scan = jpeg.size() - header;

    QByteArray strayMarker = jpeg;
    strayMarker.replace(header + scan / 2, 4, "\xff\xd4\xff\xd4");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a JPEG") << QByteArray("GIF89a, or rather plain text");
    QTest::newRow("only the start-of-image marker") << jpeg.left(2);
    QTest::newRow("truncated to half") << jpeg.left(jpeg.size() / 2);
    QTest::newRow("truncated just after the header") << jpeg.left(header);
    QTest::newRow("end-of-image marker missing") << jpeg.chopped(2);
    QTest::newRow("stray marker in the middle of the scan") << strayMarker;
}

void JpegTest::rejectsDamagedData()
{
    QFETCH(QByteArray, data);

    QString error;
    const QImage image = decodeJpeg(data, &error);

    QVERIFY(image.isNull());
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(JpegTest)
#include "tst_jpeg.moc"
