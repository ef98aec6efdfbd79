// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/ViewSlot.h"

#include <QRgb>
#include <QString>

#include <any>
#include <optional>
#include <vector>

namespace pelmaroos::shell {

// Every geometry of a description is in twips: 1/1440 inch, 15 to a pixel.
inline constexpr int twipsPerPixel = 15;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// System colour indexes the screens use; each follows the desktop's colour scheme.
enum class SystemColour {
    MenuText = 7,
    WindowText = 8,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonText = 18,
};

// A control's colour: an exact RGB value, or a system colour that follows the desktop's scheme.
struct Colour {
    std::optional<SystemColour> system;
    QRgb rgb = 0;

    static Colour of(SystemColour colour) { return {colour, 0}; }
    static Colour fromRgb(int red, int green, int blue) { return {std::nullopt, qRgb(red, green, blue)}; }
};

// The screens' one face, which the look carries (designed as "MS Sans Serif"); the default is 8 pt regular.
struct Font {
    double points = 8.0;
    bool bold = false;
};

enum class ControlType { CommandButton, Label, Image, Frame, OptionButton, TextBox };

// A control's name, with its index when it belongs to a control array.
struct ControlId {
    QString name;
    int index = -1;

    friend bool operator==(const ControlId &, const ControlId &) = default;
};

// The control's object name: "Text1", or "Option1(0)" in an array.
inline QString keyOf(const ControlId &id)
{
    return id.index < 0 ? id.name : id.name + QLatin1Char('(') + QString::number(id.index) + QLatin1Char(')');
}

struct ControlDescription {
    ControlType type = ControlType::Label;
    ControlId id;
    TwipsRect geometry;
    QString caption;          // a button's, label's, frame's or option's text
    QString picture;          // an image's resource path
    QString accessibleName;   // what assistive tools read when no caption says it, as for a picture
    std::optional<Font> font; // the screen's font when not given
    std::optional<Colour> background;
    std::optional<Colour> foreground;
    bool visible = true;
    int tabIndex = -1;   // windowed controls only
    ControlId container; // empty name: the screen itself
    ViewSlot inView;     // its place in the screen's view, for the controls procedures touch
};

struct FormDescription {
    QString caption;
    int width = 0; // client area
    int height = 0;
    bool centred = true;
    Colour background = Colour::of(SystemColour::ButtonFace);
    QString icon;
    // Labels and images front to back; windowed controls always lie above them.
    std::vector<ControlDescription> controls;
    std::any view; // the screen's view, empty, for its controls to fill
};

} // namespace pelmaroos::shell
