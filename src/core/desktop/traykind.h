#pragma once

// Which kind of notification area the tray icon lives in. A StatusNotifier host (KDE Plasma,
// GNOME with the AppIndicator extension, most panels on Wayland) reports a click on the icon as
// one activation and never a double click; an XEmbed tray reports both.

// True when the session bus has a StatusNotifier watcher with a host registered: the same test
// Qt makes when it chooses the D-Bus tray icon over the XEmbed one. Asks the bus once per call.
bool statusNotifierTray();

