#include "GameFixture.h"
#include "shell/Form.h"
#include "screens/Layouts.h"
#include "shell/Look.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

using namespace pelmaroos;
using namespace pelmaroos::shell;
using namespace pelmaroos::tests;

namespace {

bool isQuestionPage(ScreenName name)
{
    return name >= ScreenName::Easy1 && name <= ScreenName::Hard3;
}

int textWidth(const QWidget &widget)
{
    const QString text = qobject_cast<const QAbstractButton *>(&widget)
        ? qobject_cast<const QAbstractButton *>(&widget)->text()
        : qobject_cast<const QLabel *>(&widget)->text();
    return widget.fontMetrics().horizontalAdvance(text);
}

} // namespace

// The built windows against their design: sizes, pictures, stacking, and wording that fits.
class LayoutTest final : public QObject
{
    Q_OBJECT

private:
    // Each screen built straight from its description, with no procedure behind it.
    std::map<ScreenName, std::unique_ptr<Form>> forms;

    ScreenWindow &window(ScreenName name) { return forms.at(name)->window(); }

    void addScreenRows()
    {
        QTest::addColumn<ScreenName>("name");
        for (ScreenName name : allScreens)
            QTest::newRow(qPrintable(formName(name))) << name;
    }

private slots:
    void initTestCase()
    {
        applyLook();
        for (ScreenName name : allScreens)
            forms[name] = std::make_unique<Form>(screens::layoutOf(name), Form::CloseHandler {});
    }

    void windowsHaveTheirDesignedClientArea_data() { addScreenRows(); }

    void windowsHaveTheirDesignedClientArea()
    {
        QFETCH(ScreenName, name);
        const FormDescription layout = screens::layoutOf(name);
        ScreenWindow &window = this->window(name);
        QCOMPARE(window.size(), QSize(layout.width / twipsPerPixel, layout.height / twipsPerPixel));
        QCOMPARE(window.windowTitle(), layout.caption);
        QVERIFY(!window.windowIcon().isNull());
    }

    // Every picture is shown at its own size, where the design puts it.
    void picturesAreTheirDesignedSize_data() { addScreenRows(); }

    void picturesAreTheirDesignedSize()
    {
        QFETCH(ScreenName, name);
        const FormDescription layout = screens::layoutOf(name);
        for (const ControlDescription &control : layout.controls) {
            if (control.type != ControlType::Image)
                continue;
            const QString key = control.container.name.isEmpty()
                ? control.id.name
                : control.container.name + QStringLiteral("(%1)").arg(control.container.index);
            auto *picture = window(name).findChild<Picture *>(control.id.name);
            if (!control.container.name.isEmpty())
                picture = window(name).findChild<QWidget *>(key)->findChild<Picture *>(control.id.name);
            QVERIFY2(picture && !picture->pixmap().isNull(), qPrintable(control.picture));
            QCOMPARE(picture->geometry(), QRect(pixels(control.geometry.left), pixels(control.geometry.top),
                                                control.geometry.width / twipsPerPixel,
                                                control.geometry.height / twipsPerPixel));
        }
    }

    // Captions of buttons and one-line labels fit on one line; questions fit their two lines.
    void wordingFitsItsControls_data() { addScreenRows(); }

