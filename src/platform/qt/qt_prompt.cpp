#include "platform/qt/qt_prompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

#include "platform/qt/qt_platform.h"

namespace quillet {

namespace {

QMessageBox::Icon IconOf(MsgKind kind) {
  switch (kind) {
    case MsgKind::Warning: return QMessageBox::Warning;
    case MsgKind::Error: return QMessageBox::Critical;
    case MsgKind::Information: return QMessageBox::Information;
    case MsgKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

struct ButtonSpec {
  Answer answer;
  const char* caption;
  const char* name;
  QMessageBox::ButtonRole role;
};

std::vector<ButtonSpec> SpecsOf(Buttons buttons) {
  const ButtonSpec ok{Answer::Ok, quillet::qt::CaptionOk, QtPrompt::kOkName, QMessageBox::AcceptRole};
  const ButtonSpec cancel{Answer::Cancel, quillet::qt::CaptionCancel, QtPrompt::kCancelName,
                          QMessageBox::RejectRole};
  const ButtonSpec yes{Answer::Yes, quillet::qt::CaptionYes, QtPrompt::kYesName, QMessageBox::YesRole};
  const ButtonSpec no{Answer::No, quillet::qt::CaptionNo, QtPrompt::kNoName, QMessageBox::NoRole};
  const ButtonSpec yesToAll{Answer::YesToAll, quillet::qt::CaptionYesToAll, QtPrompt::kYesToAllName,
                            QMessageBox::YesRole};
  const ButtonSpec noToAll{Answer::NoToAll, quillet::qt::CaptionNoToAll, QtPrompt::kNoToAllName,
                           QMessageBox::NoRole};
  switch (buttons) {
    case Buttons::Ok: return {ok};
    case Buttons::OkCancel: return {ok, cancel};
    case Buttons::YesCancel: return {yes, cancel};
    case Buttons::YesNo: return {yes, no};
    case Buttons::YesNoCancel: return {yes, no, cancel};
    case Buttons::YesNoYesToAll: return {yes, no, yesToAll};
    case Buttons::YesNoCancelNoToAllYesToAll: return {yes, no, cancel, noToAll, yesToAll};
  }
  return {ok};
}

}  // namespace

Answer QtPrompt::Ask(MsgKind kind, Buttons buttons, const std::string& utf8Text) {
  QMessageBox box(parent_);
  box.setObjectName(kBoxName);
  box.setWindowTitle(QString::fromStdString(title_));
  box.setIcon(IconOf(kind));
  // Subtitle text in a message may hold tags such as <i>: shown as written, never as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromUtf8(utf8Text));
  box.setWindowModality(Qt::ApplicationModal);

  const std::vector<ButtonSpec> specs = SpecsOf(buttons);
  std::vector<std::pair<QAbstractButton*, Answer>> answers;
  // Esc and the close box answer Cancel, else No, else the only button.
  QAbstractButton* escape = nullptr;
  Answer closed = Answer::Ok;
  for (const ButtonSpec& spec : specs) {
    QPushButton* button = box.addButton(QString::fromUtf8(spec.caption), spec.role);
    button->setObjectName(spec.name);
    answers.emplace_back(button, spec.answer);
    if (spec.answer == Answer::Cancel || (spec.answer == Answer::No && closed != Answer::Cancel)) {
      escape = button;
      closed = spec.answer;
    }
  }
  // The first button is the default one, as in the platform's own boxes.
  box.setDefaultButton(static_cast<QPushButton*>(answers.front().first));
  box.setEscapeButton(escape != nullptr ? escape : answers.front().first);

  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (const auto& [button, answer] : answers) {
    if (button == clicked) return answer;
  }
  return closed;
}

void QtPrompt::Beep() { QApplication::beep(); }

}  // namespace quillet
