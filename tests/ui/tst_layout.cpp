#include "support/fakeservices.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/layouterror.h"
#include "ui/menu.h"
#include "ui/timer.h"

#include <QTest>

using namespace ui;

namespace {

class LayoutForm final : public TForm
{
public:
    explicit LayoutForm(const Services& services) : TForm(services, QStringLiteral("Form9"), QStringLiteral("TForm9"))
    {
        publish(QStringLiteral("Clicked"), &LayoutForm::Clicked);
        publish(QStringLiteral("Moved"), &LayoutForm::Moved);
    }

    void load(const QByteArray& text) { loadFromText(QStringLiteral("test.dfm"), text); }
    template <class T>
    T* find(const char* name) const { return findChild<T*>(QLatin1String(name)); }

    void Clicked(TObject*) {}
    void Moved(TObject*, TShiftState, int, int) {}
};

QByteArray form(const QByteArray& body)
{
    return "object Form9: TForm9\n  ClientWidth = 100\n  ClientHeight = 20\n" + body + "end\n";
}

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void buildsEverythingDeclared();
    void refusesWhatItDoesNotKnow_data();
    void refusesWhatItDoesNotKnow();
};

void LayoutTest::buildsEverythingDeclared()
{
    FakeServices fake;
    LayoutForm window(fake.services);
    window.load(form("  Caption = 'It''s ' + #12354\n"
                     "  object Label1: TLabel\n"
                     "    Caption = 'Hello!!'\n"
                     "    Font.Color = clYellow\n"
                     "    Font.Style = [fsItalic, fsBold]\n"
                     "    PopupMenu = PopupMenu1\n"
                     "    OnDblClick = Clicked\n"
                     "    OnMouseMove = Moved\n"
                     "  end\n"
                     "  object Timer1: TTimer\n"
                     "    Interval = 0\n"
                     "  end\n"
                     "  object PopupMenu1: TPopupMenu\n"
                     "    AutoHotkeys = maManual\n"
                     "    object N1: TMenuItem\n"
                     "      Caption = ' 1～10分'\n"
                     "      object N11: TMenuItem\n"
                     "        Caption = 'A&B'\n"
                     "        Checked = True\n"
                     "      end\n"
                     "    end\n"
                     "  end\n"));
    QCOMPARE(window.caption(), QStringLiteral("It's あ"));
    auto* label = window.find<TLabel>("Label1");
    QVERIFY(label);
    QCOMPARE(label->caption(), QStringLiteral("Hello!!"));
    QCOMPARE(label->fontColor(), clYellow);
    QVERIFY(label->font().italic && label->font().bold);
    QVERIFY(label->OnDblClick && label->OnMouseMove && !label->OnClick);
    QCOMPARE(window.find<TTimer>("Timer1")->interval(), 0);
    QCOMPARE(window.find<TMenuItem>("N1")->caption(), QStringLiteral(" 1～10分"));
    QCOMPARE(window.find<TMenuItem>("N11")->caption(), QStringLiteral("A&B"));
    QVERIFY(window.find<TMenuItem>("N11")->checked());
}

