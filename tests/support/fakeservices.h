#pragma once

#include "support/virtualtimesource.h"
#include "ui/application.h"
#include "ui/desktop.h"
#include "ui/regional.h"
#include "ui/services.h"

#include <QStringList>

class FixedRegionalFormats final : public ui::RegionalFormats
{
public:
    ui::RegionalSettings current() const override { return settings; }
    ui::RegionalSettings settings;
};

class FakeDesktop final : public ui::Desktop
{
public:
    QSize primaryScreenSize() const override { return screenSize; }
    void openUrl(const QString& address) override { openedUrls << address; }

    QSize screenSize{1024, 768};
    QStringList openedUrls;
};

// Everything a window needs, under the test's control. Virtual time starts
// on Wednesday 2026-12-09 at 09:05:07.250 unless told otherwise.
struct FakeServices {
    explicit FakeServices(const QDateTime& start = QDateTime(QDate(2026, 12, 9), QTime(9, 5, 7, 250)));

    VirtualTimeSource time;
    FixedRegionalFormats regional;
    FakeDesktop desktop;
    ui::TApplication application;
    ui::Services services{time, regional, desktop, application};
};
