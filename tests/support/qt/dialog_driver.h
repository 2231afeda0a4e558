// Driving a dialog from a test: its controls by name, a colour picked in a colour list as the
// user picks it, and a modal showing answered from inside.
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "ui/widgets/color_box.h"

namespace quillet::testing {

template <typename T>
T* FindControl(const QWidget& parent, const char* name) {
  T* found = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

// The user picks the entry of that colour (not the custom one) in the list.
inline void PickColor(TColorBox* box, uint32_t value) {
  const int index = FindColorEntry(box->Entries(), value, kCustomColorIndex + 1);
  ASSERT_GE(index, 0);
  box->setCurrentIndex(index);
  emit box->activated(index);
}

// Once the dialog shows modally: act, then a click on the button named button.
inline void AnswerModal(QWidget* dialog, const char* button, std::function<void()> act) {
  QTimer::singleShot(0, dialog, [dialog, button, act = std::move(act)] {
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    act();
    QTest::mouseClick(FindControl<QPushButton>(*dialog, button), Qt::LeftButton);
  });
}

}  // namespace quillet::testing
