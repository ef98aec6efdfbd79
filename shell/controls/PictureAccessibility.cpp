// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/controls/PictureAccessibility.h"

#include "shell/controls/Picture.h"

#include <QAccessibleWidget>

namespace pelmaroos::shell {

namespace {

// A picture that reacts to a click reads as a button with a press action; any other as a graphic.
class PictureAccessible final : public QAccessibleWidget
{
public:
    explicit PictureAccessible(Picture *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }

    QAccessible::Role role() const override
    {
        return picture()->isClickable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (picture()->isClickable())
            names.prepend(pressAction());
        return names;
    }

    // Only what a mouse could press: a picture on view, enabled, that something listens to.
    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (picture()->isClickable() && picture()->isEnabled() && picture()->isVisible())
            picture()->click();
    }

private:
    Picture *picture() const { return static_cast<Picture *>(widget()); }
};

QAccessibleInterface *pictureInterface(const QString &, QObject *object)
{
    if (auto *picture = qobject_cast<Picture *>(object))
        return new PictureAccessible(picture);
    return nullptr;
}

} // namespace

void installPictureAccessibility()
{
    QAccessible::installFactory(pictureInterface);
}

} // namespace pelmaroos::shell
