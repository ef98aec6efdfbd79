#include "shell/Look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace pelmaroos::shell {

namespace {

const QString designFontFamily = QStringLiteral("MS Sans Serif");

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

} // namespace

void applyLook()
{
    // One style everywhere, so every caption measures the same on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    // The screens are laid out for "MS Sans Serif", which Linux lacks; Liberation Sans has close metrics.
    QFont::insertSubstitution(designFontFamily, QStringLiteral("Liberation Sans"));
}

QColor resolve(const Colour &colour)
{
    if (colour.system)
        return QApplication::palette().color(QPalette::Active, roleOf(*colour.system));
    return QColor::fromRgb(colour.rgb);
}

QFont screenFont(const Font &font)
{
    QFont qfont(designFontFamily);
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

int pixels(int twips)
{
    return qRound(twips / double(twipsPerPixel));
}

} // namespace pelmaroos::shell
