#include "canvas/QtText.h"
#include "model/Cp932Codec.h"

#include <QtTest>

using namespace planova;

/// Typed texts on their way to code page 932 and model bytes on their way to the screen.
class QtTextTest : public QObject
{
    Q_OBJECT

private slots:
    void typedTextsBecomeCp932WithCrLf_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("utf8OfBytes");
        QTest::newRow("plain") << QStringLiteral("国語") << QByteArray("国語");
        QTest::newRow("line breaks become CR LF") << QStringLiteral("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("circled digits") << QStringLiteral("①⑥") << QByteArray("①⑥");
        // An input method's wave dash is held as the full-width tilde of code page 932.
        QTest::newRow("JIS wave dash") << QStringLiteral("1〜2") << QByteArray("1～2");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void typedTextsBecomeCp932WithCrLf()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, utf8OfBytes);
        const Cp932Text converted = ToCp932(typed);
        QVERIFY(converted.Ok);
        QCOMPARE(QByteArray::fromStdString(converted.Bytes),
                 QByteArray::fromStdString(Utf8ToCp932(utf8OfBytes.toStdString())));
    }

    void charactersCodePage932CannotHoldComeBackInTheEditField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("emoji after a line break") << QStringLiteral("ab\ncd😀e");
        QTest::newRow("surrogate pair kanji") << QStringLiteral("𠮷野家");
        QTest::newRow("hangul") << QStringLiteral("国語\n\n한");
        QTest::newRow("the escape typed literally") << QStringLiteral("&#x20BB7;");
    }
    void charactersCodePage932CannotHoldComeBackInTheEditField()
    {
        QFETCH(QString, typed);
        const Cp932Text converted = ToCp932(typed);
        QVERIFY(converted.Ok);
        QCOMPARE(EditText(converted.Bytes), typed);
        QCOMPARE(DisplayText(converted.Bytes), typed);
    }

    void modelBytesAreShownWithLineBreaks()
    {
        const std::string bytes = Utf8ToCp932("一\r\n二\r三");
        QCOMPARE(DisplayText(bytes), QStringLiteral("一\n二\r三"));
        QCOMPARE(EditText(bytes), QStringLiteral("一\n二\n三"));
        // A damaged byte is shown as a replacement character, never dropped.
        QCOMPARE(DisplayText(std::string("a\x81", 2)), QStringLiteral("a\uFFFD"));
        QCOMPARE(Utf8Text("授業"), QStringLiteral("授業"));
    }
};

QTEST_GUILESS_MAIN(QtTextTest)
#include "QtTextTest.moc"
