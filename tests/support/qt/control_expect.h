// Table checks of the panel groups' controls: object name, caption, hint, state.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/widgets/number_field.h"

namespace quillet::testing {

// checked: 1 on, 0 off, -1 not a check box or radio button. Edits compare their text, labels
// their caption (labels have no hint here).
struct ControlRow {
  const char* name;
  const char* caption;
  const char* hint;
  int checked = -1;
};

inline void ExpectControls(const QWidget& parent, std::initializer_list<ControlRow> rows) {
  for (const auto& s : rows) {
    const QString name = QString::fromLatin1(s.name);
    QString caption, hint;
    if (auto* b = parent.findChild<QAbstractButton*>(name)) {
      caption = b->text();
      hint = b->toolTip();
      if (s.checked >= 0) {
        EXPECT_EQ(b->isChecked(), s.checked == 1) << s.name;
      }
    } else if (auto* e = parent.findChild<QLineEdit*>(name)) {
      caption = e->text();
      hint = e->toolTip();
    } else if (auto* l = parent.findChild<QLabel*>(name)) {
      caption = l->text();
    } else {
      ADD_FAILURE() << "no control " << s.name;
      continue;
    }
    EXPECT_EQ(caption, QString::fromUtf8(s.caption)) << s.name;
    EXPECT_EQ(hint, QString::fromUtf8(s.hint)) << s.name;
  }
}

struct FieldRow {
  const char* edit;
  const char* upDown;
  int min, max;
  const char* text;
  const char* hint = "";
};

inline void ExpectFields(const QWidget& parent, std::initializer_list<FieldRow> rows) {
  for (const auto& s : rows) {
    auto* edit = parent.findChild<QLineEdit*>(QString::fromLatin1(s.edit));
    auto* upDown = parent.findChild<TUpDown*>(QString::fromLatin1(s.upDown));
    if (!edit || !upDown) {
      ADD_FAILURE() << "no field " << s.edit << "/" << s.upDown;
      continue;
    }
    EXPECT_EQ(upDown->Associate(), edit) << s.edit;
    EXPECT_EQ(upDown->Min(), s.min) << s.upDown;
    EXPECT_EQ(upDown->Max(), s.max) << s.upDown;
    EXPECT_EQ(edit->text(), QString::fromLatin1(s.text)) << s.edit;
    EXPECT_EQ(edit->toolTip(), QString::fromUtf8(s.hint)) << s.edit;
  }
}

inline bool HasLabel(const QWidget& parent, const char* text) {
  for (auto* label : parent.findChildren<QLabel*>()) {
    if (label->text() == QString::fromUtf8(text)) return true;
  }
  return false;
}

// A click on a check box or a radio button where its box is: a stretched one ignores clicks
// beyond its caption.
inline void ClickBox(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

}  // namespace quillet::testing
