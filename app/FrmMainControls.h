#pragma once

#include "MainPages.h"
#include "ReportPages.h"

#include <array>

class QListView;
class QWidget;
class ToolPicture;
class xpWellsTab;

// Every control of the main window, under the names its behaviour uses,
// in the manner of a designer form: built once by buildFrmMainControls(),
// then filled and read by FrmMain.
struct FrmMainControls
{
    static constexpr int PanelCount = 10;

    // Customer list and quick search.
    QListView* List = nullptr;
    // Find in every field over the list (Ctrl+F), and how many it shows.
    QLineEdit* findBox = nullptr;
    QLabel* findCount = nullptr;
    QLineEdit* Text7 = nullptr;
    ToolPicture* Image7 = nullptr;

    // The tab strip and the ten panel groups.
    xpWellsTab* xpWellsTab1 = nullptr;
    PersonalDetailsPage* GroupBox2 = nullptr;
    PurchaseDetailsPage* GroupBox5 = nullptr;
    CompanyStatusPage* GroupBox6 = nullptr;
    ReportPreviewPage* GroupBox7 = nullptr;
    BackupPage* GroupBox8 = nullptr;
    QuickStartPage* GroupBox9 = nullptr;
    ProfitSharePage* GroupBox10 = nullptr;
    GenderChartPage* GroupBox12 = nullptr;
    QuickNotePage* GroupBox14 = nullptr;
    SchedulerPage* GroupBox15 = nullptr;

    // The detail panel, elements 0 to 14 across the first two pages.
    std::array<ValueLabel*, 15> LblDbInfo{};

    // The tools, with their lock marks inside.
    ToolPicture* Image2 = nullptr;  // "Add Customer"
    ToolPicture* Image4 = nullptr;  // "Update Customer"
    ToolPicture* Image3 = nullptr;  // "Delete a Customer"
    ToolPicture* Image21 = nullptr; // "Earnings Chart"
    ToolPicture* Image24 = nullptr; // "Gender Statistics Chart"
    ToolPicture* Image6 = nullptr;  // "Admin Options"
    ToolPicture* Image5 = nullptr;  // "Generate Report"
    ToolPicture* Image26 = nullptr; // "Quick Note Creator "
    ToolPicture* Image27 = nullptr; // "My Scheduler"
    ToolPicture* Image9 = nullptr;  // "Operator Logout"
    ToolPicture* Image31 = nullptr; // help
    ToolPicture* Image20 = nullptr; // credits

    // "Database Details".
    ValueLabel* Label11 = nullptr; // last operator
    ValueLabel* Label13 = nullptr; // database manager
    ValueLabel* Label15 = nullptr; // last used

    // The ten panel groups, in tab order first, then the tool pages.
    std::array<PanelGroup*, PanelCount> panels() const
    {
        return {GroupBox2, GroupBox5, GroupBox6, GroupBox8, GroupBox9,
                GroupBox7, GroupBox10, GroupBox12, GroupBox14, GroupBox15};
    }
};

// Builds every control inside `window` (a 592 x 559 client area) and sets
// the keyboard order to the window's reading order.
FrmMainControls buildFrmMainControls(QWidget* window);
