// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/x11/BareSession.h"

#include "shell/x11/Xcb.h"

#include <QString>
#include <QtGlobal>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace pelmaroos::shell {

namespace {

using shell::xcb::existingAtom;
using shell::xcb::owned;

bool isSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value && *value;
}

std::string machineId()
{
    std::string id;
    for (const char *file : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        if (std::ifstream(file) >> id)
            break;
    }
    return id;
}

// The address dbus-launch leaves on the owner of a selection named after the user and the machine, once it
// has started a bus for this display.
std::string busOfDisplay(xcb_connection_t *display)
{
    const passwd *user = display ? getpwuid(getuid()) : nullptr;
    const std::string id = machineId();
    if (!user || id.empty())
        return {};
    const xcb_atom_t selection =
        existingAtom(display, "_DBUS_SESSION_BUS_SELECTION_" + std::string(user->pw_name) + "_" + id);
    const xcb_atom_t property = existingAtom(display, "_DBUS_SESSION_BUS_ADDRESS");
    if (selection == XCB_ATOM_NONE || property == XCB_ATOM_NONE)
        return {};
    const auto owner =
        owned(xcb_get_selection_owner_reply(display, xcb_get_selection_owner(display, selection), nullptr));
    if (!owner || owner->owner == XCB_WINDOW_NONE)
        return {};
    const auto address = owned(xcb_get_property_reply(
        display, xcb_get_property(display, 0, owner->owner, property, XCB_ATOM_STRING, 0, 1024), nullptr));
    if (!address)
        return {};
    return {static_cast<const char *>(xcb_get_property_value(address.get())),
            std::size_t(xcb_get_property_value_length(address.get()))};
}

QtMessageHandler toolkitMessages = nullptr;

// Qt says that the session names no runtime folder and that it could make none in the temporary folder:
// both are this guard at work, and nothing a player should read.
void withoutRuntimeFolderWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")) ||
        message.startsWith(QLatin1String("QStandardPaths: error creating runtime directory")))
        return;
    toolkitMessages(type, context, message);
}

} // namespace

void settleBareSession(xcb_connection_t *display)
{
    // Without a runtime folder the toolkit would make one under the temporary folder, only to look for a
    // sandbox's marker in it. The game keeps no temporary files, so there is no such folder to make.
    if (!isSet("XDG_RUNTIME_DIR")) {
        setenv("TMPDIR", "/dev/null", 1);
        toolkitMessages = qInstallMessageHandler(withoutRuntimeFolderWarnings);
    }
    // Without a bus address libdbus takes the bus in the runtime folder, if there is one, or else starts a bus.
    // An address that names no bus connects to none.
    if (isSet("DBUS_SESSION_BUS_ADDRESS") ||
        (isSet("XDG_RUNTIME_DIR") && std::filesystem::exists(std::string(std::getenv("XDG_RUNTIME_DIR")) + "/bus")))
        return;
    const std::string address = busOfDisplay(display);
    setenv("DBUS_SESSION_BUS_ADDRESS", address.empty() ? "disabled:" : address.c_str(), 1);
}

} // namespace pelmaroos::shell
