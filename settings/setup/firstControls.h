#pragma once

#include <array>

class GroupBox;
class HelpPicture;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;
class chameleonButton;
class xpWellsTab;

// Every control of the setup window, under the names its behaviour uses:
// built once by buildFirstControls(), then filled and read by `first`.
struct firstControls
{
    xpWellsTab* xpWellsTab1 = nullptr;

    // Tab 1, "Administrator Details".
    GroupBox* adminGroup = nullptr;
    QLineEdit* Text1 = nullptr; // name
    QLineEdit* Text2 = nullptr; // phone, stored as "Email"

    // Tab 2, "Log-In Features".
    GroupBox* loginGroup = nullptr;
    QLineEdit* Text4 = nullptr;  // password, shown in clear
    QComboBox* Combo1 = nullptr; // currency list, its text typeable too
    QLineEdit* Text3 = nullptr;  // the currency text for "Other"

    // Tab 3, "Security ".
    GroupBox* securityGroup = nullptr;
    QCheckBox* Check1 = nullptr; // clerks may delete
    QCheckBox* Check3 = nullptr; // clerks may add
    QCheckBox* Check2 = nullptr; // clerks may edit

    chameleonButton* chameleonButton1 = nullptr; // "Save My Settings"
    chameleonButton* chameleonButton2 = nullptr; // "Cancel"
    HelpPicture* Image31 = nullptr;

    // The groups in tab order: tab 1 shows the first.
    std::array<GroupBox*, 3> groups() const { return {adminGroup, loginGroup, securityGroup}; }
};

// Builds every control inside `window` (a 520 x 252 client area) and sets
// the keyboard order to the window's reading order.
firstControls buildFirstControls(QWidget* window);
