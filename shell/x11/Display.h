// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

struct xcb_connection_t;

namespace pelmaroos::shell {

// Qt aborts when its X11 platform finds no display. When Qt is going to use X11 this opens the display
// first and, if it cannot, says so on stderr in one line. The connection stays open while the object
// lives, so that a server with no other client does not reset just as Qt connects.
class DisplayCheck final
{
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

    // Whether the program can go on.
    bool passed() const { return m_passed; }
    // The open display; null when Qt is not going to use X11.
    xcb_connection_t *connection() const { return m_passed ? m_connection : nullptr; }

private:
    xcb_connection_t *m_connection = nullptr;
    bool m_passed = true;
};

} // namespace pelmaroos::shell
