#pragma once

#include "core/cases/DateLists.h"

class QComboBox;

namespace porvap {

// The day, month and hour drop-down lists of one date of the case window.
class DateCombos {
  public:
    DateCombos() = default;
    DateCombos(const char* dayName, const char* monthName, const char* hourName);

    QComboBox* Day() const { return day_; }
    QComboBox* Month() const { return month_; }
    QComboBox* Hour() const { return hour_; }

    DatePositions Positions() const;
    // Positions outside their lists leave those lists without a selection; the day list
    // is filled for the month first.
    void SetPositions(const DatePositions& positions);
    // Whether all three lists select an item.
    bool IsComplete() const;
    // The date shown; only for complete lists.
    DayHour Date() const;
    void SetEnabled(bool enabled);

    // Fills the day list for the selected month. The selected day is kept, or moves to
    // the month's last day when beyond it; no selection stays none. Without a month the
    // list is left as it is.
    void FillDayList();

  private:
    QComboBox* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* hour_ = nullptr;
};

// Moves the finish after the start when the start is later: into the month after the
// start's, or, for a December start, to the day after it (31 December at the start's
// hour at the latest). Incomplete dates are left alone.
void KeepFinishAfterStart(const DateCombos& start, DateCombos& finish);

}  // namespace porvap
