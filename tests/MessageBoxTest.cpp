#include "Fakes.h"
#include "shell/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace pelmaroos::shell;
using namespace pelmaroos::tests;

class MessageBoxTest final : public QObject
{
    Q_OBJECT

private slots:
    void aMissingTitleIsTheApplicationTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        QTest::newRow("none") << QString() << QStringLiteral("Pelmaroos");
        QTest::newRow("given") << QStringLiteral("Help") << QStringLiteral("Help");
    }

    void aMissingTitleIsTheApplicationTitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        FakeMessageBoxes boxes;
        MsgBox(boxes, QStringLiteral("prompt"), MessageStyle::OkOnly, title);
        QCOMPARE(boxes.shown.size(), 1u);
        QCOMPARE(boxes.shown[0].title, shownTitle);
    }

    void theBoxIsModalWithOneOkButton_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::newRow("plain") << int(MessageStyle::OkOnly) << int(QMessageBox::NoIcon);
        QTest::newRow("question") << int(MessageStyle::Question) << int(QMessageBox::Question);
    }

    void theBoxIsModalWithOneOkButton()
    {
        QFETCH(int, style);
        QFETCH(int, icon);
        QString text;
        QString title;
        int shownIcon = -1;
        qsizetype buttons = -1;
        Qt::WindowModality modality = Qt::NonModal;
        QTimer dismiss;
        connect(&dismiss, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            title = box->windowTitle();
            shownIcon = box->icon();
            buttons = box->buttons().size();
            modality = box->windowModality();
            box->button(QMessageBox::Ok)->click();
        });
        dismiss.start(10);
        QtMessageBox().show(QStringLiteral("Just & click."), MessageStyle(style), QStringLiteral("Help"));
        QCOMPARE(text, QStringLiteral("Just & click."));
        QCOMPARE(title, QStringLiteral("Help"));
        QCOMPARE(shownIcon, icon);
        QCOMPARE(buttons, 1);
        QCOMPARE(modality, Qt::ApplicationModal);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
