// The "Типы файлов" group of the program options: the list of the editor's file types with a
// coloured mark before each, the "Новый:" field, "+", "-", "Рег+", "Рег-", "Подтв." and
// "Цвет". The group only shows and asks; the list and its commands live in storage
// (TExtData, storage/ext_commands.h).
#pragma once

#include <QGroupBox>

#include <vector>

#include "platform/prompt.h"
#include "storage/ext_data.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quillet {

class TExtGroup : public QGroupBox {
  Q_OBJECT

 public:
  // The list and the prompt (its questions and beeps) must outlive the group.
  TExtGroup(TExtData& data, IPrompt& prompt, QWidget* parent = nullptr);

  // "Подтв." (stored as "Ext_doAsk", on by default) and "Цвет" ("Ext_doColor", off).
  bool DoAsk() const;
  void SetDoAsk(bool on);
  bool DoColor() const;
  void SetDoColor(bool on);

  // The options dialog opens: the states read again, the rows shown afresh without a
  // selection, the buttons set.
  void PrepareShow();
  // The options dialog closes: the list is saved when it was changed.
  void FormClose();

  QListWidget* ListView1() const { return listView1_; }
  QLineEdit* Edit1() const { return edit1_; }
  QPushButton* Button1() const { return button1_; }
  QPushButton* Button2() const { return button2_; }
  QPushButton* Button3() const { return button3_; }
  QPushButton* Button4() const { return button4_; }
  QCheckBox* CheckBox2() const { return checkBox2_; }
  QCheckBox* CheckBox3() const { return checkBox3_; }

 public slots:
  void Button1Click();  // "+"
  void Button2Click();  // "-"
  void Button3Click();  // "Рег+"
  void Button4Click();  // "Рег-"
  void CheckBox3Click();
  void SetExtButtons();
  void SetRegButtons();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Edit1Change();
  void Edit1Exit();
  // One row per item, in the list's order.
  void FillList();
  // The rows' marks as the items' states stand.
  void RedrawList();
  std::vector<size_t> SelectedRows() const;

  TExtData& data_;
  IPrompt& prompt_;
  QListWidget* listView1_ = nullptr;
  QLineEdit* edit1_ = nullptr;
  QPushButton* button1_ = nullptr;
  QPushButton* button2_ = nullptr;
  QPushButton* button3_ = nullptr;
  QPushButton* button4_ = nullptr;
  QCheckBox* checkBox2_ = nullptr;
  QCheckBox* checkBox3_ = nullptr;
  bool bulkDelete_ = false;
};

}  // namespace quillet
