#include "support/fakeservices.h"
#include "ui/form.h"
#include "ui/timer.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <stdexcept>

using namespace ui;
using std::chrono::milliseconds;

namespace {

// A form whose timer handler fails on its first tick only.
class FailingForm final : public TForm
{
public:
    explicit FailingForm(const Services& services) : TForm(services, QStringLiteral("Form9"), QStringLiteral("TForm9"))
    {
        publish(QStringLiteral("Timer1Timer"), &FailingForm::Timer1Timer);
        loadFromText(QStringLiteral("failing.dfm"), "object Form9: TForm9\n  ClientWidth = 10\n  ClientHeight = 10\n"
                                                    "  object Timer1: TTimer\n    OnTimer = Timer1Timer\n  end\nend\n");
    }

    void Timer1Timer(TObject*)
    {
        if (++ticks == 1)
            throw std::runtime_error("the handler failed");
    }

    int ticks = 0;
};

} // namespace

class ApplicationTest : public QObject
{
    Q_OBJECT
private slots:
    void showsAnEscapingErrorAndGoesOn();
};

void ApplicationTest::showsAnEscapingErrorAndGoesOn()
{
    FakeServices fake;
    FailingForm form(fake.services);
    fake.time.advance(milliseconds(1000));
    QMessageBox* box = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* candidate = qobject_cast<QMessageBox*>(widget); candidate && candidate->isVisible())
            box = candidate;
    }
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), QStringLiteral("Velmora"));
    QCOMPARE(box->text(), QStringLiteral("the handler failed"));
    fake.time.advance(milliseconds(2000));
    QCOMPARE(form.ticks, 3);
    box->close();
}

QTEST_MAIN(ApplicationTest)
#include "tst_application.moc"