    void wordingFitsItsControls()
    {
        QFETCH(ScreenName, name);
        ScreenWindow &window = this->window(name);
        const int indicator = window.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
            window.style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        for (QPushButton *button : window.findChildren<QPushButton *>())
            QVERIFY2(textWidth(*button) + 8 <= button->width(), qPrintable(button->text()));
        for (QRadioButton *option : window.findChildren<QRadioButton *>())
            QVERIFY2(textWidth(*option) + indicator <= option->width(), qPrintable(option->text()));
        for (QLabel *label : window.findChildren<QLabel *>()) {
            if (qobject_cast<Picture *>(label) || label->text().isEmpty())
                continue;
            const int lineHeight = label->fontMetrics().lineSpacing();
            const int lines = label->height() < 2 * lineHeight ? 1 : label->height() / lineHeight;
            const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000),
                                                                   Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= lines * lineHeight + 1,
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3").arg(label->text()).arg(needed.height()).arg(label->height())));
        }
    }

    // Choices keep the screen's 8 pt regular font inside their 12 pt bold frames, and frames hide the banner.
    void framesLendNoFontAndHideWhatLiesBehind()
    {
        ScreenWindow &page = window(ScreenName::Medium2);
        auto *frame = page.findChild<QGroupBox *>(QStringLiteral("Frame1(3)"));
        QCOMPARE(frame->font().pointSizeF(), 12.0);
        QVERIFY(frame->font().bold());
        QVERIFY(frame->autoFillBackground());
        for (QRadioButton *option : frame->findChildren<QRadioButton *>()) {
            QCOMPARE(option->font().pointSizeF(), 8.0);
            QVERIFY(!option->font().bold());
        }
    }

    // On the question pages no choice runs into its question's picture.
    void choicesStayClearOfTheQuestionPictures()
    {
        for (ScreenName name : allScreens) {
            if (!isQuestionPage(name))
                continue;
            for (QGroupBox *frame : window(name).findChildren<QGroupBox *>()) {
                for (QRadioButton *option : frame->findChildren<QRadioButton *>()) {
                    for (Picture *picture : frame->findChildren<Picture *>())
                        QVERIFY2(!option->geometry().intersects(picture->geometry()),
                                 qPrintable(formName(name) + QLatin1Char(' ') + option->objectName()));
                }
            }
        }
    }

    // The choices lie above the question's label: none may cover a line of the question.
    void choicesLeaveTheQuestionReadable()
    {
        for (ScreenName name : allScreens) {
            if (!isQuestionPage(name))
                continue;
            for (QGroupBox *frame : window(name).findChildren<QGroupBox *>()) {
                for (QLabel *question : frame->findChildren<QLabel *>()) {
                    if (qobject_cast<Picture *>(question))
                        continue;
                    const QRect text = question->fontMetrics().boundingRect(
                        QRect(question->pos(), QSize(question->width(), 10000)), Qt::TextWordWrap, question->text());
                    for (QRadioButton *option : frame->findChildren<QRadioButton *>())
                        QVERIFY2(!option->geometry().intersects(text),
                                 qPrintable(formName(name) + QLatin1Char(' ') + question->text()));
                }
            }
        }
    }

    void scoreBoxesAndTotalHoldersAreNeverSeen()
    {
        for (ScreenName name : allScreens) {
            ScreenWindow &window = this->window(name);
            if (isQuestionPage(name))
                QVERIFY(!window.findChild<QWidget *>(QStringLiteral("Text1"))->isVisibleTo(&window));
        }
        for (ScreenName name : {ScreenName::EasyAbout, ScreenName::MediumAbout, ScreenName::HardAbout}) {
            ScreenWindow &window = this->window(name);
            QVERIFY(!window.findChild<QWidget *>(QStringLiteral("Label10"))->isVisibleTo(&window));
            for (const char *picture : {"Image1", "Image2", "Image3"})
                QVERIFY(!window.findChild<QWidget *>(QLatin1String(picture))->isVisibleTo(&window));
        }
    }

    // The score line lies in front of the pictures on the Easy result screen and behind them on the others.
    void resultScreensStackTheScoreLineAsDesigned_data()
    {
        QTest::addColumn<ScreenName>("name");
        QTest::addColumn<bool>("scoreInFront");
        QTest::newRow("EasyAbout") << ScreenName::EasyAbout << true;
        QTest::newRow("MediumAbout") << ScreenName::MediumAbout << false;
        QTest::newRow("HardAbout") << ScreenName::HardAbout << false;
    }

    void resultScreensStackTheScoreLineAsDesigned()
    {
        QFETCH(ScreenName, name);
        QFETCH(bool, scoreInFront);
        const QObjectList children = window(name).children();
        auto depth = [&](const char *control) {
            return children.indexOf(window(name).findChild<QWidget *>(QLatin1String(control)));
        };
        for (const char *picture : {"Image1", "Image2", "Image3"})
            QCOMPARE(depth("Label1") > depth(picture), scoreInFront);
        QVERIFY(depth("Command1") > depth("Image1") || name == ScreenName::HardAbout);
    }

    // Inside its border a question frame is the button face of its question label, and the title screen's
    // Continue the grey of the screen: one flat colour each. A pressed button darkens.
    void facesAreFlat_data()
    {
        QTest::addColumn<ScreenName>("name");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QColor>("face");
        QTest::newRow("a question frame") << ScreenName::Medium2 << QStringLiteral("Frame1(3)")
                                          << resolve(Colour::of(SystemColour::ButtonFace));
        QTest::newRow("Continue") << ScreenName::PreMain << QStringLiteral("cmdContinue") << QColor(128, 128, 128);
    }

    void facesAreFlat()
    {
        QFETCH(ScreenName, name);
        QFETCH(QString, control);
        QFETCH(QColor, face);
        const Form form(screens::layoutOf(name), {});
        auto *widget = form.window().findChild<QWidget *>(control);
        auto *button = qobject_cast<QPushButton *>(widget);
        if (button)
            button->setText({}); // the face alone
        auto colours = [widget] {
            const QImage image = widget->grab().toImage();
            const QRect inside = widget->contentsRect().marginsRemoved({6, 6, 6, 6});
            QStringList found;
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                for (int x = inside.left(); x <= inside.right(); ++x) {
                    if (!widget->childAt(x, y) && !found.contains(image.pixelColor(x, y).name()))
                        found.append(image.pixelColor(x, y).name());
                }
            }
            return found;
        };
        QCOMPARE(colours(), QStringList {face.name()});
        if (button) {
            button->setDown(true);
            QCOMPARE(colours().size(), 1);
            QVERIFY(colours() != QStringList {face.name()});
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
