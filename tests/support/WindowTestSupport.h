#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace porvap::test {

// Lets laid-out charts settle and closed or replaced widgets go, as turns of the event loop
// would.
inline void Settle() {
    for (int pass = 0; pass < 5; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// A window's control by its object name, the name its layout gives it; a control that is
// not there fails the test.
template <class T = QWidget>
T* Control(const QWidget& window, const char* name) {
    T* control = window.findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

}  // namespace porvap::test
