#include "screens/Pictures.h"

// Resources compiled into a static library must be registered by name, outside any namespace.
static void registerPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace pelmaroos::screens::pictures {

void registerResources()
{
    static const bool registered = (registerPictureResources(), true);
    Q_UNUSED(registered);
}

QString questionIcon(int number)
{
    return QStringLiteral(":/pictures/question-%1.ico").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace pelmaroos::screens::pictures