void LayoutTest::refusesWhatItDoesNotKnow_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << QByteArray() << "test.dfm:1: a layout begins with 'object Name: TClass'";
    QTest::newRow("another form") << QByteArray("object Form8: TForm8\nend\n")
                                  << "test.dfm:1: Form8: expected the form Form9: TForm9, not Form8: TForm8";
    QTest::newRow("missing end") << QByteArray("object Form9: TForm9\n  object Label1: TLabel\n  end\n")
                                 << "test.dfm:1: Form9: missing 'end'";
    QTest::newRow("text after end") << form("") + "junk\n" << "test.dfm:5: unexpected text after the last 'end'";
    QTest::newRow("unterminated string") << form("  Caption = 'Velmora\n")
                                         << "test.dfm:4: unterminated string";
    QTest::newRow("missing equals") << form("  Caption 'Velmora'\n")
                                    << "test.dfm:4: Form9: expected '=' after 'Caption'";
    QTest::newRow("missing value") << form("  Caption =\n") << "test.dfm:4: Form9.Caption: missing value";
    QTest::newRow("stray character") << form("  Caption = ?\n") << "test.dfm:4: unexpected character '?'";
    QTest::newRow("unknown class") << form("  object Button1: TFancyButton\n  end\n")
                                   << "test.dfm:4: Button1: unknown class 'TFancyButton'";
    QTest::newRow("unknown property") << form("  object Label1: TLabel\n    WordWrap = True\n  end\n")
                                      << "test.dfm:5: Label1: unknown property 'WordWrap'";
    QTest::newRow("unknown value") << form("  object Label1: TLabel\n    Alignment = taMiddle\n  end\n")
                                   << "test.dfm:5: Label1: 'Alignment' expects one of taLeftJustify, taCenter, "
                                      "taRightJustify";
    QTest::newRow("unknown set element")
        << form("  object Label1: TLabel\n    Font.Style = [fsItalic, fsShadow]\n  end\n")
        << "test.dfm:5: Label1: 'Font.Style' expects elements of [fsBold, fsItalic, fsUnderline, fsStrikeOut], not "
           "'fsShadow'";
    QTest::newRow("string for a number") << form("  ClientHeight = '20'\n")
                                         << "test.dfm:4: Form9: 'ClientHeight' expects a number";
    QTest::newRow("number out of range") << form("  AlphaBlendValue = 256\n")
                                         << "test.dfm:4: Form9: 'AlphaBlendValue' expects a number from 0 to 255";
    QTest::newRow("unknown colour") << form("  Color = clMauve\n")
                                    << "test.dfm:4: Form9: 'Color' expects a colour name or a number from $000000 to "
                                       "$FFFFFF";
    QTest::newRow("unknown handler") << form("  object Label1: TLabel\n    OnClick = Label1Click\n  end\n")
                                     << "test.dfm:5: Label1: unknown handler 'Label1Click'";
    QTest::newRow("handler of another kind")
        << form("  object Label1: TLabel\n    OnClick = Moved\n  end\n")
        << "test.dfm:5: Label1: handler 'Moved' does not fit OnClick";
    QTest::newRow("unknown component")
        << form("  object Label1: TLabel\n    PopupMenu = PopupMenu7\n  end\n")
        << "test.dfm:5: Label1: unknown component 'PopupMenu7'";
    QTest::newRow("component of another class")
        << form("  object Label1: TLabel\n    PopupMenu = Label1\n  end\n")
        << "test.dfm:5: Label1: 'Label1' is not a TPopupMenu";
    QTest::newRow("duplicate name") << form("  object Label1: TLabel\n  end\n  object Label1: TLabel\n  end\n")
                                    << "test.dfm:6: Label1: a second component named Label1";
    QTest::newRow("item outside a menu")
        << form("  object Label1: TLabel\n    object N1: TMenuItem\n    end\n  end\n")
        << "test.dfm:5: N1: TLabel cannot hold TMenuItem";
    QTest::newRow("label inside a menu")
        << form("  object PopupMenu1: TPopupMenu\n    object Label1: TLabel\n    end\n  end\n")
        << "test.dfm:5: Label1: TPopupMenu cannot hold TLabel";
    QTest::newRow("unknown picture") << form("  object Image1: TImage\n    Picture = 'missing.jpg'\n  end\n")
                                     << "test.dfm:5: Image1: unknown picture 'missing.jpg'";
}

void LayoutTest::refusesWhatItDoesNotKnow()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    FakeServices fake;
    LayoutForm window(fake.services);
    try {
        window.load(text);
        QFAIL("the layout was accepted");
    } catch (const LayoutError& error) {
        QCOMPARE(QString::fromUtf8(error.what()), message);
    }
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
