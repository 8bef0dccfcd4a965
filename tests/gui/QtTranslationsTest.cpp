// Qt's own texts (text field menus, file dialogs, standard buttons) are Japanese once the
// application installs Qt's translations.

#include "gui/QtTranslations.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <memory>

class QtTranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(planova::InstallQtTranslations(*QCoreApplication::instance())); }

    void TheTextFieldMenuIsJapanese()
    {
        QLineEdit field;
        field.setText(QStringLiteral("2460371.04166667"));
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                texts << action->text();
        QVERIFY2(texts.join(' ').contains(QStringLiteral("コピー")), qPrintable(texts.join(' ')));
        QVERIFY2(texts.join(' ').contains(QStringLiteral("すべてを選択")), qPrintable(texts.join(' ')));
        for (const QString& text : texts)
            QVERIFY2(!text.contains(QStringLiteral("Copy")) && !text.contains(QStringLiteral("Select All")),
                     qPrintable(text));
    }

    void TheFileDialogAndStandardButtonsAreJapanese()
    {
        QFileDialog dialog(nullptr, QString(), QDir::tempPath());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr);
        const QString cancel = buttons->button(QDialogButtonBox::Cancel)->text();
        QVERIFY2(cancel.contains(QStringLiteral("キャンセル")), qPrintable(cancel));
        const QString open = buttons->button(QDialogButtonBox::Open)->text();
        QVERIFY2(open.contains(QStringLiteral("開く")), qPrintable(open));
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "QtTranslationsTest.moc"
