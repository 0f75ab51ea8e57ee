#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help: the user guide beside the help file, shown in a
// window of its own that stays open beside the program.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The guide for a help file: the HTML file of the same name beside it.
    static QString guideFor(const QString& helpFile);

    // Loads the guide and shows it at its contents; false when it is missing.
    bool open(const QString& guideFile);

private:
    QTextBrowser* m_browser;
};
