// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/forms/Look.h"

#include "shell/forms/CarriedFonts.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace pelmaroos::shell {

namespace {

// The face the screens and boxes are drawn in.
QString screenFamily;

void drawInCarriedFonts()
{
    screenFamily = useCarriedFonts();
    QFont boxes = QApplication::font();
    boxes.setFamilies({screenFamily});
    QApplication::setFont(boxes);
}

QPalette::ColorRole roleOf(SystemColour colour)
{
    switch (colour) {
    case SystemColour::MenuText:
    case SystemColour::WindowText: return QPalette::WindowText;
    case SystemColour::HighlightText: return QPalette::HighlightedText;
    case SystemColour::ButtonFace: return QPalette::Button;
    case SystemColour::ButtonText: return QPalette::ButtonText;
    }
    return QPalette::Window;
}

// Fusion, with the faces of buttons and frames in one flat colour: its gradients and the tint it lays over a
// frame's inside would set them apart from the labels and the screen around them. A pressed button darkens
// and the focused one is outlined in the highlight colour.
class FlatStyle final : public QProxyStyle
{
public:
    FlatStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element != PE_PanelButtonCommand && element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QPalette &palette = option->palette;
        QRectF outline = option->rect;
        QColor face = Qt::transparent;
        QColor line = palette.color(QPalette::Window).darker(140);
        qreal lineWidth = 1;
        if (element == PE_PanelButtonCommand) {
            const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
            const bool down = option->state & (State_Sunken | State_On);
            face = down ? palette.color(QPalette::Button).darker(110) : palette.color(QPalette::Button);
            // Every button takes the default, which Return presses, as it takes the focus.
            if (button && (button->features & QStyleOptionButton::DefaultButton)) {
                line = palette.color(QPalette::Highlight).darker(125);
                lineWidth = 2;
            }
        } else {
            // A frame's line runs round it just below its caption.
            const int caption =
                qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget), option->fontMetrics.height());
            outline = widget ? QRectF(widget->rect()) : outline;
            outline.setTop(outline.top() + caption + captionGap);
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(line, lineWidth));
        painter->setBrush(face);
        const qreal inset = lineWidth / 2;
        painter->drawRoundedRect(outline.adjusted(inset, inset, -inset, -inset), 2.0, 2.0);
        painter->restore();
    }

private:
    static constexpr int captionGap = 3;
};

} // namespace

void applyLook()
{
    // One style everywhere, so every caption measures the same on every desktop.
    QApplication::setStyle(new FlatStyle);
    QApplication::setPalette(QApplication::style()->standardPalette());
    drawInCarriedFonts();
}

QColor resolve(const Colour &colour)
{
    if (colour.system)
        return QApplication::palette().color(QPalette::Active, roleOf(*colour.system));
    return QColor::fromRgb(colour.rgb);
}

QFont screenFont(const Font &font)
{
    QFont qfont(screenFamily);
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

int pixels(int twips)
{
    return qRound(twips / double(twipsPerPixel));
}

} // namespace pelmaroos::shell
