// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace grovan {

/// What choosing a command of the main window's menu bar does.
enum class MenuAction
{
    Separator,              ///< a dividing line between items, not a command
    OpenMenu,               ///< a drop-down menu title: opens its items
    InitialiseAll,          ///< resets the shared working state and closes most calculator windows
    PrinterSetup,           ///< the platform's printer set-up dialog on the shared printer
    Exit,                   ///< closes the main window, which ends the program
    OpenCalculator,         ///< opens the calculator window `window` (at most one of each)
    StartCalculatorProgram, ///< starts the desktop's own calculator program
    ShowHelp,               ///< opens the help window `window`
    OpenVideoLectures,      ///< opens the video lectures web page
    ShowAbout,              ///< shows the About window
    Nothing,                ///< a command that does nothing
};

/// One command of the menu bar: a drop-down menu's item, or a command that stands on the bar
/// itself.
struct MenuItem
{
    std::string_view name;    ///< the command's name, as windows and tests find it
    std::string_view caption; ///< "&" marks the access key; a separator's caption is "-"
    MenuAction action = MenuAction::Nothing;
    std::string_view window = {}; ///< the window that OpenCalculator and ShowHelp open
    bool cascade = false;         ///< arrange the child windows in cascade after opening
    /// After opening, the main window's width in twips when it is neither maximised nor
    /// minimised; 0 leaves the width alone.
    int mainWidthTwips = 0;
};

/// One entry of the menu bar: a drop-down menu (action OpenMenu, with items) or a command
/// without items.
struct TopMenu
{
    MenuItem title;
    std::vector<MenuItem> items;
    /// The About window's OK enables this entry again.
    bool enabledByAbout = false;
};

/// The main window's menu bar, left to right, each menu's items top to bottom.
std::span<const TopMenu> mainMenuBar();

/// The item or top-level command named `name`, or nullptr.
const MenuItem* findMenuItem(std::string_view name);

} // namespace grovan
