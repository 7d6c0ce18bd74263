#pragma once

// What a screen reader is told about our own controls: a link has the role link, its caption or
// picture description as name and a press action that does what a click does; a choice group is
// a group of its radio buttons; a decorative rule is a separator without a name; a message box
// is an alert with its title as name and its text as description; a container marked
// `hidesDecorative` leaves its decorative children out. Installed once, before the first window
// is built.
namespace Accessibility {
void install();
}
