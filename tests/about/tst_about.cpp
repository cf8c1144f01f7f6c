#include "about/Unit5.h"
#include "app/windowset.h"
#include "clock/Unit1.h"
#include "support/fakeservices.h"
#include "support/pointer.h"

#include <QAction>
#include <QLabel>
#include <QTest>

using namespace ui;

namespace {

// The program with the about window shown through the clock's command.
struct Program {
    Program() : windows(fake.services)
    {
        Form1->show();
        Form1->N4->action()->trigger();
    }
    QLabel* link() const { return Form5->window()->findChild<QLabel*>(QStringLiteral("Label2")); }
    FakeServices fake;
    app::WindowSet windows;
};

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT
private slots:
    void memoHoldsTheUsageText();
    void linkTurnsRedUnderThePointerAndBlackOffIt();
    void clickOnTheLinkOpensTheSiteOnce();
    void closeButtonHasTheFocusAndEnterCloses();
    void neverTranslucentNorOnTop();
};

void AboutTest::memoHoldsTheUsageText()
{
    Program program;
    QCOMPARE(Form5->Memo1->lines(),
             (QStringList{QStringLiteral("\u3000"),
                          QStringLiteral(" 時計\uFF65タイマー\uFF65ストップウォッチ\uFF65カレンダーのすべ"),
                          QStringLiteral("てを利用できるソフトです。"),
                          QStringLiteral("\u3000基本的には、すべて右クリックで操作ができます。"),
                          QStringLiteral("それぞれを終了させるには、ダブルクリックをすると"),
                          QStringLiteral("終了させることができます。基本的には、最前面に"),
                          QStringLiteral("フォームを表示させていますが、時々背後に隠れ"),
                          QStringLiteral("てしますことがあります。皆様の豊かなパソコンライ"),
                          QStringLiteral("フにすこしでもお役に立てれば幸いです。"),
                          QString(9, QChar(0x3000)) + QStringLiteral("2006.11.8\u3000by\u3000K.Ostra")}));
    QCOMPARE(Form5->Label1->caption(), QStringLiteral("Velmora Ver1.01"));
}

void AboutTest::linkTurnsRedUnderThePointerAndBlackOffIt()
{
    Program program;
    QCOMPARE(Form5->Label2->fontColor(), clWindowText);
    QTest::mouseMove(program.link(), QPoint(5, 5));
    QCOMPARE(Form5->Label2->fontColor(), clRed);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(program.link(), &leave);
    QCOMPARE(Form5->Label2->fontColor(), clBlack);
    QCOMPARE(Form5->Label2->hint(), QStringLiteral("please double-click!! 作者ホームページ：他にもソフトがあります"));
}

void AboutTest::clickOnTheLinkOpensTheSiteOnce()
{
    Program program;
    Pointer pointer(program.link());
    pointer.press(QPoint(10, 5));
    pointer.release();
    QCOMPARE(program.fake.desktop.openedUrls, QStringList{Form5->Label2->caption()});
    QVERIFY(Form5->Label2->caption().startsWith(QStringLiteral("https://")));
}

void AboutTest::closeButtonHasTheFocusAndEnterCloses()
{
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(Form5->window()));
    QTRY_VERIFY(Form5->Button1->focused());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!Form5->visible());
}

void AboutTest::neverTranslucentNorOnTop()
{
    Program program;
    Form1->N3->action()->trigger();
    QCOMPARE(Form5->window()->windowOpacity(), 1.0);
    QVERIFY(!(Form5->window()->windowFlags() & Qt::WindowStaysOnTopHint));
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
