#include "screens/Layouts.h"
#include "shell/Form.h"
#include "shell/Look.h"
#include "shell/Picture.h"

#include <QTest>

using namespace pelmaroos;
using namespace pelmaroos::shell;

// Run with QT_SCALE_FACTOR=2: every picture shows its art drawn at twice the size, pixel for pixel, at the place
// and the logical size it has at 1x, and every window icon comes at twice the size too.
class SharpPicturesTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void picturesShowTheirArtDrawnAtTwiceTheSize_data()
    {
        QTest::addColumn<ScreenName>("name");
        for (ScreenName name : allScreens)
            QTest::newRow(qPrintable(formName(name))) << name;
    }

    void picturesShowTheirArtDrawnAtTwiceTheSize()
    {
        QFETCH(ScreenName, name);
        const FormDescription layout = screens::layoutOf(name);
        const Form form(layout, {});
        QVERIFY(form.window().windowIcon().availableSizes().contains(QSize(64, 64)));
        for (const ControlDescription &control : layout.controls) {
            if (control.type != ControlType::Image)
                continue;
            const QImage sharp(control.picture.chopped(4) + QStringLiteral("@2x") + control.picture.right(4));
            QVERIFY2(!sharp.isNull(), qPrintable(control.picture));
            auto *picture = qobject_cast<Picture *>(form.control(control.id));
            QCOMPARE(picture->geometry(), QRect(QPoint(pixels(control.geometry.left), pixels(control.geometry.top)),
                                                QImage(control.picture).size()));
            QImage shown(sharp.size(), QImage::Format_ARGB32_Premultiplied);
            shown.setDevicePixelRatio(2);
            shown.fill(Qt::transparent);
            picture->render(&shown, {}, {}, QWidget::DrawChildren);
            QCOMPARE(shown, sharp.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }
};

QTEST_MAIN(SharpPicturesTest)
#include "SharpPicturesTest.moc"
