#include "shell/OptionButton.h"

namespace pelmaroos::shell {

OptionButton::OptionButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{
    connect(this, &QAbstractButton::toggled, this, [this] { updateTabStops(); });
    updateTabStops();
}

TruthValue OptionButton::value() const
{
    return isChecked() ? True : False;
}

void OptionButton::setValue(TruthValue value)
{
    if (value != False) {
        setChecked(true);
        return;
    }
    // A checked exclusive button refuses to uncheck itself; lift the exclusivity for that one step.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
    updateTabStops();
}

void OptionButton::updateTabStops()
{
    const auto siblings = parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
    OptionButton *stop = siblings.isEmpty() ? nullptr : siblings.first();
    for (OptionButton *option : siblings) {
        if (option->isChecked())
            stop = option;
    }
    for (OptionButton *option : siblings)
        option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace pelmaroos::shell
