// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

#include <any>
#include <functional>
#include <type_traits>

namespace pelmaroos::shell {

// Where a control goes in its screen's view once the form has built it. A description names its view
// (FormDescription::view) and each control the procedures touch names its place in it.
using ViewSlot = std::function<void(std::any &view, QWidget &widget)>;

// The place a function of the view returns, as for one option of a control array.
template<typename View, typename Place>
ViewSlot viewPlace(Place place)
{
    return [place](std::any &view, QWidget &widget) {
        View *typed = std::any_cast<View>(&view);
        if (!typed)
            qFatal("%s belongs to a view its screen does not have", qPrintable(widget.objectName()));
        auto &member = place(*typed);
        using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(member)>>;
        member = qobject_cast<Widget *>(&widget);
        if (!member)
            qFatal("%s is not the kind of control its view expects", qPrintable(widget.objectName()));
    };
}

// A member of the view.
template<typename View, typename Widget>
ViewSlot viewMember(Widget *View::*member)
{
    return viewPlace<View>([member](View &view) -> Widget *& { return view.*member; });
}

} // namespace pelmaroos::shell
