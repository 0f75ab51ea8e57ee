#pragma once

#include "Appointment.h"

#include <QDate>
#include <QTimer>
#include <QWidget>

#include <functional>

class AppointmentBook;
class GroupBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class chameleonButton;

// Every control of the schedule form, under the names its behaviour uses.
struct ScheduleControls
{
    GroupBox* scheduleGroup = nullptr;
    QDateEdit* DTPicker1 = nullptr;     // the appointment's date
    QLineEdit* Text1 = nullptr;         // start time, free text
    QComboBox* Combo1 = nullptr;        // duration, its text typeable too
    QPlainTextEdit* Text2 = nullptr;    // what is to be done
    chameleonButton* chameleonButton1 = nullptr; // "Add Schedule To Schedule List"
};

// The window "Add Schedule": collects one appointment and appends its
// paragraph to the appointment book, then closes. It holds nothing between
// openings: load() starts it afresh with today's date.
class Schedule : public QWidget
{
    Q_OBJECT

public:
    using Today = std::function<QDate()>;

    Schedule(AppointmentBook& book, Today today, QWidget* parent = nullptr);

    // Fills the duration list, empties the fields, picks today and starts
    // the enabling timer.
    void load();

    // Timer1: adding needs a start time and a chosen or typed duration.
    void enableAdd();
    bool timerRunning() const { return Timer1.isActive(); }

    // "Add Schedule To Schedule List": appends the appointment and closes.
    void addSchedule();

    Appointment appointment() const;
    const ScheduleControls& controls() const { return ui; }

    static const QStringList& durations();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();

    AppointmentBook& m_book;
    Today m_today;
    ScheduleControls ui;
    QTimer Timer1;
};
