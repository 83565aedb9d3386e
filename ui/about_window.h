// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace kestrel {

// The About window: the program's title, what it shows, its developers, the date of the last
// update and a contact address, as static labels on a light-yellow window without an owner.
class AboutWindow : public QWidget {
public:
    AboutWindow();

    // Shows the window modeless, or brings it to the front when it is already open.
    void showAndRaise();
};

} // namespace kestrel
